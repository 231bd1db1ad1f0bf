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
