#include "midi/MidiBytes.h"
#include "midi/MidiInstructions.h"

#include "QtPrinters.h"

#include <gtest/gtest.h>

namespace partivo {
namespace {

MidiInstruction program(int value, int lsb, int msb, const char* dest)
{
    MidiInstruction ins;
    ins.value = value;
    ins.bankLsb = lsb;
    ins.bankMsb = msb;
    ins.dest = QString::fromUtf8(dest);
    return ins;
}

MidiInstruction group(const char* id)
{
    MidiInstruction ins;
    ins.kind = MidiInstruction::Group;
    ins.groupId = QString::fromUtf8(id);
    return ins;
}

struct Case {
    const char* text;
    QList<MidiInstruction> parsed;
};

const Case kCases[] = {
    {"", {}},
    {"no instruction here", {}},
    // The destination ends at a space, a line feed, a CR or the end.
    {"1@A B", {program(1, -1, -1, "A")}},
    {"1@A\n2@B\r\n3@C\r4@D",
     {program(1, -1, -1, "A"), program(2, -1, -1, "B"), program(3, -1, -1, "C"),
      program(4, -1, -1, "D")}},
    // A line end (CR included) between the numbers ends the backwards scan.
    {"7\r8:9@X", {program(9, 8, -1, "X")}},
    {"7\n8:9@X", {program(9, 8, -1, "X")}},
    // Four digits keep the last three and end the scan.
    {"1234@X", {program(234, -1, -1, "X")}},
    // Text after the "@" is scanned like any other.
    {"5@3@7", {program(5, -1, -1, "3@7"), program(3, 5, -1, "7")}},
    {"midi one MIDI Two\nMiDi three", {group("ONE"), group("TWO"), group("THREE")}},
    {"MIDI ", {}},
};

TEST(InstructionParser, ReadsNumbersDestinationsAndGroups)
{
    for (const Case& c : kCases)
        EXPECT_TRUE(parseMidiInstructions(QString::fromUtf8(c.text)) == c.parsed) << c.text;
}

TEST(InstructionParser, SysexKeepsEveryByteAndSkipsNonHexCharacters)
{
    const QString text = "SYSEX " + QString("0a-").repeated(300) + "@X";
    const QList<MidiInstruction> parsed = parseMidiInstructions(text);
    ASSERT_EQ(parsed.size(), 1);
    EXPECT_EQ(parsed[0].kind, MidiInstruction::Sysex);
    EXPECT_EQ(parsed[0].bytes, QByteArray(300, '\x0a'));
    EXPECT_EQ(parsed[0].dest, "X");

    // Beyond the longest message sent, one byte more is kept: enough to refuse it.
    const QString huge = "SYSEX " + QString("7f").repeated(kMaxSysexBytes + 500) + "@X";
    EXPECT_EQ(parseMidiInstructions(huge).first().bytes.size(), kMaxSysexBytes + 1);
}

// Text with no blanks between its "@" signs is read in one pass: every destination name is
// cut after kMaxDestNameChars + 1 characters (and names nothing), so time and memory grow
// with the text, not with its square.
TEST(InstructionParser, LongRunsWithoutBlanksStayLinear)
{
    const QString text = QStringLiteral("1@").repeated(60000);
    const QList<MidiInstruction> parsed = parseMidiInstructions(text);
    ASSERT_EQ(parsed.size(), 60000);
    qsizetype longest = 0;
    for (const MidiInstruction& ins : parsed)
        longest = std::max(longest, ins.dest.size());
    EXPECT_EQ(longest, kMaxDestNameChars + 1);
    EXPECT_EQ(parsed.last().dest, QString());
    EXPECT_EQ(parseMidiInstructions("5@SYNTH").first().dest, QStringLiteral("SYNTH"));
}

TEST(InstructionParser, ScanningGoesOnAtTheSysexDestination)
{
    const QList<MidiInstruction> parsed = parseMidiInstructions("SYSEX F7@SYSEX F0@X 1@Y");
    ASSERT_EQ(parsed.size(), 3);
    EXPECT_EQ(parsed[0].bytes, QByteArray("\xF7"));
    EXPECT_EQ(parsed[0].dest, "SYSEX");
    EXPECT_EQ(parsed[1].bytes, QByteArray("\xF0"));
    EXPECT_EQ(parsed[1].dest, "X");
    EXPECT_TRUE(parsed[2] == program(1, -1, -1, "Y"));
}

TEST(InstructionParser, WordUpToBlank)
{
    EXPECT_EQ(obtenirChaineJusquaBlanc("SYNTH rest"), "SYNTH");
    EXPECT_EQ(obtenirChaineJusquaBlanc("SYNTH\r\n"), "SYNTH");
    EXPECT_EQ(obtenirChaineJusquaBlanc(""), "");
}

} // namespace
} // namespace partivo
