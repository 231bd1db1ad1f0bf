#include "chordpro/ChordProReference.h"

#include "LayoutTestSupport.h"
#include "QtPrinters.h"

#include <gtest/gtest.h>

using namespace partivo;
using namespace partivo::chordpro;

namespace {

// With the stub metrics at size 17: top spacer 4, text line 19, so a reference height of
// 4 + 5 x 19 = 99 holds exactly five lines.
constexpr double kFiveLines = 99;
const double kTwentyChars = widthForChars(20);

struct PageCase {
    const char* name;
    QString text;
    double height;
    RenderMode mode;
    const char* pages;
};

void runCases(const PageCase* begin, const PageCase* end)
{
    for (const PageCase* c = begin; c != end; ++c) {
        const ChordProLayout layout = layOutText(c->text, {kTwentyChars, c->height}, c->mode);
        EXPECT_EQ(pagesShown(layout), QString::fromUtf8(c->pages)) << c->name;
    }
}

TEST(ChordProLayout, PagesBreakAtTheReferenceHeight)
{
    const QString four = numberedLines(4);
    const PageCase cases[] = {
        {"five lines fill a page exactly", numberedLines(10), kFiveLines, RenderMode::Page,
         "~ L:1 L:2 L:3 L:4 L:5 // ~ L:6 L:7 L:8 L:9 L:10"},
        {"one point less holds four", numberedLines(10), kFiveLines - 1, RenderMode::Page,
         "~ L:1 L:2 L:3 L:4 // ~ L:5 L:6 L:7 L:8 // ~ L:9 L:10"},
        {"a chord line reserves room for its lyrics line", four + "[C]x", kFiveLines,
         RenderMode::Page, "~ L:1 L:2 L:3 L:4 // ~ C:C L:x"},
        {"a chord line alone needs only its own height", four + "[C]\nx", kFiveLines,
         RenderMode::Page, "~ L:1 L:2 L:3 L:4 C:C // ~ L:x"},
        {"a comment band reserves room for its comment", four + "{c:hi}", kFiveLines,
         RenderMode::Page, "~ L:1 L:2 L:3 L:4 ~ // ~ B #hi"},
        {"a line of metadata adds nothing", "{title:x}\n1\n{key:G}\n2", kFiveLines,
         RenderMode::Page, "~ L:1 L:2"},
        {"chorus lines behind the bar, a spacer after it", "{soc}\n[C]la\n\n{eoc}\nout", 400,
         RenderMode::Page, "~ >E >C:C >L:la >E ~ L:out"},
        {"lines of spaces draw nothing", "   \n[C]   \nx", 400, RenderMode::Page, "~ C:C L:x"},
    };
    runCases(std::begin(cases), std::end(cases));
}

TEST(ChordProLayout, LyricsOnlyDropsChordsCommentsAndSpacers)
{
    QString pairs;
    for (int i = 1; i <= 10; ++i)
        pairs += QStringLiteral("[C]%1\n").arg(i);
    const PageCase cases[] = {
        {"only lyrics and empty lines", "{c:Intro}\n[C][G]\nHello\n\n{soc}\nsing\n{eoc}", 400,
         RenderMode::LyricsOnly, "L:Hello E L:sing"},
        {"hidden rows take no height", pairs, kFiveLines, RenderMode::LyricsOnly,
         "L:1 L:2 L:3 L:4 L:5 // ~ L:6 L:7 L:8 L:9 L:10"},
        {"the same song with chords", pairs, kFiveLines, RenderMode::Page,
         "~ C:C L:1 C:C L:2 // ~ C:C L:3 C:C L:4 // ~ C:C L:5 C:C L:6 // ~ C:C L:7 C:C L:8 // "
         "~ C:C L:9 C:C L:10"},
        {"embedded chords are not written", "{soe}\n[C]Hel[G]lo", 400, RenderMode::LyricsOnly,
         "L:Hello"},
        {"a song without lyrics has no page", "[C][G]\n{c:x}", 400, RenderMode::LyricsOnly, ""},
        {"half pages split each page at its middle", numberedLines(10), kFiveLines,
         RenderMode::LyricsOnlyHalves, "L:1 L:2 // L:3 L:4 L:5 // ~ L:6 L:7 // L:8 L:9 L:10"},
    };
    runCases(std::begin(cases), std::end(cases));
}

TEST(ChordProLayout, LyricsOnlyWithTheSharedReferenceBreaksLikeTheFullPages)
{
    ASSERT_TRUE(ChordPro::setSizeRef({kTwentyChars, kFiveLines}));
    QString pairs;
    for (int i = 1; i <= 10; ++i)
        pairs += QStringLiteral("[C]%1\n").arg(i);
    const StubMetrics metrics;
    ChordProRenderer renderer(metrics, ChordProRenderer::kDefaultFrame, true);
    ChordPro document;
    document.setChordProData(pairs);
    const ChordProLayout full = renderer.traiterChordProData(document, RenderMode::Page);
    const ChordProLayout lyrics = renderer.traiterChordProData(document, RenderMode::LyricsOnly);
    ChordPro::setSizeRef({611, 752});
    EXPECT_EQ(full.nbPages, 5);
    EXPECT_EQ(lyrics.nbPages, full.nbPages);
    EXPECT_EQ(pagesShown(lyrics), "L:1 L:2 // ~ L:3 L:4 // ~ L:5 L:6 // ~ L:7 L:8 // ~ L:9 L:10");
}

// Faults of the straightforward page accounting, mended.
TEST(ChordProLayout, NoPageIsLeftWithNothingToShow)
{
    const PageCase cases[] = {
        {"a hidden chord line at the end opens no page", numberedLines(5) + "[C]\n{c:end}",
         kFiveLines, RenderMode::LyricsOnly, "L:1 L:2 L:3 L:4 L:5"},
        {"a line taller than the page goes on the page it starts", "{fontsize:99}\na\nb\nc",
         kMinReferenceSide, RenderMode::Page, "~ L:a // ~ L:b // ~ L:c"},
        {"an empty text has no page", "", kFiveLines, RenderMode::Page, ""},
        {"comment lines only have no page", "#one\n#two\n", kFiveLines, RenderMode::Page, ""},
    };
    runCases(std::begin(cases), std::end(cases));
}

TEST(ChordProLayout, PageCountsAndEveryPageStartsWithOneSpacer)
{
    const ChordProLayout layout = layOutText(numberedLines(14), {kTwentyChars, kFiveLines - 1});
    EXPECT_EQ(layout.nbPages, 4);
    ASSERT_EQ(layout.pages.size(), 4);
    for (const ChordProPage& page : layout.pages) {
        ASSERT_FALSE(page.rows.isEmpty());
        EXPECT_EQ(page.rows.first().kind, RowKind::Spacer);
        EXPECT_EQ(page.rows.first().top, 0);
        EXPECT_NE(page.rows[1].kind, RowKind::Spacer);
        EXPECT_LE(page.cumulHeightPage, kFiveLines - 1);
        const ChordProRow& last = page.rows.last();
        EXPECT_DOUBLE_EQ(last.top + last.height, page.cumulHeightPage);
    }
    EXPECT_EQ(layout.page(0), nullptr);
    EXPECT_EQ(layout.page(5), nullptr);
    EXPECT_EQ(rowsShown(layout.page(3)->rows), "~ L:9 L:10 L:11 L:12");
}

TEST(ChordProLayout, TheCompleteDocumentMarksEachPageBreak)
{
    const ChordProLayout layout = layOutText(numberedLines(10), {kTwentyChars, kFiveLines - 1});
    const QList<ChordProRow> rows = layout.obtenirDocumentComplet();
    EXPECT_EQ(rowsShown(rows), "~ L:1 L:2 L:3 L:4 --- ~ L:5 L:6 L:7 L:8 --- ~ L:9 L:10");
    double bottom = 0;
    for (const ChordProRow& row : rows) {
        EXPECT_DOUBLE_EQ(row.top, bottom) << rowToken(row).toStdString();
        bottom = row.top + row.height;
    }
    EXPECT_EQ(rows[5].runs.first().attr, AttrDic::spacerAttrDicLR);

    // Half pages are marked only where a page of the reference height ends.
    const ChordProLayout halves =
        layOutText(numberedLines(10), {kTwentyChars, kFiveLines}, RenderMode::LyricsOnlyHalves);
    EXPECT_EQ(rowsShown(halves.obtenirDocumentComplet()),
              "L:1 L:2 L:3 L:4 L:5 --- ~ L:6 L:7 L:8 L:9 L:10");
}

TEST(ChordProLayout, ChordsStandOverTheLyricsCharacterTheyWereWrittenAt)
{
    const ChordProLayout layout =
        layOutText("[Am]Hello [G]world\n{soc}\n[D]sing [Em]on", {widthForChars(60), 400});
    ASSERT_EQ(layout.pages.size(), 1);
    const QList<ChordProRow>& rows = layout.pages.first().rows;
    // The x of character `index` of a row's text.
    const auto xAt = [](const ChordProRow& row, qsizetype index) {
        for (const ChordProRun& run : row.runs) {
            if (index < run.text.size())
                return run.x + run.width * double(index) / double(run.text.size());
            index -= run.text.size();
        }
        return -1.0;
    };
    struct Placement {
        qsizetype chordRow;
        QString chord;
        QString word;
    };
    const Placement placements[] = {
        {1, "Am", "Hello"}, {1, "G", "world"}, {4, "D", "sing"}, {4, "Em", "on"}};
    for (const Placement& p : placements) {
        const ChordProRow& chords = rows[p.chordRow];
        const ChordProRow& lyrics = rows[p.chordRow + 1];
        ASSERT_EQ(chords.kind, RowKind::Chords);
        ASSERT_EQ(lyrics.kind, RowKind::Lyrics);
        const double chordX = xAt(chords, chords.text().indexOf(p.chord));
        const double wordX = xAt(lyrics, lyrics.text().indexOf(p.word));
        EXPECT_GE(chordX, 0);
        EXPECT_DOUBLE_EQ(chordX, wordX) << p.chord.toStdString();
    }
    // The chorus bar is two characters of the bar font in the bar colour's set.
    EXPECT_EQ(rows[4].runs.first().attr, AttrDic::indentAttrDic);
    EXPECT_EQ(rows[4].runs.first().width, 2 * 0.5 * 14);
}

TEST(ChordProLayout, RowHeightsFollowTheirLineType)
{
    const ChordProLayout layout = layOutText("[C]la\n\n{c:note}\n{eoc}", {kTwentyChars, 400});
    struct Expected {
        RowKind kind;
        double height;
    };
    const ChordProAttributes& a = layout.attributes;
    const Expected expected[] = {
        {RowKind::Spacer, a.fontSize2.height()},  {RowKind::Chords, a.fontSize1.height()},
        {RowKind::Lyrics, a.fontSize1.height()},  {RowKind::Empty, a.fontSizeCR.height()},
        {RowKind::Spacer, a.fontSize2.height()},  {RowKind::Band, a.fontSize4.height()},
        {RowKind::Comment, a.fontSize3.height()}, {RowKind::Spacer, a.fontSize2.height()},
    };
    const QList<ChordProRow>& rows = layout.pages.first().rows;
    ASSERT_EQ(rows.size(), qsizetype(std::size(expected)));
    for (qsizetype i = 0; i < rows.size(); ++i) {
        EXPECT_EQ(rows[i].kind, expected[i].kind) << i;
        EXPECT_DOUBLE_EQ(rows[i].height, expected[i].height) << i;
    }
    EXPECT_DOUBLE_EQ(a.fontSize1.height(), 19);
    EXPECT_DOUBLE_EQ(a.fontSize2.height(), 4);
    EXPECT_DOUBLE_EQ(a.fontSize4.height(), 2);
}

TEST(ChordProLayout, HighlightsAndEmbeddedChordsGetTheirAttributeSets)
{
    const ChordProLayout full =
        layOutText("{soe}\na{soh}b[C]c{eoh}d", {kTwentyChars, 400}, RenderMode::Page);
    const ChordProRow& row = full.pages.first().rows.last();
    QStringList runs;
    for (const ChordProRun& run : row.runs)
        runs << QString::fromLatin1(attrDicName(run.attr)) + ":" + run.text;
    EXPECT_EQ(runs.join(u' '),
              "textAttrDic:a textAttrDicHI:b chordAttrDic:(C) textAttrDicHI:c textAttrDic:d");
}

} // namespace
