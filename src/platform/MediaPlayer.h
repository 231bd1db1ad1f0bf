#pragma once

#include <QString>

namespace partivo {

// The audio player the backing tracks play on: the program asks it to play, stop and seek,
// and reads back its state and position; it never waits on it.
class MediaPlayer {
public:
    enum class State { Stopped, Playing };

    virtual ~MediaPlayer() = default;

    // Plays the file from its beginning; whatever played stops first.
    virtual void play(const QString& path) = 0;
    virtual void stop() = 0;
    virtual void seek(double seconds) = 0;
    virtual State state() const = 0;
    // Seconds from the track's beginning (0 when stopped).
    virtual double position() const = 0;
    // The file playing or last asked for ("" when none).
    virtual QString currentPath() const = 0;
    // Why the last file asked for cannot be played (gone, cannot be decoded, no audio
    // output); "" while all is well.
    virtual QString error() const = 0;
};

} // namespace partivo
