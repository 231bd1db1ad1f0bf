#include "display/HalfPageZoom.h"

#include "display/WindowPDFxSuper.h"

namespace partivo {

WindowPDFxSuper* HalfPageZoom::keyWindow() const
{
    return windows_.keyOrFirstBinderWindow();
}

void HalfPageZoom::keyWindowToMode(int mode)
{
    WindowPDFxSuper* key = keyWindow();
    if (key && key->settings().modeAffichage != ModeSinglePage)
        key->iniModeAffichage(mode, true);
}

void HalfPageZoom::broadcast(const ZoomState& state, DisplayWindows::SongCall song)
{
    song.pageNo = state.pageNo;
    song.zoomTop = state.zoomTop;
    song.zoomOn = state.zoomOn;
    windows_.setPDFx(song);
}

ZoomState HalfPageZoom::afficherZoom(ZoomState state, int oper, int nbrPagesMax,
                                     DisplayWindows::SongCall song)
{
    // Within a page the half moves and nothing is loaded.
    if (oper == 1 && state.zoomTop) {
        windows_.afficherZoomBasX();
        state.zoomTop = false;
        return state;
    }
    if (oper == -1 && !state.zoomTop) {
        windows_.afficherZoomHautX();
        state.zoomTop = true;
        return state;
    }
    WindowPDFxSuper* key = keyWindow();
    const int keyMode = key ? key->settings().modeAffichage : ModeSinglePage;
    if (!state.zoomOn) {
        state.zoomOn = true;
        state.zoomTop = true;
        if (keyMode == ModeSinglePage) {
            windows_.setModeAffichageX(ModeHalfPageZoom, true);
        } else {
            keyWindowToMode(ModeHalfPageZoom);
            windows_.ajusterCadreX(state.zoomOn);
        }
    } else if (oper == 0 && keyMode != ModeHalfPageZoom && keyMode != ModeSinglePage) {
        // Zoom is on elsewhere: the key window joins it alone, at the current half.
        keyWindowToMode(ModeHalfPageZoom);
        song.pageNo = state.pageNo;
        song.zoomTop = state.zoomTop;
        song.zoomOn = state.zoomOn;
        key->setPDF(song.piece, song.pageNo, song.zoomTop, song.zoomOn, song.currentSort,
                    song.pieceNext, song.autom);
        windows_.ajusterCadreX(state.zoomOn);
        return state;
    } else {
        windows_.setModeAffichageX(ModeHalfPageZoom, true);
    }
    if (oper == 1) {
        if (state.pageNo >= nbrPagesMax)
            return state;
        ++state.pageNo;
    } else if (oper == -1) {
        if (state.pageNo < 2)
            return state;
        --state.pageNo;
    }
    state.zoomTop = oper != -1;
    broadcast(state, song);
    return state;
}

ZoomState HalfPageZoom::masquerZoom(ZoomState state, DisplayWindows::SongCall song)
{
    WindowPDFxSuper* key = keyWindow();
    const bool keyInZoom = key && key->settings().modeAffichage == ModeHalfPageZoom;
    const bool keyOwnZoom = keyInZoom && !key->settings().syncPageChanges;
    if (!state.zoomOn && !keyOwnZoom)
        return state;
    const bool wasOn = state.zoomOn;
    if (keyInZoom)
        keyWindowToMode(0);
    else
        windows_.setModeAffichageX(0, true);
    state.zoomOn = windows_.isUneFenetreEstZoomDemiPage();
    state.zoomTop = true; // two pages again: the page is read from its top
    const bool evenPage = state.pageNo >= 2 && state.pageNo % 2 == 0;
    if (wasOn && keyInZoom) {
        // Only the key window left: it shows the two pages around the global page.
        if (evenPage)
            key->setPDF(song.piece, state.pageNo - 1, true, state.zoomOn, song.currentSort,
                        song.pieceNext, song.autom);
        return state;
    }
    windows_.ajusterCadreX(state.zoomOn);
    if (evenPage) {
        --state.pageNo;
        broadcast(state, song);
    }
    return state;
}

} // namespace partivo
