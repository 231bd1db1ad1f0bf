#pragma once

#include <QList>
#include <QString>
#include <QStringList>

namespace partivo::chordpro {

// A piece of a song text that transposition rewrites: [start, start + length) in the text.
struct TransposableSpan {
    enum Kind { Chord, KeyValue };
    Kind kind;
    qsizetype start;
    qsizetype length;
    // The chord name as read (carriage returns, tabs and NULs left out) or the key value.
    QString text;
};

// The chord names and key directive values of a song, in text order, empty ones left out.
// A chord name follows "[" up to "]", a space, "[", "{" or a line end; the rest of a bracket
// after a space is lyrics. Brackets inside "{...}" directives and on lines starting with "#"
// are not chords. A key directive is "{key:value}" or "{k:value}" as the metadata search finds
// it (any case, spaces allowed around the name and the colon); its value is trimmed of spaces
// and tabs.
QList<TransposableSpan> transposableSpans(const QString& text);

// The distinct chords of the song in the order of their first appearance ("Am" and "am"
// differ).
QStringList songChords(const QString& text);

// The key that spelling follows: the key directive's value, else the first chord, else empty.
QString songKey(const QString& text);

// The song text with every chord moved by semitones (-11..11) and spelled by pref
// (ChordDet::Preference), and every key directive's value moved as its own key. Everything
// else is kept exactly as written.
QString transposeSongText(const QString& text, int semitones, int pref);

} // namespace partivo::chordpro
