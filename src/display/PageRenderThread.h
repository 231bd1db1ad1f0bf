#pragma once

#include <QSize>
#include <QString>
#include <QThread>
#include <functional>
#include <memory>

class QImage;
class QObject;

namespace partivo {

class PdfDocuments;

// Renders PDF pages on a thread of its own, with documents of its own, so that rendering
// the pages ahead never holds up the window: a key pressed meanwhile is handled at once.
// Results come back on the thread that asked, one event-loop turn later.
class PageRenderThread {
public:
    PageRenderThread();
    ~PageRenderThread();

    // Renders page `page` (1-based) of the file fitted into the view, on white; done gets
    // the image (null when the page cannot be rendered) on the asking thread.
    void render(const QString& path, int page, const QSize& view,
                std::function<void(const QImage&)> done);
    // The files changed on disk: they are opened again.
    void forgetDocuments();
    // Waits until every render asked so far is done and hands their results over. The
    // wait is for the work, not for a time.
    void finish();

private:
    QThread thread_;
    std::unique_ptr<QObject> worker_;         // lives on thread_
    std::unique_ptr<QObject> receiver_;       // lives on the asking thread
    std::unique_ptr<PdfDocuments> documents_; // used on thread_ only
};

} // namespace partivo
