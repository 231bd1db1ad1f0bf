// "tabs export": the list the song list export puts on the clipboard, for one tab.
#include "cli/Commands.h"
#include "cli/HeadlessBinder.h"
#include "library/ListExport.h"

#include <cstdio>

namespace partivo::cli {

namespace {

constexpr char kExportUsage[] =
    "usage: tabs export <folder> [--settings FILE] [--binder N] --tab T [--titles]";

struct ExportArgs {
    QString folder;
    QString settings;
    int binder = 0;
    int tab = -1;
    bool titles = false;
};

QString parseExportArgs(const QStringList& args, ExportArgs& out)
{
    for (int i = 0; i < args.size(); ++i) {
        const QString& arg = args[i];
        const bool hasValue = i + 1 < args.size();
        if (arg == QLatin1String("--settings") && hasValue) {
            out.settings = args[++i];
        } else if (arg == QLatin1String("--binder") && hasValue) {
            if (!parseInt(args[++i], 0, 7, out.binder))
                return QStringLiteral("--binder takes a binder number from 0 to 7");
        } else if (arg == QLatin1String("--tab") && hasValue) {
            if (!parseInt(args[++i], 0, 9, out.tab))
                return QStringLiteral("--tab takes a tab number from 0 to 9");
        } else if (arg == QLatin1String("--titles")) {
            out.titles = true;
        } else if (arg.startsWith(QLatin1String("--")) || !out.folder.isEmpty()) {
            return QStringLiteral("unexpected argument '%1'").arg(arg);
        } else {
            out.folder = arg;
        }
    }
    if (out.folder.isEmpty() || out.tab < 0)
        return QString::fromLatin1(kExportUsage);
    return QString();
}

int runTabsExport(const QStringList& args)
{
    ExportArgs parsed;
    if (const QString error = parseExportArgs(args, parsed); !error.isEmpty())
        return fail(error);
    if (const QString error = HeadlessBinder::checkPaths(parsed.folder, parsed.settings);
        !error.isEmpty())
        return fail(error);
    HeadlessBinder binder(parsed.settings);
    binder.load(parsed.folder, parsed.binder);
    binder.data().onglNoG = parsed.tab;
    const ListExport list = exporterListe(binder.data(), parsed.titles ? ListExportKind::Titles
                                                                       : ListExportKind::FileNames);
    const QByteArray text = list.text.toUtf8();
    std::fwrite(text.constData(), 1, size_t(text.size()), stdout);
    return kOk;
}

} // namespace

int runTabs(const QStringList& args)
{
    const QString word = args.value(0);
    if (word == QLatin1String("export"))
        return runTabsExport(args.mid(1));
    if (word == QLatin1String("save"))
        return runTabsSave(args.mid(1));
    return fail(word.isEmpty()
                    ? QStringLiteral("usage: tabs export|save ...")
                    : QStringLiteral("unknown tabs word '%1' (export or save)").arg(word));
}

} // namespace partivo::cli
