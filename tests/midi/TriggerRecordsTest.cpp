#include "MidiRig.h"
#include "QtPrinters.h"
#include "midi/MidiPrefKeys.h"

#include <gtest/gtest.h>

namespace partivo {
namespace {

TEST(TriggerRecords, FirstStartHasTwoEmptyTriggersAndWritesNothing)
{
    MidiRig rig;
    rig.midi.chargerTriggers();
    ASSERT_EQ(rig.midi.MIDItriggers.size(), 2);
    for (int i = 0; i < 2; ++i) {
        const MidiTrig& t = rig.midi.MIDItriggers[i];
        EXPECT_EQ(t.index, i);
        EXPECT_EQ(t.sourceMode, MidiTrig::AnySource);
        EXPECT_EQ(t.channel, 1);
        EXPECT_EQ(t.sourceType, TrigControlChange);
        EXPECT_EQ((QList<int>{t.sourceVal1, t.sourceVal2, t.sourceVal3}), (QList<int>{0, 0, 0}));
        EXPECT_EQ(t.actionType, 0);
        EXPECT_EQ(t.actionTxt, "");
    }
    EXPECT_TRUE(rig.prefs.keys().isEmpty());
    // They listen to controller 0, which never triggers: no message is admitted.
    EXPECT_TRUE(rig.midi.trigTable().isEmpty());
    EXPECT_FALSE(rig.midi.trigTable().admits(TrigControlChange, 1));
}

TEST(TriggerRecords, NewRecordsHaveTheirDefaults)
{
    const MidiTrig fresh;
    EXPECT_EQ(fresh.sourceType, TrigControlChange);
    EXPECT_EQ((QList<int>{fresh.sourceMode, fresh.channel, fresh.sourceVal1, fresh.sourceVal2,
                          fresh.sourceVal3, fresh.actionType, fresh.sourceUID}),
              (QList<int>{0, 0, 0, 0, 0, 0, 0}));
    MidiRig rig;
    rig.midi.chargerTriggers();
    rig.midi.creerTriggers();
    const MidiTrig& added = rig.midi.MIDItriggers.last();
    EXPECT_EQ(added.index, 2);
    EXPECT_EQ(added.channel, 0);
    EXPECT_EQ((QList<int>{added.sourceVal1, added.sourceVal2, added.sourceVal3}),
              (QList<int>{-1, -1, -1}));
    const MidiTrigIn in;
    EXPECT_EQ(in.sourceType, TrigControlChange);
    EXPECT_EQ((QList<int>{in.sourceVal1, in.sourceVal2, in.sourceVal3}), (QList<int>{-1, -1, -1}));
}

TEST(TriggerRecords, TriggersSurviveSaveAndLoad)
{
    MidiRig rig;
    rig.midi.chargerTriggers();
    rig.midi.creerTriggers();
    rig.midi.MIDItriggers[2] = {
        2,  MidiTrig::OneSource, -5, 6, 123456, "Pedal ✅", 16, TrigProgramChange, 1, 2, 127,
        21, "STAGE:Capo 2"};
    rig.midi.sauvegarderTriggers();
    EXPECT_EQ(rig.prefs.intValue("MidiTrig_nbTrig"), 3);
    EXPECT_EQ(rig.prefs.keys().size(), 1 + 12 * 3);
    EXPECT_EQ(rig.prefs.stringValue("MidiTrig_actionTxt_2"), "STAGE:Capo 2");
    EXPECT_EQ(rig.prefs.stringValue("MidiTrig_sourceDescr_2"), "Pedal ✅");
    const char* intKeys[] = {"sourceMode", "deviceUID",  "entityUID",  "sourceUID",  "channel",
                             "sourceType", "sourceVal1", "sourceVal2", "sourceVal3", "actionType"};
    const int intValues[] = {2, -5, 6, 123456, 16, 2, 1, 2, 127, 21};
    for (size_t i = 0; i < std::size(intKeys); ++i)
        EXPECT_EQ(rig.prefs.intValue(QStringLiteral("MidiTrig_%1_2").arg(intKeys[i])), intValues[i])
            << intKeys[i];
    EXPECT_EQ(rig.prefs.syncCount(), 1);

    Midi reloaded(rig.prefs, rig.timers, rig.backend);
    reloaded.chargerTriggers();
    EXPECT_TRUE(reloaded.MIDItriggers == rig.midi.MIDItriggers);
    EXPECT_FALSE(reloaded.trigTable().isEmpty());
}

TEST(TriggerRecords, MissingKeysLeaveTheDefaults)
{
    MemoryPrefs prefs({{"MidiTrig_nbTrig", 2}, {"MidiTrig_channel_1", "5"}});
    ManualTimers timers;
    LoopbackMidi backend(timers);
    Midi midi(prefs, timers, backend);
    midi.chargerTriggers();
    ASSERT_EQ(midi.MIDItriggers.size(), 2);
    MidiTrig first;
    EXPECT_TRUE(midi.MIDItriggers[0] == first);
    EXPECT_EQ(midi.MIDItriggers[1].channel, 5);
    EXPECT_EQ(midi.MIDItriggers[1].actionTxt, "");
}

TEST(TriggerRecords, DeletingRenumbers)
{
    MidiRig rig;
    rig.midi.chargerTriggers();
    rig.midi.creerTriggers();
    rig.midi.MIDItriggers[2].actionTxt = "third";
    EXPECT_FALSE(rig.midi.supprimerTriggersForIndex(3));
    EXPECT_FALSE(rig.midi.supprimerTriggersForIndex(-1));
    ASSERT_TRUE(rig.midi.supprimerTriggersForIndex(0));
    ASSERT_EQ(rig.midi.MIDItriggers.size(), 2);
    EXPECT_EQ(rig.midi.MIDItriggers[1].index, 1);
    EXPECT_EQ(rig.midi.MIDItriggers[1].actionTxt, "third");
}

TEST(TriggerRecords, StartUpLoadsTheTriggersAndConnectsTheReceiver)
{
    MidiRig rig;
    rig.prefs.setValue("MidiTrig_nbTrig", 1);
    rig.prefs.setValue("MidiTrig_sourceVal1_0", 7);
    rig.prefs.setValue("MidiTrig_sourceVal2_0", 100);
    rig.prefs.setValue("MidiTrig_channel_0", 1);
    rig.prefs.setValue("MidiTrig_actionType_0", 8);
    rig.backend.setSources({{7, "pedal", true}});
    rig.midi.iniMidi();
    ASSERT_EQ(rig.midi.MIDItriggers.size(), 1);
    EXPECT_TRUE(rig.backend.inject(7, QByteArray::fromHex("B00764")));
    EXPECT_EQ(rig.midi.MIDItriggersIn().size(), 1);
}

} // namespace
} // namespace partivo
