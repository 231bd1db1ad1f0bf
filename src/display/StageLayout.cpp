#include "display/StageLayout.h"

#include "display/DisplayWindows.h"
#include "display/PlatformWindow.h"
#include "display/WindowPDFxSuper.h"
#include "display/WindowSettingsStore.h"
#include "display/WindowTypes.h"
#include "platform/Prefs.h"

namespace partivo {

QString stageLayoutPrefix(int screenCount)
{
    return QStringLiteral("lastExec0%1").arg(screenCount);
}

void saveStageLayout(Prefs& prefs, const QString& prefix, const DisplayWindows& windows)
{
    const QList<WindowPDFxSuper*>& list = windows.nsMutaryOfWindows();
    prefs.setValue(prefix + QStringLiteral("Saved"), true);
    prefs.setValue(prefix + QStringLiteral("nbWin"), int(list.size()));
    for (int i = 0; i < list.size(); ++i) {
        const WindowPDFxSuper* window = list[i];
        WindowPlacement placement;
        if (const PlatformWindow* platform = window->platformWindow()) {
            placement.keyWindow = platform->isKeyWindow();
            placement.screenNo = platform->screenIndex();
            placement.frame = platform->frameRect();
        }
        saveWindow(prefs, prefix, i, window->settings(), placement);
    }
    prefs.sync();
}

namespace {

// Gives a window made again its stored settings, frame, mode and full screen.
void applyStored(WindowPDFxSuper& window, WindowSettings settings, const WindowPlacement& placement)
{
    const int mode = settings.modeAffichage;
    const bool fullScreen = settings.fullScreen;
    settings.fullScreen = false; // the platform says when it is
    WindowSettings& own = window.mutableSettings();
    settings.nbrPages = own.nbrPages;
    settings.winType = own.winType;
    own = settings;
    window.iniTransparent(settings.transparent);
    window.iniAlwaysOnTop(settings.alwaysOnTop);
    window.resetPDF();
    if (PlatformWindow* platform = window.platformWindow()) {
        platform->setShadow(!settings.noShadow);
        if (!placement.frame.isEmpty())
            platform->setFrameRect(placement.frame);
    }
    window.iniModeAffichage(mode, false);
    if (fullScreen && window.platformWindow() && !window.platformWindow()->isPlatformFullScreen())
        window.platformWindow()->enterFullScreen();
}

} // namespace

int loadStageLayout(const Prefs& prefs, const QString& prefix, DisplayWindows& windows,
                    int screenCount, const std::function<WindowPDFxSuper*(int winType)>& makeWindow)
{
    const int stored = prefs.intValue(prefix + QStringLiteral("nbWin"));
    int made = 0;
    WindowPDFxSuper* keyCandidate = nullptr;
    // The binder windows first: the companion windows show what they show.
    for (const bool binders : {true, false}) {
        for (int i = 0; i < stored; ++i) {
            const int winType = loadWinType(prefs, prefix, i);
            if ((winType == WinTypeBinder) != binders || !isKnownWinType(winType))
                continue;
            WindowSettings settings;
            WindowPlacement placement;
            loadWindow(prefs, prefix, i, settings, placement, windows.winIDs());
            if (placement.screenNo < 0 || placement.screenNo >= screenCount)
                continue;
            WindowPDFxSuper* window = makeWindow(winType);
            if (!window)
                continue;
            ++made;
            applyStored(*window, settings, placement);
            if (binders && (settings.keywin || !keyCandidate))
                keyCandidate = window;
        }
    }
    if (keyCandidate) {
        windows.clearKeyWin();
        keyCandidate->mutableSettings().keywin = true;
    }
    return made;
}

} // namespace partivo
