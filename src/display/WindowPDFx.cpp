#include "display/WindowPDFx.h"

#include "display/MetroBoxes.h"

#include "display/BinderHeader.h"
#include "display/DisplayWindows.h"
#include "display/VersionSubstitution.h"
#include "display/WindowTypes.h"
#include "library/Pieces.h"
#include "library/PiecesDet.h"
#include "platform/Commands.h"
#include "platform/NotificationCenter.h"

namespace partivo {

WindowPDFx::WindowPDFx(DisplayWindows& windows, NotificationCenter& center, Timers& timers,
                       PageCounts& counts)
    : WindowPDFxSuper(WinTypeBinder, windows, center, timers), counts_(counts)
{
}

QString WindowPDFx::obtenirTitle() const
{
    return partivo::obtenirTitle(WinTypeBinder, idLabelText(settings_.altDir));
}

QSizeF WindowPDFx::obtenirRefSize() const
{
    return textViewSize_ ? textViewSize_() : WindowPDFxSuper::obtenirRefSize();
}

int WindowPDFx::mode() const
{
    return effectiveMode(settings_.modeAffichage, settings_.syncPageChanges, muteGenre);
}

void WindowPDFx::changed()
{
    if (sceneObserver_)
        sceneObserver_();
}

QString WindowPDFx::shownPath(const std::shared_ptr<Pieces>& piece, bool update)
{
    if (!piece || !piece->pieceDet)
        return {};
    const Substitution s = subsPath(piece->getPath(), settings_);
    if (update)
        settings_.altModeOk = s.alternate;
    return s.path;
}

void WindowPDFx::setPDF(const std::shared_ptr<Pieces>& piece, int pageNo, bool zoomTop, bool zoomOn,
                        int currSort, const std::shared_ptr<Pieces>& pieceNext, bool autom)
{
    PositionInput in;
    in.synchronised = settings_.syncPageChanges;
    in.modeAffichage = settings_.modeAffichage;
    in.ratio21 = settings_.ratio21;
    in.fixPageNo = settings_.fixPageNo;
    in.muteGenre = muteGenre;
    in.automatic = autom;
    in.songChanged = piece != shown_.pieceCour;
    in.page = pageNo;
    in.zoomTop = zoomTop;
    in.pageNoCour = shown_.pageNoCour;
    in.ownZoomTop = shown_.zoomTop;
    const PositionOutcome out = takePosition(in);

    const bool songChanged = in.songChanged;
    const bool sortChanged = songChanged || currSort != shown_.currentSort;
    const bool pageChanged = songChanged || out.pageNo != shown_.pageNoCour || out.hold;
    const bool halfChanged = pageChanged || out.zoomTop != shown_.zoomTop;

    shown_.pieceCour = piece;
    shown_.pieceNext = pieceNext;
    if (!out.hold)
        shown_.pageNoCour = out.pageNo;
    shown_.pageNoCourOrig = out.pageNoOrig;
    shown_.zoomTop = out.zoomTop;
    shown_.zoomOn = zoomOn;
    shown_.currentSort = currSort;

    if (songChanged)
        refreshPiece();
    if (pageChanged) {
        if (out.hold)
            ajusterCadre();
        else
            refreshPDF();
    } else if (pageNo == 1 && zoomTop && shown_.zoomOn && !settings_.ratio21 &&
               !settings_.hideFrame && settings_.syncPageChanges) {
        ajusterCadre();
    }
    if (sortChanged)
        refreshInfo();
    if (halfChanged)
        showHalf(shown_.zoomTop, true);
}

void WindowPDFx::refreshInfo()
{
    const ChordProHeading chordPro =
        typeFichierCour_ == 1 ? counts_.chordProHeading(pathCour_) : ChordProHeading();
    header_ = binderHeader(settings_, shown_.pieceCour.get(), shown_.currentSort, chordPro);
    changed();
}

void WindowPDFx::updateMetroWithNbTick(int ticks, bool masquer, bool reset)
{
    if (reset)
        header_.metroBoxes = metroBoxCount(settings_.typeMetro);
    const int lit = litBeatBox(ticks, masquer);
    if (lit == header_.metroLit && !reset)
        return; // a 10 ms tick that changes nothing repaints nothing
    header_.metroLit = lit;
    if (headerObserver_)
        headerObserver_();
    else
        changed();
}

void WindowPDFx::updateRechInfo(bool valid, bool masquer, const QString& rech)
{
    search_.shown = !masquer;
    search_.valid = valid;
    search_.rech = rech;
    changed();
}

void WindowPDFx::updateRechInfo2(const SearchDisplay& info)
{
    search_.info = info;
    changed();
}

bool WindowPDFx::isBoxRechHidden() const
{
    return !search_.shown || windows_.keyOrFirstBinderWindow() != this;
}

std::optional<PagingInfo> WindowPDFx::paging() const
{
    if (!settings_.syncPageChanges || !shown_.pieceCour)
        return std::nullopt;
    PagingInfo info;
    // In ratio 2:1 a song page is two PDF pages.
    const bool halves = settings_.ratio21 && typeFichierCour_ == 0;
    info.pages = std::max(1, halves ? settings_.nbrPages / 2 : settings_.nbrPages);
    const int m = mode();
    info.singlePage = m == ModeSinglePage || m == ModeAlternate || m == ModeSlideLeft;
    // Sliding shows the page after the first one: its last step shows the last two pages.
    info.extraPages = m == ModeSlideLeft ? 1 : 0;
    return info;
}

void WindowPDFx::colorChanged(int, bool)
{
    refreshInfo();
}

void WindowPDFx::refreshPiece()
{
    WindowPDFxSuper::refreshPiece();
    savePageNo1_ = 0;
    savePageNo2_ = 0;
    pathCour_ = shownPath(shown_.pieceCour, true);
    typeFichierCour_ = pathCour_.isEmpty() || isPdfPath(pathCour_) ? 0 : 1;
    const QString next = shownPath(shown_.pieceNext, false);
    typeFichierNext_ = next.isEmpty() || isPdfPath(next) ? 0 : 1;
    refreshInfo(); // the ID label shows whether the alternate version was found
}

ViewContent WindowPDFx::viewOf(const QString& path, bool chordPro, int page, int pages,
                               const QString& error) const
{
    ViewContent view;
    view.shown = true;
    view.chordPro = chordPro;
    view.message = error;
    // Pages outside the document stay blank.
    if (!path.isEmpty() && error.isEmpty() && page >= 1 && page <= pages) {
        view.path = path;
        view.page = page;
    }
    return view;
}

void WindowPDFx::refreshPDF()
{
    TocScene toc = std::move(scene_.toc); // the list and the tabs stay as they are
    scene_ = BinderScene();
    scene_.toc = std::move(toc);
    scene_.mode = mode();
    scene_.zoomTop = shown_.zoomTop;
    if (!shown_.pieceCour) {
        changed();
        return;
    }
    scene_.songShown = true;
    const QString path = shownPath(shown_.pieceCour, true);
    const bool chordPro = typeFichierCour_ == 1;
    QString error;
    const int pages = path.isEmpty() ? 1 : counts_.pageCount(path, chordPro, settings_, &error);
    settings_.nbrPages = std::max(1, pages);

    PlanInput in;
    in.mode = scene_.mode;
    in.pages = settings_.nbrPages;
    in.page = shown_.pageNoCour;
    in.fixPageNo = settings_.fixPageNo;
    in.ratio21 = settings_.ratio21;
    in.chordPro = chordPro;
    in.savedLeft = savePageNo1_;
    in.savedRight = savePageNo2_;
    QString nextPath;
    QString nextError;
    const bool nextChordPro = typeFichierNext_ == 1;
    if (scene_.mode == ModeTwoPages && shown_.pieceNext)
        nextPath = shownPath(shown_.pieceNext, false);
    PagePlan plan = planPages(in);
    // The next song is opened only when its first page shows, so a file slow to open costs
    // nothing until then (its pages are rendered ahead, and it is opened, on the render
    // thread meanwhile).
    if (plan.rightShowsNext && !nextPath.isEmpty()) {
        in.nextPages = counts_.pageCount(nextPath, nextChordPro, settings_, &nextError);
        plan = planPages(in);
    }

    scene_.left = viewOf(path, chordPro, plan.left, settings_.nbrPages, error);
    scene_.left.label = plan.leftLabel;
    scene_.left.reloaded = plan.reloadLeft;
    const bool twoViews = scene_.mode != ModeHalfPageZoom && scene_.mode != ModeSinglePage;
    if (twoViews) {
        if (plan.rightShowsNext) {
            scene_.right = viewOf(nextPath, nextChordPro, 1, in.nextPages, nextError);
            scene_.rightIsNextSong = true;
        } else {
            scene_.right = viewOf(path, chordPro, plan.right, settings_.nbrPages, error);
        }
        scene_.right.label = plan.rightLabel;
        scene_.right.reloaded = plan.reloadRight;
        savePageNo1_ = plan.left;
        savePageNo2_ = plan.rightShowsNext ? 0 : plan.right;
    } else {
        savePageNo1_ = 0;
        savePageNo2_ = 0;
    }
    const bool hideLabels = chordPro ? settings_.pageNoCHDHide : settings_.pageNoPDFHide;
    if (hideLabels) {
        scene_.left.label.clear();
        scene_.right.label.clear();
    }
    // The inactive half is dimmed in two-page mode only, with the list panel closed.
    if (scene_.mode == ModeTwoPages && !tocOn)
        scene_.rightInactive = plan.rightInactive;
    ajusterCadre();
}

void WindowPDFx::ajusterCadre()
{
    FrameInput in;
    in.tocOpen = tocOn;
    in.zoomOn = shown_.zoomOn;
    in.ratio21 = settings_.ratio21;
    in.hideFrame = settings_.hideFrame;
    in.synchronised = settings_.syncPageChanges;
    in.mode = mode();
    in.pages = settings_.nbrPages;
    in.pageNoOrig = shown_.pageNoCourOrig;
    scene_.frame = placeFrame(in);
    scene_.zoomTop = shown_.zoomTop;
    changed();
}

void WindowPDFx::afficherZoomHaut(bool force)
{
    showHalf(true, force);
}

void WindowPDFx::afficherZoomBas(bool force)
{
    showHalf(false, force);
}

void WindowPDFx::showHalf(bool top, bool force)
{
    if (!settings_.syncPageChanges && !force)
        return;
    shown_.zoomTop = top;
    if (settings_.ratio21 && shown_.pieceCour) {
        // Half pages: the upper half is an odd page of the file, the lower one even.
        const bool odd = shown_.pageNoCour % 2 == 1;
        if (top && !odd) {
            shown_.pageNoCour -= 1;
            refreshPDF();
            return;
        }
        if (!top && odd) {
            shown_.pageNoCour += 1;
            refreshPDF();
            return;
        }
    }
    scene_.markers = ajusterMarqueurZoom(scene_.markers, optHalfPageMarker_, optZoomRedLine_, top);
    ajusterCadre();
}

void WindowPDFx::toggleOngletsVisibles()
{
    afficherMasquerOnglets(!settings_.ongletsVisibles);
    center_.postParam(QLatin1String(action::Key), cmd::WindowIdChanged);
}

void WindowPDFx::applyWindowOptions(const WindowOptions& options)
{
    WindowPDFxSuper::applyWindowOptions(options);
    optHalfPageMarker_ = options.halfPageMarker;
    optZoomRedLine_ = options.redLine;
    scene_.markers =
        ajusterMarqueurZoom(scene_.markers, optHalfPageMarker_, optZoomRedLine_, shown_.zoomTop);
    changed();
}

void WindowPDFx::pageUpDown(bool down)
{
    if (settings_.syncPageChanges || (tocOn && !settings_.hideList))
        return;
    const OwnTurn turn = ownPageTurn(mode(), settings_.ratio21, settings_.nbrPages,
                                     settings_.fixPageNo, shown_.pageNoCour, shown_.zoomTop, down);
    if (!turn.moves)
        return;
    shown_.pageNoCourOrig = turn.page;
    if (turn.page != shown_.pageNoCour) {
        shown_.pageNoCour = turn.page;
        shown_.zoomTop = turn.zoomTop;
        refreshPDF();
    }
    showHalf(turn.zoomTop, true);
}

void WindowPDFx::ajusterSelonModeAffichageWithRefresh(bool refresh)
{
    savePageNo1_ = 0;
    savePageNo2_ = 0;
    if (refresh)
        refreshPDF();
    else
        ajusterCadre();
}

void WindowPDFx::ajusterDimmer(double dimmer, double inactive)
{
    dimmer_ = dimmer;
    inactive_ = inactive;
    changed();
}

void WindowPDFx::resized(double width, double height, bool endOfLiveResize)
{
    const ResizeOutcome out =
        modeAfterResize(settings_.modeAffichage, settings_.singlePageForce, width, height);
    if (out.leavesZoom)
        center_.postParam(QLatin1String(action::Key), cmd::LeaveZoom);
    settings_.modeAffichage = out.mode;
    ajusterSelonModeAffichageWithRefresh(endOfLiveResize);
    scene_.frame = FramePlacement(); // hidden until the next adjustment
    changed();
    center_.postParam(QLatin1String(action::Key), cmd::RecountList);
}

void WindowPDFx::flagChanged(WindowFlag flag)
{
    switch (flag) {
    case WindowFlag::lyricsOnly:
    case WindowFlag::chordProDiagramsHide:
        resetPDF();
        refreshTous();
        break;
    case WindowFlag::hideFrame:
        refreshZoomOn();
        ajusterCadre();
        break;
    case WindowFlag::pageNoPDFHide:
    case WindowFlag::pageNoCHDHide:
        if (shown_.pieceCour)
            refreshPDF();
        break;
    case WindowFlag::ongletsVisibles:
        // The page views get the width the bars leave them.
        resetPDF();
        refreshTous();
        changed();
        break;
    case WindowFlag::hideTitleElementTitle:
    case WindowFlag::hideTitleElementTempo:
    case WindowFlag::hideTitleElementNote:
        refreshInfo();
        break;
    default:
        break;
    }
}

} // namespace partivo
