#include "QtPrinters.h"
#include "display/WindowSettingsStore.h"
#include "platform/MemoryPrefs.h"

#include <climits>
#include <gtest/gtest.h>

namespace partivo {
namespace {

const QList<WinID> kWinIDs = {
    {0, "Lead", 1, 2, 1, 0},
    {1, "Drum", 0, 1, 2, 1},
    {2, "Drum", 1, 1, 1, 0}, // a second record of the same name is never used
    {3, "", 1, 1, 1, 1},     // a record just inserted, not yet named
};

// Every stored setting of a new binder window, with the key the screenset writes.
TEST(WindowSettings, NewWindowStoresEveryDefaultUnderItsKey)
{
    const QMap<QString, QVariant> expected = {
        {"S0winType", 0},
        {"S0zoomed", false},
        {"S0keywin", false},
        {"S0fullScreen", false},
        {"S0ongletsVisibles", true},
        {"S0singlePage", false},
        {"S0ratio21", false},
        {"S0chordProChordsBold", false},
        {"S0chordProLyricsBold", false},
        {"S0chordProDiagramsHide", false},
        {"S0pageNoPDFHide", false},
        {"S0pageNoCHDHide", false},
        {"S0noShadow", false},
        {"S0hideTitleElementTitle", false},
        {"S0hideTitleElementTempo", false},
        {"S0hideTitleElementNote", false},
        {"S0hideList", false},
        {"S0hideFrame", false},
        {"S0lyricsOnly", false},
        {"S0syncPageChanges", true},
        {"S0pageUpDown", false},
        {"S0modeAffichage", 0},
        {"S0fixPageNo", 0},
        {"S0typeMetro", 1},
        {"S0transparent", false},
        {"S0alwaysOnTop", false},
        {"S0altMode", 0},
        {"S0altDir", ""},
        {"S0screenNo", 0},
        {"S0originx", 0},
        {"S0originy", 0},
        {"S0sizewidth", 0},
        {"S0sizeheight", 0},
    };
    MemoryPrefs prefs;
    saveWindow(prefs, "S", 0, WindowSettings::forType(WinTypeBinder), WindowPlacement{});
    QStringList colorKeys;
    for (int c = 0; c < kColorCount; ++c)
        colorKeys << QStringLiteral("S0color%1").arg(c);
    for (auto it = expected.cbegin(); it != expected.cend(); ++it) {
        SCOPED_TRACE(it.key().toStdString());
        ASSERT_TRUE(prefs.contains(it.key()));
        EXPECT_EQ(prefs.value(it.key()), it.value());
    }
    EXPECT_EQ(prefs.keys().size(), expected.size() + kColorCount);
    for (const QString& key : colorKeys)
        EXPECT_TRUE(prefs.contains(key)) << key.toStdString();

    const WindowSettings fresh = WindowSettings::forType(WinTypeBinder);
    EXPECT_EQ(fresh.nbrPages, 1);
    EXPECT_EQ(fresh.defNote + fresh.defPDF + fresh.defCHO + fresh.defMsg, 0);
}

WindowSettings everythingChanged()
{
    WindowSettings s = WindowSettings::forType(WinTypeSummary);
    s.modeAffichage = ModeSlideLeft;
    s.fixPageNo = 6;
    s.typeMetro = MetroNone;
    for (bool* flag :
         {&s.singlePageForce, &s.ratio21, &s.pageUpdown, &s.fullScreen, &s.noShadow,
          &s.hideTitleElementTitle, &s.hideTitleElementTempo, &s.hideTitleElementNote, &s.hideList,
          &s.hideFrame, &s.lyricsOnly, &s.chordProChordsBold, &s.chordProLyricsBold,
          &s.pageNoPDFHide, &s.pageNoCHDHide, &s.transparent, &s.alwaysOnTop, &s.keywin})
        *flag = true;
    s.syncPageChanges = false;
    s.ongletsVisibles = false;
    s.iniMode(1, "Drum", kWinIDs);
    s.colors.iniColorForObj(PageNoCHDColor, QColor(9, 8, 7, 6));
    return s;
}

TEST(WindowSettings, EverySettingSurvivesSaveAndLoad)
{
    const WindowSettings saved = everythingChanged();
    const WindowPlacement placement{true, true, 2, QRect(-1920, 40, 800, 600)};
    MemoryPrefs prefs;
    saveWindow(prefs, "Set3_", 4, saved, placement);
    EXPECT_EQ(loadWinType(prefs, "Set3_", 4), WinTypeSummary);
    EXPECT_EQ(loadWinType(prefs, "Set3_", 5), -1);

    WindowSettings loaded = WindowSettings::forType(WinTypeBinder);
    WindowPlacement loadedPlacement;
    loadWindow(prefs, "Set3_", 4, loaded, loadedPlacement, kWinIDs);
    EXPECT_TRUE(loaded == saved);
    EXPECT_TRUE(loadedPlacement == placement);
    EXPECT_EQ(loaded.defMsg, 1);
}

TEST(WindowSettings, KeywinIsStoredFromThePlatformKeyWindow)
{
    WindowSettings settings = WindowSettings::forType(WinTypeBinder);
    settings.keywin = true;
    MemoryPrefs prefs;
    saveWindow(prefs, "P", 0, settings, WindowPlacement{});
    EXPECT_EQ(prefs.value("P0keywin"), false);
    WindowPlacement placement;
    loadWindow(prefs, "P", 0, settings, placement, {});
    EXPECT_FALSE(settings.keywin);
}

TEST(WindowSettings, MissingKeysLeaveTheSettingsAsTheyAre)
{
    const WindowSettings before = everythingChanged();
    WindowSettings settings = before;
    WindowPlacement placement{false, true, 1, QRect(1, 2, 3, 4)};
    const WindowPlacement placementBefore = placement;
    loadWindow(MemoryPrefs(), "P", 0, settings, placement, kWinIDs);
    EXPECT_TRUE(settings == before);
    EXPECT_TRUE(placement == placementBefore);
}

struct BadValueRow {
    const char* suffix;
    QVariant stored;
};

TEST(WindowSettings, ValuesASettingCannotTakeAreNotLoaded)
{
    const BadValueRow rows[] = {
        {"winType", 13},      {"winType", -1},       {"modeAffichage", 3},
        {"modeAffichage", 6}, {"modeAffichage", -1}, {"fixPageNo", 7},
        {"fixPageNo", -1},    {"typeMetro", 4},      {"typeMetro", 10},
        {"typeMetro", -1},    {"typeMetro", "x"},    {"syncPageChanges", "maybe"},
    };
    for (const BadValueRow& row : rows) {
        SCOPED_TRACE(std::string(row.suffix) + "=" + row.stored.toString().toStdString());
        const WindowSettings before = WindowSettings::forType(WinTypeTempo);
        WindowSettings settings = before;
        WindowPlacement placement;
        loadWindow(MemoryPrefs({{QString("P0") + row.suffix, row.stored}}), "P", 0, settings,
                   placement, kWinIDs);
        EXPECT_TRUE(settings == before);
    }
}

TEST(WindowSettings, StoredTextValuesAreRead)
{
    // A settings file gives text back for every value.
    MemoryPrefs prefs({{"P0modeAffichage", "4"},
                       {"P0hideList", "true"},
                       {"P0altMode", "1"},
                       {"P0altDir", "Lead"},
                       {"P0sizewidth", "1024"}});
    WindowSettings settings;
    WindowPlacement placement;
    loadWindow(prefs, "P", 0, settings, placement, kWinIDs);
    EXPECT_EQ(settings.modeAffichage, ModeAlternate);
    EXPECT_TRUE(settings.hideList);
    EXPECT_EQ(settings.altDir, "Lead");
    EXPECT_EQ(settings.defPDF, 2);
    EXPECT_EQ(placement.frame.width(), 1024);
}

struct ModeRow {
    int mode;
    const char* dir;
    int altMode;
    const char* altDir;
    int defNote, defPDF, defCHO, defMsg;
};

TEST(WindowSettings, IniModeSetsTheIdAndCopiesTheChoicesOfItsRecord)
{
    const ModeRow rows[] = {
        {1, "Lead", 1, "Lead", 1, 2, 1, 0},
        {1, "Drum", 1, "Drum", 0, 1, 2, 1}, // the first record of that name
        {7, "Drum", 1, "Drum", 0, 1, 2, 1},
        {1, "drum", 1, "drum", 0, 0, 0, 0}, // records match by exact name only
        {1, "Bass", 1, "Bass", 0, 0, 0, 0},
        {0, "Lead", 0, "", 0, 0, 0, 0},
        // No ID given: the master window, not the unnamed record's choices.
        {1, "", 0, "", 0, 0, 0, 0},
        {0, "", 0, "", 0, 0, 0, 0},
    };
    for (const ModeRow& row : rows) {
        SCOPED_TRACE(std::to_string(row.mode) + " " + row.dir);
        WindowSettings s = WindowSettings::forType(WinTypeBinder);
        s.iniMode(1, "Lead", kWinIDs);
        s.altModeOff = true;
        s.altModeOk = true;
        s.iniMode(row.mode, row.dir, kWinIDs);
        EXPECT_EQ(s.altMode, row.altMode);
        EXPECT_EQ(s.altDir, row.altDir);
        EXPECT_EQ(s.defNote, row.defNote);
        EXPECT_EQ(s.defPDF, row.defPDF);
        EXPECT_EQ(s.defCHO, row.defCHO);
        EXPECT_EQ(s.defMsg, row.defMsg);
        EXPECT_FALSE(s.altModeOff);
        EXPECT_FALSE(s.altModeOk);
    }
}

TEST(WindowSettings, RenamedIdLeavesTheWindowWithoutChoices)
{
    WindowSettings s = WindowSettings::forType(WinTypeBinder);
    s.iniMode(1, "Drum", kWinIDs);
    QList<WinID> renamed = kWinIDs;
    renamed[1].idWin = "Drums";
    renamed[2].idWin = "Perc";
    s.refreshDefNoteDefPDF(renamed);
    EXPECT_EQ(s.altDir, "Drum");
    EXPECT_EQ(s.defPDF + s.defCHO + s.defMsg + s.defNote, 0);
}

TEST(WindowSettings, MetronomeTypeCyclesAndRejectsUnknownTypes)
{
    const int cycle[][2] = {{0, 1}, {1, 2}, {2, 3}, {3, 0}};
    for (const auto& step : cycle) {
        WindowSettings s;
        s.typeMetro = step[0];
        s.setMetroType();
        EXPECT_EQ(s.typeMetro, step[1]) << "from " << step[0];
    }
    for (int type : {0, 1, 2, 3}) {
        WindowSettings s;
        EXPECT_TRUE(s.iniTypeMetro(type));
        EXPECT_EQ(s.typeMetro, type);
    }
    for (int type : {-1, 4, 10, 11, 12}) {
        WindowSettings s;
        EXPECT_FALSE(s.iniTypeMetro(type)) << type;
        EXPECT_EQ(s.typeMetro, MetroDouble);
    }
}

TEST(WindowSettings, DisplayModeAndPageOffsetTakeOnlyTheirValues)
{
    for (int mode = -1; mode <= 6; ++mode) {
        WindowSettings s;
        s.modeAffichage = ModeSinglePage;
        const bool valid = mode >= 0 && mode <= 5 && mode != 3;
        EXPECT_EQ(s.iniModeAffichage(mode), valid) << mode;
        EXPECT_EQ(s.modeAffichage, valid ? mode : int(ModeSinglePage)) << mode;
    }
    for (int offset = -1; offset <= 7; ++offset) {
        WindowSettings s;
        s.fixPageNo = 3;
        const bool valid = offset >= 0 && offset <= 6;
        EXPECT_EQ(s.iniFixPageNo(offset), valid) << offset;
        EXPECT_EQ(s.fixPageNo, valid ? offset : 3) << offset;
    }
}

TEST(WindowSettings, FrameIsTruncatedToWholePoints)
{
    EXPECT_EQ(truncatedFrame(QRectF(10.9, -20.7, 800.5, 600.99)), QRect(10, -20, 800, 600));
    EXPECT_EQ(truncatedFrame(QRectF(qInf(), 0, 1e12, 5)), QRect(0, 0, INT_MAX, 5));
}

} // namespace
} // namespace partivo
