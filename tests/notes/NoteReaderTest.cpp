#include "notes/NoteReader.h"

#include <gtest/gtest.h>

namespace partivo {
namespace {

std::optional<QString> none()
{
    return std::nullopt;
}

TEST(NoteReader, DirectivesTempoAndSignature)
{
    struct Case {
        const char* name;
        const char* note;
        std::optional<QString> title, artist, tags;
        int tempo, signature;
    };
    const Case cases[] = {
        {"empty note", "", none(), none(), none(), 0, 4},
        {"last line without a line feed", "memo\nTITLE=Song", none(), none(), none(), 0, 4},
        {"lower case", "title=Song\nartist=Band\ntags=slow live\n", "Song", "Band", "slow live", 0,
         4},
        {"blank title and artist", "TITLE=  \nARTIST=\nTAGS=\n", none(), none(), "", 0, 4},
        {"anywhere in a line", "memo TITLE=Late\n", "Late", none(), none(), 0, 4},
        {"first occurrence wins", "Title=One\nTitle=Two\n", "One", none(), none(), 0, 4},
        {"MIDI hides a bare number", "CC7:100@SYNTH\n120 bpm\n", none(), none(), none(), 0, 4},
        {"bare number", "CC7:100 SYNTH\n120 bpm\n", none(), none(), none(), 100, 4},
        {"tempo word", "Tempo 96 and 5@SYNTH\n", none(), none(), none(), 96, 4},
        {"2/4 before 3/4", "3/4 then 2/4\n", none(), none(), none(), 0, 2},
        {"3/4", "waltz 3/4\n", none(), none(), none(), 0, 3},
        {"CR LF line ends", "Title=Song\r\nArtist=Band\r\nTags=live slow\r\nTags=x\r", "Song",
         "Band", "live slow", 0, 4},
        {"a lone CR is text", "Title=Song\rArtist=Band\n", "Song\rArtist=Band", "Band", none(), 0,
         4},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const NoteContents note = readNote(QString::fromUtf8(c.note));
        EXPECT_EQ(note.title, c.title);
        EXPECT_EQ(note.artist, c.artist);
        EXPECT_EQ(note.tags, c.tags);
        EXPECT_EQ(note.tempo, c.tempo);
        EXPECT_EQ(note.signature, c.signature);
    }
}

TEST(NoteReader, WindowLines)
{
    const QString note = QStringLiteral("Capo on 2\n"
                                        "01:30 Message STAGE:Key change\n"
                                        "stage:Capo on 2 for the stage\n"
                                        "Stage:again\n"
                                        "Intro: MIDI PIANO\n"
                                        "Tempo: 120\n"
                                        "TITLE=a:b\n"
                                        "two words:no\n"
                                        "http://example.org\n"
                                        "CC7:100@SYNTH\n");
    EXPECT_EQ(windowIdsInNote(note), (QStringList{"stage", "Intro", "Tempo", "http"}));
    const NoteContents contents = readNote(note);
    ASSERT_EQ(contents.windowLines.size(), 4);
    // The message line's "STAGE:" is rejected; the window line further down is found.
    EXPECT_EQ(contents.windowLines[0].line, QStringLiteral("stage:Capo on 2 for the stage"));
    EXPECT_EQ(contents.windowLines[1].line, QStringLiteral("Intro: MIDI PIANO"));
    EXPECT_EQ(contents.windowLines[3].line, QStringLiteral("http://example.org"));
}

// A note of thousands of "ID:" lines (a log pasted in) lists the first kMaxWindowIdsInNote
// IDs: each is looked for through the whole note, so more would take quadratic time.
TEST(NoteReader, WindowIdsAreCounted)
{
    QString note;
    for (int i = 0; i < 5000; ++i)
        note += QStringLiteral("W%1: line %1\n").arg(i);
    const QStringList ids = windowIdsInNote(note);
    ASSERT_EQ(ids.size(), kMaxWindowIdsInNote);
    EXPECT_EQ(ids.first(), QStringLiteral("W0"));
    EXPECT_EQ(readNote(note).windowLines.size(), kMaxWindowIdsInNote);
}

TEST(NoteReader, EventsAndMidiLines)
{
    const NoteContents note =
        readNote(QStringLiteral("5@SYNTH\nIntro: MIDI PIANO\n00:10 MIDI SOLO\nMIDI PIANO\n"));
    EXPECT_EQ(note.events.size(), 4);
    // The first word decides: "Intro:" makes the second line memo text, not MIDI.
    EXPECT_EQ(note.midiLines, (QStringList{"5@SYNTH  ", "MIDI PIANO "}));
}

} // namespace
} // namespace partivo
