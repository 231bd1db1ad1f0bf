#include "QtPrinters.h"
#include "TrigRig.h"

#include <gtest/gtest.h>

namespace partivo {
namespace {

constexpr int kNextSong = 8; // action type: key command 37

using Fired = QList<QList<int>>;

TEST(Triggers, ANoteOnWithVelocityZeroFiresNothing)
{
    TrigRig rig;
    rig.addTrig(TrigNoteOn, 1, 60, -1, -1, kNextSong);
    rig.send(TrigRig::kKeys, {"903C00"});
    EXPECT_TRUE(rig.midi.MIDItriggersIn().size() == 1); // queued, then dropped on matching
    EXPECT_EQ(rig.firedPerMessage(), (Fired{{}}));
    rig.send(TrigRig::kKeys, {"903C01", "803C00", "A03C40", "D040"});
    EXPECT_EQ(rig.firedPerMessage(), (Fired{{0}})); // note off and pressure are not queued
}

TEST(Triggers, ASustainPedalFiresAValueTriggerOnceAndAValueReadingTriggerTwice)
{
    TrigRig rig;
    rig.addTrig(TrigControlChange, 1, 64, 127, -1, kNextSong);
    rig.addTrig(TrigControlChange, 1, 64, -1, -1, 14);
    rig.send(TrigRig::kPedal, {"B0407F", "B04000"});
    const QList<MidiTrigStep> steps = rig.process();
    ASSERT_EQ(steps.size(), 2);
    EXPECT_EQ(steps[0].fired, (QList<int>{0, 1}));
    EXPECT_EQ(steps[1].fired, (QList<int>{1}));
    EXPECT_EQ(rig.actionsOf(steps), (QStringList{"ActionKey 37", "ActionScrollCurrentOnglet 127",
                                                 "ActionScrollCurrentOnglet 0"}));
}

TEST(Triggers, ProgramChangesMatchTheirBank)
{
    struct Case {
        const char* name;
        QStringList messages; // from one source, one call each
        int msb, lsb, program;
        bool fires;
    };
    const Case cases[] = {
        {"alone, bank 0.0", {"C005"}, 0, 0, 5, true},
        {"alone, any bank", {"C005"}, 7, 3, 5, true},
        {"alone, other program", {"C006"}, 0, 0, 5, false},
        {"MSB 1 against MSB 0", {"B00001", "C005"}, 0, 0, 5, false},
        {"MSB 1 against MSB 1, no LSB sent", {"B00001", "C005"}, 1, 0, 5, true},
        {"MSB and LSB equal", {"B00001", "B02002", "C005"}, 1, 2, 5, true},
        {"LSB differs", {"B00001", "B02002", "C005"}, 1, 3, 5, false},
        {"one packet", {"B00001C005"}, 1, 0, 5, true},
        {"one packet, MSB differs", {"B00001C005"}, 0, 0, 5, false},
        {"empty bank fields take any bank", {"B00009", "B02009", "C005"}, -1, -1, 5, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TrigRig rig;
        rig.addTrig(TrigProgramChange, 1, c.msb, c.lsb, c.program, kNextSong);
        rig.send(TrigRig::kKeys, c.messages);
        EXPECT_EQ(rig.firedPerMessage(), (Fired{c.fires ? QList<int>{0} : QList<int>{}}));
    }
}

TEST(Triggers, ABendFiresOncePerExcursion)
{
    TrigRig rig;
    rig.addTrig(TrigPitchBend, 1, 0, 100, -1, kNextSong); // up
    rig.addTrig(TrigPitchBend, 1, 0, 10, -1, 7);          // down
    rig.send(TrigRig::kKeys, {"E00070", "E0007F", "E00040", "E00070", "E00010", "E00000"});
    EXPECT_EQ(rig.firedPerMessage(), (Fired{{0}, {}, {}, {0}, {1}, {}}));
}

TEST(Triggers, AKeyboardRangePicksTheSongByTheNoteOffset)
{
    TrigRig rig;
    rig.addTrig(TrigNoteOn, 1, 60, -1, -1, 15);
    rig.addTrig(TrigNoteOn, 1, 60, -1, -1, 16);
    rig.send(TrigRig::kKeys, {"903F40", "904140", "903C40", "903B40"});
    const QList<MidiTrigStep> steps = rig.process();
    EXPECT_EQ(rig.actionsOf(steps),
              (QStringList{"ActionGoToSongNo 3", "ActionPlaySongNo 3", "ActionGoToSongNo 5",
                           "ActionPlaySongNo 5", "ActionGoToSongNo 0", "ActionPlaySongNo 0"}));
    ASSERT_EQ(steps.size(), 4);
    EXPECT_TRUE(steps[3].fired.isEmpty()); // below the base note
}

TEST(Triggers, AControllerPicksALetter)
{
    TrigRig rig;
    rig.addTrig(TrigControlChange, 1, 1, -1, -1, 12);
    rig.send(TrigRig::kPedal, {"B00140"});
    EXPECT_EQ(rig.actionsOf(rig.process()), (QStringList{"ActionKey 18", "ActionKey 76"}));
}

// Actions that read the message fire only from the types that carry what they read.
TEST(Triggers, ValueReadingActionsFireOnlyFromTheirTypes)
{
    struct Case {
        int type;
        int action;
        const char* message;
        bool fires;
    };
    const Case cases[] = {
        {TrigControlChange, 13, "B00740", true}, {TrigControlChange, 15, "B00740", false},
        {TrigNoteOn, 15, "900740", true},        {TrigNoteOn, 12, "900740", false},
        {TrigProgramChange, 14, "C007", false},  {TrigPitchBend, 16, "E00070", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "type " << c.type << " action " << c.action);
        TrigRig rig;
        rig.addTrig(c.type, 1, 7, c.type == TrigPitchBend ? 100 : -1, 7, c.action);
        rig.send(TrigRig::kPedal, {c.message});
        const QList<QList<int>> fired = rig.firedPerMessage();
        EXPECT_EQ(!fired.isEmpty() && !fired[0].isEmpty(), c.fires);
    }
}

TEST(Triggers, AnAnyChannelTriggerHearsEveryChannel)
{
    TrigRig rig;
    rig.addTrig(TrigControlChange, 0, 7, 100, -1, kNextSong);
    QStringList messages;
    for (int channel = 0; channel < 16; ++channel)
        messages.append(QStringLiteral("B%1 07 64").arg(channel, 0, 16).remove(u' '));
    rig.send(TrigRig::kPedal, messages);
    EXPECT_EQ(rig.firedPerMessage(), Fired(16, QList<int>{0}));
}

TEST(Triggers, TheChannelPreFilterKeepsUnheardMessagesOut)
{
    TrigRig rig;
    rig.addTrig(TrigControlChange, 3, 7, 100, -1, kNextSong);
    rig.send(TrigRig::kPedal, {"B30764", "B10764", "C205", "E27F7F"});
    EXPECT_TRUE(rig.midi.MIDItriggersIn().isEmpty());
    rig.send(TrigRig::kPedal, {"B20764"});
    EXPECT_EQ(rig.firedPerMessage(), (Fired{{0}}));
}

TEST(Triggers, EveryMatchingTriggerFiresInListOrder)
{
    TrigRig rig;
    rig.addTrig(TrigControlChange, 2, 7, 100, -1, 7);       // 0: that channel
    rig.addTrig(TrigControlChange, 0, 7, -1, -1, 14);       // 1: any channel, any value
    rig.addTrig(TrigControlChange, 2, 7, 99, -1, 8);        // 2: other value
    rig.addTrig(TrigControlChange, 0, 7, 100, -1, 21, "X"); // 3: any channel
    rig.send(TrigRig::kPedal, {"B10764"});
    const QList<MidiTrigStep> steps = rig.process();
    ASSERT_EQ(steps.size(), 1);
    EXPECT_EQ(steps[0].fired, (QList<int>{0, 1, 3}));
    EXPECT_EQ(steps[0].lastTrigger(), 3);
    EXPECT_EQ(rig.actionsOf(steps),
              (QStringList{"ActionKey 36", "ActionScrollCurrentOnglet 100", "ActionMessage X"}));
}

TEST(Triggers, SourceModesChooseTheSender)
{
    struct Case {
        int sourceMode;
        qint32 source;
        QList<qint32> firesFrom;
    };
    const Case cases[] = {
        {MidiTrig::AnySource, 0, {TrigRig::kPedal, TrigRig::kKeys}},
        {MidiTrig::IgnoreInput, 0, {}},
        {MidiTrig::OneSource, TrigRig::kKeys, {TrigRig::kKeys}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.sourceMode);
        TrigRig rig;
        rig.addTrig(TrigControlChange, 1, 7, 100, -1, kNextSong, QString(), c.sourceMode, c.source);
        QList<qint32> heardFrom;
        for (qint32 from : {TrigRig::kPedal, TrigRig::kKeys}) {
            rig.send(from, {"B00764"});
            const QList<QList<int>> fired = rig.firedPerMessage();
            if (!fired.isEmpty() && !fired[0].isEmpty())
                heardFrom.append(from);
        }
        EXPECT_EQ(heardFrom, c.firesFrom);
    }
}

TEST(Triggers, TheQueueIsWorkedOffOneMessageATenthOfASecond)
{
    TrigRig rig;
    rig.addTrig(TrigControlChange, 1, 7, -1, -1, 14);
    rig.send(TrigRig::kPedal, {"B00701", "B00702", "B00703"});
    rig.timers.advance(kTrigInIntervalMs - 1);
    EXPECT_TRUE(rig.posted.filter("Scroll").isEmpty());
    rig.timers.advance(1);
    EXPECT_EQ(rig.posted.filter("Scroll"), QStringList{"ActionScrollCurrentOnglet 1"});
    EXPECT_EQ(rig.midi.MIDItriggersIn().size(), 2);
    // A message arriving meanwhile does not hold the others back.
    rig.timers.advance(kTrigInIntervalMs / 2);
    rig.send(TrigRig::kPedal, {"B00704"});
    rig.timers.advance(kTrigInIntervalMs / 2);
    EXPECT_EQ(rig.posted.filter("Scroll").size(), 2);
    rig.timers.advance(2 * kTrigInIntervalMs);
    EXPECT_EQ(rig.posted.filter("Scroll"),
              (QStringList{"ActionScrollCurrentOnglet 1", "ActionScrollCurrentOnglet 2",
                           "ActionScrollCurrentOnglet 3", "ActionScrollCurrentOnglet 4"}));
    EXPECT_FALSE(rig.timers.isActive(QLatin1String(kMidiTrigInTimer)));
}

TEST(Triggers, AGroupTriggerSendsTheEventLibraryGroup)
{
    TrigRig rig;
    rig.addDest("SYNTH", 1);
    rig.addFav("PIANO", "5@SYNTH");
    rig.addTrig(TrigControlChange, 1, 20, 127, -1, 10, "piano");
    rig.send(TrigRig::kPedal, {"B0147F"});
    const QList<MidiTrigStep> steps = rig.process();
    ASSERT_EQ(steps.size(), 1);
    EXPECT_EQ(steps[0].groups, QStringList{"piano"});
    EXPECT_TRUE(steps[0].actions.isEmpty());
    EXPECT_EQ(rig.queued(), QStringList{"SYNTH C0 05"});
    EXPECT_TRUE(rig.midi.isDraining());
}

TEST(Triggers, NothingIsQueuedWithoutTriggersOrWithoutMidi)
{
    TrigRig rig;
    rig.send(TrigRig::kPedal, {"B00764", "C005", "903C40"});
    EXPECT_TRUE(rig.midi.MIDItriggersIn().isEmpty());
    EXPECT_FALSE(rig.timers.isActive(QLatin1String(kMidiTrigInTimer)));
    rig.addTrig(TrigControlChange, 0, 7, 100, -1, kNextSong);
    rig.midi.midiOk = false;
    rig.send(TrigRig::kPedal, {"B00764"});
    EXPECT_TRUE(rig.midi.MIDItriggersIn().isEmpty());
}

TEST(Triggers, TheTableFollowsTheTriggerList)
{
    TrigRig rig;
    rig.addTrig(TrigControlChange, 1, 7, 100, -1, kNextSong);
    rig.midi.creerTriggers(); // channel any, no values: listens to nothing yet
    rig.midi.MIDItriggers[1].sourceVal1 = 7;
    rig.midi.MIDItriggers[1].sourceVal2 = 100;
    rig.midi.MIDItriggers[1].actionType = 7;
    rig.midi.refreshTrigFiltreChannel();
    rig.send(TrigRig::kPedal, {"B10764"});
    EXPECT_EQ(rig.firedPerMessage(), (Fired{{1}}));
    ASSERT_TRUE(rig.midi.supprimerTriggersForIndex(1));
    rig.send(TrigRig::kPedal, {"B10764"});
    EXPECT_TRUE(rig.midi.MIDItriggersIn().isEmpty()); // no trigger hears channel 2 now
    rig.send(TrigRig::kPedal, {"B00764"});
    EXPECT_EQ(rig.firedPerMessage(), (Fired{{0}}));
}

} // namespace
} // namespace partivo
