#pragma once

#include "player/Track.h"

#include <QString>

namespace partivo {

// What the player needs around it: the windows that show the track, the binder's continuous
// play, the song list panel, and the songs to go on with. The controller answers.
class PlayerView {
public:
    virtual ~PlayerView() = default;

    // Title, artist, position and length (seconds) for every window and the timed events;
    // hidden when nothing plays.
    virtual void updateItunesInfoX(const QString& title, const QString& artist, double curPos,
                                   double maxPos, bool masquer) = 0;
    // A message in the binder window.
    virtual void playerMessage(const QString& text) = 0;
    // Continuous play is on for the current binder.
    virtual bool contPlayOn() const = 0;
    virtual bool tocShown() const = 0;
    // Makes song n (1-based in the current order) current and shows its pages.
    virtual void showSongNo(int songNo) = 0;
    // Playback stopped by the user: the genre the user chose comes back, the pages reload.
    virtual void afterStop() = 0;
};

// The music library as the player sees it: usable or not, and its tracks.
class TrackSource {
public:
    virtual ~TrackSource() = default;
    virtual bool available() const = 0;
    virtual const TrackList& tracks() const = 0;
};

} // namespace partivo
