#pragma once

#include "platform/Commands.h"

#include <QHash>
#include <QObject>
#include <QString>
#include <QVariant>
#include <functional>

namespace partivo {

// In-process command bus: post(name, param) runs every handler registered for the name on
// the main thread. A post from another thread is queued to the main thread.
class NotificationCenter : public QObject {
    Q_OBJECT
public:
    using Handler = std::function<void(const QVariant& param)>;

    explicit NotificationCenter(QObject* parent = nullptr);

    // Returns an id for removeObserver.
    int addObserver(const QString& name, Handler handler);
    void removeObserver(int id);
    void post(const QString& name, const QVariant& param = QVariant());
    // Posts the value the way commands travel: a map holding it under "param".
    void postParam(const QString& name, const QVariant& value);
    // Runs for a post that no observer takes, so that nothing posted is dropped unheard.
    void setUnobservedHandler(std::function<void(const QString& name, const QVariant& param)> h)
    {
        unobserved_ = std::move(h);
    }

private:
    void deliver(const QString& name, const QVariant& param);

    struct Observer {
        int id;
        QString name;
        Handler handler;
    };
    QList<Observer> observers_;
    int nextId_ = 1;
    std::function<void(const QString&, const QVariant&)> unobserved_;
};

} // namespace partivo
