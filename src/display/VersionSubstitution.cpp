#include "display/VersionSubstitution.h"

#include "display/WindowSettings.h"
#include "library/FileNames.h"

#include <QFileInfo>

namespace partivo {

namespace {

constexpr int kUseOnlyMaster = 1;
constexpr int kUseOnlyAlternate = 2;

} // namespace

bool isPdfPath(const QString& path)
{
    return QFileInfo(path).suffix().compare(QLatin1String("pdf"), Qt::CaseInsensitive) == 0;
}

Substitution subsPath(const QString& path, const WindowSettings& window)
{
    Substitution out{path, false};
    if (window.altMode == 0 || window.altModeOff || window.altDir.isEmpty())
        return out;
    const bool pdf = isPdfPath(path);
    const int choice = pdf ? window.defPDF : window.defCHO;
    if (choice == kUseOnlyMaster)
        return out;

    const QFileInfo info(path);
    const QString suffix = info.suffix();
    QString base = path;
    if (!suffix.isEmpty())
        base.chop(suffix.size() + 1);
    const QString stem = base + QStringLiteral("---") + window.altDir;
    const QString candidates[] = {
        suffix.isEmpty() ? stem : stem + QLatin1Char('.') + suffix,
        stem + (pdf ? QStringLiteral(".chopro") : QStringLiteral(".pdf")),
    };
    for (const QString& candidate : candidates) {
        const QString found = findCaseInsensitive(candidate);
        if (!found.isEmpty())
            return {found, true};
    }
    if (choice == kUseOnlyAlternate)
        return {QString(), false};
    return out;
}

} // namespace partivo
