#include "platform/ManualTimers.h"

#include <gtest/gtest.h>

using partivo::ManualTimers;

namespace {

// Each callback appends "name@time" using the clock it sees while running.
class ManualTimersTest : public ::testing::Test {
protected:
    ManualTimers timers;
    QStringList log;
    std::function<void()> logger(const QString& name)
    {
        return [this, name] { log << QString("%1@%2").arg(name).arg(timers.nowMs()); };
    }
};

TEST_F(ManualTimersTest, StartingANameAgainCancelsTheEarlierTimer)
{
    timers.start("save", 100, false, logger("first"));
    timers.advance(50);
    timers.start("save", 100, false, logger("second"));
    timers.advance(60);
    EXPECT_TRUE(log.isEmpty());
    timers.advance(40);
    EXPECT_EQ(log, QStringList({"second@150"}));
    EXPECT_FALSE(timers.isActive("save"));
    EXPECT_EQ(timers.nowMs(), 150);
}

TEST_F(ManualTimersTest, RepeatingTimerFiresAsOftenAsItComesDue)
{
    timers.start("tick", 30, true, logger("tick"));
    timers.advance(100);
    EXPECT_EQ(log, QStringList({"tick@30", "tick@60", "tick@90"}));
    timers.advance(20);
    EXPECT_EQ(log.size(), 4);
    EXPECT_EQ(timers.dueAt("tick"), 150);
}

TEST_F(ManualTimersTest, DueTimersFireInTimeOrderThenStartOrder)
{
    timers.start("c", 50, false, logger("c"));
    timers.start("a", 20, false, logger("a"));
    timers.start("b", 50, false, logger("b"));
    timers.start("r", 40, true, logger("r"));
    timers.start("late", 101, false, logger("late"));
    timers.advance(100);
    EXPECT_EQ(log, QStringList({"a@20", "r@40", "c@50", "b@50", "r@80"}));
    EXPECT_EQ(timers.activeNames(), QStringList({"late", "r"}));
}

TEST_F(ManualTimersTest, CallbackRestartingItselfIsHonouredWithinOneAdvance)
{
    int blinks = 0;
    std::function<void()> blink = [&] {
        if (++blinks < 3)
            timers.start("blink", 25, false, blink);
    };
    timers.start("blink", 25, false, blink);
    timers.advance(200);
    EXPECT_EQ(blinks, 3);
    EXPECT_FALSE(timers.isActive("blink"));
}

TEST_F(ManualTimersTest, CallbackStartingAndStoppingOtherTimers)
{
    timers.start("doomed", 30, false, logger("doomed"));
    timers.start("a", 10, false, [this] {
        log << "a";
        timers.start("soon", 5, false, logger("soon"));
        timers.start("later", 20, false, logger("later"));
        timers.stop("doomed");
    });
    timers.advance(20);
    EXPECT_EQ(log, QStringList({"a", "soon@15"}));
    EXPECT_EQ(timers.activeNames(), QStringList({"later"}));
    EXPECT_EQ(timers.dueAt("later"), 30);
}

TEST_F(ManualTimersTest, RepeatingCallbackStoppingItself)
{
    int ticks = 0;
    timers.start("r", 10, true, [&] {
        if (++ticks == 2)
            timers.stop("r");
    });
    timers.advance(100);
    EXPECT_EQ(ticks, 2);
    EXPECT_FALSE(timers.isActive("r"));
}

TEST_F(ManualTimersTest, FireRunsOneTimerNow)
{
    timers.start("once", 500, false, logger("once"));
    timers.start("rep", 500, true, logger("rep"));
    timers.advance(100);
    EXPECT_TRUE(timers.fire("once"));
    EXPECT_TRUE(timers.fire("rep"));
    EXPECT_FALSE(timers.fire("once"));
    EXPECT_FALSE(timers.fire("never"));
    EXPECT_EQ(log, QStringList({"once@100", "rep@100"}));
    EXPECT_EQ(timers.activeNames(), QStringList({"rep"}));
    EXPECT_EQ(timers.intervalOf("rep"), 500);
    EXPECT_EQ(timers.dueAt("rep"), 600);
    EXPECT_EQ(timers.intervalOf("once"), -1);
}

TEST_F(ManualTimersTest, ZeroIntervalRepeatingTimerDoesNotSpinForever)
{
    int ticks = 0;
    timers.start("z", 0, true, [&] { ++ticks; });
    timers.advance(3);
    EXPECT_EQ(ticks, 4); // at 0, 1, 2 and 3
}

} // namespace
