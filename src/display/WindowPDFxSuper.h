#pragma once

#include "display/Dimmer.h"
#include "display/MessageLine.h"
#include "display/TocView.h"
#include "display/WindowFlag.h"
#include "display/WindowSettings.h"
#include "library/Position.h"
#include "library/SearchText.h"

#include <QSizeF>
#include <QString>
#include <functional>
#include <memory>
#include <optional>

namespace partivo {

class DisplayWindows;
class NotificationCenter;
class Pieces;
class PlatformWindow;
class Timers;

// The song a window shows, and where in it; nothing of it is stored.
struct ShownSong {
    std::shared_ptr<Pieces> pieceCour; // none: nothing shown
    std::shared_ptr<Pieces> pieceNext; // for the preview of the next song
    int pageNoCour = 0;                // 1-based; 0 forces a redraw
    int pageNoCourOrig = 0;            // before the window's own offset and rounding
    bool zoomTop = true;               // upper half in half-page zoom
    bool zoomOn = false;               // some synchronised window is in half-page zoom
    int currentSort = 0;               // the order the song was chosen under
};

// The logic of every display window: its settings, the shown song, the message line, and
// the operations the controller sends to every window alike. Each operation has a harmless
// default here, so a broadcast reaches all windows and each kind reacts only to what
// concerns it. The platform window, when there is one, carries out looks and levels.
class WindowPDFxSuper {
public:
    WindowPDFxSuper(int winType, DisplayWindows& windows, NotificationCenter& center,
                    Timers& timers);
    virtual ~WindowPDFxSuper();
    WindowPDFxSuper(const WindowPDFxSuper&) = delete;
    WindowPDFxSuper& operator=(const WindowPDFxSuper&) = delete;

    const WindowSettings& settings() const { return settings_; }
    // Plain stores for loading a screenset; reactions are up to the caller.
    WindowSettings& mutableSettings() { return settings_; }
    const ShownSong& shown() const { return shown_; }
    MessageLine& messageLine() { return message_; }
    bool playing() const { return playing_; }

    DisplayWindows& windows() { return windows_; }
    void setPlatformWindow(PlatformWindow* window) { platform_ = window; }
    PlatformWindow* platformWindow() const { return platform_; }

    // The note line: the message while one shows, else the note.
    void setNoteLine(const QString& note);
    QString shownLine() const;
    // Runs whenever the text of the note line changes.
    void setNoteLineObserver(std::function<void()> observer)
    {
        noteObserver_ = std::move(observer);
    }

    // Window ID and the choices copied from its record.
    void iniMode(int mode, const QString& dir);
    void refreshDefNoteDefPDF();
    void toggleAltModeOnOff();
    // Steps master, first ID, ..., last ID, master; reloads a shown song.
    void selectNextDir();

    void iniFlag(WindowFlag flag, bool on);
    void iniFixPageNo(int offset);
    void iniZoomOn(bool on);
    void iniModeAffichage(int mode, bool refresh);
    void iniTypeMetro(int type);
    void setMetroType();
    void iniTransparent(bool transparent);
    void iniAlwaysOnTop(bool onTop);
    void setTransparentOnOff() { iniTransparent(!settings_.transparent); }
    void setAlwaysOnTopOnOff() { iniAlwaysOnTop(!settings_.alwaysOnTop); }
    void iniFullScreen(bool fullScreen) { settings_.fullScreen = fullScreen; }
    // An invalid colour when the index is 24 or more.
    QColor colorForObj(int index) const;
    void iniColorForObj(int index, const QColor& color, bool refreshData);

    // Forgets the shown song: the next setPDF redraws everything.
    void resetPDF();
    // The song files may have changed on disk: forget them and what was drawn of them.
    void reloadDocuments();
    void setReloadObserver(std::function<void()> observer)
    {
        reloadObserver_ = std::move(observer);
    }
    // Asks the controller to reload the pages of every window.
    void refreshTous();
    void refreshZoomOn();

