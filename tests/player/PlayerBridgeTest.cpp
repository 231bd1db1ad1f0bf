#include "player/PlayerBridge.h"
#include "library/Data.h"
#include "library/TestFolder.h"
#include "platform/ManualMediaPlayer.h"
#include "platform/ManualTimers.h"
#include "platform/MemoryPrefs.h"
#include "platform/ScriptedDialogs.h"
#include "player/TrackMatch.h"

#include "QtPrinters.h"

#include <gtest/gtest.h>

using namespace partivo;
using partivo::test::TestFolder;

namespace {

struct FakeLibrary : TrackSource {
    TrackList list;
    bool up = true;
    bool available() const override { return up && !list.isEmpty(); }
    const TrackList& tracks() const override { return list; }
};

// Records what the windows are shown and does what the controller does for a song change.
struct FakeView : PlayerView {
    Data* data = nullptr;
    QStringList messages;
    struct Info {
        QString title;
        double pos, max;
        bool masquer;
    };
    QList<Info> infos;
    bool contPlay = false;
    bool toc = false;
    int stops = 0;
    void updateItunesInfoX(const QString& title, const QString&, double curPos, double maxPos,
                           bool masquer) override
    {
        infos.append({title, curPos, maxPos, masquer});
    }
    void playerMessage(const QString& text) override { messages.append(text); }
    bool contPlayOn() const override { return contPlay; }
    bool tocShown() const override { return toc; }
    void showSongNo(int songNo) override { data->setSongNoG(songNo); }
    void afterStop() override { ++stops; }
    const Info& last() const { return infos.last(); }
};

// Three songs A, B, C (title order), each with a track of its own in the library.
struct Rig {
    TestFolder folder;
    MemoryPrefs prefs;
    ScriptedDialogs dialogs;
    Data data{prefs, dialogs};
    ManualTimers timers;
    ManualMediaPlayer player{timers};
    FakeLibrary library;
    FakeView view;
    PlayerBridge bridge{data, player, timers, library, view};

    Rig()
    {
        for (const char* name : {"Alpha(Band).pdf", "Beta(Band).pdf", "Gamma(Band).pdf"})
            folder.write(QString::fromUtf8(name));
        data.chargerTabsForDirNo(0, true);
        EXPECT_TRUE(data.chargerFichiers(folder.path(), true));
        data.setSongNoG(1);
        view.data = &data;
        for (const char* title : {"Alpha", "Beta", "Gamma"}) {
            const QString path = QStringLiteral("/music/%1.mp3").arg(title);
            library.list.append({title, "Band", "", "Backing Track", path, 1, 59.5});
            player.setDuration(path, 59.5);
        }
    }
};

} // namespace

TEST(PlayerBridge, ATrackIsFollowedToItsEndAndNotASecondEarly)
{
    Rig r;
    r.bridge.play_track();
    EXPECT_EQ(r.player.currentPath(), "/music/Alpha.mp3");
    EXPECT_TRUE(r.bridge.isActive());
    r.timers.advance(10000);
    EXPECT_EQ(r.view.last().title, "Alpha");
    EXPECT_DOUBLE_EQ(r.view.last().pos, 10.0);
    EXPECT_DOUBLE_EQ(r.view.last().max, 59.5);
    // The poll quickens from 3 seconds before the end.
    r.timers.advance(46400); // 56.4 s
    EXPECT_NEAR(r.view.last().pos, 56.4, 1e-9);
    qsizetype before = r.view.infos.size();
    r.timers.advance(200); // the 0.2 s poll at 56.6 s switches to 0.02 s
    EXPECT_EQ(r.view.infos.size(), before + 1);
    before = r.view.infos.size();
    r.timers.advance(100);
    EXPECT_EQ(r.view.infos.size(), before + 5); // every 20 ms now
    r.timers.advance(2780);                     // 59.48 s: still playing
    EXPECT_FALSE(r.view.last().masquer);
    EXPECT_NEAR(r.view.last().pos, 59.48, 1e-9);
    r.timers.advance(40); // 59.52 s: over
    EXPECT_TRUE(r.view.last().masquer);
    EXPECT_FALSE(r.bridge.isActive());
    EXPECT_EQ(r.data.songNoG(), 1); // no continuous play
}

