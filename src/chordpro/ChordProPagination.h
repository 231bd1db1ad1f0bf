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

private:
    struct Heights {
        double reserved;
        double counted;
    };
    Heights heightsOf(LineType type) const;
    void breakPage();
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
};

} // namespace partivo::chordpro
