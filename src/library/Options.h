#pragma once

#include <QString>
#include <array>

namespace partivo {

class Prefs;

// The seven inputs whose action the user chooses.
enum InputId {
    InputSwipeLeftRight,
    InputSwipeUpDown,
    InputSpace,
    InputDot,
    InputTilde,
    InputPageUp,
    InputPageDown,
    kInputCount
};

// An input's chooser: the index of the item chosen and the parameter text.
struct InputSetting {
    int index = 0;
    QString param;
    bool operator==(const InputSetting&) const = default;
};

// The general options of the preferences window and the seven inputs, with their keys in
// the preference store. Read once at start, written at termination.
struct Options {
    int zoomOptHalfPageMarker = 2; // 0, 1 or 2 (half-page marker look)
    int zoomOptRedLine = 1;
    bool genOptDimmer = false;
    double genOptDimmerVal = 20.0;
    double genOptMidiDelayVal = 0.01; // seconds between two MIDI messages
    bool genOptCenterMouse = true;
    bool genOptReverseMouse = false;
    bool genOptHiddenRegions = false;
    bool genOptAutoOpen = false;
    bool genOptExtOpen = false;
    double genOptDimmerValInact = 15.0;
    // Next page on the song's last page goes to the next song (a one-button page turner can
    // play a whole set). Off by default.
    bool genOptLastPageNextSong = false;
    std::array<InputSetting, kInputCount> inputs = defaultInputs();

    bool operator==(const Options&) const = default;

    static std::array<InputSetting, kInputCount> defaultInputs();
    // The first group is read when "OptWasSaved" is set, the second when "OptWasSaved2D"
    // is; on the first launch every default applies. Values out of range read as their
    // default (a MIDI delay of 0 as 0.01, a chooser index past its list as the input's
    // default).
    static Options load(const Prefs& prefs, bool firstLaunch);
    // Writes both groups and marks them saved.
    void save(Prefs& prefs) const;
};

// The store keys of an input.
struct InputKeys {
    const char* index;
    const char* param;
};
InputKeys inputKeys(InputId input);

} // namespace partivo
