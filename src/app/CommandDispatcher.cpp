#include "app/CommandDispatcher.h"

#include "platform/Commands.h"

#include <QDebug>
#include <QVariantMap>

namespace partivo {

namespace {

QVariant unwrapped(const QVariant& param)
{
    if (param.typeId() == QMetaType::QVariantMap)
        return param.toMap().value(QLatin1String(kCommandParam));
    return param;
}

} // namespace

QString paramText(const QVariant& param)
{
    const QVariant value = unwrapped(param);
    return value.isValid() ? value.toString() : QString();
}

int paramInt(const QVariant& param)
{
    const QVariant value = unwrapped(param);
    if (value.typeId() == QMetaType::Int || value.typeId() == QMetaType::LongLong ||
        value.typeId() == QMetaType::Double || value.typeId() == QMetaType::Bool)
        return value.toInt();
    const QString text = value.toString();
    qsizetype i = 0;
    while (i < text.size() && text[i].isSpace())
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == u'-' || text[i] == u'+'))
        negative = text[i++] == u'-';
    long long number = 0;
    for (; i < text.size() && text[i] >= u'0' && text[i] <= u'9'; ++i) {
        number = number * 10 + (text[i].unicode() - u'0');
        if (number > 2147483647LL)
            return negative ? -2147483647 : 2147483647;
    }
    return int(negative ? -number : number);
}

CommandDispatcher::CommandDispatcher()
    : log_([](const QString& line) { qInfo().noquote() << line; })
{
}

void CommandDispatcher::onKey(int command, KeyHandler handler)
{
    keys_.insert(command, std::move(handler));
}

void CommandDispatcher::onKeys(int first, int last, const KeyHandler& handler)
{
    for (int command = first; command <= last; ++command)
        keys_.insert(command, handler);
}

void CommandDispatcher::onAction(const QString& name, ActionHandler handler)
{
    actions_.insert(name, std::move(handler));
}

void CommandDispatcher::keyNotAvailable(int command, const QString& what)
{
    onKey(command, [this, command, what](int) {
        logOnce(QStringLiteral("key %1").arg(command),
                QStringLiteral("Controller actionKeyReceived: %1 (key command %2) is not "
                               "available yet")
                    .arg(what)
                    .arg(command));
    });
}

void CommandDispatcher::actionNotAvailable(const QString& name, const QString& what)
{
    onAction(name, [this, name, what](const QVariant& param) {
        logOnce(name, QStringLiteral("Controller %1: %2 is not available yet (param \"%3\")")
                          .arg(name, what, paramText(param)));
    });
}

void CommandDispatcher::logNotAvailable(const QString& what, const QVariant& param)
{
    logOnce(what, QStringLiteral("Controller: %1 is not available yet (param \"%2\")")
                      .arg(what, paramText(param)));
}

bool CommandDispatcher::dispatchKey(int command)
{
    const auto it = keys_.constFind(command);
    if (it == keys_.constEnd()) {
        logOnce(QStringLiteral("key %1").arg(command),
                QStringLiteral("Controller actionKeyReceived: no handler for key command %1")
                    .arg(command));
        return false;
    }
    it.value()(command);
    return true;
}

bool CommandDispatcher::dispatchAction(const QString& name, const QVariant& param)
{
    const auto it = actions_.constFind(name);
    if (it == actions_.constEnd()) {
        logOnce(name, QStringLiteral("Controller: no handler for the action %1 (param \"%2\")")
                          .arg(name, paramText(param)));
        return false;
    }
    it.value()(param);
    return true;
}

void CommandDispatcher::logOnce(const QString& name, const QString& line)
{
    if (logged_.contains(name))
        return;
    logged_.insert(name);
    if (log_)
        log_(line);
}

} // namespace partivo
