#include "library/SourceSongs.h"

#include <algorithm>
#include <vector>

namespace partivo {

void sortPiecesBy(Data::PieceList& list, const QCollator& collator,
                  QString (*text)(const std::shared_ptr<Pieces>&))
{
    std::vector<QCollatorSortKey> keys;
    keys.reserve(list.size());
    for (const auto& piece : std::as_const(list))
        keys.push_back(collator.sortKey(text(piece)));
    std::vector<int> order(list.size());
    for (int i = 0; i < int(order.size()); ++i)
        order[i] = i;
    std::stable_sort(order.begin(), order.end(),
                     [&keys](int a, int b) { return keys[a].compare(keys[b]) < 0; });
    Data::PieceList sorted;
    sorted.reserve(list.size());
    for (int i : order)
        sorted.append(list[i]);
    list = sorted;
}

Data::PieceList piecesOfTab(const Data& data, int tab)
{
    Data::PieceList songs;
    for (const auto& piece : data.listePiecesByTitle) {
        if (piece->ongNo == tab && piece->pieceDet)
            songs.append(piece);
    }
    return songs;
}

QList<int> SourceSongs::tabs() const
{
    QList<int> tabs;
    for (const auto& piece : data_.listePiecesByTitle) {
        if (piece->pieceDet && piece->ongNo >= 0 && piece->ongNo < 10 &&
            !tabs.contains(piece->ongNo))
            tabs.append(piece->ongNo);
    }
    std::sort(tabs.begin(), tabs.end());
    return tabs;
}

QString SourceSongs::tabName(int tab) const
{
    const QString name = data_.tabs[size_t(std::clamp(tab, 0, 9))].tabNameForDisplay();
    return name.isEmpty() ? QString::number(tab) : name;
}

void SourceSongs::setTab(int tab)
{
    tab_ = std::clamp(tab, 0, 9);
    refresh();
}

void SourceSongs::setFilters(const QString& title, const QString& artist, const QString& tag)
{
    title_ = title.toUpper();
    artist_ = artist.toUpper();
    tag_ = tag.toUpper();
    refresh();
}

void SourceSongs::setPlayedOnly(bool playedOnly)
{
    playedOnly_ = playedOnly;
    refresh();
}

void SourceSongs::reset()
{
    tab_ = 0;
    title_.clear();
    artist_.clear();
    tag_.clear();
    playedOnly_ = false;
    refresh();
}

void SourceSongs::refresh()
{
    pieces_.clear();
    for (const auto& piece : piecesOfTab(data_, tab_)) {
        const PiecesDet& det = *piece->pieceDet;
        if (det.titre.toUpper().contains(title_) && det.auteur.toUpper().contains(artist_) &&
            det.infoF.toUpper().contains(tag_) && (!playedOnly_ || det.played))
            pieces_.append(piece);
    }
    sortPiecesBy(pieces_, data_.collator,
                 [](const std::shared_ptr<Pieces>& p) { return p->pieceDet->titre; });
}

} // namespace partivo
