#include "cli/TocJson.h"

#include "display/TocView.h"
#include "library/Data.h"
#include "library/SongFilter.h"
#include "library/TocList.h"

namespace partivo::cli {

QJsonObject tocJson(const TocScene& toc, const TocList& pages, int nbTocG)
{
    QJsonArray entries;
    for (int n = 0; n < nbTocG && n < int(toc.items.size()); ++n) {
        const TocItemView& item = toc.items[size_t(n)];
        entries.append(QJsonObject{
            {QStringLiteral("key"), item.key},
            {QStringLiteral("titre"), item.titre},
            {QStringLiteral("auteur"), item.auteur},
            {QStringLiteral("state"), item.state},
            {QStringLiteral("played"), !item.played.isEmpty()},
            {QStringLiteral("current"), item.box && !item.section},
        });
    }
    return QJsonObject{
        {QStringLiteral("page"), pages.nbrPagesToc > 0 ? pages.noPageToc : 0},
        {QStringLiteral("pages"), pages.nbrPagesToc},
        {QStringLiteral("label1"), toc.label1},
        {QStringLiteral("label2"), toc.label2},
        {QStringLiteral("entries"), entries},
    };
}

QJsonArray tabsJson(const TocScene& toc)
{
    QJsonArray tabs;
    for (int t = 0; t < kTabButtons; ++t) {
        const TabButtonView& tab = toc.tabs[size_t(t)];
        tabs.append(QJsonObject{
            {QStringLiteral("ongNo"), t},
            {QStringLiteral("name"), tab.title},
            {QStringLiteral("state"), tab.state},
        });
    }
    return tabs;
}

QJsonObject filterJson(const Data& data)
{
    const auto songs =
        std::count_if(data.listePiecesTEMP2.begin(), data.listePiecesTEMP2.end(),
                      [](const auto& piece) { return piece->pieceDet->indexInTEMP[0] >= 0; });
    return QJsonObject{
        {QStringLiteral("type"), data.filterType},
        {QStringLiteral("field"), data.filterField},
        {QStringLiteral("text"), filterItem(data)},
        {QStringLiteral("count"), int(songs)},
    };
}

} // namespace partivo::cli
