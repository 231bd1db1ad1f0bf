#include "MidiRig.h"
#include "QtPrinters.h"

#include <gtest/gtest.h>

namespace partivo {
namespace {

TEST(Records, FirstStartHasAllAndSixteenChannelsAndWritesNothing)
{
    MidiRig rig;
    rig.midi.chargerDestinations();
    const QList<MidiDest>& dests = rig.midi.MIDIdestinations;
    ASSERT_EQ(dests.size(), 17);
    for (int i = 0; i < 17; ++i) {
        EXPECT_EQ(dests[i].idDest, i == 0 ? QString("All") : QStringLiteral("Ch%1").arg(i));
        EXPECT_EQ(dests[i].channel, i);
        EXPECT_EQ(dests[i].index, i);
        EXPECT_EQ(dests[i].sendType, MidiDest::SendAllDevices);
    }
    rig.midi.chargerFav();
    ASSERT_EQ(rig.midi.MIDIfav.size(), 1);
    EXPECT_EQ(rig.midi.MIDIfav[0].favEventID, "DEFAULT");
    EXPECT_EQ(rig.midi.MIDIfav[0].favEventDescr, "Default events for every song");
    EXPECT_EQ(rig.midi.MIDIfav[0].favEventTx, "");
    EXPECT_TRUE(rig.prefs.keys().isEmpty());
}

TEST(Records, DestinationsSurviveSaveAndLoad)
{
    MidiRig rig;
    rig.midi.chargerDestinations();
    rig.midi.supprimerDestinationsForIndex(1);
    rig.midi.creerDestinations();
    MidiDest& dest = rig.midi.MIDIdestinations.last();
    EXPECT_EQ(dest.idDest, "Dest16");
    dest = {16, "SYNTH", MidiDest::SendOneDevice, 3, "Port 1", -7, 8, 9, -123456};
    rig.midi.sauvegarderDestinations();
    EXPECT_EQ(rig.prefs.intValue("MidiDest_nbDest"), 17);
    EXPECT_EQ(rig.prefs.stringValue("MidiDest_idDest_1"), "Ch2");
    EXPECT_EQ(rig.prefs.intValue("MidiDest_destUID_16"), -123456);
    EXPECT_EQ(rig.prefs.keys().size(), 1 + 8 * 17); // eight keys a record: index is in each
    EXPECT_EQ(rig.prefs.syncCount(), 1);

    Midi reloaded(rig.prefs, rig.timers, rig.backend);
    reloaded.chargerDestinations();
    EXPECT_TRUE(reloaded.MIDIdestinations == rig.midi.MIDIdestinations);
}

TEST(Records, MissingDestinationKeysLeaveTheDefaults)
{
    MemoryPrefs prefs({{"MidiDest_nbDest", 2}, {"MidiDest_channel_1", "5"}});
    ManualTimers timers;
    LoopbackMidi backend(timers);
    Midi midi(prefs, timers, backend);
    midi.chargerDestinations();
    ASSERT_EQ(midi.MIDIdestinations.size(), 2);
    EXPECT_TRUE(midi.MIDIdestinations[0] == MidiDest{});
    EXPECT_EQ(midi.MIDIdestinations[1].channel, 5);
    EXPECT_EQ(midi.MIDIdestinations[1].idDest, "");
}

TEST(Records, EventLibrarySurvivesSaveAndLoadAndKeepsItsDefaultGroup)
{
    MidiRig rig;
    rig.midi.chargerFav();
    rig.midi.creerFav();
    rig.midi.creerFav();
    EXPECT_EQ(rig.midi.MIDIfav[2].favEventID, "Fav2");
    rig.midi.MIDIfav[1].favEventTx = "0.12:5@SYNTH\nCC7:100@SYNTH";
    rig.midi.MIDIfav[2].favEventDescr = "strings";
    EXPECT_FALSE(rig.midi.supprimerFavForIndex(0));
    EXPECT_TRUE(rig.midi.supprimerFavForIndex(1));
    EXPECT_FALSE(rig.midi.supprimerFavForIndex(2));
    rig.midi.sauvegarderFav();
    EXPECT_EQ(rig.prefs.intValue("MidiFavEvent_nbFav"), 2);
    EXPECT_EQ(rig.prefs.stringValue("MidiFavEvent_favEventDescr_1"), "strings");

    rig.midi.MIDIfav[1].favEventTx = "1@1";
    rig.midi.sauvegarderFav();
    Midi reloaded(rig.prefs, rig.timers, rig.backend);
    reloaded.chargerFav();
    EXPECT_TRUE(reloaded.MIDIfav == rig.midi.MIDIfav);
    EXPECT_EQ(reloaded.MIDIfav[1].index, 1);
}

} // namespace
} // namespace partivo
