#include "library/HelpBinder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStringList>

namespace partivo {

QString findHelpFolder()
{
    QStringList candidates;
    if (QCoreApplication::instance()) {
        const QString appDir = QCoreApplication::applicationDirPath();
        candidates << appDir + QStringLiteral("/help")
                   << appDir + QStringLiteral("/../share/partivo/help");
    }
#ifdef PARTIVO_HELP_SOURCE_DIR
    candidates << QStringLiteral(PARTIVO_HELP_SOURCE_DIR);
#endif
    for (const QString& folder : candidates) {
        if (QFileInfo::exists(folder + QLatin1Char('/') + QString::fromUtf8(kHelpMarkerSong)))
            return QDir::cleanPath(folder);
    }
    return QString();
}

} // namespace partivo
