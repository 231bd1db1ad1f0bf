#pragma once

#include <QColor>

namespace partivo {

// Beat boxes as a window shows them: how many, the one lit (0 none) and their colours (the
// first of four in the accent colour, the labels in the label colour).
struct MetroBeats {
    int count = 0;
    int lit = 0;
    QColor color, accent, label;
    bool operator==(const MetroBeats&) const = default;
};

// The beat box a window lights for tick n (from 1) of the metronome, by the window's
// metronome type (0 Simple, 1 Double, 2 by the song's signature, 3 none) and the song's
// beats per bar; 0 lights none.
int metroBoxForTick(int typeMetro, int tick, int signature);

// The boxes a window of that type shows: 1, 2, 4 (by signature, labelled), or 0.
int metroBoxCount(int typeMetro);

} // namespace partivo
