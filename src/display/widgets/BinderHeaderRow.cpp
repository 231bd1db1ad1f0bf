#include "display/widgets/BinderHeaderRow.h"

#include "display/widgets/BeatBoxes.h"

#include "platform/Commands.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QResizeEvent>
#include <QTextDocumentFragment>
#include <QToolButton>

namespace partivo {

namespace {

constexpr int kTitlePixels = 22;
constexpr int kSmallPixels = 14;

// The header's buttons that post a key command.
const struct {
    const char* text;
    const char* tip;
    int command;
} kCommandButtons[] = {
    {"Note", "Show or hide the note window", cmd::NoteWindow},
};

QString colored(const HeaderPart& part)
{
    return QStringLiteral("<span style=\"color:%1\">%2</span>")
        .arg(part.color.name(), part.text.toHtmlEscaped());
}

QColor searchColor(SearchColor c)
{
    switch (c) {
    case SearchColor::White:
        return Qt::white;
    case SearchColor::Blue:
        return alternateFoundBlue();
    case SearchColor::Grey:
        break;
    }
    return headerGrey();
}

// The typed text, then the song's title with the match lit.
QString searchHtml(const SearchBox& box)
{
    QString html = colored({box.rech, box.valid ? QColor(Qt::white) : QColor(Qt::red)});
    html += QStringLiteral("&nbsp;&nbsp;");
    for (const SearchRun& run : box.info.runs)
        html += colored({box.info.text.mid(run.start, run.length), searchColor(run.color)});
    return html;
}

void showPart(QWidget* widget, const HeaderPart& part, bool shown)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, part.color);
    palette.setColor(QPalette::ButtonText, part.color);
    widget->setPalette(palette);
    widget->setVisible(shown);
}

QString plain(const QLabel* label)
{
    return label->isHidden() ? QString()
                             : QTextDocumentFragment::fromHtml(label->text()).toPlainText();
}

QToolButton* flatButton(QWidget* parent, const QString& text, const QFont& font)
{
    auto* button = new QToolButton(parent);
    button->setText(text);
    button->setAutoRaise(true);
    button->setFocusPolicy(Qt::NoFocus); // keys stay with the window
    button->setFont(font);
    return button;
}

} // namespace

BinderHeaderRow::BinderHeaderRow(QWidget* parent) : QWidget(parent)
{
    QFont big = font();
    big.setPixelSize(kTitlePixels);
    big.setBold(true);
    QFont small = font();
    small.setPixelSize(kSmallPixels);

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    id_ = flatButton(this, QString(), small);
    connect(id_, &QToolButton::clicked, this, [this] {
        if (onNextId)
            onNextId();
    });
    title_ = new QLabel(this);
    title_->setTextFormat(Qt::RichText);
    title_->setFont(big);
    search_ = new QLabel(this);
    search_->setTextFormat(Qt::RichText);
    search_->hide();
    beats_ = new BeatBoxes(this);
    tempo_ = new QLabel(this);
    tempo_->setFont(big);
    rec_ = flatButton(this, QStringLiteral("● Rec"), small);
    rec_->hide();
    connect(rec_, &QToolButton::clicked, this, [this] {
        if (onEndRecording)
            onEndRecording();
    });

    layout->addWidget(id_);
    layout->addSpacing(12);
    layout->addWidget(title_, 1);
    layout->addWidget(search_);
    layout->addSpacing(12);
    layout->addWidget(beats_);
    layout->addWidget(tempo_);
    layout->addWidget(rec_);
    for (const auto& b : kCommandButtons) {
        QToolButton* button = flatButton(this, QString::fromLatin1(b.text), small);
        button->setToolTip(QString::fromLatin1(b.tip));
        button->setProperty("command", b.command);
        const int command = b.command;
        connect(button, &QToolButton::clicked, this, [this, command] {
            if (onCommand)
                onCommand(command);
        });
        layout->addWidget(button);
        commands_.append(button);
    }
    more_ = flatButton(this, QStringLiteral("☰"), small);
    more_->setToolTip(QStringLiteral("Note"));
    more_->setPopupMode(QToolButton::InstantPopup);
    auto* menu = new QMenu(more_);
    for (QToolButton* button : std::as_const(commands_)) {
        QAction* action = menu->addAction(button->text());
        connect(action, &QAction::triggered, button, &QToolButton::click);
    }
    more_->setMenu(menu);
    more_->hide();
    layout->addWidget(more_);
    // The title may be cut only once the buttons are in the menu.
    title_->setMinimumWidth(0);
    title_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    setFixedHeight(QFontMetrics(big).height() + 4);
}

