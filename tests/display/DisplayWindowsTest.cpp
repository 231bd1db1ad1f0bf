#include "QtPrinters.h"
#include "WindowDoubles.h"
#include "display/Dimmer.h"
#include "library/Options.h"
#include "library/Pieces.h"
#include "platform/Commands.h"
#include "platform/MemoryPrefs.h"

#include <gtest/gtest.h>

namespace partivo {
namespace {

const QString kWarning = QStringLiteral("\u26A0\uFE0F ");

TEST(DisplayWindows, ClosingAWindowRemovesItAndMakesABinderWindowKey)
{
    WindowsRig rig;
    rig.add(WinTypeBinder);
    RecordingWindow& second = rig.add(WinTypeBinder);
    RecordingWindow& title = rig.add(WinTypeTitle);
    rig.platform(1).screen = 0;
    rig.clearLogs();

    rig.windows.winClose(&title);
    EXPECT_EQ(rig.windows.nsMutaryOfWindows().size(), 2);
    EXPECT_EQ(rig.keys, QList<int>{cmd::WindowsChanged});
    // No window marked: the last binder window on the first one's screen.
    EXPECT_TRUE(rig.platform(1).calls.contains("makeKey"));
    EXPECT_FALSE(rig.platform(0).calls.contains("makeKey"));

    rig.at(0).windowDidBecomeMain();
    EXPECT_TRUE(rig.at(0).settings().keywin);
    second.windowDidBecomeMain();
    EXPECT_FALSE(rig.at(0).settings().keywin);
    EXPECT_TRUE(second.settings().keywin);
    rig.platform(0).calls.clear();
    rig.at(0).mutableSettings().keywin = true;
    second.mutableSettings().keywin = false;
    EXPECT_EQ(rig.windows.activateKeywin(), &rig.at(0));
    EXPECT_EQ(rig.platform(0).calls, QStringList{"makeKey"});
}

TEST(DisplayWindows, KeyWindowChoiceFollowsTheFirstBinderWindowsScreen)
{
    WindowsRig rig;
    rig.add(WinTypeBinder);
    rig.add(WinTypeBinder);
    rig.add(WinTypeSummary);
    rig.add(WinTypeBinder);
    rig.platform(0).screen = 1;
    rig.platform(1).screen = 0;
    rig.platform(2).screen = 1;
    rig.platform(3).screen = 1;
    EXPECT_EQ(rig.windows.activateKeywin(), &rig.at(3));

    WindowsRig none;
    none.add(WinTypeTitle);
    EXPECT_EQ(none.windows.activateKeywin(), nullptr);
}

TEST(DisplayWindows, LookUpsByPlatformWindow)
{
    WindowsRig rig;
    rig.add(WinTypeBinder);
    rig.add(WinTypeSummary);
    EXPECT_EQ(rig.windows.getKeyWin(), nullptr);
    rig.platform(1).key = true;
    EXPECT_EQ(rig.windows.getKeyWin(), &rig.at(1));
    EXPECT_EQ(rig.windows.getWinController(), &rig.at(1));
    EXPECT_EQ(rig.windows.getWinControllerForWin(&rig.platform(0)), &rig.at(0));
    EXPECT_EQ(rig.windows.getWinControllerForWin(nullptr), nullptr);
    // Two display windows on one platform window: the later one.
    rig.at(1).setPlatformWindow(&rig.platform(0));
    EXPECT_EQ(rig.windows.getWinControllerForWin(&rig.platform(0)), &rig.at(1));
}

TEST(DisplayWindows, ClosingAllAndClosingCompanions)
{
    WindowsRig rig;
    for (int type : {WinTypeTitle, WinTypeBinder, WinTypeSummary, WinTypeNote, WinTypeBinder})
        rig.add(type);
    rig.platform(1).fullScreen = true;
    rig.windows.exitFullScreenForAllWin();
    EXPECT_EQ(rig.platform(1).calls, QStringList{"exitFullScreen"});
    EXPECT_FALSE(rig.platform(0).calls.contains("exitFullScreen"));

    rig.windows.closeAllCompWin();
    ASSERT_EQ(rig.windows.nsMutaryOfWindows().size(), 2);
    EXPECT_EQ(rig.windows.nsMutaryOfWindows()[0], &rig.at(1));
    EXPECT_EQ(rig.windows.nsMutaryOfWindows()[1], &rig.at(4));
    for (int i : {0, 2, 3})
        EXPECT_TRUE(rig.platform(i).calls.contains("close")) << i;

    // A platform window that reports its closing back while the list is being emptied.
    rig.platform(1).onClose = [&] { rig.windows.winClose(&rig.at(1)); };
    rig.windows.closeAllWin();
    EXPECT_TRUE(rig.windows.nsMutaryOfWindows().isEmpty());
    EXPECT_TRUE(rig.platform(4).calls.contains("close"));
}

TEST(DisplayWindows, DestroyedWindowLeavesTheList)
{
    WindowsRig rig;
    rig.add(WinTypeBinder);
    rig.add(WinTypeBinder);
    rig.logic[0].reset();
    ASSERT_EQ(rig.windows.nsMutaryOfWindows().size(), 1);
    EXPECT_EQ(rig.windows.nsMutaryOfWindows()[0], &rig.at(1));
}

struct ModeRow {
    const char* name;
    bool allScreens;
    QList<int> expectedModes;
};

TEST(DisplayWindows, ModeBroadcastSkipsSinglePageAndFollowsSyncOrTheKeyWindow)
{
    const ModeRow rows[] = {
        {"all synchronised windows", true, {1, 2, 0, 1}},
        {"the key window only", false, {0, 2, 1, 0}},
    };
    for (const ModeRow& row : rows) {
        WindowsRig rig;
        for (int i = 0; i < 4; ++i)
            rig.add(WinTypeBinder);
        rig.at(1).iniModeAffichage(ModeSinglePage, false);
        rig.at(2).iniFlag(WindowFlag::syncPageChanges, false);
        rig.platform(2).key = true;
        const bool zoom = rig.windows.setModeAffichageX(ModeHalfPageZoom, row.allScreens);
        QList<int> modes;
        for (int i = 0; i < 4; ++i)
            modes << rig.at(i).settings().modeAffichage;
        EXPECT_EQ(modes, row.expectedModes) << row.name;
        EXPECT_EQ(zoom, row.allScreens) << row.name; // an unsynchronised zoom does not count
    }
}

TEST(DisplayWindows, PageTurnsForAnIdAndForWindowsTurningTheirOwnPages)
{
    WindowsRig rig;
    rig.add(WinTypeBinder, "Drum");
    rig.add(WinTypeBinder, "Lead");
    rig.add(WinTypeSummary, "DRUM");
    RecordingWindow& own = rig.add(WinTypeBinder);
    rig.windows.pageUpDownforWinIDX("drum", true);
    rig.windows.pageUpDownforWinIDX("", false);
    EXPECT_EQ(rig.at(0).log, QStringList{"pageDown"});
    EXPECT_TRUE(rig.at(1).log.isEmpty());
    EXPECT_EQ(rig.at(2).log, QStringList{"pageDown"});
    EXPECT_TRUE(own.log.isEmpty());

    EXPECT_FALSE(rig.windows.traiterPageUpDown(false));
    own.iniFlag(WindowFlag::syncPageChanges, false);
    EXPECT_FALSE(rig.windows.traiterPageUpDown(false)); // does not turn on page keys
    own.iniFlag(WindowFlag::pageUpdown, true);
    own.log.clear();
    EXPECT_TRUE(rig.windows.traiterPageUpDown(false));
    EXPECT_EQ(own.log, QStringList{"pageUp"});
}

TEST(DisplayWindows, SongAndRefreshBroadcastsReachEveryWindowInOrder)
{
    WindowsRig rig;
    rig.add(WinTypeBinder);
    rig.add(WinTypeTitle);
    const auto song = std::make_shared<Pieces>();
    DisplayWindows::SongCall call{song, 4, false, nullptr, false, true, 1, {"A..", {}, true}};
    EXPECT_TRUE(rig.windows.setPDFx(call));
    EXPECT_FALSE(rig.windows.setPDFx(call)); // the same song again
    call.piece = std::make_shared<Pieces>();
    EXPECT_TRUE(rig.windows.setPDFx(call));
    for (int i = 0; i < 2; ++i) {
        EXPECT_EQ(rig.at(i).shown().pieceCour, call.piece);
        EXPECT_EQ(rig.at(i).shown().pageNoCour, 4);
        EXPECT_TRUE(rig.at(i).shown().zoomOn);
        EXPECT_EQ(rig.at(i).shown().currentSort, 1);
        EXPECT_EQ(rig.at(i).log.last(), "rech A..");
    }
    rig.clearLogs();
    rig.windows.refreshX();
    rig.windows.refreshinfoX();
    rig.windows.afficherTocX(true, 36, false);
    rig.windows.ajusterCadreX(false);
    rig.windows.ajusterDimmerX(0.2, 0.15);
    const QStringList expected{"refreshPDF", "refreshInfo", "toc 1", "cadre 0", "dimmer 0.2 0.15"};
    EXPECT_EQ(rig.at(0).log, expected);
    EXPECT_EQ(rig.at(1).log, expected);

    rig.windows.refreshDefNoteDefPDFX();
    EXPECT_EQ(rig.at(0).shown().pieceCour, nullptr);
}

TEST(DisplayWindows, MessagesReachTheWindowsOfTheirIdEachWithItsOwnTimer)
{
    WindowsRig rig;
    rig.windows.setWinIDs({WinID{0, "Drum"}, WinID{1, "Lead", 0, 0, 0, 1}});
    rig.add(WinTypeBinder);
    rig.add(WinTypeBinder, "Drum");
    rig.add(WinTypeBinder, "Lead"); // receives only messages for Lead
    rig.add(WinTypeSummary);
    rig.add(WinTypeNote, "Drum");
    rig.add(WinTypeTitle);
    const auto texts = [&] {
        QStringList out;
        for (auto& w : rig.logic)
            out << w->messageLine().text();
        return out;
    };
    EXPECT_EQ(rig.windows.setMsgX("Break", "", false), 4);
    const QString shown = kWarning + "Break";
    EXPECT_EQ(texts(), QStringList({shown, shown, "", shown, shown, ""}));

    rig.timers.advance(1500);
    EXPECT_EQ(rig.windows.setMsgX("Fill", "drum", true), 2);
    EXPECT_EQ(texts(), QStringList({shown, "Fill", "", shown, "Fill", ""}));
    rig.timers.advance(1500); // the drum windows' timers were cancelled
    EXPECT_EQ(texts(), QStringList({"", "Fill", "", "", "Fill", ""}));

    EXPECT_EQ(rig.windows.setMsgX("", "Drum", false), 2);
    EXPECT_EQ(texts(), QStringList(6, ""));
    EXPECT_TRUE(rig.timers.activeNames().isEmpty());
}

TEST(DisplayWindows, ZoomFlagCountsSynchronisedHalfPagesOnly)
{
    WindowsRig rig;
    RecordingWindow& a = rig.add(WinTypeBinder);
    RecordingWindow& b = rig.add(WinTypeBinder);
    EXPECT_FALSE(rig.windows.isUneFenetreEstZoomDemiPage());
    b.iniFlag(WindowFlag::ratio21, true);
    EXPECT_TRUE(rig.windows.isUneFenetreEstZoomDemiPage());
    a.refreshZoomOn();
    EXPECT_TRUE(a.shown().zoomOn);
    b.iniFlag(WindowFlag::syncPageChanges, false);
    EXPECT_FALSE(rig.windows.isUneFenetreEstZoomDemiPage());
}

TEST(WinIDs, FirstStartSaveLoadAndNext)
{
    NotificationCenter center;
    DisplayWindows windows(center);
    MemoryPrefs prefs;
    windows.chargerWinIDs(prefs);
    ASSERT_EQ(windows.winIDs().size(), 2);
    EXPECT_EQ(windows.winIDs()[0].idWin, "Lead");
    EXPECT_EQ(windows.winIDs()[1].idWin, "Drum");

    WinID& added = windows.creerWinIDs();
    EXPECT_EQ(added.idWin, "");
    added.idWin = "Keys";
    added.defPDF = 2;
    added.defMsg = 1;
    windows.supprimerWinIDsForIndex(0);
    windows.supprimerWinIDsForIndex(7); // no such record
    windows.saveWinIDs(prefs);
    EXPECT_EQ(prefs.intValue("WinID_nbWinID"), 2);
    EXPECT_EQ(prefs.stringValue("WinID_idWin_1"), "Keys");

    DisplayWindows reloaded(center);
    reloaded.chargerWinIDs(prefs);
    ASSERT_EQ(reloaded.winIDs().size(), 2);
    EXPECT_EQ(reloaded.winIDs()[1], (WinID{1, "Keys", 0, 2, 0, 1}));

    struct NextRow {
        int mode;
        const char* current;
        const char* next; // nullptr: none
    };
    const NextRow rows[] = {
        {0, "", "Drum"},      {0, "Keys", "Drum"},  {1, "Drum", "Keys"},
        {1, "Keys", nullptr}, {1, "drum", nullptr}, {1, "Gone", nullptr},
    };
    for (const NextRow& row : rows) {
        const WinID* next = reloaded.obtenirNextWinID(row.mode, row.current);
        if (row.next)
            EXPECT_TRUE(next && next->idWin == row.next) << row.mode << row.current;
        else
            EXPECT_EQ(next, nullptr) << row.mode << row.current;
    }
    DisplayWindows empty(center);
    EXPECT_EQ(empty.obtenirNextWinID(0, ""), nullptr);
}

TEST(Dimmer, OpacitiesFromTheOptions)
{
    struct Row {
        QMap<QString, QVariant> stored;
        DimmerValues expected;
    };
    const Row rows[] = {
        {{}, {0.0, 0.15}},                                               // defaults: dimmer off
        {{{"genOptDimmer", 1}, {"genOptDimmerVal", 40.0}}, {0.0, 0.15}}, // not saved yet
        {{{"OptWasSaved", true}, {"genOptDimmer", 1}, {"genOptDimmerVal", 40.0}}, {0.4, 0.15}},
        {{{"OptWasSaved", true}, {"genOptDimmer", 0}, {"genOptDimmerVal", 40.0}}, {0.0, 0.15}},
        {{{"OptWasSaved2D", true}, {"genOptDimmerValInact", 250.0}}, {0.0, 1.0}},
        {{{"OptWasSaved", true}, {"genOptDimmer", 1}, {"genOptDimmerVal", -5.0}}, {0.0, 0.15}},
    };
    for (const Row& row : rows) {
        MemoryPrefs prefs(row.stored);
        EXPECT_EQ(ajusterDimmer(Options::load(prefs, false)), row.expected)
            << row.stored.keys().join(",").toStdString();
    }
    Options nan;
    nan.genOptDimmer = true;
    nan.genOptDimmerVal = std::nan("");
    EXPECT_EQ(ajusterDimmer(nan).dimmer, 0.0);
}

} // namespace
} // namespace partivo
