#pragma once

#include "chordpro/ChordList.h"

#include <QList>
#include <QString>
#include <QStringView>

namespace partivo::chordpro {

// A chord placed over the lyrics: `pos` is the index into the line's text where it stands
// (text.size() for a chord after the last lyrics character).
struct ParsedChord {
    QString name;
    qsizetype pos = 0;
};

enum class DirectiveKind {
    HighlightStart, // {soh}
    HighlightEnd,   // {eoh}
    EmbeddedStart,  // {soe}: chords inside the lyrics line from the next line on
    EmbeddedEnd,    // {eoe}
    ChorusStart,    // {soc} or {start_of_chorus}
    ChorusEnd,      // {eoc} or {end_of_chorus}
    Comment,        // {c:...} or {comment:...}; `value` is the text to draw
    Metadata,       // title, t, subtitle, st, key, k, fontsize: never drawn
    Other,          // any other directive: draws nothing
    Unclosed,       // "{" without "}": it took the rest of the text; draws nothing
};

struct ParsedDirective {
    DirectiveKind kind = DirectiveKind::Other;
    // The text between the braces; line ends, carriage returns, tabs and NULs dropped.
    QString text;
    // Comment: the text after "c:" or "comment:", trimmed of spaces. Metadata: the value
    // after the ":", trimmed of spaces. Empty for the other kinds.
    QString value;
    // Index into the line's text where the directive stands.
    qsizetype pos = 0;
    // How many of the line's chords came before it in the source; with `pos` this orders
    // chords and directives that stand at the same place.
    qsizetype chordsBefore = 0;
};

enum class LineKind {
    Empty,           // nothing at all
    Lyrics,          // lyrics, no chord
    Chords,          // chords, no lyrics
    LyricsAndChords, // both
    Directives,      // only directives
};

// Section states in force at the start of a line, from the directives of the lines before.
struct LineState {
    bool chorus = false;
    bool embedded = false;
    bool highlight = false;
    bool operator==(const LineState&) const = default;
};

// One line of the song as the renderer lays it out. A line starts at the beginning of the text
// or after a "\n" outside a directive; "#" comment lines are not lines at all.
struct ParsedLine {
    LineKind kind = LineKind::Empty;
    QString text;
    QList<ParsedChord> chords;
    QList<ParsedDirective> directives;
    LineState stateAtStart;
    // The source range of the line: from its first character up to, not including, the "\n"
    // that ends it (or the end of the text). sourceLine counts from 1.
    qsizetype sourceStart = 0;
    qsizetype sourceEnd = 0;
    qsizetype sourceLine = 1;
};

struct ParsedSong {
    QList<ParsedLine> lines;
    // Every chord met, in the order of first appearance.
    ChordList chords;
};

// Reads a whole ChordPro text. Pure and linear in the length of the text.
//
// Besides the dialect's elements, the parser settles the broken forms so that every input
// has one reading:
// - A chord bracket ends at "]". Without it, the bracket ends at the next "[" or "{", at the
//   line end or at the end of the text, and the chord is kept.
// - "[]" gives no chord and no text; "[ x]" gives no chord and the lyrics " x".
// - A "]" outside a chord bracket is lyrics text.
// - Inside a directive everything up to "}" belongs to it, "[" and "#" included.
ParsedSong parseChordPro(QStringView text);

const char* lineKindName(LineKind kind);
const char* directiveKindName(DirectiveKind kind);

} // namespace partivo::chordpro
