#include "notes/Metronome.h"
#include "platform/ManualTimers.h"

#include "QtPrinters.h"

#include <gtest/gtest.h>

namespace partivo {
namespace {

// What the windows were told, as "time:tick" for a beat shown and "time:-" for a hide.
struct MetroRig {
    ManualTimers timers;
    QStringList shown;
    Metronome metro{timers, [this](int tick, bool masquer, bool reset) {
                        if (!reset)
                            shown << QStringLiteral("%1:%2")
                                         .arg(timers.nowMs())
                                         .arg(masquer ? QStringLiteral("-")
                                                      : QString::number(tick));
                    }};
};

TEST(Metronome, BeatsAtTheTempoFromTheStartAndHidesHalfABeatLater)
{
    const struct {
        int tempo;
        QStringList expected; // over the first 1.3 seconds
    } cases[] = {
        {120, {"0:1", "260:-", "500:2", "760:-", "1000:3", "1260:-"}},
        {0, {"0:1", "310:-", "600:2", "910:-", "1200:3"}}, // 100 beats a minute
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.tempo);
        MetroRig r;
        r.metro.setTempo(c.tempo);
        r.metro.traiter_metroOnOff();
        EXPECT_TRUE(r.metro.metroON());
        r.timers.advance(1300);
        EXPECT_EQ(r.shown, c.expected);
        r.metro.traiter_metroOnOff(); // a press long after the start stops it
        EXPECT_FALSE(r.metro.metroON());
    }
}

TEST(Metronome, QuickPressesCountSixteenThenThirtyTwoMoreAndStop)
{
    const struct {
        int presses;
        int ticks;
    } cases[] = {{2, 16}, {3, 48}, {4, 80}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.presses);
        MetroRig r;
        r.metro.setTempo(120);
        for (int i = 0; i < c.presses; ++i)
            r.metro.traiter_metroOnOff();
        r.timers.advance(60000);
        EXPECT_FALSE(r.metro.metroON());
        EXPECT_EQ(r.metro.gnbTick(), c.ticks);
    }
    // The count-in is the same sixteen, from wherever the metronome was.
    MetroRig r;
    r.metro.setTempo(120);
    r.metro.traiter_metroOnOff();
    r.timers.advance(5000);
    r.metro.countIn();
    r.timers.advance(60000);
    EXPECT_EQ(r.metro.gnbTick(), 16);
    EXPECT_FALSE(r.metro.metroON());
}

TEST(Metronome, APreviewStopsByItselfAndATempoChangeRestartsTheBar)
{
    MetroRig r;
    r.metro.setTempo(120);
    r.metro.startForTicks(4); // the four-beat preview of a new type
    r.timers.advance(3000);
    EXPECT_EQ(r.metro.gnbTick(), 4);
    EXPECT_FALSE(r.metro.metroON());
    // A new song's tempo re-times a running metronome from tick 1.
    r.metro.traiter_metroOnOff();
    r.timers.advance(1100);
    EXPECT_EQ(r.metro.gnbTick(), 3);
    r.metro.setTempo(60);
    EXPECT_EQ(r.metro.gnbTick(), 1);
    r.timers.advance(1000);
    EXPECT_EQ(r.metro.gnbTick(), 2);
    // A count-in keeps its automatic stop across a song change.
    r.metro.countIn();
    r.timers.advance(3000);
    r.metro.setTempo(120);
    r.timers.advance(60000);
    EXPECT_FALSE(r.metro.metroON());
}

} // namespace
} // namespace partivo
