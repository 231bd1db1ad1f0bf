#pragma once

#include <QMap>
#include <QString>
#include <QStringView>

namespace partivo::chordpro {

// What a directive written in the common ChordPro form means: the program's own directives
// are matched first by the parser, exactly as written; every other name is looked up here
// in any case.
enum class StandardKind {
    Unknown,         // not a directive the program knows: draws nothing
    Ignored,         // "x_" directives and those whose selector does not match
    SectionStart,    // start_of_X and its short forms
    SectionEnd,      // end_of_X and its short forms
    ChorusRecall,    // {chorus}
    Comment,         // comment, comment_italic, comment_box, highlight and short forms
    Metadata,        // title, artist, ..., and {meta: NAME VALUE}
    Transpose,       // {transpose: N}
    NewPage,         // new_page, new_physical_page
    ColumnBreak,     // column_break
    Columns,         // {columns: N}
    ChordDefinition, // define, chord
    Diagrams,        // diagrams, grid, no_grid
    Image,           // {image: src=...}
};

enum class CommentStyle { Plain, Italic, Box, Highlight };

// The instrument and user that selectors ("{textsize-piano: 12}") are matched against.
struct Selectors {
    QString instrument = QStringLiteral("guitar");
    QString user;
};

struct StandardDirective {
    StandardKind kind = StandardKind::Unknown;
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

// True when `line` (trimmed) is the directive that ends the section `name`: end_of_NAME or
// its short form, in any case, with or without a selector.
bool endsSection(QStringView line, const QString& name);

} // namespace partivo::chordpro
