#pragma once

#include <QRectF>
#include <QString>

namespace partivo {

// The page arithmetic of the binder window, free of views: which page each view shows for
// a position, the labels over them, the half dimmed, where the half-page frame goes, how
// the window turns its own pages and which mode a resize leads to.

// The mode a window lays out and loads pages in: a synchronised two-page window shows
// alternate halves while the genre is "(MUTE)".
int effectiveMode(int modeAffichage, bool synchronised, bool muteGenre);

// Taking a global position (song, page, half) in a window.
struct PositionInput {
    bool synchronised = true;
    int modeAffichage = 0;
    bool ratio21 = false;
    int fixPageNo = 0;
    bool muteGenre = false; // the global genre is "(MUTE)"
    bool automatic = false;
    bool songChanged = false;
    int page = 1;        // global page p
    bool zoomTop = true; // global half
    int pageNoCour = 0;  // the window's page now
    bool ownZoomTop = true;
};

struct PositionOutcome {
    int pageNo = 1;     // page the window shows (q)
    int pageNoOrig = 1; // before the offset and rounding
    bool zoomTop = true;
    bool hold = false; // automatic page change not applied
};

PositionOutcome takePosition(const PositionInput& in);

// What one pair of page views (or the single or zoom view) is to show.
struct PagePlan {
    int left = 0;                // page for the left, single or zoom view; 0: keep what it shows
    int right = 0;               // page for the right view; 0: keep what it shows
    bool rightShowsNext = false; // the right view shows page 1 of the next song
    bool rightInactive = false;
    QString leftLabel;
    QString rightLabel;
    bool reloadLeft = true;
    bool reloadRight = true;
};

struct PlanInput {
    int mode = 0;      // effective mode: (MUTE) two-page is given as 4
    int pages = 1;     // n
    int page = 1;      // p
    int fixPageNo = 0; // f
    bool ratio21 = false;
    bool chordPro = false;
    int nextPages = 1; // page count of the next song, for the preview label
    int savedLeft = 0; // pages the views hold now (modes 4 and 5 reload only changes)
    int savedRight = 0;
};

PagePlan planPages(const PlanInput& in);

// Turning its own page in an unsynchronised window.
struct OwnTurn {
    bool moves = false;
    int page = 1;
    bool zoomTop = true;
};
OwnTurn ownPageTurn(int effectiveMode, bool ratio21, int pages, int fixPageNo, int page,
                    bool zoomTop, bool down);

// The half-page markers of zoom mode: the grey band over the part of the page both halves
// show (one box for the upper half, one for the lower) and the red line at the page's
// middle.
struct ZoomMarkers {
    bool upper = true;
    bool lower = false;
    bool redLine = false;
    bool operator==(const ZoomMarkers&) const = default;
};
// The markers after a change of half or of the options "zoomOptHalfPageMarker" (0 the
// upper box always, 1 the box of the half shown, 2 none; other values change nothing) and
// "zoomOptRedLine" (1 shows the line).
ZoomMarkers ajusterMarqueurZoom(ZoomMarkers markers, int halfPageMarker, int redLine, bool zoomTop);

// Which view the half-page frame marks, and where.
enum class FrameView { None, Left, Right, Single };
struct FramePlacement {
    FrameView view = FrameView::None;
    double cornerRadius = 8;
};
struct FrameInput {
    bool tocOpen = false;
    bool zoomOn = false;
    bool ratio21 = false;
    bool hideFrame = false;
    bool synchronised = true;
    int mode = 0; // effective
    int pages = 1;
    int pageNoOrig = 1;
};
FramePlacement placeFrame(const FrameInput& in);
// The frame rectangle over a view: its upper or lower half, inset by 3 points. y grows
// downwards here.
QRectF frameRect(const QRectF& view, bool zoomTop);

// The mode a resize leads to; leavesZoom when the window left half-page zoom that way.
struct ResizeOutcome {
    int mode = 0;
    bool leavesZoom = false;
};
ResizeOutcome modeAfterResize(int mode, bool singlePageForce, double width, double height);

// Page numbers in a view's label, "" when none is shown.
QString pageLabel(int page, int total, int minimumTotal);

} // namespace partivo
