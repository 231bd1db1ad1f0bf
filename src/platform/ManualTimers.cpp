#include "platform/ManualTimers.h"

#include <utility>

namespace partivo {

void ManualTimers::start(const QString& name, int intervalMs, bool repeats,
                         std::function<void()> callback)
{
    const int interval = qMax(0, intervalMs);
    entries_.insert_or_assign(
        name, Entry{interval, repeats, std::move(callback), now_ + interval, nextStartOrder_++});
}

void ManualTimers::stop(const QString& name)
{
    entries_.erase(name);
}

bool ManualTimers::isActive(const QString& name) const
{
    return entries_.count(name) != 0;
}

void ManualTimers::advance(qint64 ms)
{
    const qint64 target = now_ + qMax<qint64>(0, ms);
    for (;;) {
        auto next = entries_.end();
        for (auto it = entries_.begin(); it != entries_.end(); ++it) {
            if (it->second.due > target)
                continue;
            if (next == entries_.end() || it->second.due < next->second.due ||
                (it->second.due == next->second.due &&
                 it->second.startOrder < next->second.startOrder))
                next = it;
        }
        if (next == entries_.end())
            break;
        now_ = qMax(now_, next->second.due);
        runDue(next);
    }
    now_ = target;
}

bool ManualTimers::fire(const QString& name)
{
    const auto it = entries_.find(name);
    if (it == entries_.end())
        return false;
    runDue(it);
    return true;
}

// The callback is taken out of the map first: it may start, stop or restart any name,
// its own included.
void ManualTimers::runDue(std::map<QString, Entry>::iterator it)
{
    Entry& entry = it->second;
    std::function<void()> callback;
    if (entry.repeats) {
        callback = entry.callback;
        entry.due = now_ + qMax(1, entry.intervalMs);
    } else {
        callback = std::move(entry.callback);
        entries_.erase(it);
    }
    if (callback)
        callback();
}

int ManualTimers::intervalOf(const QString& name) const
{
    const auto it = entries_.find(name);
    return it == entries_.end() ? -1 : it->second.intervalMs;
}

qint64 ManualTimers::dueAt(const QString& name) const
{
    const auto it = entries_.find(name);
    return it == entries_.end() ? -1 : it->second.due;
}

QStringList ManualTimers::activeNames() const
{
    QStringList names;
    for (const auto& entry : entries_)
        names.append(entry.first);
    return names;
}

} // namespace partivo
