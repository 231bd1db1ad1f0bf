#include "library/PlayedLog.h"

#include "library/Data.h"
#include "library/FileNames.h"
#include "platform/Prefs.h"

#include <algorithm>
#include <vector>

namespace partivo {

void markAsalreadyPlayed(Data& data, const std::shared_ptr<Pieces>& entry, bool toggle)
{
    if (!entry || !entry->pieceDet)
        return;
    PiecesDet& det = *entry->pieceDet;
    det.played = toggle ? !det.played : true;
    if (det.played && (data.listePiecesLog.isEmpty() || data.listePiecesLog.last() != entry))
        data.listePiecesLog.append(entry);
}

void clearAllPlayedStates(Data& data)
{
    data.listePiecesLog.clear();
    for (const auto& entry : std::as_const(data.listePiecesTEMP1)) {
        if (entry->pieceDet)
            entry->pieceDet->played = false;
    }
}

int recallPlayedStates(Data& data, const QString& text)
{
    clearAllPlayedStates(data);
    QStringList lines;
    for (const QString& line : text.toUpper().split(QLatin1Char('\n'))) {
        const QString l = line.trimmed();
        lines << l; // kept in place so that positions stay the lines' positions
    }
    struct Marked {
        qsizetype line;
        std::shared_ptr<Pieces> entry;
    };
    std::vector<Marked> marked;
    for (const auto& entry : std::as_const(data.listePiecesTEMP1)) {
        if (entry->ongNo != 0 || !entry->pieceDet)
            continue;
        const QString name = fileNameOf(entry->getPath()).toUpper();
        for (qsizetype k = 0; k < lines.size(); ++k) {
            // An empty line would begin every name: it marks nothing.
            if (!lines[k].isEmpty() && name.startsWith(lines[k])) {
                entry->pieceDet->played = true;
                marked.push_back({k, entry});
            }
        }
    }
    std::stable_sort(marked.begin(), marked.end(),
                     [](const Marked& a, const Marked& b) { return a.line < b.line; });
    for (const Marked& m : marked)
        data.listePiecesLog.append(m.entry);
    return int(marked.size());
}

namespace {

// The store's keys of the ten rotating slots.
constexpr char kLastKey[] = "plogLast";

QString textKey(int slot)
{
    return QStringLiteral("plogTx%1").arg(slot);
}

QString dateKey(int slot)
{
    return QStringLiteral("plogDate%1").arg(slot);
}

} // namespace

int playedLogLast(const Prefs& prefs)
{
    return prefs.intValue(QLatin1String(kLastKey));
}

QDateTime playedLogDate(const Prefs& prefs, int slot)
{
    return prefs.value(dateKey(slot)).toDateTime();
}

QString playedLogText(const Prefs& prefs, int slot)
{
    return prefs.stringValue(textKey(slot));
}

void saveLogPlayed(Prefs& prefs, const Data& data, const QDateTime& now)
{
    if (data.listePiecesLog.isEmpty())
        return;
    const int last = playedLogLast(prefs);
    const int slot = last >= 1 && last < kPlayedLogSlots ? last + 1 : 1;
    QString text;
    for (const auto& entry : std::as_const(data.listePiecesLog)) {
        if (entry->pieceDet && entry->pieceDet->played)
            text += fileNameOf(entry->getPath()) + QLatin1Char('\n');
    }
    prefs.setValue(textKey(slot), text);
    prefs.setValue(dateKey(slot), now);
    prefs.setValue(QLatin1String(kLastKey), slot);
    prefs.sync();
}

int recallItemOfSlot(int slot, int plogLast)
{
    // Never negative, whatever the counter holds.
    return ((plogLast - slot) % kPlayedLogSlots + kPlayedLogSlots) % kPlayedLogSlots;
}

} // namespace partivo
