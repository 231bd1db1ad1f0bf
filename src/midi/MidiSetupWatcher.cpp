#include "midi/MidiSetupWatcher.h"

#include "midi/Midi.h"
#include "platform/NotificationCenter.h"
#include "platform/Timers.h"

namespace partivo {

MidiSetupWatcher::MidiSetupWatcher(Midi& midi, NotificationCenter& center)
    : midi_(midi), center_(center)
{
}

MidiSetupWatcher::~MidiSetupWatcher()
{
    stop();
}

void MidiSetupWatcher::start()
{
    known_ = current();
    midi_.timers.start(QLatin1String(kMidiSetupPollTimer), kMidiSetupPollMs, true,
                       [this] { poll(); });
}

void MidiSetupWatcher::stop()
{
    midi_.timers.stop(QLatin1String(kMidiSetupPollTimer));
}

MidiSetupWatcher::Snapshot MidiSetupWatcher::current() const
{
    if (!midi_.midiOk)
        return {};
    return Snapshot{midi_.backend.sources(), midi_.backend.destinations()};
}

bool MidiSetupWatcher::poll()
{
    if (!midi_.midiOk || !midi_.traiterMidiNotifications)
        return false;
    Snapshot now = current();
    if (now == known_)
        return false;
    known_ = std::move(now);
    midi_.traiterMidiNotifications = false;
    midi_.unRegisterInputDevices();
    midi_.registerInputDevices();
    center_.postParam(QLatin1String(action::Key), cmd::MidiSetupChanged);
    midi_.traiterMidiNotifications = true;
    return true;
}

} // namespace partivo
