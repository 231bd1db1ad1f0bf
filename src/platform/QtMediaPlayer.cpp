#include "platform/QtMediaPlayer.h"

#include <QAudioOutput>
#include <QFileInfo>
#include <QMediaPlayer>
#include <QUrl>

namespace partivo {

QtMediaPlayer::QtMediaPlayer() = default;
QtMediaPlayer::~QtMediaPlayer() = default;

void QtMediaPlayer::make()
{
    if (player_)
        return;
    output_ = std::make_unique<QAudioOutput>();
    player_ = std::make_unique<QMediaPlayer>();
    player_->setAudioOutput(output_.get());
    QObject::connect(player_.get(), &QMediaPlayer::errorOccurred, player_.get(),
                     [this](QMediaPlayer::Error, const QString& text) {
                         error_ =
                             text.isEmpty() ? QStringLiteral("the file cannot be played") : text;
                     });
}

void QtMediaPlayer::play(const QString& path)
{
    make();
    player_->stop();
    path_ = path;
    error_.clear();
    if (!QFileInfo(path).isFile()) {
        error_ = QStringLiteral("the file is not there any more");
        return;
    }
    player_->setSource(QUrl::fromLocalFile(path));
    player_->play();
}

void QtMediaPlayer::stop()
{
    if (player_)
        player_->stop();
}

void QtMediaPlayer::seek(double seconds)
{
    if (player_)
        player_->setPosition(qint64(seconds * 1000));
}

MediaPlayer::State QtMediaPlayer::state() const
{
    return player_ && error_.isEmpty() && player_->playbackState() == QMediaPlayer::PlayingState
               ? State::Playing
               : State::Stopped;
}

double QtMediaPlayer::position() const
{
    return player_ ? double(player_->position()) / 1000.0 : 0;
}

} // namespace partivo
