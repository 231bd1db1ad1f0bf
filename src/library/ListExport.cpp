#include "library/ListExport.h"

#include "library/Data.h"
#include "library/FileNames.h"
#include "library/SongFilter.h"

namespace partivo {

ListExport exporterListe(const Data& data, ListExportKind kind)
{
    const bool filtered = data.filterType != 0;
    const Data::PieceList& list = filtered ? data.listePiecesTEMP2 : data.currentList();
    const bool wholeBinder = filtered && data.filterField == FilterPlayed;
    ListExport out;
    for (const auto& piece : list) {
        if (!piece || !piece->pieceDet)
            continue;
        const PiecesDet& det = *piece->pieceDet;
        // Headings (-1) and "(no entry)" lines (-2) of a filter result.
        if (det.indexInTEMP[0] < 0)
            continue;
        if (!wholeBinder && piece->ongNo != data.onglNoG)
            continue;
        out.text += (kind == ListExportKind::Titles ? det.titre : fileNameOf(det.fichier)) +
                    QLatin1Char('\n');
        ++out.count;
    }
    return out;
}

} // namespace partivo
