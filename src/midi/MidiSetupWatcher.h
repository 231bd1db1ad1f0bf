#pragma once

#include "platform/MidiBackend.h"

#include <QList>

namespace partivo {

class Midi;
class NotificationCenter;

inline constexpr char kMidiSetupPollTimer[] = "midiSetupPoll";
inline constexpr int kMidiSetupPollMs = 1500;

// The system's MIDI service sends no notice when devices come and go, so the port lists
// are polled on a repeating timer. A change is handled as a set-up change: the sources are
// connected again (a device plugged in while the program runs is heard without a restart)
// and the key command cmd::MidiSetupChanged (2003) is posted. While the engine does not handle
// set-up changes yet, a change waits for the first poll after it does.
class MidiSetupWatcher {
public:
    MidiSetupWatcher(Midi& midi, NotificationCenter& center);
    ~MidiSetupWatcher();

    MidiSetupWatcher(const MidiSetupWatcher&) = delete;
    MidiSetupWatcher& operator=(const MidiSetupWatcher&) = delete;

    // Takes the current lists as the known state and polls every kMidiSetupPollMs.
    void start();
    void stop();
    // One poll; true when a change was handled.
    bool poll();

private:
    struct Snapshot {
        QList<MidiEndpoint> sources;
        QList<MidiEndpoint> destinations;
        bool operator==(const Snapshot&) const = default;
    };
    Snapshot current() const;

    Midi& midi_;
    NotificationCenter& center_;
    Snapshot known_;
};

} // namespace partivo
