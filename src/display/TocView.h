#pragma once

#include <QString>
#include <array>
#include <optional>

namespace partivo {

class Pieces;

// One entry of the song list panel as a window shows it.
struct TocItemView {
    int state = 1; // 0 key label, title and artist; 1 empty; 2 title only
    QString key;   // "a".."z", "1".."9", "0"
    QString titre;
    QString auteur;
    QString played;           // "✅" for a played song
    bool box = false;         // the highlight box shows
    bool section = false;     // a heading of a filter list
    bool boxOnArtist = false; // the box marks the artist (artist order)
    bool operator==(const TocItemView&) const = default;
};

// What decides the highlight of an entry: the current song, its tab and the order.
struct TocContext {
    int songNoG = 0;
    int onglNoG = 0;
    int currentSort = 0;
};

// Entry `entry` (0..35) showing the song (none: emptied) in the given state. A heading of a
// filter list shows its title alone, boxed when it heads a section; a song is boxed when it
// is the current song in its tab. An unknown artist shows as nothing.
TocItemView tocItemView(int entry, int state, const Pieces* piece, const TocContext& context);

// One tab button: its title and state (0 inactive, 1 active, 2 error).
struct TabButtonView {
    QString title;
    int state = 0;
    bool operator==(const TabButtonView&) const = default;
};

inline constexpr int kTabButtons = 10;

// The list panel and the tab bars of a binder window.
struct TocScene {
    bool open = false; // the panel covers the pages
    QString label1;    // the active tab's name
    QString label2;    // "page/pages" or "(no entry)"
    bool listButton = false;
    bool exportButton = false;
    bool filterButton = false;
    bool rightColumn = true; // two columns of 18 (36 entries per page)
    std::array<TocItemView, 36> items;
    std::array<TabButtonView, kTabButtons> tabs;
    int ongletAct = 0; // button (1..10) last set active, 0 none
};

} // namespace partivo
