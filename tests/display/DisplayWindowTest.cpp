#include "display/widgets/DisplayWindow.h"
#include "display/DisplayWindows.h"
#include "platform/Commands.h"
#include "platform/ManualTimers.h"
#include "platform/NotificationCenter.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QVariantMap>
#include <gtest/gtest.h>

namespace partivo {
namespace {

// A display window on the manual clock, with a record of the key commands it posts.
struct Rig {
    ManualTimers timers;
    NotificationCenter center;
    QList<int> keys;
    DisplayWindows windows{center};
    DisplayWindow window{std::make_unique<WindowPDFxSuper>(WinTypeBinder, windows, center, timers),
                         center};

    Rig()
    {
        center.addObserver(QLatin1String(action::Key), [this](const QVariant& p) {
            keys.append(p.toMap().value(QLatin1String(kCommandParam)).toInt());
        });
        windows.append(&window.logic());
        window.resize(800, 600);
        window.show();
    }
    void press(int key, Qt::KeyboardModifiers modifiers, quint32 evdev)
    {
        QKeyEvent event(QEvent::KeyPress, key, modifiers, evdev + 8, 0, 0);
        QCoreApplication::sendEvent(&window, &event);
    }
};

TEST(DisplayWindow, MessageLineShowsOverTheNoteAndHidesAfterThreeSeconds)
{
    Rig rig;
    rig.window.logic().setNoteLine(QStringLiteral("Capo on 2"));
    EXPECT_EQ(rig.window.shownLine(), QStringLiteral("Capo on 2"));
    // In the window's text colour, never the platform's black on the black background.
    const auto* line = rig.window.findChild<QLabel*>(QStringLiteral("noteLine"));
    ASSERT_NE(line, nullptr);
    EXPECT_EQ(line->palette().color(QPalette::WindowText),
              rig.window.settings().colors.colorForObj(ActColor));
    rig.window.logic().setMsg(QStringLiteral("Key change"), false);
    EXPECT_EQ(rig.window.shownLine(), QStringLiteral("Key change"));
    rig.window.logic().setNoteLine(QStringLiteral("Next song's note")); // the message stays on top
    EXPECT_EQ(rig.window.shownLine(), QStringLiteral("Key change"));
    rig.timers.advance(MessageLine::kHideDelayMs - 1);
    EXPECT_EQ(rig.window.shownLine(), QStringLiteral("Key change"));
    rig.timers.advance(1);
    EXPECT_EQ(rig.window.shownLine(), QStringLiteral("Next song's note"));

    rig.window.logic().setMsg(QStringLiteral("Stays"), true);
    rig.timers.advance(60000);
    EXPECT_EQ(rig.window.shownLine(), QStringLiteral("Stays"));
    rig.window.logic().setMsg(QString(), true);
    EXPECT_EQ(rig.window.shownLine(), QStringLiteral("Next song's note"));
}

TEST(DisplayWindow, WindowKeysThenApplicationKeysPostCommandsAndOtherKeysGoOn)
{
    Rig rig;
    rig.press(Qt::Key_Period, Qt::NoModifier, 52);
    rig.press(Qt::Key_Greater, Qt::ShiftModifier, 52);
    rig.press(Qt::Key_Equal, Qt::ControlModifier, 13);
    rig.press(Qt::Key_Udiaeresis, Qt::NoModifier, 26); // another layout's key at "["
    rig.press(Qt::Key_Right, Qt::NoModifier, 106);
    rig.press(Qt::Key_Right, Qt::ControlModifier, 106);
    rig.press(Qt::Key_A, Qt::NoModifier, 30);
    rig.press(Qt::Key_9, Qt::NoModifier, 10);
    rig.press(Qt::Key_PageDown, Qt::NoModifier, 109);
    rig.press(Qt::Key_Q, Qt::ControlModifier, 16); // goes on
    rig.press(Qt::Key_F1, Qt::NoModifier, 59);     // goes on
    EXPECT_EQ(rig.keys, (QList<int>{74, 86, 52, 80, 37, 41, 0, 35, 44}));
}

TEST(DisplayWindow, HiddenRegionClicksBecomeCommandsWhenTheOptionIsOn)
{
    Rig rig;
    auto click = [&](QPointF pos) {
        QMouseEvent event(QEvent::MouseButtonPress, pos, rig.window.mapToGlobal(pos),
                          Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(&rig.window, &event);
    };
    click({200, 100});
    EXPECT_TRUE(rig.keys.isEmpty());
    WindowOptions options;
    options.hiddenRegions = true;
    rig.window.logic().applyWindowOptions(options);
    click({200, 100}); // left upper: previous song
    click({600, 500}); // right lower: page down
    click({10, 100});  // near the left edge: passes on
    EXPECT_EQ(rig.keys, (QList<int>{69, 72}));
}

TEST(DisplayWindow, FloatingFollowsTheSettingAndTheApplicationsActivation)
{
    Rig rig;
    WindowPDFxSuper& logic = rig.window.logic();
    EXPECT_FALSE(rig.window.floating());
    logic.applicationActiveChanged(false);
    EXPECT_FALSE(rig.window.floating()); // a normal window stays normal
    logic.iniAlwaysOnTop(true);
    EXPECT_TRUE(rig.window.floating());
    EXPECT_TRUE(rig.window.isVisible());
    logic.applicationActiveChanged(false);
    EXPECT_FALSE(rig.window.floating());
    EXPECT_TRUE(rig.window.isVisible());
    logic.applicationActiveChanged(true);
    EXPECT_TRUE(rig.window.floating());
    logic.iniAlwaysOnTop(false);
    EXPECT_FALSE(rig.window.floating());

    logic.iniTransparent(true);
    EXPECT_TRUE(rig.window.testAttribute(Qt::WA_TranslucentBackground));
    logic.iniTransparent(false);
    logic.iniColorForObj(BackColor, QColor(20, 30, 40), false);
    EXPECT_FALSE(rig.window.testAttribute(Qt::WA_TranslucentBackground));
    EXPECT_EQ(rig.window.palette().color(QPalette::Window), QColor(20, 30, 40));
}

TEST(DisplayWindow, FullScreenSettingFollowsThePlatformWindow)
{
    Rig rig;
    rig.window.showFullScreenState(true);
    EXPECT_TRUE(rig.window.isPlatformFullScreen());
    EXPECT_TRUE(rig.window.settings().fullScreen);
    rig.windows.exitFullScreenForAllWin();
    EXPECT_FALSE(rig.window.isPlatformFullScreen());
    EXPECT_FALSE(rig.window.settings().fullScreen);
}

TEST(DisplayWindow, ClosingTheWindowTakesItOffTheList)
{
    Rig rig;
    EXPECT_EQ(rig.window.frameSize().width() >= 800, true);
    rig.window.close();
    EXPECT_TRUE(rig.windows.nsMutaryOfWindows().isEmpty());
    EXPECT_EQ(rig.keys, QList<int>{cmd::WindowsChanged});
}

} // namespace
} // namespace partivo
