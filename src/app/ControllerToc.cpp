// The song list panel and the tab buttons: the controller fills them and every binder
// window shows them.
#include "app/Controller.h"

#include "display/PlatformWindow.h"
#include "display/SongListBroadcast.h"
#include "display/WindowPDFx.h"
#include "library/Pieces.h"
#include "library/SongFilter.h"

namespace partivo {

void Controller::afficherToc()
{
    navigator_.tocON = true;
    toc_.noPageToc = 0;
    stopAlreadyPlayedTimer(); // a song under the list is not being played
    // An active filter is built again from the song now current.
    if (data_.filterType != 0)
        toc_.noPageToc = partivo::prevNextFilterNoG(data_, 0, kFilterOn, FilterStep, true);
    remplirToc();
    windows_.afficherTocX(true, data_.nbTocG, data_.filterType != 0);
}

void Controller::hideSongList()
{
    if (data_.songNoG() > 0)
        startAlreadyPlayedTimer(); // the song is on screen again
    navigator_.tocON = false;
    toc_.noPageToc = 0;
    windows_.afficherTocX(false, data_.nbTocG, data_.filterType != 0);
}

void Controller::verifAffToc()
{
    if (TocList::atFirstSongOfTab(data_))
        afficherToc();
}

void Controller::remplirToc()
{
    if (navigator_.tocON)
        fillToc(windows_, data_, toc_);
}

void Controller::turnTocPage(bool forward)
{
    toc_.turnPage(forward);
    remplirToc();
}

void Controller::setSongNoToc(int entry)
{
    navigator_.songNoToc = navigator_.tocON ? toc_.setSongNoToc(data_, entry) : -1;
}

void Controller::showTabStates()
{
    partivo::showTabStates(windows_, data_);
    remplirToc(); // an open list follows the current song and its tab
}

void Controller::setTabsName()
{
    showTabNames(windows_, data_);
}

int Controller::determinerNbTocG() const
{
    for (const WindowPDFxSuper* window : windows_.nsMutaryOfWindows()) {
        const auto* binder = dynamic_cast<const WindowPDFx*>(window);
        if (binder && !binder->settings().hideList && window->platformWindow() &&
            tocEntriesForWidth(window->platformWindow()->frameSize().width()) == kTocColumn)
            return kTocColumn;
    }
    return kTocEntries;
}

void Controller::refreshNbTocG()
{
    const int perPage = determinerNbTocG();
    const bool changed = perPage != data_.nbTocG;
    data_.nbTocG = perPage;
    if (navigator_.tocON && changed)
        afficherToc();
    else if (!navigator_.tocON)
        windows_.afficherTocX(false, data_.nbTocG, data_.filterType != 0);
}

} // namespace partivo
