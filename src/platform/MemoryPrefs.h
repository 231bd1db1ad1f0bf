#pragma once

#include "platform/Prefs.h"

#include <QMap>
#include <QStringList>

namespace partivo {

// Preferences held in memory only; values keep their exact QVariant type. For tests and
// for running without touching the user's settings.
class MemoryPrefs : public Prefs {
public:
    MemoryPrefs() = default;
    explicit MemoryPrefs(const QMap<QString, QVariant>& initial) : values_(initial) {}

    bool contains(const QString& key) const override;
    QVariant value(const QString& key) const override;
    void setValue(const QString& key, const QVariant& value) override;
    void remove(const QString& key) override;
    void sync() override;

    // Sorted.
    QStringList keys() const;
    // As a store that cannot be written would answer (tests).
    bool writable = true;
    bool isWritable() const override { return writable; }
    // How often sync() was called.
    int syncCount() const { return syncCount_; }

private:
    QMap<QString, QVariant> values_;
    int syncCount_ = 0;
};

} // namespace partivo
