// The backing track: the music library, the player bridge around the current song, the
// remote actions and keys that play and stop, and the timed events its position fires.
#include "app/Controller.h"

#include "display/DisplayWindows.h"
#include "display/WindowPDFxSuper.h"
#include "display/WindowSettings.h"
#include "library/Genres.h"
#include "midi/Midi.h"
#include "notes/SongEvents.h"
#include "platform/Commands.h"
#include "platform/FileServices.h"
#include "platform/NotificationCenter.h"
#include "platform/Prefs.h"
#include "player/MusicLibrary.h"
#include "player/PlayerBridge.h"
#include "player/PlayerTexts.h"
#include "player/TrackMatch.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace partivo {

void Controller::makePlayer()
{
    // The index cache lives beside the settings file (none for a store without a file).
    const QString settings = data_.prefs.location();
    const QString cache =
        settings.isEmpty() ? QString()
                           : QFileInfo(settings).dir().filePath(QStringLiteral("music-index.json"));
    music_ = std::make_unique<MusicLibrary>(&musicContext_, cache);
    bridge_ = std::make_unique<PlayerBridge>(data_, player_, timers_, *music_, *this);
}

QString Controller::musicFolder() const
{
    // Never chosen: the desktop's music folder; chosen empty: no library.
    const QString key = QLatin1String(kMusicFolderKey);
    return data_.prefs.contains(key)
               ? data_.prefs.stringValue(key)
               : QStandardPaths::writableLocation(QStandardPaths::MusicLocation);
}

void Controller::setMusicFolder(const QString& folder)
{
    data_.prefs.setValue(QLatin1String(kMusicFolderKey), folder);
    music_->setFolder(musicFolder());
}

void Controller::updateItunesInfoX(const QString& title, const QString& artist, double curPos,
                                   double maxPos, bool masquer)
{
    trackInfo_ = {title, artist, curPos, maxPos, masquer};
    windows_.updateItunesInfoX(title, artist, curPos, maxPos, masquer); // time, gauge
    if (masquer) {
        resetSongEvents(songEvents_); // stopped: every event fires again next time
        return;
    }
    // Only the events of the song on screen, and only when it is the song whose track plays
    // (or the silent clock runs for it).
    const int song = data_.songNoG();
    const bool loaded = song == navigator_.songNoG_ev;
    const bool ours = bridge_->songNoG_itunes() == song && loaded;
    if (!ours && !(loaded && data_.currentGenreG == kMuteGenre))
        return;
    bool sent = false;
    for (const FiredEvent& fired : processSongEventsUpTo(songEvents_, curPos)) {
        firedEvents_.append(*fired.event);
        if (!fired.midi.isEmpty()) {
            midi_.sendMIDIfromString(fired.midi, QString(), true);
            sent = true;
        } else {
            center_.postParam(fired.action, fired.param);
        }
    }
    if (sent)
        midi_.processMidiEvents();
}

void Controller::playerMessage(const QString& text)
{
    message(text, false);
}

bool Controller::contPlayOn() const
{
    const int dir = binders_.currentDirNo;
    return dir >= 0 && dir < int(binders_.contPlay.size()) && binders_.contPlay[size_t(dir)];
}

bool Controller::tocShown() const
{
    return navigator_.tocON;
}

void Controller::showSongNo(int songNo)
{
    navigator_.gotoSongNo(songNo);
}

void Controller::afterStop()
{
    setGenreX(userGenre_);
    chargerPages();
}

void Controller::traiter_metroOnOff()
{
    metronome_.traiter_metroOnOff();
    refreshMenus();
}

void Controller::traiter_metroType()
{
    WindowPDFxSuper* window = windows_.keyOrFirstBinderWindow();
    if (!window)
        return;
    if (metronome_.metroON()) {
        window->setMetroType();
    } else if (window->settings().typeMetro != MetroAccToSignature) {
        window->setMetroType();
        metronome_.startForTicks(4); // a bar's preview of the new type
    } else {
        metronome_.startForTicks(1);
        window->setMetroType();
    }
    refreshMenus();
}

QList<SongEv> Controller::takeFiredEvents()
{
    return std::exchange(firedEvents_, {});
}

void Controller::actionPlaySongNoReceived(int offset)
{
    bridge_->stop_if_playing();
    songOfCurrentTab(offset);
    bridge_->traiter_swipe13_play_pause();
}

void Controller::actionGoToGenreNoAndPlayPauseReceived(int genre)
{
    if (bridge_->stop_if_playing() || genre < 1 || genre > kGenreCount)
        return;
    setGenreX(genre);
    bridge_->play_track();
}

void Controller::actionPlayNextPauseReceived(int genre)
{
    // One pedal for everything: the page while the track plays, else play or stop.
    if (pageDownWithTrack())
        return;
    if (genre >= 1 && genre <= kGenreCount)
        center_.postParam(QLatin1String(action::GoToGenreNoAndPlayPause), genre);
    else if (genre == 0)
        bridge_->traiter_swipe13_play_pause();
}

bool Controller::pageDownWithTrack()
{
    if (!bridge_->isActive() || !navigator_.morePagesFollow())
        return false;
    navigator_.actionDown();
    return true;
}

void Controller::actionRevealAudio()
{
    if (!music_->available()) {
        playerMessage(QString::fromUtf8(playerTexts::kLibraryNotAvailable));
        return;
    }
    const std::optional<Track> track = bridge_->trackForCurrentSong(data_.currentGenreG);
    if (!track) {
        playerMessage(QString::fromUtf8(playerTexts::kSongNotFound));
        return;
    }
    files_.revealInFileManager(track->path);
}

} // namespace partivo
