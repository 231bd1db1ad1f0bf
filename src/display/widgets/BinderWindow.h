#pragma once

#include "display/BinderScenePainter.h"
#include "display/GestureCommands.h"
#include "display/PageRenderThread.h"
#include "display/PdfPages.h"
#include "display/WindowPDFx.h"
#include "display/widgets/BinderHeaderRow.h"
#include "display/widgets/DisplayWindow.h"

#include <QRectF>

namespace partivo {

class SongPages;

// The binder window on screen: paints the scene of its logic (PDF pages from the render
// cache, ChordPro pages through the song renderer, page labels, dimmed halves, the
// half-page frame and the zoomed half), and renders the pages about to be shown ahead.
class BinderWindow : public DisplayWindow {
    Q_OBJECT
public:
    BinderWindow(DisplayWindows& windows, NotificationCenter& center, Timers& timers,
                 SongPages& pages, QWidget* parent = nullptr);

    WindowPDFx& binder() { return *binder_; }
    PageRenderCache& cache() { return cache_; }

    // The page views in widget coordinates, for the current mode.
    BinderLayout layout() const;

    // Paints exactly what the window shows into an image of the window's size.
    QImage grabScene();
    // Renders the pages the next turns will show, all at once, here (the window itself has
    // them rendered on its render thread, one after the other, after each frame).
    void prefetchAhead();
    // Waits until the render thread has rendered what it was asked for and caches it.
    void finishRendering() { renderThread_.finish(); }
    // The song files changed on disk.
    void reloadDocuments();

    // The information lines as shown.
    BinderHeaderRow& headerRow() { return *header_; }
    QString shownTitle() const { return header_->shownTitle(); }
    QString shownId() const { return header_->shownId(); }
    QString shownTempo() const { return header_->shownTempo(); }
    // The search box's text; "" while it is hidden.
    QString shownSearch() const { return header_->shownSearch(); }

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    bool windowKey(const KeyPress& key) override;
    bool event(QEvent* event) override;
    // Clicks on the tab bars and on the list panel's buttons; the rest as every window.
    void mousePressEvent(QMouseEvent* event) override;

private:
    void showHeader();
    void schedulePrefetch();

    WindowPDFx* binder_;
    BinderHeaderRow* header_;
    PageRenderCache cache_;
    PageRenderThread renderThread_; // before the cache goes, so that no result reaches it
    BinderScenePainter painter_;
    bool prefetchPending_ = false;
    PinchZoom pinch_;
};

} // namespace partivo
