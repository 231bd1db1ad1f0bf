#include "chordpro/ChordProDirectives.h"

#include "chordpro/SpacesTabs.h"

#include <array>

namespace partivo::chordpro {

namespace {

using enum DirectiveKind;

struct Entry {
    QStringView name;
    DirectiveKind kind;
    // The section, metadata or canonical name it stands for.
    QStringView canonical;
    CommentStyle style = CommentStyle::Plain;
};

// Names in lower case. start_of_X and end_of_X are read for any X besides these.
constexpr std::array<Entry, 54> kEntries = {{
    {u"soc", ChorusStart, u"chorus"},
    {u"eoc", ChorusEnd, u"chorus"},
    {u"sov", SectionStart, u"verse"},
    {u"eov", SectionEnd, u"verse"},
    {u"sob", SectionStart, u"bridge"},
    {u"eob", SectionEnd, u"bridge"},
    {u"sot", SectionStart, u"tab"},
    {u"eot", SectionEnd, u"tab"},
    {u"sog", SectionStart, u"grid"},
    {u"eog", SectionEnd, u"grid"},
    {u"chorus", ChorusRecall, u"chorus"},
    {u"comment", Comment, u"comment"},
    {u"c", Comment, u"comment"},
    {u"comment_italic", Comment, u"comment_italic", CommentStyle::Italic},
    {u"ci", Comment, u"comment_italic", CommentStyle::Italic},
    {u"comment_box", Comment, u"comment_box", CommentStyle::Box},
    {u"cb", Comment, u"comment_box", CommentStyle::Box},
    {u"highlight", Comment, u"highlight", CommentStyle::Highlight},
    {u"transpose", Transpose, u"transpose"},
    {u"new_page", NewPage, u"new_page"},
    {u"np", NewPage, u"new_page"},
    {u"new_physical_page", NewPage, u"new_physical_page"},
    {u"npp", NewPage, u"new_physical_page"},
    {u"column_break", ColumnBreak, u"column_break"},
    {u"colb", ColumnBreak, u"column_break"},
    {u"columns", Columns, u"columns"},
    {u"col", Columns, u"columns"},
    {u"define", ChordDefinition, u"define"},
    {u"chord", ChordDefinition, u"chord"},
    {u"diagrams", Diagrams, u"diagrams"},
    {u"grid", Diagrams, u"grid"},
    {u"g", Diagrams, u"grid"},
    {u"no_grid", Diagrams, u"no_grid"},
    {u"ng", Diagrams, u"no_grid"},
    {u"image", Image, u"image"},
    {u"title", Metadata, u"title"},
    {u"t", Metadata, u"title"},
    {u"subtitle", Metadata, u"subtitle"},
    {u"st", Metadata, u"subtitle"},
    {u"artist", Metadata, u"artist"},
    {u"composer", Metadata, u"composer"},
    {u"lyricist", Metadata, u"lyricist"},
    {u"arranger", Metadata, u"arranger"},
    {u"copyright", Metadata, u"copyright"},
    {u"album", Metadata, u"album"},
    {u"year", Metadata, u"year"},
    {u"key", Metadata, u"key"},
    {u"k", Metadata, u"key"},
    {u"time", Metadata, u"time"},
    {u"tempo", Metadata, u"tempo"},
    {u"duration", Metadata, u"duration"},
    {u"capo", Metadata, u"capo"},
    {u"sorttitle", Metadata, u"sorttitle"},
    {u"meta", Metadata, u"meta"},
}};

const Entry* findEntry(QStringView name)
{
    for (const Entry& entry : kEntries) {
        if (entry.name == name)
            return &entry;
    }
    return nullptr;
}

struct SplitName {
    QString name;     // lower case, without the selector
    QString selector; // as written, "" when none
    QString value;    // trimmed
};

// "name-selector: value" or "name value".
SplitName splitName(QStringView text)
{
    const QStringView trimmed = trimSpacesTabs(text);
    QStringView name = writtenName(trimmed);
    SplitName out;
    const qsizetype dash = name.indexOf(u'-');
    QStringView rest = trimSpacesTabs(trimmed.sliced(name.size()));
    if (dash > 0) {
        out.selector = name.sliced(dash + 1).toString();
        name = name.first(dash);
    }
    out.name = name.toString().toLower();
    if (rest.startsWith(u':'))
        rest = trimSpacesTabs(rest.sliced(1));
    out.value = rest.toString();
    return out;
}

// A selector applies when it names the instrument or the user; "!" in front turns it round.
bool selectorMatches(const QString& selector, const Selectors& selectors)
{
    if (selector.isEmpty())
        return true;
    const bool negated = selector.startsWith(u'!');
    const QString wanted = negated ? selector.sliced(1) : selector;
    const bool matches =
        wanted.compare(selectors.instrument, Qt::CaseInsensitive) == 0 ||
        (!selectors.user.isEmpty() && wanted.compare(selectors.user, Qt::CaseInsensitive) == 0);
    return matches != negated;
}

QString labelOf(const QString& value)
{
    if (value.isEmpty())
        return QString();
    const QMap<QString, QString> attributes = parseAttributes(value);
    if (attributes.contains(QStringLiteral("label")))
        return attributes.value(QStringLiteral("label"));
    return value.contains(u'=') ? QString() : value;
}

} // namespace

StandardDirective readStandardDirective(QStringView text, const Selectors& selectors)
{
    const SplitName split = splitName(text);
    StandardDirective out;
    out.value = split.value;
    if (split.name.isEmpty())
        return out;
    if (split.name.startsWith(u"x_") || !selectorMatches(split.selector, selectors)) {
        out.kind = Ignored;
        out.name = split.name;
        if (split.name.startsWith(u"start_of_"))
            out.name = split.name.sliced(9);
        return out;
    }
    if (const Entry* entry = findEntry(split.name)) {
        out.kind = entry->kind;
        out.name = entry->canonical.toString();
        out.style = entry->style;
    } else if (split.name.startsWith(u"start_of_") && split.name.size() > 9) {
        out.name = split.name.sliced(9);
        out.kind = out.name == u"chorus" ? ChorusStart : SectionStart;
    } else if (split.name.startsWith(u"end_of_") && split.name.size() > 7) {
        out.name = split.name.sliced(7);
        out.kind = out.name == u"chorus" ? ChorusEnd : SectionEnd;
    } else {
        out.name = split.name;
        return out;
    }
    if (out.kind == SectionStart || out.kind == ChorusStart || out.kind == ChorusRecall)
        out.label = labelOf(out.value);
    if (out.kind == Metadata && out.value.isEmpty()) {
        out.kind = Other;
        return out;
    }
    if (out.kind == Metadata && out.name == u"meta") {
        // {meta: NAME VALUE}: the first word names the metadata.
        const SplitName inner = splitName(out.value);
        if (inner.name.isEmpty()) {
            out.kind = Other;
            return out;
        }
        out.name = inner.name;
        out.value = inner.value;
    }
    return out;
}

QMap<QString, QString> parseAttributes(QStringView text)
{
    QMap<QString, QString> out;
    qsizetype i = 0;
    const qsizetype size = text.size();
    while (i < size) {
        while (i < size && text[i].isSpace())
            ++i;
        const qsizetype nameStart = i;
        while (i < size && text[i] != u'=' && !text[i].isSpace())
            ++i;
        const QString name = text.sliced(nameStart, i - nameStart).toString().toLower();
        if (i >= size || text[i] != u'=')
            continue;
        ++i;
        QString value;
        if (i < size && (text[i] == u'"' || text[i] == u'\'')) {
            const QChar quote = text[i++];
            const qsizetype close = text.indexOf(quote, i);
            const qsizetype end = close < 0 ? size : close;
            value = text.sliced(i, end - i).toString();
            i = close < 0 ? size : close + 1;
        } else {
            const qsizetype valueStart = i;
            while (i < size && !text[i].isSpace())
                ++i;
            value = text.sliced(valueStart, i - valueStart).toString();
        }
        if (!name.isEmpty())
            out.insert(name, value);
    }
    return out;
}

bool isDelegatedSection(const QString& name)
{
    return name == u"svg" || name == u"abc" || name == u"ly" || name == u"textblock";
}

QStringView writtenName(QStringView text)
{
    qsizetype begin = 0;
    while (begin < text.size() && isSpaceOrTab(text[begin]))
        ++begin;
    qsizetype end = begin;
    while (end < text.size() && text[end] != u':' && !isSpaceOrTab(text[end]))
        ++end;
    return text.sliced(begin, end - begin);
}

qsizetype sectionEnd(QStringView text, qsizetype from, const QString& name)
{
    for (qsizetype lineStart = from; lineStart < text.size();) {
        qsizetype lineEnd = text.indexOf(u'\n', lineStart);
        if (lineEnd < 0)
            lineEnd = text.size();
        QString line = text.sliced(lineStart, lineEnd - lineStart).toString();
        line.remove(u'\r');
        const QStringView trimmed = trimSpacesTabs(line);
        if (trimmed.size() >= 2 && trimmed.front() == u'{' && trimmed.back() == u'}') {
            const SplitName split = splitName(trimmed.sliced(1, trimmed.size() - 2));
            const Entry* entry = findEntry(split.name);
            const bool ends = split.name.startsWith(u"end_of_")
                                  ? split.name.sliced(7) == name
                                  : entry &&
                                        (entry->kind == SectionEnd || entry->kind == ChorusEnd) &&
                                        entry->canonical == name;
            if (ends)
                return lineStart;
        }
        lineStart = lineEnd + 1;
    }
    return text.size();
}

} // namespace partivo::chordpro
