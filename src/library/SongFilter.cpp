#include "library/SongFilter.h"

#include "library/Data.h"
#include "library/LibraryTexts.h"

namespace partivo {

namespace {

// A heading of the result list: no song, told apart by its index (-1 a section, -2 the
// "(no entry)" line).
std::shared_ptr<Pieces> heading(const QString& title, int index)
{
    auto det = std::make_shared<PiecesDet>();
    det->titre = title;
    det->indexInTEMP.fill(index);
    auto entry = std::make_shared<Pieces>();
    entry->pieceDet = std::move(det);
    return entry;
}

bool matches(Pieces& piece, int field, const QString& item)
{
    const PiecesDet& det = *piece.pieceDet;
    switch (field) {
    case FilterTempo: {
        const int tempo = piece.knownTempo();
        return tempo > 0 && QStringLiteral("TEMPO %1").arg(tempo).contains(item);
    }
    case FilterArtist:
        return det.auteur.toUpper().contains(item);
    case FilterTag:
        return det.infoF.toUpper().contains(item);
    case FilterPlayed:
        return det.played;
    default:
        // One line each, so that a text never matches across the end of the title.
        return (det.titre + u'\n' + det.auteur + u'\n' + det.infoF).toUpper().contains(item);
    }
}

// Appends the matches of a tab (the played log for the played field) to the result list;
// answers the list page of the song the filter was built on (0 when not found).
int ajouterPiecesPourFiltre(Data& data, int tab, bool determinerNoPage, int field,
                            const QString& item)
{
    const auto current = data.getPiece(data.songNoGfilter);
    const PiecesDet* currentDet = current ? current->pieceDet.get() : nullptr;
    const int perPage = data.nbTocG > 0 ? data.nbTocG : 36;
    int page = 0;
    const auto add = [&](const std::shared_ptr<Pieces>& piece) {
        if (!piece || !piece->pieceDet || !matches(*piece, field, item))
            return;
        if (determinerNoPage && page == 0 && piece->pieceDet.get() == currentDet)
            page = int(data.listePiecesTEMP2.size()) / perPage + 1;
        data.listePiecesTEMP2.append(piece);
    };
    if (field == FilterPlayed) {
        for (const auto& piece : std::as_const(data.listePiecesLog))
            add(piece);
        return page;
    }
    for (const auto& piece : data.currentList()) {
        if (piece->ongNo == tab)
            add(piece);
    }
    return page;
}

// Adds a section: its heading, the matches and "(no entry)" when there is none.
int addSection(Data& data, const QString& title, int tab, bool determinerNoPage, int field,
               const QString& item)
{
    data.listePiecesTEMP2.append(heading(title, -1));
    const qsizetype before = data.listePiecesTEMP2.size();
    const int page = ajouterPiecesPourFiltre(data, tab, determinerNoPage, field, item.toUpper());
    if (data.listePiecesTEMP2.size() == before)
        data.listePiecesTEMP2.append(heading(QString::fromUtf8(texts::kNoEntry), -2));
    return page;
}

QStringList itemsForCurrentSong(const Data& data)
{
    QStringList items = chargerTagsTemp(data);
    items.append(QString::fromUtf8(texts::kFilterPlayed));
    const auto song = data.getPiece(data.songNoG());
    const int tempo = song ? song->knownTempo() : 0;
    items.append(QString::fromUtf8(texts::kFilterTempo).arg(tempo > 0 ? tempo : 120));
    const QString artist = song ? song->pieceDet->auteur : QString();
    items.append(artist.isEmpty() ? QString::fromUtf8(texts::kFilterNoArtist) : artist);
    return items;
}

void rebuildItems(Data& data)
{
    data.songNoGfilter = data.songNoG();
    data.tagsTemp = itemsForCurrentSong(data);
}

int selectItem(int selected, int count, int step, int pred)
{
    if (pred >= FilterPredArtist && pred <= FilterPredPlayed)
        return count - pred;
    if (step == 1)
        return selected < 0 ? 0 : selected + 1 < count ? selected + 1 : -1;
    if (step == -1)
        return selected < 0 ? count - 1 : selected - 1;
    if (step >= 2)
        return step < count ? step : -1;
    return selected < count ? selected : -1;
}

} // namespace

QStringList chargerTagsTemp(const Data& data, const QString& text)
{
    if (!text.isEmpty())
        return text.split(u' ', Qt::SkipEmptyParts);
    QStringList items;
    if (!data.filterString.isEmpty())
        items.append(data.filterString);
    items.append(data.tags);
    return items;
}

void clearFilter(Data& data)
{
    data.filterNoG = -1;
    data.filterType = 0;
    data.listePiecesTEMP2.clear();
}

QString filterItem(const Data& data)
{
    return data.filterType != 0 ? data.tagsTemp.value(data.filterNoG) : QString();
}

namespace {

// Fills the result list for the selected item (the filter off when none is).
int showSelectedItem(Data& data, int filterType)
{
    const int count = int(data.tagsTemp.size());
    if (data.filterNoG < 0 || data.filterNoG >= count) {
        clearFilter(data);
        return 1;
    }
    data.filterType = filterType;
    const int n = data.filterNoG;
    const int field = n == count - 1                           ? FilterArtist
                      : n == count - 2                         ? FilterTempo
                      : n == count - 3                         ? FilterPlayed
                      : n == 0 && !data.filterString.isEmpty() ? FilterText
                                                               : FilterTag;
    const QString item = data.tagsTemp[n];
    const QString all = QString::fromUtf8(texts::kFilterAll).arg(item);
    const int tab = data.onglNoG;
    const bool wholeBinder = tab == 0 || field == FilterPlayed;

    data.listePiecesTEMP2.clear();
    const int page = addSection(data, wholeBinder ? all : item, tab, true, field, item);
    if (!wholeBinder)
        addSection(data, all, 0, false, field, item);
    data.filterField = field;
    return page > 0 ? page : 1;
}

} // namespace

int prevNextFilterNoG(Data& data, int step, int filterType, int pred, bool refresh)
{
    if (step == kFilterClear) {
        clearFilter(data);
        return 1;
    }
    const bool sameType = data.filterType == filterType;
    if (!sameType)
        clearFilter(data);
    if (!sameType || refresh)
        rebuildItems(data);
    data.filterNoG = selectItem(data.filterNoG, int(data.tagsTemp.size()), step, pred);
    return showSelectedItem(data, filterType);
}

QStringList filterItemsForSong(const Data& data)
{
    return itemsForCurrentSong(data);
}

int chooseFilterItem(Data& data, int item)
{
    clearFilter(data);
    rebuildItems(data);
    data.filterNoG = item;
    return showSelectedItem(data, kFilterOn);
}

} // namespace partivo
