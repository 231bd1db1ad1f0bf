#pragma once

#include "player/Track.h"

#include <QStringList>
#include <atomic>

namespace partivo {

// Whether a file name ends with one of the audio extensions the library indexes (mp3, m4a,
// aac, ogg, oga, opus, flac, wav, aif, aiff, wma; any case).
bool isAudioFileName(const QString& fileName);

// Why the folder cannot be indexed (none given, missing, not a folder, unreadable), in one
// line; "" when it can.
QString musicFolderProblem(const QString& folder);

// The persistent ID of the track at path: the first 8 bytes of the SHA-1 of the UTF-8 path,
// read big-endian, so that it is the same on every run.
quint64 trackIdForPath(const QString& path);

// What one index of a music folder found.
struct MusicIndexResult {
    QString folder;        // absolute and clean; "" when none was given
    TrackList tracks;      // sorted by path
    QString problem;       // why the library is not available; "" when it holds a track
    QStringList filesRead; // files whose tags were read (the others came from the cache)
    bool cacheWritten = false;
    bool cancelled = false; // stopped on request: tracks is empty and the cache untouched

    bool available() const { return !tracks.isEmpty(); }
};

// Indexes the audio files of the folder tree: the track name is the title tag, else the file
// name without its extension. Links to files and folders are followed (a folder met again
// through a link is not walked twice); unreadable folders, files that are not regular files
// and files TagLib cannot read as audio are left out. With a cache path, the files whose size
// and modification time the cache holds are not read again, and the cache is rewritten
// (atomically) only when something changed; a damaged cache or one of another folder is
// ignored. cancel, when given and set, stops the index between two files.
MusicIndexResult indexMusicFolder(const QString& folder, const QString& cachePath = QString(),
                                  const std::atomic_bool* cancel = nullptr);

} // namespace partivo
