#include "library/TocList.h"

#include "library/Data.h"
#include "library/LibraryTexts.h"
#include "library/Pieces.h"

namespace partivo {

int tocEntriesForWidth(double width)
{
    return width < 640 ? kTocColumn : kTocEntries;
}

QString tocKeyLabel(int entry)
{
    static const QString keys = QStringLiteral("abcdefghijklmnopqrstuvwxyz1234567890");
    return entry >= 0 && entry < keys.size() ? keys.mid(entry, 1) : QString();
}

int TocList::base(const Data& data)
{
    if (data.filterType != 0)
        return 0;
    const auto& starts = data.currentSort == 1 ? data.indexInAuthorArrayG : data.indexInTitleArrayG;
    const int tab = data.onglNoG;
    return tab >= 0 && tab <= 9 ? starts[size_t(tab)] : -1;
}

int TocList::count(const Data& data)
{
    return data.filterType != 0 ? int(data.listePiecesTEMP2.size())
                                : data.getNbrPiecesOng(data.onglNoG);
}

bool TocList::atFirstSongOfTab(const Data& data)
{
    const auto& starts = data.currentSort == 1 ? data.indexInAuthorArrayG : data.indexInTitleArrayG;
    const int tab = data.onglNoG;
    return tab >= 0 && tab <= 9 && starts[size_t(tab)] >= 0 &&
           data.songNoG() == starts[size_t(tab)] + 1;
}

TocPage TocList::remplirToc(const Data& data)
{
    const int perPage = data.nbTocG > 0 ? data.nbTocG : kTocEntries;
    const bool filtered = data.filterType != 0;
    const int b = base(data);
    const int c = b < 0 ? 0 : count(data);
    if (filledTab != data.onglNoG)
        noPageToc = 0; // another tab's list starts at the page of the current song
    filledTab = data.onglNoG;
    nbrPagesToc = (c + perPage - 1) / perPage;
    if (noPageToc < 1)
        noPageToc = filtered ? 1 : std::max(1, (data.songNoG() - b - 1) / perPage + 1);
    if (noPageToc > nbrPagesToc)
        noPageToc = std::max(1, nbrPagesToc);

    TocPage page;
    page.noPageToc = nbrPagesToc > 0 ? noPageToc : 0;
    page.nbrPagesToc = nbrPagesToc;
    page.label2 = nbrPagesToc > 0 ? QStringLiteral("%1/%2").arg(noPageToc).arg(nbrPagesToc)
                                  : QString::fromUtf8(texts::kNoEntry);
    page.entries.resize(perPage);
    for (int k = 0; k < perPage; ++k) {
        const int index = b + k + (noPageToc - 1) * perPage;
        if (b < 0 || index > b + c - 1)
            continue;
        std::shared_ptr<Pieces> piece =
            filtered ? data.listePiecesTEMP2.value(index) : data.getPiece(index + 1);
        if (piece)
            page.entries[k] = {0, std::move(piece)};
    }
    return page;
}

int TocList::setSongNoToc(const Data& data, int entry) const
{
    const int perPage = data.nbTocG > 0 ? data.nbTocG : kTocEntries;
    // A one-column page hides the second column's keys: they never choose a song.
    if (entry < 0 || entry >= perPage || noPageToc < 1)
        return -1;
    const int offset = (noPageToc - 1) * perPage + entry;
    if (data.filterType != 0) {
        const auto piece = data.listePiecesTEMP2.value(offset);
        if (!piece || !piece->pieceDet || piece->pieceDet->indexInTEMP[0] < 0)
            return -1;
        return 1 + (data.currentSort == 1 ? piece->indexInAuthorArray : piece->indexInTitleArray);
    }
    const int b = base(data);
    if (b < 0 || data.getNbrPiecesOng(data.onglNoG) < offset + 1)
        return -1;
    return offset + 1 + b;
}

void TocList::turnPage(bool forward)
{
    if (nbrPagesToc < 1)
        return;
    if (forward)
        noPageToc = noPageToc >= nbrPagesToc ? 1 : noPageToc + 1;
    else
        noPageToc = noPageToc <= 1 ? nbrPagesToc : noPageToc - 1;
}

} // namespace partivo
