#include "platform/ManualMediaPlayer.h"

#include "platform/Timers.h"

#include <algorithm>

namespace partivo {

void ManualMediaPlayer::play(const QString& path)
{
    ++plays_;
    path_ = path;
    error_ = unplayable_.value(path);
    playing_ = error_.isEmpty();
    startMs_ = clock_.nowMs();
    offset_ = 0;
}

void ManualMediaPlayer::stop()
{
    playing_ = false;
}

void ManualMediaPlayer::seek(double seconds)
{
    startMs_ = clock_.nowMs();
    offset_ = std::max(0.0, seconds);
}

double ManualMediaPlayer::elapsed() const
{
    return offset_ + double(clock_.nowMs() - startMs_) / 1000.0;
}

MediaPlayer::State ManualMediaPlayer::state() const
{
    if (!playing_)
        return State::Stopped;
    const auto duration = durations_.constFind(path_);
    return duration != durations_.constEnd() && elapsed() >= *duration ? State::Stopped
                                                                       : State::Playing;
}

double ManualMediaPlayer::position() const
{
    if (state() != State::Playing)
        return 0;
    return elapsed();
}

} // namespace partivo
