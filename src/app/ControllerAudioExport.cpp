// The audio export: the tracks of the current song, or of every song of the current tab
// (one song per turn of the event loop, with a progress window that can cancel), copied into
// a folder the user chooses.
#include "app/Controller.h"

#include "library/Pieces.h"
#include "library/SourceSongs.h"
#include "platform/Dialogs.h"
#include "platform/FileServices.h"
#include "platform/Timers.h"
#include "player/AudioExport.h"
#include "player/MusicLibrary.h"
#include "player/PlayerTexts.h"

#include <QDir>

namespace partivo {

namespace {

QString artistOf(const Pieces& song)
{
    return knownArtist(song.pieceDet->auteur);
}

} // namespace

void Controller::actionExportAudioFiles(bool currentOnly)
{
    Dialogs& dialogs = data_.dialogs;
    if (audioExport_) {
        dialogs.msg(QString::fromUtf8(playerTexts::kExportRunning));
        return;
    }
    if (!windows_.keyOrFirstBinderWindow()) {
        dialogs.msg(QString::fromUtf8(playerTexts::kExportNeedsBinderWindow));
        return;
    }
    if (!music_->available()) {
        dialogs.msg(QString::fromUtf8(playerTexts::kLibraryNeeded));
        return;
    }
    const auto current = data_.getPiece(data_.songNoG());
    if (!current)
        return;
    const QString folder =
        dialogs.chooseFolder(QString::fromUtf8(playerTexts::kExportTitle),
                             QString::fromUtf8(playerTexts::kExportChooseFolder), QDir::homePath());
    if (folder.isEmpty())
        return;
    if (currentOnly) {
        AudioExport one(music_->tracks(), folder);
        one.exportSong(current->pieceDet->titre, artistOf(*current));
        exportAudioFilesMessageFinal(one);
        return;
    }
    // The current tab's songs in title order.
    const Data::PieceList songs = piecesOfTab(data_, data_.onglNoG);
    const QString question = QString::fromUtf8(playerTexts::kExportConfirmTab)
                                 .arg(songs.size())
                                 .arg(QDir::toNativeSeparators(folder));
    if (dialogs.questionAvecCancel(question) != 1 || audioExport_)
        return;
    audioExport_ = std::make_unique<AudioExport>(music_->tracks(), folder);
    exportSongs_ = songs;
    exportNext_ = 0;
    shell_.showProgress(QString::fromUtf8(playerTexts::kExportTitle), int(songs.size()));
    timers_.start(QLatin1String(kAudioExportTimer), 0, false,
                  [this] { exportAudioFilesMultiple(); });
}

void Controller::exportAudioFilesMultiple()
{
    if (!audioExport_)
        return;
    if (exportNext_ >= exportSongs_.size() || shell_.progressCancelled()) {
        shell_.closeProgress();
        const std::unique_ptr<AudioExport> done = std::move(audioExport_);
        exportSongs_.clear();
        exportAudioFilesMessageFinal(*done);
        return;
    }
    const Pieces& song = *exportSongs_[exportNext_];
    ++exportNext_;
    shell_.setProgress(QString::fromUtf8(playerTexts::kExportProgress)
                           .arg(exportNext_)
                           .arg(exportSongs_.size())
                           .arg(song.pieceDet->titre),
                       int(exportNext_));
    audioExport_->exportSong(song.pieceDet->titre, artistOf(song));
    timers_.start(QLatin1String(kAudioExportTimer), 0, false,
                  [this] { exportAudioFilesMultiple(); });
}

void Controller::exportAudioFilesMessageFinal(const AudioExport& done)
{
    QString text = QString::fromUtf8(playerTexts::kExportDone)
                       .arg(done.copied())
                       .arg(QDir::toNativeSeparators(done.folder()));
    if (!done.failures().isEmpty())
        text += QStringLiteral("\n\n") + QString::fromUtf8(playerTexts::kExportFailures) +
                QLatin1Char('\n') + done.failures().join(QLatin1Char('\n'));
    const int choice = data_.dialogs.deuxChoix(text, QString::fromUtf8(playerTexts::kExportOk),
                                               QString::fromUtf8(playerTexts::kExportShowInFolder));
    if (choice == 0)
        files_.revealInFileManager(done.premierFichier().isEmpty() ? done.folder()
                                                                   : done.premierFichier());
}

} // namespace partivo
