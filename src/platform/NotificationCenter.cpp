#include "platform/NotificationCenter.h"

#include <QThread>
#include <QVariantMap>
#include <algorithm>

namespace partivo {

NotificationCenter::NotificationCenter(QObject* parent) : QObject(parent) {}

// Observers are registered and removed on the thread of this object only.
int NotificationCenter::addObserver(const QString& name, Handler handler)
{
    const int id = nextId_++;
    observers_.append({id, name, std::move(handler)});
    return id;
}

void NotificationCenter::removeObserver(int id)
{
    observers_.removeIf([id](const Observer& o) { return o.id == id; });
}

void NotificationCenter::post(const QString& name, const QVariant& param)
{
    if (QThread::currentThread() == thread()) {
        deliver(name, param);
        return;
    }
    // Dropped by Qt if this object is gone before the event loop gets to it.
    QMetaObject::invokeMethod(
        this, [this, name, param] { deliver(name, param); }, Qt::QueuedConnection);
}

void NotificationCenter::postParam(const QString& name, const QVariant& value)
{
    post(name, QVariantMap{{QLatin1String(kCommandParam), value}});
}

// Works on a copy so that handlers may add or remove observers and post again. An observer
// removed by an earlier handler of the same post is skipped; one added is not run for it.
void NotificationCenter::deliver(const QString& name, const QVariant& param)
{
    QList<Observer> targets;
    for (const Observer& o : std::as_const(observers_)) {
        if (o.name == name)
            targets.append(o);
    }
    if (targets.isEmpty() && unobserved_) {
        unobserved_(name, param);
        return;
    }
    for (const Observer& target : std::as_const(targets)) {
        const bool stillRegistered =
            std::any_of(observers_.cbegin(), observers_.cend(),
                        [&target](const Observer& o) { return o.id == target.id; });
        if (stillRegistered && target.handler)
            target.handler(param);
    }
}

} // namespace partivo
