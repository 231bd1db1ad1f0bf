#include "player/TrackMatch.h"

#include <QFileInfo>
#include <array>

namespace partivo {

namespace {

// The classes of tracks by genre, in this order in the tables below.
enum Class { Cover, BackingTrack, Practice, Recording, Other, kClassCount };

Class classOf(const Track& track)
{
    const QString genre = track.genre.toUpper();
    if (genre.contains(QLatin1String("COVER")))
        return Cover;
    if (genre.contains(QLatin1String("BACKING TRACK")))
        return BackingTrack;
    if (genre.contains(QLatin1String("PRACTICE")))
        return Practice;
    if (genre.contains(QLatin1String("RECORDING")))
        return Recording;
    return Other;
}

int score(const Track& track, const QString& artistUpper)
{
    const bool artist = track.artist.toUpper().contains(artistUpper);
    const bool binder = track.comment.toUpper().contains(QLatin1String("BINDER"));
    return artist && binder ? 4 : binder ? 3 : artist ? 2 : 1;
}

// The order in which each genre (1..5) takes the classes.
constexpr std::array<std::array<Class, kClassCount>, 5> kGenreOrder{{
    {Other, Cover, Recording, Practice, BackingTrack},
    {Cover, Other, Recording, Practice, BackingTrack},
    {BackingTrack, Other, Cover, Recording, Practice},
    {Practice, Other, Cover, Recording, BackingTrack},
    {Recording, Other, Cover, Practice, BackingTrack},
}};

} // namespace

TrackList searchTracks(const TrackList& library, const QString& title)
{
    TrackList found;
    if (title.trimmed().isEmpty())
        return found;
    for (const Track& track : library) {
        for (const QString& field : {track.name, track.artist, track.comment, track.genre,
                                     QFileInfo(track.path).completeBaseName()}) {
            if (field.contains(title, Qt::CaseInsensitive)) {
                found.append(track);
                break;
            }
        }
    }
    return found;
}

std::optional<Track> chooseTrack(const TrackList& found, const QString& artiste, int genre)
{
    if (genre < 1 || genre > 5)
        return std::nullopt;
    const QString artistUpper = artiste.toUpper();
    std::array<const Track*, kClassCount> best{};
    std::array<int, kClassCount> bestScore{};
    for (const Track& track : found) {
        const int s = score(track, artistUpper);
        const Class c = classOf(track);
        // A strictly higher score replaces: the first track found wins a tie.
        if (s > bestScore[c]) {
            bestScore[c] = s;
            best[c] = &track;
        }
    }
    for (Class c : kGenreOrder[size_t(genre - 1)]) {
        if (best[c])
            return *best[c];
    }
    return std::nullopt;
}

std::optional<Track> play_if_found(const TrackList& library, const QString& titre,
                                   const QString& artiste, int genre)
{
    if (genre < 1 || genre > 5)
        return std::nullopt;
    return chooseTrack(searchTracks(library, titre), artiste, genre);
}

} // namespace partivo
