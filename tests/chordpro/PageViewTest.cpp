#include "chordpro/ChordProPageView.h"

#include "LayoutTestSupport.h"
#include "QtPrinters.h"

#include <gtest/gtest.h>

using namespace partivo;
using namespace partivo::chordpro;

namespace {

// A reference page twice as high as wide.
const QSizeF kReference(200, 400);
// The stub header font: "Menlo" 12, a space 6 wide, a line 17 high.
constexpr double kHeaderSpace = 6;
constexpr double kHeaderHeight = 17;

ChordProPageView fitted(const QString& text, RenderMode mode, ChordProPageRequest request,
                        int pageNo = 1, bool left = false)
{
    return fitChordProPage(layOutText(text, kReference, mode), pageNo, request, left);
}

TEST(ChordProPageView, FullPagesFillTheViewWidthOrHeight)
{
    struct Case {
        const char* name;
        QSizeF view;
        bool title;
        QSizeF frame;
        double scale;
    };
    const Case cases[] = {
        {"narrow view: the width decides", {100, 400}, false, {100, 200}, 0.5},
        {"wide view: the height decides", {400, 400}, false, {200, 400}, 1},
        {"the header takes its height first", {400, 400 + kHeaderHeight}, true, {200, 400}, 1},
    };
    for (const Case& c : cases) {
        ChordProPageRequest request;
        request.viewSize = c.view;
        request.includeTitle = c.title;
        const ChordProPageView view = fitted("[C]la\nla", RenderMode::Page, request);
        EXPECT_EQ(view.myFrame, c.frame) << c.name;
        EXPECT_DOUBLE_EQ(view.scale, c.scale) << c.name;
        EXPECT_EQ(view.padding, 0) << c.name;
        EXPECT_FALSE(view.centred) << c.name;
        EXPECT_EQ(view.headerHeight, c.title ? kHeaderHeight : 0) << c.name;
        EXPECT_EQ(rowsShown(view.rows), "~ C:C L:la L:la") << c.name;
    }
}

// Lyrics-only pages are enlarged until the longest line of the song fills the width or its
// tallest page fills the height, and centred vertically.
TEST(ChordProPageView, LyricsOnlyFillsTheViewAndCentresThePage)
{
    struct Case {
        const char* name;
        QString text;
        bool widthBound;
    };
    const Case cases[] = {
        {"a long line fills the width", "[C]a long line\nx", true},
        {"many short lines fill the height", numberedLines(12), false},
    };
    for (const Case& c : cases) {
        ChordProPageRequest request;
        request.viewSize = {200, 400};
        const ChordProLayout layout = layOutText(c.text, kReference, RenderMode::LyricsOnly);
        const ChordProPageView view = fitChordProPage(layout, 1, request, false);
        const double lineWidth = view.scale * layout.nbMaxCarReel * 8.5;
        const double pageHeight = view.scale * layout.cumulHeightMax;
        if (c.widthBound) {
            EXPECT_DOUBLE_EQ(lineWidth, 200) << c.name;
            EXPECT_LT(pageHeight, 400) << c.name;
        } else {
            EXPECT_DOUBLE_EQ(pageHeight, 400) << c.name;
            EXPECT_LT(lineWidth, 200) << c.name;
        }
        EXPECT_DOUBLE_EQ(2 * view.padding + view.scale * layout.pages.first().cumulHeightPage, 400)
            << c.name;
        EXPECT_TRUE(view.centred) << c.name;
    }
}

TEST(ChordProPageView, LyricsOnlyAlignsLeftWhenAsked)
{
    ChordProPageRequest request;
    request.viewSize = {200, 400};
    EXPECT_FALSE(fitted("la", RenderMode::LyricsOnly, request, 1, true).centred);
}

// Without a lyrics line there is no height and no width to scale by.
TEST(ChordProPageView, LyricsOnlyWithoutLyricsShowsUnscaled)
{
    ChordProPageRequest request;
    request.viewSize = {100, 400};
    const ChordProPageView halves =
        fitted("[C][G]\n{c:no words}", RenderMode::LyricsOnlyHalves, request);
    EXPECT_DOUBLE_EQ(halves.scale, 0.5);
    EXPECT_TRUE(halves.rows.isEmpty());
    EXPECT_DOUBLE_EQ(halves.padding, 200);

    ASSERT_TRUE(ChordPro::setSizeRef(kReference));
    const StubMetrics metrics;
    ChordProRenderer shared(metrics, ChordProRenderer::kDefaultFrame, true);
    ChordPro document;
    document.setChordProData("[C][G]\n{c:no words}");
    request.lyricsOnly = true;
    const ChordProPageView view = shared.chargerPage(document, 1, request);
    ChordPro::setSizeRef({611, 752});
    EXPECT_EQ(document.nbPages(), 1);
    EXPECT_DOUBLE_EQ(view.scale, 0.5);
}

// In the half-page zoom the lyrics height at the page's middle comes to the view's middle.
TEST(ChordProPageView, HalfPageZoomPutsTheMiddleOfTheLyricsInTheMiddle)
{
    ChordProPageRequest request;
    request.viewSize = {200, 400};
    request.modeAffichage = 1;
    const ChordProLayout layout = layOutText(numberedLines(30), kReference, RenderMode::LyricsOnly);
    const ChordProPageView view = fitChordProPage(layout, 1, request, false);
    const double center = layout.pages.first().lyricsCenter;
    ASSERT_GT(center, 0);
    EXPECT_GT(view.padding, 0);
    EXPECT_DOUBLE_EQ(view.padding + view.scale * center, 200);
    EXPECT_LT(view.myFrame.height(), 400);
}

TEST(ChordProPageView, TwoToOneShowsTheHalvesOfAPageAsTwoPages)
{
    const StubMetrics metrics;
    ChordProRenderer renderer(metrics, {widthForChars(20), 99});
    ChordPro document;
    document.setChordProData(numberedLines(5));
    ChordProPageRequest request;
    request.viewSize = {800, 400};
    request.lyricsOnly = true;
    request.ratio21 = true;
    EXPECT_EQ(rowsShown(renderer.chargerPage(document, 1, request).rows), "L:1 L:2");
    EXPECT_EQ(rowsShown(renderer.chargerPage(document, 2, request).rows), "L:3 L:4 L:5");
    EXPECT_TRUE(renderer.chargerPage(document, 3, request).rows.isEmpty());
    EXPECT_EQ(document.nbPages(), 1);
}

TEST(ChordProPageView, NothingToShow)
{
    struct Case {
        const char* name;
        QString text;
        QSizeF view;
    };
    const Case cases[] = {
        {"a view without area", "la", {0, 0}},
        {"a view of negative width", "la", {-10, 400}},
        {"a song without pages", "", {200, 400}},
    };
    for (const Case& c : cases) {
        ChordProPageRequest request;
        request.viewSize = c.view;
        request.includeTitle = true;
        const ChordProPageView view = fitted(c.text, RenderMode::Page, request);
        EXPECT_TRUE(view.rows.isEmpty()) << c.name;
        EXPECT_TRUE(view.header.isEmpty()) << c.name;
    }
    const StubMetrics metrics;
    ChordProRenderer renderer(metrics);
    ChordPro empty;
    empty.setNbPages(4);
    ChordProPageRequest request;
    request.viewSize = {200, 400};
    EXPECT_TRUE(renderer.chargerPage(empty, 1, request).rows.isEmpty());
    EXPECT_EQ(empty.nbPages(), 0);
}

TEST(ChordProPageView, TheHeaderIsCutSoThatThePageLabelFits)
{
    const QSizeF space(kHeaderSpace, kHeaderHeight);
    const ChordProHeaderInfo song{QStringLiteral(" Song "), QStringLiteral("Band"),
                                  QStringLiteral("v2")};
    const ChordProHeaderInfo longSong{QString(100, u'x'), QStringLiteral("Band"), QString()};
    struct Case {
        const char* name;
        ChordProHeaderInfo info;
        double frame;
        double view;
        QString expected;
    };
    const QString label = QStringLiteral("Page:2/3");
    // A view of 300 holds 300 / 6 - 1 = 49 characters, the label's line end included; a
    // frame of 300 lets the text have 300 / 6 - 13 = 37.
    const Case cases[] = {
        {"padded up to the label", song, 300, 300, "Song (Band) v2" + QString(26, u' ') + label},
        {"a long title cut to the frame less 13", longSong, 300, 300,
         QString(37, u'x') + QString(3, u' ') + label},
        {"a frame narrower than the reserve leaves no text", song, 30, 120,
         QString(10, u' ') + label},
        {"no room for padding", song, 300, 60, "Song (Band) v2" + label},
    };
    for (const Case& c : cases)
        EXPECT_EQ(genererHeader(2, 3, c.info, c.frame, c.view, space), c.expected) << c.name;
    EXPECT_EQ(genererHeader(1, 1, song, 300, 300, QSizeF(0, 0)), "Page:1/1");
}

TEST(ChordProPageView, APageWithTheHeaderCountsTheShownPages)
{
    ChordProPageRequest request;
    request.viewSize = {200, 400 + kHeaderHeight};
    request.includeTitle = true;
    request.header = {QStringLiteral("T"), QStringLiteral("A"), QString()};
    const QString text = numberedLines(30);
    EXPECT_TRUE(fitted(text, RenderMode::Page, request, 2).header.endsWith("Page:2/2"));
    EXPECT_TRUE(fitted(text, RenderMode::LyricsOnlyHalves, request, 3).header.endsWith("Page:3/4"));
}

} // namespace
