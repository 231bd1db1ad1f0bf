#include "display/CurrentSong.h"

#include "display/DisplayWindows.h"
#include "display/WindowPDFxSuper.h"
#include "library/Data.h"
#include "library/Pieces.h"

namespace partivo {

bool showCurrentSong(DisplayWindows& windows, const Data& data, int pageNo, bool zoomOn)
{
    const auto piece = data.getPiece(data.songNoG);
    DisplayWindows::SongCall call;
    call.piece = piece;
    call.pageNo = pageNo;
    call.pieceNext = data.getPiece(data.songNoG + 1);
    call.zoomOn = zoomOn;
    call.currentSort = data.currentSort;
    const bool changed = windows.setPDFx(call);
    for (WindowPDFxSuper* window : windows.nsMutaryOfWindows()) {
        const WindowSettings& s = window->settings();
        window->setNoteLine(piece ? piece->notetxtForDir(s.altDir, s.altMode, s.defNote)
                                  : QString());
    }
    return changed;
}

} // namespace partivo
