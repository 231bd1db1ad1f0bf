#pragma once

#include "midi/MidiEditorRows.h"

#include <functional>

namespace partivo {

class Dialogs;
class Midi;

// The last received message as the output editor shows it.
struct MidiShownMessage {
    QString lastMidiEvent;        // "Control Message", "Program Change", "Note", "Pitch wheel"
    QString lastMidiEventToolTip; // its values
    QString lastMidiEventChannel; // 1..16
    QString lastMidiEventFrom;    // the source's name
    QString lastMidiEventDestID;  // "@" and the destination that reaches the same device

    bool operator==(const MidiShownMessage&) const = default;
};

// The destination editor without its window: the rows are Midi::MIDIdestinations, the
// destination lists are built from the backend's endpoints.
class MidiDestEditor {
public:
    using KeyPoster = MidiEditorSession::KeyPoster;
    MidiDestEditor(Midi& midi, Dialogs& dialogs, KeyPoster postKey);

    // Opens or refreshes: the endpoint lists are read again; the first open since the last
    // close posts 1007 and shows incoming messages. save first saves an open editor.
    void showMidiPref(bool save = false);
    // Stops showing incoming messages, saves, posts 1008.
    void windowWillClose();
    bool isOpen() const { return session_.isOpen(); }
    void sauvegarderDonnees();

    int rowCount() const;
    // What row shows.
    QString nameAt(int row) const;
    int channelItemAt(int row) const; // "All", "1" .. "16"
    ChoiceList destinationChoicesAt(int row) const;
    static QStringList channelItems();

    // A control of row changed: the row's controls become its record. destItem is an item
    // of destinationChoicesAt(row).
    void updateDestAtIndex(int row, const QString& name, int channelItem, int destItem);

    // Appends a destination; answers its row.
    int actionInsertRow();
    // Answers the row to select afterwards (-1 when none); a message without a selection.
    int actionDeleteRow(int selectedRow);
    // Moves a row up (-1) or down (+1); answers its new row or -1.
    int moveRow(int row, int delta);

    // Key command 2005: the message the engine shows now.
    void showReceived();
    void actionClearLastMidiEvent() { shown_ = {}; }
    const MidiShownMessage& shownMessage() const { return shown_; }

    const QList<MidiEndpoint>& destAvail() const { return destAvail_; }
    const QList<MidiEndpoint>& sourceAvail() const { return sourceAvail_; }

private:
    void chargerDestAvail();

    Midi& midi_;
    Dialogs& dialogs_;
    MidiEditorSession session_;
    QList<MidiEndpoint> destAvail_;
    QList<MidiEndpoint> sourceAvail_;
    MidiShownMessage shown_;
};

} // namespace partivo
