#pragma once

#include "chordpro/ChordFingering.h"
#include "chordpro/ChordProMetrics.h"
#include "chordpro/ChordProParser.h"
#include "chordpro/ChordProStyles.h"
#include "chordpro/SongFigure.h"

#include <QList>
#include <QSizeF>
#include <QString>
#include <memory>

namespace partivo::chordpro {

// 0 and 1 draw everything (the editor preview passes 0, page display 1); 2 draws the lyrics
// only; 3 draws the lyrics only and splits every page into a top and a bottom half.
enum class RenderMode { Preview = 0, Page = 1, LyricsOnly = 2, LyricsOnlyHalves = 3 };

bool isLyricsOnly(RenderMode mode);

// How a piece of output is counted against the page: the reserved height decides the page
// break, the counted height is what the page then holds.
enum class LineType {
    Continuation = 0,     // 0, 0
    Text = 1,             // text height
    Spacer = 2,           // spacer height
    Comment = 3,          // comment height
    ChordsOverLyrics = 4, // reserves 2 x text height, counts one: keeps the pair on one page
    Band = 5,             // reserves band + comment height, counts the band
    EmptyLine = 6,        // empty-line height
    Figure = 7,           // the row's own height: pictures and chord diagrams
};

// The chorus bar and the gap after it.
bool isChorusBar(AttrDic attr);

// A stretch of a row in one attribute set. x and width in reference units.
struct ChordProRun {
    AttrDic attr = AttrDic::textAttrDic;
    QString text;
    double x = 0;
    double width = 0;
};

enum class RowKind {
    Spacer,
    Chords,
    Lyrics,
    Empty,
    Band,
    Comment,
    PageMark,
    Label,
    Grid,
    Figure,   // a picture in place of lyrics: SVG, music, an image
    Diagrams, // a row of chord diagrams after the song
};
const char* rowKindName(RowKind kind);

// One line of output on a page, in reference units from the top of its page.
struct ChordProRow {
    RowKind kind = RowKind::Spacer;
    QList<ChordProRun> runs;
    double top = 0;
    double height = 0;
    // From the row's top to the baseline of its text.
    double baseline = 0;
    double width = 0;
    // The source line (from 1) the row was drawn for; 0 for the page's top spacer.
    qsizetype sourceLine = 0;
    // Left edge of the row's column on the page (0 on a page of one column).
    double left = 0;
    // Drawn inside a frame ({comment_box}).
    bool framed = false;
    // Figure rows: the picture, drawn across the row's width and height. Diagrams rows: the
    // chords, one cell of diagramWidth each from the left.
    std::shared_ptr<const SongFigure> figure;
    QString figureKind; // "svg", "abc", "ly" or "image"
    QList<ChordFingering> diagrams;
    double diagramWidth = 0;

    QString text() const;
    // The text of the runs that are not the chorus bar or the gap after it.
    QString textWithoutBar() const;
};

struct ChordProPage {
    QList<ChordProRow> rows;
    // Height of the rows on the page.
    double cumulHeightPage = 0;
    // Lyrics height at which the page's vertical middle was passed (0 when it was not).
    double lyricsCenter = 0;
};

// Characters of the lyrics font that fit across the reference width: the integer part of
// width / space width - 1, kept within 0 and a bound so that any input gives a number.
int nbMaxCarRefFor(double referenceWidth, double spaceWidth);

class SongFigureMaker;

struct ChordProLayoutOptions {
    QSizeF sizeRefInst{611, 752};
    // Measured at the reference font size; every height and width is counted with these.
    ChordProAttributes attributes;
    int nbMaxCarRef = 0;
    RenderMode mode = RenderMode::Page;
    // In lyrics-only mode the hidden chord lines, comments and spacers still take their
    // height, so that the pages break where the full pages do.
    bool useSizeRefStatique = false;
    // Makes the pictures of svg, abc and ly sections and {image}; without it they show as
    // a framed note.
    SongFigureMaker* figures = nullptr;
    // The window shows the diagrams of the song's chords after it (the song may still turn
    // them off).
    bool diagrams = true;
};

// A song laid out once against the reference page.
struct ChordProLayout {
    RenderMode mode = RenderMode::Page;
    QSizeF sizeRefInst;
    ChordProAttributes attributes;
    int nbMaxCarRef = 0;
    // Pages of the reference height; the pages below are half pages in LyricsOnlyHalves,
    // two per page (top half 2p - 1, bottom half 2p).
    int nbPages = 0;
    QList<ChordProPage> pages;
    // The largest lyrics height of any page (or half page) and the longest row in
    // characters, over the whole song: lyrics-only scales every page by these.
    double cumulHeightMax = 0;
    int nbMaxCarReel = 0;

    // Page (or half page) n from 1; nullptr outside.
    const ChordProPage* page(int pageNo) const;
    // Every page one after another, each page break (not the middle of a page split in
    // halves) marked by a thin red row, tops running on.
    QList<ChordProRow> obtenirDocumentComplet() const;
};

// The whole pass over a parsed song. An empty song gives no page, and so does a reference
// size that is refused; one out of bounds is clamped (chordpro/ChordProReference.h).
ChordProLayout layOutChordPro(const ParsedSong& song, const ChordProLayoutOptions& options,
                              const ChordProMetrics& metrics);

} // namespace partivo::chordpro
