// The controller's part in the MIDI editors: it hands the engine's notices to the shell,
// which owns the editor windows.
#include "app/Controller.h"

#include "midi/Midi.h"
#include "platform/Commands.h"

namespace partivo {

void Controller::registerMidiEditorKeys()
{
    CommandDispatcher& d = dispatcher_;
    d.onKey(cmd::MidiSetupChanged, [this](int) { shell_.refreshMidiEditors(); });
    d.onKey(cmd::MidiLearned, [this](int) { shell_.midiLearned(); });
    d.onKey(cmd::MidiShowReceived, [this](int) { shell_.midiShowReceived(); });
    // A program change, several messages or a control change came in: the buttons that
    // insert the last received MIDI show it.
    for (int c : {cmd::LastProgramChange, cmd::LastControlChange})
        d.onKey(c, [this](int) { shell_.refreshLastMidi(); });
    // The shell outlives the engine, which may still finish sending after the controller went.
    midi_.setSendingMidiObserver(
        [shell = &shell_](bool sending) { shell->showMidiSending(sending); });
}

} // namespace partivo
