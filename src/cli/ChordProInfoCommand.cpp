#include "chordpro/ChordPro.h"
#include "cli/Commands.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <cstdio>

namespace partivo::cli {

using namespace partivo::chordpro;

namespace {

QJsonObject lineJson(const ParsedLine& line)
{
    QJsonArray chords;
    for (const ParsedChord& chord : line.chords)
        chords.append(
            QJsonObject{{QStringLiteral("name"), chord.name}, {QStringLiteral("pos"), chord.pos}});
    QJsonArray directives;
    for (const ParsedDirective& directive : line.directives) {
        QJsonObject object{{QStringLiteral("kind"), directiveKindName(directive.kind)},
                           {QStringLiteral("text"), directive.text},
                           {QStringLiteral("pos"), directive.pos},
                           {QStringLiteral("chordsBefore"), directive.chordsBefore}};
        if (directive.kind == DirectiveKind::Comment || directive.kind == DirectiveKind::Metadata)
            object.insert(QStringLiteral("value"), directive.value);
        directives.append(object);
    }
    QJsonArray state;
    if (line.stateAtStart.chorus)
        state.append(QStringLiteral("chorus"));
    if (line.stateAtStart.embedded)
        state.append(QStringLiteral("embedded"));
    if (line.stateAtStart.highlight)
        state.append(QStringLiteral("highlight"));
    return QJsonObject{
        {QStringLiteral("line"), line.sourceLine},
        {QStringLiteral("kind"), lineKindName(line.kind)},
        {QStringLiteral("state"), state},
        {QStringLiteral("text"), line.text},
        {QStringLiteral("chords"), chords},
        {QStringLiteral("directives"), directives},
    };
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
    };
    const QByteArray json = QJsonDocument(out).toJson(QJsonDocument::Indented);
    std::fwrite(json.constData(), 1, size_t(json.size()), stdout);
    return kOk;
}

} // namespace partivo::cli
