#include "chordpro/ChordPro.h"
#include "cli/Commands.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <cstdio>

namespace partivo::cli {

using namespace partivo::chordpro;

namespace {

const char* commentStyleName(CommentStyle style)
{
    switch (style) {
    case CommentStyle::Plain:
        return "plain";
    case CommentStyle::Italic:
        return "italic";
    case CommentStyle::Box:
        return "box";
    case CommentStyle::Highlight:
        return "highlight";
    }
    return "";
}

QJsonObject lineJson(const ParsedLine& line)
{
    QJsonArray chords;
    for (const ParsedChord& chord : line.chords) {
        QJsonObject object{{QStringLiteral("name"), chord.name},
                           {QStringLiteral("pos"), chord.pos}};
        if (chord.annotation)
            object.insert(QStringLiteral("annotation"), true);
        chords.append(object);
    }
    QJsonArray directives;
    for (const ParsedDirective& directive : line.directives) {
        QJsonObject object{{QStringLiteral("kind"), directiveKindName(directive.kind)},
                           {QStringLiteral("text"), directive.text},
                           {QStringLiteral("pos"), directive.pos},
                           {QStringLiteral("chordsBefore"), directive.chordsBefore}};
        if (directive.kind == DirectiveKind::Comment || directive.kind == DirectiveKind::Metadata)
            object.insert(QStringLiteral("value"), directive.value);
        if (directive.style != CommentStyle::Plain)
            object.insert(QStringLiteral("style"), commentStyleName(directive.style));
        if (!directive.label.isEmpty())
            object.insert(QStringLiteral("label"), directive.label);
        if (!directive.body.isEmpty())
            object.insert(QStringLiteral("body"), directive.body);
        directives.append(object);
    }
    QJsonArray state;
    if (line.stateAtStart.chorus)
        state.append(QStringLiteral("chorus"));
    if (line.stateAtStart.embedded)
        state.append(QStringLiteral("embedded"));
    if (line.stateAtStart.highlight)
        state.append(QStringLiteral("highlight"));
    if (!line.stateAtStart.section.isEmpty())
        state.append(line.stateAtStart.section);
    return QJsonObject{
        {QStringLiteral("line"), line.sourceLine},
        {QStringLiteral("kind"), lineKindName(line.kind)},
        {QStringLiteral("state"), state},
        {QStringLiteral("text"), line.text},
        {QStringLiteral("chords"), chords},
        {QStringLiteral("directives"), directives},
    };
}

// Every metadata value the song states, a name stated more than once as an array.
QJsonObject metaJson(const SongMeta& meta)
{
    QJsonObject out;
    for (const SongMeta::Entry& entry : meta.entries()) {
        if (entry.name == u"instrument" || entry.name == u"user")
            continue;
        const QJsonValue existing = out.value(entry.name);
        if (existing.isUndefined()) {
            out.insert(entry.name, entry.value);
        } else {
            QJsonArray values = existing.isArray() ? existing.toArray() : QJsonArray{existing};
            values.append(entry.value);
            out.insert(entry.name, values);
        }
    }
    return out;
}

QJsonArray sectionsJson(const QList<SongSection>& sections)
{
    QJsonArray out;
    for (const SongSection& section : sections)
        out.append(QJsonObject{{QStringLiteral("kind"), section.kind},
                               {QStringLiteral("label"), section.label},
                               {QStringLiteral("first"), section.firstLine},
                               {QStringLiteral("last"), section.lastLine}});
    return out;
}

QJsonArray annotationsJson(const QList<SongAnnotation>& annotations)
{
    QJsonArray out;
    for (const SongAnnotation& annotation : annotations)
        out.append(QJsonObject{{QStringLiteral("line"), annotation.line},
                               {QStringLiteral("pos"), annotation.pos},
                               {QStringLiteral("text"), annotation.text}});
    return out;
}

} // namespace

int runChordProInfo(const QStringList& args)
{
    if (const QString error = checkSingleFileArg(args, "usage: chordpro info <file>");
        !error.isEmpty())
        return fail(error);
    const QString& path = args.first();

    ChordPro song;
    if (!song.chargerFichier(path))
        return fail(song.loadProblem());
    song.determinerTitreSousTitreCle(song.chordProData());
    const ParsedSong parsed = song.parse();

    QJsonArray lines;
    for (const ParsedLine& line : parsed.lines)
        lines.append(lineJson(line));
    const QJsonObject out{
        {QStringLiteral("titre"), song.obtenirTitre()},
        {QStringLiteral("sousTitre"), song.obtenirSousTitre()},
        {QStringLiteral("cle"), song.obtenirCle()},
        {QStringLiteral("fontSize"), song.fontSize()},
        {QStringLiteral("chords"), QJsonArray::fromStringList(song.listeAccords().chords())},
        {QStringLiteral("lines"), lines},
        {QStringLiteral("meta"), metaJson(parsed.meta)},
        {QStringLiteral("sections"), sectionsJson(parsed.sections)},
        {QStringLiteral("annotations"), annotationsJson(parsed.annotations)},
    };
    const QByteArray json = QJsonDocument(out).toJson(QJsonDocument::Indented);
    std::fwrite(json.constData(), 1, size_t(json.size()), stdout);
    return kOk;
}

} // namespace partivo::cli
