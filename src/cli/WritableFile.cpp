#include "cli/WritableFile.h"

#include "platform/TextDecode.h"

#include <QFileInfo>

namespace partivo::cli {

namespace {

bool hasWriteBit(const QFileInfo& info)
{
    return info.permissions() &
           (QFileDevice::WriteOwner | QFileDevice::WriteGroup | QFileDevice::WriteOther);
}

} // namespace

QString fileWriteProblem(const QString& path, const QString& what)
{
    const QFileInfo info(path);
    if (info.exists()) {
        if (const QString problem = regularFileProblem(info); !problem.isEmpty())
            return QStringLiteral("%1: %2").arg(what, problem);
        if (!info.isReadable())
            return QStringLiteral("%1 '%2' cannot be read").arg(what, path);
        if (!info.isWritable() || !hasWriteBit(info))
            return QStringLiteral("%1 '%2' is read-only").arg(what, path);
        return QString();
    }
    const QFileInfo folder(info.absolutePath());
    if (!folder.isDir())
        return QStringLiteral("the folder of %1 '%2' does not exist").arg(what, path);
    if (!folder.isWritable() || !hasWriteBit(folder))
        return QStringLiteral("%1 '%2' cannot be created: its folder is read-only").arg(what, path);
    return QString();
}

} // namespace partivo::cli
