// "tabs save": one tab of a binder stored in a settings file, through the tab editor's Save.
#include "cli/Commands.h"
#include "cli/HeadlessDialogs.h"
#include "cli/WritableFile.h"
#include "library/Data.h"
#include "library/TabEditor.h"
#include "platform/Clipboard.h"
#include "platform/NotificationCenter.h"
#include "platform/QSettingsPrefs.h"
#include "platform/TextDecode.h"

#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <cstdio>

namespace partivo::cli {

namespace {

constexpr char kSaveUsage[] =
    "usage: tabs save <settings-file> --binder N --tab T --name NAME (--setlist FILE | "
    "--collection \"KEYWORDS\" --field title|artist|tags|file|all --rule any|all|none)";

// The words of --field and --rule, in the order of their numbers.
const QStringList kFields = {"all", "title", "artist", "tags", "file"};
const QStringList kRules = {"any", "all", "none"};

struct SaveArgs {
    QString settings;
    int binder = -1;
    int tab = -1;
    QString name;
    bool hasName = false;
    QString setlist;
    QString keywords;
    bool collection = false;
    int field = -1;
    int rule = -1;
};

QString parseSaveArgs(const QStringList& args, SaveArgs& out)
{
    for (int i = 0; i < args.size(); ++i) {
        const QString& arg = args[i];
        const bool hasValue = i + 1 < args.size();
        if (arg == QLatin1String("--binder") && hasValue) {
            if (!parseInt(args[++i], 0, 7, out.binder))
                return QStringLiteral("--binder takes a binder number from 0 to 7");
        } else if (arg == QLatin1String("--tab") && hasValue) {
            if (!parseInt(args[++i], 1, 9, out.tab))
                return QStringLiteral("--tab takes a tab number from 1 to 9");
        } else if (arg == QLatin1String("--name") && hasValue) {
            out.name = args[++i];
            out.hasName = true;
        } else if (arg == QLatin1String("--setlist") && hasValue) {
            out.setlist = args[++i];
        } else if (arg == QLatin1String("--collection") && hasValue) {
            out.keywords = args[++i];
            out.collection = true;
        } else if (arg == QLatin1String("--field") && hasValue) {
            out.field = int(kFields.indexOf(args[++i]));
            if (out.field < 0)
                return QStringLiteral("--field takes title, artist, tags, file or all");
        } else if (arg == QLatin1String("--rule") && hasValue) {
            out.rule = int(kRules.indexOf(args[++i]));
            if (out.rule < 0)
                return QStringLiteral("--rule takes any, all or none");
        } else if (arg.startsWith(QLatin1String("--")) || !out.settings.isEmpty()) {
            return QStringLiteral("unexpected argument '%1'").arg(arg);
        } else {
            out.settings = arg;
        }
    }
    if (out.settings.isEmpty() || out.binder < 0 || out.tab < 0 || !out.hasName ||
        out.setlist.isEmpty() == !out.collection)
        return QString::fromLatin1(kSaveUsage);
    if (out.name.isEmpty())
        return QStringLiteral("--name takes the tab's name, which cannot be empty");
    if (out.collection && (out.field < 0 || out.rule < 0))
        return QStringLiteral("--collection needs --field and --rule");
    if (!out.collection && (out.field >= 0 || out.rule >= 0))
        return QStringLiteral("--field and --rule are for a collection");
    return QString();
}

// Why the settings file cannot be written; "" when it can. Nothing is written here.
QString writeProblem(const QString& path)
{
    if (const QString problem = fileWriteProblem(path, QStringLiteral("the settings file"));
        !problem.isEmpty())
        return problem;
    if (QFileInfo::exists(path) && !QSettingsPrefs(path).ok())
        return QStringLiteral("the settings file '%1' cannot be read as settings").arg(path);
    return QString();
}

// What the settings file holds for the tab now, read again from the file.
QJsonObject storedKeys(const QString& path, int binder, int tab)
{
    const QSettingsPrefs stored(path);
    QJsonObject keys;
    for (const char* pattern : {"%dTabName%d", "%dlist%d", "%dTabPrefix%d", "%dTabPrefixAlt%d"}) {
        const QString key = TabDet::key(pattern, binder, tab);
        if (stored.contains(key))
            keys.insert(key, stored.stringValue(key));
    }
    for (const char* pattern : {"%dTabSort%d", "%dTabSortAlt%d", "%dOptSel%d", "%dLookInto%d"}) {
        const QString key = TabDet::key(pattern, binder, tab);
        if (stored.contains(key))
            keys.insert(key, stored.intValue(key));
    }
    return keys;
}

} // namespace

int runTabsSave(const QStringList& args)
{
    SaveArgs parsed;
    if (const QString error = parseSaveArgs(args, parsed); !error.isEmpty())
        return fail(error);
    QStringList lines;
    if (!parsed.collection) {
        if (const QString error = checkFileArg(parsed.setlist); !error.isEmpty())
            return fail(QStringLiteral("the setlist file: %1").arg(error));
        QString text;
        QString why;
        if (!readTextFile(parsed.setlist, text, &why))
            return fail(QStringLiteral("the setlist file: %1").arg(why));
        for (QString line : text.split(QLatin1Char('\n'))) {
            if (line.endsWith(QLatin1Char('\r')))
                line.chop(1);
            lines.append(line);
        }
    } else {
        static const QRegularExpression separators(QStringLiteral("[\\s,]+"));
        lines = parsed.keywords.split(separators, Qt::SkipEmptyParts);
    }
    if (const QString error = writeProblem(parsed.settings); !error.isEmpty())
        return fail(error);

    QSettingsPrefs prefs(parsed.settings);
    HeadlessDialogs dialogs;
    Data data(prefs, dialogs);
    data.chargerTabsForDirNo(parsed.binder, false);
    NotificationCenter center;
    MemoryClipboard clipboard;
    TabEditor editor(data, center, clipboard, parsed.tab);
    editor.chargerDonnees();
    editor.setTabName(parsed.name);
    editor.remplacerListe(parsed.collection ? TabEditor::CollectionKind : TabEditor::SetlistKind,
                          lines);
    if (parsed.collection) {
        editor.setRule(parsed.rule);
        editor.setLookInto(parsed.field);
    }
    const bool nameOnly = editor.savesNameOnly();
    if (!editor.actionSave())
        return kFailed;
    // The file is written whole or not at all: a failed write leaves it as it was.
    if (!prefs.ok())
        return fail(
            QStringLiteral("the settings file '%1' could not be written").arg(parsed.settings));

    const QJsonObject out{
        {QStringLiteral("binder"), parsed.binder},
        {QStringLiteral("tab"), parsed.tab},
        {QStringLiteral("saved"), nameOnly ? QStringLiteral("name") : QStringLiteral("all")},
        {QStringLiteral("keys"), storedKeys(parsed.settings, parsed.binder, parsed.tab)},
    };
    const QByteArray json = QJsonDocument(out).toJson(QJsonDocument::Compact) + '\n';
    std::fwrite(json.constData(), 1, size_t(json.size()), stdout);
    return kOk;
}

} // namespace partivo::cli
