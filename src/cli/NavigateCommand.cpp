#include "cli/Commands.h"
#include "cli/HeadlessBinder.h"
#include "library/FirstLetter.h"
#include "library/KeyCommands.h"
#include "library/LibraryView.h"
#include "library/Navigator.h"
#include "platform/ManualTimers.h"

#include <QDir>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <cmath>
#include <cstdio>
#include <functional>

namespace partivo::cli {

namespace {

constexpr char kNavigateUsage[] =
    "usage: navigate <folder> [--settings FILE] [--binder N] --keys \"<commands>\"";

using Step = std::function<void(Navigator&, ManualTimers&)>;

// One command of --keys; an empty function for an unknown one.
Step stepFor(const QString& command)
{
    bool isNumber = false;
    const int code = command.toInt(&isNumber);
    if (isNumber) {
        if (!runNavigationKeyKnown(code))
            return {};
        return [code](Navigator& n, ManualTimers&) { runNavigationKey(n, code); };
    }
    // Words that name a key command run it; the others have no key of their own.
    static const QHash<QString, int> keyWords = {
        {QStringLiteral("next"), cmd::NextSong},     {QStringLiteral("prev"), cmd::PrevSong},
        {QStringLiteral("pageDown"), cmd::NextPage}, {QStringLiteral("pageUp"), cmd::PrevPage},
        {QStringLiteral("home"), cmd::FirstSong},    {QStringLiteral("end"), cmd::LastSong},
    };
    if (const auto it = keyWords.constFind(command); it != keyWords.constEnd()) {
        const int key = it.value();
        return [key](Navigator& n, ManualTimers&) { runNavigationKey(n, key); };
    }
    static const QHash<QString, std::function<void(Navigator&)>> words = {
        {QStringLiteral("nextTab"), [](Navigator& n) { n.gotoPrevNextTab(0); }},
        {QStringLiteral("prevTab"), [](Navigator& n) { n.gotoPrevNextTab(1); }},
        {QStringLiteral("toggleSort"), [](Navigator& n) { n.actionToggleSort(); }},
    };
    if (const auto it = words.constFind(command); it != words.constEnd()) {
        const auto action = it.value();
        return [action](Navigator& n, ManualTimers&) { action(n); };
    }
    if (command.startsWith(QLatin1String("type:")) && command.size() > 5) {
        const QString text = command.mid(5);
        return [text](Navigator& n, ManualTimers&) {
            for (const QChar c : text)
                n.allerA(keyn(QString(c)));
        };
    }
    if (command.startsWith(QLatin1String("wait:"))) {
        bool ok = false;
        const double seconds = command.mid(5).toDouble(&ok);
        if (!ok || !std::isfinite(seconds) || seconds < 0 || seconds > 86400)
            return {};
        const qint64 ms = std::llround(seconds * 1000);
        return [ms](Navigator&, ManualTimers& timers) { timers.advance(ms); };
    }
    return {};
}

QJsonObject stateJson(const QString& command, const Data& data, const Navigator& nav,
                      const QDir& root)
{
    const auto entry = data.getPiece(data.songNoG());
    return QJsonObject{
        {QStringLiteral("command"), command},
        {QStringLiteral("songNoG"), data.songNoG()},
        {QStringLiteral("currentSort"), data.currentSort},
        {QStringLiteral("onglNoGuser"), data.onglNoGuser},
        {QStringLiteral("fichier"),
         entry ? root.relativeFilePath(entry->pieceDet->fichier) : QString()},
        {QStringLiteral("titre"), entry ? entry->pieceDet->titre : QString()},
        {QStringLiteral("pageNo1"), nav.pageNo1},
        {QStringLiteral("rech"), data.rech},
    };
}

} // namespace

// Loads the binder and applies the commands in order, printing the navigation state as one
// JSON line after each. Time passes only through "wait:<seconds>".
int runNavigate(const QStringList& args)
{
    QString folder;
    QString settings;
    QString keys;
    bool hasKeys = false;
    int binderNo = 0;
    for (int i = 0; i < args.size(); ++i) {
        const QString& arg = args[i];
        const bool hasValue = i + 1 < args.size();
        if (arg == QLatin1String("--settings") && hasValue) {
            settings = args[++i];
        } else if (arg == QLatin1String("--keys") && hasValue) {
            keys = args[++i];
            hasKeys = true;
        } else if (arg == QLatin1String("--binder") && hasValue) {
            if (!parseInt(args[++i], 0, 7, binderNo))
                return fail(QStringLiteral("--binder takes a binder number from 0 to 7"));
        } else if (arg.startsWith(QLatin1String("--")) || !folder.isEmpty()) {
            return fail(QStringLiteral("unexpected argument '%1'").arg(arg));
        } else {
            folder = arg;
        }
    }
    if (folder.isEmpty() || !hasKeys)
        return fail(QString::fromLatin1(kNavigateUsage));
    const QStringList commands =
        keys.split(QRegularExpression(QStringLiteral("[\\s,]+")), Qt::SkipEmptyParts);
    QList<Step> steps;
    for (const QString& command : commands) {
        Step step = stepFor(command);
        if (!step)
            return fail(QStringLiteral("unknown navigation command '%1'").arg(command));
        steps.append(step);
    }
    if (const QString error = HeadlessBinder::checkPaths(folder, settings); !error.isEmpty())
        return fail(error);

    HeadlessBinder binder(settings);
    binder.load(folder, binderNo);
    LibraryView view;
    ManualTimers timers;
    Navigator navigator(binder.data(), view, timers);
    const QDir root(QDir::cleanPath(QFileInfo(folder).absoluteFilePath()));
    for (int i = 0; i < steps.size(); ++i) {
        steps[i](navigator, timers);
        const QByteArray line =
            QJsonDocument(stateJson(commands[i], binder.data(), navigator, root))
                .toJson(QJsonDocument::Compact);
        std::printf("%s\n", line.constData());
    }
    return kOk;
}

} // namespace partivo::cli
