#include "display/WindowPDFxSuper.h"

#include "display/DisplayWindows.h"
#include "display/MetroBoxes.h"
#include "display/PlatformWindow.h"
#include "library/Pieces.h"
#include "library/PiecesDet.h"
#include "platform/Commands.h"
#include "platform/NotificationCenter.h"

namespace partivo {

WindowPDFxSuper::WindowPDFxSuper(int winType, DisplayWindows& windows, NotificationCenter& center,
                                 Timers& timers)
    : windows_(windows), center_(center), settings_(WindowSettings::forType(winType)),
      message_(timers, [this] { noteLineChanged(); })
{
    message_.setOnMessage([this] { noteLineChanged(); });
}

WindowPDFxSuper::~WindowPDFxSuper()
{
    windows_.forget(this);
}

void WindowPDFxSuper::setNoteLine(const QString& note)
{
    note_ = note;
    noteLineChanged();
}

QString WindowPDFxSuper::shownLine() const
{
    return message_.text().isEmpty() ? note_ : message_.text();
}

void WindowPDFxSuper::noteLineChanged()
{
    if (noteObserver_)
        noteObserver_();
}

void WindowPDFxSuper::iniMode(int mode, const QString& dir)
{
    settings_.iniMode(mode, dir, windows_.winIDs());
}

void WindowPDFxSuper::refreshDefNoteDefPDF()
{
    settings_.refreshDefNoteDefPDF(windows_.winIDs());
}

int WindowPDFxSuper::litBeatBox(int tick, bool masquer) const
{
    if (masquer)
        return 0;
    const PiecesDet* det = shown_.pieceCour ? shown_.pieceCour->pieceDet.get() : nullptr;
    return metroBoxForTick(settings_.typeMetro, tick, det ? det->signature : 0);
}

void WindowPDFxSuper::toggleAltModeOnOff()
{
    settings_.altModeOff = !settings_.altModeOff;
    resetPDF();
}

void WindowPDFxSuper::selectNextDir()
{
    if (const WinID* next = windows_.obtenirNextWinID(settings_.altMode, settings_.altDir))
        iniMode(1, next->idWin);
    else
        iniMode(0, QString());
    refreshInfo(); // the ID label
    if (shown_.pieceCour) {
        resetPDF();
        refreshTous();
    }
    center_.postParam(QLatin1String(action::Key), cmd::WindowIdChanged);
}

void WindowPDFxSuper::iniFlag(WindowFlag flag, bool on)
{
    windowFlag(settings_, flag) = on;
    flagChanged(flag);
}

void WindowPDFxSuper::iniFixPageNo(int offset)
{
    settings_.iniFixPageNo(offset);
}

void WindowPDFxSuper::iniZoomOn(bool on)
{
    shown_.zoomOn = on;
}

void WindowPDFxSuper::iniModeAffichage(int mode, bool refresh)
{
    if (settings_.iniModeAffichage(mode))
        ajusterSelonModeAffichageWithRefresh(refresh);
}

void WindowPDFxSuper::iniTypeMetro(int type)
{
    settings_.iniTypeMetro(type);
    updateMetroWithNbTick(0, true, true);
}

void WindowPDFxSuper::setMetroType()
{
    settings_.setMetroType();
    updateMetroWithNbTick(0, true, true);
}

void WindowPDFxSuper::iniTransparent(bool transparent)
{
    settings_.transparent = transparent;
    if (platform_)
        platform_->setOpaqueBackground(!transparent, QColor(Qt::black));
}

void WindowPDFxSuper::iniAlwaysOnTop(bool onTop)
{
    settings_.alwaysOnTop = onTop;
    applyLevel(onTop);
}

void WindowPDFxSuper::applyLevel(bool floating)
{
    if (platform_)
        platform_->setFloating(floating, floating);
}

QColor WindowPDFxSuper::colorForObj(int index) const
{
    return settings_.colors.colorForObj(index);
}

void WindowPDFxSuper::iniColorForObj(int index, const QColor& color, bool refreshData)
{
    if (!settings_.colors.iniColorForObj(index, color))
        return;
    if (index == BackColor && !settings_.transparent && platform_)
        platform_->setOpaqueBackground(true, color);
    colorChanged(index, refreshData);
}

void WindowPDFxSuper::applyWindowOptions(const WindowOptions& options)
{
    options_ = options;
    ajusterDimmer(options.dimmer.dimmer, options.dimmer.inactive);
}

void WindowPDFxSuper::reloadDocuments()
{
    if (reloadObserver_)
        reloadObserver_();
    resetPDF();
}

void WindowPDFxSuper::resetPDF()
{
    shown_ = ShownSong();
    message_.setSeconds30(false);
}

void WindowPDFxSuper::refreshTous()
{
    center_.postParam(QLatin1String(action::Key), cmd::ReloadAllPages);
}

void WindowPDFxSuper::refreshZoomOn()
{
    shown_.zoomOn = windows_.isUneFenetreEstZoomDemiPage();
}

void WindowPDFxSuper::applicationActiveChanged(bool active)
{
    if (!settings_.alwaysOnTop || !platform_)
        return;
    if (active) {
        applyLevel(true);
    } else {
        platform_->setFloating(false, false);
        platform_->orderFront();
    }
}

void WindowPDFxSuper::windowDidBecomeMain()
{
    if (settings_.winType == WinTypeBinder) {
        windows_.clearKeyWin();
        settings_.keywin = true;
    }
    center_.postParam(QLatin1String(action::Key), cmd::WindowsChanged);
}

QSizeF WindowPDFxSuper::obtenirRefSize() const
{
    return platform_ ? platform_->frameSize() : QSizeF(0, 0);
}

void WindowPDFxSuper::setPDF(const std::shared_ptr<Pieces>& piece, int pageNo, bool zoomTop,
                             bool zoomOn, int currSort, const std::shared_ptr<Pieces>& pieceNext,
                             bool /*autom*/)
{
    shown_.pieceCour = piece;
    shown_.pieceNext = pieceNext;
    shown_.pageNoCour = pageNo;
    shown_.pageNoCourOrig = pageNo;
    shown_.zoomTop = zoomTop;
    shown_.zoomOn = zoomOn;
    shown_.currentSort = currSort;
}

void WindowPDFxSuper::setMsg(const QString& text, bool stay)
{
    message_.setMsg(text, stay);
}

void WindowPDFxSuper::refreshPiece()
{
    windows_.recOn = false;
    message_.setSeconds30(false);
}

void WindowPDFxSuper::refreshNote(bool clearAfter30s)
{
    message_.refreshNote(clearAfter30s);
}

void WindowPDFxSuper::updateItunesInfo(const QString&, const QString&, double, double, bool masquer)
{
    playing_ = !masquer;
}

} // namespace partivo
