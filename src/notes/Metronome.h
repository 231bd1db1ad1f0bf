#pragma once

#include <QString>
#include <functional>

namespace partivo {

class Timers;

inline constexpr char kMetroTimer[] = "metroTimer";
inline constexpr int kMetroTickMs = 10;
inline constexpr int kMetroIdleTicks = 16; // the count-in's ticks, and the idle value

// The metronome: a 10 ms timer that counts beats at the song's tempo from the moment it was
// started and tells the windows to show beat n, to hide the indicator half a beat later, or
// to reset their display. A second start right after a start plays 16 beats and stops; every
// further quick press adds 32.
class Metronome {
public:
    // tick n (from 1), hide, reset: what every window is told.
    using Show = std::function<void(int tick, bool masquer, bool reset)>;

    Metronome(Timers& timers, Show show);

    // The song's tempo in beats per minute (0: 100); a running metronome takes it at once.
    void setTempo(int tempo);
    int tempo() const { return gtempo_; }
    bool metroON() const { return metroON_; }

    void startMetroTimer();
    void stopMetroTimer();
    // The on/off command (see the class comment).
    void traiter_metroOnOff();
    // Stops, then two presses: 16 ticks and stop.
    void countIn();
    // Starts for a preview of `ticks` beats, then stops by itself.
    void startForTicks(int ticks);

    // The last tick counted (0 before the first).
    int gnbTick() const { return gnbTick_; }

private:
    void updateMetro();
    double now() const;

    Timers& timers_;
    Show show_;
    bool metroON_ = false;
    int gtempo_ = 0;
    // Times in milliseconds.
    double gduration_ = 600; // one beat
    bool grestart_ = false;
    bool greframe_ = false;
    double startSync_ = 0; // the time of tick 1, 0 = not set
    int gnbTick_ = 0;
    int gnbtempo_ = kMetroIdleTicks;
    bool gStopAuto_ = false;
    double lastTick_ = 0; // when the indicator was shown, 0 = off
    bool inTick_ = false;
};

} // namespace partivo
