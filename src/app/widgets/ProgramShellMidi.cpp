// The shell's MIDI editor windows and the MIDI menu's sending state.
#include "app/widgets/BinderMenuBar.h"
#include "app/widgets/MidiPref.h"
#include "app/widgets/MidiPref2.h"
#include "app/widgets/MidiPref3.h"
#include "app/widgets/ProgramShell.h"
#include "display/widgets/BinderWindow.h"

namespace partivo {

MidiPref* ProgramShell::midiOut() const
{
    return midiOut_.data();
}

MidiPref2* ProgramShell::midiFav() const
{
    return midiFav_.data();
}

MidiPref3* ProgramShell::midiTrig() const
{
    return midiTrig_.data();
}

void ProgramShell::showMidiOut()
{
    if (!controller_)
        return;
    if (!midiOut_)
        midiOut_ = new MidiPref(*controller_);
    midiOut_->showMidiPref();
}

void ProgramShell::showMidiFav()
{
    if (!controller_)
        return;
    if (!midiFav_)
        midiFav_ = new MidiPref2(*controller_);
    midiFav_->showMidiPref();
}

void ProgramShell::showMidiTrig()
{
    if (!controller_)
        return;
    if (!midiTrig_)
        midiTrig_ = new MidiPref3(*controller_);
    midiTrig_->showMidiPref();
}

void ProgramShell::refreshMidiEditors()
{
    if (midiOut_ && midiOut_->isVisible())
        midiOut_->showMidiPref();
    if (midiTrig_ && midiTrig_->isVisible())
        midiTrig_->showMidiPref();
}

void ProgramShell::midiLearned()
{
    if (midiTrig_ && midiTrig_->isVisible())
        midiTrig_->eventListen();
}

void ProgramShell::midiShowReceived()
{
    if (midiOut_ && midiOut_->isVisible())
        midiOut_->showReceived();
}

void ProgramShell::refreshLastMidi()
{
    if (midiFav_ && midiFav_->isVisible())
        midiFav_->refreshInsertButtons();
}

void ProgramShell::showMidiSending(bool sending)
{
    sendingMidi_ = sending;
    for (BinderWindow* window : binderWindows()) {
        if (auto* bar = qobject_cast<BinderMenuBar*>(window->menuBar()))
            bar->showMidiSending(sending);
    }
}

} // namespace partivo
