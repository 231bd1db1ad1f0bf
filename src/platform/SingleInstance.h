#pragma once

#include <QObject>
#include <QString>
#include <functional>
#include <memory>

class QLocalServer;
class QLocalSocket;

namespace partivo {

// One running program per user and settings file. The first start listens on a local socket
// that only its user may reach; a later start hands it its start folder (or "") and stops.
class SingleInstance : public QObject {
    Q_OBJECT
public:
    // The socket's name for this user and settings file.
    static QString socketName(const QString& settingsFile);

    explicit SingleInstance(const QString& name, QObject* parent = nullptr);
    ~SingleInstance() override;

    // Hands the folder to a program already running; true when one took it (this start
    // then has nothing left to do).
    bool handOver(const QString& folder);
    // Listens for later starts; each hands over a folder ("" for none). False when the
    // socket cannot be made (the program then runs on its own, as before).
    bool listen(std::function<void(const QString& folder)> onHandOver);

private:
    void readFrom(QLocalSocket* socket);

    QString name_;
    std::unique_ptr<QLocalServer> server_;
    std::function<void(const QString&)> onHandOver_;
};

} // namespace partivo
