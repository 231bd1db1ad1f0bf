#pragma once

#include <QString>
#include <QStringList>

namespace partivo {

class Midi;

// The last received MIDI written as instructions, as the insert buttons of the event
// library editor (and the note window) offer them.
struct MidiLastInstructions {
    // Bank select and program change: "MSB.LSB:program@sender" while the bank MSB is under
    // a second old and 1 or more, else "LSB:program@sender"; with two or more messages
    // received together, "(n events)@sender". "" before any.
    QString programTitle;
    QString programInsert;      // the instruction and "\n", or the whole lastEvents text
    bool programRecent = false; // under a second old: the button is lit
    // "CCcontrol:value@sender"; "" before any.
    QString controlChange;
    bool controlRecent = false;
    // "CT+0@sender" for the last sender; "" before any message.
    QString coarseTune;
};

MidiLastInstructions midiLastInstructions(const Midi& midi);

// The words the keyword buttons insert, by their tags 1..6.
const QStringList& midiInstructionKeywords();

// What the events text of the library completes a word with: the instruction keywords,
// "MIDI <ID>" for each group of the library and "@<name>" for each destination, sorted,
// without repeats.
QStringList midiInstructionCompletions(const Midi& midi);
// The completions that the word being typed starts, without regard to case; none for an
// empty word.
QStringList completionsFor(const QStringList& completions, const QString& word);
// The word a completion replaces at the end of the text before the cursor: "MIDI " and the
// group ID being typed, the destination after an "@", else the last word.
QString completionWord(const QString& textBeforeCursor);

} // namespace partivo
