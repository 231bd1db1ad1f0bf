#include "MidiRig.h"
#include "QtPrinters.h"
#include "midi/MidiBytes.h"

#include <gtest/gtest.h>

namespace partivo {
namespace {

// SYNTH is on channel 3 (index 2), ALLCH on every channel, DEV on channel 1 of one endpoint.
void configure(MidiRig& rig)
{
    rig.addDest("SYNTH", 3);
    rig.addDest("ALLCH", 0);
    rig.addDest("DEV", 1, MidiDest::SendOneDevice).destUID = 77;
    rig.addDest("OFF", 3, MidiDest::SendNothing);
    rig.addDest("BAD", 17);
    rig.addFav("DEFAULT", "CC7:100@SYNTH");
    rig.addFav("Piano", "1@SYNTH");
    rig.addFav("EMPTY", "");
    rig.addFav("PIANO", "2@SYNTH");
    rig.addFav("A", "10@SYNTH MIDI B");
    rig.addFav("B", "11@SYNTH MIDI A");
    rig.addFav("SELF", "3@SYNTH MIDI self");
    rig.addFav("TWICE", "MIDI PIANO MIDI PIANO");
}

struct Case {
    const char* text;
    QStringList queued;
};

const QStringList kRpnPlusOne = {"SYNTH B2 65 00", "SYNTH B2 64 02", "SYNTH B2 06 41",
                                 "SYNTH B2 26 00", "SYNTH B2 65 7F", "SYNTH B2 64 7F"};
const QStringList kRpnMinusTwo = {"SYNTH B2 65 00", "SYNTH B2 64 02", "SYNTH B2 06 3E",
                                  "SYNTH B2 26 00", "SYNTH B2 65 7F", "SYNTH B2 64 7F"};
const QStringList kRpnClampedUp = {"SYNTH B2 65 00", "SYNTH B2 64 02", "SYNTH B2 06 7F",
                                   "SYNTH B2 26 00", "SYNTH B2 65 7F", "SYNTH B2 64 7F"};

const Case kCases[] = {
    // Program changes and bank select.
    {"5@SYNTH", {"SYNTH C2 05"}},
    {"12:5@SYNTH", {"SYNTH B2 20 0C", "SYNTH C2 05"}},
    {"0.12:5@SYNTH", {"SYNTH B2 00 00", "SYNTH B2 20 0C", "SYNTH C2 05"}},
    {"1.2.3.4@SYNTH", {"SYNTH B2 00 02", "SYNTH B2 20 03", "SYNTH C2 04"}},
    {"5..3@SYNTH", {"SYNTH B2 00 05", "SYNTH C2 03"}},
    {"CT2@SYNTH", {"SYNTH C2 02"}},
    {"ct+2@SYNTH", {"SYNTH C2 02"}},
    {"CC7:1000@SYNTH", {"SYNTH C2 00"}},
    // Control changes.
    {"CC7:100@SYNTH", {"SYNTH B2 07 64"}},
    {"CC0.0@SYNTH", {"SYNTH B2 00 00"}},
    {"CC7@SYNTH", {"SYNTH B2 00 07"}},
    // Coarse tuning, universal system exclusive and registered parameter.
    {"CT+2@SYNTH", {"SYNTH F0 7F 7F 04 04 00 42 F7"}},
    {"CT-2@SYNTH", {"SYNTH F0 7F 7F 04 04 00 3E F7"}},
    {"CT+0@SYNTH", {"SYNTH F0 7F 7F 04 04 00 40 F7"}},
    {"TR+1@SYNTH", kRpnPlusOne},
    {"TR-2@SYNTH", kRpnMinusTwo},
    // System exclusive.
    {"SYSEX F0 7E 7F 09 01 F7@SYNTH", {"SYNTH F0 7E 7F 09 01 F7"}},
    {"sysex f07e7f0901f7@synth", {"SYNTH F0 7E 7F 09 01 F7"}},
    // Sent only whole: starting with F0 and ending with F7.
    {"SYSEX F0 7@SYNTH", {}},
    {"SYSEX 01 02 03@SYNTH", {}},
    {"SYSEX F0 01 02@SYNTH", {}},
    {"SYSEX 01 F7@SYNTH", {}},
    {"SYSEX @SYNTH", {}},
    {"SYSEX F0 F7", {}},
    {"SYSEX F0 F7\n5@SYNTH", {"SYNTH F0 F7"}},
    // Destinations.
    {"5@3", {"3 C3 05"}},
    {"5@0", {"0 C0 05"}},
    {"5@15", {"15 CF 05"}},
    {"5@16", {}},
    {"5@-1", {}},
    {"5@03", {}},
    {"5@synth", {"SYNTH C2 05"}},
    {"5@DEV", {"DEV C0 05"}},
    {"5@UNKNOWN", {}},
    {"5@OFF", {}},
    {"5@BAD", {}},
    {"Piano@SYNTH", {}},
    {"@SYNTH", {}},
    {"5@", {}},
    {"5@SYNTH 6@3\nCC1:2@SYNTH", {"SYNTH C2 05", "3 C3 06", "SYNTH B2 01 02"}},
    // Out-of-range numbers are clamped to the data range.
    {"CC7:200@SYNTH", {"SYNTH B2 07 7F"}},
    {"CC200:5@SYNTH", {"SYNTH B2 7F 05"}},
    {"300.200:128@SYNTH", {"SYNTH B2 00 7F", "SYNTH B2 20 7F", "SYNTH C2 7F"}},
    {"CT+100@SYNTH", {"SYNTH F0 7F 7F 04 04 00 7F F7"}},
    {"CT-100@SYNTH", {"SYNTH F0 7F 7F 04 04 00 00 F7"}},
    {"TR+99@SYNTH", kRpnClampedUp},
    // CR LF line ends read as LF.
    {"5@SYNTH\r\n6@SYNTH\r\n", {"SYNTH C2 05", "SYNTH C2 06"}},
    {"MIDI PIANO\r\n7@SYNTH", {"SYNTH C2 01", "SYNTH C2 02", "SYNTH C2 07"}},
    // Event-library groups.
    {"MIDI piano", {"SYNTH C2 01", "SYNTH C2 02"}},
    {"1@SYNTH MIDI PIANO 9@SYNTH", {"SYNTH C2 01", "SYNTH C2 01", "SYNTH C2 02", "SYNTH C2 09"}},
    {"MIDI DEFAULT", {"SYNTH B2 07 64"}},
    {"MIDI EMPTY", {}},
    {"MIDI  PIANO", {}},
    {"MIDI PIANO@SYNTH", {}},
    {"MIDI SELF", {"SYNTH C2 03"}},
    {"MIDI A", {"SYNTH C2 0A", "SYNTH C2 0B"}},
    {"MIDI B", {"SYNTH C2 0B", "SYNTH C2 0A"}},
    {"MIDI TWICE", {"SYNTH C2 01", "SYNTH C2 02", "SYNTH C2 01", "SYNTH C2 02"}},
};

TEST(Interpreter, EveryFormQueuesItsExactBytes)
{
    for (const Case& c : kCases) {
        MidiRig rig;
        configure(rig);
        rig.midi.sendMIDIfromString(QString::fromUtf8(c.text), QString(), false);
        EXPECT_EQ(rig.queued(), c.queued) << c.text;
    }
}

TEST(Interpreter, AllChannelsGetChannelMessagesOnEachChannelButTunesOnce)
{
    MidiRig rig;
    configure(rig);
    rig.midi.sendMIDIfromString("12:5@ALLCH CT+1@ALLCH SYSEX F0 F7@ALLCH", QString(), false);
    QStringList expected;
    for (const char* pattern : {"ALLCH B%1 20 0C", "ALLCH C%1 05"}) {
        for (int ch = 0; ch < 16; ++ch)
            expected.append(QString::fromLatin1(pattern).arg(QString::number(ch, 16).toUpper()));
    }
    expected << "ALLCH F0 7F 7F 04 04 00 41 F7"
             << "ALLCH F0 F7";
    EXPECT_EQ(rig.queued(), expected);
}

TEST(Interpreter, OneDeviceDestinationsCarryTheirEndpointAndOthersEveryDevice)
{
    MidiRig rig;
    configure(rig);
    rig.midi.sendMIDIfromString("5@DEV 5@SYNTH 5@2", QString(), true);
    ASSERT_EQ(rig.midi.MIDIevents().size(), 3);
    EXPECT_EQ(rig.midi.MIDIevents()[0].destUID, 77);
    EXPECT_EQ(rig.midi.MIDIevents()[1].destUID, 0);
    EXPECT_EQ(rig.midi.MIDIevents()[2].destUID, 0);
    EXPECT_TRUE(rig.midi.MIDIevents()[0].forcer);
}

TEST(Interpreter, TheGroupBeingExpandedIsNotExpandedAgain)
{
    MidiRig rig;
    configure(rig);
    rig.midi.sendMIDIfromString("MIDI PIANO 4@SYNTH", "piano", false);
    EXPECT_EQ(rig.queued(), QStringList{"SYNTH C2 04"});
}

TEST(Interpreter, DefaultGroupIsSentOnlyWhileItIsTheFirstEntry)
{
    MidiRig rig;
    configure(rig);
    EXPECT_TRUE(rig.midi.sendDefaultGroup());
    EXPECT_EQ(rig.queued(), QStringList{"SYNTH B2 07 64"});
    EXPECT_FALSE(rig.midi.MIDIevents()[0].forcer);

    MidiRig moved;
    configure(moved);
    moved.midi.MIDIfav.move(1, 0);
    EXPECT_FALSE(moved.midi.sendDefaultGroup());
    EXPECT_TRUE(moved.midi.MIDIevents().isEmpty());
}

// Groups that fan out (ten references on each of eight levels would be a hundred million
// messages) queue at most kMaxMessagesPerText messages for one text; the next text starts
// afresh.
TEST(Interpreter, OneTextQueuesAtMostTheLimit)
{
    MidiRig rig;
    configure(rig);
    for (int level = 0; level < 8; ++level) {
        const QString next = level == 7 ? QStringLiteral("5@SYNTH")
                                        : QStringLiteral("MIDI L%1 ").arg(level + 1).repeated(10);
        rig.addFav(QStringLiteral("L%1").arg(level), next);
    }
    rig.midi.sendMIDIfromString(QStringLiteral("MIDI L0"), QString(), false);
    EXPECT_EQ(rig.midi.MIDIevents().size(), kMaxMessagesPerText);
    rig.midi.sendMIDIfromString(QStringLiteral("6@SYNTH"), QString(), true);
    EXPECT_EQ(rig.midi.MIDIevents().size(), kMaxMessagesPerText + 1);
    EXPECT_EQ(rig.queued().last(), QStringLiteral("SYNTH C2 06"));
}

// A group sent by its ID ("send MIDI group" action) queues every entry of that ID.
TEST(Interpreter, GroupsAreSentByTheirIdWithoutRegardToCase)
{
    MidiRig rig;
    configure(rig);
    EXPECT_EQ(rig.midi.sendGroup(QStringLiteral("piano")), 2);
    EXPECT_EQ(rig.queued(), (QStringList{"SYNTH C2 01", "SYNTH C2 02"}));
    EXPECT_TRUE(rig.midi.MIDIevents()[0].forcer);
    EXPECT_EQ(rig.midi.sendGroup(QStringLiteral("EMPTY")), 0);
    EXPECT_EQ(rig.midi.sendGroup(QString()), 0);
}

TEST(Interpreter, NothingIsQueuedWithoutAMidiClient)
{
    MidiRig rig;
    configure(rig);
    rig.midi.midiOk = false;
    rig.midi.sendMIDIfromString("5@SYNTH MIDI PIANO SYSEX F0 F7@SYNTH", QString(), true);
    EXPECT_TRUE(rig.midi.MIDIevents().isEmpty());
}

} // namespace
} // namespace partivo
