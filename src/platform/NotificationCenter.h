#pragma once

#include <QHash>
#include <QObject>
#include <QString>
#include <QVariant>
#include <functional>

namespace partivo {

// Key commands travel on the bus under this name, with a map holding the command number
// under "param".
inline constexpr char kActionKeyNotification[] = "ActionKey";
inline constexpr char kActionKeyParam[] = "param";

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

private:
    void deliver(const QString& name, const QVariant& param);

    struct Observer {
        int id;
        QString name;
        Handler handler;
    };
    QList<Observer> observers_;
    int nextId_ = 1;
};

} // namespace partivo
