#include "display/CompanionWindow.h"

#include "display/MetroBoxes.h"
#include "display/WindowTypes.h"
#include "library/Pieces.h"

namespace partivo {

namespace {

constexpr int kBeatBoxes = 4;

// The summary window's track time: the position as "m:ss", "0:00" dimmed while hidden.
HeaderPart summaryTime(const WindowSettings& s, const TrackState& track)
{
    if (track.masquer)
        return {QStringLiteral("0:00"), s.colors.colorForObj(InactColor)};
    const int t = std::max(0, int(track.curPos));
    return {QStringLiteral("%1:%2").arg(t / 60).arg(t % 60, 2, 10, QLatin1Char('0')),
            s.colors.colorForObj(HighColor)};
}

} // namespace

CompanionWindow::CompanionWindow(int winType, DisplayWindows& windows, NotificationCenter& center,
                                 Timers& timers)
    : WindowPDFxSuper(winType, windows, center, timers)
{
    rebuild();
}

QString CompanionWindow::obtenirTitle() const
{
    return partivo::obtenirTitle(settings_.winType, idLabelText(settings_.altDir));
}

bool CompanionWindow::showsSong() const
{
    switch (settings_.winType) {
    case WinTypeSummary:
    case WinTypeTitle:
    case WinTypeArtist:
    case WinTypeTempo:
    case WinTypeMetronome:
    case WinTypeNextTitle:
    case WinTypeArtistTitle:
        return true;
    default:
        return false;
    }
}

bool CompanionWindow::showsTrack() const
{
    const int t = settings_.winType;
    return t == WinTypeSummary || t == WinTypeTrackTime || t == WinTypeRemainingTime ||
           t == WinTypeProgress;
}

bool CompanionWindow::showsBeats() const
{
    const int t = settings_.winType;
    return t == WinTypeSummary || t == WinTypeTempo || t == WinTypeMetronome;
}

void CompanionWindow::resized(const QSizeF& size)
{
    size_ = size;
    if (settings_.winType == WinTypeProgress)
        rebuild();
}

void CompanionWindow::setPDF(const std::shared_ptr<Pieces>& piece, int pageNo, bool zoomTop,
                             bool zoomOn, int currSort, const std::shared_ptr<Pieces>& pieceNext,
                             bool autom)
{
    WindowPDFxSuper::setPDF(piece, pageNo, zoomTop, zoomOn, currSort, pieceNext, autom);
    if (showsSong())
        rebuild();
}

void CompanionWindow::refreshInfo()
{
    rebuild();
}

void CompanionWindow::updateItunesInfo(const QString& trackName, const QString& trackArtist,
                                       double curPos, double maxPos, bool masquer)
{
    WindowPDFxSuper::updateItunesInfo(trackName, trackArtist, curPos, maxPos, masquer);
    if (!showsTrack())
        return;
    track_ = {curPos, maxPos, masquer};
    rebuild();
}

void CompanionWindow::updateMetroWithNbTick(int ticks, bool masquer, bool reset)
{
    if (!showsBeats())
        return;
    const int lit = litBeatBox(ticks, masquer);
    if (lit == metroLit_ && !reset)
        return; // a 10 ms tick that changes nothing repaints nothing
    metroLit_ = lit;
    rebuild();
}

void CompanionWindow::colorChanged(int, bool)
{
    rebuild();
}

void CompanionWindow::noteLineChanged()
{
    WindowPDFxSuper::noteLineChanged();
    const int t = settings_.winType;
    if (t == WinTypeSummary || t == WinTypeNote)
        rebuild();
}

void CompanionWindow::rebuild()
{
    const WindowSettings& s = settings_;
    Pieces* piece = shown_.pieceCour.get();
    CompanionScene scene;
    MetroBeats beats;
    beats.count = kBeatBoxes;
    beats.lit = metroLit_;
    beats.color = s.colors.colorForObj(MetroColor);
    beats.accent = s.colors.colorForObj(HighColor);
    beats.label = s.colors.colorForObj(ActColor);
    HeaderPart tempo = tempoText(s, piece);
    // The tempo flashes in the metronome's colour on every lit beat.
    if (metroLit_ != 0)
        tempo.color = s.colors.colorForObj(MetroColor);

    switch (s.winType) {
    case WinTypeSummary:
        scene.lines = {{titleText(s, piece)},
                       {artistText(s, piece)},
                       {{idLabelText(s.altDir), s.colors.colorForObj(InactColor)}},
                       {tempo},
                       {{shownLine(), s.colors.colorForObj(ActColor)}},
                       {summaryTime(s, track_)}};
        scene.beats = beats;
        break;
    case WinTypeTitle:
        scene.lines = {{titleText(s, piece)}};
        break;
    case WinTypeTrackTime:
    case WinTypeRemainingTime:
        scene.lines = {{trackTimeText(s, track_, s.winType == WinTypeRemainingTime)}};
        break;
    case WinTypeArtist:
        scene.lines = {{artistText(s, piece)}};
        break;
    case WinTypeTempo:
        scene.lines = {{tempo}};
        break;
    case WinTypeProgress:
        scene.bar = progressBar(track_, size_);
        scene.barColor = s.colors.colorForObj(HighColor);
        break;
    case WinTypeNote:
        scene.lines = {{{shownLine(), s.colors.colorForObj(ActColor)}}};
        break;
    case WinTypeMetronome:
        scene.beats = beats;
        break;
    case WinTypeNextTitle:
        scene.lines = {{nextTitleText(s, shown_.pieceNext.get())}};
        break;
    case WinTypeArtistTitle:
        scene.lines = {artistTitleLine(s, piece, shown_.currentSort)};
        break;
    default: // the empty panel shows nothing
        break;
    }
    if (scene == scene_)
        return;
    scene_ = std::move(scene);
    if (sceneObserver_)
        sceneObserver_();
}

} // namespace partivo
