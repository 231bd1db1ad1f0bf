#pragma once

#include "player/Track.h"

#include <QString>
#include <QStringList>

namespace partivo {

// The timer that runs a tab's export one song per turn of the event loop.
inline constexpr char kAudioExportTimer[] = "audioExport";

// Copies songs' tracks into a folder: for each song the track of each of the genres 1 to 5,
// each file once. Only files really copied count; a file already in the folder is never
// written over (and not counted); a copy that fails is kept with its reason.
class AudioExport {
public:
    AudioExport(const TrackList& library, const QString& folder);

    // Copies the song's tracks; answers how many files this song added.
    int exportSong(const QString& titre, const QString& artiste);

    int copied() const { return copied_; }
    // "file: reason" for each copy that failed.
    const QStringList& failures() const { return failures_; }
    // The first file copied ("" while none was), to show in its folder.
    const QString& premierFichier() const { return premierFichier_; }
    const QString& folder() const { return folder_; }

private:
    TrackList library_; // as it was when the export began (the index may be renewed)
    QString folder_;
    int copied_ = 0;
    QStringList failures_;
    QString premierFichier_;
};

} // namespace partivo
