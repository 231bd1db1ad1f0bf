#pragma once

namespace partivo {

// The global position as far as half-page zoom is concerned.
struct ZoomState {
    int pageNo = 1;
    bool zoomOn = false; // some synchronised window shows half pages
    bool zoomTop = true; // the upper half is the one being read
    bool operator==(const ZoomState&) const = default;
};

// What the display windows say of the current song before the navigator turns a page.
struct PagingInfo {
    int pages = 1;           // the song's page count: the most a synchronised window shows
    bool singlePage = false; // some synchronised window steps one page at a time
    int extraPages = 0;      // pages a window shows after the first one when at the end
    bool operator==(const PagingInfo&) const = default;
};

// Answered by the windows that show the current song; asked by the navigator, which owns
// the position and never writes to the windows or the song entries itself.
class ShownPages {
public:
    virtual ~ShownPages() = default;
    virtual PagingInfo pagingInfo() const = 0;
};

} // namespace partivo
