#pragma once

#include "platform/MediaPlayer.h"

#include <memory>

class QAudioOutput;
class QMediaPlayer;

namespace partivo {

// The program's player: Qt Multimedia, made on first use (so a start without audio costs
// nothing), with an audio output as it requires.
class QtMediaPlayer : public MediaPlayer {
public:
    QtMediaPlayer();
    ~QtMediaPlayer() override;

    void play(const QString& path) override;
    void stop() override;
    void seek(double seconds) override;
    State state() const override;
    double position() const override;
    QString currentPath() const override { return path_; }
    QString error() const override { return error_; }

private:
    void make();

    std::unique_ptr<QAudioOutput> output_;
    std::unique_ptr<QMediaPlayer> player_;
    QString path_;
    QString error_;
};

} // namespace partivo
