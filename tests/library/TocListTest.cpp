#include "library/TocList.h"
#include "library/Data.h"
#include "library/Pieces.h"
#include "library/PiecesDet.h"
#include "library/TestFolder.h"
#include "platform/MemoryPrefs.h"
#include "platform/ScriptedDialogs.h"

#include <gtest/gtest.h>

using namespace partivo;
using partivo::test::TestFolder;

namespace {

// A binder of `songs` files "Song 01.pdf"...; tab 1 is a setlist of the first `inSetlist`
// of them, tab 2 an empty setlist.
struct TocBinder {
    TestFolder folder;
    MemoryPrefs prefs;
    ScriptedDialogs dialogs;
    Data data{prefs, dialogs};
    TocList toc;

    TocBinder(int songs, int inSetlist)
    {
        QString lines;
        for (int i = 1; i <= songs; ++i) {
            const QString name = QStringLiteral("Song %1.pdf").arg(i, 2, 10, QLatin1Char('0'));
            folder.write(name);
            if (i <= inSetlist)
                lines += name + u'\n';
        }
        data.chargerTabsForDirNo(0, true);
        for (int t : {1, 2}) {
            TabDet& tab = data.tabs[size_t(t)];
            tab.tabName = QStringLiteral("Set %1").arg(t);
            tab.optSel = TabDet::Setlist;
            tab.list = t == 1 ? lines : QStringLiteral("Nothing.pdf\n");
        }
        EXPECT_TRUE(data.chargerFichiers(folder.path(), true));
    }
    // Makes song `offset` (from 0) of the tab current.
    void goToTab(int tab, int offset = 0)
    {
        data.setSongNoG(data.indexInTitleArrayG[size_t(tab)] + 1 + offset);
        data.setOnglet(tab);
    }
    static QString title(const TocEntry& e)
    {
        return e.piece ? e.piece->pieceDet->titre : QString();
    }
    static int shown(const TocPage& page)
    {
        return int(std::count_if(page.entries.begin(), page.entries.end(),
                                 [](const TocEntry& e) { return e.state == 0; }));
    }
};

} // namespace

TEST(TocList, KeyLabels)
{
    const struct {
        int entry;
        const char* label;
    } cases[] = {{0, "a"}, {25, "z"}, {26, "1"}, {34, "9"}, {35, "0"}, {36, ""}, {-1, ""}};
    for (const auto& c : cases)
        EXPECT_EQ(tocKeyLabel(c.entry), QString::fromLatin1(c.label)) << c.entry;
}

TEST(TocList, FortySongsMakeTwoPagesTheSecondWithFourEntries)
{
    TocBinder b(40, 40);
    b.goToTab(1, 37); // the current song is on page 2
    const TocPage page = b.toc.remplirToc(b.data);
    EXPECT_EQ(page.nbrPagesToc, 2);
    EXPECT_EQ(page.noPageToc, 2);
    EXPECT_EQ(page.label2, QStringLiteral("2/2"));
    ASSERT_EQ(page.entries.size(), 36);
    EXPECT_EQ(TocBinder::shown(page), 4);
    EXPECT_EQ(TocBinder::title(page.entries[0]), QStringLiteral("Song 37"));
    EXPECT_EQ(TocBinder::title(page.entries[3]), QStringLiteral("Song 40"));
    EXPECT_EQ(page.entries[4].state, 1);
    EXPECT_FALSE(page.entries[4].piece);

    // Paging goes round at both ends.
    b.toc.turnPage(true);
    EXPECT_EQ(b.toc.remplirToc(b.data).label2, QStringLiteral("1/2"));
    b.toc.turnPage(false);
    EXPECT_EQ(b.toc.remplirToc(b.data).label2, QStringLiteral("2/2"));
    b.toc.turnPage(false);
    const TocPage first = b.toc.remplirToc(b.data);
    EXPECT_EQ(TocBinder::shown(first), 36);
    EXPECT_EQ(TocBinder::title(first.entries[35]), QStringLiteral("Song 36"));
}

TEST(TocList, AnEmptyTabShowsNoEntry)
{
    TocBinder b(3, 3);
    b.data.setOnglet(2);
    const TocPage page = b.toc.remplirToc(b.data);
    EXPECT_EQ(page.label2, QStringLiteral("(no entry)"));
    EXPECT_EQ(page.nbrPagesToc, 0);
    EXPECT_EQ(TocBinder::shown(page), 0);
    EXPECT_EQ(b.toc.setSongNoToc(b.data, 0), -1);
}

TEST(TocList, KeysChooseTheSongsOfThePageShown)
{
    TocBinder b(40, 40);
    b.goToTab(1);
    const int first = b.data.indexInTitleArrayG[1] + 1;
    b.toc.remplirToc(b.data);
    const struct {
        const char* name;
        int perPage;
        int page;
        int entry;
        int songOffset; // from the tab's first song; -1 none
    } cases[] = {
        {"a on page 1", 36, 1, 0, 0},
        {"0 is the last entry of a full page", 36, 1, 35, 35},
        {"a on page 2", 36, 2, 0, 36},
        {"d on page 2 is the last song", 36, 2, 3, 39},
        {"e on page 2 is empty", 36, 2, 4, -1},
        {"s is hidden in one column", 18, 1, 18, -1},
        {"0 of one column is entry 17", 18, 1, 17, 17},
        {"r on the second one-column page", 18, 2, 17, 35},
        {"no entry past the page", 36, 1, 36, -1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        b.data.nbTocG = c.perPage;
        b.toc.noPageToc = c.page;
        b.toc.remplirToc(b.data);
        EXPECT_EQ(b.toc.setSongNoToc(b.data, c.entry),
                  c.songOffset < 0 ? -1 : first + c.songOffset);
    }
}

TEST(TocList, OneColumnPagesHoldEighteen)
{
    TocBinder b(40, 40);
    b.data.nbTocG = 18;
    b.goToTab(1, 20);
    const TocPage page = b.toc.remplirToc(b.data);
    EXPECT_EQ(page.entries.size(), 18);
    EXPECT_EQ(page.label2, QStringLiteral("2/3"));
}

TEST(TocList, TheFilterListStartsOnItsFirstPageAndSkipsHeadings)
{
    TocBinder b(5, 0);
    auto heading = std::make_shared<Pieces>();
    heading->pieceDet = std::make_shared<PiecesDet>();
    heading->pieceDet->titre = QStringLiteral("All • Rock");
    heading->pieceDet->indexInTEMP.fill(-1);
    b.data.listePiecesTEMP2 = {heading, b.data.getPiece(3), b.data.getPiece(5)};
    b.data.filterType = 1;
    b.data.setSongNoG(5);
    const TocPage page = b.toc.remplirToc(b.data);
    EXPECT_EQ(page.label2, QStringLiteral("1/1"));
    EXPECT_EQ(TocBinder::title(page.entries[0]), QStringLiteral("All • Rock"));
    EXPECT_EQ(TocBinder::shown(page), 3);
    EXPECT_EQ(b.toc.setSongNoToc(b.data, 0), -1); // a heading is never a song
    EXPECT_EQ(b.toc.setSongNoToc(b.data, 2), 5);
}

TEST(TocList, FirstSongOfTheTab)
{
    TocBinder b(4, 2);
    b.goToTab(1);
    EXPECT_TRUE(TocList::atFirstSongOfTab(b.data));
    b.goToTab(1, 1);
    EXPECT_FALSE(TocList::atFirstSongOfTab(b.data));
    b.data.setSongNoG(1);
    b.data.setOnglet(0);
    EXPECT_TRUE(TocList::atFirstSongOfTab(b.data));
}
