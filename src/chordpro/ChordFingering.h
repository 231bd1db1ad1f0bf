#pragma once

#include <QList>
#include <QString>
#include <QStringView>
#include <optional>

namespace partivo::chordpro {

// Where the fingers go for one chord on a fretted instrument.
struct ChordFingering {
    // The chord's name as the song writes it.
    QString name;
    // The fret that fret 1 of `frets` stands for: 1 is the nut position.
    int baseFret = 1;
    // One value per string from the lowest string to the highest: -1 not played, 0 open,
    // n >= 1 the n-th fret counted from baseFret. Empty: only the name is known.
    QList<int> frets;
    // Empty, or one finger per string (0 = none, 1..4 index to little finger).
    QList<int> fingers;

    bool operator==(const ChordFingering&) const = default;
};

// Limits of a definition the diagrams can draw.
inline constexpr int kMaxChordStrings = 12;
inline constexpr int kMaxChordFret = 24;
inline constexpr int kMaxChordFinger = 4;

// Reads the arguments of a {define: ...} or {chord: ...} directive:
//
//   NAME [base-fret B] [frets F1 F2 ...] [fingers N1 N2 ...]
//
// Words are separated by spaces or tabs; keywords are read in any case; a colon may follow
// the name (or lead the whole text). A fret is a number 0..24, or "x", "X", "N" or "-1" for a
// string not played; a finger is 0..4, or "x", "X", "N" or "-" for none. A name alone gives a
// fingering with no frets. Returns nothing for an empty name, an unknown word, a keyword
// given twice or without its values, base-fret outside 1..24, more than 12 strings, fingers
// without frets or not one per string. Linear in the length of the text.
std::optional<ChordFingering> parseChordDefinition(QStringView value);

} // namespace partivo::chordpro
