#pragma once

#include "platform/MediaPlayer.h"

#include <QHash>

namespace partivo {

class Timers;

// A player for tests and the command line: nothing is heard; the position follows the clock
// of the timers (a manual clock in tests) from the moment a file is played, and the track
// stops at its duration.
class ManualMediaPlayer : public MediaPlayer {
public:
    explicit ManualMediaPlayer(const Timers& clock) : clock_(clock) {}

    // The duration a file plays for (seconds; unknown files play for ever).
    void setDuration(const QString& path, double seconds) { durations_[path] = seconds; }
    // A file that cannot be played: asking for it stops the player with this reason.
    void setUnplayable(const QString& path, const QString& why) { unplayable_[path] = why; }
    // Someone else starts a file on the player (not through play()).
    void startedElsewhere(const QString& path) { play(path); }
    int playCount() const { return plays_; }

    void play(const QString& path) override;
    void stop() override;
    void seek(double seconds) override;
    State state() const override;
    double position() const override;
    QString currentPath() const override { return path_; }
    QString error() const override { return error_; }

private:
    double elapsed() const;

    const Timers& clock_;
    QHash<QString, double> durations_;
    QHash<QString, QString> unplayable_;
    QString path_;
    QString error_;
    bool playing_ = false;
    qint64 startMs_ = 0;
    double offset_ = 0; // seconds added by a seek
    int plays_ = 0;
};

} // namespace partivo
