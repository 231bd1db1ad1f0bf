#include "display/widgets/BinderWindow.h"

#include "display/Dimmer.h"
#include "display/DisplayWindows.h"
#include "display/SongPages.h"
#include "display/TocPainter.h"
#include "platform/NotificationCenter.h"

#include <QMouseEvent>
#include <QNativeGestureEvent>
#include <QPainter>
#include <QResizeEvent>
#include <QTimer>

namespace partivo {

BinderWindow::BinderWindow(DisplayWindows& windows, NotificationCenter& center, Timers& timers,
                           SongPages& pages, QWidget* parent)
    : DisplayWindow(std::make_unique<WindowPDFx>(windows, center, timers, pages), center, parent),
      binder_(static_cast<WindowPDFx*>(&logic())), cache_(pages.documents()),
      painter_(cache_, pages)
{
    header_ = new BinderHeaderRow(this);
    header_->onNextId = [this] { binder_->selectNextDir(); };
    header_->onCommand = [this](int command) {
        this->center().postParam(QLatin1String(action::Key), command);
    };
    header_->onEndRecording = [this, &windows] {
        windows.recOn = false;
        showHeader();
    };
    insertHeaderRow(header_);
    binder_->setSceneObserver([this] {
        showHeader();
        update();
    });
    binder_->setHeaderObserver([this] { header_->showBeats(binder_->header()); });
    binder_->setReloadObserver([this] { reloadDocuments(); });
    binder_->setTextViewSize([this] {
        return BinderLayout(QSizeF(size()), headerBottom(), binder_->mode(),
                            binder_->settings().ongletsVisibles)
            .left.size();
    });
    showHeader();
}

void BinderWindow::showHeader()
{
    const BinderHeader& header = binder_->header();
    header_->showHeader(header, binder_->searchBox(), !binder_->isBoxRechHidden(),
                        binder_->windows().recOn, binder_->settings().colors.colorForObj(ActColor));
    setNoteLineHidden(!header.showNote);
    showNoteLine();                          // the colours may have changed
    setWindowTitle(binder_->obtenirTitle()); // the title the window list shows
}

BinderLayout BinderWindow::layout() const
{
    return BinderLayout(QSizeF(size()), headerBottom(), binder_->scene().mode,
                        binder_->settings().ongletsVisibles);
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
    // After this frame is on screen, the pages ahead one after the other on the render
    // thread; each result asks for the next (with the position as it is then).
    QTimer::singleShot(0, this, [this] {
        prefetchPending_ = false;
        cache_.prefetchOneInBackground(painter_.pagesAhead(*binder_, layout()), renderThread_,
                                       [this] { schedulePrefetch(); });
    });
}

void BinderWindow::reloadDocuments()
{
    cache_.clear();
    renderThread_.forgetDocuments();
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

bool BinderWindow::event(QEvent* event)
{
    if (event->type() == QEvent::NativeGesture) {
        const auto* gesture = static_cast<QNativeGestureEvent*>(event);
        if (gesture->gestureType() == Qt::BeginNativeGesture)
            pinch_.begin();
        if (gesture->gestureType() == Qt::ZoomNativeGesture) {
            if (const int command = pinch_.step(gesture->value()))
                this->center().postParam(QLatin1String(action::Key), command);
            return true;
        }
    }
    return DisplayWindow::event(event);
}

void BinderWindow::mousePressEvent(QMouseEvent* event)
{
    const BinderLayout place = layout();
    const QPointF point = event->position();
    if (const int tab = place.tabAt(point); tab >= 0) {
        // The Command key (Ctrl here) held at the click edits the tab.
        const bool edit = event->modifiers().testFlag(Qt::ControlModifier);
        center().postParam(QLatin1String(edit ? action::CmdOnglet : action::Onglet), tab);
        event->accept();
        return;
    }
    const TocScene& toc = binder_->scene().toc;
    if (const int command = tocCommandAt(toc, TocGeometry(place.pageArea, toc), point)) {
        center().postParam(QLatin1String(action::Key), command);
        event->accept();
        return;
    }
    DisplayWindow::mousePressEvent(event);
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
