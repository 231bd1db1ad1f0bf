#include "app/Controller.h"

#include "app/LibraryWindow.h"
#include "midi/Midi.h"
#include "midi/MidiSetupWatcher.h"

namespace partivo {

Controller::Controller(Prefs& prefs, Dialogs& dialogs, Midi& midi, NotificationCenter& center)
    : midi_(midi), midiWatcher_(std::make_unique<MidiSetupWatcher>(midi, center)),
      data_(prefs, dialogs), binders_(data_, *this)
{
}

Controller::~Controller() = default;

void Controller::awakeFromNib()
{
    midi_.iniMidi();
    midi_.actionMidiDelay(midiDelayOption(midi_.prefs));
    binders_.start();
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
}

void Controller::afficherToc()
{
    if (window_)
        window_->showSongList();
}

} // namespace partivo
