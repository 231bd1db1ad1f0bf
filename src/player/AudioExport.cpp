#include "player/AudioExport.h"

#include "player/TrackMatch.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace partivo {

AudioExport::AudioExport(const TrackList& library, const QString& folder)
    : library_(library), folder_(folder)
{
}

int AudioExport::exportSong(const QString& titre, const QString& artiste)
{
    int added = 0;
    const TrackList found = searchTracks(library_, titre); // once for the five genres
    for (int genre = 1; genre < kMuteGenre; ++genre) {
        const std::optional<Track> track = chooseTrack(found, artiste, genre);
        if (!track)
            continue;
        const QString name = QFileInfo(track->path).fileName();
        const QString destination = QDir(folder_).filePath(name);
        if (QFileInfo::exists(destination))
            continue; // never written over; the same track for two genres is copied once
        QFile source(track->path);
        if (!source.copy(destination)) {
            failures_.append(QStringLiteral("%1: %2").arg(name, source.errorString()));
            continue;
        }
        if (premierFichier_.isEmpty())
            premierFichier_ = destination;
        ++copied_;
        ++added;
    }
    return added;
}

} // namespace partivo
