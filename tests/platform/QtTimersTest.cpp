#include "platform/QtTimers.h"

#include <QCoreApplication>
#include <gtest/gtest.h>

using partivo::QtTimers;

namespace {

// 0 ms timers fire on the next pass of the event loop, so a few bounded passes suffice.
void pumpEvents()
{
    for (int i = 0; i < 20; ++i)
        QCoreApplication::processEvents();
}

TEST(QtTimers, StartingTwiceKeepsOneTimerAndStopEndsIt)
{
    QtTimers timers;
    timers.start("save", 60'000, false, [] {});
    timers.start("save", 30'000, true, [] {});
    EXPECT_EQ(timers.activeNames(), QStringList({"save"}));
    EXPECT_EQ(timers.intervalOf("save"), 30'000);
    timers.stop("save");
    EXPECT_FALSE(timers.isActive("save"));
    EXPECT_TRUE(timers.activeNames().isEmpty());
    timers.stop("unknown");
}

TEST(QtTimers, RestartReplacesTheCallback)
{
    QtTimers timers;
    QStringList log;
    timers.start("t", 0, false, [&] { log << "first"; });
    timers.start("t", 0, false, [&] { log << "second"; });
    pumpEvents();
    EXPECT_EQ(log, QStringList({"second"}));
    EXPECT_FALSE(timers.isActive("t"));
}

TEST(QtTimers, StoppedTimerNeverFires)
{
    QtTimers timers;
    int calls = 0;
    timers.start("t", 0, true, [&] { ++calls; });
    timers.stop("t");
    pumpEvents();
    EXPECT_EQ(calls, 0);
}

TEST(QtTimers, SingleShotCallbackRestartingItself)
{
    QtTimers timers;
    int calls = 0;
    std::function<void()> again = [&] {
        EXPECT_FALSE(timers.isActive("t"));
        if (++calls < 3)
            timers.start("t", 0, false, again);
    };
    timers.start("t", 0, false, again);
    pumpEvents();
    EXPECT_EQ(calls, 3);
    EXPECT_FALSE(timers.isActive("t"));
}

TEST(QtTimers, RepeatingCallbackStoppingItself)
{
    QtTimers timers;
    int calls = 0;
    timers.start("r", 0, true, [&] {
        if (++calls == 2)
            timers.stop("r");
    });
    pumpEvents();
    EXPECT_EQ(calls, 2);
    EXPECT_FALSE(timers.isActive("r"));
}

} // namespace