TEST(PlayerBridge, ContinuousPlayGoesOnWithTheNextSongOfTheTab)
{
    Rig r;
    r.view.contPlay = true;
    r.data.setSongNoG(2);
    r.bridge.play_track();
    r.timers.advance(60000);
    EXPECT_EQ(r.data.songNoG(), 3);
    EXPECT_EQ(r.player.currentPath(), "/music/Gamma.mp3");
    // The last song of the tab: the end is the end.
    r.timers.advance(60000);
    EXPECT_EQ(r.data.songNoG(), 3);
    EXPECT_FALSE(r.bridge.isActive());
    // With the song list open nothing goes on either.
    r.data.setSongNoG(1);
    r.view.toc = true;
    r.bridge.play_track();
    r.timers.advance(60000);
    EXPECT_EQ(r.data.songNoG(), 1);
    // The user moved on while a track played: the song shown is the next one.
    r.view.toc = false;
    r.bridge.play_track();
    r.data.setSongNoG(3);
    r.timers.advance(60000);
    EXPECT_EQ(r.player.currentPath(), "/music/Gamma.mp3");
}

TEST(PlayerBridge, PlayPauseStopsWhatPlaysAndAnotherTrackEndsTheSong)
{
    Rig r;
    r.bridge.traiter_swipe13_play_pause();
    EXPECT_EQ(r.player.state(), MediaPlayer::State::Playing);
    r.timers.advance(5000);
    r.bridge.traiter_swipe13_play_pause();
    EXPECT_EQ(r.player.state(), MediaPlayer::State::Stopped);
    EXPECT_FALSE(r.bridge.isActive());
    EXPECT_EQ(r.view.stops, 1);
    EXPECT_TRUE(r.view.last().masquer);
    EXPECT_FALSE(r.bridge.stop_if_playing()); // nothing plays

    r.bridge.play_track();
    r.player.startedElsewhere("/music/Other.mp3");
    r.timers.advance(200);
    EXPECT_EQ(r.player.state(), MediaPlayer::State::Stopped);
    EXPECT_FALSE(r.bridge.isActive());
}

TEST(PlayerBridge, MuteRunsTheClockWithoutAudioAndStopsAfterHalfAnHour)
{
    Rig r;
    r.data.currentGenreG = kMuteGenre;
    r.bridge.play_track();
    EXPECT_EQ(r.player.playCount(), 0);
    EXPECT_DOUBLE_EQ(r.view.last().pos, 0.0);
    EXPECT_DOUBLE_EQ(r.view.last().max, kMuteLength);
    r.timers.advance(12000);
    EXPECT_DOUBLE_EQ(r.view.last().pos, 12.0);
    r.timers.advance(1800 * 1000);
    EXPECT_FALSE(r.bridge.isActive());
    EXPECT_TRUE(r.view.last().masquer);
    // The toggle starts and stops the silent clock.
    r.bridge.traiter_swipe13_play_pause();
    EXPECT_TRUE(r.bridge.isActive());
    r.bridge.traiter_swipe13_play_pause();
    EXPECT_FALSE(r.bridge.isActive());
}

TEST(PlayerBridge, MessagesForNoLibraryNoTrackAndATrackThatCannotPlay)
{
    Rig r;
    r.library.up = false;
    r.bridge.play_track();
    EXPECT_EQ(r.view.messages.last(), "The music library is not available");
    EXPECT_FALSE(r.bridge.isActive());

    r.library.up = true;
    r.library.list.removeFirst(); // Alpha has no track any more
    r.bridge.play_track();
    EXPECT_EQ(r.view.messages.last(),
              "Partivo is unable to find the corresponding song in the music library.");
    EXPECT_EQ(r.bridge.songNoG_itunes(), 0);

    r.data.setSongNoG(2);
    r.player.setUnplayable("/music/Beta.mp3", "the file is not there any more");
    r.bridge.play_track();
    EXPECT_EQ(r.view.messages.last(),
              "The track \"Beta.mp3\" cannot be played: the file is not there any more");
    EXPECT_FALSE(r.bridge.isActive());
    EXPECT_TRUE(r.view.last().masquer); // the events are reset, nothing fires from it
}
