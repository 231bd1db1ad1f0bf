#include "chordpro/ChordPro.h"
#include "chordpro/ChordProFontMetrics.h"
#include "chordpro/ChordProRenderer.h"

#include "PainterTestSupport.h"

#include <gtest/gtest.h>

using namespace partivo;
using namespace partivo::chordpro;
using namespace painter_test;

namespace {

// Pages of songs in the common directives, painted and looked at.
class StandardPainterTest : public ::testing::Test {
protected:
    ChordProPageView page(const QString& text, int pageNo = 1)
    {
        document_.setChordProData(text);
        ChordProPageRequest request;
        request.viewSize = {611, 752};
        return renderer_.chargerPage(document_, pageNo, request);
    }

    const ChordProRow* firstRow(const ChordProPageView& view, RowKind kind) const
    {
        for (const ChordProRow& row : view.rows) {
            if (row.kind == kind)
                return &row;
        }
        return nullptr;
    }

    // The rectangle of a whole row in the view.
    QRectF rowRect(const ChordProPageView& view, const ChordProRow& row) const
    {
        const double top = view.headerHeight + view.padding;
        return {view.scale * row.left, top + view.scale * row.top, view.scale * row.width,
                view.scale * row.height};
    }

    const ChordProFontMetrics metrics_;
    ChordProRenderer renderer_{metrics_, {611, 752}};
    ChordPro document_;
    const ChordProColors colors_ = testColors();
};

TEST_F(StandardPainterTest, ALabelledChorusHasItsLabelAboveTheBar)
{
    const ChordProPageView view = page("{soc: Refrain}\n[C]la la\n{eoc}");
    const QImage image = paintedAt(view, 3780);
    const ChordProRow* label = firstRow(view, RowKind::Label);
    const ChordProRow* lyrics = firstRow(view, RowKind::Lyrics);
    ASSERT_TRUE(label && lyrics);
    const QRectF labelRect = rowRect(view, *label);
    EXPECT_GT(countIn(image, labelRect, colors_.textColor), 20);
    EXPECT_EQ(countIn(image, labelRect, colors_.indentColor), 0);
    const QRect bar = boxOf(image, colors_.indentColor);
    ASSERT_FALSE(bar.isEmpty());
    EXPECT_GE(bar.top(), labelRect.bottom() - 1);
    EXPECT_LE(bar.top(), rowRect(view, *lyrics).top());
    EXPECT_LT(bar.left(), 3);
}

TEST_F(StandardPainterTest, ARecalledChorusIsPaintedAgainWithItsBar)
{
    const ChordProPageView view = page("{soc}\n[C]la la\n{eoc}\nbetween\n{chorus}");
    const QImage image = paintedAt(view, 3780);
    // Down the bar's column: two stretches of the bar colour, apart.
    int stretches = 0;
    bool inBar = false;
    const int x = 2;
    for (int y = 0; y < image.height(); ++y) {
        const bool bar = image.pixelColor(x, y) == colors_.indentColor;
        stretches += bar && !inBar;
        inBar = bar;
    }
    EXPECT_EQ(stretches, 2);
}

TEST_F(StandardPainterTest, AnnotationsAreNotPaintedAsChords)
{
    const ChordProPageView view = page("[*Rit.]la [C]da");
    const QImage image = paintedAt(view, 3780);
    const ChordProRow* chords = firstRow(view, RowKind::Chords);
    ASSERT_TRUE(chords);
    ASSERT_EQ(chords->runs.size(), 2);
    const QRectF annotation = viewRect(view, *chords, chords->runs[0]);
    const QRectF chord = viewRect(view, *chords, chords->runs[1]);
    EXPECT_GT(countIn(image, annotation, colors_.directiveColorBack), 10);
    EXPECT_EQ(countIn(image, annotation, colors_.chordColor), 0);
    EXPECT_GT(countIn(image, chord, colors_.chordColor), 2);
}

TEST_F(StandardPainterTest, DiagramsArePaintedInTheirCells)
{
    const ChordProPageView view = page("{artist: A}\n[C]la [G]la");
    const QImage image = paintedAt(view, 3780);
    const ChordProRow* diagrams = firstRow(view, RowKind::Diagrams);
    ASSERT_TRUE(diagrams);
    ASSERT_EQ(diagrams->diagrams.size(), 2);
    const QRectF row = rowRect(view, *diagrams);
    const double cell = view.scale * diagrams->diagramWidth;
    for (int i = 0; i < 2; ++i) {
        const QRectF box(row.left() + i * cell, row.top(), cell * 0.8, row.height());
        EXPECT_GT(countIn(image, box, colors_.textColor), 100) << i;
    }
    // Nothing beyond the second cell.
    const QRectF after(row.left() + 2 * cell, row.top(), 611 - row.left() - 2 * cell, row.height());
    EXPECT_EQ(countIn(image, after, colors_.textColor), 0);
}

TEST_F(StandardPainterTest, TwoColumnsStandSideBySide)
{
    QString text = "{columns: 2}\n";
    for (int i = 1; i <= 100; ++i)
        text += QStringLiteral("line %1\n").arg(i);
    const ChordProPageView view = page(text);
    const QImage image = paintedAt(view, 3780);
    const QRect left = boxOf(image.copy(0, 0, 305, 752), colors_.textColor);
    const QRect right = boxOf(image.copy(306, 0, 305, 752), colors_.textColor);
    ASSERT_FALSE(left.isEmpty());
    ASSERT_FALSE(right.isEmpty());
    // Both columns start at the top of the page and run down most of it.
    EXPECT_LT(std::abs(left.top() - right.top()), 3);
    EXPECT_GT(right.height(), 500);
}

} // namespace
