// The PDF worker: opens and renders PDF files for the program in a process of its own, so
// that a file that makes the PDF engine loop, or grow until memory runs out, takes down only
// this process. It connects to the local socket the program names, takes one JSON request a
// line and answers each with one line; page images go into the program's shared memory.
#include "display/InProcessPdfEngine.h"
#include "display/PdfWorkerProtocol.h"

#include <QCoreApplication>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLocalSocket>
#include <QSharedMemory>
#include <csignal>
#include <cstdio>
#include <sys/prctl.h>
#include <sys/resource.h>

using namespace partivo;

namespace {

// A request is a short line; anything longer is not from the program.
constexpr qint64 kMaxRequestBytes = 64 * 1024;

void limitMemory(qint64 megabytes)
{
#if defined(PARTIVO_SANITIZED)
    // The sanitizers reserve far more address space than they use: no limit for them.
    Q_UNUSED(megabytes);
#else
    if (megabytes <= 0)
        return;
    rlimit limit{};
    limit.rlim_cur = limit.rlim_max = rlim_t(megabytes) * 1024 * 1024;
    setrlimit(RLIMIT_AS, &limit);
#endif
}

class Worker {
public:
    QJsonObject handle(const QJsonObject& request)
    {
        const QString op = request.value(QStringLiteral("op")).toString();
        const QString path = request.value(QStringLiteral("path")).toString();
        if (op == QLatin1String(pdfworker::kOpen)) {
            const PdfEngine::Opened opened = engine_.open(path);
            if (!opened.error.isEmpty())
                return {{QStringLiteral("error"), opened.error}};
            return {{QStringLiteral("pages"), opened.pageCount}};
        }
        if (op == QLatin1String(pdfworker::kRender))
            return render(request, path);
        if (op == QLatin1String(pdfworker::kForget))
            engine_.forget(path);
        else if (op == QLatin1String(pdfworker::kClear))
            engine_.clear();
        else if (op == QLatin1String(pdfworker::kRelease))
            shared_.reset(); // detached: the last one to let go removes it
        else
            return {{QStringLiteral("error"), QStringLiteral("unknown request")}};
        return {};
    }

private:
    QJsonObject render(const QJsonObject& request, const QString& path)
    {
        const QSize view(request.value(QStringLiteral("w")).toInt(),
                         request.value(QStringLiteral("h")).toInt());
        const int page = request.value(QStringLiteral("page")).toInt();
        const PdfEngine::Opened opened = engine_.open(path);
        if (!opened.error.isEmpty())
            return {{QStringLiteral("error"), opened.error}};
        if (!attach(request.value(QStringLiteral("shm")).toString()))
            return {{QStringLiteral("error"), QStringLiteral("no shared memory for the page")}};
        // Painted straight into the program's memory: no copy on this side.
        const QSize size = engine_.renderInto(
            path, page, view, static_cast<uchar*>(shared_->data()), shared_->size());
        if (size.isEmpty())
            return {}; // no such page
        return {{QStringLiteral("w"), size.width()}, {QStringLiteral("h"), size.height()}};
    }

    bool attach(const QString& key)
    {
        if (shared_ && shared_->key() == key && shared_->isAttached())
            return true;
        shared_ = std::make_unique<QSharedMemory>(key);
        return shared_->attach();
    }

    InProcessPdfEngine engine_;
    std::unique_ptr<QSharedMemory> shared_;
};

} // namespace

int main(int argc, char** argv)
{
    // Ends with the program, whatever way the program ends.
    prctl(PR_SET_PDEATHSIG, SIGKILL);
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    const qsizetype socketAt = args.indexOf(QStringLiteral("--socket"));
    const qsizetype limitAt = args.indexOf(QStringLiteral("--memory-limit-mb"));
    if (socketAt < 0 || socketAt + 1 >= args.size()) {
        std::fprintf(stderr, "usage: %s --socket NAME [--memory-limit-mb N]\n",
                     pdfworker::kExecutable);
        return 2;
    }
    if (limitAt >= 0 && limitAt + 1 < args.size())
        limitMemory(args[limitAt + 1].toLongLong());

    QLocalSocket socket;
    socket.connectToServer(args[socketAt + 1]);
    if (!socket.waitForConnected(5000)) {
        std::fprintf(stderr, "%s: %s\n", pdfworker::kExecutable, qPrintable(socket.errorString()));
        return 1;
    }
    Worker worker;
    while (socket.state() == QLocalSocket::ConnectedState) {
        if (!socket.canReadLine()) {
            if (socket.bytesAvailable() > kMaxRequestBytes)
                return 1;
            socket.waitForReadyRead(-1);
            continue;
        }
        const QJsonDocument request = QJsonDocument::fromJson(socket.readLine(kMaxRequestBytes));
        const QJsonObject reply =
            request.isObject()
                ? worker.handle(request.object())
                : QJsonObject{{QStringLiteral("error"), QStringLiteral("not a request")}};
        socket.write(QJsonDocument(reply).toJson(QJsonDocument::Compact) + '\n');
        socket.waitForBytesWritten(-1);
    }
    return 0;
}
