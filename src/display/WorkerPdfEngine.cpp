#include "display/WorkerPdfEngine.h"

#include "display/PdfWorkerProtocol.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLocalServer>
#include <QLocalSocket>
#include <QMutex>
#include <QProcess>
#include <QRandomGenerator>
#include <QSharedMemory>
#include <atomic>
#include <cstring>
#include <unistd.h>

namespace partivo {

namespace {

// A line longer than this is no answer of the worker's.
constexpr qint64 kMaxReplyBytes = 64 * 1024;
constexpr int kStopMs = 2000;

// Files that stopped or stalled a worker, for every engine of the process (the window's and
// the render thread's): the second engine does not wait for the same file again.
QMutex brokenLock;
QHash<QString, QString>& brokenFiles()
{
    static QHash<QString, QString> files;
    return files;
}

QString brokenError(const QString& path)
{
    const QMutexLocker locker(&brokenLock);
    return brokenFiles().value(path);
}

QString uniqueName(const char* what)
{
    static std::atomic<int> counter{0};
    return QStringLiteral("partivo-%1-%2-%3-%4-%5")
        .arg(QLatin1String(what))
        .arg(::getuid())
        .arg(QCoreApplication::applicationPid())
        .arg(counter.fetch_add(1))
        .arg(QRandomGenerator::system()->generate64(), 0, 16);
}

QMutex limitsLock;
PdfWorkerLimits& limitsForNewEngines()
{
    static PdfWorkerLimits limits;
    return limits;
}

} // namespace

WorkerPdfEngine::WorkerPdfEngine(QString executable)
    : WorkerPdfEngine(std::move(executable), defaultLimits())
{
}

WorkerPdfEngine::WorkerPdfEngine(QString executable, Limits limits)
    : executable_(std::move(executable)), limits_(limits)
{
}

void WorkerPdfEngine::setDefaultLimits(const Limits& limits)
{
    const QMutexLocker locker(&limitsLock);
    limitsForNewEngines() = limits;
}

PdfWorkerLimits WorkerPdfEngine::defaultLimits()
{
    const QMutexLocker locker(&limitsLock);
    return limitsForNewEngines();
}

WorkerPdfEngine::~WorkerPdfEngine()
{
    // The worker goes first: the shared memory, held by this process alone then, is removed
    // when it is let go.
    stopWorker();
}

QString WorkerPdfEngine::findExecutable()
{
    const QString given = qEnvironmentVariable(pdfworker::kWorkerEnv);
    if (!given.isEmpty() && QFileInfo(given).isFile())
        return given;
    // Beside the program when installed; in the build tree, the worker's own folder.
    const QDir here = QFileInfo(QStringLiteral("/proc/self/exe"))
                          .canonicalFilePath()
                          .section(QLatin1Char('/'), 0, -2);
    for (const char* folder :
         {".", "../pdfworker", "../../pdfworker", "../src/pdfworker", "../../src/pdfworker"}) {
        const QFileInfo candidate(here.filePath(QLatin1String(folder)) + QLatin1Char('/') +
                                  QLatin1String(pdfworker::kExecutable));
        if (candidate.isFile() && candidate.isExecutable())
            return candidate.canonicalFilePath();
    }
    return {};
}

qint64 WorkerPdfEngine::workerPid() const
{
    return process_ && process_->state() != QProcess::NotRunning ? process_->processId() : 0;
}

QString WorkerPdfEngine::sharedMemoryKey() const
{
    return shared_ ? shared_->key() : QString();
}

WorkerPdfEngine::Failure WorkerPdfEngine::startWorker()
{
    ++starts_;
    server_ = std::make_unique<QLocalServer>();
    server_->setSocketOptions(QLocalServer::UserAccessOption); // only this user connects
    if (!server_->listen(uniqueName("pdf"))) {
        qWarning("PDF worker: no local socket: %s", qPrintable(server_->errorString()));
        stopWorker();
        return Failure::Start;
    }
    process_ = std::make_unique<QProcess>();
    process_->setProcessChannelMode(QProcess::ForwardedChannels);
    process_->setInputChannelMode(QProcess::ForwardedInputChannel);
    process_->start(executable_,
                    {QStringLiteral("--socket"), server_->fullServerName(),
                     QStringLiteral("--memory-limit-mb"), QString::number(limits_.memoryMB)});
    QElapsedTimer clock;
    clock.start();
    if (!process_->waitForStarted(limits_.startMs)) {
        qWarning("PDF worker: %s cannot be started: %s", qPrintable(executable_),
                 qPrintable(process_->errorString()));
        stopWorker();
        return Failure::Start;
    }
    // Waits in short steps so that a worker that dies at once is not waited for.
    while (!server_->hasPendingConnections()) {
        if (process_->state() == QProcess::NotRunning || clock.elapsed() > limits_.startMs) {
            qWarning("PDF worker: %s did not connect", qPrintable(executable_));
            stopWorker();
            return Failure::Start;
        }
        server_->waitForNewConnection(20);
    }
    socket_.reset(server_->nextPendingConnection());
    socket_->setParent(nullptr);
    server_->close(); // nobody else connects
    return Failure::None;
}

void WorkerPdfEngine::stopWorker()
{
    if (socket_)
        socket_->abort();
    socket_.reset();
    if (process_ && process_->state() != QProcess::NotRunning) {
        process_->kill();
        process_->waitForFinished(kStopMs);
    }
    process_.reset();
    server_.reset();
}

WorkerPdfEngine::Failure WorkerPdfEngine::ask(const QJsonObject& request, int limitMs,
                                              QJsonObject* reply)
{
    // A worker that dies may have been killed from outside, or died of memory: the request
    // is asked once more of a new one before the file is blamed. A request that takes too
    // long is not asked again.
    const Failure failure = askOnce(request, limitMs, reply);
    return failure == Failure::Died ? askOnce(request, limitMs, reply) : failure;
}

WorkerPdfEngine::Failure WorkerPdfEngine::askOnce(const QJsonObject& request, int limitMs,
                                                  QJsonObject* reply)
{
    if (socket_) {
        socket_->waitForReadyRead(0); // notices a worker that ended since the last request
        if (socket_->state() != QLocalSocket::ConnectedState || socket_->bytesAvailable() > 0)
            stopWorker();
    }
    if (!socket_) {
        if (const Failure failure = startWorker(); failure != Failure::None)
            return failure;
    }
    QElapsedTimer clock;
    clock.start();
    socket_->write(QJsonDocument(request).toJson(QJsonDocument::Compact) + '\n');
    while (!socket_->canReadLine()) {
        const qint64 left = limitMs - clock.elapsed();
        if (socket_->state() != QLocalSocket::ConnectedState ||
            socket_->bytesAvailable() > kMaxReplyBytes) {
            stopWorker();
            return Failure::Died;
        }
        if (left <= 0) {
            stopWorker();
            return Failure::Timeout;
        }
        if (socket_->bytesToWrite() > 0)
            socket_->waitForBytesWritten(int(left));
        else
            socket_->waitForReadyRead(int(left));
    }
    const QJsonDocument answer = QJsonDocument::fromJson(socket_->readLine(kMaxReplyBytes));
    if (!answer.isObject()) {
        stopWorker();
        return Failure::Died;
    }
    *reply = answer.object();
    return Failure::None;
}

QString WorkerPdfEngine::failureText(Failure failure, const QString& path, const QString& doing,
                                     int limitMs)
{
    const QString name = QFileInfo(path).fileName();
    switch (failure) {
    case Failure::Timeout:
        return QStringLiteral("This PDF cannot be shown: \"%1\" took longer than %2 seconds to %3.")
            .arg(name)
            .arg(QString::number(double(limitMs) / 1000.0))
            .arg(doing);
    case Failure::Died:
        return QStringLiteral("This PDF cannot be shown: \"%1\" stopped the PDF reader (it ran "
                              "out of memory or crashed).")
            .arg(name);
    case Failure::Start:
        return QStringLiteral("This PDF cannot be shown: the PDF reader (%1) could not be started.")
            .arg(QLatin1String(pdfworker::kExecutable));
    case Failure::None:
        break;
    }
    return {};
}

void WorkerPdfEngine::markBroken(const QString& path, const QString& error)
{
    qWarning("%s", qPrintable(error));
    opened_.insert(path, Opened{0, error});
    const QMutexLocker locker(&brokenLock);
    brokenFiles().insert(path, error);
}

PdfEngine::Opened WorkerPdfEngine::open(const QString& path)
{
    // A file another engine of the process found broken meanwhile counts as broken here.
    if (const QString broken = brokenError(path); !broken.isEmpty())
        return *opened_.insert(path, Opened{0, broken});
    if (const auto known = opened_.constFind(path); known != opened_.constEnd())
        return *known;
    QJsonObject reply;
    const Failure failure = ask(
        {{QStringLiteral("op"), QLatin1String(pdfworker::kOpen)}, {QStringLiteral("path"), path}},
        limits_.openMs, &reply);
    if (failure == Failure::Start)
        return Opened{0, failureText(failure, path, {}, 0)}; // not the file's fault: tried again
    if (failure != Failure::None) {
        markBroken(path, failureText(failure, path, QStringLiteral("open"), limits_.openMs));
        return opened_.value(path);
    }
    Opened opened;
    opened.error = reply.value(QStringLiteral("error")).toString();
    if (opened.error.isEmpty())
        opened.pageCount = std::max(0, reply.value(QStringLiteral("pages")).toInt());
    return *opened_.insert(path, opened);
}

bool WorkerPdfEngine::ensureSharedMemory(qsizetype bytes)
{
    if (shared_ && shared_->size() >= bytes)
        return true;
    // Shared memory goes away when the last process attached to it lets go: the worker lets
    // go first, so that the segment does not outlive both.
    QJsonObject reply;
    if (shared_ && socket_)
        ask({{QStringLiteral("op"), QLatin1String(pdfworker::kRelease)}}, limits_.openMs, &reply);
    shared_.reset();
    for (int attempt = 0; attempt < 3; ++attempt) {
        auto memory = std::make_unique<QSharedMemory>(uniqueName("page"));
        if (memory->create(bytes)) {
            shared_ = std::move(memory);
            return true;
        }
        qWarning("PDF worker: no shared memory: %s", qPrintable(memory->errorString()));
    }
    return false;
}

QImage WorkerPdfEngine::render(const QString& path, int page, const QSize& view, QString* error)
{
    const Opened opened = open(path);
    if (error)
        *error = opened.error;
    if (!opened.error.isEmpty() || page < 1 || page > opened.pageCount || view.isEmpty())
        return {};
    // The page fits into the view: the view's size is enough for it.
    const qsizetype capacity = qsizetype(view.width()) * view.height() * 4;
    if (!ensureSharedMemory(capacity)) {
        if (error)
            *error = QStringLiteral("This PDF cannot be shown: no memory to pass its pages.");
        return {};
    }
    QJsonObject reply;
    const Failure failure = ask({{QStringLiteral("op"), QLatin1String(pdfworker::kRender)},
                                 {QStringLiteral("path"), path},
                                 {QStringLiteral("page"), page},
                                 {QStringLiteral("w"), view.width()},
                                 {QStringLiteral("h"), view.height()},
                                 {QStringLiteral("shm"), shared_->key()}},
                                limits_.renderMs, &reply);
    if (failure != Failure::None) {
        const QString text =
            failureText(failure, path, QStringLiteral("draw page %1").arg(page), limits_.renderMs);
        if (failure != Failure::Start)
            markBroken(path, text);
        if (error)
            *error = text;
        return {};
    }
    if (const QString said = reply.value(QStringLiteral("error")).toString(); !said.isEmpty()) {
        if (error)
            *error = said;
        return {};
    }
    const int width = reply.value(QStringLiteral("w")).toInt();
    const int height = reply.value(QStringLiteral("h")).toInt();
    if (width < 1 || height < 1 || width > view.width() || height > view.height())
        return {}; // no such page, or an answer that does not fit what was asked
    QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
    if (image.isNull())
        return {};
    std::memcpy(image.bits(), shared_->constData(), size_t(image.sizeInBytes()));
    return image;
}

void WorkerPdfEngine::forget(const QString& path)
{
    opened_.remove(path);
    {
        const QMutexLocker locker(&brokenLock);
        brokenFiles().remove(path);
    }
    QJsonObject reply;
    if (socket_)
        ask({{QStringLiteral("op"), QLatin1String(pdfworker::kForget)},
             {QStringLiteral("path"), path}},
            limits_.openMs, &reply);
}

void WorkerPdfEngine::clear()
{
    opened_.clear();
    {
        const QMutexLocker locker(&brokenLock);
        brokenFiles().clear();
    }
    QJsonObject reply;
    if (socket_)
        ask({{QStringLiteral("op"), QLatin1String(pdfworker::kClear)}}, limits_.openMs, &reply);
}

} // namespace partivo
