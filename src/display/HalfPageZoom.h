#pragma once

#include "display/DisplayWindows.h"

namespace partivo {

class WindowPDFxSuper;

// The global position as far as half-page zoom is concerned.
struct ZoomState {
    int pageNo = 1;
    bool zoomOn = false; // some synchronised window shows half pages
    bool zoomTop = true; // the upper half is the one being read
    bool operator==(const ZoomState&) const = default;
};

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
