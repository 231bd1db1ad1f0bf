#include "chordpro/ChordPro.h"
#include "chordpro/ChordProFontMetrics.h"
#include "chordpro/ChordProReference.h"
#include "chordpro/ChordProRenderer.h"
#include "cli/Commands.h"
#include "platform/TextDecode.h"

#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <cmath>
#include <cstdio>

namespace partivo::cli {

using namespace partivo::chordpro;

namespace {

const QString kUsageText =
    QStringLiteral("usage: chordpro pages <file> [--width W] [--height H] [--lyrics-only]");

struct PagesArgs {
    QString file;
    QSizeF reference = ChordPro::sizeRefStatique();
    bool lyricsOnly = false;
};

// A page side in points, within the bounds a reference page may have.
bool parseSide(const QString& text, double& side)
{
    bool ok = false;
    const double value = text.toDouble(&ok);
    if (!ok || !std::isfinite(value) || value < kMinReferenceSide || value > kMaxReferenceSide)
        return false;
    side = value;
    return true;
}

QString sideError(const char* option)
{
    return QStringLiteral("%1 takes a number of points from %2 to %3")
        .arg(QLatin1String(option))
        .arg(kMinReferenceSide)
        .arg(kMaxReferenceSide);
}

// Empty message on success.
QString parseArgs(const QStringList& args, PagesArgs& out)
{
    for (int i = 0; i < args.size(); ++i) {
        const QString& arg = args[i];
        const bool hasValue = i + 1 < args.size();
        double side = 0;
        if (arg == QLatin1String("--width")) {
            if (!hasValue || !parseSide(args[++i], side))
                return sideError("--width");
            out.reference.setWidth(side);
        } else if (arg == QLatin1String("--height")) {
            if (!hasValue || !parseSide(args[++i], side))
                return sideError("--height");
            out.reference.setHeight(side);
        } else if (arg == QLatin1String("--lyrics-only")) {
            out.lyricsOnly = true;
        } else if (arg.startsWith(QLatin1String("--")) || !out.file.isEmpty()) {
            return QStringLiteral("unexpected argument '%1'").arg(arg);
        } else {
            out.file = arg;
        }
    }
    if (out.file.isEmpty())
        return kUsageText;
    return checkFileArg(out.file);
}

// Rows that stand for a line of the song, not the spacers and bands around them.
bool isSongLine(const ChordProRow& row)
{
    return row.sourceLine > 0 && (row.kind == RowKind::Chords || row.kind == RowKind::Lyrics ||
                                  row.kind == RowKind::Empty || row.kind == RowKind::Comment ||
                                  row.kind == RowKind::Grid);
}

QJsonValue rowJson(const ChordProRow* row)
{
    if (!row)
        return QJsonValue::Null;
    QString text = row->textWithoutBar();
    while (text.endsWith(u' '))
        text.chop(1);
    return QJsonObject{{QStringLiteral("line"), row->sourceLine},
                       {QStringLiteral("kind"), rowKindName(row->kind)},
                       {QStringLiteral("text"), text}};
}

// What a page shows beyond lines of lyrics, each only when the page has some: section
// labels, figures, chord diagrams and the number of columns.
void addPageContents(QJsonObject& out, const ChordProPage& page)
{
    QJsonArray labels;
    QJsonArray figures;
    QJsonArray diagrams;
    QList<double> columns;
    for (const ChordProRow& row : page.rows) {
        if (row.kind == RowKind::Label)
            labels.append(row.text());
        if (row.kind == RowKind::Figure)
            figures.append(QJsonObject{{QStringLiteral("line"), row.sourceLine},
                                       {QStringLiteral("kind"), row.figureKind}});
        for (const ChordFingering& fingering : row.diagrams)
            diagrams.append(fingering.name);
        if (!columns.contains(row.left))
            columns.append(row.left);
    }
    if (!labels.isEmpty())
        out.insert(QStringLiteral("labels"), labels);
    if (!figures.isEmpty())
        out.insert(QStringLiteral("figures"), figures);
    if (!diagrams.isEmpty())
        out.insert(QStringLiteral("diagrams"), diagrams);
    if (columns.size() > 1)
        out.insert(QStringLiteral("columns"), columns.size());
}

QJsonObject pageJson(int pageNo, const ChordProPage& page)
{
    const ChordProRow* first = nullptr;
    const ChordProRow* last = nullptr;
    for (const ChordProRow& row : page.rows) {
        if (!isSongLine(row))
            continue;
        if (!first)
            first = &row;
        last = &row;
    }
    QJsonObject out{{QStringLiteral("page"), pageNo},
                    {QStringLiteral("rows"), page.rows.size()},
                    {QStringLiteral("first"), rowJson(first)},
                    {QStringLiteral("last"), rowJson(last)}};
    addPageContents(out, page);
    return out;
}

} // namespace

int runChordProPages(const QStringList& args)
{
    PagesArgs parsed;
    if (const QString error = parseArgs(args, parsed); !error.isEmpty())
        return fail(error);
    ChordPro song;
    if (!song.chargerFichier(parsed.file))
        return fail(QStringLiteral("the file '%1' cannot be read").arg(parsed.file));

    const ChordProFontMetrics metrics;
    ChordProRenderer renderer(metrics, parsed.reference);
    const ChordProLayout layout = renderer.traiterChordProData(
        song, parsed.lyricsOnly ? RenderMode::LyricsOnly : RenderMode::Page);

    QJsonArray pages;
    for (int p = 0; p < layout.pages.size(); ++p)
        pages.append(pageJson(p + 1, layout.pages[p]));
    const QJsonObject out{
        {QStringLiteral("width"), layout.sizeRefInst.width()},
        {QStringLiteral("height"), layout.sizeRefInst.height()},
        {QStringLiteral("lyricsOnly"), parsed.lyricsOnly},
        {QStringLiteral("fontSize"), renderer.myFontSizeRef()},
        {QStringLiteral("charsPerLine"), layout.nbMaxCarRef},
        {QStringLiteral("pageCount"), layout.nbPages},
        {QStringLiteral("pages"), pages},
    };
    const QByteArray json = QJsonDocument(out).toJson(QJsonDocument::Indented);
    std::fwrite(json.constData(), 1, size_t(json.size()), stdout);
    return kOk;
}

} // namespace partivo::cli
