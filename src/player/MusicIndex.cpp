#include "player/MusicIndex.h"

#include "platform/AudioTags.h"
#include "player/MusicIndexCache.h"

#include <QCryptographicHash>
#include <QDateTime>
#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <QSet>
#include <QtEndian>
#include <algorithm>

namespace partivo {

namespace {

struct FoundFile {
    QString path;
    qint64 size = 0;
    qint64 modified = 0;
};

bool cancelled(const std::atomic_bool* cancel)
{
    return cancel && cancel->load(std::memory_order_relaxed);
}

// Lists the audio files below a folder, each folder once however many links lead to it. The
// real folders are walked before the linked ones, so that a folder reached both ways is
// listed under its own path. Unreadable folders give nothing; FIFOs, devices, sockets and
// hidden files are never listed.
class AudioFileWalk {
public:
    explicit AudioFileWalk(const std::atomic_bool* cancel) : cancel_(cancel) {}

    QList<FoundFile> run(const QString& folder)
    {
        walk(folder);
        while (!links_.isEmpty() && !cancelled(cancel_))
            walk(links_.takeFirst());
        return found_;
    }

private:
    void walk(const QString& folder)
    {
        const QString canonical = QFileInfo(folder).canonicalFilePath();
        if (canonical.isEmpty() || walked_.contains(canonical))
            return;
        walked_.insert(canonical);
        QStringList subfolders;
        QDirIterator it(folder, QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot);
        while (it.hasNext() && !cancelled(cancel_)) {
            it.next();
            const QFileInfo info = it.fileInfo();
            if (info.isDir()) {
                (info.isSymLink() ? links_ : subfolders).append(info.filePath());
            } else if (info.isFile() && isAudioFileName(info.fileName())) {
                found_.append(
                    {info.filePath(), info.size(), info.lastModified().toMSecsSinceEpoch()});
            }
        }
        for (const QString& subfolder : subfolders)
            walk(subfolder);
    }

    const std::atomic_bool* cancel_;
    QSet<QString> walked_;
    QStringList links_;
    QList<FoundFile> found_;
};

Track trackOf(const QString& path, const AudioTagInfo& tags)
{
    Track track;
    track.name = tags.title.isEmpty() ? QFileInfo(path).completeBaseName() : tags.title;
    track.artist = tags.artist;
    track.comment = tags.comment;
    track.genre = tags.genre;
    track.path = path;
    track.persistentId = trackIdForPath(path);
    track.duration = tags.duration;
    return track;
}

} // namespace

bool isAudioFileName(const QString& fileName)
{
    static const QStringList extensions = {
        QStringLiteral("mp3"),  QStringLiteral("m4a"), QStringLiteral("aac"),
        QStringLiteral("ogg"),  QStringLiteral("oga"), QStringLiteral("opus"),
        QStringLiteral("flac"), QStringLiteral("wav"), QStringLiteral("aif"),
        QStringLiteral("aiff"), QStringLiteral("wma"),
    };
    const qsizetype dot = fileName.lastIndexOf(QLatin1Char('.'));
    if (dot <= 0) // no extension, or a hidden file that is all extension
        return false;
    const QStringView extension = QStringView(fileName).mid(dot + 1);
    return std::any_of(extensions.begin(), extensions.end(), [&](const QString& known) {
        return extension.compare(known, Qt::CaseInsensitive) == 0;
    });
}

QString musicFolderProblem(const QString& folder)
{
    const QFileInfo info(folder);
    if (folder.isEmpty())
        return QStringLiteral("no music folder is set");
    if (!info.exists())
        return QStringLiteral("the music folder '%1' does not exist").arg(folder);
    if (!info.isDir())
        return QStringLiteral("'%1' is not a folder").arg(folder);
    if (!info.isReadable() || !info.isExecutable())
        return QStringLiteral("the music folder '%1' cannot be read").arg(folder);
    return QString();
}

quint64 trackIdForPath(const QString& path)
{
    const QByteArray hash = QCryptographicHash::hash(path.toUtf8(), QCryptographicHash::Sha1);
    return qFromBigEndian<quint64>(hash.constData());
}

MusicIndexResult indexMusicFolder(const QString& folder, const QString& cachePath,
                                  const std::atomic_bool* cancel)
{
    MusicIndexResult result;
    if (!folder.isEmpty())
        result.folder = QDir::cleanPath(QFileInfo(folder).absoluteFilePath());
    result.problem = musicFolderProblem(folder);
    if (!result.problem.isEmpty())
        return result;

    QList<FoundFile> found = AudioFileWalk(cancel).run(result.folder);
    std::sort(found.begin(), found.end(),
              [](const FoundFile& a, const FoundFile& b) { return a.path < b.path; });

    const std::optional<QHash<QString, IndexedFile>> cache =
        cachePath.isEmpty() ? std::nullopt : readMusicIndexCache(cachePath, result.folder);
    QList<IndexedFile> files;
    files.reserve(found.size());
    qsizetype reused = 0;
    for (const FoundFile& file : found) {
        if (cancelled(cancel)) {
            result.cancelled = true;
            result.tracks.clear();
            return result;
        }
        if (cache) {
            const auto hit = cache->constFind(file.path);
            if (hit != cache->cend() && hit->size == file.size && hit->modified == file.modified) {
                files.append(*hit);
                ++reused;
                continue;
            }
        }
        result.filesRead.append(file.path);
        const std::optional<AudioTagInfo> tags = readAudioTags(file.path);
        files.append({file.path, file.size, file.modified,
                      tags ? std::optional<Track>(trackOf(file.path, *tags)) : std::nullopt});
    }
    if (cancelled(cancel)) {
        result.cancelled = true;
        return result;
    }
    for (const IndexedFile& file : files) {
        if (file.track)
            result.tracks.append(*file.track);
    }
    // Files read anew or gone since the cache was written change it; nothing else does.
    const bool changed = !cache || !result.filesRead.isEmpty() || reused != cache->size();
    if (!cachePath.isEmpty() && changed)
        result.cacheWritten = writeMusicIndexCache(cachePath, result.folder, files);
    if (result.tracks.isEmpty())
        result.problem =
            QStringLiteral("the music folder '%1' holds no audio file that can be read")
                .arg(folder);
    return result;
}

} // namespace partivo
