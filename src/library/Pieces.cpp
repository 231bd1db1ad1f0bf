#include "library/Pieces.h"

#include "library/NoteDirectives.h"
#include "library/TabDet.h"

#include <QRandomGenerator>

namespace partivo {

namespace {

bool keywordMatches(const TabDet& tab, const PiecesDet& det, const QString& upperFileName,
                    const QString& keyword)
{
    switch (tab.lookInto) {
    case TabDet::Title:
        return det.titre.toUpper().contains(keyword);
    case TabDet::Artist:
        return det.auteur.toUpper().contains(keyword);
    case TabDet::Tags:
        return det.infoF.toUpper().contains(QLatin1Char(' ') + keyword + QLatin1Char(' '));
    case TabDet::FileName:
        return upperFileName.contains(keyword);
    default:
        return (det.titre + det.auteur + det.infoF).toUpper().contains(keyword);
    }
}

// Tags from the first occurrence of the prefix on, in the case they are written.
QString prefixText(const QString& infoF, const QString& prefix)
{
    if (prefix.isEmpty())
        return QString();
    const int at = infoF.indexOf(prefix, 0, Qt::CaseInsensitive);
    return at < 0 ? QString() : infoF.mid(at);
}

QString sortKey(int order, int tabNo, int n, const PiecesDet& det, const QString& prefix,
                QRandomGenerator& random)
{
    const QString t = QString::number(tabNo);
    switch (order) {
    case TabDet::ListOrder:
        return t + QStringLiteral("%1").arg(n, 8, 10, QLatin1Char('0')) + det.titre;
    case TabDet::ByArtist:
        return t + det.auteur + det.titre;
    case TabDet::ByTagPrefix:
        return t + prefixText(det.infoF, prefix) + det.titre;
    case TabDet::Random:
        return t + QStringLiteral("%1").arg(random.bounded(99999u), 8, 10, QLatin1Char('0'));
    default:
        return t + det.titre;
    }
}

} // namespace

bool tabAdmits(const TabDet& tab, const PiecesDet& det, const QString& fileName,
               const QString& fn, const QStringList& kw, int& n)
{
    const QString upperFileName = fileName.toUpper();
    if (tab.optSel == TabDet::Setlist)
        return !fn.isEmpty() && upperFileName.startsWith(fn);

    n = 0;
    bool state = tab.optSel != TabDet::AnyKeyword;
    for (const QString& keyword : kw) {
        if (keyword.isEmpty())
            continue;
        ++n;
        const bool match = keywordMatches(tab, det, upperFileName, keyword);
        if (tab.optSel == TabDet::AnyKeyword && match) {
            state = true;
            break;
        }
        if ((tab.optSel == TabDet::AllKeywords && !match) ||
            (tab.optSel == TabDet::NoKeyword && match)) {
            state = false;
            break;
        }
    }
    if (tab.optSel == TabDet::AllKeywords)
        return state && n > 0;
    return state;
}

std::shared_ptr<Pieces> Pieces::initWithPDF(const QString& path, const QString& fileName,
                                            int typeFichier, int ongNo, const TabDet* tab,
                                            bool force, int noLigne, const QString& fn,
                                            const QStringList& kw,
                                            const std::shared_ptr<Pieces>& pieceMaster,
                                            const EntryContext& context)
{
    std::shared_ptr<PiecesDet> det;
    if (pieceMaster) {
        det = pieceMaster->pieceDet;
    } else {
        det = std::make_shared<PiecesDet>();
        det->fichier = path;
        det->verifNote(context.notes);
        det->typeFichier1 = typeFichier;
        det->majInfoFromNote();
        det->indexInTEMP.fill(0);
    }

    int n = noLigne;
    if (!force && tab && !tabAdmits(*tab, *det, fileName, fn, kw, n))
        return nullptr;

    auto entry = std::make_shared<Pieces>();
    entry->pieceDet = det;
    entry->ongNo = ongNo;
    if (!tab)
        return entry;

    QRandomGenerator& random = context.random ? *context.random : *QRandomGenerator::global();
    entry->sortString1 = sortKey(tab->tabSort, ongNo, n, *det, tab->tabPrefix, random);
    entry->sortString2 = sortKey(tab->tabSortAlt, ongNo, n, *det, tab->tabPrefixAlt, random);
    return entry;
}

bool Pieces::majInfo()
{
    const QString title = pieceDet->titre;
    const QString artist = pieceDet->auteur;
    const QString tags = pieceDet->infoF;
    pieceDet->majInfoFromNote();
    return title != pieceDet->titre || artist != pieceDet->auteur || tags != pieceDet->infoF;
}

int Pieces::tempo()
{
    const TempoInfo info = tempoFromNote(pieceDet->notetxt);
    pieceDet->tempoOk = true;
    pieceDet->tempo = info.tempo;
    pieceDet->signature = info.signature;
    return info.tempo;
}

QString Pieces::tempoTxt()
{
    const int t = pieceDet->tempoOk ? pieceDet->tempo : tempo();
    return t == 0 ? QString() : QString::number(t);
}

QString Pieces::notetxtForDir(const QString& altDir, int altMode, int defNote) const
{
    return noteLineForWindow(pieceDet->notetxt, altDir, altMode, defNote);
}

} // namespace partivo
