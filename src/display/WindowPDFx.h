#pragma once

#include "display/BinderHeader.h"
#include "display/BinderPages.h"
#include "display/WindowPDFxSuper.h"

namespace partivo {

// Page counts of the song files, and why a file cannot be shown.
class PageCounts {
public:
    virtual ~PageCounts() = default;
    // Pages of the file as the window shows it (ChordPro: rendered pages); 0 with a
    // message when it cannot be shown.
    virtual int pageCount(const QString& path, bool chordPro, const WindowSettings& window,
                          QString* error) = 0;
    // What the header takes from a ChordPro song: its title with "%{...}" written out, and
    // its key and capo ("" for none).
    virtual ChordProHeading chordProHeading(const QString& path)
    {
        (void)path;
        return {};
    }
};

// What one page view shows.
struct ViewContent {
    bool shown = false;
    QString path; // "" : a blank page
    int page = 0; // 1-based page of the file
    bool chordPro = false;
    QString label;         // page number over the page
    QString message;       // why the file cannot be shown
    bool reloaded = false; // loaded by the last refresh (modes 4 and 5 keep unchanged halves)
};

// Everything the binder window paints: the views of its mode, the dimmed halves, the
// half-page frame and, in zoom, the half shown.
struct BinderScene {
    int mode = 0; // effective mode
    bool songShown = false;
    ViewContent left; // also the single page and the zoom view
    ViewContent right;
    bool leftInactive = false;
    bool rightInactive = false;
    bool rightIsNextSong = false;
    FramePlacement frame;
    bool zoomTop = true;
    ZoomMarkers markers; // zoom mode only
    TocScene toc;        // the song list panel and the tab bars
};

// The binder window's logic: it takes the global position, works out the pages of its
// mode, turns its own pages when unsynchronised, and keeps a scene the widget paints.
class WindowPDFx : public WindowPDFxSuper {
public:
    WindowPDFx(DisplayWindows& windows, NotificationCenter& center, Timers& timers,
               PageCounts& counts);

    // State the controller shares with every binder window.
    bool muteGenre = false; // the global genre is "(MUTE)"
    bool tocOn = false;     // the song list panel is open

    const BinderScene& scene() const { return scene_; }
    // The information lines above the pages.
    const BinderHeader& header() const { return header_; }
    const SearchBox& searchBox() const { return search_; }
    // Runs after every change of the scene.
    void setSceneObserver(std::function<void()> observer) { sceneObserver_ = std::move(observer); }
    // Runs when only the information lines changed (a metronome beat): the pages need no
    // repaint. Without it the scene observer runs.
    void setHeaderObserver(std::function<void()> observer)
    {
        headerObserver_ = std::move(observer);
    }
    int nbrPages() const { return settings_.nbrPages; }
    bool typeFichierCourIsChordPro() const { return typeFichierCour_ == 1; }

    // The window was resized to that size; endOfLiveResize also reloads the pages.
    void resized(double width, double height, bool endOfLiveResize);

    QString obtenirTitle() const override;
    // The mode the window lays its pages out in now (two-page (MUTE) as alternate).
    int mode() const;
    // The size of the page view the mode shows ChordPro pages in: the left view in the
    // two-page modes, the zoom or single view otherwise. The widget says what it is.
    QSizeF obtenirRefSize() const override;
    void setTextViewSize(std::function<QSizeF()> size) { textViewSize_ = std::move(size); }
    void setPDF(const std::shared_ptr<Pieces>& piece, int pageNo, bool zoomTop, bool zoomOn,
                int currSort, const std::shared_ptr<Pieces>& pieceNext, bool autom) override;
    void refreshPiece() override;
    void refreshInfo() override;
    void updateMetroWithNbTick(int ticks, bool masquer, bool reset) override;
    void updateRechInfo(bool valid, bool masquer, const QString& rech) override;
    void updateRechInfo2(const SearchDisplay& info) override;
    // Only the key window shows the search box.
    bool isBoxRechHidden() const override;
    std::optional<PagingInfo> paging() const override;
    void refreshPDF() override;
    void pageUpDown(bool down) override;
    void afficherZoomHaut(bool force) override;
    void afficherZoomBas(bool force) override;
    void ajusterCadre() override;
    void ajusterSelonModeAffichageWithRefresh(bool refresh) override;
    void ajusterDimmer(double dimmer, double inactive) override;
    double dimmer() const { return dimmer_; }
    // Shows or hides the tab bars and tells the controller (1010).
    void toggleOngletsVisibles();
    // The tab bars show or hide; the pages are laid out again beside them.
    void afficherMasquerOnglets(bool show) override;
    void afficherToc(bool show, int nbTocG, bool filterOn) override;
    void setItemStateForItem(int item, const TocItemView& view) override;
    void refreshTocLabel1() override;
    void setTocLabel2(const QString& text) override;
    void setButtonStateForOnglet(int state, const std::optional<QString>& label,
                                 int onglet) override;
    void ajusterPosButtonToc() override;
    // The list panel covers the pages (it is open and the window does not hide its list).
    bool tocShown() const { return scene_.toc.open; }
    void applyWindowOptions(const WindowOptions& options) override;
    double inactiveDimmer() const { return inactive_; }

protected:
    void flagChanged(WindowFlag flag) override;
    void colorChanged(int index, bool refreshData) override;

private:
    QString shownPath(const std::shared_ptr<Pieces>& piece, bool update);
    ViewContent viewOf(const QString& path, bool chordPro, int page, int pages,
                       const QString& error) const;
    void showHalf(bool top, bool force);
    void changed();

    PageCounts& counts_;
    BinderScene scene_;
    BinderHeader header_;
    SearchBox search_;
    std::function<void()> sceneObserver_;
    std::function<void()> headerObserver_;
    std::function<QSizeF()> textViewSize_;
    int typeFichierCour_ = 0; // 0 PDF, 1 ChordPro
    QString pathCour_;        // the file shown for the current song (an alternate version too)
    int typeFichierNext_ = 0;
    int savePageNo1_ = 0;
    int savePageNo2_ = 0;
    int optHalfPageMarker_ = 0;
    int optZoomRedLine_ = 0;
    double dimmer_ = 0;
    double inactive_ = 0;
};

} // namespace partivo
