#include "cli/Commands.h"
#include "cli/HeadlessBinder.h"
#include "cli/TocJson.h"
#include "cli/WindowArgs.h"
#include "display/widgets/BinderSnapshot.h"
#include "library/Pieces.h"
#include "library/PiecesDet.h"
#include "platform/TextDecode.h"

#include <QDir>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <cstdio>

namespace partivo::cli {

namespace {

constexpr char kRenderUsage[] =
    "usage: render <folder-or-file> [--settings FILE] [--binder N] [--song N] "
    "[--mode 0|1|2|4|5] [--size WxH] [--page P] [--toc] [--tabs] --out page.png";
struct RenderArgs {
    QString source;
    QString out;
    QString settings;
    int binder = 0;
    int song = 0; // 0: not given
    SnapshotRequest request;
};

// Empty when the arguments are usable, else the line to print.
QString parseArgs(const QStringList& args, RenderArgs& r)
{
    for (int i = 0; i < args.size(); ++i) {
        const QString& arg = args[i];
        const bool hasValue = i + 1 < args.size();
        if (arg == QLatin1String("--out") && hasValue) {
            r.out = args[++i];
        } else if (arg == QLatin1String("--settings") && hasValue) {
            r.settings = args[++i];
        } else if (arg == QLatin1String("--binder") && hasValue) {
            if (!parseInt(args[++i], 0, 7, r.binder))
                return QStringLiteral("--binder takes a binder number from 0 to 7");
        } else if (arg == QLatin1String("--song") && hasValue) {
            if (!parseInt(args[++i], 1, 1000000, r.song))
                return QStringLiteral("--song takes a song number from 1");
        } else if (arg == QLatin1String("--page") && hasValue) {
            if (!parseInt(args[++i], 1, 100000, r.request.pageNo))
                return QStringLiteral("--page takes a page number from 1");
        } else if (arg == QLatin1String("--mode") && hasValue) {
            if (!parseMode(args[++i], r.request.mode))
                return QStringLiteral("--mode takes 0, 1, 2, 4 or 5");
        } else if (arg == QLatin1String("--size") && hasValue) {
            if (!parseWindowSize(args[++i], r.request.size))
                return windowSizeError("--size");
        } else if (arg == QLatin1String("--toc")) {
            r.request.toc = true;
        } else if (arg == QLatin1String("--tabs")) {
            r.request.tabs = true;
        } else if (arg.startsWith(QLatin1String("--")) || !r.source.isEmpty()) {
            return QStringLiteral("unexpected argument '%1'").arg(arg);
        } else {
            r.source = arg;
        }
    }
    if (r.source.isEmpty() || r.out.isEmpty())
        return QString::fromLatin1(kRenderUsage);
    if (r.request.mode == ModeHalfPageZoom && r.request.size.width() <= r.request.size.height())
        return zoomNeedsWideWindowMessage();
    return QString();
}

// Song number of the file in the loaded binder; 0 when it is not one of its songs.
int songOfFile(const Data& data, const QString& path)
{
    const QString wanted = QFileInfo(path).absoluteFilePath();
    for (int n = 1; n <= data.songNbrG(); ++n) {
        const auto piece = data.getPiece(n);
        if (piece && piece->pieceDet &&
            QFileInfo(piece->pieceDet->fichier).absoluteFilePath() == wanted)
            return n;
    }
    return 0;
}

QJsonObject viewJson(const ViewContent& view, const QDir& root)
{
    return QJsonObject{
        {QStringLiteral("file"),
         view.path.isEmpty() ? QString() : root.relativeFilePath(view.path)},
        {QStringLiteral("page"), view.path.isEmpty() ? 0 : view.page},
        {QStringLiteral("label"), view.label},
        {QStringLiteral("message"), view.message},
    };
}

QJsonObject snapshotJson(const RenderArgs& r, const Data& data, const Snapshot& s, const QDir& root)
{
    const auto piece = data.getPiece(data.songNoG());
    QJsonObject json{
        {QStringLiteral("song"), data.songNoG()},
        {QStringLiteral("titre"), piece ? piece->pieceDet->titre : QString()},
        {QStringLiteral("mode"), s.mode},
        {QStringLiteral("size"), QJsonArray{s.image.width(), s.image.height()}},
        {QStringLiteral("left"), viewJson(s.scene.left, root)},
        {QStringLiteral("out"), QFileInfo(r.out).fileName()},
    };
    if (s.scene.mode != ModeHalfPageZoom && s.scene.mode != ModeSinglePage) {
        QJsonObject right = viewJson(s.scene.right, root);
        right.insert(QStringLiteral("nextSong"), s.scene.rightIsNextSong);
        right.insert(QStringLiteral("inactive"), s.scene.rightInactive);
        json.insert(QStringLiteral("right"), right);
    } else if (s.scene.mode == ModeHalfPageZoom) {
        json.insert(QStringLiteral("zoomTop"), s.scene.zoomTop);
    }
    if (r.request.toc)
        json.insert(QStringLiteral("toc"), tocJson(s.scene.toc, s.toc, data.nbTocG));
    if (r.request.tabs)
        json.insert(QStringLiteral("tabs"), tabsJson(s.scene.toc));
    return json;
}

} // namespace

// Renders what the binder window shows for the song, mode, size and page into a PNG file
// and prints the shown pages as one JSON line.
int runRender(const QStringList& args)
{
    RenderArgs r;
    if (const QString problem = parseArgs(args, r); !problem.isEmpty())
        return fail(problem);
    const QFileInfo source(r.source);
    const bool isFile = source.isFile();
    if (isFile && r.song != 0)
        return fail(QStringLiteral("--song is for a folder; a file is the song shown"));
    const QString folder = isFile ? source.absolutePath() : r.source;
    if (const QString problem = HeadlessBinder::checkPaths(folder, QString()); !problem.isEmpty())
        return fail(source.exists() || isFile
                        ? problem
                        : QStringLiteral("'%1' is not a file or folder").arg(r.source));
    if (!r.settings.isEmpty()) {
        if (const QString problem = HeadlessBinder::checkPaths(folder, r.settings);
            !problem.isEmpty())
            return fail(problem);
    }
    HeadlessBinder binder{r.settings};
    binder.load(folder, r.binder);
    Data& data = binder.data();
    if (isFile) {
        const int song = songOfFile(data, r.source);
        if (song == 0)
            return fail(QStringLiteral("'%1' is not a song file (PDF or ChordPro)").arg(r.source));
        data.setSongNoG(song);
    } else if (data.songNbrG() == 0) {
        return fail(QStringLiteral("the folder '%1' holds no songs").arg(r.source));
    } else if (r.song > data.songNbrG()) {
        return fail(
            QStringLiteral("--song %1: the binder has %2 songs").arg(r.song).arg(data.songNbrG()));
    } else if (r.song > 0) {
        data.setSongNoG(r.song);
    }

    // The song's tab is the current tab.
    if (const auto piece = data.getPiece(data.songNoG()))
        data.setOnglet(piece->ongNo);
    data.nbTocG = tocEntriesForWidth(r.request.size.width());
    const Snapshot snapshot = snapshotBinder(data, r.request);
    // A page past the song's end would be a blank picture.
    if (r.request.pageNo > snapshot.songPages && snapshot.scene.left.message.isEmpty())
        return fail(QStringLiteral("--page %1: the song has %2 page%3")
                        .arg(r.request.pageNo)
                        .arg(snapshot.songPages)
                        .arg(snapshot.songPages == 1 ? "" : "s"));
    if (!snapshot.image.save(r.out, "PNG")) {
        std::fprintf(stderr, "partivo-cli: cannot write '%s'\n", qUtf8Printable(r.out));
        return kFailed;
    }
    const QDir root(folder);
    std::printf("%s\n", QJsonDocument(snapshotJson(r, data, snapshot, root))
                            .toJson(QJsonDocument::Compact)
                            .constData());
    return kOk;
}

} // namespace partivo::cli
