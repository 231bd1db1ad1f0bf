#include "platform/SingleInstance.h"

#include "QtPrinters.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QLocalSocket>
#include <atomic>
#include <gtest/gtest.h>
#include <thread>

using namespace partivo;

namespace {

QString uniqueName()
{
    return SingleInstance::socketName(
        QStringLiteral("/test/%1/%2.ini")
            .arg(QCoreApplication::applicationPid())
            .arg(::testing::UnitTest::GetInstance()->current_test_info()->name()));
}

// The later start runs on a thread of its own, as it would in its own process; the running
// program's event loop turns until the hand-over has arrived (or the other side gave up).
bool handOverWhileRunning(const QString& name, const QString& folder)
{
    std::atomic<bool> done{false};
    bool taken = false;
    std::thread later([&] {
        SingleInstance second(name);
        taken = second.handOver(folder);
        done = true;
    });
    while (!done)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    later.join();
    QCoreApplication::processEvents();
    return taken;
}

TEST(SingleInstance, ALaterStartHandsItsFolderToTheRunningProgram)
{
    const QString name = uniqueName();
    SingleInstance first(name);
    EXPECT_FALSE(first.handOver(QStringLiteral("/nobody/listens"))) << "nothing runs yet";
    QStringList received;
    ASSERT_TRUE(first.listen([&received](const QString& folder) { received << folder; }));

    EXPECT_TRUE(handOverWhileRunning(name, QStringLiteral("/home/me/Songs")));
    EXPECT_TRUE(handOverWhileRunning(name, QString()));
    EXPECT_EQ(received, (QStringList{"/home/me/Songs", ""}));
}

TEST(SingleInstance, NamesDifferPerSettingsFileAndAStaleSocketIsTakenOver)
{
    EXPECT_NE(SingleInstance::socketName("/a/Partivo.ini"),
              SingleInstance::socketName("/b/Partivo.ini"));
    EXPECT_EQ(SingleInstance::socketName("/a/Partivo.ini"),
              SingleInstance::socketName("/a/Partivo.ini"));

    // A program that crashed leaves its socket file behind; nobody answers on it.
    const QString name = uniqueName();
    QFile stale(QDir::temp().filePath(name));
    ASSERT_TRUE(stale.open(QIODevice::WriteOnly));
    stale.close();
    SingleInstance next(name);
    EXPECT_FALSE(next.handOver(QString()));
    EXPECT_TRUE(next.listen([](const QString&) {}));
}

TEST(SingleInstance, AnOverlongMessageIsNoHandOver)
{
    const QString name = uniqueName();
    SingleInstance first(name);
    QStringList received;
    ASSERT_TRUE(first.listen([&received](const QString& folder) { received << folder; }));
    std::atomic<bool> done{false};
    std::thread sender([&] {
        QLocalSocket socket;
        socket.connectToServer(name);
        if (socket.waitForConnected(2000)) {
            socket.write(QByteArray(20000, 'x'));
            socket.waitForBytesWritten(2000);
            socket.waitForDisconnected(2000);
        }
        done = true;
    });
    while (!done)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    sender.join();
    QCoreApplication::processEvents();
    EXPECT_TRUE(received.isEmpty());
}

} // namespace
