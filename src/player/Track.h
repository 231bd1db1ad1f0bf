#pragma once

#include <QList>
#include <QString>

namespace partivo {

// One audio file of the music library, as its tags give it.
struct Track {
    QString name;             // the title tag, else the file name without its extension
    QString artist;           // "" when the file has none
    QString comment;          // "" when none; "binder" in it marks a track made for the binder
    QString genre;            // "" when none; Cover, Backing Track, Practice or Recording sort it
    QString path;             // full path of the audio file
    quint64 persistentId = 0; // stable for the path: tells one track from another
    double duration = 0;      // seconds, with its fraction (0 when unknown)
};

using TrackList = QList<Track>;

} // namespace partivo
