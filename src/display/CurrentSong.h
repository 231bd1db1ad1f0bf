#pragma once

#include "display/DisplayWindows.h"

namespace partivo {

class Data;

// The search display of the data's current song for the typed text.
SearchDisplay currentSearchDisplay(const Data& data);
// The data's current song at the page, as the windows are given it (upper half).
DisplayWindows::SongCall currentSongCall(const Data& data, int pageNo, bool zoomOn);

// Gives every display window the song the data has current, at the page, with the note
// line of each window's ID. Answers whether the song differs from the one shown before.
bool showCurrentSong(DisplayWindows& windows, const Data& data, int pageNo, bool zoomOn);
// Gives every display window the note line of the song (none without one) for its window ID.
void showNoteLines(DisplayWindows& windows, const Pieces* piece);

} // namespace partivo
