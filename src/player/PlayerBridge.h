#pragma once

#include "player/PlayerView.h"

namespace partivo {

class Data;
class MediaPlayer;
class Timers;

inline constexpr char kPlayerTimer[] = "ituneTimer";
inline constexpr int kPollMs = 200;
inline constexpr int kFastPollMs = 20;
inline constexpr double kFastPollBeforeEnd = 3;
inline constexpr double kMuteLimitSeconds = 1800;
inline constexpr double kMuteLength = 600;

// The backing track of the current song: finds it in the music library for the genre,
// plays it, follows its position (every 0.2 s, every 0.02 s in its last 3 seconds) and hands
// the position to the windows and the timed events; goes on with the next song of the tab
// when continuous play is on. Genre (MUTE) plays nothing and runs the same clock.
class PlayerBridge {
public:
    PlayerBridge(Data& data, MediaPlayer& player, Timers& timers, const TrackSource& library,
                 PlayerView& view);

    // Starts the current song's track (the silent clock in genre (MUTE)).
    void play_track();
    // Stops what plays; false when nothing did.
    bool stop_if_playing();
    // Stops what plays, or plays when nothing did.
    void traiter_swipe13_play_pause();
    // The poll timer runs (a track or the silent clock is followed).
    bool isActive() const;

    // The song whose track was started (0 none) and the track itself.
    int songNoG_itunes() const { return songNoG_itunes_; }
    const Track& track() const { return track_; }
    bool muteClock() const { return mute_; }
    // The song continuous play goes to next (0 none).
    int determinerPieceNext() const;
    // The current song's track for the genre, without playing it (nothing when none).
    std::optional<Track> trackForCurrentSong(int genre) const;

private:
    bool play_track_by_search();
    void startItuneTimer(int intervalMs);
    void stopItuneTimer();
    void updateItuneInfo();
    void updateItuneInfo2();
    void trackEnded();
    void hide();

    Data& data_;
    MediaPlayer& player_;
    Timers& timers_;
    const TrackSource& library_;
    PlayerView& view_;

    int songNoG_itunes_ = 0;
    bool grecedule_ = false; // the fast rate of the track's last seconds is on
    bool mute_ = false;      // the silent clock of (MUTE) runs
    qint64 timeLastPlayMuteMs_ = 0;
    Track track_;       // the track started
    QString songAsked_; // its file: another file playing means someone else started it
};

} // namespace partivo
