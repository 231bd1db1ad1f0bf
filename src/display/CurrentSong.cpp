#include "display/CurrentSong.h"

#include "display/DisplayWindows.h"
#include "display/WindowPDFxSuper.h"
#include "library/Data.h"
#include "library/Pieces.h"
#include "library/PiecesDet.h"

namespace partivo {

SearchDisplay currentSearchDisplay(const Data& data)
{
    const auto piece = data.getPiece(data.songNoG());
    if (!piece || !piece->pieceDet)
        return {};
    return searchDisplayFor(piece->pieceDet->titre, piece->pieceDet->auteur, data.currentSort == 1,
                            data.rech);
}

DisplayWindows::SongCall currentSongCall(const Data& data, int pageNo, bool zoomOn)
{
    DisplayWindows::SongCall call;
    call.piece = data.getPiece(data.songNoG());
    call.pageNo = pageNo;
    call.pieceNext = data.getPiece(data.songNoG() + 1);
    call.zoomOn = zoomOn;
    call.currentSort = data.currentSort;
    call.rechInfo = currentSearchDisplay(data);
    return call;
}

bool showCurrentSong(DisplayWindows& windows, const Data& data, int pageNo, bool zoomOn)
{
    const DisplayWindows::SongCall call = currentSongCall(data, pageNo, zoomOn);
    const auto& piece = call.piece;
    const bool changed = windows.setPDFx(call);
    showNoteLines(windows, piece.get());
    return changed;
}

void showNoteLines(DisplayWindows& windows, const Pieces* piece)
{
    for (WindowPDFxSuper* window : windows.nsMutaryOfWindows()) {
        const WindowSettings& s = window->settings();
        window->setNoteLine(piece ? piece->notetxtForDir(s.altDir, s.altMode, s.defNote)
                                  : QString());
    }
}

} // namespace partivo
