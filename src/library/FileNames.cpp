#include "library/FileNames.h"

#include <QDir>
#include <QFileInfo>
#include <QStringList>

namespace partivo {

namespace {

int lastSlash(const QString& path)
{
    return path.lastIndexOf(QLatin1Char('/'));
}

// Position of the extension's dot in the path, -1 when the file name has none.
int extensionDot(const QString& path)
{
    const int dot = path.lastIndexOf(QLatin1Char('.'));
    return dot > lastSlash(path) ? dot : -1;
}

} // namespace

QString fileNameOf(const QString& path)
{
    return path.mid(lastSlash(path) + 1);
}

QString baseNameOf(const QString& path)
{
    const int start = lastSlash(path) + 1;
    const int dot = extensionDot(path);
    return dot < 0 ? path.mid(start) : path.mid(start, dot - start);
}

QString extensionOf(const QString& path)
{
    const int dot = extensionDot(path);
    return dot < 0 ? QString() : path.mid(dot + 1);
}

QString stemOf(const QString& path)
{
    const int dot = extensionDot(path);
    return dot < 0 ? path : path.left(dot);
}

bool isSongExtension(const QString& extension)
{
    static const QStringList accepted =
        QStringLiteral("PDF,CHO,CRD,CHORDPRO,CHOPRO,CPM,TAB,PRO").split(QLatin1Char(','));
    return !extension.isEmpty() && accepted.contains(extension.toUpper());
}

bool isNoteExtension(const QString& extension)
{
    return extension.compare(QLatin1String("txt"), Qt::CaseInsensitive) == 0;
}

int typeForExtension(const QString& extension)
{
    return extension.toLower() == QLatin1String("pdf") ? 0 : 1;
}

bool isAlternateVersionName(const QString& fileName)
{
    return fileName.contains(QLatin1String("---"));
}

QString notePathFor(const QString& songPath)
{
    return stemOf(songPath) + QStringLiteral(".txt");
}

QString findCaseInsensitive(const QString& path)
{
    if (QFileInfo::exists(path))
        return path;
    const QFileInfo info(path);
    const QDir folder = info.dir();
    const QString wanted = info.fileName();
    const QStringList names = folder.entryList(QDir::Files | QDir::Hidden | QDir::System);
    for (const QString& name : names) {
        if (name.compare(wanted, Qt::CaseInsensitive) == 0)
            return folder.filePath(name);
    }
    return QString();
}

void CompanionIndex::add(const QString& path)
{
    exact_.insert(path);
    foldedBuilt_ = false;
}

namespace {

// Companions lie in the song's own folder: only the file name is compared without case.
QString foldedName(const QString& path)
{
    const int slash = lastSlash(path);
    return path.left(slash + 1) + path.mid(slash + 1).toCaseFolded();
}

} // namespace

QString CompanionIndex::find(const QString& path) const
{
    if (exact_.contains(path))
        return path;
    if (!foldedBuilt_) {
        folded_.clear();
        for (const QString& known : exact_)
            folded_.insert(foldedName(known), known);
        foldedBuilt_ = true;
    }
    return folded_.value(foldedName(path));
}

QString obtenirPathPourAltDir(const QString& songPath, const QString& altDir)
{
    const QString stem = stemOf(songPath) + QStringLiteral("---") + altDir;
    const QString extension = extensionOf(songPath);
    const QString candidate = stem + QLatin1Char('.') + extension;
    if (const QString found = findCaseInsensitive(candidate); !found.isEmpty())
        return found;
    const QString other = extension.toUpper() == QLatin1String("PDF") ? QStringLiteral("chopro")
                                                                      : QStringLiteral("pdf");
    return findCaseInsensitive(stem + QLatin1Char('.') + other);
}

} // namespace partivo
