// "tags add|remove|clear": a note's tags line changed as the tag assignment window does.
#include "cli/Commands.h"
#include "cli/WritableFile.h"
#include "library/NoteTags.h"
#include "platform/AtomicFile.h"
#include "platform/TextDecode.h"

#include <QFileInfo>
#include <QRegularExpression>
#include <cstdio>

namespace partivo::cli {

namespace {

constexpr char kTagsUsage[] = "usage: tags add|remove|clear <note-file> [TAG]";

} // namespace

int runTags(const QStringList& args)
{
    const QString word = args.value(0);
    const bool add = word == QLatin1String("add");
    const bool remove = word == QLatin1String("remove");
    const bool clear = word == QLatin1String("clear");
    if (!add && !remove && !clear)
        return fail(QString::fromLatin1(kTagsUsage));
    const qsizetype expected = clear ? 2 : 3;
    if (args.size() != expected || args[1].startsWith(QLatin1String("--")))
        return fail(QString::fromLatin1(kTagsUsage));
    const QString path = args[1];
    const QString tag = clear ? QString() : args[2].trimmed();
    if (!clear && (tag.isEmpty() || tag.contains(QRegularExpression(QStringLiteral("\\s")))))
        return fail(QStringLiteral("a tag is one word"));
    if (const QString problem = fileWriteProblem(path, QStringLiteral("the note file"));
        !problem.isEmpty())
        return fail(problem);

    QString note;
    const bool exists = QFileInfo::exists(path);
    if (exists) {
        QString why;
        if (!readTextFile(path, note, &why))
            return fail(why);
    } else if (!add) {
        std::printf("\n"); // nothing to remove from a note that does not exist
        return kOk;
    }
    const QString changed = add      ? addTagToNote(note, tag)
                            : remove ? removeTagFromNote(note, tag)
                                     : clearTagsOfNote(note);
    // Written whole or not at all: a failed write leaves the note as it was.
    if ((changed != note || !exists) && !writeTextAtomically(path, changed))
        return fail(QStringLiteral("the note file '%1' could not be written").arg(path));
    const TagsLine line = findTagsLine(changed);
    const QString shown = line.found() ? changed.mid(line.start, line.end - line.start) : QString();
    std::printf("%s\n", qUtf8Printable(shown));
    return kOk;
}

} // namespace partivo::cli
