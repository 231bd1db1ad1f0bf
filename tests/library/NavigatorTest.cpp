#include "library/Navigator.h"
#include "library/Data.h"
#include "library/LibraryView.h"
#include "library/SearchText.h"
#include "library/TestFolder.h"
#include "library/TocList.h"
#include "platform/ManualTimers.h"
#include "platform/MemoryPrefs.h"
#include "platform/ScriptedDialogs.h"

#include "QtPrinters.h"
#include <gtest/gtest.h>

using namespace partivo;
using partivo::test::TestFolder;

namespace {

// Counts what the navigator asks the windows to do.
struct CountingView : LibraryView {
    int shown = 0;
    int tocRefreshed = 0;
    int tocHidden = 0;
    QList<int> editedTabs;
    QStringList turns; // list panel pages and zoom steps
    int reloaded = 0;
    void turnTocPage(bool forward) override { turns << (forward ? "toc+" : "toc-"); }
    void zoomStep(bool down) override { turns << (down ? "zoom+" : "zoom-"); }
    void reloadDocuments() override { ++reloaded; }
    void chargerPages() override { ++shown; }
    void afficherToc() override { ++tocRefreshed; }
    // As the program does: the first song of a tab opens its list.
    int tocChecked = 0;
    Navigator* nav = nullptr;
    const Data* data = nullptr;
    void verifAffToc() override
    {
        ++tocChecked;
        if (nav && data && TocList::atFirstSongOfTab(*data))
            nav->tocON = true;
    }
    void hideSongList() override { ++tocHidden; }
    void editTab(int tab) override { editedTabs.append(tab); }
    QStringList search; // search display calls: valid or invalid, shown or hidden
    void updateRechInfo(bool valid, bool masquer) override
    {
        search << QStringLiteral("%1 %2").arg(valid ? "valid" : "invalid",
                                              masquer ? "hidden" : "shown");
    }
};

// What the windows say of the current song, as the test sets it.
struct FakeShownPages : ShownPages {
    PagingInfo info;
    PagingInfo pagingInfo() const override { return info; }
};

// A binder of the given files; tab t (1..9) is a setlist of the given lines.
struct Binder {
    TestFolder folder;
    MemoryPrefs prefs;
    ScriptedDialogs dialogs;
    Data data{prefs, dialogs};
    CountingView view;
    ManualTimers timers;
    Navigator nav{data, view, timers};
    FakeShownPages shown;

