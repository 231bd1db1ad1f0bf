#pragma once

#include "chordpro/ChordList.h"
#include "chordpro/ChordProDirectives.h"
#include "chordpro/SongMeta.h"

#include <QList>
#include <QString>
#include <QStringView>

namespace partivo::chordpro {

// A chord placed over the lyrics: `pos` is the index into the line's text where it stands
// (text.size() for a chord after the last lyrics character).
struct ParsedChord {
    QString name;
    qsizetype pos = 0;
    // "[*text]": an annotation drawn where a chord stands; `name` is the text after "*".
    // Never transposed and never in the chord list.
    bool annotation = false;
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
    // Common directives: the section, metadata or directive name in lower case, the label
    // of a section or recall, the style of a comment.
    QString name;
    QString label;
    CommentStyle style = CommentStyle::Plain;
    // A section whose body is not lyrics (svg, abc, ly, textblock): its lines as written.
    QString body;
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
    // The open section other than a chorus ("verse", "tab", "grid", ...); "" outside.
    QString section;
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

// A section of the song, with the source lines it spans (its start and end directives
// included; an unclosed one runs to the last line).
struct SongSection {
    QString kind; // "chorus", "verse", "tab", "abc", ...
    QString label;
    qsizetype firstLine = 0;
    qsizetype lastLine = 0;
    bool operator==(const SongSection&) const = default;
};

struct SongAnnotation {
    qsizetype line = 0;
    qsizetype pos = 0;
    QString text;
    bool operator==(const SongAnnotation&) const = default;
};

struct ParsedSong {
    QList<ParsedLine> lines;
    // Every chord met, in the order of first appearance.
    ChordList chords;

    // Filled by prepareSong (chordpro/ChordProPrepare.h): what the song states and what
    // it shows beyond its lines.
    SongMeta meta;
    QList<SongSection> sections;
    QList<SongAnnotation> annotations;
    // The chords as shown ({transpose} applied) in order of first appearance, those that
    // {chord:} names included: the chord diagrams drawn after the song.
    QStringList shownChords;
    // The {define:} and {chord:} values, in order.
    QStringList definitions;
    // The semitones of the song's first {transpose:}: the key shown moves with them.
    int transpose = 0;
    // Whether the chord diagrams are drawn after the song: the last {diagrams}, {grid} or
    // {no_grid} decides; without one, songs that use directives beyond the program's own
    // dialect show them and songs in the dialect look as they always did.
    bool diagrams = false;
};

struct ParseOptions {
    Selectors selectors;
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
// - The program's own directives (soc, eoc, soh, eoh, soe, eoe, start_of_chorus,
//   end_of_chorus, c, comment) count only as written, in lower case, right after "{"; the
//   common ChordPro directives are read in any case.
// - The body of an svg, abc, ly or textblock section is kept as written, up to the line that
//   ends it; a section for another instrument or user is skipped whole.
ParsedSong parseChordPro(QStringView text, const ParseOptions& options = {});

const char* lineKindName(LineKind kind);
const char* directiveKindName(DirectiveKind kind);

} // namespace partivo::chordpro
