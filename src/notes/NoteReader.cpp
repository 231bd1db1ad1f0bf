#include "notes/NoteReader.h"

#include "library/NoteDirectives.h"
#include "notes/SongEvents.h"

#include <QSet>

namespace partivo {

QStringList windowIdsInNote(const QString& note)
{
    QStringList ids;
    QSet<QString> seen;
    for (const QString& line : note.split(u'\n')) {
        const qsizetype colon = line.indexOf(u':');
        if (colon <= 0 || line[0].isDigit())
            continue;
        const QString id = line.left(colon);
        // One word, and not a directive or a MIDI instruction such as "CC7:100@SYNTH".
        const QString firstWord = line.section(u' ', 0, 0);
        if (id.contains(u' ') || id.contains(u'\t') || id.contains(u'=') ||
            firstWord.contains(u'@'))
            continue;
        if (const QString key = id.toUpper(); !seen.contains(key)) {
            seen.insert(key);
            ids.append(id);
            // Each ID's line is looked for through the whole note: a note of thousands of
            // "IDs" (a log, a data dump) would take quadratic time.
            if (ids.size() == kMaxWindowIdsInNote)
                break;
        }
    }
    return ids;
}

NoteContents readNote(const QString& note)
{
    NoteContents contents;
    if (note.isEmpty())
        return contents;
    contents.title = obtenirChaineNonBlank(note, QLatin1StringView("TITLE="));
    contents.artist = obtenirChaineNonBlank(note, QLatin1StringView("ARTIST="));
    contents.tags = obtenirChaine(note, QLatin1StringView("TAGS="));
    const TempoInfo tempo = tempoFromNote(note);
    contents.tempo = tempo.tempo;
    contents.signature = tempo.signature;
    for (const QString& id : windowIdsInNote(note)) {
        const QString line = noteLineForWindow(note, id, 1, 1);
        if (!line.isEmpty())
            contents.windowLines.append(WindowLine{id, line});
    }
    contents.events = chargerSongEventsFromString(note);
    contents.midiLines = untimedMidiTexts(contents.events);
    return contents;
}

} // namespace partivo
