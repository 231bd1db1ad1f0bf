#include "display/BinderWindow.h"

#include "display/SongPages.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QResizeEvent>
#include <QTextDocumentFragment>
#include <QTimer>

namespace partivo {

BinderWindow::BinderWindow(DisplayWindows& windows, NotificationCenter& center, Timers& timers,
                           SongPages& pages, QWidget* parent)
    : DisplayWindow(std::make_unique<WindowPDFx>(windows, center, timers, pages), center, parent),
      binder_(static_cast<WindowPDFx*>(&logic())), cache_(pages.documents()),
      painter_(cache_, pages)
{
    auto* row = new QWidget(this);
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    id_ = new QLabel(row);
    title_ = new QLabel(row);
    tempo_ = new QLabel(row);
    search_ = new QLabel(row);
    search_->setTextFormat(Qt::RichText);
    search_->hide();
    title_->setTextFormat(Qt::RichText);
    QFont big = title_->font();
    big.setPixelSize(22);
    big.setBold(true);
    title_->setFont(big);
    tempo_->setFont(big);
    QFont small = id_->font();
    small.setPixelSize(14);
    id_->setFont(small);
    layout->addWidget(id_);
    layout->addSpacing(12);
    layout->addWidget(title_, 1);
    layout->addWidget(search_);
    layout->addSpacing(12);
    layout->addWidget(tempo_);
    // A fixed height, so that the pages' views (and the pages rendered for them) keep their
    // size whatever the lines hold.
    row->setFixedHeight(QFontMetrics(big).height() + 4);
    insertHeaderRow(row);
    binder_->setSceneObserver([this] {
        showHeader();
        update();
    });
    binder_->setTextViewSize([this] {
        return BinderLayout(QSizeF(size()), headerBottom(), binder_->mode()).left.size();
    });
    showHeader();
}

namespace {

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

void showPart(QLabel* label, const HeaderPart& part, bool shown)
{
    label->setText(part.text);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, part.color);
    label->setPalette(palette);
    label->setVisible(shown);
}

} // namespace

void BinderWindow::showHeader()
{
    const BinderHeader& header = binder_->header();
    QString title;
    for (const HeaderPart& part : header.title)
        title += colored(part);
    title_->setText(title);
    title_->setVisible(header.showTitle);
    showPart(id_, header.id, true);
    showPart(tempo_, header.tempo, header.showTempo);
    setNoteLineHidden(!header.showNote);
    search_->setVisible(!binder_->isBoxRechHidden());
    if (!search_->isHidden())
        search_->setText(searchHtml(binder_->searchBox()));
    setWindowTitle(binder_->obtenirTitle()); // the title the window list shows
}

QString BinderWindow::shownTitle() const
{
    return !title_->isHidden() ? QTextDocumentFragment::fromHtml(title_->text()).toPlainText()
                               : QString();
}

QString BinderWindow::shownId() const
{
    return id_->text();
}

QString BinderWindow::shownSearch() const
{
    return search_->isHidden() ? QString()
                               : QTextDocumentFragment::fromHtml(search_->text()).toPlainText();
}

QString BinderWindow::shownTempo() const
{
    return !tempo_->isHidden() ? tempo_->text() : QString();
}

BinderLayout BinderWindow::layout() const
{
    return BinderLayout(QSizeF(size()), headerBottom(), binder_->scene().mode);
}

void BinderWindow::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter_.paint(painter, *binder_, layout());
    schedulePrefetch();
}

void BinderWindow::schedulePrefetch()
{
    if (prefetchPending_)
        return;
    prefetchPending_ = true;
    // After this frame is on screen, one page per turn of the event loop, so that a key
    // pressed meanwhile waits for one page at most.
    QTimer::singleShot(0, this, [this] {
        prefetchPending_ = false;
        if (cache_.prefetchOne(painter_.pagesAhead(*binder_, layout())))
            schedulePrefetch();
    });
}

void BinderWindow::prefetchAhead()
{
    cache_.prefetch(painter_.pagesAhead(*binder_, layout()));
}

void BinderWindow::resizeEvent(QResizeEvent* event)
{
    DisplayWindow::resizeEvent(event);
    cache_.clear(); // pages rendered for the old size no longer fit
    binder_->resized(event->size().width(), event->size().height(), true);
}

bool BinderWindow::windowKey(const KeyPress& key)
{
    if (!isTabBarToggleKey(key))
        return false;
    binder_->toggleOngletsVisibles();
    return true;
}

QImage BinderWindow::grabScene()
{
    return grab().toImage();
}

} // namespace partivo
