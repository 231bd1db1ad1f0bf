#include "chordpro/ChordPro.h"
#include "chordpro/ChordProLayout.h"
#include "chordpro/ChordProParser.h"
#include "chordpro/ChordProReference.h"
#include "chordpro/ChordProRenderer.h"

#include "StubMetrics.h"

#include <gtest/gtest.h>

#include <limits>

using namespace partivo;
using namespace partivo::chordpro;

namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();

struct SizeCase {
    const char* name;
    QSizeF asked;
    bool accepted;
    QSizeF result; // the size in force afterwards
};

const QSizeF kStart(611, 752);

const SizeCase kSizeCases[] = {
    {"an ordinary size", {800, 600}, true, {800, 600}},
    {"fractional sides", {611.5, 752.25}, true, {611.5, 752.25}},
    {"zero width refused", {0, 600}, false, kStart},
    {"negative height refused", {800, -1}, false, kStart},
    {"not a number refused", {kNaN, 600}, false, kStart},
    {"infinite refused", {800, kInf}, false, kStart},
    {"tiny sides clamped up", {1, 0.001}, true, {kMinReferenceSide, kMinReferenceSide}},
    {"huge sides clamped down", {1e12, 3e9}, true, {kMaxReferenceSide, kMaxReferenceSide}},
};

TEST(ChordProReference, TheSharedSizeRefusesOrClampsUnusableSizes)
{
    for (const SizeCase& c : kSizeCases) {
        ASSERT_TRUE(ChordPro::setSizeRef(kStart));
        EXPECT_EQ(ChordPro::setSizeRef(c.asked), c.accepted) << c.name;
        EXPECT_EQ(ChordPro::sizeRefStatique(), c.result) << c.name;
    }
    ChordPro::setSizeRef(kStart);
}

TEST(ChordProReference, ARenderersOwnSizeRefusesOrClampsAlike)
{
    const StubMetrics metrics;
    for (const SizeCase& c : kSizeCases) {
        ChordProRenderer renderer(metrics, kStart);
        EXPECT_EQ(renderer.setSizeRefSpecified(c.asked), c.accepted) << c.name;
        EXPECT_EQ(renderer.sizeRefInst(), c.result) << c.name;
        EXPECT_GE(renderer.nbMaxCarRef(), 0) << c.name;
    }
    // Refused at construction: the default frame.
    EXPECT_EQ(ChordProRenderer(metrics, {-1, -1}).sizeRefInst(), ChordProRenderer::kDefaultFrame);
}

TEST(ChordProReference, CharactersAcrossThePage)
{
    struct Case {
        const char* name;
        double width;
        double space;
        int chars;
    };
    const Case cases[] = {
        {"whole characters less one", 178.5, 8.5, 20},
        {"the fraction is dropped", 180, 8.5, 20},
        {"a space wider than the page", 50, 60, 0},
        {"a space of no width", 611, 0, 100000},
        {"no width at all", 0, 0, 0},
        {"undefined space", 611, kNaN, 0},
    };
    for (const Case& c : cases)
        EXPECT_EQ(nbMaxCarRefFor(c.width, c.space), c.chars) << c.name;
}

TEST(ChordProReference, TheLayoutItselfRefusesOrClampsItsReference)
{
    const StubMetrics metrics;
    const ParsedSong song = parseChordPro(QStringLiteral("one\ntwo\nthree"));
    ChordProLayoutOptions options;
    options.attributes = ChordProAttributes::measure(metrics, 17, {});
    options.nbMaxCarRef = 20;
    for (const SizeCase& c : kSizeCases) {
        options.sizeRefInst = c.asked;
        const ChordProLayout layout = layOutChordPro(song, options, metrics);
        EXPECT_EQ(layout.nbPages > 0, c.accepted) << c.name;
        if (c.accepted) {
            EXPECT_EQ(layout.sizeRefInst, c.result) << c.name;
        }
    }
}

// The line width follows a new shared reference size at the next pass, not only at the
// next load.
TEST(ChordProReference, ANewSharedSizeChangesTheLineWidthAtTheNextPass)
{
    const StubMetrics metrics;
    ChordProRenderer renderer(metrics, ChordProRenderer::kDefaultFrame, true);
    ChordPro document;
    document.setChordProData(QStringLiteral("aaaa bbbb cccc dddd"));
    ASSERT_TRUE(ChordPro::setSizeRef({widthForChars(20), 400}));
    const ChordProLayout wide = renderer.traiterChordProData(document, RenderMode::Page);
    ASSERT_TRUE(ChordPro::setSizeRef({widthForChars(10), 400}));
    const ChordProLayout narrow = renderer.traiterChordProData(document, RenderMode::Page);
    ChordPro::setSizeRef(kStart);
    EXPECT_EQ(wide.nbMaxCarRef, 20);
    EXPECT_EQ(wide.pages.first().rows.size(), 2);
    EXPECT_EQ(narrow.nbMaxCarRef, 10);
    EXPECT_EQ(narrow.pages.first().rows.size(), 3);
}

// Loading a song with its own font size makes that size the reference at the next pass.
TEST(ChordProReference, TheSongsFontSizeBecomesTheReference)
{
    const StubMetrics metrics;
    ChordProRenderer renderer(metrics, {widthForChars(20), 400});
    ChordPro document;
    document.setChordProData(QStringLiteral("{fontsize:8.5}\nla"));
    const ChordProLayout layout = renderer.traiterChordProData(document, RenderMode::Page);
    EXPECT_EQ(renderer.myFontSizeRef(), 8.5);
    EXPECT_EQ(layout.nbMaxCarRef, 41);
    EXPECT_DOUBLE_EQ(layout.attributes.fontSize1.height(), 9.5);
}

} // namespace
