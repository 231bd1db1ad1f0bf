#include "MidiRig.h"
#include "QtPrinters.h"

#include "midi/MidiBytes.h"
#include <cmath>

#include <gtest/gtest.h>

namespace partivo {
namespace {

class OutputQueueTest : public ::testing::Test {
protected:
    void SetUp() override { rig.backend.setDestinations({{11, "one", true}, {22, "two", true}}); }
    void queue(int program, qint32 destUID = 11, bool forcer = false)
    {
        rig.midi.sendStatus(0xC0, program, 0, 2, destUID, forcer);
    }
    QList<qint64> sendTimes() const
    {
        QList<qint64> times;
        for (const LoopbackMidi::Sent& s : rig.backend.sent())
            times.append(s.atMs);
        return times;
    }
    MidiRig rig;
};

TEST_F(OutputQueueTest, MessagesLeaveOneMidiDelayApartStartingOneDelayAfterTheStart)
{
    for (int p = 1; p <= 3; ++p)
        queue(p);
    rig.midi.processMidiEvents();
    rig.timers.advance(9);
    EXPECT_TRUE(rig.backend.sent().isEmpty());
    rig.timers.advance(100);
    EXPECT_EQ(rig.sent(), QStringList({"10 11 C0 01", "20 11 C0 02", "30 11 C0 03"}));
    EXPECT_FALSE(rig.midi.isDraining());
}

TEST_F(OutputQueueTest, ConfiguredDelayPacesABankSelectProgramPair)
{
    rig.midi.actionMidiDelay(0.5);
    rig.midi.sendMIDIfromString("12:5@1", QString(), false);
    rig.midi.processMidiEvents();
    rig.timers.advance(2000);
    EXPECT_EQ(rig.sent(), QStringList({"500 11 B1 20 0C", "500 22 B1 20 0C", "1000 11 C1 05",
                                       "1000 22 C1 05"}));
}

TEST_F(OutputQueueTest, AppendsDuringADrainJoinItWithoutASecondDrain)
{
    for (int p = 1; p <= 3; ++p)
        queue(p);
    rig.midi.processMidiEvents();
    rig.timers.advance(15);
    for (int p = 4; p <= 5; ++p)
        queue(p);
    rig.midi.processMidiEvents();
    rig.timers.advance(3);
    rig.midi.processMidiEvents();
    rig.timers.advance(200);
    EXPECT_EQ(sendTimes(), QList<qint64>({10, 20, 30, 40, 50}));
}

TEST_F(OutputQueueTest, StaleMessagesAreDroppedAtOnceUnlessForced)
{
    queue(1);
    queue(2, 11, true);
    queue(3);
    rig.midi.initTimeLastLotEvents(); // same millisecond: still a newer batch
    queue(4);
    rig.midi.processMidiEvents();
    rig.timers.advance(100);
    EXPECT_EQ(rig.sent(), QStringList({"10 11 C0 02", "20 11 C0 04"}));
}

TEST_F(OutputQueueTest, AMessageReachesEveryOnlineEndpointOrItsOwnOnly)
{
    rig.backend.setDestinations({{11, "one", true}, {22, "off", false}, {33, "three", true}});
    queue(1, 0);
    queue(2, 33);
    rig.midi.processMidiEvents();
    rig.timers.advance(100);
    EXPECT_EQ(rig.sent(), QStringList({"10 11 C0 01", "10 33 C0 01", "20 33 C0 02"}));
    EXPECT_TRUE(rig.backend.refused().isEmpty());
}

TEST_F(OutputQueueTest, SendingIndicatorFollowsSuccessfulSendsOnly)
{
    QList<bool> changes;
    rig.midi.setSendingMidiObserver([&](bool sending) { changes.append(sending); });
    queue(1, 99); // no such endpoint
    rig.midi.processMidiEvents();
    rig.timers.advance(100);
    EXPECT_TRUE(changes.isEmpty());

    rig.backend.setFailing(11, true);
    queue(1, 0);
    queue(2, 0);
    rig.midi.processMidiEvents();
    rig.timers.advance(10);
    EXPECT_EQ(rig.sent(), QStringList({"110 22 C0 01"}));
    EXPECT_TRUE(rig.midi.sendingMidi());
    rig.timers.advance(19);
    EXPECT_TRUE(rig.midi.sendingMidi());
    rig.timers.advance(1);
    EXPECT_FALSE(rig.midi.sendingMidi());
    EXPECT_EQ(changes, QList<bool>({true, false}));
}

TEST_F(OutputQueueTest, AnEarlierScheduledIndicatorEndNeverInterruptsANewerDrain)
{
    QList<bool> changes;
    rig.midi.setSendingMidiObserver([&](bool sending) { changes.append(sending); });
    rig.midi.actionMidiDelay(0.005);
    queue(1);
    rig.midi.processMidiEvents();
    rig.timers.advance(6); // sent and dry at 5, indicator end due at 15
    for (int p = 2; p <= 6; ++p)
        queue(p);
    rig.midi.processMidiEvents(); // sends at 11 .. 31
    rig.timers.advance(34);
    EXPECT_TRUE(rig.midi.sendingMidi());
    EXPECT_EQ(changes, QList<bool>({true}));
    rig.timers.advance(1);
    EXPECT_EQ(changes, QList<bool>({true, false}));
}

TEST_F(OutputQueueTest, PauseEndsOneSecondAfterTheQueueRanDry)
{
    rig.midi.setRefreshPaused(true);
    queue(1);
    queue(2);
    rig.midi.processMidiEvents();
    rig.timers.advance(1019);
    EXPECT_TRUE(rig.midi.refreshPaused());
    rig.timers.advance(1);
    EXPECT_FALSE(rig.midi.refreshPaused());
}

TEST_F(OutputQueueTest, AnEarlierScheduledEndNeverEndsTheNewerPause)
{
    rig.midi.setRefreshPaused(true);
    queue(1);
    rig.midi.processMidiEvents();
    rig.timers.advance(500); // dry at 10, its end due at 1010
    rig.midi.setRefreshPaused(true);
    rig.timers.advance(1000);
    EXPECT_TRUE(rig.midi.refreshPaused());
}

TEST_F(OutputQueueTest, ADrainStartedBeforeThePauseEndsKeepsItUntilOneSecondAfterIt)
{
    rig.midi.setRefreshPaused(true);
    queue(1);
    rig.midi.processMidiEvents();
    rig.timers.advance(500); // dry at 10, its end due at 1010
    for (int p = 0; p < 60; ++p)
        queue(p, 11, true);
    rig.midi.processMidiEvents(); // last send at 1100
    rig.timers.advance(1599);
    EXPECT_TRUE(rig.midi.refreshPaused());
    rig.timers.advance(1);
    EXPECT_FALSE(rig.midi.refreshPaused());
}

TEST_F(OutputQueueTest, DelayFallsBackToTheDefault)
{
    for (double seconds : {0.0, -1.0, std::nan("")}) {
        rig.midi.actionMidiDelay(seconds);
        EXPECT_DOUBLE_EQ(rig.midi.midiDelay(), 0.01);
    }
}

TEST_F(OutputQueueTest, ChannelMessagesHoldTheirByteCountAndClampedData)
{
    rig.midi.sendStatus(0xF8, 1, 2, 1, 0, false);
    rig.midi.sendStatus(0xB0, -5, 300, 3, 0, false);
    rig.midi.sendSysexCoarseTune(0, 200, 0, 0, 0, false);
    ASSERT_EQ(rig.midi.MIDIevents().size(), 3);
    EXPECT_EQ(rig.queued().mid(0, 3),
              QStringList({" F8", " B0 00 7F", " F0 7F 7F 04 04 00 7F F7"}));
}

// A system exclusive message is queued whole, from F0 to F7, up to the limit; a longer one,
// or one without its frame, is refused and nothing of it is sent.
TEST_F(OutputQueueTest, SystemExclusiveIsSentWholeOrNotAtAll)
{
    auto framed = [](int size) {
        QByteArray bytes(size, '\x01');
        bytes.front() = '\xF0';
        bytes.back() = '\xF7';
        return bytes;
    };
    struct Case {
        const char* name;
        QByteArray bytes;
        bool queued;
    };
    const Case cases[] = {
        {"1000 bytes", framed(1000), true},
        {"at the limit", framed(kMaxSysexBytes), true},
        {"one byte too many", framed(kMaxSysexBytes + 1), false},
        {"no F0", QByteArray("\x01\x02\xF7"), false},
        {"no F7", QByteArray("\xF0\x01\x02"), false},
        {"F0 F7", QByteArray("\xF0\xF7"), true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const qsizetype before = rig.midi.MIDIevents().size();
        rig.midi.sendSysex(c.bytes, 0, false);
        const bool queued = rig.midi.MIDIevents().size() == before + 1;
        EXPECT_EQ(queued, c.queued);
        if (queued) {
            EXPECT_EQ(rig.midi.MIDIevents().last().packet, c.bytes);
        }
    }
}

} // namespace
} // namespace partivo
