#pragma once

#include <QString>
#include <functional>

namespace partivo {

// Named restartable timers: one timer per name; starting a name again cancels the
// previous timer of that name.
class Timers {
public:
    virtual ~Timers() = default;

    virtual void start(const QString& name, int intervalMs, bool repeats,
                       std::function<void()> callback) = 0;
    virtual void stop(const QString& name) = 0;
    virtual bool isActive(const QString& name) const = 0;
    // Milliseconds on this timer source's clock.
    virtual qint64 nowMs() const = 0;
};

} // namespace partivo
