#include "display/BinderWindow.h"

#include "display/SongPages.h"

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
    binder_->setSceneObserver([this] { update(); });
}

BinderLayout BinderWindow::layout() const
{
    return BinderLayout(QSizeF(size()), headerBottom(), binder_->scene().mode);
}

void BinderWindow::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter_.paint(painter, *binder_, layout());
    if (!prefetchPending_) {
        prefetchPending_ = true;
        // After this frame is on screen, render what the next turns need.
        QTimer::singleShot(0, this, [this] {
            prefetchPending_ = false;
            prefetchAhead();
        });
    }
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

QImage BinderWindow::grabScene()
{
    return grab().toImage();
}

} // namespace partivo
