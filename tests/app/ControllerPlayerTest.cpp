#include "ControllerFixture.h"
#include "library/Genres.h"
#include "platform/Commands.h"
#include "player/MusicLibrary.h"
#include "player/PlayerBridge.h"
#include "player/TestAudio.h"
#include "player/TrackMatch.h"

#include "QtPrinters.h"

#include <QFile>
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
