#include "ControllerFixture.h"
#include "platform/Commands.h"

#include "QtPrinters.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

using namespace partivo;
using partivo::test::App;

namespace {

// A synthesizer on endpoint 77 named SYNTH, the "DEFAULT" group and a PIANO group.
void configureMidi(App& app)
{
    app.midiBackend.setDestinations({{77, QStringLiteral("Synth"), true}});
    MidiDest synth = MidiDest::initWithIndex(0);
    synth.idDest = QStringLiteral("SYNTH");
    synth.sendType = MidiDest::SendOneDevice;
    synth.channel = 1;
    synth.destUID = 77;
    app.midi.MIDIdestinations = {synth};
    MidiFavEvent defaults = MidiFavEvent::defaultGroup();
    defaults.favEventTx = QStringLiteral("CC7:100@SYNTH");
    MidiFavEvent piano = MidiFavEvent::initWithIndex(1);
    piano.favEventID = QStringLiteral("PIANO");
    piano.favEventTx = QStringLiteral("4@SYNTH");
    app.midi.MIDIfav = {defaults, piano};
}

QStringList sentHex(App& app)
{
    QStringList lines;
    for (const LoopbackMidi::Sent& s : app.midiBackend.sent())
        lines << QString::fromLatin1(s.bytes.toHex(' ')).toUpper();
    return lines;
}

void writeNote(App& app, const char* name, const char* text)
{
    QFile note(QDir(app.folder.path()).filePath(QString::fromLatin1(name)));
    ASSERT_TRUE(note.open(QIODevice::WriteOnly));
    note.write(text);
}

// Half a second after a song change, when the song is still current: the "DEFAULT" group,
// then the note's untimed MIDI lines; timed lines wait for the track.
TEST(ControllerNote, ASongThatStaysCurrentSendsTheDefaultGroupThenItsNotesMidi)
{
    App app;
    writeNote(app, "Beta.txt", "Piano intro\nMIDI PIANO\n01:30 5@SYNTH\n");
    app.start({{"Alpha.pdf", 1}, {"Beta.pdf", 1}, {"Gamma.pdf", 1}});
    configureMidi(app);
    app.timers.advance(1000);
    app.midiBackend.clearSent();

    // Passing through Beta quickly sends nothing of it.
    app.key(cmd::NextSong);
    app.timers.advance(200);
    app.key(cmd::NextSong);
    app.timers.advance(600);
    EXPECT_EQ(sentHex(app), QStringList{"B0 07 64"}); // Gamma: the DEFAULT group only
    app.midiBackend.clearSent();

    app.key(cmd::PrevSong);
    app.timers.advance(499);
    EXPECT_TRUE(sentHex(app).isEmpty());
    app.timers.advance(200);
    EXPECT_EQ(sentHex(app), (QStringList{"B0 07 64", "C0 04"}));
    EXPECT_EQ(app.c().navigator().songNoG_ev, 2);
    // The pause on incoming changes ends a second after the queue ran dry.
    EXPECT_TRUE(app.midi.refreshPaused());
    app.timers.advance(1100);
    EXPECT_FALSE(app.midi.refreshPaused());
}

TEST(ControllerNote, WithNothingToSendThePauseOnIncomingChangesStillEnds)
{
    App app;
    app.start({{"Alpha.pdf", 1}, {"Beta.pdf", 1}});
    app.midi.MIDIfav = {MidiFavEvent::defaultGroup()}; // an empty DEFAULT group
    app.key(cmd::NextSong);
    app.timers.advance(600);
    EXPECT_TRUE(app.midiBackend.sent().isEmpty());
    app.timers.advance(1100);
    EXPECT_FALSE(app.midi.refreshPaused());
}

} // namespace
