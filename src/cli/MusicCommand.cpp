// "music": the tracks of a music folder, or the track each song of a binder would play.
#include "cli/Commands.h"
#include "cli/HeadlessBinder.h"
#include "library/Data.h"
#include "library/SourceSongs.h"
#include "player/MusicLibrary.h"
#include "player/TrackMatch.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <cstdio>

namespace partivo::cli {

namespace {

constexpr char kUsage[] = "usage: music <music-folder> [--binder <folder>] [--genre G]";

struct MusicArgs {
    QString music;
    QString binder;
    int genre = 1;
    bool genreGiven = false;
};

QString parseArgs(const QStringList& args, MusicArgs& out)
{
    for (int i = 0; i < args.size(); ++i) {
        const QString& arg = args[i];
        const bool hasValue = i + 1 < args.size();
        if (arg == QLatin1String("--binder") && hasValue) {
            out.binder = args[++i];
        } else if (arg == QLatin1String("--genre") && hasValue) {
            if (!parseInt(args[++i], 1, kMuteGenre, out.genre))
                return QStringLiteral("--genre takes a genre from 1 to 6");
            out.genreGiven = true;
        } else if (arg.startsWith(QLatin1String("--")) || !out.music.isEmpty()) {
            return QStringLiteral("unexpected argument '%1'").arg(arg);
        } else {
            out.music = arg;
        }
    }
    if (out.music.isEmpty())
        return QString::fromLatin1(kUsage);
    if (out.genreGiven && out.binder.isEmpty())
        return QStringLiteral("--genre is for the songs of a binder (--binder)");
    return QString();
}

// A track with its path relative to the music folder, so that the output does not depend on
// where the folder is.
QJsonObject trackJson(const Track& track, const QDir& root)
{
    return QJsonObject{
        {QStringLiteral("title"), track.name},
        {QStringLiteral("artist"), track.artist},
        {QStringLiteral("genre"), track.genre},
        {QStringLiteral("comment"), track.comment},
        {QStringLiteral("path"), root.relativeFilePath(track.path)},
        {QStringLiteral("duration"), track.duration},
    };
}

// The songs of tab 0 in title order, each with the track the genre would play.
QJsonArray songTracks(Data& data, const TrackList& tracks, int genre, const QDir& binderRoot,
                      const QDir& musicRoot)
{
    QJsonArray songs;
    for (const auto& entry : piecesOfTab(data, 0)) {
        const PiecesDet& det = *entry->pieceDet;
        const QString artist = knownArtist(det.auteur);
        const std::optional<Track> track = play_if_found(tracks, det.titre, artist, genre);
        songs.append(QJsonObject{
            {QStringLiteral("fichier"), binderRoot.relativeFilePath(det.fichier)},
            {QStringLiteral("titre"), det.titre},
            {QStringLiteral("auteur"), det.auteur},
            {QStringLiteral("track"),
             track ? QJsonValue(trackJson(*track, musicRoot)) : QJsonValue(QJsonValue::Null)},
        });
    }
    return songs;
}

} // namespace

int runMusic(const QStringList& args)
{
    MusicArgs parsed;
    if (const QString error = parseArgs(args, parsed); !error.isEmpty())
        return fail(error);
    if (const QString error = musicFolderProblem(parsed.music); !error.isEmpty())
        return fail(error);
    QString binderFolder;
    if (!parsed.binder.isEmpty()) {
        if (const QString error = HeadlessBinder::checkPaths(parsed.binder, QString());
            !error.isEmpty())
            return fail(error);
        binderFolder = QDir::cleanPath(QFileInfo(parsed.binder).absoluteFilePath());
        if (!Data::folderHasSongs(binderFolder))
            return fail(QStringLiteral("the folder '%1' holds no songs").arg(parsed.binder));
    }

    // The library as the program builds it, without its cache.
    MusicLibrary library(QCoreApplication::instance(), QString());
    library.setFolder(parsed.music);
    library.waitForIndex();
    const QDir musicRoot(library.lastIndex().folder);

    QJsonArray out;
    if (binderFolder.isEmpty()) {
        for (const Track& track : library.tracks())
            out.append(trackJson(track, musicRoot));
    } else {
        HeadlessBinder binder{QString()};
        binder.load(binderFolder, 0);
        out = songTracks(binder.data(), library.tracks(), parsed.genre, QDir(binderFolder),
                         musicRoot);
    }
    const QByteArray json = QJsonDocument(out).toJson(QJsonDocument::Compact) + '\n';
    std::fwrite(json.constData(), 1, size_t(json.size()), stdout);
    return kOk;
}

} // namespace partivo::cli
