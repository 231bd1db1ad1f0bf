#include "display/PageRenderThread.h"

#include "display/PdfPages.h"

#include <QCoreApplication>
#include <QImage>
#include <QObject>

namespace partivo {

PageRenderThread::PageRenderThread()
    : worker_(std::make_unique<QObject>()), receiver_(std::make_unique<QObject>()),
      documents_(std::make_unique<PdfDocuments>())
{
    thread_.setObjectName(QStringLiteral("PDF pages ahead"));
    worker_->moveToThread(&thread_);
    thread_.start(QThread::LowPriority);
}

PageRenderThread::~PageRenderThread()
{
    // The documents (and their worker process) were opened on the thread: they are closed
    // there.
    QMetaObject::invokeMethod(
        worker_.get(), [this] { documents_.reset(); }, Qt::BlockingQueuedConnection);
    thread_.quit();
    thread_.wait();
    worker_.reset(); // renders asked and not started are dropped with it
}

void PageRenderThread::render(const QString& path, int page, const QSize& view,
                              std::function<void(const QImage&)> done)
{
    QObject* receiver = receiver_.get();
    QMetaObject::invokeMethod(
        worker_.get(),
        [this, receiver, path, page, view, done = std::move(done)] {
            const QImage image = documents_->render(path, page, view);
            QMetaObject::invokeMethod(
                receiver, [done, image] { done(image); }, Qt::QueuedConnection);
        },
        Qt::QueuedConnection);
}

void PageRenderThread::forgetDocuments()
{
    QMetaObject::invokeMethod(
        worker_.get(), [this] { documents_->clear(); }, Qt::QueuedConnection);
}

void PageRenderThread::finish()
{
    // The thread works in order: once this empty job has run, every earlier one has.
    QMetaObject::invokeMethod(
        worker_.get(), [] {}, Qt::BlockingQueuedConnection);
    QCoreApplication::sendPostedEvents(receiver_.get());
}

} // namespace partivo
