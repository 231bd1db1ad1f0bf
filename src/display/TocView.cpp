#include "display/TocView.h"

#include "library/Pieces.h"
#include "library/TocList.h"

namespace partivo {

TocItemView tocItemView(int entry, int state, const Pieces* piece, const TocContext& context)
{
    TocItemView view;
    view.key = tocKeyLabel(entry);
    view.state = state;
    if (!piece || !piece->pieceDet)
        return view;
    const PiecesDet& det = *piece->pieceDet;
    view.titre = det.titre;
    if (det.indexInTEMP[0] < 0) {
        view.section = true;
        view.state = 2;
        view.box = det.indexInTEMP[0] == -1;
        return view;
    }
    view.auteur = knownArtist(det.auteur);
    view.played = det.played ? QStringLiteral("✅") : QString();
    const int position =
        context.currentSort == 1 ? piece->indexInAuthorArray : piece->indexInTitleArray;
    view.box = piece->ongNo == context.onglNoG && context.songNoG == position + 1;
    view.boxOnArtist = context.currentSort == 1 && !view.auteur.isEmpty();
    return view;
}

} // namespace partivo
