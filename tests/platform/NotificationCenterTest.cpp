#include "platform/NotificationCenter.h"

#include <QCoreApplication>
#include <QThread>
#include <gtest/gtest.h>
#include <memory>
#include <thread>

using partivo::NotificationCenter;

namespace {

// Runs queued events until done() holds, a bounded number of times.
template <typename Done> void pumpUntil(Done done)
{
    for (int i = 0; i < 20 && !done(); ++i)
        QCoreApplication::processEvents();
}

TEST(NotificationCenter, RunsHandlersOfTheNameInRegistrationOrder)
{
    NotificationCenter center;
    QStringList log;
    center.addObserver("x", [&](const QVariant& p) { log << "1:" + p.toString(); });
    center.addObserver("y", [&](const QVariant&) { log << "y"; });
    center.addObserver("x", [&](const QVariant& p) { log << "2:" + p.toString(); });
    center.addObserver("x", [&](const QVariant&) { log << "3"; });
    center.post("x", 5);
    EXPECT_EQ(log, QStringList({"1:5", "2:5", "3"}));
}

TEST(NotificationCenter, RemovalDuringDeliverySkipsTheRemovedObserver)
{
    NotificationCenter center;
    QStringList log;
    int selfId = 0;
    int laterId = 0;
    selfId = center.addObserver("x", [&](const QVariant&) {
        log << "remover";
        center.removeObserver(laterId);
        center.removeObserver(selfId);
    });
    laterId = center.addObserver("x", [&](const QVariant&) { log << "removed"; });
    center.addObserver("x", [&](const QVariant&) { log << "last"; });
    center.post("x");
    center.post("x");
    EXPECT_EQ(log, QStringList({"remover", "last", "last"}));
}

TEST(NotificationCenter, PostingAndAddingDuringDelivery)
{
    NotificationCenter center;
    QStringList log;
    center.addObserver("a", [&](const QVariant&) {
        log << "a";
        center.post("b");
        center.addObserver("a", [&](const QVariant&) { log << "added"; });
    });
    center.addObserver("b", [&](const QVariant&) { log << "b"; });
    center.post("a");
    EXPECT_EQ(log, QStringList({"a", "b"}));
}

TEST(NotificationCenter, PostFromAnotherThreadIsDeliveredOnTheMainThread)
{
    NotificationCenter center;
    QThread* deliveredOn = nullptr;
    QVariant received;
    center.addObserver("x", [&](const QVariant& p) {
        deliveredOn = QThread::currentThread();
        received = p;
    });
    std::thread worker([&] { center.post("x", QString("from worker")); });
    worker.join();
    EXPECT_EQ(deliveredOn, nullptr); // queued, not run on the worker
    pumpUntil([&] { return deliveredOn != nullptr; });
    EXPECT_EQ(deliveredOn, QCoreApplication::instance()->thread());
    EXPECT_EQ(received, QString("from worker"));
}

TEST(NotificationCenter, QueuedPostIsDroppedWhenTheCenterIsGone)
{
    auto center = std::make_unique<NotificationCenter>();
    int calls = 0;
    center->addObserver("x", [&](const QVariant&) { ++calls; });
    std::thread worker([&] { center->post("x"); });
    worker.join();
    center.reset();
    for (int i = 0; i < 5; ++i)
        QCoreApplication::processEvents();
    EXPECT_EQ(calls, 0);
}

} // namespace
