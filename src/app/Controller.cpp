#include "app/Controller.h"

#include "app/LibraryWindow.h"

namespace partivo {

Controller::Controller(Prefs& prefs, Dialogs& dialogs)
    : data_(prefs, dialogs), binders_(data_, *this)
{
}

Controller::~Controller() = default;

void Controller::awakeFromNib()
{
    binders_.start();
}

void Controller::applicationWillTerminate()
{
    binders_.terminate();
}

void Controller::setDirButton(int)
{
    if (window_)
        window_->showBinderMenu();
}

void Controller::chargerPages()
{
    if (!window_) {
        window_ = std::make_unique<LibraryWindow>(*this);
        window_->show();
    }
    window_->showCurrentSong();
}

void Controller::afficherToc()
{
    if (window_)
        window_->showSongList();
}

} // namespace partivo
