#include "app/Controller.h"

#include "app/LibraryWindow.h"
#include "display/CurrentSong.h"
#include "display/widgets/BinderWindow.h"
#include "library/KeyCommands.h"
#include "library/Pieces.h"
#include "library/PiecesDet.h"
#include "midi/Midi.h"
#include "midi/MidiSetupWatcher.h"
#include "platform/Commands.h"
#include "platform/NotificationCenter.h"
#include "platform/Prefs.h"

#include <QDir>
#include <QVariantMap>

namespace partivo {

namespace {

constexpr int kPageUpKey = 43;
constexpr int kPageDownKey = 44;

} // namespace

Controller::Controller(Prefs& prefs, Dialogs& dialogs, Midi& midi, NotificationCenter& center,
                       Timers& timers)
    : center_(center), timers_(timers), midi_(midi),
      midiWatcher_(std::make_unique<MidiSetupWatcher>(midi, center)), data_(prefs, dialogs),
      binders_(data_, *this), navigator_(data_, *this, timers), windows_(center)
{
    navigator_.setShownPages(&windows_);
    keyObserver_ = center_.addObserver(QLatin1String(action::Key), [this](const QVariant& param) {
        actionKeyReceived(param.toMap().value(QLatin1String(kCommandParam)).toInt());
    });
}

Controller::~Controller()
{
    center_.removeObserver(keyObserver_);
    // The windows go before the list they are in.
    binderWindow_.reset();
}

void Controller::awakeFromNib(const QString& startFolder)
{
    midi_.iniMidi();
    midi_.actionMidiDelay(midiDelayOption(midi_.prefs));
    if (!startFolder.isEmpty() && QDir(startFolder).exists()) {
        binders_.conserverDir(QDir(startFolder).absolutePath(), 0);
        data_.prefs.setValue(QStringLiteral("dirNo"), 0);
    }
    windows_.chargerWinIDs(data_.prefs);
    binders_.start();
}

void Controller::actionKeyReceived(int command)
{
    if (command == kPageUpKey || command == kPageDownKey) {
        // Windows turning their own pages take the paging keys first.
        const bool down = command == kPageDownKey;
        if (!windows_.traiterPageUpDown(down))
            runNavigationKey(navigator_, down ? cmd::NextPage : cmd::PrevPage);
        return;
    }
    if (command == cmd::ReloadAllPages) {
        chargerPages();
        return;
    }
    if (command == cmd::EnterZoom) {
        afficherZoom(0);
        return;
    }
    if (command == cmd::LeaveZoom) {
        masquerZoom();
        return;
    }
    runNavigationKey(navigator_, command);
}

void Controller::applicationDidFinishLaunching()
{
    midi_.traiterMidiNotifications = true;
    midiWatcher_->start();
}

void Controller::applicationWillTerminate()
{
    midiWatcher_->stop();
    binders_.terminate();
}

void Controller::setDirButton(int)
{
    if (window_)
        window_->showBinderMenu();
}

void Controller::chargerPages()
{
    if (!window_) {
        window_ = std::make_unique<LibraryWindow>(*this);
        window_->show();
    }
    window_->showCurrentSong();
    showSongInWindows();
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

void Controller::showSongInWindows()
{
    if (!binderWindow_) {
        binderWindow_ = std::make_unique<BinderWindow>(windows_, center_, timers_, pages_);
        windows_.append(&binderWindow_->logic());
        binderWindow_->applyOptions(data_.prefs);
        binderWindow_->resize(1280, 800);
        binderWindow_->show();
    }
    showCurrentSong(windows_, data_, navigator_.pageNo1, navigator_.zoomON);
}

void Controller::hideSongList()
{
    navigator_.tocON = false;
}

void Controller::reloadDocuments()
{
    pages_.clear();
    if (binderWindow_)
        binderWindow_->reloadDocuments();
}

void Controller::afficherToc()
{
    if (window_)
        window_->showSongList();
}

} // namespace partivo
