#include "app/Controller.h"

#include "app/AppTexts.h"
#include "display/CurrentSong.h"
#include "display/Dimmer.h"
#include "display/PlatformWindow.h"
#include "display/StageLayout.h"
#include "display/VersionSubstitution.h"
#include "display/WindowPDFx.h"
#include "display/WindowTypes.h"
#include "library/Genres.h"
#include "library/Pieces.h"
#include "library/PiecesDet.h"
#include "library/PlayedLog.h"
#include "library/TagList.h"
#include "midi/Midi.h"
#include "midi/MidiSetupWatcher.h"
#include "platform/Dialogs.h"
#include "platform/FileServices.h"
#include "platform/NotificationCenter.h"
#include "platform/Prefs.h"
#include "platform/Timers.h"
#include "player/AudioExport.h"
#include "player/MusicLibrary.h"
#include "player/PlayerBridge.h"
#include "player/TrackMatch.h"

#include <QDateTime>
#include <QDir>
#include <QVariantMap>

namespace partivo {

Controller::Controller(Prefs& prefs, Dialogs& dialogs, Midi& midi, NotificationCenter& center,
                       Timers& timers, FileServices& files, MediaPlayer& player, AppShell& shell)
    : center_(center), timers_(timers), midi_(midi), files_(files), player_(player), shell_(shell),
      midiWatcher_(std::make_unique<MidiSetupWatcher>(midi, center)), data_(prefs, dialogs),
      binders_(data_, *this), navigator_(data_, *this, timers), windows_(center)
{
    navigator_.setShownPages(&windows_);
    makePlayer();
    windows_.setLastWindowClosingHook([this] { saveWindowLayout(); });
    registerKeyCommands();
    registerActions();
    observeBus();
}

Controller::~Controller()
{
    bridge_->stop_if_playing(); // no track plays on after the program
    // Nothing of this controller may run from the timers any more.
    for (const char* timer : {kPlayerTimer, kMetroTimer, kAudioExportTimer})
        timers_.stop(QLatin1String(timer));
    midi_.setActionPoster(nullptr); // incoming MIDI no longer reaches this controller
    shell_.destroyWindows();
    for (int id : std::as_const(observers_))
        center_.removeObserver(id);
    center_.setUnobservedHandler(nullptr);
}

// Every name of the command table reaches the dispatcher, and so does any other name
// posted: the dispatcher logs what it has no handler for.
void Controller::observeBus()
{
    observers_.append(center_.addObserver(
        QLatin1String(action::Key), [this](const QVariant& p) { actionKeyReceived(paramInt(p)); }));
    for (const ActionInfo& info : kActions) {
        const QString name = QString::fromLatin1(info.name.data(), qsizetype(info.name.size()));
        if (name == QLatin1String(action::Key))
            continue;
        observers_.append(center_.addObserver(
            name, [this, name](const QVariant& p) { dispatcher_.dispatchAction(name, p); }));
    }
    center_.setUnobservedHandler([this](const QString& name, const QVariant& param) {
        dispatcher_.dispatchAction(name, param);
    });
}

void Controller::awakeFromNib(const QString& startFolder)
{
    // Trigger actions and the notices of incoming MIDI reach the controller on the bus.
    midi_.setActionPoster(
        [this](const QString& name, const QVariant& param) { center_.postParam(name, param); });
    midi_.iniMidi();
    const bool firstLaunch = data_.prefs.intValue(QStringLiteral("NbrExec")) < 1;
    options_ = Options::load(data_.prefs, firstLaunch);
    useOptions();
    if (!startFolder.isEmpty() && QDir(startFolder).exists()) {
        const QString folder = QDir(startFolder).absolutePath();
        // The last position in binder 1 belongs to the folder it had before.
        if (data_.prefs.stringValue(QStringLiteral("url0")) != folder) {
            data_.prefs.setValue(QStringLiteral("songNoBookMark0"), 0);
            data_.prefs.setValue(QStringLiteral("sortBookMark0"), 0);
        }
        binders_.conserverDir(folder, 0);
        data_.prefs.setValue(QStringLiteral("dirNo"), 0);
    }
    // Said once, at start, rather than losing the session's settings silently at the end.
    if (!data_.prefs.isWritable())
        data_.dialogs.msg(QString::fromUtf8(texts::kSettingsReadOnly).arg(data_.prefs.location()));
    data_.tags = chargerTags(data_.prefs);
    userGenre_ = validGenre(data_.prefs.intValue(QLatin1String(kInitialGenreKey)));
    data_.currentGenreG = userGenre_;
    music_->setFolder(musicFolder()); // indexed in the background
    applyChordProOptions();
    windows_.chargerWinIDs(data_.prefs);
    // The windows of the last run come back where they were, as they were.
    loadStageLayout(data_.prefs, stageLayoutPrefix(shell_.screenCount()), windows_,
                    shell_.screenCount(), [this](int winType) -> WindowPDFxSuper* {
                        return winType == WinTypeBinder ? newBinderWindow()
                                                        : newCompanionWindow(winType);
                    });
    binders_.start();
}

void Controller::applicationDidFinishLaunching()
{
    midi_.traiterMidiNotifications = true;
    midiWatcher_->start();
}

void Controller::saveWindowLayout()
{
    // Once per run: closing the windows on the way out changes their state (full screen).
    if (layoutSaved_)
        return;
    layoutSaved_ = true;
    saveStageLayout(data_.prefs, stageLayoutPrefix(shell_.screenCount()), windows_);
}

void Controller::applicationWillTerminate()
{
    midiWatcher_->stop();
    // Windows closed on the way out have saved the layout as they were before closing.
    if (!windows_.nsMutaryOfWindows().isEmpty())
        saveWindowLayout();
    options_.save(data_.prefs);
    data_.prefs.setValue(QLatin1String(kInitialGenreKey), userGenre_);
    saveLogPlayed(data_.prefs, data_, QDateTime::currentDateTime());
    binders_.terminate(); // writes the binders, then the store to disk
    midi_.unRegisterInputDevices();
}

void Controller::openFromAnotherStart(const QString& folder)
{
    if (!folder.isEmpty() && QDir(folder).exists()) {
        const QString absolute = QDir(folder).absolutePath();
        if (binders_.storedDir(0) != absolute) {
            // The new folder opens at its first song: binder 1's last position belonged to
            // the folder it had before.
            binders_.conserverDir(absolute, 0);
            binders_.songNoBookMark[0] = 0;
            binders_.sortBookMark[0] = 0;
            binders_.currentDirNo = Binders::kHelpBinder; // nothing of the old folder is kept
        }
        binders_.doRefresh(0, Binders::OpenBinder, false);
    }
    windows_.activateKeywin();
}

void Controller::appAct()
{
    if (!launched_) {
        launched_ = true; // the first activation is the start itself
        return;
    }
    // (Each display window follows the activation itself for its window level.)
    // Song files may have changed while the program was in the background.
    if (!shell_.editingWindowOpen() && data_.songNoG() > 0)
        navigator_.refreshAvecReset();
}

void Controller::useOptions()
{
    navigator_.nextSongAtLastPage = options_.genOptLastPageNextSong;
    midi_.actionMidiDelay(options_.genOptMidiDelayVal);
}

void Controller::applyOptions(const Options& options)
{
    options_ = options;
    useOptions();
    windows_.applyWindowOptionsX(windowOptions(options_));
    options_.save(data_.prefs);
    windows_.activateKeywin();
}

MenuState Controller::menuState() const
{
    MenuState state = menuStateFor(binders_);
    state.refreshWarning = refreshWarning_;
    state.genre = validGenre(data_.currentGenreG);
    return state;
}

void Controller::startAlreadyPlayedTimer()
{
    // A song counts as played after 30 seconds on screen with the song list closed.
    timers_.start(QLatin1String(kPlayedTimer), kPlayedAfterMs, false, [this] {
        markAsalreadyPlayed(data_, data_.getPiece(data_.songNoG()), false);
        windows_.refreshinfoX(); // the title line's check mark
    });
}

void Controller::stopAlreadyPlayedTimer()
{
    timers_.stop(QLatin1String(kPlayedTimer));
}

void Controller::setGenreX(int genre)
{
    // The silent clock and a track do not mix: (MUTE) chosen or left stops what plays.
    const int next = validGenre(genre);
    if (next != data_.currentGenreG && (next == kMuteGenre || data_.currentGenreG == kMuteGenre))
        bridge_->stop_if_playing();
    data_.currentGenreG = next;
    applyMuteGenre();
    refreshMenus();
}

void Controller::applyMuteGenre()
{
    // In (MUTE) a synchronised two-page window turns one page at a time, odd pages left.
    const bool mute = data_.currentGenreG == kMuteGenre;
    for (WindowPDFxSuper* window : windows_.nsMutaryOfWindows()) {
        auto* binder = dynamic_cast<WindowPDFx*>(window);
        if (!binder || binder->muteGenre == mute)
            continue;
        binder->muteGenre = mute;
        binder->ajusterSelonModeAffichageWithRefresh(true);
    }
}

void Controller::chooseGenre(int genre)
{
    setGenreX(genre);
    userGenre_ = data_.currentGenreG;
}

void Controller::nextGenre()
{
    chooseGenre(nextGenreNo(data_.currentGenreG));
}

void Controller::refreshMenus()
{
    shell_.refreshMenus(menuState());
}

void Controller::actionKeyReceived(int command)
{
    dispatcher_.dispatchKey(command);
}

void Controller::setDirButton(int)
{
    refreshWarning_ = false;
    refreshMenus();
    setTabsName(); // the binder's tabs
}

void Controller::chargerPages()
{
    showSongInWindows();
}

WindowPDFx* Controller::newBinderWindow()
{
    WindowPDFx* window = shell_.newBinderWindow({windows_, center_, timers_, pages_});
    if (!window)
        return nullptr;
    window->applyWindowOptions(windowOptions(options_));
    window->muteGenre = data_.currentGenreG == kMuteGenre;
    // A new window shows the tabs and the list as the others do.
    setTabsName();
    if (navigator_.tocON)
        afficherToc();
    return window;
}

WindowPDFxSuper* Controller::newCompanionWindow(int winType)
{
    WindowPDFxSuper* window =
        shell_.newCompanionWindow(winType, {windows_, center_, timers_, pages_});
    if (!window)
        return nullptr;
    window->applyWindowOptions(windowOptions(options_));
    // It shows what the other windows show already: the song, its note, the track.
    const DisplayWindows::SongCall call =
        currentSongCall(data_, navigator_.pageNo1, navigator_.zoomON);
    window->setPDF(call.piece, call.pageNo, call.zoomTop, call.zoomOn, call.currentSort,
                   call.pieceNext, call.autom);
    const WindowSettings& s = window->settings();
    window->setNoteLine(call.piece ? call.piece->notetxtForDir(s.altDir, s.altMode, s.defNote)
                                   : QString());
    window->updateItunesInfo(trackInfo_.title, trackInfo_.artist, trackInfo_.curPos,
                             trackInfo_.maxPos, trackInfo_.masquer);
    return window;
}

void Controller::showSongInWindows()
{
    if (windows_.nsMutaryOfWindows().isEmpty())
        newBinderWindow();
    if (showCurrentSong(windows_, data_, navigator_.pageNo1, navigator_.zoomON)) {
        // The note of a song that stays current for half a second is processed.
        timers_.start(QLatin1String(kNoteTimer), kNoteTimerMs, false, [this] { processNote(); });
        if (!navigator_.tocON)
            startAlreadyPlayedTimer();
    }
}

void Controller::refreshNoteX()
{
    showNoteLines(windows_, data_.getPiece(data_.songNoG()).get());
}

void Controller::updateRechInfo(bool valid, bool masquer)
{
    windows_.updateRechInfoX(valid, masquer, data_.rech);
    windows_.updateRechInfo2X(currentSearchDisplay(data_));
}

void Controller::zoomStep(bool down)
{
    afficherZoom(down ? 1 : -1);
}

void Controller::afficherZoom(int oper)
{
    if (navigator_.tocON)
        hideSongList();
    navigator_.applyZoom(
        zoom_.afficherZoom(navigator_.zoomState(), oper, navigator_.pageCount(),
                           currentSongCall(data_, navigator_.pageNo1, navigator_.zoomON)));
}

void Controller::masquerZoom()
{
    navigator_.applyZoom(zoom_.masquerZoom(
        navigator_.zoomState(), currentSongCall(data_, navigator_.pageNo1, navigator_.zoomON)));
}

void Controller::traiterBackslash()
{
    for (WindowPDFxSuper* window : windows_.nsMutaryOfWindows())
        window->toggleAltModeOnOff();
    chargerPages();
}

void Controller::reloadDocuments()
{
    pages_.clear();
    for (WindowPDFxSuper* window : windows_.nsMutaryOfWindows())
        window->reloadDocuments();
}

QString Controller::currentSongFile() const
{
    const auto piece = data_.getPiece(data_.songNoG());
    if (!piece || !piece->pieceDet)
        return QString();
    const WindowPDFxSuper* key = windows_.keyOrFirstBinderWindow();
    if (!key)
        return piece->getPath();
    const QString shown = subsPath(piece->getPath(), key->settings()).path;
    return shown.isEmpty() ? piece->getPath() : shown;
}

} // namespace partivo
