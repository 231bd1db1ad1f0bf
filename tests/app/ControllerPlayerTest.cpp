#include "ControllerFixture.h"
#include "library/Genres.h"
#include "platform/Commands.h"
#include "player/MusicLibrary.h"
#include "player/PlayerBridge.h"
#include "player/TestAudio.h"
#include "player/TrackMatch.h"

#include "QtPrinters.h"

#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace partivo;
using partivo::test::App;

namespace {

// A binder of two songs whose backing tracks are in a music folder; Alpha's note turns to
// page 2 at 2 s and shows a message at 4 s.
struct PlayerApp : App {
    QTemporaryDir music;

    PlayerApp()
    {
        test::writeAudio(music.filePath("Alpha.wav"),
                         test::wavFile(10, {{"INAM", "Alpha"}, {"IGNR", "Backing Track"}}));
        test::writeAudio(music.filePath("Beta.wav"),
                         test::wavFile(5, {{"INAM", "Beta"}, {"IGNR", "Backing Track"}}));
        prefs.setValue(QLatin1String(kMusicFolderKey), music.path());
        QFile note(folder.filePath("Alpha.txt"));
        EXPECT_TRUE(note.open(QIODevice::WriteOnly));
        note.write("00:02 Page 2\n00:04 Message Chorus now\n");
        note.close();
        start({{"Alpha.pdf", 3}, {"Beta.pdf", 1}});
        c().musicLibrary().waitForIndex();
        for (const Track& track : c().musicLibrary().tracks())
            player.setDuration(track.path, track.duration);
        timers.advance(600); // the note is read half a second after the song shows
    }
    PlayerBridge& bridge() { return c().playerBridge(); }
};

} // namespace

TEST(ControllerPlayer, TheTrackTurnsPagesAndShowsMessagesAtTheirTimes)
{
    PlayerApp app;
    app.c().traiterKeyAction(7, false, QString()); // play
    EXPECT_EQ(app.player.currentPath(), app.music.filePath("Alpha.wav"));
    EXPECT_EQ(app.c().navigator().pageNo1, 1);
    app.timers.advance(2000);
    EXPECT_EQ(app.c().navigator().pageNo1, 2);
    app.timers.advance(2000);
    EXPECT_EQ(app.window().messageLine().text(), QStringLiteral("⚠️ Chorus now"));
    EXPECT_EQ(app.c().takeFiredEvents().size(), 2);
    // The end of the track hides the time and re-arms the events.
    app.timers.advance(6000);
    EXPECT_TRUE(app.c().trackInfo().masquer);
    EXPECT_FALSE(app.bridge().isActive());
    app.c().traiterKeyAction(7, false, QString()); // again from the start
    app.timers.advance(2000);
    EXPECT_EQ(app.c().takeFiredEvents().size(), 1); // page 2 fired again
}

TEST(ControllerPlayer, KeysAndRemoteActionsPlayAndStop)
{
    PlayerApp app;
    app.post(action::PlaySongNo, 1); // Beta, and play
    EXPECT_EQ(app.title(), QStringLiteral("Beta"));
    EXPECT_EQ(app.player.currentPath(), app.music.filePath("Beta.wav"));
    app.key(cmd::StopPlayer);
    EXPECT_EQ(app.player.state(), MediaPlayer::State::Stopped);

    // A genre with the action: chosen and played; the same action while it plays stops.
    app.post(action::GoToGenreNoAndPlayPause, kMuteGenre);
    EXPECT_EQ(app.c().data().currentGenreG, kMuteGenre);
    EXPECT_TRUE(app.bridge().isActive());
    EXPECT_TRUE(app.bridge().muteClock());
    app.post(action::GoToGenreNoAndPlayPause, kMuteGenre);
    EXPECT_FALSE(app.bridge().isActive());
    EXPECT_EQ(app.c().data().currentGenreG, 1); // the user's genre is back after a stop
}

TEST(ControllerPlayer, TheSilentClockFiresTheEventsButNeverTurnsPagesBack)
{
    PlayerApp app;
    app.c().chooseGenre(kMuteGenre);
    app.c().traiterKeyAction(7, false, QString());
    EXPECT_EQ(app.player.playCount(), 0); // nothing is heard
    app.timers.advance(2000);
    EXPECT_EQ(app.c().navigator().pageNo1, 2);
    // An event at an earlier page replayed on the silent clock does not go back.
    app.post(action::GoToPageNo, 1);
    EXPECT_EQ(app.c().navigator().pageNo1, 2);
}

TEST(ControllerPlayer, PlayingWithoutALibraryOrATrackSaysSo)
{
    App app; // no music folder
    app.start({{"Alpha.pdf", 1}});
    app.c().traiterKeyAction(7, false, QString());
    EXPECT_EQ(app.window().messageLine().text(),
              QStringLiteral("⚠️ The music library is not available"));
}

TEST(ControllerPlayer, TheCurrentSongsTracksAreCopiedOncePerFileAndNeverOverAnother)
{
    PlayerApp app;
    test::writeAudio(app.music.filePath("Alpha cover.wav"),
                     test::wavFile(1, {{"INAM", "Alpha"}, {"IGNR", "Cover"}}));
    app.c().musicLibrary().reindex();
    app.c().musicLibrary().waitForIndex();
    QTemporaryDir out;
    // The cover is already there: it is neither written over nor counted.
    test::writeAudio(out.filePath("Alpha cover.wav"), "mine");
    app.dialogs.answerFolder(out.path());
    app.dialogs.answerInt(0); // "Show in Folder..."
    app.c().actionExportAudioFiles(true);
    EXPECT_EQ(app.dialogs.texts().last(),
              QStringLiteral("1 file(s) have been copied to %1").arg(out.path()));
    EXPECT_TRUE(QFileInfo::exists(out.filePath("Alpha.wav")));
    QFile mine(out.filePath("Alpha cover.wav"));
    ASSERT_TRUE(mine.open(QIODevice::ReadOnly));
    EXPECT_EQ(mine.readAll(), QByteArray("mine"));
    EXPECT_EQ(app.files.requests.last(), QStringLiteral("reveal ") + out.filePath("Alpha.wav"));
}

