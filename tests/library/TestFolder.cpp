#include "library/TestFolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace partivo::test {

TestFolder::TestFolder() = default;

QString TestFolder::write(const QString& relativePath, const QByteArray& bytes)
{
    const QString full = dir_.filePath(relativePath);
    QDir().mkpath(QFileInfo(full).absolutePath());
    QFile file(full);
    if (file.open(QIODevice::WriteOnly))
        file.write(bytes);
    return full;
}

QString TestFolder::read(const QString& relativePath) const
{
    QFile file(dir_.filePath(relativePath));
    if (!file.open(QIODevice::ReadOnly))
        return QString();
    return QString::fromUtf8(file.readAll());
}

bool TestFolder::exists(const QString& relativePath) const
{
    return QFileInfo::exists(dir_.filePath(relativePath));
}

void TestFolder::remove(const QString& relativePath)
{
    QFile::remove(dir_.filePath(relativePath));
}

} // namespace partivo::test
