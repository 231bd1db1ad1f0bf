#include "app/widgets/PreferencesWindow.h"

#include "app/Controller.h"
#include "library/KeyActions.h"
#include "platform/Commands.h"
#include "platform/Dialogs.h"
#include "platform/NotificationCenter.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace partivo {

namespace {

QDoubleSpinBox* spinBox(double min, double max, double step, int decimals, const QString& suffix)
{
    auto* box = new QDoubleSpinBox;
    box->setRange(min, max);
    box->setSingleStep(step);
    box->setDecimals(decimals);
    box->setSuffix(suffix);
    return box;
}

// The key test numbers of the keys the window names.
int keyTestNumber(int qtKey)
{
    switch (qtKey) {
    case Qt::Key_Left:
        return 1;
    case Qt::Key_Right:
        return 2;
    case Qt::Key_Up:
        return 3;
    case Qt::Key_Down:
        return 4;
    case Qt::Key_PageUp:
        return 5;
    case Qt::Key_PageDown:
        return 6;
    default:
        return 0;
    }
}

} // namespace

PreferencesWindow::PreferencesWindow(Controller& controller, QWidget* parent)
    : QWidget(parent, Qt::Window), controller_(controller)
{
    setWindowTitle(QStringLiteral("Preferences"));
    auto* layout = new QHBoxLayout(this);
    auto* left = new QVBoxLayout;
    left->addWidget(buildGeneral());
    left->addWidget(buildChordPro());
    layout->addLayout(left);
    layout->addWidget(buildInputs());
}

QWidget* PreferencesWindow::buildChordPro()
{
    auto* box = new QGroupBox(QStringLiteral("ChordPro Songs"));
    auto* form = new QFormLayout(box);
    instrument_ = new QLineEdit;
    instrument_->setPlaceholderText(QStringLiteral("guitar"));
    instrument_->setToolTip(
        QStringLiteral("Directives written for an instrument, such as {comment-piano: ...}, "
                       "apply only when they name this one."));
    form->addRow(QStringLiteral("Instrument:"), instrument_);
    user_ = new QLineEdit;
    user_->setPlaceholderText(qEnvironmentVariable("USER"));
    user_->setToolTip(QStringLiteral("Directives written for a user apply only to this one."));
    form->addRow(QStringLiteral("User:"), user_);
    lilypond_ = new QCheckBox(QStringLiteral("Draw LilyPond music with lilypond"));
    lilypond_->setToolTip(QStringLiteral(
        "lilypond runs any command a song file holds: allow it only for songs you trust."));
    form->addRow(lilypond_);
    connect(instrument_, &QLineEdit::editingFinished, this, [this] { applyChordPro(); });
    connect(user_, &QLineEdit::editingFinished, this, [this] { applyChordPro(); });
    connect(lilypond_, &QCheckBox::toggled, this, [this] { applyChordPro(); });
    return box;
}

void PreferencesWindow::applyChordPro()
{
    controller_.setChordProOptions(instrument_->text(), user_->text(), lilypond_->isChecked());
}

QWidget* PreferencesWindow::buildGeneral()
{
    auto* box = new QGroupBox(QStringLiteral("General"));
    auto* form = new QFormLayout(box);
    halfPageMarker_ = new QComboBox;
    halfPageMarker_->addItems({QStringLiteral("Grey band over the shared part"),
                               QStringLiteral("Grey band over the half being read"),
                               QStringLiteral("No marker")});
    form->addRow(QStringLiteral("Half page marker:"), halfPageMarker_);
    redLine_ = new QCheckBox(QStringLiteral("Red line in the middle of the page"));
    form->addRow(redLine_);
    dimmer_ = new QCheckBox(QStringLiteral("Dim the windows"));
    dimmerValue_ = spinBox(0, 100, 5, 0, QStringLiteral(" %"));
    form->addRow(dimmer_, dimmerValue_);
    dimmerInactive_ = spinBox(0, 100, 5, 0, QStringLiteral(" %"));
    form->addRow(QStringLiteral("Dim the inactive half:"), dimmerInactive_);
    midiDelay_ = spinBox(0.001, 1.0, 0.005, 3, QStringLiteral(" s"));
    form->addRow(QStringLiteral("MIDI delay between messages:"), midiDelay_);
    centerMouse_ = new QCheckBox(QStringLiteral("Center the mouse pointer after a swipe"));
    form->addRow(centerMouse_);
    reverseMouse_ = new QCheckBox(QStringLiteral("Reverse the swipe direction"));
    form->addRow(reverseMouse_);
    hiddenRegions_ = new QCheckBox(
        QStringLiteral("Hidden regions: a click in a quarter of the window turns songs and pages"));
    form->addRow(hiddenRegions_);
    autoOpen_ = new QCheckBox(QStringLiteral("Open each ChordPro song shown in its external "
                                             "application"));
    form->addRow(autoOpen_);
    extOpen_ = new QCheckBox(QStringLiteral("Open ChordPro files in an external application"));
    form->addRow(extOpen_);
    lastPageNextSong_ =
        new QCheckBox(QStringLiteral("Next page on the last page goes to the next song"));
    form->addRow(lastPageNextSong_);
    auto* music = new QHBoxLayout;
    musicFolder_ = new QLineEdit;
    musicFolder_->setReadOnly(true);
    musicFolder_->setPlaceholderText(QStringLiteral("No music library"));
    auto* chooseMusic = new QPushButton(QStringLiteral("Choose..."));
    connect(chooseMusic, &QPushButton::clicked, this, [this] { chooseMusicFolder(); });
    music->addWidget(musicFolder_, 1);
    music->addWidget(chooseMusic);
    form->addRow(QStringLiteral("Music library folder:"), music);
    keyTest_ = new QLineEdit;
    keyTest_->setReadOnly(true);
    keyTest_->setPlaceholderText(QStringLiteral("Press a key here"));
    keyTest_->installEventFilter(this);
    form->addRow(QStringLiteral("Key test:"), keyTest_);
    return box;
}

