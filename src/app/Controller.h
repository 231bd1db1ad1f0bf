#pragma once

#include "library/Binders.h"
#include "library/Data.h"
#include "library/LibraryView.h"

#include <memory>

namespace partivo {

class Dialogs;
class LibraryWindow;
class Midi;
class MidiSetupWatcher;
class NotificationCenter;
class Prefs;

// Owns the application state and runs the start and termination sequences.
class Controller : public LibraryView {
public:
    Controller(Prefs& prefs, Dialogs& dialogs, Midi& midi, NotificationCenter& center);
    ~Controller() override;

    // Start: the MIDI engine (with MIDI off when the system has none), then the binders.
    void awakeFromNib();
    // From now on MIDI set-up changes are handled; the port lists are polled.
    void applicationDidFinishLaunching();
    void applicationWillTerminate();

    Data& data() { return data_; }
    Binders& binders() { return binders_; }
    Midi& midi() { return midi_; }
    LibraryWindow* window() const { return window_.get(); }

    // LibraryView
    void setDirButton(int dirNo) override;
    void chargerPages() override;
    void afficherToc() override;

private:
    Midi& midi_;
    std::unique_ptr<MidiSetupWatcher> midiWatcher_;
    Data data_;
    Binders binders_;
    std::unique_ptr<LibraryWindow> window_;
};

} // namespace partivo
