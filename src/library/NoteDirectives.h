#pragma once

#include <QString>
#include <optional>

namespace partivo {

// Reads the directives of a note text. Directive names match without regard to case; the
// value is always cut from the text as written.

// Position of the first occurrence of an ASCII needle at or after `from`, letters compared
// without regard to case; -1 when absent. Much faster than a full Unicode case-insensitive
// search, which matters when a load reads thousands of notes.
int indexOfAsciiIgnoringCase(QStringView text, QLatin1StringView needle, int from = 0);

// Value of the first "NAME=" directive up to the line feed (a carriage return before it is
// not part of the value); nothing when the directive is missing or its line does not end
// with a line feed.
std::optional<QString> obtenirChaine(const QString& note, QLatin1StringView directive);
// As obtenirChaine, but a value that is blank after trimming counts as missing.
std::optional<QString> obtenirChaineNonBlank(const QString& note, QLatin1StringView directive);

struct TempoInfo {
    int tempo = 0;
    int signature = 4;
};
// Tempo (beats per minute, 0 = none) and beats per bar found in a note.
TempoInfo tempoFromNote(const QString& note);

// The one note line a display window shows: its version line "W:..." when the window has
// a version (mode > 0) and the note has one, else the note's first line unless the
// window asks for its specific note only (noDefault != 0).
QString noteLineForWindow(const QString& note, const QString& windowId, int mode, int noDefault);

// Value of a ChordPro directive such as "{title:" up to the next "}", trimmed; nothing
// when the directive is missing or not closed.
std::optional<QString> chordProDirective(const QString& text, QLatin1StringView directive);
// The value of the first "{meta: NAME VALUE}" of that name (any case), trimmed; nothing when
// the song has none.
std::optional<QString> chordProMeta(const QString& text, QLatin1StringView name);

} // namespace partivo