QWidget* PreferencesWindow::buildInputs()
{
    auto* box = new QGroupBox(QStringLiteral("Keys and Swipes"));
    auto* form = new QFormLayout(box);
    for (int i = 0; i < kInputCount; ++i) {
        const auto input = InputId(i);
        auto* chooser = new QComboBox;
        for (int code : chooserCodes(input))
            chooser->addItem(QString::fromUtf8(keyAction(code)->title), code);
        auto* param = new QLineEdit;
        choosers_[size_t(i)] = chooser;
        params_[size_t(i)] = param;
        auto* row = new QHBoxLayout;
        row->addWidget(chooser, 1);
        row->addWidget(param, 1);
        form->addRow(inputTitle(input) + QLatin1Char(':'), row);
        // A new action starts with an empty parameter.
        connect(chooser, &QComboBox::activated, this, [this, input] {
            params_[size_t(input)]->clear();
            ajusterPlaceHolderString(input);
        });
    }
    return box;
}

void PreferencesWindow::ajusterPlaceHolderString(InputId input)
{
    const int code = choosers_[size_t(input)]->currentData().toInt();
    const KeyAction* action = keyAction(code);
    QLineEdit* field = params_[size_t(input)];
    const bool takesParam = action && action->placeholder[0] != '\0';
    field->setVisible(takesParam);
    field->setPlaceholderText(takesParam ? QString::fromUtf8(action->placeholder) : QString());
    field->setToolTip(takesParam ? QString::fromUtf8(action->tooltip) : QString());
}

void PreferencesWindow::showWithOptions(const Options& options)
{
    shown_ = options;
    halfPageMarker_->setCurrentIndex(options.zoomOptHalfPageMarker);
    redLine_->setChecked(options.zoomOptRedLine != 0);
    dimmer_->setChecked(options.genOptDimmer);
    dimmerValue_->setValue(options.genOptDimmerVal);
    dimmerInactive_->setValue(options.genOptDimmerValInact);
    midiDelay_->setValue(options.genOptMidiDelayVal);
    centerMouse_->setChecked(options.genOptCenterMouse);
    reverseMouse_->setChecked(options.genOptReverseMouse);
    hiddenRegions_->setChecked(options.genOptHiddenRegions);
    autoOpen_->setChecked(options.genOptAutoOpen);
    extOpen_->setChecked(options.genOptExtOpen);
    lastPageNextSong_->setChecked(options.genOptLastPageNextSong);
    for (int i = 0; i < kInputCount; ++i) {
        const auto input = InputId(i);
        const int index = chooserIndex(input, chooserCode(input, options.inputs[size_t(i)].index));
        choosers_[size_t(i)]->setCurrentIndex(index);
        params_[size_t(i)]->setText(options.inputs[size_t(i)].param);
        ajusterPlaceHolderString(input);
    }
    musicFolder_->setText(controller_.musicFolder());
    {
        // Filling the fields is not a change.
        const QSignalBlocker blockLilypond(lilypond_);
        instrument_->setText(controller_.chordProInstrument());
        user_->setText(controller_.chordProUser());
        lilypond_->setChecked(controller_.chordProLilypond());
    }
    keyTest_->clear();
    show();
    raise();
    activateWindow();
}

Options PreferencesWindow::options() const
{
    Options o = shown_;
    o.zoomOptHalfPageMarker = halfPageMarker_->currentIndex();
    o.zoomOptRedLine = redLine_->isChecked() ? 1 : 0;
    o.genOptDimmer = dimmer_->isChecked();
    o.genOptDimmerVal = dimmerValue_->value();
    o.genOptDimmerValInact = dimmerInactive_->value();
    o.genOptMidiDelayVal = midiDelay_->value();
    o.genOptCenterMouse = centerMouse_->isChecked();
    o.genOptReverseMouse = reverseMouse_->isChecked();
    o.genOptHiddenRegions = hiddenRegions_->isChecked();
    o.genOptAutoOpen = autoOpen_->isChecked();
    o.genOptExtOpen = extOpen_->isChecked();
    o.genOptLastPageNextSong = lastPageNextSong_->isChecked();
    for (int i = 0; i < kInputCount; ++i) {
        o.inputs[size_t(i)].index = choosers_[size_t(i)]->currentIndex();
        o.inputs[size_t(i)].param = params_[size_t(i)]->text();
    }
    return o;
}

void PreferencesWindow::chooseMusicFolder()
{
    const QString folder = controller_.data().dialogs.chooseFolder(
        QStringLiteral("Music Library"),
        QStringLiteral("Choose the folder of your backing tracks and recordings"),
        controller_.musicFolder());
    if (folder.isEmpty())
        return;
    controller_.setMusicFolder(folder); // indexed in the background
    musicFolder_->setText(folder);
}

void PreferencesWindow::showKeyTest(const QString& text)
{
    keyTest_->setText(text);
}

void PreferencesWindow::closeEvent(QCloseEvent* event)
{
    applyChordPro();
    controller_.applyOptions(options());
    QWidget::closeEvent(event);
}

// A key pressed in the key test field is named through the controller, as every key is.
bool PreferencesWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == keyTest_ && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab)
            return false;
        controller_.center().postParam(QLatin1String(action::KeyPref), keyTestNumber(key->key()));
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace partivo