bool BinderHeaderRow::buttonsInMenu() const
{
    return !more_->isHidden();
}

void BinderHeaderRow::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    arrangeButtons();
}

void BinderHeaderRow::arrangeButtons()
{
    int needed = title_->isHidden() ? 0 : title_->sizeHint().width();
    for (QWidget* part :
         {static_cast<QWidget*>(id_), static_cast<QWidget*>(search_), static_cast<QWidget*>(beats_),
          static_cast<QWidget*>(tempo_), static_cast<QWidget*>(rec_)}) {
        if (!part->isHidden())
            needed += part->sizeHint().width();
    }
    int buttons = 0;
    for (const QToolButton* button : std::as_const(commands_))
        buttons += button->sizeHint().width();
    const int spacing = layout()->spacing() * (4 + int(commands_.size())) + 24;
    const bool inMenu = width() < needed + buttons + spacing;
    for (QToolButton* button : std::as_const(commands_))
        button->setVisible(!inMenu);
    more_->setVisible(inMenu);
}

MetroBeats BinderHeaderRow::beatsOf(const BinderHeader& header)
{
    return {header.metroBoxes, header.metroLit, header.metroColor, header.metroAccent,
            header.metroLabel};
}

void BinderHeaderRow::showHeader(const BinderHeader& header, const SearchBox& search,
                                 bool searchShown, bool recording, const QColor& text)
{
    const bool inMenu = buttonsInMenu();
    for (QToolButton* button : commands_)
        showPart(button, {button->text(), text}, !inMenu);
    showPart(rec_, {rec_->text(), QColor(Qt::red)}, recording);
    QString title;
    for (const HeaderPart& part : header.title)
        title += colored(part);
    title_->setText(title);
    title_->setVisible(header.showTitle);
    id_->setText(header.id.text);
    showPart(id_, header.id, true);
    tempo_->setText(header.tempo.text);
    showPart(tempo_, header.tempo, header.showTempo);
    beats_->showBeats(beatsOf(header));
    search_->setVisible(searchShown);
    if (searchShown)
        search_->setText(searchHtml(search));
    showPart(more_, {more_->text(), text}, !more_->isHidden());
    arrangeIfChanged(header.metroBoxes);
}

void BinderHeaderRow::showBeats(const BinderHeader& header)
{
    beats_->showBeats(beatsOf(header));
    arrangeIfChanged(header.metroBoxes);
}

// Measuring the title is costly: only a new title, other beat boxes or a resize arrange the
// buttons again.
void BinderHeaderRow::arrangeIfChanged(int beatBoxes)
{
    const QString arranged =
        (title_->isVisible() ? title_->text() : QString()) + QString::number(beatBoxes);
    if (arranged != arrangedFor_) {
        arrangedFor_ = arranged;
        arrangeButtons();
    }
}

QString BinderHeaderRow::shownTitle() const
{
    return plain(title_);
}

QString BinderHeaderRow::shownId() const
{
    return id_->text();
}

QString BinderHeaderRow::shownTempo() const
{
    return tempo_->isHidden() ? QString() : tempo_->text();
}

QString BinderHeaderRow::shownSearch() const
{
    return plain(search_);
}

QToolButton* BinderHeaderRow::commandButton(int command) const
{
    for (QToolButton* button : commands_)
        if (button->property("command").toInt() == command)
            return button;
    return nullptr;
}

} // namespace partivo
