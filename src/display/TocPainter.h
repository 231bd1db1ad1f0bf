#pragma once

#include "display/TocView.h"

#include <QPointF>
#include <QRectF>

class QPainter;

namespace partivo {

class WindowColors;

// Width of each tab bar beside the pages.
inline constexpr double kTabBarWidth = 24;

// Where the parts of the song list panel go inside the area it covers: a header strip with
// the tab's name, the page label and the List, Export and Filter buttons, then one or two
// columns of 18 entries.
struct TocGeometry {
    // The buttons that show stand side by side at the right end of the header.
    TocGeometry(const QRectF& area, const TocScene& toc);
    QRectF header;
    QRectF label1;
    QRectF label2;
    QRectF listButton;
    QRectF exportButton;
    QRectF filterButton;
    QRectF columns[2]; // the second is empty in one column
    double rowHeight = 0;
    // Entry n (0..35): column n / 18, row n % 18.
    QRectF entry(int n) const;
};

// Rectangle of tab button t (0..9): 0..4 down the left bar, 5..9 down the right bar.
QRectF tabButtonRect(const QRectF& leftBar, const QRectF& rightBar, int tab);

// The key command a click on the panel's header posts (list 54, export 1019, filter 51),
// 0 elsewhere or for a hidden button.
int tocCommandAt(const TocScene& toc, const TocGeometry& geometry, const QPointF& point);

// Paints the tab bars: each tab in the colours of its state, its title turned along the bar.
void paintTabBars(QPainter& painter, const TocScene& toc, const WindowColors& colors,
                  const QRectF& leftBar, const QRectF& rightBar);
// Paints the open list panel over the area of the pages.
void paintToc(QPainter& painter, const TocScene& toc, const WindowColors& colors,
              const QRectF& area);

} // namespace partivo
