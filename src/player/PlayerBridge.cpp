#include "player/PlayerBridge.h"

#include "library/Data.h"
#include "platform/MediaPlayer.h"
#include "platform/Timers.h"
#include "player/PlayerTexts.h"
#include "player/TrackMatch.h"

#include <QFileInfo>

namespace partivo {

PlayerBridge::PlayerBridge(Data& data, MediaPlayer& player, Timers& timers,
                           const TrackSource& library, PlayerView& view)
    : data_(data), player_(player), timers_(timers), library_(library), view_(view)
{
}

bool PlayerBridge::isActive() const
{
    return timers_.isActive(QLatin1String(kPlayerTimer));
}

void PlayerBridge::startItuneTimer(int intervalMs)
{
    grecedule_ = intervalMs == kFastPollMs;
    timers_.start(QLatin1String(kPlayerTimer), intervalMs, true, [this] { updateItuneInfo(); });
}

void PlayerBridge::stopItuneTimer()
{
    timers_.stop(QLatin1String(kPlayerTimer));
    grecedule_ = false;
}

void PlayerBridge::hide()
{
    view_.updateItunesInfoX(QString(), QString(), 0, 0, true);
}

std::optional<Track> PlayerBridge::trackForCurrentSong(int genre) const
{
    const auto song = data_.getPiece(data_.songNoG());
    if (!song || !library_.available())
        return std::nullopt;
    const PiecesDet& det = *song->pieceDet;
    return play_if_found(library_.tracks(), det.titre, knownArtist(det.auteur), genre);
}

void PlayerBridge::play_track()
{
    if (data_.currentGenreG == kMuteGenre) {
        songNoG_itunes_ = data_.songNoG();
        mute_ = true;
        timeLastPlayMuteMs_ = timers_.nowMs();
        startItuneTimer(kPollMs);
        updateItuneInfo(); // the clock shows from 0 at once
        return;
    }
    mute_ = false;
    if (play_track_by_search()) {
        startItuneTimer(kPollMs);
        updateItuneInfo();
    }
}

bool PlayerBridge::play_track_by_search()
{
    songNoG_itunes_ = data_.songNoG();
    if (!library_.available()) {
        stopItuneTimer();
        hide();
        view_.playerMessage(QString::fromUtf8(playerTexts::kLibraryNotAvailable));
        return false;
    }
    const std::optional<Track> found = trackForCurrentSong(data_.currentGenreG);
    if (!found) {
        stopItuneTimer();
        hide();
        view_.playerMessage(QString::fromUtf8(playerTexts::kSongNotFound));
        songNoG_itunes_ = 0;
        return false;
    }
    track_ = *found;
    player_.play(track_.path); // whatever played stops first
    songAsked_ = track_.path;
    return true;
}

void PlayerBridge::updateItuneInfo()
{
    if (!mute_) {
        updateItuneInfo2();
        return;
    }
    const double elapsed = double(timers_.nowMs() - timeLastPlayMuteMs_) / 1000.0;
    if (elapsed < kMuteLimitSeconds)
        view_.updateItunesInfoX(QString(), QString(), elapsed, kMuteLength, false);
    else
        stop_if_playing();
}

void PlayerBridge::updateItuneInfo2()
{
    if (const QString why = player_.error(); !why.isEmpty()) {
        // A file gone or undecodable: the clock stops, no event fires from where it was.
        stopItuneTimer();
        player_.stop();
        songAsked_.clear();
        hide();
        view_.playerMessage(QString::fromUtf8(playerTexts::kTrackCannotPlay)
                                .arg(QFileInfo(track_.path).fileName(), why));
        return;
    }
    if (player_.state() != MediaPlayer::State::Playing) {
        stopItuneTimer();
        trackEnded();
        return;
    }
    if (!songAsked_.isEmpty() && player_.currentPath() != songAsked_) {
        // Someone started another track: this song's track is over.
        songAsked_.clear();
        player_.stop();
        stopItuneTimer();
        trackEnded();
        return;
    }
    const double length = track_.duration;
    const double position = player_.position();
    if (length > 0 && position >= length) {
        player_.stop();
        stopItuneTimer();
        trackEnded();
        return;
    }
    if (length > 0 && position >= length - kFastPollBeforeEnd && !grecedule_)
        startItuneTimer(kFastPollMs);
    view_.updateItunesInfoX(track_.name, track_.artist, position, length, false);
}

void PlayerBridge::trackEnded()
{
    hide();
    if (!view_.contPlayOn() || view_.tocShown())
        return;
    // Every caller has stopped the poll, and the track display is hidden above.
    const int next = determinerPieceNext();
    if (next >= 1 && next <= data_.songNbrG()) {
        view_.showSongNo(next);
        play_track();
    }
}

int PlayerBridge::determinerPieceNext() const
{
    const int current = data_.songNoG();
    // The user moved on while the track played: the song now shown is next.
    if (current != songNoG_itunes_)
        return current;
    const int tab = data_.onglNoG;
    const auto& starts =
        data_.currentSort == 1 ? data_.indexInAuthorArrayG : data_.indexInTitleArrayG;
    const int start = tab >= 0 && tab <= 9 ? starts[size_t(tab)] : -1;
    const int last = start + data_.getNbrPiecesOng(tab); // 1-based number of the tab's last song
    const int next = current + 1;
    if (start < 0 || current >= last || next > data_.songNbrG())
        return 0;
    return next;
}

bool PlayerBridge::stop_if_playing()
{
    if (mute_) {
        if (!isActive())
            return false;
        stopItuneTimer();
        mute_ = false;
    } else {
        if (player_.state() != MediaPlayer::State::Playing)
            return false;
        stopItuneTimer();
        player_.stop();
        songAsked_.clear();
    }
    hide();
    view_.afterStop();
    return true;
}

void PlayerBridge::traiter_swipe13_play_pause()
{
    if (!stop_if_playing())
        play_track();
}

} // namespace partivo
