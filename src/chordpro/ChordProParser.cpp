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

// The kind of a closed directive and the value it carries: the section directives match
// exactly and case-sensitively, comments by their prefix, metadata in any case.
std::pair<DirectiveKind, QString> classify(QStringView text)
{
    for (const SectionDirective& section : kSectionDirectives) {
        if (text == section.text)
            return {section.kind, QString()};
    }
    for (const CommentPrefix& comment : kCommentPrefixes) {
        if (text.size() >= comment.minLength && text.startsWith(comment.prefix))
            return {DirectiveKind::Comment,
                    trimSpacesTabs(text.sliced(comment.prefix.size())).toString()};
    }
    if (isMetadataDirective(text)) {
        const qsizetype colon = text.indexOf(u':');
        return {DirectiveKind::Metadata, trimSpacesTabs(text.sliced(colon + 1)).toString()};
    }
    return {DirectiveKind::Other, QString()};
}

// One pass over the text. The modes are those of a character-by-character reader: plain
// text, the name part of a chord bracket, the lyrics part of a chord bracket (after a space)
// and a directive.
class Parser {
public:
    explicit Parser(QStringView source) : source_(source) {}

    ParsedSong run()
    {
        const qsizetype size = source_.size();
        qsizetype i = 0;
        while (i < size) {
            if (mode_ != Mode::Directive && source_[i] == u'#' &&
                (i == 0 || source_[i - 1] == u'\n')) {
                i = skipCommentLine(i);
                continue;
            }
            if (!lineOpen_)
                startLine(i);
            if (mode_ == Mode::Directive)
                readDirectiveChar(source_[i]);
            else
                readChar(source_[i], i);
            if (source_[i] == u'\n')
                ++newlines_;
            ++i;
        }
        if (mode_ == Mode::Directive)
            closeDirective(DirectiveKind::Unclosed, QString());
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
            } else if (c == u' ') {
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

    void readDirectiveChar(QChar c)
    {
        if (c == u'}') {
            auto [kind, value] = classify(directiveText_);
            closeDirective(kind, std::move(value));
        } else if (c != u'\n' && !isDropped(c)) {
            directiveText_ += c;
        }
    }

    // Ends an open chord bracket; the chord is kept unless its name is empty.
    void closeChord()
    {
        if (mode_ == Mode::ChordName && !chordName_.isEmpty()) {
            line_.chords.append({chordName_, chordPos_});
            song_.chords.traiterUnAccord(chordName_);
        }
        if (mode_ == Mode::ChordName || mode_ == Mode::ChordLyrics)
            mode_ = Mode::Text;
    }

    void closeDirective(DirectiveKind kind, QString value)
    {
        line_.directives.append(
            {kind, directiveText_, std::move(value), directivePos_, line_.chords.size()});
        applyToState(kind);
        mode_ = Mode::Text;
    }

    void applyToState(DirectiveKind kind)
    {
        switch (kind) {
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
    ParsedSong song_;
    ParsedLine line_;
    bool lineOpen_ = false;
    qsizetype newlines_ = 0;
    Mode mode_ = Mode::Text;
    LineState state_;
    QString chordName_;
    qsizetype chordPos_ = 0;
    QString directiveText_;
    qsizetype directivePos_ = 0;
};

} // namespace

ParsedSong parseChordPro(QStringView text)
{
    return Parser(text).run();
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
    }
    return "";
}

} // namespace partivo::chordpro