    Binder(std::initializer_list<const char*> files,
           std::initializer_list<std::pair<int, const char*>> setlists = {})
    {
        for (const char* name : files)
            folder.write(QString::fromUtf8(name));
        data.chargerTabsForDirNo(0, true);
        for (const auto& [tab, lines] : setlists) {
            TabDet& det = data.tabs[size_t(tab)];
            det = TabDet::initWithDirNo(0, tab);
            det.tabName = QStringLiteral("Set %1").arg(tab);
            det.optSel = TabDet::Setlist;
            det.list = QString::fromUtf8(lines);
        }
        // The tabs are set here, not read from the store: the folder alone is loaded.
        EXPECT_TRUE(data.chargerFichiers(folder.path(), true));
        nav.setShownPages(&shown);
    }
    QString current() const
    {
        const auto entry = data.getPiece(data.songNoG());
        return entry ? QString::number(entry->ongNo) + u':' + entry->pieceDet->titre : QString();
    }
    void setPages(int pages) { shown.info.pages = pages; }
};

TEST(Navigator, NextAndPreviousWalkTheWholeListAcrossTabs)
{
    // Tab 2 lists Gamma twice; next and previous walk every entry.
    Binder b({"Alpha.pdf", "Beta.pdf", "Gamma.pdf"}, {{2, "gamma\nalpha\ngamma\n"}});
    const QStringList forward{"0:Beta", "0:Gamma", "2:Gamma", "2:Alpha", "2:Gamma", "2:Gamma"};
    for (const QString& expected : forward) {
        b.nav.traiterNext();
        EXPECT_EQ(b.current(), expected);
    }
    EXPECT_EQ(b.data.onglNoG, 2);
    EXPECT_EQ(b.data.onglNoGuser, 2);
    for (int i = 0; i < 8; ++i)
        b.nav.traiterPrev();
    EXPECT_EQ(b.data.songNoG(), 1); // stays on song 1
    EXPECT_EQ(b.data.onglNoG, 0);
    EXPECT_EQ(b.view.shown, 14); // every press shows a song, even at the ends
}

TEST(Navigator, OneSongBinder)
{
    Binder b({"Only.pdf"});
    b.nav.traiterNext();
    b.nav.traiterPrev();
    b.nav.gotoPrevNextTab(0);
    b.nav.gotoPrevNextTab(1);
    b.nav.actionLast();
    EXPECT_EQ(b.data.songNoG(), 1);
    b.nav.gotoSongNo(0);
    b.nav.gotoSongNo(2);
    EXPECT_EQ(b.data.songNoG(), 1);
}

TEST(Navigator, TabJumpsSkipEmptyTabs)
{
    Binder b({"Alpha.pdf", "Beta.pdf", "Gamma.pdf"}, {{1, "beta\n"}, {3, "gamma\nalpha\n"}});
    struct Step {
        const char* name;
        std::function<void(Navigator&)> action;
        const char* expected;
    };
    const Step steps[] = {
        {"next tab from 0", [](Navigator& n) { n.gotoPrevNextTab(0); }, "1:Beta"},
        {"next tab skips empty tab 2", [](Navigator& n) { n.gotoPrevNextTab(0); }, "3:Gamma"},
        {"no tab after 3", [](Navigator& n) { n.gotoPrevNextTab(0); }, "3:Gamma"},
        {"End from the last tab", [](Navigator& n) { n.actionLast(); }, "3:Gamma"},
        {"Home goes to the previous tab", [](Navigator& n) { n.actionFirst(); }, "1:Beta"},
        {"Home again", [](Navigator& n) { n.actionFirst(); }, "0:Alpha"},
        {"Home in tab 0 is song 1", [](Navigator& n) { n.actionFirst(); }, "0:Alpha"},
    };
    for (const Step& s : steps) {
        SCOPED_TRACE(s.name);
        s.action(b.nav);
        EXPECT_EQ(b.current(), QString::fromUtf8(s.expected));
    }
    EXPECT_GE(b.view.tocChecked, 1);
}

TEST(Navigator, PagingStaysInsideTheSong)
{
    struct Case {
        const char* name;
        int pages;
        bool single;
        int downs, ups;
        QList<int> seen; // pageNo1 after each press, downs first
    };
    const Case cases[] = {
        {"two pages per view, 5 pages", 5, false, 3, 0, {3, 5, 5}},
        {"one page per view, 3 pages", 3, true, 3, 3, {2, 3, 3, 2, 1, 1}},
        {"up from an even page", 6, false, 0, 2, {1, 1}},
        {"down from an even page to the last", 3, false, 2, 0, {3, 3}},
        {"down from an even page", 6, false, 3, 0, {4, 6, 6}},
        {"song no longer than the step", 2, false, 1, 1, {1, 1}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Binder b({"Song.pdf"});
        b.setPages(c.pages);
        if (QString::fromUtf8(c.name).contains(QLatin1String("even")))
            b.nav.pageNo1 = 2;
        QList<int> seen;
        for (int i = 0; i < c.downs; ++i) {
            b.nav.traiterDown(c.single, 0);
            seen.append(b.nav.pageNo1);
        }
        for (int i = 0; i < c.ups; ++i) {
            b.nav.traiterUP(c.single);
            seen.append(b.nav.pageNo1);
        }
        EXPECT_EQ(seen, c.seen);
        EXPECT_EQ(b.data.songNoG(), 1);
    }
}

// The page keys take the step and the extra pages from the windows: a window showing one
// page at a time shows every page, and a sliding window stops when the last page shows.
TEST(Navigator, PageKeysTakeTheStepFromTheWindows)
{
    struct Case {
        const char* name;
        PagingInfo info;
        QList<int> downs;
        QList<int> ups;
    };
    const Case cases[] = {
        {"two pages per view", {5, false, 0}, {3, 5, 5, 5}, {3, 1}},
        {"one page per view", {5, true, 0}, {2, 3, 4, 5}, {4, 3}},
        {"sliding, the last two pages shown", {5, true, 1}, {2, 3, 4, 4}, {3, 2}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Binder b({"Song.pdf"});
        b.shown.info = c.info;
        QList<int> downs;
        for (int i = 0; i < c.downs.size(); ++i) {
            b.nav.actionDown();
            downs.append(b.nav.pageNo1);
        }
        QList<int> ups;
        for (int i = 0; i < c.ups.size(); ++i) {
            b.nav.actionUp();
            ups.append(b.nav.pageNo1);
        }
        EXPECT_EQ(downs, c.downs);
        EXPECT_EQ(ups, c.ups);
    }
}

TEST(Navigator, PagingTurnsTheListPanelOrTheZoomWhenThoseShow)
{
    Binder b({"Song.pdf"});
    b.setPages(6);
    b.nav.pageNo1 = 3;
    b.nav.zoomON = true;
    b.nav.traiterDown(false, 0);
    b.nav.traiterUP(true);
    b.nav.tocON = true; // the panel goes before the zoom
    b.nav.traiterDown(true, 0);
    b.nav.traiterUP(false);
    EXPECT_EQ(b.view.turns, QStringList({"zoom+", "zoom-", "toc+", "toc-"}));
    EXPECT_EQ(b.nav.pageNo1, 3);
}

TEST(Navigator, RefreshWithResetKeepsThePageWhileTheSongIsLongEnough)
{
    Binder b({"Song.pdf"});
    b.setPages(6);
    b.nav.pageNo1 = 5;
    b.nav.refreshAvecReset();
    EXPECT_EQ(b.nav.pageNo1, 5);
    b.setPages(4); // the file became shorter
    b.nav.refreshAvecReset();
    EXPECT_EQ(b.nav.pageNo1, 1);
    EXPECT_EQ(b.view.reloaded, 2);
    EXPECT_EQ(b.view.shown, 3) << "shown again at page 1 once the shorter file was counted";
    EXPECT_TRUE(b.timers.activeNames().contains(QLatin1String(kPreviousSongTimer)));
}

TEST(Navigator, SortToggleKeepsTheSameSongsTracked)
{
    Binder b({"Alpha(Zed).pdf", "Beta(Yan).pdf", "Gamma(Xu).pdf"}, {{2, "beta\nalpha\n"}});
    b.nav.gotoSongNo(5); // 2:Alpha
    const QString before = b.current();
    b.nav.songNoG_prev = 1; // 0:Alpha
    b.nav.actionToggleSort();
    EXPECT_EQ(b.data.currentSort, 1);
    EXPECT_EQ(b.current(), before);
    EXPECT_EQ(b.data.getPiece(b.nav.songNoG_prev)->pieceDet->titre, QStringLiteral("Alpha"));
    EXPECT_EQ(b.nav.songNoG_prev, 3); // Alpha is last by artist
    b.nav.actionToggleSort();
    EXPECT_EQ(b.data.songNoG(), 5);
    EXPECT_EQ(b.nav.songNoG_prev, 1);
}

TEST(Navigator, PreviousSongMemoryInsideTheUsersTab)
{
    Binder b({"Alpha.pdf", "Beta.pdf", "Gamma.pdf"}, {{1, "alpha\nbeta\ngamma\n"}});
    b.nav.gotoPrevNextTab(0); // 1:Alpha, song 4
    b.timers.advance(kPreviousSongMs);
    b.nav.traiterNext(); // 1:Beta
    b.timers.advance(kPreviousSongMs - 1);
    b.nav.traiterNext(); // 1:Gamma before Beta counted
    b.timers.advance(kPreviousSongMs);
    EXPECT_EQ(b.nav.songNoG_prev, 6);
    EXPECT_EQ(b.nav.songNoG_prev_prev, 4);
    b.nav.actionGotoCur();
    EXPECT_EQ(b.current(), QStringLiteral("1:Alpha"));
    b.timers.advance(kPreviousSongMs);
    b.nav.actionGotoCur();
    EXPECT_EQ(b.current(), QStringLiteral("1:Gamma")); // toggles between the last two
}

struct Typed {
    const char* name;
    const char* keys;
    const char* expected;
};

int keyOfChar(char c)
{
    return keyn(QString(QLatin1Char(c)));
}

TEST(Navigator, TypeToSearch)
{
    const Typed cases[] = {
        {"b then e", "be", "0:Be Mine"},
        {"one letter", "b", "0:Bad"},
        {"apostrophe skipped", "dont", "0:Don't Stop"},
        {"no title with x", "x", "0:Abba"},
        {"no match further", "bz", "0:Bad"},
    };
    for (const Typed& c : cases) {
        SCOPED_TRACE(c.name);
        Binder b({"Abba.pdf", "Bad.pdf", "Be Mine.pdf", "Beat It.pdf", "Don't Stop.pdf"});
        for (const char* k = c.keys; *k; ++k)
            b.nav.allerA(keyOfChar(*k));
        EXPECT_EQ(b.current(), QString::fromUtf8(c.expected));
    }
}

TEST(Navigator, SearchTimersBlockAndReset)
{
    Binder b({"Abba.pdf", "Bad.pdf", "Be Mine.pdf"});
    b.nav.allerA(keyOfChar('x'));
    EXPECT_TRUE(b.nav.rechBloque);
    b.nav.allerA(keyOfChar('b')); // refused while blocked
    EXPECT_EQ(b.data.songNoG(), 1);
    b.timers.advance(kSearchNotFoundMs);
    EXPECT_FALSE(b.nav.rechBloque);
    EXPECT_TRUE(b.data.rech.isEmpty());
    b.nav.allerA(keyOfChar('b'));
    EXPECT_EQ(b.current(), QStringLiteral("0:Bad"));
    b.timers.advance(kSearchFoundMs - 1);
    b.nav.allerA(keyOfChar('e')); // within the window: extends the text
    EXPECT_EQ(b.current(), QStringLiteral("0:Be Mine"));
    EXPECT_EQ(b.data.rech, QStringLiteral("be"));
    b.timers.advance(kSearchFoundMs);
    EXPECT_TRUE(b.data.rech.isEmpty());
    EXPECT_FALSE(b.nav.rechShown);
    // Not found shows red (also for the refused letter); the block ends after 0.5 s and the
    // box goes 2 s after the last letter found.
    EXPECT_EQ(b.view.search, QStringList({"invalid shown", "invalid shown", "valid shown",
                                          "valid shown", "valid shown", "valid hidden"}));
}

TEST(Navigator, TheEleventhTypedCharacterIsRefused)
{
    Binder b({"Abba.pdf", "Abcdefghijklm.pdf"});
    for (const char c : QByteArray("abcdefghij"))
        b.nav.allerA(keyOfChar(c));
    EXPECT_EQ(b.data.rech, QStringLiteral("abcdefghij"));
    EXPECT_EQ(b.current(), QStringLiteral("0:Abcdefghijklm"));
    EXPECT_FALSE(b.nav.rechBloque);
    b.nav.allerA(keyOfChar('k'));
    EXPECT_TRUE(b.nav.rechBloque);
    EXPECT_EQ(b.data.rech.size(), 10);
}

TEST(Navigator, SearchInASetlistPrefersItsEntryOrFlagsTheTab)
{
    Binder b({"Alpha.pdf", "Beta.pdf", "Gamma.pdf"}, {{1, "gamma\nalpha\n"}});
    b.nav.gotoPrevNextTab(0);
    ASSERT_EQ(b.data.onglNoGuser, 1);
    b.nav.allerA(keyOfChar('a'));
    EXPECT_EQ(b.current(), QStringLiteral("1:Alpha"));
    b.timers.advance(kSearchFoundMs);
    b.nav.allerA(keyOfChar('b'));
    EXPECT_EQ(b.current(), QStringLiteral("0:Beta"));
    EXPECT_EQ(b.data.ongletRed, 1) << "the tab's button shows red";
    EXPECT_EQ(b.data.ongletErr, -1);
}

TEST(Navigator, TabButtons)
{
    struct Case {
        const char* name;
        int tab;
        bool cmd;
        bool help;
        const char* current;
        QList<int> edited;
        bool refused;
    };
    const Case cases[] = {
        {"tab with songs", 1, false, false, "1:Beta", {}, false},
        {"command-click edits it", 1, true, false, "1:Beta", {1}, false},
        {"empty tab opens its editor", 2, false, false, "0:Alpha", {2}, false},
        {"tab 0 has no editor", 0, true, false, "0:Alpha", {}, false},
        {"Help Binder: no editor for an empty tab", 2, false, true, "0:Alpha", {}, true},
        {"Help Binder: command-click refused", 1, true, true, "1:Beta", {}, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Binder b({"Alpha.pdf", "Beta.pdf"}, {{1, "beta\n"}});
        b.nav.actionOnglet2(c.tab, c.cmd, c.help);
        EXPECT_EQ(b.current(), QString::fromUtf8(c.current));
        EXPECT_EQ(b.data.onglNoGuser, c.tab);
        EXPECT_EQ(b.view.editedTabs, c.edited);
        EXPECT_EQ(b.dialogs.texts().contains(QStringLiteral(
                      "Setlists and Collections cannot be created in the Help Binder.")),
                  c.refused);
    }
}

TEST(Navigator, ListPanelKeyShowsClearsTheFilterThenHides)
{
    Binder b({"Alpha.pdf"});
    b.data.filterNoG = 2;
    b.data.filterType = 1;
    b.nav.actionEqual();
    EXPECT_TRUE(b.nav.tocON);
    b.nav.actionEqual();
    EXPECT_TRUE(b.nav.tocON);
    EXPECT_EQ(b.data.filterNoG, -1);
    EXPECT_EQ(b.data.filterType, 0);
    b.nav.actionEqual();
    EXPECT_FALSE(b.nav.tocON);
    EXPECT_EQ(b.view.tocHidden, 1);
    // Next with the panel shown only hides it.
    b.nav.actionEqual();
    b.nav.traiterNext();
    EXPECT_FALSE(b.nav.tocON);
    EXPECT_EQ(b.data.songNoG(), 1);
}

TEST(SearchText, LettersAndDigits)
{
    EXPECT_EQ(obtenirCar(QStringLiteral("Don't Stop"), 4), QStringLiteral("dont"));
    EXPECT_EQ(obtenirCar(QStringLiteral("A-1 B"), 10), QStringLiteral("a1b"));
    EXPECT_EQ(obtenirNbCarReq(QStringLiteral("Don't Stop"), 4), 5);
    EXPECT_EQ(obtenirNbCarReq(QStringLiteral("ab"), 5), 2);
    EXPECT_EQ(obtenirNbCarReq(QStringLiteral("ab"), 0), 0);
}

TEST(SearchText, HighlightCoversWhatWasTyped)
{
    using C = SearchColor;
    struct Case {
        const char* name;
        const char* title;
        const char* artist;
        bool artistOrder;
        const char* rech;
        QList<SearchRun> runs;
    };
    const Case cases[] = {
        {"title prefix", "Don't Stop", "", false, "dont", {{0, 5, C::White}, {5, 5, C::Grey}}},
        {"no match", "Bad", "", false, "x", {{0, 3, C::Grey}}},
        {"nothing typed", "Bad", "", false, "", {{0, 3, C::Grey}}},
        {"part of the artist", "Song", "Abba", true, "ab", {{0, 2, C::Blue}, {2, 9, C::Grey}}},
        {"artist and one title letter",
         "Song",
         "Abba",
         true,
         "abbas",
         {{0, 4, C::Blue}, {4, 3, C::Grey}, {7, 1, C::White}, {8, 3, C::Grey}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const SearchDisplay d =
            searchDisplayFor(QString::fromUtf8(c.title), QString::fromUtf8(c.artist), c.artistOrder,
                             QString::fromUtf8(c.rech));
        EXPECT_EQ(d.runs, c.runs);
    }
}

} // namespace

TEST(Navigator, TheFirstSongOfATabShowsItsListFirst)
{
    Binder b({"Alpha.pdf", "Beta.pdf", "Gamma.pdf"}, {{1, "beta\ngamma\n"}});
    b.view.nav = &b.nav;
    b.view.data = &b.data;
    b.nav.gotoSongNo(5); // the second song of tab 1
    b.nav.traiterPrev();
    EXPECT_EQ(b.current(), QStringLiteral("1:Beta"));
    EXPECT_FALSE(b.nav.tocON);
    // Previous on the tab's first song shows the tab's list and stays.
    b.nav.traiterPrev();
    EXPECT_TRUE(b.nav.tocON);
    EXPECT_EQ(b.current(), QStringLiteral("1:Beta"));
    // Next closes the list and shows the same song; the next one after that.
    b.nav.traiterNext();
    EXPECT_FALSE(b.nav.tocON);
    EXPECT_EQ(b.current(), QStringLiteral("1:Beta"));
    b.nav.traiterNext();
    EXPECT_EQ(b.current(), QStringLiteral("1:Gamma"));
    // Stepping into another tab opens its list.
    b.nav.traiterPrev();
    b.nav.traiterPrev();
    b.nav.traiterNext(); // closes the list
    b.nav.gotoSongNo(3);
    b.nav.traiterNext();
    EXPECT_EQ(b.current(), QStringLiteral("1:Beta"));
    EXPECT_TRUE(b.nav.tocON);
}
