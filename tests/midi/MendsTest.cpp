#include "QtPrinters.h"
#include "TrigRig.h"

#include <QCoreApplication>
#include <gtest/gtest.h>
#include <memory>
#include <thread>

namespace partivo {
namespace {

constexpr qint32 kPedal = TrigRig::kPedal;
constexpr qint32 kKeys = TrigRig::kKeys;

// A bank select and its program change arrive in separate calls: they pair per source.
TEST(MidiMends, ABankSelectPairsWithTheProgramChangeFromItsOwnSource)
{
    struct Send {
        qint32 source;
        const char* message; // "+N": the clock moves N ms
    };
    struct Case {
        const char* name;
        QList<Send> sends;
        QStringList programs; // "<source> <msb> <lsb> <program>" as queued
    };
    const Case cases[] = {
        {"split over two calls", {{kPedal, "B00001"}, {kPedal, "C005"}}, {"7 1 -1 5"}},
        {"MSB and LSB", {{kPedal, "B00001"}, {kPedal, "B02002"}, {kPedal, "C005"}}, {"7 1 2 5"}},
        {"from another source", {{kKeys, "B00001"}, {kPedal, "C005"}}, {"7 -1 -1 5"}},
        {"interleaved sources",
         {{kPedal, "B00001"}, {kKeys, "C006"}, {kPedal, "C005"}},
         {"8 -1 -1 6", "7 1 -1 5"}},
        {"each source its own bank",
         {{kPedal, "B00001"}, {kKeys, "B00002"}, {kKeys, "C006"}, {kPedal, "C005"}},
         {"8 2 -1 6", "7 1 -1 5"}},
        {"still fresh", {{kPedal, "B00001"}, {0, "+999"}, {kPedal, "C005"}}, {"7 1 -1 5"}},
        {"stale after a second",
         {{kPedal, "B00001"}, {0, "+1000"}, {kPedal, "C005"}},
         {"7 -1 -1 5"}},
        {"another message between",
         {{kPedal, "B00001"}, {kPedal, "903C40"}, {kPedal, "C005"}},
         {"7 -1 -1 5"}},
        {"a clock byte between",
         {{kPedal, "B00001"}, {kPedal, "F8"}, {kPedal, "C005"}},
         {"7 1 -1 5"}},
        {"another channel", {{kPedal, "B00001"}, {kPedal, "C105"}}, {"7 -1 -1 5"}},
        {"used once",
         {{kPedal, "B00001"}, {kPedal, "C005"}, {kPedal, "C006"}},
         {"7 1 -1 5", "7 -1 -1 6"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TrigRig rig;
        rig.addTrig(TrigProgramChange, 0, -1, -1, 5, 8);
        rig.addTrig(TrigNoteOn, 0, 60, -1, -1, 8);
        QStringList programs;
        for (const Send& s : c.sends) {
            const QString what = QString::fromLatin1(s.message);
            if (what.startsWith(u'+')) {
                rig.timers.advance(what.mid(1).toInt());
                continue;
            }
            const qsizetype before = rig.midi.MIDItriggersIn().size();
            rig.send(s.source, {what});
            const QList<MidiTrigIn>& queue = rig.midi.MIDItriggersIn();
            for (qsizetype i = before; i < queue.size(); ++i) {
                if (queue[i].sourceType == TrigProgramChange)
                    programs.append(QStringLiteral("%1 %2 %3 %4")
                                        .arg(queue[i].sourceRef)
                                        .arg(queue[i].sourceVal1)
                                        .arg(queue[i].sourceVal2)
                                        .arg(queue[i].sourceVal3));
            }
        }
        EXPECT_EQ(programs, c.programs);
    }
}

TEST(MidiMends, ASplitBankSelectFiresOnlyTheTriggerOfItsBank)
{
    TrigRig rig;
    rig.addTrig(TrigProgramChange, 1, 0, 0, 5, 7);
    rig.addTrig(TrigProgramChange, 1, 1, 0, 5, 8);
    rig.send(kPedal, {"B00001"});
    rig.send(kPedal, {"C005"});
    rig.send(kKeys, {"B00001"});
    rig.send(kPedal, {"C005"}); // no bank from this source: any bank
    EXPECT_EQ(rig.firedPerMessage(), (QList<QList<int>>{{1}, {0, 1}}));
}

TEST(MidiMends, TheProgramsOwnOutputIsNeverHeard)
{
    TrigRig rig;
    const qint32 ownOut = rig.backend.ownOutputUid();
    // A backend that failed to leave the program's own output out of the sources.
    rig.backend.setSources({{kPedal, "pedal", true}, {ownOut, "Partivo OUT", true}});
    rig.backend.connectSources();
    rig.addTrig(TrigControlChange, 0, 7, -1, -1, 14);
    rig.addTrig(TrigProgramChange, 0, -1, -1, 5, 8);
    rig.midi.listenTrigSourceOn = true;
    rig.midi.midiOutPrefOn = true;
    rig.send(ownOut, {"B00764", "B00001", "C005"});
    EXPECT_TRUE(rig.midi.MIDItriggersIn().isEmpty());
    EXPECT_FALSE(rig.midi.learned().filled);
    EXPECT_FALSE(rig.midi.shown().filled);
    EXPECT_TRUE(rig.midi.listenTrigSourceOn);
    EXPECT_EQ(rig.midi.lastReceived().lastEvents, "");
    EXPECT_TRUE(rig.posted.isEmpty());
}

TEST(MidiMends, PartivoInFiresOnlyTheTriggersThatNameIt)
{
    TrigRig rig;
    const qint32 ownIn = rig.midi.PartivoUIDin;
    ASSERT_NE(ownIn, 0);
    rig.addTrig(TrigControlChange, 1, 7, 100, -1, 7); // any
    rig.addTrig(TrigControlChange, 1, 7, 100, -1, 8, QString(), MidiTrig::OneSource, ownIn);
    rig.addTrig(TrigControlChange, 1, 7, 100, -1, 6, QString(), MidiTrig::OneSource, kPedal);
    rig.send(ownIn, {"B00764"});
    rig.send(kPedal, {"B00764"});
    EXPECT_EQ(rig.firedPerMessage(), (QList<QList<int>>{{1}, {0, 2}}));
}

int droppedLines(const WarningLines& log)
{
    return int(log.taken().filter(QStringLiteral("the oldest are dropped")).size());
}

QStringList controlFlood(int count)
{
    QStringList messages;
    for (int i = 0; i < count; ++i)
        messages.append(QStringLiteral("B007%1").arg(i % 128, 2, 16, QLatin1Char('0')));
    return messages;
}

TEST(MidiMends, AFloodKeepsTheNewestMessagesAndLogsOncePerBurst)
{
    WarningLines log;
    TrigRig rig;
    rig.addTrig(TrigControlChange, 0, 7, -1, -1, 14);
    rig.send(kPedal, controlFlood(10000));
    const QList<MidiTrigIn>& queue = rig.midi.MIDItriggersIn();
    ASSERT_EQ(queue.size(), kMaxIncomingQueued);
    EXPECT_EQ(queue.first().sourceVal2, (10000 - kMaxIncomingQueued) % 128);
    EXPECT_EQ(queue.last().sourceVal2, 9999 % 128);
    EXPECT_EQ(rig.midi.inboxSize(), 0);
    EXPECT_EQ(droppedLines(log), 1);

    EXPECT_EQ(rig.process().size(), kMaxIncomingQueued);
    rig.send(kPedal, controlFlood(kMaxIncomingQueued + 1));
    EXPECT_EQ(droppedLines(log), 2); // a new burst
}

TEST(MidiMends, AFloodTheMainThreadHasNotTakenWaitsInABoundedInbox)
{
    WarningLines log;
    int wakes = 0;
    TrigRig rig([&wakes] { ++wakes; });
    rig.addTrig(TrigControlChange, 0, 7, -1, -1, 14);
    rig.send(kPedal, controlFlood(10000));
    EXPECT_EQ(rig.midi.inboxSize(), kMaxIncomingQueued);
    EXPECT_EQ(wakes, 1);
    EXPECT_EQ(droppedLines(log), 1);
    EXPECT_TRUE(rig.midi.MIDItriggersIn().isEmpty());

    rig.midi.drainInbox();
    EXPECT_EQ(rig.midi.inboxSize(), 0);
    EXPECT_EQ(rig.midi.MIDItriggersIn().size(), kMaxIncomingQueued);
    EXPECT_EQ(rig.midi.MIDItriggersIn().last().sourceVal2, 9999 % 128);
    rig.send(kPedal, {"B00701"});
    EXPECT_EQ(wakes, 2);
}

TEST(MidiMends, AFloodFromTheServicesThreadReachesTheMainThreadThroughItsEventLoop)
{
    WarningLines log;
    TrigRig rig;
    rig.addTrig(TrigControlChange, 0, 7, -1, -1, 14);
    const QStringList flood = controlFlood(10000);
    std::thread service([&] { rig.send(kPedal, flood); });
    service.join();
    EXPECT_EQ(rig.midi.inboxSize(), kMaxIncomingQueued);
    EXPECT_TRUE(rig.midi.MIDItriggersIn().isEmpty());
    EXPECT_EQ(droppedLines(log), 1);

    QCoreApplication::processEvents();
    EXPECT_EQ(rig.midi.inboxSize(), 0);
    EXPECT_EQ(rig.midi.MIDItriggersIn().size(), kMaxIncomingQueued);
}

TEST(MidiMends, NoMessageReachesAnEngineThatIsGone)
{
    ManualTimers timers;
    MemoryPrefs prefs;
    LoopbackMidi backend(timers);
    backend.setSources({{kPedal, "pedal", true}});
    auto midi = std::make_unique<Midi>(prefs, timers, backend);
    midi->iniMidi();
    std::thread service([&] { backend.inject(kPedal, QByteArray::fromHex("B00764")); });
    service.join();
    midi.reset();
    QCoreApplication::processEvents(); // the drain queued for it finds it gone
    EXPECT_FALSE(backend.inject(kPedal, QByteArray::fromHex("B00764")));
}

} // namespace
} // namespace partivo
