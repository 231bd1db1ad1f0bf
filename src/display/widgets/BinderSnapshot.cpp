#include "display/widgets/BinderSnapshot.h"

#include "display/CurrentSong.h"
#include "display/Dimmer.h"
#include "display/DisplayWindows.h"
#include "display/SongListBroadcast.h"
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

void placeBinderWindow(BinderWindow& window, int mode, const QSize& size)
{
    WindowPDFx& binder = window.binder();
    // "Single Page" keeps its mode in a wide window.
    binder.iniFlag(WindowFlag::singlePageForce, mode == ModeSinglePage);
    binder.iniModeAffichage(mode, false);
    window.resize(size);
    window.show();
    QCoreApplication::processEvents();
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
    window.logic().applyWindowOptions(windowOptions(Options::load(data.prefs, false)));
    binder.afficherMasquerOnglets(request.tabs);
    placeBinderWindow(window, request.mode, request.size);
    showCurrentSong(windows, data, request.pageNo, windows.isUneFenetreEstZoomDemiPage());
    showTabNames(windows, data);
    Snapshot snapshot;
    if (request.toc) {
        fillToc(windows, data, snapshot.toc);
        windows.afficherTocX(true, data.nbTocG, data.filterType != 0);
    }
    QCoreApplication::processEvents(); // the information lines are laid out again

    snapshot.image = window.grabScene();
    snapshot.mode = binder.settings().modeAffichage;
    snapshot.scene = binder.scene();
    // A file found broken while its page was painted shows a message in the page's place.
    for (ViewContent* view : {&snapshot.scene.left, &snapshot.scene.right}) {
        if (view->chordPro || view->path.isEmpty() || !view->message.isEmpty())
            continue;
        view->message = pages.documents().open(view->path).error;
        if (!view->message.isEmpty()) {
            view->path.clear();
            view->page = 0;
        }
    }
    if (const auto paging = binder.paging())
        snapshot.songPages = paging->pages;
    return snapshot;
}

} // namespace partivo
