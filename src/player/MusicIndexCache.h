#pragma once

#include "player/Track.h"

#include <QHash>
#include <optional>

namespace partivo {

// One file of a music folder as the last index saw it.
struct IndexedFile {
    QString path;
    qint64 size = 0;
    qint64 modified = 0;        // milliseconds since the epoch
    std::optional<Track> track; // nothing: not an audio file TagLib can read
};

// The files the cache at cachePath holds for folder, by path (their tracks with path and
// persistent ID set). Nothing when the file is missing, damaged, of another format or of
// another folder; a damaged entry is left out.
std::optional<QHash<QString, IndexedFile>> readMusicIndexCache(const QString& cachePath,
                                                               const QString& folder);

// Writes the cache as a whole or not at all; false when it could not be written.
bool writeMusicIndexCache(const QString& cachePath, const QString& folder,
                          const QList<IndexedFile>& files);

} // namespace partivo
