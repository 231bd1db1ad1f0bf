#pragma once

#include "midi/MidiTrig.h"
#include "midi/MidiTrigActions.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <limits>

namespace partivo {

// A time that is a second or more before any time on the engine's clock.
inline constexpr qint64 kNeverMs = std::numeric_limits<qint64>::min() / 2;

// One incoming message as the trigger editor learns it or the output editor shows it.
struct MidiLearnedRow {
    qint32 sourceRef = 0;  // unique id of the source
    int sourceChannel = 0; // 0-based
    int sourceType = TrigControlChange;
    int sourceVal1 = 0;
    int sourceVal2 = 0;
    int sourceVal3 = 0;
    bool filled = false; // a message was stored since the engine started

    bool operator==(const MidiLearnedRow&) const = default;
};

// The last received bank select, program change and control change, which the note window
// offers for insertion, and the last messages written as instructions.
struct MidiLastReceived {
    int lastMSBValue = 0;
    int lastLSBValue = 0;
    int lastLSBNo = 0; // the controller 32..63 that carried lastLSBValue
    int lastProgramChangeValue = 0;
    int lastControlMessageValue1 = 0; // controller
    int lastControlMessageValue2 = 0; // value
    int lastChannel = 0;              // 0-based
    qint32 lastSourceRef = 0;
    qint64 timeLastMSB = kNeverMs;
    qint64 timeLastLSB = kNeverMs;
    qint64 timeLastProgramChange = kNeverMs;
    qint64 timeLastControlMessage = kNeverMs;
    qint64 timeLastMultiMessage = kNeverMs;
    // One line per message ("\n" first): "5@SYNTH", "12:5@SYNTH", "0.12:5@SYNTH",
    // "CC7:100@SYNTH"; messages more than a second apart start it again.
    QString lastEvents;
    int nbLastEvents = 0; // lines in lastEvents
};

// What processing one queued message did: the command line and the tests read it.
struct MidiTrigStep {
    MidiTrigIn message;
    bool processed = false;      // a message was taken from the queue
    bool debounced = false;      // a bend in the same direction as the last one: dropped
    QList<int> fired;            // indexes of the triggers that fired, in list order
    QList<RemoteAction> actions; // what they posted, in order
    QStringList groups;          // the event-library groups they sent

    int lastTrigger() const { return fired.isEmpty() ? -1 : fired.last(); }
};

} // namespace partivo
