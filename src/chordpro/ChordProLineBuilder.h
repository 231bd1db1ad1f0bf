#pragma once

#include "chordpro/ChordProParser.h"

#include <QList>
#include <QString>

namespace partivo::chordpro {

// A styled stretch of the lyrics line, from start up to (not including) end.
struct Span {
    qsizetype start = 0;
    qsizetype end = 0;
    bool operator==(const Span&) const = default;
};

// Highlight and embedded-chord spans are recorded up to this many per output line; spans
// beyond draw unstyled.
inline constexpr qsizetype kMaxSpansPerLine = 50;

// One output line: a source line, or the part of it that one wrap leaves.
struct LineSegment {
    enum class Shape {
        Text,           // chords and/or lyrics (either may be blank)
        Empty,          // a source line with nothing in it
        DirectivesOnly, // a source line holding directives and nothing else
    };
    Shape shape = Shape::Text;
    // Column-aligned in the monospaced face. In embedded sections the chord line stays empty
    // and the chords stand in the lyrics line in parentheses.
    QString chords;
    QString lyrics;
    QList<Span> highlights;
    QList<Span> embedded;
    // Annotations ("[*text]") in the chord line.
    QList<Span> annotations;
    // The chorus state when the line was flushed.
    bool chorus = false;
    // The section the line is in ("tab", "grid", ...; "" outside).
    QString section;

    bool hasChords() const;
    // Lyrics with at least one character other than a space.
    bool hasLyrics() const;
};

// A directive that draws something the moment it is read, before the line it stands in.
struct DirectiveOutput {
    // Comment, ChorusStart, ChorusEnd, SectionStart, Image, NewPage, ColumnBreak or Columns.
    DirectiveKind kind = DirectiveKind::Other;
    QString value; // the comment text, or the directive's value
    QString name;
    QString label;
    CommentStyle style = CommentStyle::Plain;
    QString body;
};

struct LineOutput {
    enum class Kind { Segment, Directive };
    Kind kind = Kind::Segment;
    LineSegment segment;
    DirectiveOutput directive;
};

struct LineBuildOptions {
    // Characters that fit across the page; inside a chorus two fewer. Any value, even 0 or
    // below: a line always keeps at least one character or chord.
    int nbMaxCarRef = 0;
    // Lyrics-only: embedded chords are not written but still count towards the width, so
    // that lines break where they break with chords.
    bool lyricsOnly = false;
};

// Builds the chord line and the lyrics line of one source line and wraps them, giving the
// output lines and the directives drawn on the way, in the order they are drawn. The section
// states start from the line's stateAtStart; chorus and highlight follow the directives met.
// Lines of tab and grid sections are never wrapped.
QList<LineOutput> buildLine(const ParsedLine& line, const LineBuildOptions& options);

} // namespace partivo::chordpro
