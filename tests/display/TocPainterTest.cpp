#include "display/TocPainter.h"
#include "display/BinderScenePainter.h"
#include "display/WindowColors.h"
#include "display/WindowSettings.h"
#include "display/WindowTypes.h"
#include "platform/Commands.h"

#include <QImage>
#include <QPainter>
#include <gtest/gtest.h>

namespace partivo {
namespace {

const WindowColors kColors = WindowColors::defaults(WinTypeBinder);

// How many pixels of the rectangle have the colour.
int pixelsOf(const QImage& image, const QRectF& rect, const QColor& color)
{
    int n = 0;
    const QRect r = rect.toAlignedRect().intersected(image.rect());
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x)
            n += image.pixelColor(x, y).rgb() == color.rgb();
    return n;
}

TocScene scene(bool rightColumn)
{
    TocScene toc;
    toc.open = true;
    toc.rightColumn = rightColumn;
    toc.label1 = QStringLiteral("Tonight");
    toc.label2 = QStringLiteral("1/1");
    toc.listButton = toc.exportButton = true;
    toc.items[0] = {0, "a", "Angie", "Stones", "", true, false, false};
    toc.items[1] = {0, "b", "Be Mine", "", "✅", false, false, false};
    toc.items[18] = {0, "s", "Second Column", "", "", false, false, false};
    for (int t = 0; t < kTabButtons; ++t)
        toc.tabs[size_t(t)] = {QStringLiteral("Tab %1").arg(t), 0};
    toc.tabs[2].state = 1;
    toc.tabs[7].state = 2;
    return toc;
}

TEST(TocPainter, ThePanelShowsItsEntriesInTheWindowsColours)
{
    for (const bool twoColumns : {true, false}) {
        SCOPED_TRACE(twoColumns ? "two columns" : "one column");
        const TocScene toc = scene(twoColumns);
        const QRectF area(30, 40, 900, 700);
        QImage image(1000, 800, QImage::Format_ARGB32);
        image.fill(Qt::blue);
        QPainter painter(&image);
        paintToc(painter, toc, kColors, area);
        painter.end();
        const TocGeometry g(area, toc);
        const QColor paper = kColors.colorForObj(ChordProBackgroundColor);
        // The current song's box, the red key labels, the empty entries bare.
        EXPECT_GT(pixelsOf(image, g.entry(0), kColors.colorForObj(ListHighColor)), 100);
        EXPECT_EQ(pixelsOf(image, g.entry(1), kColors.colorForObj(ListHighColor)), 0);
        EXPECT_GT(pixelsOf(image, g.entry(1), kColors.colorForObj(ListColor)), 10);
        const QRect empty = g.entry(5).adjusted(2, 2, -2, -2).toAlignedRect();
        EXPECT_EQ(pixelsOf(image, empty, paper), empty.width() * empty.height());
        // Nothing outside the area it covers.
        EXPECT_EQ(pixelsOf(image, QRectF(0, 0, 1000, 39), Qt::blue), 1000 * 39);
        // The second column exists only with 36 entries per page.
        EXPECT_EQ(g.entry(18).isEmpty(), !twoColumns);
        if (twoColumns) {
            EXPECT_GT(pixelsOf(image, g.entry(18), kColors.colorForObj(ListColor)), 10);
        }
    }
}

TEST(TocPainter, TabsShowTheirStateAndAreFoundWhereTheyAre)
{
    const TocScene toc = scene(true);
    const BinderLayout layout(QSizeF(1000, 800), 40, ModeTwoPages, true);
    ASSERT_FALSE(layout.leftBar.isEmpty());
    EXPECT_GT(layout.pageArea.left(), layout.leftBar.right());
    EXPECT_LT(layout.pageArea.right(), layout.rightBar.left());
    QImage image(1000, 800, QImage::Format_ARGB32);
    image.fill(Qt::blue);
    QPainter painter(&image);
    paintTabBars(painter, toc, kColors, layout.leftBar, layout.rightBar);
    painter.end();
    for (int t = 0; t < kTabButtons; ++t) {
        SCOPED_TRACE(t);
        const QRectF rect = tabButtonRect(layout.leftBar, layout.rightBar, t);
        EXPECT_EQ(layout.tabAt(rect.center()), t);
        const QColor back = kColors.colorForObj(
            toc.tabs[size_t(t)].state == 1 ? TabsActBackColor : TabsInactBackColor);
        EXPECT_GT(pixelsOf(image, rect, back), int(rect.width() * rect.height() / 2));
        EXPECT_EQ(pixelsOf(image, rect, Qt::red) > 0, t == 7); // the error state is red
    }
    EXPECT_EQ(layout.tabAt(layout.pageArea.center()), -1);
    const BinderLayout without(QSizeF(1000, 800), 40, ModeTwoPages, false);
    EXPECT_TRUE(without.leftBar.isEmpty());
    EXPECT_EQ(without.tabAt(QPointF(10, 300)), -1);
    EXPECT_GT(without.pageArea.width(), layout.pageArea.width());
}

TEST(TocPainter, HeaderButtonsPostTheirCommandsOnlyWhileShown)
{
    TocScene toc = scene(true);
    toc.filterButton = true;
    const TocGeometry g(QRectF(0, 0, 900, 700), toc);
    toc.filterButton = false;
    const struct {
        QPointF point;
        int command;
    } cases[] = {
        {g.listButton.center(), cmd::CmdEnter},
        {g.exportButton.center(), cmd::ExportList},
        {g.filterButton.center(), 0}, // no filter on: the button is hidden
        {g.label1.center(), 0},
        {g.entry(0).center(), 0}, // entries are chosen by their keys
    };
    for (const auto& c : cases)
        EXPECT_EQ(tocCommandAt(toc, g, c.point), c.command);
    toc.filterButton = true;
    EXPECT_EQ(tocCommandAt(toc, g, g.filterButton.center()), cmd::SongList);
    toc.open = false;
    EXPECT_EQ(tocCommandAt(toc, g, g.exportButton.center()), 0);
}

} // namespace
} // namespace partivo
