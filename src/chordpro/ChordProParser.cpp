#include "chordpro/ChordProParser.h"

#include "chordpro/ChordProMeta.h"
#include "chordpro/SpacesTabs.h"

#include <array>
#include <utility>

namespace partivo::chordpro {

namespace {

struct SectionDirective {
    QStringView text;
    DirectiveKind kind;
};

// Matched against the whole directive text, exactly and case-sensitively.
constexpr std::array<SectionDirective, 8> kSectionDirectives = {{
    {u"soh", DirectiveKind::HighlightStart},
    {u"eoh", DirectiveKind::HighlightEnd},
    {u"soe", DirectiveKind::EmbeddedStart},
    {u"eoe", DirectiveKind::EmbeddedEnd},
    {u"start_of_chorus", DirectiveKind::ChorusStart},
    {u"soc", DirectiveKind::ChorusStart},
    {u"end_of_chorus", DirectiveKind::ChorusEnd},
    {u"eoc", DirectiveKind::ChorusEnd},
}};

// A comment prefix counts only when the directive is at least this long. The name may end in
// a colon or, as many songbooks write it, a blank ("{c Chorus}").
struct CommentPrefix {
    QStringView prefix;
    qsizetype minLength;
};
constexpr std::array<CommentPrefix, 4> kCommentPrefixes = {{
    {u"comment:", 9},
    {u"comment ", 9},
    {u"c:", 3},
    {u"c ", 3},
}};

// The program's own names keep their own reading: comments only as the prefixes above
// give them ("{c:}" and "{C: x}" stay directives that draw nothing), chorus sections only
// in lower case right after "{" ("{Soc}" is not a chorus, "{soc: Chorus}" is).
bool isOwnNameWrittenOtherwise(QStringView text)
{
    const QStringView trimmed = trimSpacesTabs(text);
    const QStringView name = writtenName(trimmed);
    const qsizetype end = name.size();
    const QString lower = name.toString().toLower();
    if (lower == u"c" || lower == u"comment")
        return true;
    static const std::array<QStringView, 8> own = {
        u"soc", u"eoc", u"soh", u"eoh", u"soe", u"eoe", u"start_of_chorus", u"end_of_chorus"};
    // The common form of a chorus section carries a label after a colon.
    for (const QStringView ownName : own) {
        if (lower == ownName)
            return lower != name || isSpaceOrTab(text.front()) || end >= trimmed.size() ||
                   trimmed[end] != u':';
    }
    return false;
}

// The kind of a closed directive and the value it carries: the program's own directives
// first, exactly as they always were read, then the common ones in any case.
StandardDirective classify(QStringView text, const Selectors& selectors)
{
    for (const SectionDirective& section : kSectionDirectives) {
        if (text == section.text)
            return {section.kind, QString(), QString(), QString(), CommentStyle::Plain};
    }
    for (const CommentPrefix& comment : kCommentPrefixes) {
        if (text.size() >= comment.minLength && text.startsWith(comment.prefix))
            return {DirectiveKind::Comment, QStringLiteral("comment"),
                    trimSpacesTabs(text.sliced(comment.prefix.size())).toString(), QString(),
                    CommentStyle::Plain};
    }
    if (isMetadataDirective(text)) {
        const qsizetype colon = text.indexOf(u':');
        const StandardDirective d = readStandardDirective(text, selectors);
        return {DirectiveKind::Metadata,
                d.kind == DirectiveKind::Metadata ? d.name : QStringLiteral("fontsize"),
                trimSpacesTabs(text.sliced(colon + 1)).toString(), QString(), CommentStyle::Plain};
    }
    if (isOwnNameWrittenOtherwise(text))
        return {};
    StandardDirective d = readStandardDirective(text, selectors);
    if (d.kind == DirectiveKind::Other)
        return {};
    return d;
}

// One pass over the text. The modes are those of a character-by-character reader: plain
// text, the name part of a chord bracket, the lyrics part of a chord bracket (after a space)
// and a directive.
class Parser {
public:
    Parser(QStringView source, const ParseOptions& options) : source_(source), options_(options) {}

    ParsedSong run()
    {
        const qsizetype size = source_.size();
        qsizetype i = 0;
        while (i < size) {
            if (!rawSection_.isEmpty() && !lineOpen_ && mode_ == Mode::Text) {
                i = readRawSection(i);
                continue;
            }
            if (mode_ != Mode::Directive && source_[i] == u'#' &&
                (i == 0 || source_[i - 1] == u'\n')) {
                i = skipCommentLine(i);
                continue;
            }
            if (!lineOpen_)
                startLine(i);
            if (mode_ == Mode::Directive)
                readDirectiveChar(source_[i], i);
            else
                readChar(source_[i], i);
            if (source_[i] == u'\n')
                ++newlines_;
            ++i;
        }
        if (mode_ == Mode::Directive)
            closeDirective({DirectiveKind::Unclosed, {}, {}, {}, CommentStyle::Plain});
        closeChord();
        if (lineOpen_)
            endLine(size);
        return std::move(song_);
    }

private:
    enum class Mode { Text, ChordName, ChordLyrics, Directive };

