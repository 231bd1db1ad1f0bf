#pragma once

#include <QString>

namespace partivo {

// One event line of a song's note: a page turn, a message or MIDI, untimed (when the song
// becomes current) or at a time of the backing track.
struct SongEv {
    enum EvType {
        EvNew = -1,
        EvPage = 0,
        EvMessage = 1,
        EvMidi = 2,      // the kind word contains "@"
        EvMidiGroup = 3, // the kind word contains "MIDI"
        EvTempo = 4,
        EvOther = 5,
    };
    enum ActionType {
        ActionNone = 0,
        ActionMessage = 21,
        ActionMessageStay = 22,
        ActionPage = 23,
        ActionPageBottom = 24,
    };

    int index = 0; // among the note's events, in line order
    int mm = 0;
    int ss = 0;
    int evType = EvNew;
    int actionType = ActionNone;
    QString actionTxt;
    bool traite = false; // fired during the current run of the track
    bool timeEv = false;
    double val = 0; // firing time in seconds

    static SongEv initWithIndex(int index)
    {
        SongEv ev;
        ev.index = index;
        return ev;
    }
    // Recomputes the firing time from the minutes and seconds.
    void majVal() { val = mm * 60.0 + ss; }
};

} // namespace partivo
