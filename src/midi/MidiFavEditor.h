#pragma once

#include "midi/MidiEditorRows.h"

#include <functional>

namespace partivo {

class Dialogs;
class Midi;

// The event library editor without its window: the rows are Midi::MIDIfav.
class MidiFavEditor {
public:
    using KeyPoster = MidiEditorSession::KeyPoster;
    MidiFavEditor(Midi& midi, Dialogs& dialogs, KeyPoster postKey);

    void showMidiPref(bool save = false);
    void windowWillClose();
    bool isOpen() const { return session_.isOpen(); }
    void sauvegarderDonnees();

    int rowCount() const;
    // A row's fields, as typed, become its entry.
    void updateOccAtIndex(int row, const QString& id, const QString& descr, const QString& tx);

    int actionInsertRow();
    // The first row (the DEFAULT group) is refused with a message.
    int actionDeleteRow(int selectedRow);
    int moveRow(int row, int delta);

    // Sends the row's events now.
    void actionSendMidi(int selectedRow);
    // Appends "MIDI <ID>" of row from to the events of row to (on a line of its own).
    // False, changing nothing, without a selection, for an entry without ID, or for a
    // reference of a group to itself.
    bool appendReference(int to, int from);

private:
    bool requireRow(int row);

    Midi& midi_;
    Dialogs& dialogs_;
    MidiEditorSession session_;
};

} // namespace partivo