    // The comment line and its "\n" are skipped; returns the position after them.
    qsizetype skipCommentLine(qsizetype at)
    {
        const qsizetype lineEnd = source_.indexOf(u'\n', at);
        if (lineEnd < 0)
            return source_.size();
        ++newlines_;
        return lineEnd + 1;
    }

    // The lines of a section kept as written (or skipped), up to the line that ends it, which
    // is then read as any other line.
    qsizetype readRawSection(qsizetype at)
    {
        const qsizetype end = sectionEnd(source_, at, rawSection_);
        const QStringView lines = source_.sliced(at, end - at);
        newlines_ += lines.count(u'\n');
        if (rawKeep_ && !lines.isEmpty()) {
            QString body = lines.toString();
            body.remove(u'\r');
            body.remove(QChar(0));
            if (!body.endsWith(u'\n'))
                body += u'\n';
            song_.lines[rawLine_].directives[rawDirective_].body = body;
        }
        rawSection_.clear();
        return end;
    }

    void startLine(qsizetype at)
    {
        line_ = ParsedLine();
        line_.stateAtStart = state_;
        line_.sourceStart = at;
        line_.sourceLine = newlines_ + 1;
        lineOpen_ = true;
    }

    void endLine(qsizetype at)
    {
        line_.sourceEnd = at;
        const bool hasText = !line_.text.isEmpty();
        const bool hasChords = !line_.chords.isEmpty();
        if (hasText && hasChords)
            line_.kind = LineKind::LyricsAndChords;
        else if (hasText)
            line_.kind = LineKind::Lyrics;
        else if (hasChords)
            line_.kind = LineKind::Chords;
        else if (!line_.directives.isEmpty())
            line_.kind = LineKind::Directives;
        else
            line_.kind = LineKind::Empty;
        song_.lines.append(std::move(line_));
        lineOpen_ = false;
    }

    void readChar(QChar c, qsizetype at)
    {
        if (c == u'\n') {
            closeChord();
            endLine(at);
            return;
        }
        if (isDropped(c))
            return;
        if (c == u'{') {
            closeChord();
            directiveText_.clear();
            substitutionDepth_ = 0;
            directivePos_ = line_.text.size();
            mode_ = Mode::Directive;
            return;
        }
        if (c == u'[') {
            closeChord();
            chordName_.clear();
            chordPos_ = line_.text.size();
            mode_ = Mode::ChordName;
            return;
        }
        switch (mode_) {
        case Mode::ChordName:
            if (c == u']') {
                closeChord();
            } else if (c == u' ' && !chordName_.startsWith(u'*')) {
                // A blank ends a chord name; an annotation may hold blanks.
                closeChord();
                mode_ = Mode::ChordLyrics;
                line_.text += c;
            } else {
                chordName_ += c;
            }
            break;
        case Mode::ChordLyrics:
            if (c == u']')
                mode_ = Mode::Text;
            else
                line_.text += c;
            break;
        case Mode::Text:
        case Mode::Directive:
            line_.text += c;
            break;
        }
    }

    // "%{" at `at` opens a substitution only when the line closes it and the directive: a
    // stray "%{" never makes a directive run on over the lines after it.
    bool closesOnItsLine(qsizetype at) const
    {
        int open = substitutionDepth_ + 2;
        for (qsizetype i = at + 1; i < source_.size() && source_[i] != u'\n'; ++i) {
            if (source_[i] == u'{' && source_[i - 1] == u'%')
                ++open;
            else if (source_[i] == u'}' && --open == 0)
                return true;
        }
        return false;
    }

    void readDirectiveChar(QChar c, qsizetype at)
    {
        // "%{name}" inside a directive is a substitution, not its end.
        if (c == u'}' && substitutionDepth_ > 0) {
            --substitutionDepth_;
            directiveText_ += c;
        } else if (c == u'}') {
            closeDirective(classify(directiveText_, options_.selectors));
        } else if (c != u'\n' && !isDropped(c)) {
            if (c == u'{' && directiveText_.endsWith(u'%') && closesOnItsLine(at))
                ++substitutionDepth_;
            directiveText_ += c;
        }
    }

    // Ends an open chord bracket; the chord is kept unless its name is empty. "[*text]" is
    // an annotation, kept out of the chord list.
    void closeChord()
    {
        if (mode_ == Mode::ChordName && chordName_.startsWith(u'*')) {
            if (chordName_.size() > 1)
                line_.chords.append({chordName_.sliced(1), chordPos_, true});
        } else if (mode_ == Mode::ChordName && !chordName_.isEmpty()) {
            line_.chords.append({chordName_, chordPos_});
            song_.chords.traiterUnAccord(chordName_);
        }
        if (mode_ == Mode::ChordName || mode_ == Mode::ChordLyrics)
            mode_ = Mode::Text;
    }

