#include "TrigRig.h"
#include "midi/MidiLastInstructions.h"

#include "QtPrinters.h"

#include <gtest/gtest.h>

using namespace partivo;

namespace {

// The insert buttons offer the last received MIDI as instructions, with the name under
// which the sender is addressed (here no destination names it: its channel, 0-based).
TEST(LastInstructions, TheLastReceivedMidiWrittenAsInstructions)
{
    const struct {
        const char* name;
        QStringList messages; // from the pedal, each its own call
        qint64 thenWaitMs;    // before the buttons are read
        const char* program;  // title of the program-change button
        const char* control;  // the control-change button
        bool programRecent;
    } cases[] = {
        {"nothing yet", {}, 0, "", "", false},
        {"a program change alone", {"C1 05"}, 0, "0:5@1", "", true},
        {"with its bank MSB", {"B1 00 03", "B1 20 02", "C1 05"}, 0, "3.2:5@1", "", true},
        {"a control change", {"B1 07 64"}, 0, "", "CC7:100@1", false},
        {"an old one is no longer lit", {"C1 05"}, 1500, "0:5@1", "", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TrigRig rig;
        rig.send(TrigRig::kPedal, c.messages);
        rig.timers.advance(c.thenWaitMs);
        const MidiLastInstructions last = midiLastInstructions(rig.midi);
        EXPECT_EQ(last.programTitle, QString::fromLatin1(c.program));
        EXPECT_EQ(last.controlChange, QString::fromLatin1(c.control));
        EXPECT_EQ(last.programRecent, c.programRecent);
        EXPECT_EQ(last.coarseTune.isEmpty(), c.messages.isEmpty());
    }
}

TEST(LastInstructions, SeveralMessagesInsertTheirWholeText)
{
    TrigRig rig;
    rig.send(TrigRig::kPedal, {"C1 05", "B1 07 64"});
    const MidiLastInstructions last = midiLastInstructions(rig.midi);
    EXPECT_EQ(last.programTitle, QStringLiteral("(2 events)@1"));
    EXPECT_EQ(last.programInsert, QStringLiteral("5@1\nCC7:100@1\n"));
    EXPECT_EQ(midiInstructionKeywords(), (QStringList{"CC", "CT", "TR", "MIDI", "SYSEX", "Tempo"}));
}

} // namespace

namespace {

TEST(LastInstructions, TheEventsTextCompletesInstructionsGroupsAndDestinations)
{
    TrigRig rig;
    MidiFavEvent piano = MidiFavEvent::initWithIndex(1);
    piano.favEventID = QStringLiteral("PIANO");
    rig.midi.MIDIfav = {MidiFavEvent::defaultGroup(), piano};
    MidiDest synth = MidiDest::initWithIndex(0);
    synth.idDest = QStringLiteral("SYNTH");
    rig.midi.MIDIdestinations = {synth};
    const QStringList all = midiInstructionCompletions(rig.midi);
    const struct {
        const char* word;
        QStringList expected;
    } cases[] = {
        {"", {}},
        {"mi", {"MIDI", "MIDI DEFAULT", "MIDI PIANO"}},
        {"MIDI P", {"MIDI PIANO"}},
        {"@s", {"@SYNTH"}},
        {"Tempo", {}}, // already whole
        {"x", {}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(completionsFor(all, QString::fromLatin1(c.word)), c.expected) << c.word;
}

} // namespace

namespace {

TEST(LastInstructions, TheWordACompletionReplaces)
{
    const struct {
        const char* before;
        const char* word;
    } cases[] = {
        {"", ""},
        {"CC7:100@SY", "@SY"},
        {"5@SYNTH MI", "MI"},
        {"MIDI PI", "MIDI PI"},
        {"x\nmidi ", "midi "},
        {"CC7:100@SYNTH\nT", "T"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(completionWord(QString::fromLatin1(c.before)), QString::fromLatin1(c.word))
            << c.before;
}

} // namespace
