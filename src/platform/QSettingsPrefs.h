#pragma once

#include "platform/Prefs.h"

#include <QStringList>
#include <memory>

class QSettings;

namespace partivo {

// Preferences in an INI file through QSettings. Keys are flat: "/" and "\" in a key are
// stored escaped, so they never create groups. Values written as numbers or booleans come
// back as text after a reload; use the typed readers.
class QSettingsPrefs : public Prefs {
public:
    // The per-user file of the application (organisation and application "Partivo").
    QSettingsPrefs();
    // An explicit INI file.
    explicit QSettingsPrefs(const QString& iniPath);
    ~QSettingsPrefs() override;

    QSettingsPrefs(const QSettingsPrefs&) = delete;
    QSettingsPrefs& operator=(const QSettingsPrefs&) = delete;

    bool contains(const QString& key) const override;
    QVariant value(const QString& key) const override;
    void setValue(const QString& key, const QVariant& value) override;
    void remove(const QString& key) override;
    void sync() override;

    QString fileName() const;
    QString location() const override { return fileName(); }
    // False when the file (or its folder, for a file not there yet) cannot be written.
    bool isWritable() const override;
    // False when the file could not be read, or the last sync could not write it.
    bool ok() const;
    // Every stored key, unescaped, sorted.
    QStringList keys() const;

    // The key as QSettings sees it, and back.
    static QString escapeKey(const QString& key);
    static QString unescapeKey(const QString& stored);

private:
    std::unique_ptr<QSettings> settings_;
};

} // namespace partivo
