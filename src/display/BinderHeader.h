#pragma once

#include "library/SearchText.h"

#include <QColor>
#include <QList>
#include <QString>

namespace partivo {

class Pieces;
struct WindowSettings;

// What the header takes from a ChordPro song.
struct ChordProHeading {
    QString title; // with "%{...}" written out
    QString keyAndCapo;
};

// One piece of text of the information lines, in its colour.
struct HeaderPart {
    QString text;
    QColor color;
    bool operator==(const HeaderPart&) const = default;
};

// The information lines above a binder window's pages.
struct BinderHeader {
    QList<HeaderPart> title; // the title line; empty without a song
    HeaderPart id;           // the window ID or "Master"
    HeaderPart tempo;
    bool showTitle = true;
    bool showTempo = true;
    bool showNote = true;
    // The metronome's beat boxes beside the tempo: how many the window's type shows (4 are
    // labelled "1" to "4"), the one lit (0 none), and their colours (the first of four in
    // the highlight colour).
    int metroBoxes = 0;
    int metroLit = 0;
    QColor metroColor;
    QColor metroAccent;
    QColor metroLabel;
};

// The search box of the key window while type-to-search runs: the typed text (white when
// it matches a song, red otherwise) and the current song's title with the match lit.
struct SearchBox {
    bool shown = false;
    bool valid = true;
    QString rech;
    SearchDisplay info;
};

// The grey of the bullet, and of the artist in title order.
QColor headerGrey();
// The blue of an ID label whose alternate version was found.
QColor alternateFoundBlue();

// The information lines for the song in the window. In artist order the line reads
// "artist • title", the artist in the highlight colour; in title order "title • artist",
// the artist grey; a played song ends in a check mark. An unknown artist leaves only the
// title. The tempo reads the song's tempo, or "100" dimmed without one.
// For a ChordPro song: a title that holds "%{" is the song's own with its metadata written
// out, and the key and capo follow the title line, grey.
BinderHeader binderHeader(const WindowSettings& settings, Pieces* piece, int currentSort,
                          const ChordProHeading& chordPro = {});

} // namespace partivo
