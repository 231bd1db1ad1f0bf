#include "library/NoteTags.h"

#include "library/NoteDirectives.h"

#include <QRegularExpression>
#include <QStringList>

namespace partivo {

namespace {

constexpr qsizetype kKeyLength = 5; // "Tags="

QStringList words(const QString& tags)
{
    static const QRegularExpression blanks(QStringLiteral("\\s+"));
    return tags.split(blanks, Qt::SkipEmptyParts);
}

// The note with its tags line (without its line break) replaced.
QString withTagsLine(const QString& note, const TagsLine& line, const QString& replacement)
{
    return note.left(line.start) + replacement + note.mid(line.end);
}

} // namespace

TagsLine findTagsLine(const QString& note)
{
    // Searched in the note itself, as the tags are read (a position found in an upper-cased
    // copy may not be the same character of the note: "ß" upper-cases to two letters).
    const qsizetype start = indexOfAsciiIgnoringCase(note, QLatin1StringView("TAGS="));
    if (start < 0)
        return {};
    qsizetype end = note.indexOf(u'\n', start);
    if (end < 0)
        end = note.size();
    else if (end > start && note[end - 1] == u'\r')
        --end; // a line ended by CR LF keeps its CR LF
    return {start, end};
}

QString noteTags(const QString& note)
{
    const TagsLine line = findTagsLine(note);
    return line.found() ? note.mid(line.start + kKeyLength, line.end - line.start - kKeyLength)
                        : QString();
}

bool noteHasTag(const QString& note, const QString& tag)
{
    const QString wanted = tag.trimmed();
    for (const QString& word : words(noteTags(note))) {
        if (word.compare(wanted, Qt::CaseInsensitive) == 0)
            return true;
    }
    return false;
}

QString addTagToNote(const QString& note, const QString& tag)
{
    const QString t = tag.trimmed();
    if (t.isEmpty() || noteHasTag(note, t))
        return note;
    const TagsLine line = findTagsLine(note);
    if (!line.found()) {
        const bool needsBreak = !note.isEmpty() && !note.endsWith(u'\n');
        return note + (needsBreak ? QStringLiteral("\n") : QString()) + QStringLiteral("Tags=") +
               t + u'\n';
    }
    const QString current = note.mid(line.start, line.end - line.start);
    const bool bare = current.size() == kKeyLength || current.endsWith(u' ');
    return withTagsLine(note, line, current + (bare ? QString() : QStringLiteral(" ")) + t);
}

QString removeTagFromNote(const QString& note, const QString& tag)
{
    const TagsLine line = findTagsLine(note);
    const QString t = tag.trimmed();
    if (!line.found() || t.isEmpty())
        return note;
    QStringList kept;
    bool removed = false;
    for (const QString& word : words(noteTags(note))) {
        if (word.compare(t, Qt::CaseInsensitive) == 0)
            removed = true;
        else
            kept << word;
    }
    if (!removed)
        return note;
    if (kept.isEmpty())
        return clearTagsOfNote(note);
    return withTagsLine(note, line, note.mid(line.start, kKeyLength) + kept.join(QLatin1Char(' ')));
}

QString clearTagsOfNote(const QString& note)
{
    const TagsLine line = findTagsLine(note);
    if (!line.found())
        return note;
    qsizetype end = line.end;
    if (end < note.size() && note[end] == u'\r')
        ++end;
    if (end < note.size() && note[end] == u'\n')
        ++end;
    return note.left(line.start) + note.mid(end);
}

} // namespace partivo
