// The PDF worker process: a cold page rendered through it against the bare render of the
// same page in this process, the worker's start-up until its first page, and its recovery
// after a render killed midway until the next good page.
#include "ChordProLayoutTiming.h"
#include "ScorePdfs.h"
#include "display/InProcessPdfEngine.h"
#include "display/WorkerPdfEngine.h"

#include <QElapsedTimer>
#include <QGuiApplication>
#include <QPdfDocument>
#include <QTemporaryDir>
#include <atomic>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <thread>
#include <vector>

using namespace partivo;
using bench::msSince;
using bench::verdict;

namespace {

// The left half of a 1920x1080 binder window in two-page mode.
const QSize kView(956, 1010);
constexpr int kVectorPages = 40;
constexpr int kScannedPages = 12;
constexpr int kStarts = 10;

struct ColdPages {
    std::vector<double> worker;
    std::vector<double> inProcess; // the same pages on white, by the engine of this process
    std::vector<double> bare;
};

// Each page once through the worker (never rendered there before) and once straight from a
// document of this process, the two in turn so that both see the same machine.
ColdPages timeColdPages(const QString& executable, const QString& path, int pages)
{
    WorkerPdfEngine worker(executable);
    worker.open(path); // started and the file opened: only pages are timed
    InProcessPdfEngine inProcess;
    inProcess.open(path);
    QPdfDocument pdf;
    pdf.load(path);
    ColdPages timing;
    for (int page = 1; page <= pages; ++page) {
        QElapsedTimer timer;
        timer.start();
        const QImage image = worker.render(path, page, kView, nullptr);
        timing.worker.push_back(msSince(timer));
        timer.restart();
        inProcess.render(path, page, kView, nullptr);
        timing.inProcess.push_back(msSince(timer));
        timer.restart();
        const QImage bare =
            pdf.render(page - 1, fittedPageSize(pdf.pagePointSize(page - 1), kView));
        timing.bare.push_back(msSince(timer));
        if (image.isNull() || bare.isNull())
            std::fprintf(stderr, "page %d did not render\n", page);
    }
    return timing;
}

void printCold(const char* name, const ColdPages& t)
{
    const double worker = bench::percentile(t.worker, 0.5);
    const double bare = bench::percentile(t.bare, 0.5);
    const double ratio = bare > 0 ? worker / bare : 0;
    std::printf("cold page through the worker, %s, %dx%d: median %.2f ms, p95 %.2f ms over %zu "
                "pages; bare render in this process: median %.2f ms, p95 %.2f ms; ratio %.2f "
                "(target at most 1.2: %s); on white in this process, as before the worker: "
                "median %.2f ms\n",
                name, kView.width(), kView.height(), worker, bench::percentile(t.worker, 0.95),
                t.worker.size(), bare, bench::percentile(t.bare, 0.95), ratio,
                verdict(ratio > 0 && ratio <= 1.2), bench::percentile(t.inProcess, 0.5));
}

// A new worker each time, from nothing until its first page is there.
void timeStartUp(const QString& executable, const QString& path)
{
    std::vector<double> firstPage;
    std::vector<double> warmPage;
    for (int run = 0; run < kStarts; ++run) {
        QElapsedTimer timer;
        timer.start();
        WorkerPdfEngine worker(executable);
        worker.render(path, 1, kView, nullptr);
        firstPage.push_back(msSince(timer));
        timer.restart();
        worker.render(path, 1, QSize(kView.width() - 1, kView.height()), nullptr);
        warmPage.push_back(msSince(timer));
    }
    std::printf("worker start-up until its first page: median %.1f ms, p95 %.1f ms over %d "
                "starts (the same page from a running worker: median %.1f ms)\n",
                bench::percentile(firstPage, 0.5), bench::percentile(firstPage, 0.95), kStarts,
                bench::percentile(warmPage, 0.5));
}

// A render killed midway (the worker gets SIGKILL while it renders a page): the time from the
// kill until the page is there, rendered by a new worker.
void timeRecovery(const QString& executable, const QString& path)
{
    using Clock = std::chrono::steady_clock;
    std::vector<double> recovery;
    int missed = 0;
    WorkerPdfEngine worker(executable);
    for (int run = 0; run < kStarts; ++run) {
        const int page = 1 + run % kScannedPages;
        worker.open(path); // a worker runs
        const qint64 pid = worker.workerPid();
        const int starts = worker.starts();
        std::atomic<Clock::rep> killedAt{0};
        std::thread killer([&] {
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
            killedAt = Clock::now().time_since_epoch().count();
            ::kill(pid_t(pid), SIGKILL);
        });
        const QImage image =
            worker.render(path, page, QSize(kView.width() + run, kView.height()), nullptr);
        const Clock::time_point done = Clock::now();
        killer.join();
        if (worker.starts() == starts || image.isNull()) {
            ++missed; // the page was done before the kill
            continue;
        }
        const Clock::time_point killed{Clock::duration(killedAt.load())};
        recovery.push_back(std::chrono::duration<double, std::milli>(done - killed).count());
    }
    if (recovery.empty()) {
        std::printf("worker recovery: no render was killed midway (%d runs)\n", missed);
        return;
    }
    std::printf("worker recovery after a render killed midway, until the page shows: median "
                "%.1f ms, p95 %.1f ms over %zu kills (%d runs finished before the kill)\n",
                bench::percentile(recovery, 0.5), bench::percentile(recovery, 0.95),
                recovery.size(), missed);
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QString executable = WorkerPdfEngine::findExecutable();
    if (executable.isEmpty()) {
        std::fprintf(stderr, "partivo-pdf-worker not found\n");
        return 1;
    }
    QTemporaryDir dir;
    const QString vector =
        bench::writeVectorPdf(dir.filePath(QStringLiteral("Score.pdf")), kVectorPages, 12, 48);
    const QString scanned =
        bench::writeScannedPdf(dir.filePath(QStringLiteral("Scan.pdf")), kScannedPages);

    printCold("vector PDF", timeColdPages(executable, vector, kVectorPages));
    printCold("scanned PDF", timeColdPages(executable, scanned, kScannedPages));
    timeStartUp(executable, vector);
    timeRecovery(executable, scanned);
    return 0;
}
