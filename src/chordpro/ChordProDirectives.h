#pragma once

#include <QMap>
#include <QString>
#include <QStringView>

namespace partivo::chordpro {

enum class DirectiveKind {
    HighlightStart, // {soh}
    HighlightEnd,   // {eoh}
    EmbeddedStart,  // {soe}: chords inside the lyrics line from the next line on
    EmbeddedEnd,    // {eoe}
    ChorusStart,    // {soc} or {start_of_chorus}
    ChorusEnd,      // {eoc} or {end_of_chorus}
    Comment,        // {c:...} or {comment:...}; `value` is the text to draw
    Metadata,       // title, t, subtitle, st, key, k, fontsize, artist, capo, meta...: never drawn
    Other,          // any other directive: draws nothing
    Unclosed,       // "{" without "}": it took the rest of the text; draws nothing
    // The common ChordPro directives besides the program's own.
    SectionStart,    // start_of_X (not chorus): `name` X, `label`; delegated ones carry `body`
    SectionEnd,      // end_of_X
    ChorusRecall,    // {chorus}: the last chorus again
    Transpose,       // {transpose: N}
    NewPage,         // new_page, new_physical_page
    ColumnBreak,     // column_break
    Columns,         // {columns: N}
    ChordDefinition, // define, chord
    Diagrams,        // diagrams, grid, no_grid: `name` and `value`
    Image,           // {image: ...}: `value` holds the attributes
    Ignored,         // "x_" directives and directives for another instrument or user
};

enum class CommentStyle { Plain, Italic, Box, Highlight };

// The instrument and user that selectors ("{textsize-piano: 12}") are matched against.
struct Selectors {
    QString instrument = QStringLiteral("guitar");
    QString user;
};

// A directive written in the common ChordPro form. The program's own directives are matched
// first by the parser, exactly as written; every other name is looked up here in any case:
// Other when the program does not know it, Ignored for "x_" directives and those whose
// selector does not match.
struct StandardDirective {
    DirectiveKind kind = DirectiveKind::Other;
    // Sections: the section's name ("verse", "chorus", "tab", ...). Metadata: the metadata
    // name ("artist"; for {meta: artist X} also "artist"). Otherwise the directive's name.
    QString name;
    // The text after the name and its ":" (or blank), trimmed; for {meta:} the value after
    // the metadata name.
    QString value;
    // Sections and recalls: the label, from label="..." or the whole value.
    QString label;
    CommentStyle style = CommentStyle::Plain;
};

// Reads a directive's text (between the braces). `selectors` decide directives that carry
// one ("-piano" after the name).
StandardDirective readStandardDirective(QStringView text, const Selectors& selectors);

// Attributes written as name="value", name='value' or name=value, separated by blanks.
// Names are lower-cased; a later attribute of the same name replaces the earlier.
QMap<QString, QString> parseAttributes(QStringView text);

// Sections whose body is not lyrics: kept as written and drawn as a figure.
bool isDelegatedSection(const QString& name);

// The directive's name as written: from its first character that is not a blank up to a
// colon, a blank or the end.
QStringView writtenName(QStringView text);

// Where the section `name` that starts at `from` (the start of the line after its start
// directive) ends: the start of the line that holds end_of_NAME or its short form (in any
// case, with or without a selector), or the end of the text when no line does.
qsizetype sectionEnd(QStringView text, qsizetype from, const QString& name);

} // namespace partivo::chordpro
