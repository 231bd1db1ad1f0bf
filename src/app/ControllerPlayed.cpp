// The played marks from the menus: the current song marked by hand, a saved log recalled,
// every mark cleared.
#include "app/Controller.h"

#include "library/PlayedLog.h"
#include "platform/Dialogs.h"
#include "platform/Prefs.h"

#include <QDateTime>
#include <QLocale>

namespace partivo {

void Controller::actionMenuAlreadyPlayed()
{
    markAsalreadyPlayed(data_, data_.getPiece(data_.songNoG()), true);
    refreshPlayedMarks();
}

QList<std::pair<QString, int>> Controller::playedLogs() const
{
    const int last = playedLogLast(data_.prefs);
    QList<std::pair<QString, int>> logs(kPlayedLogSlots);
    for (int slot = 1; slot <= kPlayedLogSlots; ++slot) {
        const QDateTime date = playedLogDate(data_.prefs, slot);
        if (!date.isValid())
            continue;
        // A long date with a short time, as the user's locale writes them.
        const QLocale locale;
        logs[recallItemOfSlot(slot, last)] = {
            locale.toString(date.date(), QLocale::LongFormat) + u' ' +
                locale.toString(date.time(), QLocale::ShortFormat),
            slot};
    }
    logs.removeIf([](const std::pair<QString, int>& log) { return log.second == 0; });
    return logs;
}

void Controller::actionMenuItemRecall(int slot)
{
    const QString text = playedLogText(data_.prefs, slot);
    const int marked = recallPlayedStates(data_, text);
    data_.dialogs.msg(marked > 0 ? QStringLiteral("%1 entry(ies) marked as Played.").arg(marked)
                                 : QStringLiteral("No entry marked as Played."));
    refreshPlayedMarks();
}

void Controller::actionMenuItemClearAllPlayedStates()
{
    clearAllPlayedStates(data_);
    refreshPlayedMarks();
}

void Controller::refreshPlayedMarks()
{
    windows_.refreshinfoX(); // the title line's check mark
    remplirToc();
}

} // namespace partivo
