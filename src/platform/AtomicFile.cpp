#include "platform/AtomicFile.h"

#include <QSaveFile>

namespace partivo {

// QSaveFile writes a temporary file next to the target and renames it over the target only
// on commit, so a failure anywhere leaves the old file as it was. Direct writing as a
// fall-back (for folders where no temporary file can be made) stays off for that reason.
bool writeFileAtomically(const QString& path, const QByteArray& bytes)
{
    QSaveFile file(path);
    file.setDirectWriteFallback(false);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    if (file.write(bytes) != bytes.size()) {
        file.cancelWriting(); // the temporary file is removed with the object
        return false;
    }
    return file.commit();
}

bool writeTextAtomically(const QString& path, const QString& text)
{
    return writeFileAtomically(path, text.toUtf8());
}

} // namespace partivo
