#include "cli/NavigateWords.h"

#include "cli/NavigateMidi.h"

#include "app/CommandDispatcher.h"
#include "app/Controller.h"
#include "cli/Commands.h"
#include "library/FirstLetter.h"
#include "library/KeyCommands.h"
#include "platform/Commands.h"
#include "platform/ManualTimers.h"
#include "platform/NotificationCenter.h"

#include <QHash>
#include <climits>
#include <cmath>

namespace partivo::cli {

namespace {

// The navigation words and numbers of the first version, run on the navigator itself.
NavigateStep navigationStep(const QString& word)
{
    int code = 0;
    if (parseInt(word, INT_MIN, INT_MAX, code)) {
        if (!runNavigationKeyKnown(code))
            return {};
        return [code](Controller& c, ManualTimers&) { runNavigationKey(c.navigator(), code); };
    }
    static const QHash<QString, int> keyWords = {
        {QStringLiteral("next"), cmd::NextSong},     {QStringLiteral("prev"), cmd::PrevSong},
        {QStringLiteral("pageDown"), cmd::NextPage}, {QStringLiteral("pageUp"), cmd::PrevPage},
        {QStringLiteral("home"), cmd::FirstSong},    {QStringLiteral("end"), cmd::LastSong},
    };
    if (const auto it = keyWords.constFind(word); it != keyWords.constEnd()) {
        const int key = it.value();
        return [key](Controller& c, ManualTimers&) { runNavigationKey(c.navigator(), key); };
    }
    if (word == QLatin1String("play")) // the play/stop toggle, action 7
        return [](Controller& c, ManualTimers&) { c.traiterKeyAction(7, false, QString()); };
    if (word == QLatin1String("stop"))
        return [](Controller& c, ManualTimers&) {
            c.center().postParam(QLatin1String(action::Key), cmd::StopPlayer);
        };
    static const QHash<QString, std::function<void(Navigator&)>> words = {
        {QStringLiteral("nextTab"), [](Navigator& n) { n.gotoPrevNextTab(0); }},
        {QStringLiteral("prevTab"), [](Navigator& n) { n.gotoPrevNextTab(1); }},
        {QStringLiteral("toggleSort"), [](Navigator& n) { n.actionToggleSort(); }},
    };
    if (const auto it = words.constFind(word); it != words.constEnd()) {
        const auto action = it.value();
        return [action](Controller& c, ManualTimers&) { action(c.navigator()); };
    }
    if (word.startsWith(QLatin1String("type:")) && word.size() > 5) {
        const QString text = word.mid(5);
        return [text](Controller& c, ManualTimers&) {
            for (const QChar ch : text)
                c.navigator().allerA(keyn(QString(ch)));
        };
    }
    return {};
}

NavigateStep waitStep(const QString& word, QString& error)
{
    bool ok = false;
    const double seconds = word.mid(5).toDouble(&ok);
    if (!ok || !std::isfinite(seconds) || seconds < 0) {
        error = QStringLiteral("unknown navigation command '%1'").arg(word);
        return {};
    }
    if (seconds > 86400) {
        error = QStringLiteral("'%1': a wait is at most 86400 seconds").arg(word);
        return {};
    }
    const qint64 ms = std::llround(seconds * 1000);
    return [ms](Controller&, ManualTimers& timers) { timers.advance(ms); };
}

// "post:NAME=PARAM": any remote action of the table.
NavigateStep postStep(const QString& word, QString& error)
{
    const QString body = word.mid(5);
    const qsizetype equal = body.indexOf(u'=');
    const QString name = equal < 0 ? body : body.left(equal);
    const QString param = equal < 0 ? QString() : body.mid(equal + 1);
    const QByteArray latin = name.toLatin1();
    if (name.isEmpty() || !actionInfo(std::string_view(latin.constData(), size_t(latin.size())))) {
        error = QStringLiteral("unknown action '%1' in '%2'").arg(name, word);
        return {};
    }
    return [name, param](Controller& c, ManualTimers&) { c.center().postParam(name, param); };
}

// "action:CODE[=PARAM]" and "raction:CODE[=PARAM]": the action table.
NavigateStep actionStep(const QString& word, qsizetype prefix, bool reverse, QString& error)
{
    const QString body = word.mid(prefix);
    const qsizetype equal = body.indexOf(u'=');
    int code = 0;
    if (!parseInt(equal < 0 ? body : body.left(equal), INT_MIN, INT_MAX, code)) {
        error = QStringLiteral("malformed word '%1': the action code is a whole number").arg(word);
        return {};
    }
    const QString param = equal < 0 ? QString() : body.mid(equal + 1);
    return [code, reverse, param](Controller& c, ManualTimers&) {
        c.traiterKeyAction(code, reverse, param);
    };
}

// "swipe:N" and "key:N": a gesture or a key command as a window posts it.
NavigateStep postNumberStep(const QString& word, qsizetype prefix, const char* name, QString& error)
{
    int value = 0;
    if (!parseInt(word.mid(prefix), INT_MIN, INT_MAX, value)) {
        error = QStringLiteral("malformed word '%1': a whole number follows the colon").arg(word);
        return {};
    }
    const QString bus = QString::fromLatin1(name);
    return [bus, value](Controller& c, ManualTimers&) { c.center().postParam(bus, value); };
}

} // namespace

bool splitNavigateWords(const QString& keys, QStringList& words, QString& error)
{
    QString word;
    bool quoted = false;
    bool any = false;
    for (const QChar ch : keys) {
        if (ch == u'"') {
            quoted = !quoted;
            any = true;
        } else if (!quoted && (ch.isSpace() || ch == u',')) {
            if (any || !word.isEmpty())
                words.append(word);
            word.clear();
            any = false;
        } else {
            word.append(ch);
        }
    }
    if (quoted) {
        error = QStringLiteral("malformed --keys: a double quote is not closed");
        return false;
    }
    if (any || !word.isEmpty())
        words.append(word);
    return true;
}

NavigateStep navigateStep(const QString& word, QString& error)
{
    if (word.startsWith(QLatin1String("post:")))
        return postStep(word, error);
    if (word.startsWith(QLatin1String("action:")))
        return actionStep(word, 7, false, error);
    if (word.startsWith(QLatin1String("raction:")))
        return actionStep(word, 8, true, error);
    if (word.startsWith(QLatin1String("swipe:")))
        return postNumberStep(word, 6, action::Swipe, error);
    if (word.startsWith(QLatin1String("key:")))
        return postNumberStep(word, 4, action::Key, error);
    if (word.startsWith(QLatin1String("wait:")))
        return waitStep(word, error);
    if (word.startsWith(QLatin1String("midi:")))
        return midiStep(word, error);
    NavigateStep step = navigationStep(word);
    if (!step)
        error = QStringLiteral("unknown navigation command '%1'").arg(word);
    return step;
}

} // namespace partivo::cli
