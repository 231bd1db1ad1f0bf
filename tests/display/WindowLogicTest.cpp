#include "QtPrinters.h"
#include "WindowDoubles.h"
#include "library/Pieces.h"
#include "platform/Commands.h"

#include <gtest/gtest.h>

namespace partivo {
namespace {

TEST(WindowLogic, ResetForgetsTheShownSongAndRefreshAsksForAReload)
{
    WindowsRig rig;
    RecordingWindow& w = rig.add(WinTypeBinder);
    const auto song = std::make_shared<Pieces>();
    const auto next = std::make_shared<Pieces>();
    w.setPDF(song, 3, false, true, 1, next, false);
    EXPECT_EQ(w.shown().pieceCour, song);
    EXPECT_EQ(w.shown().pageNoCour, 3);
    w.refreshNote(true);
    EXPECT_TRUE(w.messageLine().seconds30());

    w.resetPDF();
    EXPECT_EQ(w.shown().pieceCour, nullptr);
    EXPECT_EQ(w.shown().pieceNext, nullptr);
    EXPECT_EQ(w.shown().pageNoCour, 0);
    EXPECT_EQ(w.shown().pageNoCourOrig, 0);
    EXPECT_TRUE(w.shown().zoomTop);
    EXPECT_FALSE(w.shown().zoomOn);
    EXPECT_EQ(w.shown().currentSort, 0);
    EXPECT_FALSE(w.messageLine().seconds30());

    w.refreshTous();
    EXPECT_EQ(rig.keys, QList<int>{cmd::ReloadAllPages});
}

TEST(WindowLogic, NextWindowIdCyclesThroughTheListAndBackToMaster)
{
    WindowsRig rig;
    rig.windows.setWinIDs({WinID{0, "Lead", 1, 2, 0, 1}, WinID{1, "Drum", 0, 1, 2, 0}});
    RecordingWindow& w = rig.add(WinTypeBinder);
    QStringList ids;
    QList<int> defPDF;
    for (int i = 0; i < 4; ++i) {
        w.selectNextDir();
        ids << w.settings().altDir;
        defPDF << w.settings().defPDF;
    }
    EXPECT_EQ(ids, QStringList({"Lead", "Drum", "", "Lead"}));
    EXPECT_EQ(defPDF, (QList<int>{2, 1, 0, 2}));
    EXPECT_EQ(w.settings().altMode, 1);
    // No song shown: only the window menu is told.
    EXPECT_EQ(rig.keys, QList<int>(4, cmd::WindowIdChanged));

    rig.keys.clear();
    w.setPDF(std::make_shared<Pieces>(), 2, true, false, 0, nullptr, false);
    w.selectNextDir();
    EXPECT_EQ(w.shown().pieceCour, nullptr);
    EXPECT_EQ(rig.keys, (QList<int>{cmd::ReloadAllPages, cmd::WindowIdChanged}));
}

TEST(WindowLogic, RenamedIdLeavesTheWindowWithoutChoices)
{
    WindowsRig rig;
    rig.windows.setWinIDs({WinID{0, "Drum", 1, 2, 2, 1}});
    RecordingWindow& w = rig.add(WinTypeBinder, "Drum");
    EXPECT_EQ(w.settings().defMsg, 1);
    rig.windows.setWinIDs({WinID{0, "Drums", 1, 2, 2, 1}});
    w.refreshDefNoteDefPDF();
    EXPECT_EQ(w.settings().altDir, "Drum");
    EXPECT_EQ((QList<int>{w.settings().defNote, w.settings().defPDF, w.settings().defCHO,
                          w.settings().defMsg}),
              (QList<int>{0, 0, 0, 0}));
}

TEST(WindowLogic, AltModeToggleForgetsTheSong)
{
    WindowsRig rig;
    RecordingWindow& w = rig.add(WinTypeBinder);
    w.setPDF(std::make_shared<Pieces>(), 2, true, false, 0, nullptr, false);
    w.toggleAltModeOnOff();
    EXPECT_TRUE(w.settings().altModeOff);
    EXPECT_EQ(w.shown().pieceCour, nullptr);
    w.toggleAltModeOnOff();
    EXPECT_FALSE(w.settings().altModeOff);
}

TEST(WindowLogic, MetronomeTypeCyclesAndRedrawsHidden)
{
    WindowsRig rig;
    RecordingWindow& w = rig.add(WinTypeBinder);
    QList<int> types;
    for (int i = 0; i < 4; ++i) {
        w.setMetroType();
        types << w.settings().typeMetro;
    }
    EXPECT_EQ(types, (QList<int>{2, 3, 0, 1})); // starts at Double
    EXPECT_EQ(w.log, QStringList(4, "metro 0 1 1"));
    w.iniTypeMetro(11);
    EXPECT_EQ(w.settings().typeMetro, 1);
}

TEST(WindowLogic, ColoursGoToTheirIndexAndTheBackgroundToThePlatformWindow)
{
    WindowsRig rig;
    RecordingWindow& w = rig.add(WinTypeBinder);
    FakePlatform& p = rig.platform(0);
    const QColor grey(90, 90, 90);
    w.iniColorForObj(TabsInactBackColor, grey, true);
    EXPECT_EQ(w.colorForObj(TabsInactBackColor), grey);
    EXPECT_NE(w.colorForObj(RefFrameColor), grey);
    EXPECT_NE(w.colorForObj(RefMarkerColor), grey);
    EXPECT_FALSE(p.background.isValid());

    w.iniColorForObj(BackColor, grey, false);
    EXPECT_TRUE(p.opaque);
    EXPECT_EQ(p.background, grey);
    w.iniTransparent(true);
    EXPECT_FALSE(p.opaque);
    w.iniColorForObj(BackColor, QColor(Qt::darkBlue), false);
    EXPECT_FALSE(p.opaque); // a transparent window stays see-through
    w.setTransparentOnOff();
    EXPECT_TRUE(p.opaque);
    EXPECT_EQ(p.background, QColor(Qt::black));

    w.iniColorForObj(24, grey, true);
    EXPECT_FALSE(w.colorForObj(24).isValid());
    EXPECT_EQ(w.log, QStringList({"color 10 1", "color 1 0", "color 1 0"}));
}

TEST(WindowLogic, FlagSettersStoreAndLetTheWindowReact)
{
    WindowsRig rig;
    RecordingWindow& w = rig.add(WinTypeBinder);
    w.iniFlag(WindowFlag::hideList, true);
    w.iniFlag(WindowFlag::syncPageChanges, false);
    EXPECT_TRUE(w.settings().hideList);
    EXPECT_FALSE(w.settings().syncPageChanges);
    EXPECT_EQ(w.log,
              QStringList({QStringLiteral("flag %1").arg(int(WindowFlag::hideList)),
                           QStringLiteral("flag %1").arg(int(WindowFlag::syncPageChanges))}));
    w.iniModeAffichage(3, true); // not a mode
    w.iniModeAffichage(ModeHalfPageZoom, true);
    EXPECT_EQ(w.log.last(), "mode 1 1");
    EXPECT_EQ(w.log.size(), 3);
}

TEST(WindowLogic, FloatingWindowsDropWhileTheApplicationIsInactive)
{
    WindowsRig rig;
    RecordingWindow& binder = rig.add(WinTypeBinder);
    rig.add(WinTypeTitle); // companion windows float from the start
    EXPECT_FALSE(rig.platform(0).floating);
    EXPECT_TRUE(rig.platform(1).floating);
    EXPECT_TRUE(rig.at(1).settings().alwaysOnTop);

    for (auto* w : rig.windows.nsMutaryOfWindows())
        w->applicationActiveChanged(false);
    EXPECT_FALSE(rig.platform(1).floating);
    EXPECT_EQ(rig.platform(1).calls, QStringList({"float", "normal", "front"}));
    EXPECT_TRUE(rig.platform(0).calls.isEmpty());
    for (auto* w : rig.windows.nsMutaryOfWindows())
        w->applicationActiveChanged(true);
    EXPECT_TRUE(rig.platform(1).floating);
    EXPECT_FALSE(rig.platform(0).floating);

    binder.setAlwaysOnTopOnOff();
    EXPECT_TRUE(rig.platform(0).floating);
}

TEST(WindowLogic, SmallOperationsOfTheBase)
{
    WindowsRig rig;
    RecordingWindow& w = rig.add(WinTypeBinder);
    EXPECT_EQ(w.obtenirRefSize(), QSizeF(800, 600));
    w.setPlatformWindow(nullptr);
    EXPECT_EQ(w.obtenirRefSize(), QSizeF(0, 0));
    EXPECT_TRUE(w.isBoxRechHidden());
    EXPECT_EQ(w.obtenirTitle(), "");

    w.updateItunesInfo("Song", "Band", 10, 200, false);
    EXPECT_TRUE(w.playing());
    w.updateItunesInfo("", "", 0, 0, true);
    EXPECT_FALSE(w.playing());

    rig.windows.recOn = true;
    w.refreshNote(true);
    w.refreshPiece();
    EXPECT_FALSE(rig.windows.recOn);
    EXPECT_FALSE(w.messageLine().seconds30());
}

TEST(WindowLogic, NoteLineShowsTheMessageOverTheNote)
{
    WindowsRig rig;
    RecordingWindow& w = rig.add(WinTypeBinder);
    int changes = 0;
    w.setNoteLineObserver([&] { ++changes; });
    w.setNoteLine("Capo 2");
    w.setMsg("Break", false);
    EXPECT_EQ(w.shownLine(), "Break");
    rig.timers.advance(MessageLine::kHideDelayMs);
    EXPECT_EQ(w.shownLine(), "Capo 2");
    EXPECT_EQ(changes, 3);
}

} // namespace
} // namespace partivo
