#include "chordpro/ChordDet.h"

#include <initializer_list>

namespace partivo {

namespace {

constexpr unsigned keySet(std::initializer_list<int> keys)
{
    unsigned mask = 0;
    for (int k : keys)
        mask |= 1u << k;
    return mask;
}

struct Spelling {
    const char* sharp;
    const char* flat;
    // Transposed keys (bit k) for which automatic spelling takes the flat name.
    unsigned automaticFlatKeys;
};

// Indexed by pitch class; natural notes have one name.
constexpr Spelling kSpellings[12] = {
    {"C", "C", 0},
    {"C#", "Db", keySet({3, 10})},
    {"D", "D", 0},
    {"D#", "Eb", keySet({0, 3, 5, 10, 11})},
    {"E", "E", 0},
    {"F", "F", 0},
    {"F#", "Gb", keySet({3, 8, 11})},
    {"G", "G", 0},
    {"G#", "Ab", keySet({3, 5, 10, 11})},
    {"A", "A", 0},
    {"A#", "Bb", keySet({0, 3, 5, 7, 10})},
    {"B", "B", 0},
};

// Pitch classes of the natural letters A to G.
constexpr int kNaturals[7] = {9, 11, 0, 2, 4, 5, 7};

// For a pitch class plus -11..11 this is the same as adding or subtracting 12 once; it also
// keeps any other count in range.
int wrap(int value)
{
    return ((value % 12) + 12) % 12;
}

int naturalIndex(QChar c)
{
    const char16_t u = c.unicode();
    if (u >= u'A' && u <= u'G')
        return u - u'A';
    if (u >= u'a' && u <= u'g')
        return u - u'a';
    return -1;
}

bool isAccidental(QChar c)
{
    return c == u'b' || c == u'#';
}

} // namespace

ChordDet ChordDet::initWithChordSource(const QString& chord)
{
    ChordDet det;
    det.chordSource = chord;
    return det;
}

void ChordDet::transposeChord(int semitones, const QString& key, int pref)
{
    chordDest = transposeChordWithRoot(chordSource, semitones, key, pref);
}

int ChordDet::noChordFromBase(const QString& root, bool diese, bool bemol)
{
    const int index = root.isEmpty() ? -1 : naturalIndex(root.front());
    int pitch = index < 0 ? 0 : kNaturals[index];
    if (diese)
        ++pitch;
    if (bemol)
        --pitch;
    return wrap(pitch);
}

int ChordDet::noChordFromChord(const QString& chord)
{
    if (chord.isEmpty())
        return 0;
    const QChar second = chord.size() > 1 ? chord[1] : QChar();
    return noChordFromBase(chord, second == u'#', second == u'b');
}

int ChordDet::keyPitchClass(const QString& key)
{
    const int pitch = noChordFromChord(key);
    return key.contains(u'm') ? wrap(pitch + 3) : pitch;
}

QString ChordDet::strChord(int n, int k, int pref)
{
    const Spelling& spelling = kSpellings[wrap(n)];
    bool flat = false;
    if (pref == Flats)
        flat = true;
    else if (pref == Automatic)
        flat = (spelling.automaticFlatKeys >> wrap(k)) & 1u;
    return QString::fromLatin1(flat ? spelling.flat : spelling.sharp);
}

bool ChordDet::startsWithNoteLetter(const QString& chord)
{
    return !chord.isEmpty() && naturalIndex(chord.front()) >= 0;
}

QString ChordDet::transposeSingleChord(const QString& chord, int semitones, const QString& key,
                                       int pref)
{
    if (!startsWithNoteLetter(chord))
        return chord;
    const qsizetype rootLength = chord.size() > 1 && isAccidental(chord[1]) ? 2 : 1;
    const int n = wrap(noChordFromChord(chord) + semitones);
    const int k = wrap(keyPitchClass(key) + semitones);
    return strChord(n, k, pref) + chord.mid(rootLength);
}

QString ChordDet::transposeChordWithRoot(const QString& chord, int semitones, const QString& key,
                                         int pref)
{
    const qsizetype slash = chord.indexOf(u'/');
    if (slash < 0 || slash == chord.size() - 1)
        return transposeSingleChord(chord, semitones, key, pref);
    return transposeSingleChord(chord.left(slash), semitones, key, pref) + u'/' +
           transposeSingleChord(chord.mid(slash + 1), semitones, key, pref);
}

} // namespace partivo
