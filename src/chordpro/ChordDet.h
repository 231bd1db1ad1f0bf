#pragma once

#include <QString>

namespace partivo {

// One source chord and its transposed form, plus the chord arithmetic of the transposer.
//
// A chord reads as root (A-G, lower case read as upper case), an optional accidental ("b" or
// "#") and a suffix kept as written; a "/" that is not the last character splits it into a chord
// and a bass that are transposed separately. Pitch classes run 0..11 with C = 0.
class ChordDet {
public:
    // Spelling preference for the five black keys.
    enum Preference { Automatic = 0, Flats = 1, Sharps = 2 };

    QString chordSource;
    QString chordDest;

    static ChordDet initWithChordSource(const QString& chord);
    // Sets chordDest from chordSource (bass rule included).
    void transposeChord(int semitones, const QString& key, int pref);

    // Pitch class of the root's first character ("b"/"#" flags applied, wrapped into 0..11);
    // a character other than A-G/a-g reads as C.
    static int noChordFromBase(const QString& root, bool diese, bool bemol);
    // Pitch class of the chord's root and accidental; 0 for an empty chord.
    static int noChordFromChord(const QString& chord);
    // A minor key: "m" follows the root and accidental, and does not begin "maj".
    static bool isMinorKey(const QString& key);
    // Pitch class that spelling is decided by: the key's root, raised to its relative major
    // (+3) for a minor key; C for an empty key.
    static int keyPitchClass(const QString& key);
    // Name of pitch class n when the transposed key is k.
    static QString strChord(int n, int k, int pref);
    // A chord without bass. A chord that does not start with a note letter is returned
    // unchanged: "N.C.", "x" or "H7" are not chords the transposer can move.
    static QString transposeSingleChord(const QString& chord, int semitones, const QString& key,
                                        int pref);
    // A chord with an optional bass after the first "/"; an empty side stays empty.
    static QString transposeChordWithRoot(const QString& chord, int semitones, const QString& key,
                                          int pref);
    // True when the first character is a note letter A-G or a-g.
    static bool startsWithNoteLetter(const QString& chord);
};

} // namespace partivo
