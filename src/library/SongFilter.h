#pragma once

#include <QString>
#include <QStringList>

namespace partivo {

class Data;

// What a filter compares on each song (Data::filterField).
enum FilterField {
    FilterTempo = 0,  // "TEMPO n" of the song's tempo contains the item
    FilterArtist = 1, // the artist contains the item
    FilterTag = 2,    // the tags contain the item
    FilterPlayed = 3, // the played songs of the log, in log order
    FilterText = 4,   // title, artist or tags contain the item
};

// How the filter item is chosen: stepping, or one of the last three items directly.
enum FilterPred { FilterStep = 0, FilterPredArtist = 1, FilterPredTempo = 2, FilterPredPlayed = 3 };

inline constexpr int kFilterOn = 1;     // the one active filter type
inline constexpr int kFilterClear = -2; // the step that turns the filter off

// The filter's items (Data::tagsTemp): with no text, the filter text (when not empty) then
// every tag; with a text, its words.
QStringList chargerTagsTemp(const Data& data, const QString& text = QString());

// Applies the filter (step, type, pred, refresh): rebuilds the items from the current song
// when the type changes or refresh is set, selects an item (step 1 / -1 next / previous,
// off past either end; 0 keeps it; 2 or more selects that item; a pred picks the played,
// tempo or artist item), and fills Data::listePiecesTEMP2 with the matches of the current
// tab, then of the whole binder, each under its heading. Answers the list page that shows
// the current song (1 when it is not listed).
int prevNextFilterNoG(Data& data, int step, int filterType, int pred, bool refresh);

// The items as the current song gives them now (what the next build would make).
QStringList filterItemsForSong(const Data& data);
// Builds the items from the current song and selects item n (off when there is none);
// answers the list page as prevNextFilterNoG does.
int chooseFilterItem(Data& data, int item);

// Turns the filter off (the items stay).
void clearFilter(Data& data);

// The active filter's selected item ("" with no filter).
QString filterItem(const Data& data);

} // namespace partivo
