#pragma once

#include <QList>
#include <QString>

namespace partivo {

class Prefs;

// Trigger types: what kind of incoming message a trigger listens to.
enum MidiTrigType {
    TrigControlChange = 1,
    TrigProgramChange = 2,
    TrigNoteOn = 3,
    TrigPitchBend = 4,
};
inline constexpr int kTrigTypeCount = 4;

// One trigger: an incoming message (source, channel, type, values) and the remote action
// it runs.
struct MidiTrig {
    // Any source; never matches; only the source whose id is sourceUID.
    enum SourceMode { AnySource = 0, IgnoreInput = 1, OneSource = 2 };

    int index = 0;
    int sourceMode = AnySource;
    // Unique ids of the chosen source's device, entity and endpoint (0 = none).
    int deviceUID = 0;
    int entityUID = 0;
    int sourceUID = 0;
    QString sourceDescr; // the source's label when it was chosen
    int channel = 0;     // 0 any channel, 1..16 that channel
    int sourceType = TrigControlChange;
    // Control change: controller, value. Program change: bank MSB, bank LSB, program.
    // Note on: note (velocity not compared). Pitch bend: LSB (not compared), MSB (below 64
    // down, 65 or more up). -1 where not given.
    int sourceVal1 = 0;
    int sourceVal2 = 0;
    int sourceVal3 = 0;
    int actionType = 0; // 1..29, 0 none
    QString actionTxt;  // the action's parameter text

    // A trigger added in the editor: any source and channel, control change, no values.
    static MidiTrig initWithIndex(int index);
    // The two triggers of a first start.
    static QList<MidiTrig> defaultList();

    void save(Prefs& prefs) const;
    // Keys that are missing leave the field as it is.
    void load(const Prefs& prefs);

    bool operator==(const MidiTrig&) const = default;
};

// One incoming message waiting for the trigger queue.
struct MidiTrigIn {
    qint32 sourceRef = 0; // unique id of the source it came from
    int channel = 1;      // 1..16
    int sourceType = TrigControlChange;
    int sourceVal1 = -1;
    int sourceVal2 = -1;
    int sourceVal3 = -1;

    bool operator==(const MidiTrigIn&) const = default;
};

} // namespace partivo