    void closeDirective(StandardDirective c)
    {
        ParsedDirective directive;
        directive.kind = c.kind;
        directive.text = directiveText_;
        directive.value = std::move(c.value);
        directive.pos = directivePos_;
        directive.chordsBefore = line_.chords.size();
        directive.name = std::move(c.name);
        directive.label = std::move(c.label);
        directive.style = c.style;
        line_.directives.append(std::move(directive));
        applyToState(line_.directives.last());
        mode_ = Mode::Text;
    }

    void applyToState(ParsedDirective& directive)
    {
        switch (directive.kind) {
        case DirectiveKind::SectionStart:
            if (isDelegatedSection(directive.name)) {
                rawSection_ = directive.name;
                rawKeep_ = true;
                rawLine_ = song_.lines.size();
                rawDirective_ = line_.directives.size() - 1;
            } else {
                state_.section = directive.name;
            }
            break;
        case DirectiveKind::SectionEnd:
            if (state_.section == directive.name)
                state_.section.clear();
            break;
        case DirectiveKind::Ignored:
            // A section for another instrument or user is skipped up to its end.
            if (directive.text.trimmed().toLower().startsWith(u"start_of_")) {
                rawSection_ = directive.name;
                rawKeep_ = false;
            }
            break;
        case DirectiveKind::HighlightStart:
            state_.highlight = true;
            break;
        case DirectiveKind::HighlightEnd:
            state_.highlight = false;
            break;
        case DirectiveKind::EmbeddedStart:
            state_.embedded = true;
            break;
        case DirectiveKind::EmbeddedEnd:
            state_.embedded = false;
            break;
        case DirectiveKind::ChorusStart:
            state_.chorus = true;
            break;
        case DirectiveKind::ChorusEnd:
            state_.chorus = false;
            break;
        default:
            break;
        }
    }

    QStringView source_;
    const ParseOptions& options_;
    // The section whose lines are kept as written in the body of the directive that opened
    // it (a line and a directive index; the line is closed before the body is read), or
    // skipped.
    QString rawSection_;
    bool rawKeep_ = false;
    qsizetype rawLine_ = 0;
    qsizetype rawDirective_ = 0;
    ParsedSong song_;
    ParsedLine line_;
    bool lineOpen_ = false;
    qsizetype newlines_ = 0;
    Mode mode_ = Mode::Text;
    LineState state_;
    QString chordName_;
    qsizetype chordPos_ = 0;
    QString directiveText_;
    int substitutionDepth_ = 0;
    qsizetype directivePos_ = 0;
};

} // namespace

ParsedSong parseChordPro(QStringView text, const ParseOptions& options)
{
    return Parser(text, options).run();
}

const char* lineKindName(LineKind kind)
{
    switch (kind) {
    case LineKind::Empty:
        return "empty";
    case LineKind::Lyrics:
        return "lyrics";
    case LineKind::Chords:
        return "chords";
    case LineKind::LyricsAndChords:
        return "lyricsAndChords";
    case LineKind::Directives:
        return "directives";
    }
    return "";
}

const char* directiveKindName(DirectiveKind kind)
{
    switch (kind) {
    case DirectiveKind::HighlightStart:
        return "highlightStart";
    case DirectiveKind::HighlightEnd:
        return "highlightEnd";
    case DirectiveKind::EmbeddedStart:
        return "embeddedStart";
    case DirectiveKind::EmbeddedEnd:
        return "embeddedEnd";
    case DirectiveKind::ChorusStart:
        return "chorusStart";
    case DirectiveKind::ChorusEnd:
        return "chorusEnd";
    case DirectiveKind::Comment:
        return "comment";
    case DirectiveKind::Metadata:
        return "metadata";
    case DirectiveKind::Other:
        return "other";
    case DirectiveKind::Unclosed:
        return "unclosed";
    case DirectiveKind::SectionStart:
        return "sectionStart";
    case DirectiveKind::SectionEnd:
        return "sectionEnd";
    case DirectiveKind::ChorusRecall:
        return "chorusRecall";
    case DirectiveKind::Transpose:
        return "transpose";
    case DirectiveKind::NewPage:
        return "newPage";
    case DirectiveKind::ColumnBreak:
        return "columnBreak";
    case DirectiveKind::Columns:
        return "columns";
    case DirectiveKind::ChordDefinition:
        return "chordDefinition";
    case DirectiveKind::Diagrams:
        return "diagrams";
    case DirectiveKind::Image:
        return "image";
    case DirectiveKind::Ignored:
        return "ignored";
    }
    return "";
}

} // namespace partivo::chordpro
