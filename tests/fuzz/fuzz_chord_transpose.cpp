// Fuzz entry point: transposing any text by any offset and spelling must not crash, must
// leave the text outside chord brackets alone in length terms, and must be undone by the
// opposite offset for the chord roots (pitch classes).
#include "chordpro/ChordDet.h"
#include "chordpro/SongTransposer.h"
#include "platform/TextDecode.h"

#include <QByteArray>
#include <cstdint>
#include <cstdlib>

using namespace partivo;

namespace {

void check(bool condition)
{
    if (!condition)
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < 2)
        return 0;
    const int semitones = int(data[0] % 23) - 11;
    const int pref = data[1] % 3;
    const QString text =
        decodeText(QByteArray(reinterpret_cast<const char*>(data + 2), qsizetype(size - 2)));

    const QString transposed = chordpro::transposeSongText(text, semitones, pref);
    // Each chord root grows by at most one character ("C" -> "C#").
    check(transposed.size() <= 2 * text.size() + 8);

    // One chord on its own: the root's pitch class moves by exactly the offset.
    // (A suffix that itself begins with "b" or "#" would read as an accidental once the root
    // is respelled, so such chords are left out of this check.)
    const QString chord = text.left(12);
    const bool accidental = chord.size() > 1 && (chord[1] == u'b' || chord[1] == u'#');
    const QChar afterRoot =
        chord.size() > (accidental ? 2 : 1) ? chord[accidental ? 2 : 1] : QChar();
    if (ChordDet::startsWithNoteLetter(chord) && !chord.contains(QLatin1Char('/')) &&
        afterRoot != u'b' && afterRoot != u'#') {
        const QString moved = ChordDet::transposeSingleChord(chord, semitones, QString(), pref);
        const int before = ChordDet::noChordFromChord(chord);
        const int after = ChordDet::noChordFromChord(moved);
        check((before + semitones + 24) % 12 == after);
    }
    return 0;
}
