#include "library/TabDet.h"

#include "library/Pieces.h"
#include "platform/MemoryPrefs.h"

#include <QVariantMap>
#include <gtest/gtest.h>

#include <string>

namespace partivo {
namespace {

std::string u8(const QString& s)
{
    return s.toStdString();
}

void expectSameTab(const TabDet& actual, const TabDet& expected)
{
    EXPECT_EQ(actual.dirNo, expected.dirNo);
    EXPECT_EQ(actual.tabNo, expected.tabNo);
    EXPECT_EQ(u8(actual.tabName), u8(expected.tabName));
    EXPECT_EQ(u8(actual.list), u8(expected.list));
    EXPECT_EQ(actual.optSel, expected.optSel);
    EXPECT_EQ(actual.lookInto, expected.lookInto);
    EXPECT_EQ(actual.tabSort, expected.tabSort);
    EXPECT_EQ(actual.tabSortAlt, expected.tabSortAlt);
    EXPECT_EQ(u8(actual.tabPrefix), u8(expected.tabPrefix));
    EXPECT_EQ(u8(actual.tabPrefixAlt), u8(expected.tabPrefixAlt));
}

// The eight keys of one stored tab, sorted as MemoryPrefs lists them.
QStringList storedKeys(int dirNo, int tabNo)
{
    QStringList keys;
    for (const char* pattern : {"%dTabName%d", "%dlist%d", "%dTabSort%d", "%dTabSortAlt%d",
                                "%dOptSel%d", "%dLookInto%d", "%dTabPrefix%d", "%dTabPrefixAlt%d"})
        keys << TabDet::key(pattern, dirNo, tabNo);
    keys.sort();
    return keys;
}

struct DefaultCase {
    int dirNo;
    int tabNo;
    const char* name;
    int tabSort;
    int tabSortAlt;
    bool stored;
};

TEST(TabDet, Defaults)
{
    const DefaultCase cases[] = {
        {0, 0, "All", TabDet::ByTitle, TabDet::ByArtist, false},
        {0, 1, "", TabDet::ListOrder, TabDet::ListOrder, true},
        {0, 9, "", TabDet::ListOrder, TabDet::ListOrder, true},
        {7, 0, "All", TabDet::ByTitle, TabDet::ByArtist, false},
        {7, 5, "", TabDet::ListOrder, TabDet::ListOrder, true},
        {-1, 0, "All", TabDet::ByTitle, TabDet::ByArtist, false},
        {-1, 3, "", TabDet::ListOrder, TabDet::ListOrder, false},
    };
    for (const DefaultCase& c : cases) {
        SCOPED_TRACE("binder " + std::to_string(c.dirNo) + " tab " + std::to_string(c.tabNo));
        const TabDet tab = TabDet::initWithDirNo(c.dirNo, c.tabNo);
        EXPECT_EQ(tab.dirNo, c.dirNo);
        EXPECT_EQ(tab.tabNo, c.tabNo);
        EXPECT_EQ(u8(tab.tabName), c.name);
        EXPECT_EQ(u8(tab.tabNameForDisplay()), c.name);
        EXPECT_EQ(u8(tab.list), "");
        EXPECT_EQ(tab.optSel, TabDet::AnyKeyword);
        EXPECT_EQ(tab.lookInto, TabDet::TitleArtistTags);
        EXPECT_EQ(tab.tabSort, c.tabSort);
        EXPECT_EQ(tab.tabSortAlt, c.tabSortAlt);
        EXPECT_EQ(u8(tab.tabPrefix), "");
        EXPECT_EQ(u8(tab.tabPrefixAlt), "");
        EXPECT_EQ(tab.isStored(), c.stored);
    }
}

TEST(TabDet, KeysArePlainDecimal)
{
    const struct {
        const char* pattern;
        int dirNo;
        int tabNo;
        const char* key;
    } cases[] = {
        {"%dTabName%d", 3, 7, "3TabName7"},     {"%dlist%d", 0, 1, "0list1"},
        {"%dTabSort%d", 7, 9, "7TabSort9"},     {"%dTabSortAlt%d", 2, 4, "2TabSortAlt4"},
        {"%dOptSel%d", 1, 1, "1OptSel1"},       {"%dLookInto%d", 5, 2, "5LookInto2"},
        {"%dTabPrefix%d", 6, 3, "6TabPrefix3"}, {"%dTabPrefixAlt%d", 4, 8, "4TabPrefixAlt8"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.key);
        EXPECT_EQ(u8(TabDet::key(c.pattern, c.dirNo, c.tabNo)), c.key);
    }
}

struct LoadCase {
    const char* name;
    QVariantMap stored; // key names without the binder and tab numbers
    const char* tabName;
    const char* list;
    int optSel;
    int lookInto;
    int tabSort;
    int tabSortAlt;
    const char* prefix;
    const char* prefixAlt;
};

TEST(TabDet, LoadChecksStoredValues)
{
    const LoadCase cases[] = {
        {"in range",
         {{"TabName", "Set"},
          {"list", "ROCK\nPOP\n"},
          {"OptSel", 2},
          {"LookInto", 4},
          {"TabSort", 4},
          {"TabSortAlt", 2}},
         "Set",
         "ROCK\nPOP\n",
         2,
         4,
         4,
         2,
         "",
         ""},
        {"selection 7",
         {{"TabName", "T"}, {"OptSel", 7}, {"LookInto", 1}},
         "T",
         "",
         0,
         1,
         0,
         0,
         "",
         ""},
        {"selection -1", {{"TabName", "T"}, {"OptSel", -1}}, "T", "", 0, 0, 0, 0, "", ""},
        {"selection 4", {{"TabName", "T"}, {"OptSel", 4}}, "T", "", 0, 0, 0, 0, "", ""},
        {"setlist field 2",
         {{"TabName", "T"}, {"OptSel", 3}, {"LookInto", 2}},
         "T",
         "",
         3,
         0,
         0,
         0,
         "",
         ""},
        {"setlist field 4",
         {{"TabName", "T"}, {"OptSel", 3}, {"LookInto", 4}},
         "T",
         "",
         3,
         0,
         0,
         0,
         "",
         ""},
        {"field 5",
         {{"TabName", "T"}, {"OptSel", 1}, {"LookInto", 5}},
         "T",
         "",
         1,
         0,
         0,
         0,
         "",
         ""},
        {"field -3",
         {{"TabName", "T"}, {"OptSel", 1}, {"LookInto", -3}},
         "T",
         "",
         1,
         0,
         0,
         0,
         "",
         ""},
        {"orders outside 0..4",
         {{"TabName", "T"}, {"TabSort", 5}, {"TabSortAlt", -1}},
         "T",
         "",
         0,
         0,
         0,
         0,
         "",
         ""},
        {"large order",
         {{"TabName", "T"}, {"TabSort", 99}, {"TabSortAlt", 4}},
         "T",
         "",
         0,
         0,
         0,
         4,
         "",
         ""},
        {"prefix kept with order 3",
         {{"TabName", "T"},
          {"TabSort", 3},
          {"TabPrefix", "KEY-"},
          {"TabSortAlt", 1},
          {"TabPrefixAlt", "MOOD-"}},
         "T",
         "",
         0,
         0,
         3,
         1,
         "KEY-",
         ""},
        {"alternate prefix kept with alternate order 3",
         {{"TabName", "T"},
          {"TabSort", 2},
          {"TabPrefix", "KEY-"},
          {"TabSortAlt", 3},
          {"TabPrefixAlt", "MOOD-"}},
         "T",
         "",
         0,
         0,
         2,
         3,
         "",
         "MOOD-"},
        {"order 3 without a stored prefix",
         {{"TabName", "T"}, {"TabSort", 3}},
         "T",
         "",
         0,
         0,
         3,
         0,
         "",
         ""},
        {"order 3 out of range drops the prefix",
         {{"TabName", "T"}, {"TabSort", 8}, {"TabPrefix", "KEY-"}},
         "T",
         "",
         0,
         0,
         0,
         0,
         "",
         ""},
        {"name only", {{"TabName", "Only"}}, "Only", "", 0, 0, 0, 0, "", ""},
        {"absent name: nothing else is read",
         {{"list", "SONG.PDF\n"},
          {"OptSel", 3},
          {"TabSort", 4},
          {"TabSortAlt", 2},
          {"LookInto", 1}},
         "",
         "",
         0,
         0,
         0,
         0,
         "",
         ""},
        {"empty name is a name",
         {{"TabName", ""}, {"list", "X\n"}, {"OptSel", 2}},
         "",
         "X\n",
         2,
         0,
         0,
         0,
         "",
         ""},
        {"numbers stored as text",
         {{"TabName", "T"},
          {"OptSel", "3"},
          {"LookInto", "2"},
          {"TabSort", "4"},
          {"TabSortAlt", " 2"}},
         "T",
         "",
         3,
         0,
         4,
         2,
         "",
         ""},
        {"text that is no number",
         {{"TabName", "T"}, {"OptSel", "abc"}, {"TabSort", "x"}},
         "T",
         "",
         0,
         0,
         0,
         0,
         "",
         ""},
        {"non-ASCII",
         {{"TabName", "Bühne – Set"}, {"list", "STRASSE.PDF\n"}, {"OptSel", 3}},
         "Bühne – Set",
         "STRASSE.PDF\n",
         3,
         0,
         0,
         0,
         "",
         ""},
    };
    for (const LoadCase& c : cases) {
        SCOPED_TRACE(c.name);
        MemoryPrefs prefs;
        for (auto it = c.stored.begin(); it != c.stored.end(); ++it)
            prefs.setValue(QStringLiteral("1") + it.key() + QStringLiteral("4"), it.value());
        TabDet tab = TabDet::initWithDirNo(1, 4);
        tab.load(prefs);
        EXPECT_EQ(tab.dirNo, 1);
        EXPECT_EQ(tab.tabNo, 4);
        EXPECT_EQ(u8(tab.tabName), c.tabName);
        EXPECT_EQ(u8(tab.list), c.list);
        EXPECT_EQ(tab.optSel, c.optSel);
        EXPECT_EQ(tab.lookInto, c.lookInto);
        EXPECT_EQ(tab.tabSort, c.tabSort);
        EXPECT_EQ(tab.tabSortAlt, c.tabSortAlt);
        EXPECT_EQ(u8(tab.tabPrefix), c.prefix);
        EXPECT_EQ(u8(tab.tabPrefixAlt), c.prefixAlt);
    }
}

TEST(TabDet, LoadReadsOnlyItsOwnKeys)
{
    MemoryPrefs prefs;
    TabDet neighbour = TabDet::initWithDirNo(2, 4);
    neighbour.tabName = QStringLiteral("Other binder");
    neighbour.optSel = TabDet::Setlist;
    neighbour.save(prefs, false);
    neighbour = TabDet::initWithDirNo(1, 5);
    neighbour.tabName = QStringLiteral("Other tab");
    neighbour.save(prefs, false);

    TabDet tab = TabDet::initWithDirNo(1, 4);
    tab.load(prefs);
    expectSameTab(tab, TabDet::initWithDirNo(1, 4));
}

// A tab whose name is missing holds no song, whatever else is stored for it.
TEST(TabDet, TabWithoutNameAdmitsNothing)
{
    MemoryPrefs prefs;
    prefs.setValue(QStringLiteral("0list2"), QStringLiteral("ROCK\n"));
    prefs.setValue(QStringLiteral("0OptSel2"), 2); // "no keyword" would admit every song
    TabDet tab = TabDet::initWithDirNo(0, 2);
    tab.load(prefs);

    PiecesDet det;
    det.fichier = QStringLiteral("/b/Song.pdf");
    det.titre = QStringLiteral("Song");
    det.auteur = QStringLiteral("(nil)");
    det.infoF = QStringLiteral(" jazz ");
    int n = 0;
    EXPECT_FALSE(tabAdmits(tab, MatchTexts(det, QStringLiteral("Song.pdf")), QString(),
                           tab.list.toUpper().split(QLatin1Char('\n')), n));
}

TabDet makeTab(int dirNo, int tabNo, const char* name, const char* list, int optSel, int lookInto,
               int tabSort, int tabSortAlt, const char* prefix, const char* prefixAlt)
{
    TabDet tab = TabDet::initWithDirNo(dirNo, tabNo);
    tab.tabName = QString::fromUtf8(name);
    tab.list = QString::fromUtf8(list);
    tab.optSel = optSel;
    tab.lookInto = lookInto;
    tab.tabSort = tabSort;
    tab.tabSortAlt = tabSortAlt;
    tab.tabPrefix = QString::fromUtf8(prefix);
    tab.tabPrefixAlt = QString::fromUtf8(prefixAlt);
    return tab;
}

TEST(TabDet, SaveAndLoadAgain)
{
    const TabDet cases[] = {
        makeTab(0, 1, "Gig", "SONG.PDF\nOTHER.PDF\n", TabDet::Setlist, 0, TabDet::ListOrder,
                TabDet::ByTitle, "", ""),
        makeTab(3, 6, "Rock", "ROCK\nPOP\n", TabDet::AllKeywords, TabDet::Tags, TabDet::ByTagPrefix,
                TabDet::ByTagPrefix, "KEY-", "MOOD-"),
        makeTab(7, 9, "Shuffle", "", TabDet::NoKeyword, TabDet::FileName, TabDet::Random,
                TabDet::ByArtist, "", ""),
        makeTab(5, 2, "Bühne – Set", "STRASSE.PDF\nÉMILIE.CHO\n", TabDet::Setlist, 0,
                TabDet::ByArtist, TabDet::ByTagPrefix, "", "TONART-"),
        makeTab(2, 3, "", "", TabDet::AnyKeyword, 0, 0, 0, "", ""),
    };
    for (const TabDet& saved : cases) {
        SCOPED_TRACE(u8(saved.tabName));
        MemoryPrefs prefs;
        saved.save(prefs, false);
        EXPECT_EQ(prefs.keys(), storedKeys(saved.dirNo, saved.tabNo));
        EXPECT_EQ(u8(prefs.stringValue(TabDet::key("%dTabName%d", saved.dirNo, saved.tabNo))),
                  u8(saved.tabName));
        EXPECT_EQ(prefs.intValue(TabDet::key("%dOptSel%d", saved.dirNo, saved.tabNo)),
                  saved.optSel);

        TabDet loaded = TabDet::initWithDirNo(saved.dirNo, saved.tabNo);
        loaded.load(prefs);
        expectSameTab(loaded, saved);
    }
}

TEST(TabDet, SaveNameOnly)
{
    MemoryPrefs prefs;
    const TabDet before = makeTab(1, 3, "Old name", "ROCK\n", TabDet::AnyKeyword, TabDet::Tags,
                                  TabDet::ByTitle, TabDet::ByArtist, "", "");
    before.save(prefs, false);

    TabDet renamed = before;
    renamed.tabName = QStringLiteral("New name");
    renamed.list = QStringLiteral("JAZZ\n");
    renamed.optSel = TabDet::NoKeyword;
    renamed.save(prefs, true);

    EXPECT_EQ(prefs.keys(), storedKeys(1, 3));
    TabDet loaded = TabDet::initWithDirNo(1, 3);
    loaded.load(prefs);
    TabDet expected = before;
    expected.tabName = QStringLiteral("New name");
    expectSameTab(loaded, expected);

    // On its own, a name-only save stores just the name.
    MemoryPrefs fresh;
    renamed.save(fresh, true);
    EXPECT_EQ(fresh.keys(), QStringList{QStringLiteral("1TabName3")});
    EXPECT_EQ(u8(fresh.stringValue(QStringLiteral("1TabName3"))), "New name");
}

TEST(TabDet, TabZeroAndHelpBinderAreNeverStored)
{
    const struct {
        int dirNo;
        int tabNo;
    } cases[] = {{0, 0}, {5, 0}, {-1, 0}, {-1, 1}, {-1, 9}};
    for (const auto& c : cases) {
        SCOPED_TRACE("binder " + std::to_string(c.dirNo) + " tab " + std::to_string(c.tabNo));
        TabDet tab = TabDet::initWithDirNo(c.dirNo, c.tabNo);
        tab.tabName = QStringLiteral("Changed");
        tab.list = QStringLiteral("SONG\n");
        tab.optSel = TabDet::Setlist;
        for (const bool nameOnly : {false, true}) {
            MemoryPrefs prefs;
            tab.save(prefs, nameOnly);
            EXPECT_TRUE(prefs.keys().isEmpty()) << "name only " << nameOnly;
        }

        // Keys written for these numbers by anything else are not read either.
        MemoryPrefs prefs;
        for (const QString& key : storedKeys(c.dirNo, c.tabNo))
            prefs.setValue(key, key.contains(QLatin1String("Name")) ? QVariant(QStringLiteral("X"))
                                                                    : QVariant(3));
        TabDet loaded = TabDet::initWithDirNo(c.dirNo, c.tabNo);
        loaded.load(prefs);
        expectSameTab(loaded, TabDet::initWithDirNo(c.dirNo, c.tabNo));
    }
}

} // namespace
} // namespace partivo
