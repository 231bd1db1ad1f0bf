#include "cli/Commands.h"
#include "cli/HeadlessBinder.h"
#include "library/Data.h"

#include <QDir>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <cstdio>

namespace partivo::cli {

namespace {

struct LibraryArgs {
    QString folder;
    QString settings;
    int binder = 0;
    int sort = 0;
};

// Empty message on success.
QString parseArgs(const QStringList& args, LibraryArgs& out)
{
    for (int i = 0; i < args.size(); ++i) {
        const QString& arg = args[i];
        const bool hasValue = i + 1 < args.size();
        if (arg == QLatin1String("--settings") && hasValue) {
            out.settings = args[++i];
        } else if (arg == QLatin1String("--binder") && hasValue) {
            if (!parseInt(args[++i], 0, 7, out.binder))
                return QStringLiteral("--binder takes a binder number from 0 to 7");
        } else if (arg == QLatin1String("--sort") && hasValue) {
            if (!parseInt(args[++i], 0, 1, out.sort))
                return QStringLiteral("--sort takes 0 (title) or 1 (artist)");
        } else if (arg.startsWith(QLatin1String("--")) || !out.folder.isEmpty()) {
            return QStringLiteral("unexpected argument '%1'").arg(arg);
        } else {
            out.folder = arg;
        }
    }
    if (out.folder.isEmpty())
        return QStringLiteral("usage: library <folder> [--settings FILE] [--binder N] "
                              "[--sort 0|1]");
    return QString();
}

template <std::size_t N> QJsonArray intArray(const std::array<int, N>& values)
{
    QJsonArray array;
    for (int v : values)
        array.append(v);
    return array;
}

QJsonArray entries(const Data::PieceList& list, const QDir& root)
{
    QJsonArray array;
    for (const auto& entry : list) {
        const PiecesDet& det = *entry->pieceDet;
        const int tempo = entry->tempoTxt().toInt();
        array.append(QJsonObject{
            {QStringLiteral("ongNo"), entry->ongNo},
            {QStringLiteral("fichier"), root.relativeFilePath(det.fichier)},
            {QStringLiteral("titre"), det.titre},
            {QStringLiteral("auteur"), det.auteur},
            {QStringLiteral("infoF"), det.infoF},
            {QStringLiteral("typeFichier1"), det.typeFichier1},
            {QStringLiteral("tempo"), tempo},
            {QStringLiteral("signature"), det.signature},
            {QStringLiteral("note"), det.note},
            {QStringLiteral("sortString1"), entry->sortString1},
            {QStringLiteral("sortString2"), entry->sortString2},
        });
    }
    return array;
}

} // namespace

int runLibrary(const QStringList& args)
{
    LibraryArgs parsed;
    if (const QString error = parseArgs(args, parsed); !error.isEmpty())
        return fail(error);
    if (const QString error = HeadlessBinder::checkPaths(parsed.folder, parsed.settings);
        !error.isEmpty())
        return fail(error);
    const QFileInfo folder(parsed.folder);
    HeadlessBinder binder(parsed.settings);
    binder.load(parsed.folder, parsed.binder);
    Data& data = binder.data();
    data.currentSort = parsed.sort;

    const QDir root(QDir::cleanPath(folder.absoluteFilePath()));
    QJsonArray tabs;
    for (int t = 0; t < 10; ++t) {
        tabs.append(QJsonObject{{QStringLiteral("ongNo"), t},
                                {QStringLiteral("name"), data.tabs[t].tabNameForDisplay()},
                                {QStringLiteral("count"), data.getNbrPiecesOng(t)}});
    }
    const QJsonObject out{
        {QStringLiteral("songNbrG"), data.songNbrG()},
        {QStringLiteral("songNoG"), data.songNoG()},
        {QStringLiteral("currentSort"), data.currentSort},
        {QStringLiteral("indexInTitleArrayG"), intArray(data.indexInTitleArrayG)},
        {QStringLiteral("indexInAuthorArrayG"), intArray(data.indexInAuthorArrayG)},
        {QStringLiteral("debLettre"), intArray(data.debLettre)},
        {QStringLiteral("debLettre2"), intArray(data.debLettre2)},
        {QStringLiteral("tabs"), tabs},
        {QStringLiteral("byTitle"), entries(data.listePiecesByTitle, root)},
        {QStringLiteral("byAuthor"), entries(data.listePiecesByAuthor, root)},
    };
    const QByteArray json = QJsonDocument(out).toJson(QJsonDocument::Indented);
    std::fwrite(json.constData(), 1, size_t(json.size()), stdout);
    return kOk;
}

} // namespace partivo::cli
