#include "platform/QtTimers.h"

#include <QTimer>
#include <utility>

namespace partivo {

QtTimers::QtTimers()
{
    clock_.start();
}

QtTimers::~QtTimers() = default;

void QtTimers::start(const QString& name, int intervalMs, bool repeats,
                     std::function<void()> callback)
{
    Entry& entry = entries_[name];
    if (!entry.timer) {
        entry.timer = std::make_unique<QTimer>();
        entry.timer->setTimerType(Qt::PreciseTimer);
        QObject::connect(entry.timer.get(), &QTimer::timeout, entry.timer.get(),
                         [this, name] { onTimeout(name); });
    }
    // Restarting the same QTimer cancels its pending timeout.
    entry.timer->stop();
    entry.callback = std::move(callback);
    entry.timer->setSingleShot(!repeats);
    entry.timer->start(qMax(0, intervalMs));
}

void QtTimers::stop(const QString& name)
{
    const auto it = entries_.find(name);
    if (it != entries_.end()) {
        it->second.timer->stop();
        it->second.callback = nullptr;
    }
}

bool QtTimers::isActive(const QString& name) const
{
    const auto it = entries_.find(name);
    return it != entries_.end() && it->second.timer->isActive();
}

qint64 QtTimers::nowMs() const
{
    return clock_.elapsed();
}

int QtTimers::intervalOf(const QString& name) const
{
    return isActive(name) ? entries_.at(name).timer->interval() : -1;
}

QStringList QtTimers::activeNames() const
{
    QStringList names;
    for (const auto& [name, entry] : entries_) {
        if (entry.timer->isActive())
            names.append(name);
    }
    return names;
}

// A single-shot QTimer is already inactive here, so its callback is moved out (releasing
// what it holds); a repeating one is copied. Either way the callback may start or stop its
// own name while it runs.
void QtTimers::onTimeout(const QString& name)
{
    const auto it = entries_.find(name);
    if (it == entries_.end())
        return;
    Entry& entry = it->second;
    const std::function<void()> callback =
        entry.timer->isSingleShot() ? std::exchange(entry.callback, nullptr) : entry.callback;
    if (callback)
        callback();
}

} // namespace partivo
