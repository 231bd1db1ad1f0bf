#pragma once

#include "platform/Timers.h"

#include <QStringList>
#include <map>

namespace partivo {

// Timers on a hand-driven clock for tests. The clock starts at 0 and only moves in
// advance(). Timers due at the same moment fire in the order they were started.
class ManualTimers : public Timers {
public:
    void start(const QString& name, int intervalMs, bool repeats,
               std::function<void()> callback) override;
    void stop(const QString& name) override;
    bool isActive(const QString& name) const override;
    qint64 nowMs() const override { return now_; }

    // Moves the clock forward by ms, firing in due-time order every timer that comes due
    // on the way; the clock reads each timer's due time while its callback runs. Timers
    // started or stopped by a callback are honoured within the same advance. A repeating
    // timer fires as often as it comes due (at least 1 ms apart).
    void advance(qint64 ms);
    // Fires the named timer now, as if it had come due; false when it is not active.
    bool fire(const QString& name);

    // -1 when the name is not active.
    int intervalOf(const QString& name) const;
    // -1 when the name is not active.
    qint64 dueAt(const QString& name) const;
    // Sorted.
    QStringList activeNames() const;

private:
    struct Entry {
        int intervalMs;
        bool repeats;
        std::function<void()> callback;
        qint64 due;
        quint64 startOrder;
    };
    // Reschedules or removes the entry, then runs its callback.
    void runDue(std::map<QString, Entry>::iterator it);

    std::map<QString, Entry> entries_;
    qint64 now_ = 0;
    quint64 nextStartOrder_ = 0;
};

} // namespace partivo
