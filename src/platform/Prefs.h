#pragma once

#include <QString>
#include <QVariant>

namespace partivo {

// Per-user key-value preference store. Values keep their type between runs as far as the
// backend allows; the typed readers below turn stored text back into numbers and booleans.
class Prefs {
public:
    virtual ~Prefs() = default;

    virtual bool contains(const QString& key) const = 0;
    // An invalid QVariant when the key is absent.
    virtual QVariant value(const QString& key) const = 0;
    virtual void setValue(const QString& key, const QVariant& value) = 0;
    virtual void remove(const QString& key) = 0;
    // Writes pending changes to permanent storage.
    virtual void sync() = 0;
    // Where the store is kept ("" for one in memory), and whether it can be written there.
    virtual QString location() const { return QString(); }
    virtual bool isWritable() const { return true; }

    int intValue(const QString& key, int defaultValue = 0) const;
    bool boolValue(const QString& key, bool defaultValue = false) const;
    double doubleValue(const QString& key, double defaultValue = 0.0) const;
    QString stringValue(const QString& key, const QString& defaultValue = QString()) const;
};

} // namespace partivo
