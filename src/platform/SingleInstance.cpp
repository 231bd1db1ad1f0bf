#include "platform/SingleInstance.h"

#include <QCryptographicHash>
#include <QLocalServer>
#include <QLocalSocket>
#include <unistd.h>

namespace partivo {

namespace {

constexpr int kConnectMs = 500;
constexpr int kAnswerMs = 2000;
// A folder path, a line break, nothing more: anything longer is no hand-over.
constexpr qint64 kMaxMessageBytes = 8192;
constexpr char kTaken[] = "ok\n";

} // namespace

QString SingleInstance::socketName(const QString& settingsFile)
{
    const QByteArray hash =
        QCryptographicHash::hash(settingsFile.toUtf8(), QCryptographicHash::Sha1).toHex().left(12);
    return QStringLiteral("partivo-%1-%2").arg(::getuid()).arg(QString::fromLatin1(hash));
}

SingleInstance::SingleInstance(const QString& name, QObject* parent) : QObject(parent), name_(name)
{
}

SingleInstance::~SingleInstance() = default;

bool SingleInstance::handOver(const QString& folder)
{
    QLocalSocket socket;
    socket.connectToServer(name_);
    if (!socket.waitForConnected(kConnectMs))
        return false;
    socket.write(folder.toUtf8() + '\n');
    if (!socket.waitForBytesWritten(kAnswerMs) || !socket.waitForReadyRead(kAnswerMs))
        return false;
    return socket.readAll() == kTaken;
}

bool SingleInstance::listen(std::function<void(const QString& folder)> onHandOver)
{
    onHandOver_ = std::move(onHandOver);
    server_ = std::make_unique<QLocalServer>();
    // Only this user may connect.
    server_->setSocketOptions(QLocalServer::UserAccessOption);
    if (!server_->listen(name_)) {
        // A socket left by a program that crashed: nobody answers on it any more.
        QLocalServer::removeServer(name_);
        if (!server_->listen(name_)) {
            server_.reset();
            return false;
        }
    }
    connect(server_.get(), &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket* socket = server_->nextPendingConnection()) {
            connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
            connect(socket, &QLocalSocket::readyRead, this, [this, socket] { readFrom(socket); });
            if (socket->bytesAvailable() > 0)
                readFrom(socket);
        }
    });
    return true;
}

void SingleInstance::readFrom(QLocalSocket* socket)
{
    if (socket->bytesAvailable() > kMaxMessageBytes) {
        socket->abort();
        return;
    }
    if (!socket->canReadLine())
        return;
    const QString folder = QString::fromUtf8(socket->readLine(kMaxMessageBytes)).trimmed();
    socket->write(kTaken);
    socket->flush();
    socket->disconnectFromServer();
    if (onHandOver_)
        onHandOver_(folder);
}

} // namespace partivo
