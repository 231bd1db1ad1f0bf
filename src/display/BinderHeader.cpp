#include "display/BinderHeader.h"

#include "display/CompanionTexts.h"
#include "display/MetroBoxes.h"

#include "display/WindowSettings.h"
#include "display/WindowTypes.h"
#include "library/Pieces.h"
#include "library/PiecesDet.h"

namespace partivo {

namespace {

QList<HeaderPart> titleLine(const WindowSettings& s, const PiecesDet& det, const QString& title,
                            int currentSort)
{
    const QColor normal = s.colors.colorForObj(ActColor);
    const QString mark = det.played ? QStringLiteral("✅") : QString();
    const bool hasArtist = !knownArtist(det.auteur).isEmpty();
    if (!hasArtist)
        return {{title + mark, normal}};
    const HeaderPart bullet{QStringLiteral(" • "), headerGrey()};
    if (currentSort == 1)
        return {{det.auteur, s.colors.colorForObj(HighColor)}, bullet, {title + mark, normal}};
    return {{title, normal}, bullet, {det.auteur + mark, headerGrey()}};
}

HeaderPart idPart(const WindowSettings& s)
{
    QColor color(Qt::darkGray);
    if (s.altModeOk)
        color = alternateFoundBlue();
    else if (s.altMode == 1 && !s.altModeOff)
        color = s.colors.colorForObj(ActColor);
    return {idLabelText(s.altDir), color};
}

} // namespace

QColor headerGrey()
{
    return QColor(146, 146, 146);
}

QColor alternateFoundBlue()
{
    return QColor(0, 122, 255);
}

BinderHeader binderHeader(const WindowSettings& settings, Pieces* piece, int currentSort,
                          const ChordProHeading& chordPro)
{
    BinderHeader header;
    header.showTitle = !settings.hideTitleElementTitle;
    header.showTempo = !settings.hideTitleElementTempo;
    header.showNote = !settings.hideTitleElementNote;
    header.id = idPart(settings);
    header.tempo = tempoText(settings, piece);
    header.metroBoxes = metroBoxCount(settings.typeMetro);
    header.metroColor = settings.colors.colorForObj(MetroColor);
    header.metroAccent = settings.colors.colorForObj(HighColor);
    header.metroLabel = settings.colors.colorForObj(ActColor);
    if (!piece || !piece->pieceDet)
        return header;
    const PiecesDet& det = *piece->pieceDet;
    const bool writtenOut = det.titre.contains(u"%{") && !chordPro.title.isEmpty();
    header.title = titleLine(settings, det, writtenOut ? chordPro.title : det.titre, currentSort);
    if (!chordPro.keyAndCapo.isEmpty())
        header.title.append({QStringLiteral(" • ") + chordPro.keyAndCapo, headerGrey()});
    return header;
}

} // namespace partivo
