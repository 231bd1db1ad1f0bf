#pragma once

#include "chordpro/ChordFingering.h"

#include <QHash>
#include <QString>
#include <optional>

namespace partivo::chordpro {

// The guitar shape (standard tuning E A D G B E) of a common chord, with `name` set to the
// name asked for. The root may be spelled with a sharp or a flat ("C#" and "Db", also "Cb",
// "Fb", "E#", "B#"); the quality is one of major, "m", "7", "m7", "maj7", "sus2", "sus4",
// "dim" (the triad) and "aug", under their usual other spellings ("min", "-", "M7", "Δ7",
// "°", "+", "sus", ...). A bass note after "/" is left out: the chord's own shape is given.
// Nothing for any other chord.
std::optional<ChordFingering> builtInFingering(const QString& chordName);

// The chord shapes of one song: its own definitions first, then the built-in guitar shapes.
class ChordDiagrams {
public:
    // Records the song's shape for a chord, replacing an earlier one of the same name. A
    // definition without frets only names the chord, so it records nothing: the chord keeps
    // the shape it had.
    void define(const ChordFingering& fingering);
    // The song's shape for exactly that name, else the built-in shape.
    std::optional<ChordFingering> lookup(const QString& name) const;

private:
    QHash<QString, ChordFingering> defined_;
};

} // namespace partivo::chordpro
