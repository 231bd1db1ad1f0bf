#pragma once

#include "library/Position.h"

#include <QString>

namespace partivo {

class Data;
class LibraryView;
class Pieces;
class Timers;

inline constexpr char kPreviousSongTimer[] = "previousSongMemory";
inline constexpr char kSearchTimer[] = "typeToSearch";
inline constexpr int kPreviousSongMs = 2000;
inline constexpr int kSearchFoundMs = 2000;
inline constexpr int kSearchNotFoundMs = 500;
inline constexpr int kSearchMaxChars = 10;

// Moves the current song and page: next and previous song across tabs, tab jumps, Home and
// End, paging, the sort toggle, the previous-song memory and type-to-search. Logic only:
// showing goes through the LibraryView, time through the named timers.
class Navigator {
public:
    Navigator(Data& data, LibraryView& view, Timers& timers);

    // The position: the navigator is its one owner; the windows show it.
    int pageNo1 = 1; // first page shown of the current song
    int songNoG_prev = 0;
    int songNoG_prev_prev = 0;
    int songNoG_next = 0;
    int songNoG_itunes = 0;
    int songNoG_ev = 0;
    bool playerPlaying = false; // the media player plays songNoG_itunes
    bool verifTOC = false;
    bool rechBloque = false;
    bool rechShown = false; // the search display is visible
    int songNoToc = -1;     // song picked in the list panel, -1 none
    bool tocON = false;
    bool zoomON = false;
    bool zoomTop = true; // the half read in half-page zoom
    // Next page on the song's last page goes on to the next song (an option; off by
    // default, where paging never leaves the song).
    bool nextSongAtLastPage = false;

    // The windows that answer the page count of the current song (none: one page).
    void setShownPages(const ShownPages* pages) { shownPages_ = pages; }
    PagingInfo pagingInfo() const;
    ZoomState zoomState() const { return {pageNo1, zoomON, zoomTop}; }
    // Takes the position half-page zoom has moved to.
    void applyZoom(const ZoomState& state);

    void traiterNext();
    void traiterPrev();
    void gotoSongNo(int n);
    // 1 = previous tab, 0 = next tab.
    void gotoPrevNextTab(int direction);
    void actionFirst();
    void actionLast();
    // Paging by one page (singlePage) or two; paging never leaves the song. While the song
    // list panel shows, its page turns instead; in half-page zoom the zoom moves.
    void traiterUP(bool singlePage);
    void traiterDown(bool singlePage, int extraPages);
    // Previous and next page with the step and the extra pages the windows give.
    void actionUp();
    void actionDown();
    // Another page (or the lower half in half-page zoom) follows the pages shown.
    bool morePagesFollow() const;
    void actionToggleSort();
    // Reloads the documents and shows the current song again at the same page, or at page
    // 1 when the song is shorter now; the previous-song memory starts again.
    void refreshAvecReset();
    void actionGotoCur();
    // Tab button t (0..9) pressed, with the command modifier when cmd. In the Help Binder
    // tabs cannot be edited.
    void actionOnglet2(int tab, bool cmd, bool helpBinder);
    // Shows the song list panel; when it is shown, clears an active filter or hides it.
    void actionEqual();
    // Type-to-search with a first-letter key 1..36.
    void allerA(int key);
    // Song number of the first song whose letters and digits start with text, or -1
    // (reported as not found).
    int rechercherChaine(const QString& text);
    // Ends search typing: the text is emptied and unblocked.
    void endSearch();
    // A blocked search text is emptied and unblocked.
    void unlockSearch();
    // After a song step while the search box shows: a blocked search is emptied and the
    // search display goes away after the usual two seconds.
    void clearBlockedSearch();
    // Backspace while typing: the last character goes (a blocked text goes whole).
    // False when no search is being typed.
    bool removeLastSearchCharacter();

    // Page count of the current song, as the windows show it (at least 1).
    int pageCount() const;

private:
    void showSong();
    void showPage();
    void startPreviousSongTimer();
    void afficherInfoPiece();
    void rememberPreviousSong();
    void afficherInfoRech(bool found);
    void searchTimerFired(bool afterFound);
    void prioriserPieceDansOnglet(int poolPosition);

    Data& data_;
    LibraryView& view_;
    Timers& timers_;
    const ShownPages* shownPages_ = nullptr;
};

} // namespace partivo
