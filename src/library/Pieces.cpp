#include "library/Pieces.h"

#include "library/NoteDirectives.h"
#include "library/TabDet.h"

#include <QRandomGenerator>
#include <algorithm>

namespace partivo {

namespace {

// The keyword with one space on each side occurs in the tags.
bool containsWholeTag(const QString& tags, const QString& keyword)
{
    const qsizetype n = keyword.size();
    for (qsizetype at = tags.indexOf(keyword, 1); at > 0; at = tags.indexOf(keyword, at + 1)) {
        if (tags.at(at - 1) == QLatin1Char(' ') && at + n < tags.size() &&
            tags.at(at + n) == QLatin1Char(' '))
            return true;
    }
    return false;
}

// Upper case as QString::toUpper, with a quick path for the common all-ASCII text.
QString upperCased(const QString& text)
{
    QString out(text.size(), Qt::Uninitialized);
    char16_t* dst = reinterpret_cast<char16_t*>(out.data());
    const char16_t* src = reinterpret_cast<const char16_t*>(text.utf16());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = src[i];
        if (c >= 0x80)
            return text.toUpper();
        dst[i] = c >= u'a' && c <= u'z' ? char16_t(c - 32) : c;
    }
    return out;
}

bool keywordMatches(const TabDet& tab, const MatchTexts& texts, const QString& keyword)
{
    switch (tab.lookInto) {
    case TabDet::Title:
        return texts.title().contains(keyword);
    case TabDet::Artist:
        return texts.artist().contains(keyword);
    case TabDet::Tags:
        return containsWholeTag(texts.tags(), keyword);
    case TabDet::FileName:
        return texts.fileName().contains(keyword);
    default:
        return texts.all().contains(keyword);
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

// n as eight digits with leading zeros.
void appendEightDigits(QString& key, quint32 n)
{
    char digits[8];
    for (int i = 7; i >= 0; --i, n /= 10)
        digits[i] = char('0' + n % 10);
    key.append(QLatin1StringView(digits, 8));
}

QString sortKey(int order, int tabNo, int n, const PiecesDet& det, const QString& prefix,
                QRandomGenerator& random)
{
    QString key;
    key.reserve(det.titre.size() + det.auteur.size() + 10);
    key.append(QChar(u'0' + tabNo));
    switch (order) {
    case TabDet::ListOrder:
        appendEightDigits(key, quint32(std::max(0, n)));
        key.append(det.titre);
        break;
    case TabDet::ByArtist:
        key.append(det.auteur).append(det.titre);
        break;
    case TabDet::ByTagPrefix:
        key.append(prefixText(det.infoF, prefix)).append(det.titre);
        break;
    case TabDet::Random:
        appendEightDigits(key, random.bounded(99999u));
        break;
    default:
        key.append(det.titre);
        break;
    }
    return key;
}

} // namespace

MatchTexts::MatchTexts(const PiecesDet& det, const QString& name) : det_(det), name_(name) {}

const QString& MatchTexts::upper(std::optional<QString>& slot, const QString& text) const
{
    if (!slot)
        slot = upperCased(text);
    return *slot;
}

const QString& MatchTexts::fileName() const
{
    return upper(fileName_, name_);
}

const QString& MatchTexts::title() const
{
    return upper(title_, det_.titre);
}

const QString& MatchTexts::artist() const
{
    return upper(artist_, det_.auteur);
}

const QString& MatchTexts::tags() const
{
    return upper(tags_, det_.infoF);
}

const QString& MatchTexts::all() const
{
    if (!all_)
        all_ = upperCased(det_.titre + det_.auteur + det_.infoF);
    return *all_;
}

bool tabAdmits(const TabDet& tab, const MatchTexts& texts, const QString& fn, const QStringList& kw,
               int& n)
{
    if (tab.optSel == TabDet::Setlist)
        return !fn.isEmpty() && texts.fileName().startsWith(fn);

    n = 0;
    bool state = tab.optSel != TabDet::AnyKeyword;
    for (const QString& keyword : kw) {
        if (keyword.isEmpty())
            continue;
        ++n;
        const bool match = keywordMatches(tab, texts, keyword);
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
    if (!force && tab) {
        const bool admitted = context.match
                                  ? tabAdmits(*tab, *context.match, fn, kw, n)
                                  : tabAdmits(*tab, MatchTexts(*det, fileName), fn, kw, n);
        if (!admitted)
            return nullptr;
    }

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
    const int t = knownTempo();
    return t == 0 ? QString() : QString::number(t);
}

QString Pieces::notetxtForDir(const QString& altDir, int altMode, int defNote) const
{
    return noteLineForWindow(pieceDet->notetxt, altDir, altMode, defNote);
}

} // namespace partivo
