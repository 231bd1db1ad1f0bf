#pragma once

#include <QList>
#include <QString>
#include <memory>

namespace partivo {

class Data;
class Pieces;

// Entries of a two-column page of the song list panel; a narrow window shows one column.
inline constexpr int kTocEntries = 36;
inline constexpr int kTocColumn = 18;
// Entries per list page in a binder window of that width: one column below 640 points.
int tocEntriesForWidth(double width);
// The key label of entry n (0..35): "a".."z", then "1".."9", "0".
QString tocKeyLabel(int entry);

// One entry of a list page: state 0 shows a song, 1 is empty.
struct TocEntry {
    int state = 1;
    std::shared_ptr<Pieces> piece;
};

struct TocPage {
    int noPageToc = 0;       // the page shown, from 1; 0 with no entry
    int nbrPagesToc = 0;     // pages of the list
    QString label2;          // "page/pages", or "(no entry)"
    QList<TocEntry> entries; // Data::nbTocG entries
};

// The pages of the song list panel: the current tab's songs in the current order, or the
// filter's result list while a filter is on, nbTocG entries per page.
class TocList {
public:
    int noPageToc = 0; // page shown, from 1; 0 until the next fill chooses it
    int nbrPagesToc = 0;
    int filledTab = -1; // the tab of the last fill

    // Fills a page; without a chosen page, the page of the current song (first page with a
    // filter).
    TocPage remplirToc(const Data& data);
    // Song number of entry i (0-based) of the page shown, or -1 when it holds no song or
    // lies beyond the entries a page has.
    int setSongNoToc(const Data& data, int entry) const;
    // The next or previous page, round at both ends.
    void turnPage(bool forward);
    // Position of the current tab's first song in the current order (-1 none); 0 with a
    // filter.
    static int base(const Data& data);
    // Songs the panel lists.
    static int count(const Data& data);
    // The current song is the first song of the current tab.
    static bool atFirstSongOfTab(const Data& data);
};

} // namespace partivo
