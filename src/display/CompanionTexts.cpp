#include "display/CompanionTexts.h"

#include "display/WindowSettings.h"
#include "library/Pieces.h"
#include "library/PiecesDet.h"

#include <cmath>

namespace partivo {

namespace {

constexpr int kDefaultTempo = 100;
constexpr double kBarInset = 3;
constexpr int kTenMinutes = 600;

const PiecesDet* detOf(const Pieces* piece)
{
    return piece ? piece->pieceDet.get() : nullptr;
}

QString artistOf(const PiecesDet* det)
{
    return det ? knownArtist(det->auteur) : QString();
}

} // namespace

HeaderPart trackTimeText(const WindowSettings& s, const TrackState& track, bool remaining)
{
    if (track.masquer)
        return {QStringLiteral("  0:00"), s.colors.colorForObj(InactColor)};
    // The remaining time counts the second under way as gone.
    const double seconds =
        remaining ? std::trunc(track.maxPos - track.curPos - 1) : std::trunc(track.curPos);
    const int t = std::max(0, int(seconds));
    const QString format = t < kTenMinutes ? QStringLiteral("  %1:%2") : QStringLiteral("%1:%2");
    return {format.arg(t / 60).arg(t % 60, 2, 10, QLatin1Char('0')),
            s.colors.colorForObj(HighColor)};
}

std::optional<QRectF> progressBar(const TrackState& track, const QSizeF& window)
{
    if (track.masquer || track.maxPos <= 0 || track.curPos < 0 || track.curPos > track.maxPos)
        return std::nullopt;
    const double fraction = track.curPos / track.maxPos;
    QRectF bar(kBarInset, kBarInset, std::max(0.0, window.width() - 2 * kBarInset),
               std::max(0.0, window.height() - 2 * kBarInset));
    if (window.width() > window.height())
        bar.setWidth(bar.width() * fraction);
    else
        bar.setHeight(bar.height() * fraction);
    return bar;
}

HeaderPart tempoText(const WindowSettings& s, Pieces* piece)
{
    const int tempo = detOf(piece) ? piece->knownTempo() : 0;
    if (tempo < 1)
        return {QString::number(kDefaultTempo), s.colors.colorForObj(InactColor)};
    return {QString::number(tempo), s.colors.colorForObj(ActColor)};
}

HeaderPart titleText(const WindowSettings& s, const Pieces* piece)
{
    const PiecesDet* det = detOf(piece);
    return {det ? det->titre : QString(), s.colors.colorForObj(ActColor)};
}

HeaderPart artistText(const WindowSettings& s, const Pieces* piece)
{
    return {artistOf(detOf(piece)), s.colors.colorForObj(ActColor)};
}

HeaderPart nextTitleText(const WindowSettings& s, const Pieces* next)
{
    const PiecesDet* det = detOf(next);
    return {det ? QStringLiteral("▷%1").arg(det->titre) : QString(),
            s.colors.colorForObj(ActColor)};
}

QList<HeaderPart> artistTitleLine(const WindowSettings& s, const Pieces* piece, int currentSort)
{
    const HeaderPart title = titleText(s, piece);
    const QString artist = artistOf(detOf(piece));
    if (currentSort != 1 || artist.isEmpty())
        return {title};
    return {
        {artist, s.colors.colorForObj(HighColor)}, {QStringLiteral(" • "), headerGrey()}, title};
}

} // namespace partivo
