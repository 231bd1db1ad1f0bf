#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

namespace partivo {

// One instruction of a MIDI instruction text, as written. Numbers are those of the text
// (0..999); the engine brings them into the MIDI range when it queues them.
struct MidiInstruction {
    enum Kind {
        ProgramChange, // [[msb sep] lsb sep] program @dest
        ControlChange, // CC control sep value @dest
        CoarseTune,    // CT+n @dest, CT-n @dest: universal system exclusive
        RpnTune,       // TR+n @dest, TR-n @dest: registered parameter 0/2
        Sysex,         // SYSEX hex bytes @dest
        Group,         // MIDI id: the event-library entries with that ID
    };

    Kind kind = ProgramChange;
    QString dest;     // text after the "@"; empty for Group
    int value = 0;    // program, or control value
    int control = 0;  // control number
    int bankMsb = -1; // program change: -1 when not written
    int bankLsb = -1;
    int tune = 0;     // signed semitones of the coarse tunes
    QByteArray bytes; // system exclusive bytes as written, at most kMaxSysexBytes + 1
    QString groupId;  // upper-cased

    bool operator==(const MidiInstruction&) const = default;
};

// The instructions of the text in the order they stand. What does not parse is skipped;
// this never fails. A CR counts as a line end, so CR LF texts read as LF texts.
QList<MidiInstruction> parseMidiInstructions(const QString& text);

// The text up to its first space or line end.
QString obtenirChaineJusquaBlanc(const QString& text);

} // namespace partivo
