#include "QtPrinters.h"
#include "TrigRig.h"

#include <gtest/gtest.h>

namespace partivo {
namespace {

TEST(MidiLearn, LearningFillsTheRowAndFiresNothing)
{
    struct Case {
        const char* name;
        qint32 source;
        QStringList messages;
        MidiLearnedRow row; // filled false: nothing learned
    };
    const Case cases[] = {
        {"pedal on channel 3", TrigRig::kPedal, {"B2407F"}, {7, 2, 1, 64, 127, -1, true}},
        {"note", TrigRig::kKeys, {"903C40"}, {8, 0, 3, 60, -1, -1, true}},
        {"program with its bank", TrigRig::kKeys, {"B00001", "C005"}, {8, 0, 2, 1, -1, 5, true}},
        {"bend", TrigRig::kKeys, {"E1007F"}, {8, 1, 4, 0, 127, -1, true}},
        {"a bank select alone", TrigRig::kKeys, {"B00001"}, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TrigRig rig;
        rig.addTrig(TrigControlChange, 0, 64, -1, -1, 14);
        rig.addTrig(TrigNoteOn, 0, 60, -1, -1, 15);
        rig.addTrig(TrigProgramChange, 0, -1, -1, 5, 8);
        rig.addTrig(TrigPitchBend, 0, 0, 127, -1, 8);
        rig.midi.listenTrigSourceOn = true;
        rig.send(c.source, c.messages);
        EXPECT_EQ(rig.midi.learned(), c.row);
        EXPECT_TRUE(rig.midi.MIDItriggersIn().isEmpty());
        EXPECT_EQ(rig.posted.filter(QStringLiteral("ActionKey 2004")).size(), c.row.filled ? 1 : 0);
        EXPECT_EQ(rig.midi.listenTrigSourceOn, !c.row.filled); // learn mode ends with it
        EXPECT_TRUE(rig.process().isEmpty());
    }
}

TEST(MidiLearn, ThePedalsReleaseAfterLearningLeavesTheRowAndIsHeardAsUsual)
{
    TrigRig rig;
    rig.addTrig(TrigControlChange, 0, 64, -1, -1, 14);
    rig.midi.listenTrigSourceOn = true;
    rig.send(TrigRig::kPedal, {"B0407F", "B04000"});
    EXPECT_EQ(rig.midi.learned().sourceVal2, 127);
    EXPECT_EQ(rig.actionsOf(rig.process()), QStringList{"ActionScrollCurrentOnglet 0"});
}

TEST(MidiLearn, AnAcceptedRowBecomesTheTrigger)
{
    TrigRig rig;
    rig.midi.creerTriggers();
    EXPECT_FALSE(rig.midi.commitLearned(0)); // nothing learned yet
    rig.midi.listenTrigSourceOn = true;
    rig.send(TrigRig::kPedal, {"B2407F"});
    EXPECT_FALSE(rig.midi.commitLearned(1));
    ASSERT_TRUE(rig.midi.commitLearned(0));
    const MidiTrig& t = rig.midi.MIDItriggers[0];
    EXPECT_EQ(t.sourceMode, MidiTrig::OneSource);
    EXPECT_EQ(t.sourceUID, TrigRig::kPedal);
    EXPECT_EQ(t.sourceDescr, "pedal");
    EXPECT_EQ(t.channel, 3);
    EXPECT_EQ(t.sourceType, TrigControlChange);
    EXPECT_EQ((QList<int>{t.sourceVal1, t.sourceVal2, t.sourceVal3}), (QList<int>{64, 127, -1}));

    rig.midi.MIDItriggers[0].actionType = 8;
    rig.midi.refreshTrigFiltreChannel();
    rig.send(TrigRig::kKeys, {"B2407F"});
    rig.send(TrigRig::kPedal, {"B2407F"});
    EXPECT_EQ(rig.firedPerMessage(), (QList<QList<int>>{{}, {0}}));
}

TEST(MidiLearn, ARowLearnedFromTheProgramsInputNamesIt)
{
    TrigRig rig;
    rig.midi.creerTriggers();
    rig.midi.listenTrigSourceOn = true;
    rig.send(rig.backend.ownInputUid(), {"C005"});
    ASSERT_TRUE(rig.midi.commitLearned(0));
    EXPECT_EQ(rig.midi.MIDItriggers[0].sourceMode, MidiTrig::OneSource);
    EXPECT_EQ(rig.midi.MIDItriggers[0].sourceUID, rig.midi.PartivoUIDin);
    EXPECT_EQ(rig.midi.MIDItriggers[0].sourceDescr, "Partivo IN");
}

TEST(MidiLearn, TheOutputEditorShowsEachMessageWhichIsStillQueued)
{
    TrigRig rig;
    rig.addTrig(TrigControlChange, 0, 7, -1, -1, 14);
    rig.midi.midiOutPrefOn = true;
    rig.send(TrigRig::kPedal, {"B30764"});
    EXPECT_EQ(rig.midi.shown(), (MidiLearnedRow{7, 3, 1, 7, 100, -1, true}));
    EXPECT_FALSE(rig.midi.learned().filled);
    EXPECT_TRUE(rig.posted.contains("ActionKey 2005"));
    EXPECT_EQ(rig.firedPerMessage(), (QList<QList<int>>{{0}}));
}

// "+N" moves the clock N ms on; anything else is a message from the pedal.
void play(TrigRig& rig, const QStringList& script)
{
    for (const QString& step : script) {
        if (step.startsWith(u'+'))
            rig.timers.advance(step.mid(1).toInt());
        else
            rig.send(TrigRig::kPedal, {step});
    }
}

QList<int> keysPosted(const TrigRig& rig)
{
    QList<int> keys;
    for (const QString& line : rig.posted) {
        if (line.startsWith(QStringLiteral("ActionKey 200")))
            keys.append(line.mid(10).toInt());
    }
    return keys;
}

TEST(MidiLastReceived, TheLastMessagesAreWrittenAsInstructions)
{
    struct Case {
        const char* name;
        QStringList script;
        const char* lastEvents;
        QList<int> keys;
    };
    const Case cases[] = {
        {"program alone", {"C005"}, "\n5@0", {2001}},
        {"with MSB and LSB", {"B00001", "B02002", "C005"}, "\n1.2:5@0", {2001}},
        {"with MSB only", {"B00001", "C005"}, "\n1.0:5@0", {2001}},
        {"with LSB only", {"B02002", "C005"}, "\n2:5@0", {2001}},
        {"an old MSB is left out", {"B00001", "+1000", "C005"}, "\n5@0", {2001}},
        {"another LSB controller is no bank", {"B02602", "C005"}, "\n5@0", {2001}},
        {"control change", {"B30764"}, "\nCC7:100@3", {2002}},
        {"two control changes", {"B00764", "B00765"}, "\nCC7:100@0\nCC7:101@0", {2002, 2001, 2002}},
        {"a second apart", {"B00764", "+1000", "B00765"}, "\nCC7:101@0", {2002, 2002}},
        {"a program starts the text again", {"B00764", "C005"}, "\n5@0", {2002, 2001}},
        {"a control change after a program",
         {"C005", "B00764"},
         "\n5@0\nCC7:100@0",
         {2001, 2001, 2002}},
        {"notes and bends are not written", {"903C40", "E00070"}, "", {}},
        {"a bank select alone", {"B00001"}, "", {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TrigRig rig;
        play(rig, c.script);
        EXPECT_EQ(rig.midi.lastReceived().lastEvents, QString::fromLatin1(c.lastEvents));
        EXPECT_EQ(rig.midi.lastReceived().nbLastEvents,
                  int(QString::fromLatin1(c.lastEvents).count(u'\n')));
        EXPECT_EQ(keysPosted(rig), c.keys);
    }
}

TEST(MidiLastReceived, TheSenderIsNamedAsItIsAddressed)
{
    TrigRig rig;
    rig.addDest("SYNTH", 0).sourceUID = TrigRig::kPedal;
    rig.addDest("SYNTH ch4", 4).sourceUID = TrigRig::kPedal;
    play(rig, {"B00001", "B02002", "C305", "B00764"});
    EXPECT_EQ(rig.midi.lastReceived().lastEvents, "\n1.2:5@SYNTH ch4\nCC7:100@SYNTH");
    play(rig, {"+1000", "C305"});
    EXPECT_EQ(rig.midi.lastReceived().lastEvents, "\n5@SYNTH ch4");
    const MidiLastReceived& last = rig.midi.lastReceived();
    EXPECT_EQ(last.lastMSBValue, 1);
    EXPECT_EQ(last.lastLSBValue, 2);
    EXPECT_EQ(last.lastLSBNo, 32);
    EXPECT_EQ(last.lastProgramChangeValue, 5);
    EXPECT_EQ(last.lastControlMessageValue1, 7);
    EXPECT_EQ(last.lastControlMessageValue2, 100);
    EXPECT_EQ(last.lastChannel, 3);
    EXPECT_EQ(last.lastSourceRef, TrigRig::kPedal);
}

TEST(MidiLastReceived, ObtenirChannelIdPrefersTheChannelThenASendingDestination)
{
    struct Dest {
        const char* name;
        int channel;
        int sendType;
        qint32 source;
    };
    struct Case {
        const char* name;
        QList<Dest> dests;
        int channel;
        qint32 source;
        const char* expected;
    };
    const QList<Dest> all = {{"MUTE", 0, MidiDest::SendNothing, 7},
                             {"SYNTH", 0, MidiDest::SendAllDevices, 7},
                             {"LATER", 0, MidiDest::SendOneDevice, 7},
                             {"PIANO", 3, MidiDest::SendAllDevices, 7},
                             {"OTHER", 0, MidiDest::SendAllDevices, 9}};
    const Case cases[] = {
        {"its channel", all, 2, 7, "PIANO"},
        {"all channels, one that sends", all, 0, 7, "SYNTH"},
        {"only a silent one", {{"MUTE", 0, MidiDest::SendNothing, 7}}, 0, 7, "MUTE"},
        {"another device", all, 5, 9, "OTHER"},
        {"unknown device", all, 5, 11, "5"},
        {"no source", all, 2, 0, "2"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TrigRig rig;
        for (const Dest& d : c.dests)
            rig.addDest(d.name, d.channel, d.sendType).sourceUID = d.source;
        EXPECT_EQ(rig.midi.obtenirChannelID(c.channel, c.source), c.expected);
    }
}

TEST(MidiLastReceived, NothingIsRecordedWhileTheProgramSendsButTriggersStillHear)
{
    TrigRig rig;
    rig.addTrig(TrigProgramChange, 1, -1, -1, 5, 8);
    rig.midi.setRefreshPaused(true);
    play(rig, {"B00001", "C005", "B00764"});
    EXPECT_EQ(rig.midi.lastReceived().lastEvents, "");
    EXPECT_EQ(rig.midi.lastReceived().lastProgramChangeValue, 0);
    EXPECT_EQ(rig.midi.lastReceived().lastMSBValue, 0);
    EXPECT_TRUE(keysPosted(rig).isEmpty());
    EXPECT_EQ(rig.firedPerMessage(), (QList<QList<int>>{{0}}));
}

TEST(MidiLastReceived, AWheelTurnedWithoutPauseKeepsTheTextBounded)
{
    TrigRig rig;
    for (int i = 0; i < 500; ++i)
        play(rig, {QStringLiteral("B001%1").arg(i % 128, 2, 16, QLatin1Char('0')), "+10"});
    const MidiLastReceived& last = rig.midi.lastReceived();
    EXPECT_EQ(last.nbLastEvents, 64);
    EXPECT_EQ(last.lastEvents.count(u'\n'), 64);
    EXPECT_TRUE(last.lastEvents.endsWith(QStringLiteral("\nCC1:%1@0").arg(499 % 128)));
}

} // namespace
} // namespace partivo
