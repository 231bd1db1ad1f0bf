#include "library/ListExport.h"

#include "library/Data.h"
#include "library/FileNames.h"

namespace partivo {

namespace {

// The filter field that collects from the played log, over the whole binder.
constexpr int kPlayedFilterField = 3;

} // namespace

ListExport exporterListe(const Data& data, ListExportKind kind)
{
    const bool filtered = data.filterType != 0;
    const Data::PieceList& list = filtered ? data.listePiecesTEMP2 : data.currentList();
    const bool wholeBinder = filtered && data.filterField == kPlayedFilterField;
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
