#pragma once

#include "chordpro/ChordProLayout.h"

namespace partivo::chordpro {

// Counts the output rows of one pass against the reference height and deals them out to
// pages.
class Pagination {
public:
    // breakSpacer: the spacer row every page after a break starts with.
    Pagination(const ChordProLayoutOptions& options, ChordProRow breakSpacer);

    // The spacer at the top of the song; it leaves the first page counted as empty, so that
    // a first row taller than the page does not leave page 1 blank.
    void addTopSpacer(ChordProRow row);
    // Accounts for one row and puts it on its page when the mode shows it. `lyrics`: the
    // row is a lyrics line or an empty line.
    void ajouterLigne(ChordProRow row, LineType type, bool lyrics);
    // Counts the last page and hands the pages and totals to `out`.
    void finish(ChordProLayout& out);

    // The next row starts a new page, unless the page holds nothing yet.
    void newPage();
    // From here on the rows flow down `count` columns side by side (1 to 4; anything else
    // is 1), starting below what the page holds; the lyrics-only modes keep one column.
    void setColumns(int count);
    int columns() const { return columns_; }
    // The next row starts the next column, or the next page from the last column.
    void columnBreak();

private:
    struct Heights {
        double reserved;
        double counted;
    };
    Heights heightsOf(LineType type) const;
    void breakPage();
    void nextColumn();
    ChordProPage& pageAt(qsizetype index);

    const ChordProLayoutOptions& options_;
    const ChordProRow breakSpacer_;
    double height_;
    bool lyricsOnly_;
    bool halves_;
    double cumulHeight_ = 0;
    double cumulHeightLyrics_ = 0;
    double cumulHeightLyricsBottom_ = 0;
    double cumulHeightMax_ = 0;
    double lyricsCenterCurrent_ = 0;
    int nbPages_ = 0;
    int nbMaxCarReel_ = 0;
    bool pageHasContent_ = false;
    QList<ChordProPage> pages_;
    // Columns: their count, the one being filled, where they start on the page and how far
    // down the tallest has gone.
    int columns_ = 1;
    int column_ = 0;
    double blockTop_ = 0;
    double blockBottom_ = 0;
};

} // namespace partivo::chordpro
