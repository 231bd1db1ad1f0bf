#include "chordpro/ChordProLayout.h"
#include "chordpro/ChordProPrepare.h"
#include "chordpro/SongFigureMaker.h"

#include "LayoutTestSupport.h"
#include "QtPrinters.h"

#include <gtest/gtest.h>

using namespace partivo;
using namespace partivo::chordpro;

namespace {

// Hands out pictures of a fixed size and records what it was asked for.
class FakeFigures final : public SongFigureMaker {
public:
    std::shared_ptr<const SongFigure> section(const QString& kind, const QString& body) override
    {
        asked << kind + ":" + body;
        return picture();
    }
    std::shared_ptr<const SongFigure> image(const QString& attributes) override
    {
        asked << "image:" + attributes;
        return picture();
    }
    std::shared_ptr<const SongFigure> picture() const
    {
        SongFigure figure;
        figure.kind = SongFigure::Kind::Raster;
        figure.naturalSize = size;
        return std::make_shared<const SongFigure>(figure);
    }
    QSizeF size{400, 100};
    QStringList asked;
};

struct LayoutSetup {
    double chars = 20;
    double height = 400;
    RenderMode mode = RenderMode::Page;
    bool diagrams = true;
    FakeFigures* figures = nullptr;
};

ChordProLayout layOut(const QString& text, const LayoutSetup& setup = {})
{
    static const StubMetrics metrics;
    ChordProLayoutOptions options;
    options.sizeRefInst = {widthForChars(setup.chars), setup.height};
    options.attributes = ChordProAttributes::measure(metrics, 17, {});
    options.nbMaxCarRef =
        nbMaxCarRefFor(options.sizeRefInst.width(), options.attributes.fontSize1.width());
    options.mode = setup.mode;
    options.diagrams = setup.diagrams;
    options.figures = setup.figures;
    return layOutChordPro(readSong(text), options, metrics);
}

struct Case {
    const char* name;
    const char* text;
    const char* pages;
};

TEST(StandardLayout, SectionsLabelsRecallsAndComments)
{
    const Case cases[] = {
        {"a label heads its section", "{sov: Verse 1}\nla\n{eov}", "~ ~ @Verse 1 L:la"},
        {"a section without a label draws nothing more", "{start_of_bridge}\nla\n{eob}", "~ L:la"},
        {"a labelled chorus keeps its bar", "{soc: Refrain}\nla\n{eoc}\nout",
         "~ ~ @Refrain >E >L:la ~ L:out"},
        {"a recall repeats the chorus with its label", "{soc: R}\nla\n{eoc}\n{chorus}",
         "~ ~ @R >E >L:la ~ ~ @R >E >L:la ~"},
        {"a recall with nothing to recall is a cue", "{chorus}\nla", "~ ~ B #Chorus L:la"},
        {"comment styles", "{ci: soft}\n{cb: boxed}\n{highlight: lit}\n{c: plain}",
         "~ ~ #soft ~ #boxed ~ #lit ~ B #plain"},
        {"metadata in a comment", "{artist: Ann}\n{c: by %{artist}}", "~ ~ B #by Ann"},
        {"directives for another instrument draw nothing", "{c-piano: keys}\n{x_mine: 1}\nla",
         "~ L:la"},
        {"an annotation stands in the chord line as a chord does", "[*Rit.]la [C]da",
         "~ C:Rit. C L:la   da"},
        {"tab lines are never wrapped",
         "{sot}\ne|--0--0--0--0--0--0--0--|\n{eot}\nnot tab but long enough to wrap here",
         "~ L:e|--0--0--0--0--0--0--0--| L:not tab but long L:enough to wrap here"},
        {"grid cells stand in columns", "{sog}\n| G . | C |\n| Em7 . . | D |\n{eog}",
         "~ G:| G   . | C | G:| Em7 . . | D |"},
        {"text blocks keep their lines",
         "{start_of_textblock}\n  a [C] b\n\nc\n"
         "{end_of_textblock}",
         "~ L:  a [C] b E L:c"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(pagesShown(layOut(QString::fromUtf8(c.text))), QString::fromUtf8(c.pages))
            << c.name;
}

TEST(StandardLayout, StyledRowsUseTheirAttributes)
{
    const ChordProLayout layout = layOut("{cb: boxed}\n{ci: soft}\n[*Rit.]la [C]da");
    const QList<ChordProRow>& rows = layout.pages.first().rows;
    ASSERT_GE(rows.size(), 6);
    EXPECT_TRUE(rows[2].framed);
    EXPECT_EQ(rows[2].runs.first().attr, AttrDic::directiveBoxAttrDic);
    EXPECT_FALSE(rows[4].framed);
    EXPECT_EQ(rows[4].runs.first().attr, AttrDic::directiveItalicAttrDic);
    const ChordProRow& chords = rows[5];
    ASSERT_EQ(chords.runs.size(), 2);
    EXPECT_EQ(chords.runs[0].attr, AttrDic::annotationAttrDic);
    EXPECT_EQ(chords.runs[0].text, "Rit.");
    EXPECT_EQ(chords.runs[1].attr, AttrDic::chordAttrDic);
}

TEST(StandardLayout, PageAndColumnBreaks)
{
    // Top spacer 4, text line 19: 99 holds five lines.
    const Case cases[] = {
        {"new page", "1\n{np}\n2", "~ L:1 // ~ L:2"},
        {"a new page with nothing before it breaks nothing", "{new_page}\n1", "~ L:1"},
        {"two in a row leave no empty page", "1\n{np}\n{npp}\n2", "~ L:1 // ~ L:2"},
        {"a column break without columns is a new page", "1\n{colb}\n2", "~ L:1 // ~ L:2"},
        {"two columns fill down, then across",
         "{columns: 2}\n1\n2\n3\n4\n5\n6\n7\n8\n9\n10\n11\n12",
         "~ L:1 L:2 L:3 L:4 L:5 L:6 L:7 L:8 L:9 L:10 // ~ L:11 L:12"},
        {"a column break moves to the next column", "{col: 2}\n1\n{colb}\n2\n{colb}\n3",
         "~ L:1 L:2 // ~ L:3"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(pagesShown(layOut(QString::fromUtf8(c.text), {20, 99})),
                  QString::fromUtf8(c.pages))
            << c.name;

    const ChordProLayout two = layOut("{columns: 2}\n1\n2\n3\n4\n5\n6\n{columns: 1}\n7", {20, 200});
    const QList<ChordProRow>& rows = two.pages.first().rows;
    QStringList placed;
    for (const ChordProRow& row : rows)
        placed << QStringLiteral("%1@%2,%3").arg(row.text().trimmed()).arg(row.left).arg(row.top);
    // The columns start level; after them one column goes on below the taller one.
    EXPECT_EQ(placed, QStringList({"@0,0", "1@0,4", "2@0,23", "3@0,42", "4@0,61", "5@0,80",
                                   "6@0,99", "7@0,118"}));
}

TEST(StandardLayout, ColumnsNarrowTheLinesAndStandSideBySide)
{
    const ChordProLayout layout =
        layOut("{columns: 2}\none two three four five six\n1\n2\n3\n4", {20, 99});
    QStringList placed;
    for (const ChordProRow& row : layout.pages.first().rows)
        placed << QStringLiteral("%1@%2").arg(row.text().trimmed()).arg(row.left);
    const QString right = QString::number(widthForChars(20) / 2);
    // Eight characters a column: (20 + 1) / 2 less two apart.
    EXPECT_EQ(placed, QStringList({"@0", "one two@0", "three@0", "four@0", "five six@0", "1@0",
                                   "2@" + right, "3@" + right, "4@" + right}));
}

TEST(StandardLayout, FiguresAreFittedToTheColumn)
{
    FakeFigures figures;
    LayoutSetup setup;
    setup.figures = &figures;
    const ChordProLayout layout = layOut(
        "{start_of_svg}\n<svg/>\n{end_of_svg}\n{image: src=\"a b.png\" width=50}\nla", setup);
    EXPECT_EQ(pagesShown(layout), "~ ~ F:svg ~ F:image L:la");
    EXPECT_EQ(figures.asked, QStringList({"svg:<svg/>\n", "image:src=\"a b.png\" width=50"}));
    const ChordProRow& svg = layout.pages.first().rows[2];
    // 400 x 100 scaled down to the 178.5 points of the page's width.
    EXPECT_DOUBLE_EQ(svg.width, widthForChars(20));
    EXPECT_DOUBLE_EQ(svg.height, 100 * widthForChars(20) / 400);
    ASSERT_TRUE(svg.figure);

    // Without a maker the figure is a framed note; a figure taller than the page is cut
    // down to fit on one.
    const ChordProLayout none = layOut("{start_of_abc}\nX:1\n{end_of_abc}");
    ASSERT_TRUE(none.pages.first().rows[2].figure);
    EXPECT_EQ(none.pages.first().rows[2].figure->kind, SongFigure::Kind::Missing);
    figures.size = {100, 5000};
    const ChordProLayout tall = layOut("{start_of_ly}\nc\n{end_of_ly}", setup);
    EXPECT_EQ(tall.nbPages, 1);
    EXPECT_LE(tall.pages.first().cumulHeightPage, 400);
}

QString lastRow(const ChordProLayout& layout)
{
    return layout.pages.isEmpty() ? QString() : rowToken(layout.pages.last().rows.last());
}

TEST(StandardLayout, DiagramsAfterTheSong)
{
    // H7 has no shape; two diagrams (4 x 17 wide, a quarter apart) fit across 20 characters.
    const QString common = "{artist: A}\n[C]la [G]la [Am]la [H7]la [C]la";
    EXPECT_EQ(pagesShown(layOut(common)), "~ C:C  G  Am H7 C L:la la la la la ~ D:2 D:1");
    LayoutSetup wide;
    wide.chars = 60;
    const ChordProLayout oneRow = layOut(common, wide);
    EXPECT_EQ(lastRow(oneRow), "D:3");
    QStringList names;
    for (const ChordFingering& f : oneRow.pages.last().rows.last().diagrams)
        names << f.name;
    EXPECT_EQ(names, QStringList({"C", "G", "Am"}));

    LayoutSetup off;
    off.diagrams = false;
    EXPECT_EQ(lastRow(layOut(common, off)), "L:la la la la la");
    LayoutSetup lyrics;
    lyrics.mode = RenderMode::LyricsOnly;
    EXPECT_EQ(lastRow(layOut(common, lyrics)), "L:la la la la la");
    // The program's own dialect looks as it did, unless the song asks for diagrams.
    EXPECT_EQ(lastRow(layOut("{title: T}\n{key: C}\n{soc}\n[C]la\n{eoc}")), "~");
    EXPECT_EQ(lastRow(layOut("{grid}\n[C]la")), "D:1");
    EXPECT_EQ(lastRow(layOut("{artist: A}\n{diagrams: off}\n[C]la")), "L:la");

    const ChordProLayout defined =
        layOut("{define: C base-fret 3 frets x 1 3 3 3 1}\n{chord: Dsus2}\n[C]la", wide);
    const ChordProRow& row = defined.pages.last().rows.last();
    ASSERT_EQ(row.diagrams.size(), 2);
    EXPECT_EQ(row.diagrams[0].name, "Dsus2");
    EXPECT_EQ(row.diagrams[1].baseFret, 3);
    EXPECT_EQ(row.diagrams[1].frets, QList<int>({-1, 1, 3, 3, 3, 1}));

    // Transposed chords show their own shapes.
    EXPECT_EQ(lastRow(layOut("{transpose: 2}\n{artist: A}\n[C]la [G]la", wide)), "D:2");
    const ChordProLayout moved = layOut("{transpose: 2}\n{artist: A}\n[C]la", wide);
    EXPECT_EQ(moved.pages.last().rows.last().diagrams.first().name, "D");
}

} // namespace
