#pragma once

#include "display/WindowPDFx.h"
#include "library/TocList.h"

#include <QImage>
#include <QSize>

namespace partivo {

class Data;

struct SnapshotRequest {
    int mode = 0; // 0, 1, 2, 4 or 5
    QSize size{1280, 800};
    int pageNo = 1;    // the global page
    bool toc = false;  // the song list panel opens over the pages
    bool tabs = false; // the tab bars show
};

struct Snapshot {
    QImage image;
    int mode = 0; // the mode the window ended in (a resize may change it)
    BinderScene scene;
    int songPages = 1; // the song's page count as the window shows it
    TocList toc;       // the list's pages when it was opened
};

// The message refusing half-page zoom in a window that is not wider than tall.
QString zoomNeedsWideWindowMessage();

class BinderWindow;

// A binder window in the mode, as the window inspector sets it, then of the size (taken as
// a resize, with the window's rule for the mode), shown (offscreen where there is no
// screen).
void placeBinderWindow(BinderWindow& window, int mode, const QSize& size);

// Shows the data's current song at the page (the list panel filled with data.nbTocG entries
// per page when asked) in a binder window of that size and mode, with
// the dimmer of the options, and paints it as the window shows it. Needs a widget
// application; the window is never shown on a screen of its own unless the platform has one.
Snapshot snapshotBinder(const Data& data, const SnapshotRequest& request);

} // namespace partivo
