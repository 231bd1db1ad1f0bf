#pragma once

#include "display/BinderHeader.h"

#include <QRectF>
#include <QSizeF>
#include <optional>

namespace partivo {

class Pieces;
struct WindowSettings;

// What the track windows are told of the track: position and length in seconds, hidden
// when nothing plays.
struct TrackState {
    double curPos = 0;
    double maxPos = 0;
    bool masquer = true;
};

// The elapsed (remaining false) or remaining time of the track: "  m:ss" below ten minutes
// (two blanks keep the digits in place), "mm:ss" above, in the highlight colour; "  0:00"
// in the inactive colour while hidden.
HeaderPart trackTimeText(const WindowSettings& s, const TrackState& track, bool remaining);

// The progress bar inside a window of that size: inset by 3 points on each side, its width
// (its height in a window taller than wide) scaled by the position; none while hidden or
// when the position lies outside the track.
std::optional<QRectF> progressBar(const TrackState& track, const QSizeF& window);

// The song's tempo (worked out from its note when not yet known) in the active colour, or "100" in
// the inactive colour without one.
HeaderPart tempoText(const WindowSettings& s, Pieces* piece);
// The title in the active colour; "" without a song.
HeaderPart titleText(const WindowSettings& s, const Pieces* piece);
// The artist in the active colour; "" when unknown.
HeaderPart artistText(const WindowSettings& s, const Pieces* piece);
// The next song's title after "▷"; "" without a next song.
HeaderPart nextTitleText(const WindowSettings& s, const Pieces* next);
// "artist • title" in artist order (artist highlighted, the bullet grey), the title alone
// in title order or without an artist.
QList<HeaderPart> artistTitleLine(const WindowSettings& s, const Pieces* piece, int currentSort);

} // namespace partivo
