#include "chordpro/ChordPro.h"
#include "chordpro/ChordProFontMetrics.h"
#include "chordpro/ChordProPainter.h"
#include "chordpro/ChordProRenderer.h"

#include "PainterTestSupport.h"

#include <QImage>
#include <QPainter>
#include <gtest/gtest.h>

using namespace partivo;
using namespace partivo::chordpro;
using namespace painter_test;

namespace {

class ChordProPainterTest : public ::testing::Test {
protected:
    ChordProPageView page(const QString& text, ChordProPageRequest request)
    {
        document_.setChordProData(text);
        return renderer_.chargerPage(document_, 1, request);
    }

    const ChordProFontMetrics metrics_;
    ChordProRenderer renderer_{metrics_, {611, 752}};
    ChordPro document_;
};

TEST_F(ChordProPainterTest, EveryAttributeSetIsPaintedInItsColours)
{
    ChordProPageRequest request;
    request.viewSize = {611, 752};
    const ChordProPageView view =
        page("[Am]Hello [G]world\n{c:Bridge}\n{soc}\n[D]la {soh}high{eoh} la\n{eoc}", request);
    const QImage image = paintedAt(view, 3780);
    const ChordProColors colors = testColors();

    struct Expected {
        AttrDic attr;
        QColor color;
        double share; // of the run's rectangle at least
    };
    const Expected expected[] = {
        {AttrDic::directiveAttrDicSpacer, colors.directiveColorBack, 0.9},
        {AttrDic::directiveAttrDic, colors.directiveColorBack, 0.4},
        {AttrDic::directiveAttrDic, colors.directiveColor, 0.01},
        {AttrDic::indentAttrDic, colors.indentColor, 0.9},
        {AttrDic::textAttrDicHI, colors.textHColor, 0.4},
        {AttrDic::chordAttrDic, colors.chordColor, 0.01},
        {AttrDic::textAttrDic, colors.textColor, 0.01},
    };
    for (const Expected& e : expected) {
        bool found = false;
        for (const ChordProRow& row : view.rows) {
            for (const ChordProRun& run : row.runs) {
                if (run.attr != e.attr || run.text.trimmed().isEmpty() != (e.share > 0.5))
                    continue;
                found = true;
                const QRectF rect = viewRect(view, row, run);
                const double area = (rect.width() - 2) * (rect.height() - 2);
                EXPECT_GE(countIn(image, rect, e.color), e.share * area)
                    << attrDicName(e.attr) << " " << run.text.toStdString();
            }
        }
        EXPECT_TRUE(found) << attrDicName(e.attr);
    }
    EXPECT_EQ(image.pixelColor(600, 740), colors.backgroundColor);
}

// Chord glyphs only in the chord rows, starting where the chord's lyrics start.
TEST_F(ChordProPainterTest, ChordsArePaintedOverTheirLyrics)
{
    ChordProPageRequest request;
    request.viewSize = {611, 752};
    const ChordProPageView view = page("[G]world\nplain words", request);
    const QImage image = paintedAt(view, 3780);
    const QRect chords = boxOf(image, testColors().chordColor);
    ASSERT_FALSE(chords.isEmpty());
    const ChordProRow& chordRow = view.rows[1];
    const ChordProRow& lyricsRow = view.rows[2];
    ASSERT_EQ(chordRow.kind, RowKind::Chords);
    const QRectF rowRect = viewRect(view, chordRow, chordRow.runs.first());
    EXPECT_GE(chords.top(), rowRect.top() - 3);
    EXPECT_LE(chords.bottom(), rowRect.bottom() + 1);
    const QRect words = boxOf(image, testColors().textColor);
    EXPECT_NEAR(chords.left(), words.left(), 2);
    EXPECT_GE(words.top(), viewRect(view, lyricsRow, lyricsRow.runs.first()).top() - 3);
}

// Fonts are sized in points of the painter's coordinates whatever the device's dots per
// inch: a 144 dpi image gets the same pixels as a 96 dpi one.
TEST_F(ChordProPainterTest, TheDevicesResolutionDoesNotChangeThePage)
{
    ChordProPageRequest request;
    request.viewSize = {611, 768};
    request.includeTitle = true;
    request.header = {QStringLiteral("Song"), QStringLiteral("Band"), QString()};
    const ChordProPageView view = page("[C]one [G]two\nthree", request);
    const QImage at96 = paintedAt(view, 3780);
    const QImage at144 = paintedAt(view, 5669);
    for (const QColor& color : {testColors().chordColor, testColors().textColor}) {
        const QRect a = boxOf(at96, color);
        const QRect b = boxOf(at144, color);
        ASSERT_FALSE(a.isEmpty());
        EXPECT_NEAR(a.left(), b.left(), 1);
        EXPECT_NEAR(a.right(), b.right(), 1);
        EXPECT_NEAR(a.top(), b.top(), 1);
        EXPECT_NEAR(a.bottom(), b.bottom(), 1);
    }
    // The header sits in its own band at the top.
    const QRect header =
        boxOf(at96.copy(0, 0, 611, int(view.headerHeight)), testColors().textColor);
    EXPECT_FALSE(header.isEmpty());
    EXPECT_GT(header.right(), 500);
}

TEST_F(ChordProPainterTest, LyricsOnlyRowsAreCentred)
{
    ChordProPageRequest request;
    request.viewSize = {800, 400};
    request.lyricsOnly = true;
    const ChordProPageView view = page("[C]short\n[G]a somewhat longer line", request);
    ASSERT_TRUE(view.centred);
    const QImage image = paintedAt(view, 3780);
    const QRect words = boxOf(image, testColors().textColor);
    ASSERT_FALSE(words.isEmpty());
    EXPECT_NEAR(words.left(), image.width() - 1 - words.right(), 0.05 * image.width());
    EXPECT_TRUE(boxOf(image, testColors().chordColor).isEmpty());
}

} // namespace
