#pragma once

#include "midi/MidiTrig.h"

#include <QHash>
#include <QList>
#include <array>

namespace partivo {

// The triggers as a look-up table for incoming messages, rebuilt whenever the triggers
// change. Rows are found by (type, channel, value), where the value is the controller, the
// program, the note or the bend's direction, plus the keyboard-range rows of the note
// triggers; a row found is then checked for what its key leaves open (the controller value,
// the bank, the source). Triggers that can never fire are left out.
class MidiTrigTable {
public:
    void rebuild(const QList<MidiTrig>& triggers);

    // The channel pre-filter: some trigger of this type (1..4) listens to channel (1..16)
    // or to any channel.
    bool admits(int type, int channel) const;

    // Indexes of the triggers the message fires, in list order. A message from the program's
    // own input (ownInputUid) fires only the triggers that name that source: other programs
    // send there, and among them may be one that echoes the program's own output.
    QList<int> match(const MidiTrigIn& in, qint32 ownInputUid) const;

    bool isEmpty() const { return rows_.isEmpty(); }

private:
    struct Row {
        int index = 0; // the trigger's position in the list
        int sourceMode = MidiTrig::AnySource;
        qint32 sourceUID = 0;
        int sourceType = TrigControlChange;
        int value2 = -1;       // controller value; bank MSB
        int value3 = -1;       // bank LSB
        bool anyValue = false; // a controller trigger whose action reads the value
        int rangeFrom = -1;    // a note trigger for the notes from this one up
    };
    bool accepts(const Row& row, const MidiTrigIn& in, qint32 ownInputUid) const;

    static quint32 key(int type, int channel, int value);

    std::array<std::array<bool, 17>, kTrigTypeCount> channels_{};
    QList<Row> rows_;
    QHash<quint32, QList<int>> byValue_; // key -> positions in rows_, in list order
    QHash<quint32, QList<int>> ranges_;  // key with value 0 -> positions in rows_
};

// The value a trigger or message of the type is found by: the controller, the program, the
// note, or the bend's direction (0 down, 1 up); -1 when it has none (a bend at the centre).
int trigLookupValue(int type, int val1, int val2, int val3);

} // namespace partivo
