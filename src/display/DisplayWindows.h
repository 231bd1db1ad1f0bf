#pragma once

#include "display/Dimmer.h"
#include "display/TocView.h"
#include "display/WinID.h"
#include "library/Position.h"
#include "library/SearchText.h"

#include <QList>
#include <QString>
#include <functional>
#include <memory>
#include <optional>

namespace partivo {

class NotificationCenter;
class Pieces;
class PlatformWindow;
class Prefs;
class WindowPDFxSuper;

// The display windows in their order (the order screensets store them in), the window ID
// list, and the broadcasts through which the controller drives every window alike. The
// windows are owned by whoever shows them; a window leaves the list when it closes or is
// destroyed.
class DisplayWindows : public ShownPages {
public:
    explicit DisplayWindows(NotificationCenter& center);

    const QList<WindowPDFxSuper*>& nsMutaryOfWindows() const { return windows_; }
    // Adds a new window at the end as a master window; companion windows float at once.
    void append(WindowPDFxSuper* window);
    // The platform window closed: the window leaves the list, the controller hears of it
    // and a binder window is made key again.
    void winClose(WindowPDFxSuper* window);
    // Runs when the last window of the list is about to close (the program quits next).
    void setLastWindowClosingHook(std::function<void()> hook) { lastClosing_ = std::move(hook); }
    // Removes the window without telling anyone (it is being destroyed).
    void forget(WindowPDFxSuper* window);
    void closeAllWin();
    void closeAllCompWin();
    void exitFullScreenForAllWin();

    // Key window bookkeeping.
    WindowPDFxSuper* getKeyWin() const;
    // The window keys act on: the key window, else the binder window marked as the one keys
    // go to, else the first binder window; none without one.
    WindowPDFxSuper* keyOrFirstBinderWindow() const;
    WindowPDFxSuper* getWinController() const;
    WindowPDFxSuper* getWinControllerForWin(const PlatformWindow* platform) const;
    void clearKeyWin();
    // Makes the marked binder window key, else the last binder window on the first binder
    // window's screen. Answers the window made key, or none.
    WindowPDFxSuper* activateKeywin();
    // Some synchronised window is in half-page zoom or shows single pages as two halves.
    bool isUneFenetreEstZoomDemiPage() const;
    // The current song as the synchronised windows page through it: the most pages any of
    // them shows, one page per step when any steps by one, and their extra pages.
    PagingInfo pagingInfo() const override;

    // Window IDs.
    const QList<WinID>& winIDs() const { return winIDs_; }
    void setWinIDs(const QList<WinID>& ids) { winIDs_ = ids; }
    void chargerWinIDs(const Prefs& prefs);
    void saveWinIDs(Prefs& prefs);
    WinID& creerWinIDs();
    void supprimerWinIDsForIndex(int index);
    // The ID after the current one: the first for the master window (mode 0), none after
    // the last one or when the current one is not in the list.
    const WinID* obtenirNextWinID(int mode, const QString& currentAltDir) const;

    // The note window is recording.
    bool recOn = false;

    // Controller broadcasts, to every window in list order.
    struct SongCall {
        std::shared_ptr<Pieces> piece;
        int pageNo = 1;
        bool zoomTop = true;
        std::shared_ptr<Pieces> pieceNext;
        bool autom = false;
        bool zoomOn = false;    // the controller's zoom flag
        int currentSort = 0;    // the order on Data
        SearchDisplay rechInfo; // the search display of the song
    };
    // Answers whether the song differs from the last one shown (the controller then starts
    // the note and played-mark timers and resets the page count).
    bool setPDFx(const SongCall& call);
    // The search display: valid (the typed text matches) or not, hidden or shown, with the
    // typed text and the current song's highlighted title.
    void updateRechInfoX(bool valid, bool masquer, const QString& rech);
    void updateRechInfo2X(const SearchDisplay& info);
    void refreshX();
    void refreshinfoX();
    void afficherTocX(bool show, int nbTocG, bool filterOn);
    // Beat n of the metronome (hide, or reset the boxes) in every window.
    void updateMetroWithNbTickX(int ticks, bool masquer, bool reset);
    // The playing track's title, artist, position and length (seconds) in every window;
    // hidden when nothing plays.
    void updateItunesInfoX(const QString& title, const QString& artist, double curPos,
                           double maxPos, bool masquer);
    // Entry `item` (1..36) of every list panel shows the song (none: empty) in the state.
    void setItemStateForItemX(int state, const Pieces* piece, int item, const TocContext& context);
    void refreshTocLabel1X();
    void setTocLabel2X(const QString& text);
    void setButtonStateForOngletX(int state, const std::optional<QString>& label, int onglet);
    void ajusterPosButtonTocX();
    void afficherZoomHautX();
    void afficherZoomBasX();
    void ajusterCadreX(bool zoomOn);
    void ajusterDimmerX(double dimmer, double inactive);
    // The general options, to every window.
    void applyWindowOptionsX(const WindowOptions& options);
    // Every window copies its record's choices again and forgets its song; the controller
    // then reloads the pages.
    void refreshDefNoteDefPDFX();
    // Every window not in single page that is synchronised (allScreens) or is the key
    // window gets the mode. Answers the zoom flag recomputed.
    bool setModeAffichageX(int mode, bool allScreens);
    // Offers the message to every window in list order; answers how many took it.
    int setMsgX(const QString& text, const QString& winID, bool stay);
    // Page turn for the windows of one ID (ignoring case); nothing for an empty ID.
    void pageUpDownforWinIDX(const QString& winID, bool down);
    // Page turn for the unsynchronised windows that turn their own pages; answers whether
    // any window took it.
    bool traiterPageUpDown(bool down);

private:
    void forEachWindow(const std::function<void(WindowPDFxSuper*)>& call);

    NotificationCenter& center_;
    QList<WindowPDFxSuper*> windows_;
    QList<WinID> winIDs_;
    std::shared_ptr<Pieces> lastShown_;
    std::function<void()> lastClosing_;
};

} // namespace partivo
