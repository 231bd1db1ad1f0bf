#include "display/widgets/BinderSnapshot.h"

#include "display/CurrentSong.h"
#include "display/Dimmer.h"
#include "display/DisplayWindows.h"
#include "display/SongPages.h"
#include "display/widgets/BinderWindow.h"
#include "library/Data.h"
#include "library/Options.h"
#include "platform/ManualTimers.h"
#include "platform/NotificationCenter.h"

#include <QCoreApplication>

namespace partivo {

QString zoomNeedsWideWindowMessage()
{
    return QStringLiteral("Selected window must be horizontally enlarged to use this mode "
                          "(window width must be greater than window height).");
}

Snapshot snapshotBinder(const Data& data, const SnapshotRequest& request)
{
    ManualTimers timers;
    NotificationCenter center;
    DisplayWindows windows(center);
    SongPages pages;
    BinderWindow window(windows, center, timers, pages);
    windows.append(&window.logic());
    WindowPDFx& binder = window.binder();
    // As the window inspector sets it: "Single Page" keeps its mode in a wide window.
    binder.iniFlag(WindowFlag::singlePageForce, request.mode == ModeSinglePage);
    binder.iniModeAffichage(request.mode, false);
    window.logic().applyWindowOptions(windowOptions(Options::load(data.prefs, false)));
    // The size is taken as a resize of the window, with its rule for the mode.
    window.resize(request.size);
    window.show();
    QCoreApplication::processEvents();
    showCurrentSong(windows, data, request.pageNo, windows.isUneFenetreEstZoomDemiPage());
    QCoreApplication::processEvents(); // the information lines are laid out again

    Snapshot snapshot;
    snapshot.image = window.grabScene();
    snapshot.mode = binder.settings().modeAffichage;
    snapshot.scene = binder.scene();
    return snapshot;
}

} // namespace partivo
