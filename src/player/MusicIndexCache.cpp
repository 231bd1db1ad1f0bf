#include "player/MusicIndexCache.h"

#include "platform/AtomicFile.h"
#include "player/MusicIndex.h"

#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace partivo {

namespace {

constexpr char kFormat[] = "partivo-music-index";
constexpr int kVersion = 1;
// The cache of a large library is a few megabytes; anything far bigger is not ours.
constexpr qint64 kMaxCacheBytes = 512 * 1024 * 1024;

const QString kFormatKey = QStringLiteral("format");
const QString kVersionKey = QStringLiteral("version");
const QString kFolderKey = QStringLiteral("folder");
const QString kFilesKey = QStringLiteral("files");
const QString kPathKey = QStringLiteral("path");
const QString kSizeKey = QStringLiteral("size");
const QString kModifiedKey = QStringLiteral("modified");
const QString kAudioKey = QStringLiteral("audio");
const QString kNameKey = QStringLiteral("name");
const QString kArtistKey = QStringLiteral("artist");
const QString kCommentKey = QStringLiteral("comment");
const QString kGenreKey = QStringLiteral("genre");
const QString kDurationKey = QStringLiteral("duration");

std::optional<IndexedFile> fileFromJson(const QJsonValue& value)
{
    const QJsonObject object = value.toObject();
    const QJsonValue path = object.value(kPathKey);
    const QJsonValue size = object.value(kSizeKey);
    const QJsonValue modified = object.value(kModifiedKey);
    if (!path.isString() || path.toString().isEmpty() || !size.isDouble() || !modified.isDouble())
        return std::nullopt;
    IndexedFile file;
    file.path = path.toString();
    file.size = qint64(size.toDouble());
    file.modified = qint64(modified.toDouble());
    if (object.value(kAudioKey).toBool()) {
        const QJsonValue name = object.value(kNameKey);
        const QJsonValue duration = object.value(kDurationKey);
        if (!name.isString() || !duration.isDouble())
            return std::nullopt;
        Track track;
        track.name = name.toString();
        track.artist = object.value(kArtistKey).toString();
        track.comment = object.value(kCommentKey).toString();
        track.genre = object.value(kGenreKey).toString();
        track.duration = duration.toDouble();
        track.path = file.path;
        track.persistentId = trackIdForPath(file.path);
        file.track = track;
    }
    return file;
}

QJsonObject fileToJson(const IndexedFile& file)
{
    QJsonObject object{{kPathKey, file.path},
                       {kSizeKey, double(file.size)},
                       {kModifiedKey, double(file.modified)},
                       {kAudioKey, file.track.has_value()}};
    if (file.track) {
        object.insert(kNameKey, file.track->name);
        object.insert(kArtistKey, file.track->artist);
        object.insert(kCommentKey, file.track->comment);
        object.insert(kGenreKey, file.track->genre);
        object.insert(kDurationKey, file.track->duration);
    }
    return object;
}

} // namespace

std::optional<QHash<QString, IndexedFile>> readMusicIndexCache(const QString& cachePath,
                                                               const QString& folder)
{
    QFile file(cachePath);
    // Only a regular file is read: a FIFO at the cache's place must not block the index.
    if (cachePath.isEmpty() || !file.exists() || file.size() > kMaxCacheBytes ||
        !QFileInfo(file).isFile() || !file.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QJsonDocument document = QJsonDocument::fromJson(file.readAll());
    const QJsonObject root = document.object();
    if (root.value(kFormatKey).toString() != QLatin1String(kFormat) ||
        root.value(kVersionKey).toInt() != kVersion ||
        root.value(kFolderKey).toString() != folder || !root.value(kFilesKey).isArray())
        return std::nullopt;
    const QJsonArray files = root.value(kFilesKey).toArray();
    QHash<QString, IndexedFile> byPath;
    byPath.reserve(files.size());
    for (const QJsonValue& value : files) {
        if (std::optional<IndexedFile> indexed = fileFromJson(value))
            byPath.insert(indexed->path, std::move(*indexed));
    }
    return byPath;
}

bool writeMusicIndexCache(const QString& cachePath, const QString& folder,
                          const QList<IndexedFile>& files)
{
    QJsonArray array;
    for (const IndexedFile& file : files)
        array.append(fileToJson(file));
    const QJsonObject root{{kFormatKey, QLatin1String(kFormat)},
                           {kVersionKey, kVersion},
                           {kFolderKey, folder},
                           {kFilesKey, array}};
    return writeFileAtomically(cachePath, QJsonDocument(root).toJson(QJsonDocument::Compact));
}

} // namespace partivo