TEST(ControllerPlayer, ATabIsExportedOneSongAStepWithFailuresReportedNotCounted)
{
    PlayerApp app;
    QTemporaryDir out;
    // Beta's file goes away after the index: its copy fails and is said, not counted.
    ASSERT_TRUE(QFile::remove(app.music.filePath("Beta.wav")));
    app.dialogs.answerFolder(out.path());
    app.dialogs.answerInt(1); // Yes, export both songs
    app.dialogs.answerInt(1); // "Ok"
    app.c().actionExportAudioFiles(false);
    EXPECT_EQ(app.dialogs.texts().last(),
              QStringLiteral("Export audio files for 2 song(s) to %1").arg(out.path()));
    EXPECT_TRUE(app.shell.progressOpen);
    // A second export while this one runs is refused.
    app.c().actionExportAudioFiles(false);
    EXPECT_EQ(app.dialogs.texts().last(),
              QStringLiteral("Export of audio files is currently in progress."));
    app.timers.advance(0); // each step starts the next at once on the manual clock
    EXPECT_EQ(app.shell.progress, (QStringList{"1/2 Alpha", "2/2 Beta"}));
    EXPECT_FALSE(app.shell.progressOpen);
    const QString final = app.dialogs.texts().last();
    EXPECT_TRUE(final.startsWith(
        QStringLiteral("1 file(s) have been copied to %1\n\nThese files could not be copied:\n"
                       "Beta.wav: ")
            .arg(out.path())))
        << final.toStdString();
    EXPECT_TRUE(QFileInfo::exists(out.filePath("Alpha.wav")));
}

TEST(ControllerPlayer, CancellingATabExportStopsBetweenSongs)
{
    PlayerApp app;
    QTemporaryDir out;
    app.dialogs.answerFolder(out.path());
    app.dialogs.answerInt(1);
    app.dialogs.answerInt(1);
    app.shell.cancelAfterSteps = 1; // Cancel while Alpha is copied
    app.c().actionExportAudioFiles(false);
    app.timers.advance(0);
    EXPECT_EQ(app.shell.progress, QStringList{"1/2 Alpha"});
    EXPECT_EQ(app.dialogs.texts().last(),
              QStringLiteral("1 file(s) have been copied to %1").arg(out.path()));
    EXPECT_FALSE(QFileInfo::exists(out.filePath("Beta.wav")));
}

TEST(ControllerPlayer, TheMetronomeBeatsInTheBinderWindowAtTheSongsTempo)
{
    App app;
    QFile note(app.folder.filePath("Waltz.txt"));
    ASSERT_TRUE(note.open(QIODevice::WriteOnly));
    note.write("Tempo 120 3/4\n");
    note.close();
    app.start({{"Waltz.pdf", 1}});
    app.timers.advance(600); // the note gives the tempo
    const BinderHeader& header = app.window().header();
    app.key(cmd::Metronome);
    EXPECT_TRUE(app.c().metronome().metroON());
    EXPECT_EQ(header.metroBoxes, 2); // "Double" by default
    EXPECT_EQ(header.metroLit, 1);
    app.timers.advance(260);
    EXPECT_EQ(header.metroLit, 0); // hidden again half a beat later
    app.timers.advance(240);
    EXPECT_EQ(header.metroLit, 2);
    app.key(cmd::Metronome);
    EXPECT_FALSE(app.c().metronome().metroON());

    // The next type while it is off: "Acc. to Signature", with a bar's preview of 4 beats
    // lighting boxes 1, 2, 3, 1 in 3/4.
    QList<int> lit;
    app.key(cmd::NextMetronomeType);
    EXPECT_EQ(header.metroBoxes, 4);
    for (int step = 0; step < 300; ++step) {
        if (header.metroLit > 0 && (lit.isEmpty() || lit.last() != header.metroLit))
            lit.append(header.metroLit);
        else if (header.metroLit == 0 && !lit.isEmpty() && lit.last() != 0)
            lit.append(0);
        app.timers.advance(10);
    }
    lit.removeAll(0);
    EXPECT_EQ(lit, (QList<int>{1, 2, 3, 1}));
    EXPECT_FALSE(app.c().metronome().metroON());

    // The count-in: sixteen beats, then silence.
    app.key(cmd::CountIn);
    app.timers.advance(60000);
    EXPECT_EQ(app.c().metronome().gnbTick(), 16);
    EXPECT_FALSE(app.c().metronome().metroON());
}

TEST(ControllerPlayer, MuteLaysTwoPageWindowsOutAsAlternatePages)
{
    App app;
    app.start({{"Alpha.pdf", 4}});
    ASSERT_EQ(app.window().settings().modeAffichage, 0); // two pages side by side
    EXPECT_EQ(app.window().mode(), 0);
    app.c().chooseGenre(kMuteGenre);
    EXPECT_TRUE(app.window().muteGenre);
    EXPECT_EQ(app.window().mode(), 4);
    app.c().chooseGenre(1);
    EXPECT_FALSE(app.window().muteGenre);
    EXPECT_EQ(app.window().mode(), 0);
}
