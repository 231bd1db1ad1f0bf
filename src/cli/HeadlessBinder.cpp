#include "cli/HeadlessBinder.h"

#include "platform/MemoryPrefs.h"
#include "platform/QSettingsPrefs.h"
#include "platform/TextDecode.h"

#include <QFileInfo>
#include <cstdio>

namespace partivo::cli {

QString HeadlessBinder::checkPaths(const QString& folder, const QString& settings)
{
    const QFileInfo info(folder);
    if (info.exists() && !info.isDir() && !info.isFile())
        return regularFileProblem(folder); // a device or FIFO: neither a folder nor a song
    if (!info.isDir())
        return QStringLiteral("'%1' is not a folder").arg(folder);
    if (!info.isReadable() || !info.isExecutable())
        return QStringLiteral("the folder '%1' cannot be read").arg(folder);
    if (settings.isEmpty())
        return QString();
    if (!QFileInfo::exists(settings))
        return QStringLiteral("the settings file '%1' does not exist").arg(settings);
    if (const QString problem = regularFileProblem(settings); !problem.isEmpty())
        return QStringLiteral("the settings file: %1").arg(problem);
    if (!QFileInfo(settings).isReadable())
        return QStringLiteral("the settings file '%1' cannot be read").arg(settings);
    // A file the settings reader cannot make sense of would lose its tabs without a word.
    if (!QSettingsPrefs(settings).ok())
        return QStringLiteral("the settings file '%1' cannot be read as settings").arg(settings);
    return QString();
}

HeadlessBinder::HeadlessBinder(const QString& settings)
{
    // The settings are read into memory: a headless load never writes the file.
    QMap<QString, QVariant> values;
    if (!settings.isEmpty()) {
        const QSettingsPrefs file(settings);
        for (const QString& key : file.keys())
            values.insert(key, file.value(key));
    }
    prefs_ = std::make_unique<MemoryPrefs>(values);
    data_ = std::make_unique<Data>(*prefs_, dialogs_);
}

HeadlessBinder::~HeadlessBinder() = default;

void HeadlessBinder::load(const QString& folder, int binder)
{
    data_->resetNavigation();
    data_->chargerBinder(binder, QFileInfo(folder).absoluteFilePath(), true);
    // What was left out is said on one line; the command goes on with the rest.
    if (!data_->loadProblems.isEmpty()) {
        std::fprintf(stderr, "partivo-cli: left out: %s\n",
                     qUtf8Printable(data_->loadProblems.join(QLatin1Char(' '))));
        data_->loadProblems.clear();
    }
}

} // namespace partivo::cli
