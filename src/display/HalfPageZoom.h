#pragma once

#include "display/DisplayWindows.h"
#include "library/Position.h"

namespace partivo {

class WindowPDFxSuper;

// The controller's half-page zoom over the windows: entering it (oper 0), stepping half a
// page down (1) or up (-1), and leaving it. `song` is the current song as the windows get
// it; page and half are filled in from the state. Each answers the new state, after the
// windows were given what they show.
class HalfPageZoom {
public:
    explicit HalfPageZoom(DisplayWindows& windows) : windows_(windows) {}

    ZoomState afficherZoom(ZoomState state, int oper, int nbrPagesMax,
                           DisplayWindows::SongCall song);
    ZoomState masquerZoom(ZoomState state, DisplayWindows::SongCall song);

    // The window the zoom commands act on alone.
    WindowPDFxSuper* keyWindow() const;

private:
    // Only the key window (unless it shows single pages) goes to the mode.
    void keyWindowToMode(int mode);
    void broadcast(const ZoomState& state, DisplayWindows::SongCall song);

    DisplayWindows& windows_;
};

} // namespace partivo
