#include "platform/UnnamableFiles.h"

#include "platform/TextDecode.h"

#include <QFile>
#include <dirent.h>
#include <sys/stat.h>

namespace partivo {

namespace {

constexpr int kMaxDepth = 64;

bool isDirectory(const QByteArray& path, const dirent* entry)
{
    if (entry->d_type == DT_DIR)
        return true;
    if (entry->d_type != DT_UNKNOWN)
        return false;
    struct stat info {};
    return ::lstat(path.constData(), &info) == 0 && S_ISDIR(info.st_mode);
}

void scan(const QByteArray& folder, const QByteArray& relative, int depth,
          const std::function<bool(const QByteArray&)>& wantedFile, QStringList& out)
{
    if (depth > kMaxDepth)
        return;
    DIR* dir = ::opendir(folder.constData());
    if (!dir)
        return;
    while (const dirent* entry = ::readdir(dir)) {
        const QByteArray name(entry->d_name);
        if (name == "." || name == "..")
            continue;
        const QByteArray path = folder + '/' + name;
        const QByteArray shown = relative.isEmpty() ? name : relative + '/' + name;
        const bool folderEntry = isDirectory(path, entry);
        if (!isValidUtf8(name)) {
            if (folderEntry)
                out.append(QString::fromUtf8(shown) + QLatin1Char('/'));
            else if (wantedFile(name))
                out.append(QString::fromUtf8(shown));
            continue;
        }
        if (folderEntry)
            scan(path, shown, depth + 1, wantedFile, out);
    }
    ::closedir(dir);
}

} // namespace

QStringList unnamableEntries(const QString& root,
                             const std::function<bool(const QByteArray& name)>& wantedFile)
{
    QStringList out;
    scan(QFile::encodeName(root), QByteArray(), 0, wantedFile, out);
    out.sort();
    return out;
}

} // namespace partivo
