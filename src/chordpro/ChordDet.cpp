#include "chordpro/ChordDet.h"

#include <QStringView>
#include <algorithm>
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
    // The flat names belong to the keys written with flats (F, Bb, Eb, Ab, Db, and C for
    // Eb and Bb), never to the sharp keys (B spells D#, F#, G#; Ab spells its own Ab).
    {"C#", "Db", keySet({3, 8, 10})},
    {"D", "D", 0},
    {"D#", "Eb", keySet({0, 3, 5, 8, 10})},
    {"E", "E", 0},
    {"F", "F", 0},
    {"F#", "Gb", keySet({3, 8})},
    {"G", "G", 0},
    {"G#", "Ab", keySet({3, 5, 8, 10})},
    {"A", "A", 0},
    {"A#", "Bb", keySet({0, 3, 5, 7, 8, 10})},
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

// A chord in parentheses (played or not, as the player likes): it keeps them.
bool inParentheses(const QString& chord)
{
    return chord.size() > 2 && chord.front() == u'(' && chord.back() == u')';
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

bool ChordDet::isMinorKey(const QString& key)
{
    // "m" right after the root and its accidental, and not the start of "maj": "Cmaj7"
    // standing in for the key is C major.
    const qsizetype root = key.size() > 1 && isAccidental(key[1]) ? 2 : 1;
    const QStringView rest = QStringView(key).mid(std::min(root, key.size()));
    return rest.startsWith(u'm') && !rest.startsWith(u"maj");
}

int ChordDet::keyPitchClass(const QString& key)
{
    const int pitch = noChordFromChord(key);
    return isMinorKey(key) ? wrap(pitch + 3) : pitch;
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
    if (inParentheses(chord))
        return u'(' + transposeSingleChord(chord.mid(1, chord.size() - 2), semitones, key, pref) +
               u')';
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
    if (inParentheses(chord))
        return u'(' + transposeChordWithRoot(chord.mid(1, chord.size() - 2), semitones, key, pref) +
               u')';
    const qsizetype slash = chord.indexOf(u'/');
    if (slash < 0 || slash == chord.size() - 1)
        return transposeSingleChord(chord, semitones, key, pref);
    return transposeSingleChord(chord.left(slash), semitones, key, pref) + u'/' +
           transposeSingleChord(chord.mid(slash + 1), semitones, key, pref);
}

} // namespace partivo
