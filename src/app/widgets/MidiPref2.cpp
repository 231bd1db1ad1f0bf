#include "app/widgets/MidiPref2.h"

#include "app/Controller.h"
#include "app/widgets/MidiPrefCommon.h"
#include "midi/Midi.h"
#include "midi/MidiLastInstructions.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTableWidget>
#include <QTextCursor>
#include <QVBoxLayout>

namespace partivo {

MidiPref2::MidiPref2(Controller& controller, QWidget* parent)
    : QWidget(parent), controller_(controller),
      editor_(controller.midi(), controller.data().dialogs, midiEditorKeyPoster(controller))
{
    makeFloatingEditor(*this, QStringLiteral("MIDI Event Library"));
    table_ = editorTable(
        {QStringLiteral("EventID"), QStringLiteral("Description"), QStringLiteral("Events")});
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(table_, 1);
    layout->addWidget(buildRowControls());
    layout->addWidget(buildButtons());
    connect(table_, &QTableWidget::itemSelectionChanged, this,
            [this] { showRow(selectedTableRow(table_)); });
}

QWidget* MidiPref2::buildRowControls()
{
    auto* box = new QWidget;
    auto* form = new QFormLayout(box);
    id_ = new QLineEdit;
    descr_ = new QLineEdit;
    events_ = new QPlainTextEdit;
    events_->setTabChangesFocus(true);
    form->addRow(QStringLiteral("EventID:"), id_);
    form->addRow(QStringLiteral("Description:"), descr_);
    form->addRow(QStringLiteral("Events:"), events_);
    form->addRow(QString(), buildInsertButtons());
    for (QLineEdit* field : {id_, descr_})
        connect(field, &QLineEdit::editingFinished, this, [this] { rowEdited(); });
    connect(events_, &QPlainTextEdit::textChanged, this, [this] { rowEdited(); });
    events_->installEventFilter(this);
    events_->setToolTip(QStringLiteral("Tab completes MIDI instructions, groups and destinations"));
    return box;
}

QWidget* MidiPref2::buildInsertButtons()
{
    auto* bar = new QWidget;
    auto* row = new QHBoxLayout(bar);
    row->setContentsMargins(0, 0, 0, 0);
    const char* tips[] = {
        "Insert Program Change MIDI instruction \nFormat: MSB.LSB:program@destination",
        "Insert Control Change MIDI instruction \nFormat: CCcontrol:value@destination",
        "Insert Global Coarse Tune (transpose) MIDI instruction",
    };
    for (const char* tip : tips) {
        auto* button = new QPushButton;
        button->setToolTip(QString::fromUtf8(tip));
        row->addWidget(button);
        inserts_.append(button);
    }
    connect(inserts_[0], &QPushButton::clicked, this, [this] { insertIntoEvents(programInsert_); });
    for (QPushButton* button : {inserts_[1], inserts_[2]})
        connect(button, &QPushButton::clicked, this,
                [this, button] { insertIntoEvents(button->text()); });
    for (const QString& word : midiInstructionKeywords()) {
        auto* button = new QPushButton(word);
        row->addWidget(button);
        inserts_.append(button);
        connect(button, &QPushButton::clicked, this, [this, word] { insertIntoEvents(word); });
    }
    row->addStretch(1);
    refreshInsertButtons();
    return bar;
}

void MidiPref2::refreshInsertButtons()
{
    const MidiLastInstructions last = midiLastInstructions(controller_.midi());
    programInsert_ = last.programInsert;
    const std::pair<QString, bool> shown[] = {
        {last.programTitle, last.programRecent},
        {last.controlChange, last.controlRecent},
        {last.coarseTune, false},
    };
    for (int i = 0; i < 3; ++i) {
        QPushButton* button = inserts_[i];
        button->setText(shown[i].first);
        button->setVisible(!shown[i].first.isEmpty());
        // Lit while the message is under a second old.
        button->setStyleSheet(shown[i].second ? QStringLiteral("color: red") : QString());
    }
}

bool MidiPref2::eventFilter(QObject* watched, QEvent* event)
{
    // Tab in the events completes the word being typed; Tab again takes the next offer.
    if (watched == events_ && event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_Tab &&
        static_cast<QKeyEvent*>(event)->modifiers() == Qt::NoModifier) {
        if (completeWord())
            return true;
    }
    return QWidget::eventFilter(watched, event);
}

bool MidiPref2::completeWord()
{
    QTextCursor line = events_->textCursor();
    line.movePosition(QTextCursor::StartOfBlock, QTextCursor::KeepAnchor);
    const QString word = completionWord(line.selectedText());
    // A word that is an offer being cycled through completes with the next one.
    const bool cycling = !offers_.isEmpty() && offers_.contains(word);
    if (!cycling)
        offers_ = completionsFor(midiInstructionCompletions(controller_.midi()), word);
    if (offers_.isEmpty())
        return false;
    const QString next =
        cycling ? offers_[(offers_.indexOf(word) + 1) % offers_.size()] : offers_.first();
    QTextCursor cursor = events_->textCursor();
    cursor.movePosition(QTextCursor::Left, QTextCursor::KeepAnchor, int(word.size()));
    cursor.insertText(next);
    events_->setTextCursor(cursor);
    return true;
}

void MidiPref2::insertIntoEvents(const QString& text)
{
    if (text.isEmpty() || selectedTableRow(table_) < 0)
        return;
    events_->insertPlainText(text);
    events_->setFocus();
}

QWidget* MidiPref2::buildButtons()
{
    auto* bar = new QWidget;
    auto* row = new QHBoxLayout(bar);
    addRowButtons(
        row, this, rowEditing(editor_), [this] { return selectedTableRow(table_); },
        [this](int r) { reload(r); });
    test_ = new QPushButton(QStringLiteral("Test"));
    reference_ = new QComboBox;
    append_ = new QPushButton(QStringLiteral("Append MIDI"));
    for (QWidget* w : {static_cast<QWidget*>(test_), static_cast<QWidget*>(reference_),
                       static_cast<QWidget*>(append_)})
        row->addWidget(w);
    connect(test_, &QPushButton::clicked, this,
            [this] { editor_.actionSendMidi(selectedTableRow(table_)); });
    connect(append_, &QPushButton::clicked, this, [this] {
        const int row = selectedTableRow(table_);
        if (editor_.appendReference(row, reference_->currentIndex()))
            reload(row);
    });
    return bar;
}

void MidiPref2::showMidiPref()
{
    const int row = selectedTableRow(table_);
    editor_.showMidiPref();
    reload(row < 0 ? 0 : row);
    refreshInsertButtons();
    show();
    raise();
    activateWindow();
}

void MidiPref2::reload(int selectRow)
{
    const QList<MidiFavEvent>& favs = controller_.midi().MIDIfav;
    {
        const QSignalBlocker blocker(table_);
        table_->setRowCount(int(favs.size()));
        for (int r = 0; r < favs.size(); ++r) {
            const QStringList cells{favs[r].favEventID, favs[r].favEventDescr,
                                    QString(favs[r].favEventTx).replace(u'\n', u' ')};
            for (int c = 0; c < cells.size(); ++c)
                table_->setItem(r, c, new QTableWidgetItem(cells[c]));
        }
        selectTableRow(table_, selectRow);
    }
    {
        // The groups a row may refer to, by row.
        const QSignalBlocker blocker(reference_);
        const int kept = reference_->currentIndex();
        reference_->clear();
        for (const MidiFavEvent& fav : favs)
            reference_->addItem(QStringLiteral("MIDI ") + fav.favEventID);
        reference_->setCurrentIndex(kept >= 0 && kept < favs.size() ? kept : 0);
    }
    showRow(selectedTableRow(table_));
}

void MidiPref2::showRow(int row)
{
    loading_ = true;
    const QList<MidiFavEvent>& favs = controller_.midi().MIDIfav;
    const MidiFavEvent fav = favs.value(row);
    const bool valid = row >= 0;
    id_->setText(fav.favEventID);
    descr_->setText(fav.favEventDescr);
    events_->setPlainText(fav.favEventTx);
    for (QWidget* w :
         {static_cast<QWidget*>(id_), static_cast<QWidget*>(descr_), static_cast<QWidget*>(events_),
          static_cast<QWidget*>(test_), static_cast<QWidget*>(append_)})
        w->setEnabled(valid);
    loading_ = false;
}

void MidiPref2::rowEdited()
{
    const int row = selectedTableRow(table_);
    if (loading_ || row < 0)
        return;
    editor_.updateOccAtIndex(row, id_->text(), descr_->text(), events_->toPlainText());
    // Only the table shows the change: refilling the fields would move the cursor.
    const MidiFavEvent& fav = controller_.midi().MIDIfav[row];
    const QSignalBlocker blocker(table_);
    table_->item(row, 0)->setText(fav.favEventID);
    table_->item(row, 1)->setText(fav.favEventDescr);
    table_->item(row, 2)->setText(QString(fav.favEventTx).replace(u'\n', u' '));
    reference_->setItemText(row, QStringLiteral("MIDI ") + fav.favEventID);
}

void MidiPref2::closeEvent(QCloseEvent* event)
{
    editor_.windowWillClose();
    controller_.displayWindows().activateKeywin();
    event->accept();
}

} // namespace partivo
