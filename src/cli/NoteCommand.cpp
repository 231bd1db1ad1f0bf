#include "cli/Commands.h"
#include "notes/NoteReader.h"
#include "platform/TextDecode.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <cstdio>

namespace partivo::cli {

namespace {

QJsonValue optionalJson(const std::optional<QString>& value)
{
    return value ? QJsonValue(*value) : QJsonValue(QJsonValue::Null);
}

QJsonObject eventJson(const SongEv& ev)
{
    return QJsonObject{
        {QStringLiteral("index"), ev.index},
        {QStringLiteral("timed"), ev.timeEv},
        {QStringLiteral("mm"), ev.mm},
        {QStringLiteral("ss"), ev.ss},
        {QStringLiteral("val"), ev.val},
        {QStringLiteral("evType"), ev.evType},
        {QStringLiteral("actionType"), ev.actionType},
        {QStringLiteral("actionTxt"), ev.actionTxt},
    };
}

} // namespace

// What the readers of a note find in it, as one JSON object on one line. A note that is not UTF-8
// is read as Windows-1252, as the library does.
int runNote(const QStringList& args)
{
    if (const QString error = checkSingleFileArg(args, "usage: note <file>"); !error.isEmpty())
        return fail(error);
    const QString& path = args.first();
    QString text;
    QString why;
    if (!readTextFile(path, text, &why))
        return fail(why);

    const NoteContents note = readNote(text);
    QJsonArray windowLines;
    for (const WindowLine& line : note.windowLines)
        windowLines.append(QJsonObject{{QStringLiteral("windowId"), line.windowId},
                                       {QStringLiteral("line"), line.line}});
    QJsonArray events;
    for (const SongEv& ev : note.events)
        events.append(eventJson(ev));
    const QJsonObject out{
        {QStringLiteral("title"), optionalJson(note.title)},
        {QStringLiteral("artist"), optionalJson(note.artist)},
        {QStringLiteral("tags"), optionalJson(note.tags)},
        {QStringLiteral("tempo"), note.tempo},
        {QStringLiteral("signature"), note.signature},
        {QStringLiteral("windowLines"), windowLines},
        {QStringLiteral("events"), events},
        {QStringLiteral("midiLines"), QJsonArray::fromStringList(note.midiLines)},
    };
    const QByteArray json = QJsonDocument(out).toJson(QJsonDocument::Compact) + '\n';
    std::fwrite(json.constData(), 1, size_t(json.size()), stdout);
    return kOk;
}

} // namespace partivo::cli
