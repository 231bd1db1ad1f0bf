#include "display/BinderScenePainter.h"

#include "display/SongPages.h"
#include "display/TocPainter.h"
#include "display/VersionSubstitution.h"
#include "display/WindowPDFx.h"
#include "library/Pieces.h"
#include "library/PiecesDet.h"

#include <QPainter>

namespace partivo {

namespace {

constexpr double kMargin = 4;

bool twoViews(int mode)
{
    return mode != ModeHalfPageZoom && mode != ModeSinglePage;
}

QSize viewSize(const QRectF& rect, bool zoom)
{
    // In zoom each half of the page fills the view: the page is at most twice the view's
    // height, so that the two halves together show all of it.
    return zoom ? QSize(int(rect.width()), int(2 * rect.height())) : rect.size().toSize();
}

} // namespace

BinderLayout::BinderLayout(const QSizeF& window, double headerBottom, int mode, bool tabBars)
{
    const double top = headerBottom + kMargin;
    const double height = std::max(0.0, window.height() - top - kMargin);
    const double bars = tabBars ? kTabBarWidth + kMargin : 0;
    pageArea =
        QRectF(kMargin + bars, top, std::max(0.0, window.width() - 2 * (kMargin + bars)), height);
    if (tabBars) {
        leftBar = QRectF(kMargin, top, kTabBarWidth, height);
        rightBar = QRectF(pageArea.right() + kMargin, top, kTabBarWidth, height);
    }
    if (!twoViews(mode)) {
        left = pageArea;
        return;
    }
    const double half = std::max(0.0, (pageArea.width() - kMargin) / 2);
    left = QRectF(pageArea.left(), pageArea.top(), half, pageArea.height());
    right = QRectF(left.right() + kMargin, left.top(), half, left.height());
}

int BinderLayout::tabAt(const QPointF& point) const
{
    for (int t = 0; t < kTabButtons; ++t) {
        if (tabButtonRect(leftBar, rightBar, t).contains(point))
            return t;
    }
    return -1;
}

namespace {

void paintMessage(QPainter& painter, const QRectF& rect, const QString& message)
{
    painter.setPen(Qt::black);
    painter.drawText(rect.adjusted(20, 20, -20, -20), Qt::AlignCenter | Qt::TextWordWrap, message);
}

} // namespace

BinderScenePainter::BinderScenePainter(PageRenderCache& cache, SongPages& pages)
    : cache_(cache), pages_(pages)
{
}

void BinderScenePainter::paint(QPainter& painter, const WindowPDFx& binder,
                               const BinderLayout& layout)
{
    const WindowSettings& s = binder.settings();
    const BinderScene& scene = binder.scene();
    const double right =
        layout.rightBar.isEmpty() ? layout.pageArea.right() : layout.rightBar.right();
    const QRectF whole(QPointF(0, 0), QSizeF(right + kMargin, layout.pageArea.bottom() + kMargin));
    if (!s.transparent)
        painter.fillRect(whole, s.colors.colorForObj(BackColor));
    if (!layout.leftBar.isEmpty())
        paintTabBars(painter, scene.toc, s.colors, layout.leftBar, layout.rightBar);
    if (scene.toc.open) {
        paintToc(painter, scene.toc, s.colors, layout.pageArea);
        if (binder.dimmer() > 0)
            painter.fillRect(whole, QColor(0, 0, 0, int(255 * binder.dimmer())));
        return;
    }
    const bool zoom = scene.mode == ModeHalfPageZoom;
    paintView(painter, binder, scene.left, layout.left, zoom);
    if (twoViews(scene.mode)) {
        paintView(painter, binder, scene.right, layout.right, false);
        if (!scene.songShown || scene.rightInactive)
            painter.fillRect(layout.right, QColor(0, 0, 0, int(255 * binder.inactiveDimmer())));
        if (!scene.songShown)
            painter.fillRect(layout.left, QColor(0, 0, 0, int(255 * binder.inactiveDimmer())));
    }
    if (scene.frame.view != FrameView::None) {
        const QRectF view = scene.frame.view == FrameView::Right ? layout.right : layout.left;
        painter.save();
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(QPen(s.colors.colorForObj(RefFrameColor), 3));
        painter.setBrush(Qt::NoBrush);
        painter.drawRoundedRect(frameRect(view, scene.zoomTop), scene.frame.cornerRadius,
                                scene.frame.cornerRadius);
        painter.restore();
    }
    if (binder.dimmer() > 0)
        painter.fillRect(whole, QColor(0, 0, 0, int(255 * binder.dimmer())));
}

void BinderScenePainter::paintView(QPainter& painter, const WindowPDFx& binder,
                                   const ViewContent& view, const QRectF& rect, bool zoom)
{
    if (!view.shown || rect.isEmpty())
        return;
    const WindowSettings& s = binder.settings();
    painter.save();
    painter.setClipRect(rect);
    const QColor paper = s.colors.colorForObj(view.chordPro ? ChordProBackgroundColor : PdfColor);
    painter.fillRect(rect, paper);
    if (!view.message.isEmpty()) {
        paintMessage(painter, rect, view.message);
    } else if (view.page > 0 && view.chordPro) {
        pages_.paintChordPro(painter, rect, view.path, view.page, s, binder.scene().mode);
    } else if (view.page > 0) {
        const QImage image = cache_.page({view.path, view.page, viewSize(rect, zoom)});
        if (!image.isNull()) {
            double y = rect.top() + (rect.height() - image.height()) / 2;
            if (zoom) // the whole page by width; the half shown fills the view
                y = binder.scene().zoomTop ? rect.top() : rect.bottom() - image.height();
            const QRectF page(QPointF(rect.left() + (rect.width() - image.width()) / 2, y),
                              QSizeF(image.size()));
            painter.drawImage(page.topLeft(), image);
            if (zoom)
                paintZoomMarkers(painter, binder, page, rect.height());
        } else if (const QString problem = cache_.problem(view.path); !problem.isEmpty()) {
            paintMessage(painter, rect, problem); // found broken while its pages rendered
        }
    }
    if (!view.label.isEmpty()) {
        painter.setPen(s.colors.colorForObj(view.chordPro ? PageNoCHDColor : PageNoPDFColor));
        QFont font = painter.font();
        font.setPointSizeF(14);
        painter.setFont(font);
        painter.drawText(rect.adjusted(8, 6, -8, -6), Qt::AlignTop | Qt::AlignRight, view.label);
    }
    painter.restore();
}

void BinderScenePainter::paintZoomMarkers(QPainter& painter, const WindowPDFx& binder,
                                          const QRectF& page, double viewHeight)
{
    const ZoomMarkers& markers = binder.scene().markers;
    const double top = page.height() - viewHeight; // page coordinates of the part both
    if ((markers.upper || markers.lower) && top > 0 && top < viewHeight) // halves show
        painter.fillRect(QRectF(page.left(), page.top() + top, page.width(), viewHeight - top),
                         QColor(0, 0, 0, 40));
    if (markers.redLine) {
        const double middle = page.top() + page.height() / 2;
        painter.fillRect(QRectF(page.left(), middle - 1.5, page.width(), 3),
                         binder.settings().colors.colorForObj(RefMarkerColor));
    }
}

QList<PageRenderCache::Key> BinderScenePainter::pagesAhead(const WindowPDFx& binder,
                                                           const BinderLayout& layout) const
{
    const BinderScene& scene = binder.scene();
    const ShownSong& shown = binder.shown();
    if (!scene.songShown || binder.typeFichierCourIsChordPro())
        return {};
    const bool zoom = scene.mode == ModeHalfPageZoom;
    const QSize size = viewSize(layout.left, zoom);
    const QString path = scene.left.path.isEmpty() ? scene.right.path : scene.left.path;
    if (path.isEmpty())
        return {};
    QList<PageRenderCache::Key> keys;
    const int from = std::max(scene.left.page, scene.right.page) + 1;
    for (int page = from; page < from + 4 && page <= binder.nbrPages(); ++page)
        keys.append({path, page, size});
    if (shown.pieceNext && !scene.rightIsNextSong && isPdfPath(shown.pieceNext->getPath())) {
        // The next song's first pages, for a turn past the end.
        for (int page = 1; page <= 2; ++page)
            keys.append({shown.pieceNext->getPath(), page, size});
    }
    return keys;
}

} // namespace partivo
