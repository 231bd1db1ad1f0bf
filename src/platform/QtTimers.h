#pragma once

#include "platform/Timers.h"

#include <QElapsedTimer>
#include <QStringList>
#include <map>
#include <memory>

class QTimer;

namespace partivo {

// Timers on the Qt event loop of the creating thread: one QTimer per name, kept for the
// lifetime of this object and reused on every start, so a callback may safely restart or
// stop its own timer.
class QtTimers : public Timers {
public:
    QtTimers();
    ~QtTimers() override;

    QtTimers(const QtTimers&) = delete;
    QtTimers& operator=(const QtTimers&) = delete;

    void start(const QString& name, int intervalMs, bool repeats,
               std::function<void()> callback) override;
    void stop(const QString& name) override;
    bool isActive(const QString& name) const override;
    // Since this object was created.
    qint64 nowMs() const override;

    // -1 when the name is not active.
    int intervalOf(const QString& name) const;
    // Sorted.
    QStringList activeNames() const;

private:
    struct Entry {
        std::unique_ptr<QTimer> timer;
        std::function<void()> callback;
    };
    void onTimeout(const QString& name);

    std::map<QString, Entry> entries_;
    QElapsedTimer clock_;
};

} // namespace partivo
