#pragma once

#include "midi/MidiEditorRows.h"
#include "midi/MidiReceived.h"

#include <functional>
#include <optional>

namespace partivo {

class Dialogs;
class Midi;

// What one trigger row shows.
struct TrigRowView {
    ChoiceList source;
    int channelItem = 0;      // "Any", "1" .. "16"
    int typeItem = 1;         // 0 listening, 1..4 the trigger types
    QStringList values;       // the three value fields, "" for -1
    QStringList placeholders; // of the value fields the type uses
    int actionType = 0;
    QString actionTxt;
    QString actionPlaceholder; // "" when the action takes no text (the field is hidden)
    QString hint;              // program and bank numbers as a 1-based device counts them

    bool operator==(const TrigRowView&) const = default;
};

// What the user set in a trigger row.
struct TrigRowInput {
    int sourceItem = 0;
    int channelItem = 0;
    int typeItem = 1;
    QString val1, val2, val3;
    int actionType = 0;
    QString actionTxt;
};

// The trigger editor without its window: the rows are Midi::MIDItriggers, the source list is
// built from the backend's sources, and a row can learn the next incoming message.
class MidiTrigEditor {
public:
    using KeyPoster = MidiEditorSession::KeyPoster;
    MidiTrigEditor(Midi& midi, Dialogs& dialogs, KeyPoster postKey);

    void showMidiPref(bool save = false);
    // Ends learn mode, saves, posts 1008.
    void windowWillClose();
    bool isOpen() const { return session_.isOpen(); }
    // Ends learn mode, saves (the channel filters are rebuilt).
    void sauvegarderDonnees();

    int rowCount() const;
    TrigRowView rowAt(int row) const;
    static QStringList channelItems();
    // "Listening...", then the four trigger types.
    static QStringList typeItems();
    // "None", then the 29 actions by number.
    static QStringList actionItems();

    // A control of row changed. Type item 0 starts listening for that row instead.
    void updateTrigAtIndex(int row, const TrigRowInput& input);

    // Learn mode: a message without a selection.
    void actionListen(int selectedRow);
    // Key command 2004: the learned message fills the listening row (not stored yet).
    void eventLearned();
    // The filled row becomes the trigger.
    void acceptLearned();
    // Listening or filled: the row goes back to what it was.
    void cancelListen();
    int listeningRow() const { return listeningRow_; }
    bool hasLearned() const { return learned_.has_value(); }
    // The learned message as text, for the notice.
    QString learnedText() const;

    int actionInsertRow();
    int actionDeleteRow(int selectedRow);
    int moveRow(int row, int delta);

    const QList<MidiEndpoint>& sourceAvail() const { return sourceAvail_; }

private:
    void listenOff();

    Midi& midi_;
    Dialogs& dialogs_;
    MidiEditorSession session_;
    QList<MidiEndpoint> sourceAvail_;
    int listeningRow_ = -1;
    std::optional<MidiLearnedRow> learned_;
};

} // namespace partivo
