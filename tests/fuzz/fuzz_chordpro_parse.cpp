// Fuzz entry point: any bytes, decoded as a song file is, must parse without crashing, in
// bounded time, into lines whose chords and directives point inside their text; the
// arguments of every directive, read as a chord definition, give a drawable fingering or none.
#include "chordpro/ChordFingering.h"
#include "chordpro/ChordProMeta.h"
#include "chordpro/ChordProParser.h"
#include "chordpro/ChordProPrepare.h"
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

// The text after a directive's name, as a chord definition.
void checkChordDefinition(const QString& directiveText)
{
    qsizetype nameEnd = 0;
    while (nameEnd < directiveText.size() &&
           (directiveText[nameEnd].isLetter() || directiveText[nameEnd] == QLatin1Char('_')))
        ++nameEnd;
    const auto fingering =
        chordpro::parseChordDefinition(QStringView(directiveText).sliced(nameEnd));
    if (!fingering)
        return;
    check(!fingering->name.isEmpty());
    check(fingering->baseFret >= 1 && fingering->baseFret <= chordpro::kMaxChordFret);
    check(fingering->frets.size() <= chordpro::kMaxChordStrings);
    check(fingering->fingers.isEmpty() || fingering->fingers.size() == fingering->frets.size());
    for (int fret : fingering->frets)
        check(fret >= -1 && fret <= chordpro::kMaxChordFret);
    for (int finger : fingering->fingers)
        check(finger >= 0 && finger <= chordpro::kMaxChordFinger);
}

// The pass after reading: sections within the song, annotations with text, recalls bounded,
// attributes and substitutions read from every directive without trouble.
void checkPrepared(const chordpro::ParsedSong& song)
{
    const chordpro::ParsedSong prepared =
        chordpro::prepareSong(song, {QStringLiteral("piano"), QStringLiteral("anna")});
    check(prepared.lines.size() >= song.lines.size());
    check(prepared.lines.size() <= song.lines.size() + 20000 + 2 * song.lines.size());
    const qsizetype lastLine = song.lines.isEmpty() ? 0 : song.lines.last().sourceLine;
    for (const chordpro::SongSection& section : prepared.sections)
        check(section.firstLine >= 1 && section.firstLine <= section.lastLine &&
              section.lastLine <= lastLine);
    for (const chordpro::SongAnnotation& annotation : prepared.annotations)
        check(!annotation.text.isEmpty());
    for (const chordpro::ParsedLine& line : song.lines) {
        for (const chordpro::ParsedDirective& directive : line.directives) {
            const QMap<QString, QString> attributes = chordpro::parseAttributes(directive.value);
            for (auto it = attributes.cbegin(); it != attributes.cend(); ++it)
                check(!it.key().isEmpty() && it.key() == it.key().toLower());
            (void)chordpro::substituteMeta(directive.text, prepared.meta);
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QString text =
        decodeText(QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)));
    const chordpro::ParsedSong song = chordpro::parseChordPro(text);
    for (const chordpro::ParsedLine& line : song.lines) {
        check(!line.text.contains(QLatin1Char('\n')));
        check(line.sourceStart >= 0 && line.sourceStart <= line.sourceEnd &&
              line.sourceEnd <= text.size());
        for (const chordpro::ParsedChord& chord : line.chords) {
            check(chord.pos >= 0 && chord.pos <= line.text.size());
        }
        for (const chordpro::ParsedDirective& directive : line.directives) {
            check(directive.pos >= 0 && directive.pos <= line.text.size());
            checkChordDefinition(directive.text);
        }
    }
    for (const QString& chord : song.chords.chords())
        check(!chord.isEmpty());
    checkPrepared(song);
    const auto meta = chordpro::determinerTitreSousTitreCle(text);
    check(meta.titre.size() <= text.size() && meta.cle.size() <= text.size());
    const double fontSize = chordpro::obtenirFontSize(text, 17.0);
    check(fontSize >= 1.0 && fontSize < 100.0);
    return 0;
}
