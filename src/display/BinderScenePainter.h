#pragma once

#include "display/PdfPages.h"

#include <QList>
#include <QRectF>
#include <QSize>

class QPainter;

namespace partivo {

class SongPages;
class WindowPDFx;
struct ViewContent;

// Where the page views of a binder window go: below its header, between the tab bars when
// they show, one view filling the area in single page and zoom, two side by side otherwise.
// The song list panel covers the page area.
struct BinderLayout {
    BinderLayout(const QSizeF& window, double headerBottom, int mode, bool tabBars);
    QRectF pageArea;
    QRectF left;    // also the single page and the zoom view
    QRectF right;   // empty with one view
    QRectF leftBar; // empty without tab bars
    QRectF rightBar;
    // Tab button (0..9) at the point, -1 for none.
    int tabAt(const QPointF& point) const;
};

// Paints the scene of a binder window's logic, without any widget: the window paints with
// it on screen, and the command line with it into an image.
class BinderScenePainter {
public:
    BinderScenePainter(PageRenderCache& cache, SongPages& pages);

    void paint(QPainter& painter, const WindowPDFx& binder, const BinderLayout& layout);
    // The pages the next turns will show, in the order they are needed.
    QList<PageRenderCache::Key> pagesAhead(const WindowPDFx& binder,
                                           const BinderLayout& layout) const;

private:
    void paintView(QPainter& painter, const WindowPDFx& binder, const ViewContent& view,
                   const QRectF& rect, bool zoom);
    void paintZoomMarkers(QPainter& painter, const WindowPDFx& binder, const QRectF& page,
                          double viewHeight);

    PageRenderCache& cache_;
    SongPages& pages_;
};

} // namespace partivo
