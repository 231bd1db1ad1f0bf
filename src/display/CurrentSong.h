#pragma once

namespace partivo {

class Data;
class DisplayWindows;

// Gives every display window the song the data has current, at the page, with the note
// line of each window's ID. Answers whether the song differs from the one shown before.
bool showCurrentSong(DisplayWindows& windows, const Data& data, int pageNo, bool zoomOn);

} // namespace partivo
