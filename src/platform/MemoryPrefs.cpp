#include "platform/MemoryPrefs.h"

namespace partivo {

bool MemoryPrefs::contains(const QString& key) const
{
    return values_.contains(key);
}

QVariant MemoryPrefs::value(const QString& key) const
{
    return values_.value(key);
}

void MemoryPrefs::setValue(const QString& key, const QVariant& value)
{
    values_.insert(key, value);
}

void MemoryPrefs::remove(const QString& key)
{
    values_.remove(key);
}

void MemoryPrefs::sync()
{
    ++syncCount_;
}

QStringList MemoryPrefs::keys() const
{
    return values_.keys();
}

} // namespace partivo
