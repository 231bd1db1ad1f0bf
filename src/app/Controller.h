#pragma once

#include "display/DisplayWindows.h"
#include "display/HalfPageZoom.h"
#include "display/SongPages.h"
#include "library/Binders.h"
#include "library/Data.h"
#include "library/LibraryView.h"
#include "library/Navigator.h"

#include <memory>

namespace partivo {

class BinderWindow;
class Dialogs;
class LibraryWindow;
class Midi;
class MidiSetupWatcher;
class NotificationCenter;
class Prefs;
class Timers;

// Owns the application state and runs the start and termination sequences.
class Controller : public LibraryView {
public:
    Controller(Prefs& prefs, Dialogs& dialogs, Midi& midi, NotificationCenter& center,
               Timers& timers);
    ~Controller() override;

    // Start: the MIDI engine (with MIDI off when the system has none), then the binders.
    // A start folder becomes binder 1 and is opened.
    void awakeFromNib(const QString& startFolder = QString());
    // From now on MIDI set-up changes are handled; the port lists are polled.
    void applicationDidFinishLaunching();
    void applicationWillTerminate();

    Data& data() { return data_; }
    Binders& binders() { return binders_; }
    Midi& midi() { return midi_; }
    LibraryWindow* window() const { return window_.get(); }
    BinderWindow* binderWindow() const { return binderWindow_.get(); }
    Navigator& navigator() { return navigator_; }
    DisplayWindows& displayWindows() { return windows_; }

    // A key command from a window, a menu or the bus.
    void actionKeyReceived(int command);
    // Half-page zoom: enter (oper 0), half a page down (1) or up (-1); and leave it.
    void afficherZoom(int oper);
    void masquerZoom();

    // LibraryView
    void setDirButton(int dirNo) override;
    void chargerPages() override;
    void afficherToc() override;
    void hideSongList() override;
    void reloadDocuments() override;
    void zoomStep(bool down) override;
    void updateRechInfo(bool valid, bool masquer) override;

private:
    void showSongInWindows();

    NotificationCenter& center_;
    Timers& timers_;
    Midi& midi_;
    std::unique_ptr<MidiSetupWatcher> midiWatcher_;
    Data data_;
    Binders binders_;
    Navigator navigator_;
    DisplayWindows windows_;
    HalfPageZoom zoom_{windows_};
    SongPages pages_;
    std::unique_ptr<LibraryWindow> window_;
    std::unique_ptr<BinderWindow> binderWindow_;
    int keyObserver_ = 0;
};

} // namespace partivo
