#pragma once

#include "display/PdfEngine.h"

#include <QHash>
#include <memory>

class QLocalServer;
class QLocalSocket;
class QProcess;
class QSharedMemory;
class QJsonObject;

namespace partivo {

// How long a worker may take, and how much memory it may use.
struct PdfWorkerLimits {
    int startMs = 10000; // until the worker has started and connected
    int openMs = 3000;   // opening a file and counting its pages
    int renderMs = 5000; // rendering one page
    int memoryMB = 3072; // the worker's address space
};

// PDF files opened and rendered by the worker process (partivo-pdf-worker), so that a file
// that makes the PDF engine loop for ever, or grow until memory runs out, holds up nothing
// here: a request that takes longer than its time limit, or a worker that dies, ends with
// the worker replaced and the file marked as one that cannot be shown ("This PDF cannot be
// shown: ..."). Requests go one at a time over a local socket only this user can reach;
// page images come back through shared memory. Used from one thread.
class WorkerPdfEngine : public PdfEngine {
public:
    using Limits = PdfWorkerLimits;

    // With the limits set by setDefaultLimits() (the ones above unless changed).
    explicit WorkerPdfEngine(QString executable);
    WorkerPdfEngine(QString executable, Limits limits);
    ~WorkerPdfEngine() override;

    Opened open(const QString& path) override;
    QImage render(const QString& path, int page, const QSize& view, QString* error) override;
    void forget(const QString& path) override;
    void clear() override;

    void setLimits(const Limits& limits) { limits_ = limits; }
    // The limits of engines made from now on (tests shorten them).
    static void setDefaultLimits(const Limits& limits);
    static Limits defaultLimits();
    // How many workers were started so far (the first, then one after each failure).
    int starts() const { return starts_; }
    // The worker's process ID, 0 while none runs (tests kill it to see it replaced).
    qint64 workerPid() const;
    // The shared memory the pages come through; "" before the first page.
    QString sharedMemoryKey() const;

    // The worker executable: $PARTIVO_PDF_WORKER when it names a file, else the one beside
    // the program or in the build tree; "" when there is none.
    static QString findExecutable();

private:
    enum class Failure { None, Start, Timeout, Died };
    Failure ask(const QJsonObject& request, int limitMs, QJsonObject* reply);
    Failure askOnce(const QJsonObject& request, int limitMs, QJsonObject* reply);
    Failure startWorker();
    void stopWorker();
    bool ensureSharedMemory(qsizetype bytes);
    // Why the file cannot be shown; doing is what took longer than limitMs.
    static QString failureText(Failure failure, const QString& path, const QString& doing,
                               int limitMs);
    void markBroken(const QString& path, const QString& error);

    QString executable_;
    Limits limits_;
    std::unique_ptr<QLocalServer> server_;
    std::unique_ptr<QProcess> process_;
    std::unique_ptr<QLocalSocket> socket_;
    std::unique_ptr<QSharedMemory> shared_;
    QHash<QString, Opened> opened_;
    int starts_ = 0;
};

} // namespace partivo
