#pragma once

namespace partivo {

// The beat box a window lights for tick n (from 1) of the metronome, by the window's
// metronome type (0 Simple, 1 Double, 2 by the song's signature, 3 none) and the song's
// beats per bar; 0 lights none.
int metroBoxForTick(int typeMetro, int tick, int signature);

// The boxes a window of that type shows: 1, 2, 4 (by signature, labelled), or 0.
int metroBoxCount(int typeMetro);

} // namespace partivo
