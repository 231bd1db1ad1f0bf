#pragma once

#include "midi/Midi.h"
#include "platform/LoopbackMidi.h"
#include "platform/ManualMediaPlayer.h"
#include "platform/ManualTimers.h"
#include "platform/MemoryPrefs.h"
#include "platform/NotificationCenter.h"
#include "platform/RecordingFileServices.h"
#include "platform/ScriptedDialogs.h"

namespace partivo::test {

// The services a controller is given, as test doubles: the store (with what it holds at
// start), scripted dialogs, the manual clock, MIDI on a loopback, the bus and a record of
// what was handed to the desktop.
struct ProgramDoubles {
    explicit ProgramDoubles(const QMap<QString, QVariant>& stored = {}) : prefs(stored)
    {
        // No music library unless the test gives one: never the machine's music folder.
        if (!stored.contains(QStringLiteral("musicFolder")))
            prefs.setValue(QStringLiteral("musicFolder"), QString());
    }

    MemoryPrefs prefs;
    ScriptedDialogs dialogs;
    ManualTimers timers;
    LoopbackMidi midiBackend{timers};
    Midi midi{prefs, timers, midiBackend};
    NotificationCenter center;
    RecordingFileServices files;
    ManualMediaPlayer player{timers};
};

} // namespace partivo::test
