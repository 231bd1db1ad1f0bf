#include "library/Navigator.h"

#include "library/Data.h"
#include "library/FirstLetter.h"
#include "library/LibraryTexts.h"
#include "library/LibraryView.h"
#include "library/SearchText.h"
#include "library/SongFilter.h"
#include "platform/Dialogs.h"
#include "platform/Timers.h"

#include <algorithm>

namespace partivo {

Navigator::Navigator(Data& data, LibraryView& view, Timers& timers)
    : data_(data), view_(view), timers_(timers)
{
}

PagingInfo Navigator::pagingInfo() const
{
    PagingInfo info = shownPages_ ? shownPages_->pagingInfo() : PagingInfo();
    info.pages = std::max(1, info.pages);
    return info;
}

int Navigator::pageCount() const
{
    return pagingInfo().pages;
}

void Navigator::applyZoom(const ZoomState& state)
{
    pageNo1 = state.pageNo;
    zoomON = state.zoomOn;
    zoomTop = state.zoomTop;
}

void Navigator::actionUp()
{
    traiterUP(pagingInfo().singlePage);
}

void Navigator::actionDown()
{
    const PagingInfo info = pagingInfo();
    traiterDown(info.singlePage, info.extraPages);
}

// A song is always shown from its first page, at its upper half; its tab becomes the
// current tab.
void Navigator::showSong()
{
    pageNo1 = 1;
    showPage();
    afficherInfoPiece();
    startPreviousSongTimer();
}

// A page is always shown from its upper half.
void Navigator::showPage()
{
    zoomTop = true;
    view_.chargerPages();
}

void Navigator::startPreviousSongTimer()
{
    timers_.start(QLatin1String(kPreviousSongTimer), kPreviousSongMs, false,
                  [this] { rememberPreviousSong(); });
}

void Navigator::refreshAvecReset()
{
    view_.reloadDocuments();
    // The windows count the pages of the files as they are now once they show them.
    showPage();
    if (pageNo1 > pageCount()) {
        pageNo1 = 1;
        showPage();
    }
    startPreviousSongTimer();
}

void Navigator::afficherInfoPiece()
{
    const auto entry = data_.getPiece(data_.songNoG());
    if (!entry)
        return;
    const int before = data_.onglNoG;
    data_.setOnglet(entry->ongNo);
    view_.showTabStates();
    if (verifTOC && before != data_.onglNoG)
        view_.verifAffToc();
    verifTOC = false;
}

// Inside the user's tab, a song shown for two seconds becomes the previous song, so that
// going back toggles between the last two songs played there.
void Navigator::rememberPreviousSong()
{
    if (data_.onglNoG != data_.onglNoGuser || data_.onglNoG <= 0)
        return;
    if (songNoG_prev != data_.songNoG())
        songNoG_prev_prev = songNoG_prev;
    songNoG_prev = data_.songNoG();
}

void Navigator::traiterNext()
{
    if (tocON) {
        tocON = false;
        view_.hideSongList();
        showSong();
        return;
    }
    if (data_.songNoG() < data_.songNbrG()) {
        data_.setSongNoG(data_.songNoG() + 1);
        verifTOC = true;
    }
    showSong();
}

void Navigator::traiterPrev()
{
    if (tocON && data_.songNoG() != 1) {
        tocON = false;
        view_.hideSongList();
    } else if (!tocON) {
        view_.verifAffToc(); // the first song of a tab shows its list first
    }
    if (!tocON && data_.songNoG() > 1) {
        data_.setSongNoG(data_.songNoG() - 1);
        verifTOC = true;
    }
    showSong();
}

void Navigator::gotoSongNo(int n)
{
    if (n < 1 || n > data_.songNbrG())
        return;
    data_.setSongNoG(n);
    showSong();
}

void Navigator::gotoPrevNextTab(int direction)
{
    const auto& starts =
        data_.currentSort == 1 ? data_.indexInAuthorArrayG : data_.indexInTitleArrayG;
    const int step = direction == 1 ? -1 : 1;
    for (int tab = data_.onglNoG + step; tab >= 0 && tab <= 9; tab += step) {
        if (starts[size_t(tab)] != -1) {
            data_.onglNoGuser = tab;
            gotoSongNo(starts[size_t(tab)] + 1);
            return;
        }
    }
}

void Navigator::actionFirst()
{
    if (data_.onglNoG == 0) {
        gotoSongNo(1);
        view_.verifAffToc();
        return;
    }
    verifTOC = true;
    gotoPrevNextTab(1);
}

void Navigator::actionLast()
{
    verifTOC = true;
    gotoPrevNextTab(0);
}

void Navigator::traiterUP(bool singlePage)
{
    if (tocON) {
        view_.turnTocPage(false);
        return;
    }
    if (zoomON) {
        view_.zoomStep(false);
        return;
    }
    const int step = singlePage ? 1 : 2;
    if (pageCount() > step && pageNo1 != 1) {
        // Never below page 1: a two-page view may stand on an even page.
        pageNo1 = std::max(1, pageNo1 - step);
        showPage();
        return;
    }
    showSong();
}

bool Navigator::morePagesFollow() const
{
    if (zoomON)
        return zoomTop;
    const PagingInfo info = pagingInfo();
    const int step = info.singlePage ? 1 : 2;
    return pageNo1 + step + info.extraPages <= info.pages;
}

void Navigator::traiterDown(bool singlePage, int extraPages)
{
    if (tocON) {
        view_.turnTocPage(true);
        return;
    }
    if (zoomON) {
        view_.zoomStep(true);
        return;
    }
    const int step = singlePage ? 1 : 2;
    const int pages = pageCount();
    const bool lastSong = data_.songNoG() >= data_.songNbrG();
    if (pages <= step) {
        if (nextSongAtLastPage && !lastSong)
            traiterNext();
        else
            showSong();
        return;
    }
    if (pageNo1 + step + extraPages <= pages) {
        pageNo1 += step;
        showPage();
    } else if (step == 2 && pageNo1 % 2 == 0 && pageNo1 + 1 + extraPages <= pages) {
        // Two pages per view on an even page (after half-page zoom) show it on the right:
        // the next page is the one left to see, or the song's last page is never reached.
        pageNo1 += 1;
        showPage();
    } else if (nextSongAtLastPage && !lastSong) {
        traiterNext();
    }
}

void Navigator::actionToggleSort()
{
    int current = data_.songNoG();
    int* tracked[] = {&current,      &songNoG_itunes,    &songNoG_ev,        &songNoG_next,
                      &songNoG_prev, &songNoG_prev_prev, &data_.songNoG_ongl};
    std::shared_ptr<Pieces> entries[std::size(tracked)];
    for (size_t i = 0; i < std::size(tracked); ++i)
        entries[i] = *tracked[i] > 0 ? data_.getPiece(*tracked[i]) : nullptr;
    data_.currentSort = data_.currentSort == 1 ? 0 : 1;
    for (size_t i = 0; i < std::size(tracked); ++i) {
        if (entries[i])
            *tracked[i] = 1 + (data_.currentSort == 1 ? entries[i]->indexInAuthorArray
                                                      : entries[i]->indexInTitleArray);
    }
    data_.setSongNoG(current);
    showSong();
    if (tocON)
        view_.remplirToc();
}

void Navigator::actionGotoCur()
{
    if (tocON) {
        tocON = false;
        view_.hideSongList();
    }
    if (playerPlaying && songNoG_itunes > 0 && songNoG_itunes != data_.songNoG())
        gotoSongNo(songNoG_itunes);
    else if (songNoG_prev > 0 && songNoG_prev != data_.songNoG())
        gotoSongNo(songNoG_prev);
    else if (songNoG_prev_prev >= 1)
        gotoSongNo(songNoG_prev_prev);
}

void Navigator::actionOnglet2(int tab, bool cmd, bool helpBinder)
{
    if (tab < 0 || tab > 9)
        return;
    const int count = data_.getNbrPiecesOng(tab);
    const auto& starts =
        data_.currentSort == 1 ? data_.indexInAuthorArrayG : data_.indexInTitleArrayG;
    auto goToTab = [&] {
        if (data_.getNbrPiecesOng(tab) > 0) {
            gotoSongNo(starts[size_t(tab)] + 1);
            view_.verifAffToc();
        }
    };
    bool editorOpened = false;
    if (helpBinder && (cmd || count == 0))
        data_.dialogs.msg(QString::fromUtf8(texts::kNoTabsInHelpBinder));
    else if (tab > 0 && (cmd || count == 0))
        editorOpened = true;
    data_.onglNoGuser = tab;
    goToTab();
    if (editorOpened) {
        view_.editTab(tab);
        goToTab();
    }
}

void Navigator::actionEqual()
{
    if (!tocON) {
        tocON = true;
        view_.afficherToc();
        return;
    }
    if (data_.filterNoG >= 0) {
        clearFilter(data_);
        view_.afficherToc();
        return;
    }
    tocON = false;
    view_.hideSongList();
}

void Navigator::allerA(int key)
{
    if (tocON) {
        tocON = false;
        view_.hideSongList();
    }
    if (key < 1 || key > kFirstLetterKeys || rechBloque || data_.rech.size() >= kSearchMaxChars) {
        afficherInfoRech(false);
        return;
    }
    data_.rech.append(carn(key));
    if (songNoToc >= 0) {
        afficherInfoRech(true);
        data_.setSongNoG(songNoToc);
        songNoToc = -1;
        showSong();
        return;
    }
    int target = 0;
    if (data_.rech.size() == 1) {
        target = (data_.currentSort == 1 ? data_.debLettre2 : data_.debLettre)[size_t(key)];
        if (target == 0) {
            afficherInfoRech(false);
            return;
        }
    } else {
        target = rechercherChaine(data_.rech);
        if (target < 0)
            return;
    }
    afficherInfoRech(true);
    data_.setSongNoG(target);
    if (data_.onglNoGuser >= 1 && data_.onglNoGuser <= 9) {
        const auto entry = data_.getPiece(target);
        const int inTab = entry ? entry->pieceDet->indexInTEMP[size_t(data_.onglNoGuser)] : -1;
        if (inTab >= 0)
            prioriserPieceDansOnglet(inTab);
        else
            data_.ongletErr = data_.onglNoGuser;
    }
    showSong();
}

void Navigator::prioriserPieceDansOnglet(int poolPosition)
{
    const auto entry = data_.getPieceTEMP(poolPosition);
    if (!entry)
        return;
    data_.setSongNoG(
        1 + (data_.currentSort == 1 ? entry->indexInAuthorArray : entry->indexInTitleArray));
}

int Navigator::rechercherChaine(const QString& text)
{
    const int n = int(text.size());
    const int key = keyn(text);
    const auto& index = data_.currentSort == 1 ? data_.debLettre2 : data_.debLettre;
    const int start = key >= 1 && key <= kFirstLetterKeys ? std::max(1, index[size_t(key)]) : 1;
    for (int song = start; song <= data_.songNbrG(); ++song) {
        const auto entry = data_.getPiece(song);
        if (!entry)
            continue;
        const QString compared = data_.currentSort == 1
                                     ? entry->pieceDet->auteur + entry->pieceDet->titre
                                     : entry->pieceDet->titre;
        if (obtenirCar(compared, n) == text)
            return song;
    }
    afficherInfoRech(false);
    return -1;
}

void Navigator::endSearch()
{
    data_.rech.clear();
    rechBloque = false;
    view_.updateRechInfo(true, true);
}

void Navigator::unlockSearch()
{
    if (rechBloque) {
        data_.rech.clear();
        rechBloque = false;
    }
}

void Navigator::clearBlockedSearch()
{
    unlockSearch();
    timers_.start(QLatin1String(kSearchTimer), kSearchFoundMs, false,
                  [this] { searchTimerFired(true); });
}

bool Navigator::removeLastSearchCharacter()
{
    if (data_.rech.isEmpty())
        return false;
    if (!rechBloque)
        data_.rech.chop(1);
    clearBlockedSearch(); // a search that found nothing is cleared whole
    view_.updateRechInfo(true, false);
    return true;
}

void Navigator::afficherInfoRech(bool found)
{
    rechShown = true;
    timers_.start(QLatin1String(kSearchTimer), found ? kSearchFoundMs : kSearchNotFoundMs, false,
                  [this, found] { searchTimerFired(found); });
    rechBloque = !found;
    view_.updateRechInfo(found, false);
}

void Navigator::searchTimerFired(bool afterFound)
{
    if (afterFound) {
        rechShown = false;
        rechBloque = false;
        data_.rech.clear();
        if (data_.onglNoG == 0)
            data_.onglNoGuser = 0;
        view_.updateRechInfo(true, true);
        return;
    }
    clearBlockedSearch();
    view_.updateRechInfo(true, false);
}

} // namespace partivo
