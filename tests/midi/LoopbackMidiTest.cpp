#include "platform/LoopbackMidi.h"
#include "platform/ManualTimers.h"

#include <gtest/gtest.h>

namespace partivo {
namespace {

TEST(LoopbackMidi, RecordsSendsOnItsClockAndRefusesOfflineFailingAndUnknownEndpoints)
{
    ManualTimers clock;
    LoopbackMidi midi(clock);
    midi.setDestinations({{1, "a", true}, {2, "b", true}});
    clock.advance(42);
    EXPECT_TRUE(midi.send(2, "\xC0\x05"));
    midi.setOnline(2, false);
    EXPECT_FALSE(midi.send(2, "\xC0\x06"));
    midi.setFailing(1, true);
    EXPECT_FALSE(midi.send(1, "\xC0\x07"));
    EXPECT_FALSE(midi.send(3, "\xC0\x08"));
    ASSERT_EQ(midi.sent().size(), 1);
    EXPECT_EQ(midi.sent()[0].atMs, 42);
    EXPECT_EQ(midi.sent()[0].endpointUid, 2);
    EXPECT_EQ(midi.sent()[0].bytes, QByteArray("\xC0\x05"));
    EXPECT_EQ(midi.refused().size(), 3);
    EXPECT_FALSE(midi.destinations()[1].online);
}

TEST(LoopbackMidi, InjectedMessagesReachTheReceiverFromConnectedSourcesAndTheOwnInput)
{
    ManualTimers clock;
    LoopbackMidi midi(clock);
    midi.setSources({{5, "keys", true}});
    QList<QPair<qint32, QByteArray>> received;
    EXPECT_FALSE(midi.inject(midi.ownInputUid(), "\x90\x40\x7F")); // no receiver yet
    midi.setReceiver([&](qint32 source, const QByteArray& bytes) {
        received.append({source, bytes});
    });
    EXPECT_FALSE(midi.inject(5, "\x90\x40\x7F")); // not connected yet
    midi.connectSources();
    EXPECT_TRUE(midi.inject(5, "\x90\x40\x7F"));
    EXPECT_TRUE(midi.inject(midi.ownInputUid(), "\xC0\x01"));
    midi.disconnectSources();
    EXPECT_FALSE(midi.inject(5, "\x90\x40\x00"));
    EXPECT_TRUE(midi.inject(midi.ownInputUid(), "\xC0\x02"));
    ASSERT_EQ(received.size(), 3);
    EXPECT_EQ(received[0].first, 5);
    EXPECT_EQ(received[0].second, QByteArray("\x90\x40\x7F"));
    EXPECT_EQ(received[1].first, midi.ownInputUid());
    EXPECT_EQ(received[2].second, QByteArray("\xC0\x02"));
}

} // namespace
} // namespace partivo
