#include "display/StageLayout.h"
#include "QtPrinters.h"
#include "WindowDoubles.h"
#include "display/WindowTypes.h"
#include "platform/MemoryPrefs.h"

#include <gtest/gtest.h>

namespace partivo {
namespace {

// The windows of the last run come back where they were and as they were, the binder
// windows first; a window of a screen that is not there now stays away.
TEST(StageLayout, BinderWindowsComeBackWithTheirFrameModeIdAndFullScreen)
{
    MemoryPrefs prefs;
    const QString prefix = stageLayoutPrefix(2);
    EXPECT_EQ(prefix, QStringLiteral("lastExec02"));
    {
        WindowsRig before;
        WinID drum;
        drum.idWin = QStringLiteral("Drum");
        before.windows.setWinIDs({drum});
        RecordingWindow& main = before.add(WinTypeBinder);
        main.iniModeAffichage(ModeAlternate, false);
        before.platform(0).frame = QRect(10, 20, 1200, 700);
        RecordingWindow& drums = before.add(WinTypeBinder, QStringLiteral("Drum"));
        drums.iniFlag(WindowFlag::singlePageForce, true);
        drums.iniModeAffichage(ModeSinglePage, false);
        drums.iniFlag(WindowFlag::ongletsVisibles, false);
        before.platform(1).frame = QRect(1300, 0, 700, 1000);
        before.platform(1).screen = 1;
        before.platform(1).key = true;
        drums.iniFullScreen(true);
        before.add(WinTypeTitle);
        RecordingWindow& gone = before.add(WinTypeBinder);
        before.platform(3).screen = 2; // a screen this machine will not have next time
        (void)gone;
        saveStageLayout(prefs, prefix, before.windows);
    }
    EXPECT_TRUE(prefs.boolValue(prefix + "Saved"));
    EXPECT_EQ(prefs.intValue(prefix + "nbWin"), 4);

    WindowsRig after;
    WinID drum;
    drum.idWin = QStringLiteral("Drum");
    after.windows.setWinIDs({drum});
    QList<int> madeTypes;
    const int made =
        loadStageLayout(prefs, prefix, after.windows, 2, [&](int winType) -> WindowPDFxSuper* {
            madeTypes.append(winType);
            return &after.add(winType);
        });
    ASSERT_EQ(made, 3);
    EXPECT_EQ(madeTypes, (QList<int>{WinTypeBinder, WinTypeBinder, WinTypeTitle}));
    ASSERT_EQ(after.windows.nsMutaryOfWindows().size(), 3);
    EXPECT_EQ(after.at(2).settings().winType, WinTypeTitle);
    EXPECT_EQ(after.at(0).settings().modeAffichage, ModeAlternate);
    EXPECT_EQ(after.platform(0).frame, QRect(10, 20, 1200, 700));
    EXPECT_FALSE(after.platform(0).fullScreen);
    EXPECT_EQ(after.at(0).settings().altDir, QString());
    EXPECT_EQ(after.at(1).settings().altDir, QStringLiteral("Drum"));
    EXPECT_EQ(after.at(1).settings().modeAffichage, ModeSinglePage);
    EXPECT_TRUE(after.at(1).settings().singlePageForce);
    EXPECT_FALSE(after.at(1).settings().ongletsVisibles);
    EXPECT_EQ(after.platform(1).frame, QRect(1300, 0, 700, 1000));
    EXPECT_TRUE(after.platform(1).fullScreen);
    EXPECT_TRUE(after.at(1).settings().keywin) << "the key window of the last run";
    EXPECT_FALSE(after.at(0).settings().keywin);

    // Nothing stored for one screen: nothing made.
    WindowsRig single;
    EXPECT_EQ(
        loadStageLayout(prefs, stageLayoutPrefix(1), single.windows, 1,
                        [&](int winType) -> WindowPDFxSuper* { return &single.add(winType); }),
        0);
}

} // namespace
} // namespace partivo
