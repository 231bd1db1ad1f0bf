#pragma once

#include "library/Genres.h"
#include "player/Track.h"

#include <optional>

namespace partivo {

// The genres a track is chosen for are the Genre menu's numbers (library/Genres.h): 1 Any,
// 2 Cover, 3 Backing Track, 4 Practice, 5 Recording; 6 (MUTE) plays nothing.
// The tracks whose name, artist, comment, genre or file name holds the title (any case).
TrackList searchTracks(const TrackList& library, const QString& title);

// The track of a song for a genre among the tracks found for its title: each scored 4 (its
// artist holds the song's artist and its comment "binder"), 3 (comment only), 2 (artist
// only) or 1, the best of the first genre class that has one in the genre's order (every
// genre takes every class); nothing when none was found or the genre is not 1 to 5.
std::optional<Track> chooseTrack(const TrackList& found, const QString& artiste, int genre);

// chooseTrack among the tracks of the library found for the title.
std::optional<Track> play_if_found(const TrackList& library, const QString& titre,
                                   const QString& artiste, int genre);

} // namespace partivo