    // The application became inactive or active again: floating windows drop to the
    // normal level and show while it is inactive, and float again when it is back.
    void applicationActiveChanged(bool active);
    // The window became the application's main window.
    void windowDidBecomeMain();

    // The window's frame size; (0, 0) without a platform window.
    virtual QSizeF obtenirRefSize() const;
    // The title lists show for the window.
    virtual QString obtenirTitle() const { return {}; }

    // Operations the controller broadcasts.
    virtual void setPDF(const std::shared_ptr<Pieces>& piece, int pageNo, bool zoomTop, bool zoomOn,
                        int currSort, const std::shared_ptr<Pieces>& pieceNext, bool autom);
    // Routing (which windows take it, the warning sign) is done by the sender.
    virtual void setMsg(const QString& text, bool stay);
    virtual void pageUpDown(bool /*down*/) {}
    virtual void refreshPiece();
    virtual void refreshNote(bool clearAfter30s);
    virtual void updateItunesInfo(const QString& trackName, const QString& trackArtist,
                                  double curPos, double maxPos, bool masquer);
    virtual void ajusterSelonModeAffichageWithRefresh(bool /*refresh*/) {}
    // The song list panel and the tab buttons (binder windows show them). A tab button's
    // label replaces its title when given.
    virtual void setButtonStateForOnglet(int /*state*/, const std::optional<QString>& /*label*/,
                                         int /*onglet*/)
    {
    }
    virtual void refreshTocLabel1() {}
    virtual void setTocLabel2(const QString& /*text*/) {}
    virtual void setItemStateForItem(int /*item*/, const TocItemView& /*view*/) {}
    virtual void updateMetroWithNbTick(int /*ticks*/, bool /*masquer*/, bool /*reset*/) {}
    virtual void updateRechInfo(bool /*valid*/, bool /*masquer*/, const QString& /*rech*/) {}
    virtual void updateRechInfo2(const SearchDisplay& /*info*/) {}
    virtual void ajusterDimmer(double /*dimmer*/, double /*inactive*/) {}
    // The general options: kept here (clicks and swipes on the window read them), the
    // dimmer and the half-page markers applied by the window kinds that show them.
    virtual void applyWindowOptions(const WindowOptions& options);
    const WindowOptions& windowOptions() const { return options_; }
    virtual void afficherMasquerOnglets(bool /*show*/) {}
    // Opens or closes the song list panel; a page holds nbTocG entries (36 in two columns,
    // 18 in one); the filter button shows while a filter is on.
    virtual void afficherToc(bool /*show*/, int /*nbTocG*/, bool /*filterOn*/) {}
    virtual void masquerObjet() {}
    virtual void afficherZoomHaut(bool /*animate*/) {}
    virtual void afficherZoomBas(bool /*animate*/) {}
    virtual void ajusterCadre() {}
    virtual void ajusterPosButtonToc() {}
    virtual void refreshInfo() {}
    virtual void refreshPDF() {}
    virtual void refreshPageNo() {}
    virtual void refreshPosTitleElements() {}
    virtual bool isBoxRechHidden() const { return true; }
    // How this window pages through the current song, when it follows the global position
    // and shows a song; nothing otherwise (the default).
    virtual std::optional<PagingInfo> paging() const { return std::nullopt; }

protected:
    // The beat box lit for metronome tick n by the window's metronome type and the shown
    // song's signature; 0 while the beat is hidden.
    int litBeatBox(int tick, bool masquer) const;

    // Reactions of a window kind to a setting that was just stored.
    virtual void flagChanged(WindowFlag /*flag*/) {}
    virtual void colorChanged(int /*index*/, bool /*refreshData*/) {}
    // The message or the note to show in the note line changed.
    virtual void noteLineChanged();

    DisplayWindows& windows_;
    NotificationCenter& center_;
    WindowSettings settings_;
    ShownSong shown_;

private:
    void applyLevel(bool floating);

    PlatformWindow* platform_ = nullptr;
    WindowOptions options_;
    std::function<void()> reloadObserver_;
    MessageLine message_;
    QString note_;
    std::function<void()> noteObserver_;
    bool playing_ = false;
};

} // namespace partivo
