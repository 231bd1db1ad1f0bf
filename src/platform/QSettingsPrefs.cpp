#include "platform/QSettingsPrefs.h"

#include <QSettings>

namespace partivo {

QSettingsPrefs::QSettingsPrefs()
    : settings_(std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope,
                                            QStringLiteral("Partivo"), QStringLiteral("Partivo")))
{
    // Only the user's own file counts; no organisation-wide or system-wide fall-backs.
    settings_->setFallbacksEnabled(false);
}

QSettingsPrefs::QSettingsPrefs(const QString& iniPath)
    : settings_(std::make_unique<QSettings>(iniPath, QSettings::IniFormat))
{
    settings_->setFallbacksEnabled(false);
}

QSettingsPrefs::~QSettingsPrefs() = default;

// QSettings reads "/" as a group separator and turns "\" into "/"; both are replaced by
// percent escapes, and "%" itself too so that the mapping can be undone.
QString QSettingsPrefs::escapeKey(const QString& key)
{
    QString out;
    out.reserve(key.size());
    for (const QChar c : key) {
        if (c == u'%')
            out += QStringLiteral("%25");
        else if (c == u'/')
            out += QStringLiteral("%2F");
        else if (c == u'\\')
            out += QStringLiteral("%5C");
        else
            out += c;
    }
    return out;
}

QString QSettingsPrefs::unescapeKey(const QString& stored)
{
    QString out;
    out.reserve(stored.size());
    for (qsizetype i = 0; i < stored.size(); ++i) {
        const QString code = stored.mid(i + 1, 2).toUpper();
        if (stored[i] == u'%' && (code == u"25" || code == u"2F" || code == u"5C")) {
            out += QChar(code.toUShort(nullptr, 16));
            i += 2;
        } else {
            out += stored[i];
        }
    }
    return out;
}

// QSettings treats an empty key as "the whole group" (remove("") clears everything), so
// an empty key is never passed on.
bool QSettingsPrefs::contains(const QString& key) const
{
    return !key.isEmpty() && settings_->contains(escapeKey(key));
}

QVariant QSettingsPrefs::value(const QString& key) const
{
    return key.isEmpty() ? QVariant() : settings_->value(escapeKey(key));
}

void QSettingsPrefs::setValue(const QString& key, const QVariant& value)
{
    if (!key.isEmpty())
        settings_->setValue(escapeKey(key), value);
}

void QSettingsPrefs::remove(const QString& key)
{
    if (!key.isEmpty())
        settings_->remove(escapeKey(key));
}

void QSettingsPrefs::sync()
{
    settings_->sync();
}

bool QSettingsPrefs::isWritable() const
{
    return settings_->isWritable();
}

QString QSettingsPrefs::fileName() const
{
    return settings_->fileName();
}

bool QSettingsPrefs::ok() const
{
    return settings_->status() == QSettings::NoError;
}

QStringList QSettingsPrefs::keys() const
{
    QStringList result;
    for (const QString& stored : settings_->allKeys())
        result.append(unescapeKey(stored));
    result.sort();
    return result;
}

} // namespace partivo
