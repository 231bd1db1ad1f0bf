#include "HostilePdf.h"
#include "TestSongs.h"
#include "display/InProcessPdfEngine.h"
#include "display/PageRenderThread.h"
#include "display/PdfPages.h"
#include "display/WorkerPdfEngine.h"

#include <QSharedMemory>
#include <QTemporaryDir>
#include <csignal>
#include <gtest/gtest.h>

namespace partivo {
namespace {

constexpr char kCannotBeShown[] = "This PDF cannot be shown: ";

class PdfWorker : public ::testing::Test {
protected:
    void SetUp() override
    {
        executable = WorkerPdfEngine::findExecutable();
        ASSERT_FALSE(executable.isEmpty()) << "partivo-pdf-worker is built with the tests";
        good = writePdf(dir.filePath("Good.pdf"), 3);
    }
    QString write(const HostilePdf& pdf)
    {
        return writeFile(dir.filePath(pdf.fileName), pdf.bytes);
    }

    QTemporaryDir dir;
    QString executable;
    QString good;
};

TEST_F(PdfWorker, PagesAreTheSameAsRenderedInProcess)
{
    WorkerPdfEngine worker(executable);
    InProcessPdfEngine inProcess;
    EXPECT_EQ(worker.open(good).pageCount, 3);
    const struct {
        int page;
        QSize view;
    } rows[] = {{1, {300, 300}}, {2, {1920, 1080}}, {3, {1080, 1920}}, {2, {301, 77}}};
    for (const auto& row : rows) {
        QString error;
        const QImage fromWorker = worker.render(good, row.page, row.view, &error);
        EXPECT_EQ(error, "");
        EXPECT_EQ(fromWorker, inProcess.render(good, row.page, row.view, nullptr))
            << row.page << " " << row.view.width() << "x" << row.view.height();
    }
    EXPECT_TRUE(worker.render(good, 4, {300, 300}, nullptr).isNull()); // no such page
    EXPECT_TRUE(worker.render(good, 0, {300, 300}, nullptr).isNull());
    EXPECT_TRUE(worker.render(good, 1, {0, 300}, nullptr).isNull());
    EXPECT_EQ(worker.starts(), 1);
}

TEST_F(PdfWorker, DamagedFilesGetTheSameMessagesAsInProcess)
{
    const QString paths[] = {dir.filePath("Gone.pdf"), writeFile(dir.filePath("Empty.pdf"), {}),
                             writeFile(dir.filePath("Text.pdf"), "{title: not a pdf}\n")};
    WorkerPdfEngine worker(executable);
    InProcessPdfEngine inProcess;
    for (const QString& path : paths) {
        const PdfEngine::Opened opened = worker.open(path);
        EXPECT_FALSE(opened.error.isEmpty()) << qPrintable(path);
        EXPECT_EQ(opened.error, inProcess.open(path).error);
        EXPECT_EQ(opened.pageCount, 0);
    }
    EXPECT_EQ(worker.starts(), 1); // a damaged file is no reason to replace the worker
}

TEST_F(PdfWorker, HostileFilesEndInAMessageAndTheNextFileStillShows)
{
    for (const HostilePdf& hostile : hostilePdfs()) {
        SCOPED_TRACE(hostile.fileName);
        const QString path = write(hostile);
        WorkerPdfEngine worker(executable, shortPdfWorkerLimits());
        QString error = worker.open(path).error;
        if (error.isEmpty()) // opens, but its page never finishes
            worker.render(path, 1, {600, 800}, &error);
        EXPECT_TRUE(error.startsWith(kCannotBeShown)) << qPrintable(error);
        EXPECT_TRUE(error.contains(hostile.fileName)) << qPrintable(error);
        // Known now: not tried again, also by the other engines of the program.
        EXPECT_EQ(worker.open(path).error, error);
        WorkerPdfEngine other(executable, shortPdfWorkerLimits());
        EXPECT_EQ(other.open(path).error, error);
        EXPECT_EQ(other.starts(), 0);
        // A new worker carries on with the good files.
        const int starts = worker.starts();
        worker.setLimits(PdfWorkerLimits{});
        const QImage page = worker.render(good, 2, {200, 200}, &error);
        EXPECT_EQ(error, "");
        ASSERT_FALSE(page.isNull());
        EXPECT_TRUE(near(page.pixelColor(page.width() / 2, 100), kPageColors[1]));
        EXPECT_EQ(worker.starts(), starts + 1);
        // Forgotten (changed on disk), the file is tried again.
        worker.forget(path);
        writePdf(path, 1);
        EXPECT_EQ(worker.open(path).pageCount, 1);
    }
}

TEST_F(PdfWorker, AWorkerKilledFromOutsideIsReplacedWithoutBlamingTheFile)
{
    WorkerPdfEngine worker(executable);
    ASSERT_FALSE(worker.render(good, 1, {200, 200}, nullptr).isNull());
    const qint64 pid = worker.workerPid();
    ASSERT_GT(pid, 0);
    ::kill(pid_t(pid), SIGKILL);
    QString error;
    const QImage page = worker.render(good, 3, {200, 200}, &error);
    EXPECT_EQ(error, "");
    ASSERT_FALSE(page.isNull());
    EXPECT_TRUE(near(page.pixelColor(page.width() / 2, 100), kPageColors[2]));
    EXPECT_EQ(worker.starts(), 2);
    EXPECT_NE(worker.workerPid(), pid);
}

TEST_F(PdfWorker, AWorkerThatOutgrowsItsMemoryLimitIsReplaced)
{
#if defined(PARTIVO_SANITIZED)
    GTEST_SKIP() << "the sanitized worker runs without a memory limit";
#endif
    const QString form = write(hostilePdfs().last());
    PdfWorkerLimits limits;
    limits.memoryMB = 400;
    WorkerPdfEngine worker(executable, limits);
    QString error;
    EXPECT_TRUE(worker.render(form, 1, {600, 800}, &error).isNull());
    EXPECT_EQ(error, "This PDF cannot be shown: \"Form.pdf\" stopped the PDF reader (it ran out "
                     "of memory or crashed).");
    EXPECT_EQ(worker.starts(), 2); // asked once more of a new worker before blaming the file
    EXPECT_FALSE(worker.render(good, 1, {200, 200}, nullptr).isNull());
}

TEST_F(PdfWorker, SharedMemoryDoesNotOutliveItsUse)
{
    // Shared memory stays in the system until the last process attached lets go: replaced
    // (a larger view), after a killed worker, or at the end, none may be left behind.
    const auto exists = [](const QString& key) { return QSharedMemory(key).attach(); };
    QString first;
    QString second;
    {
        WorkerPdfEngine worker(executable);
        ASSERT_FALSE(worker.render(good, 1, {200, 200}, nullptr).isNull());
        first = worker.sharedMemoryKey();
        ::kill(pid_t(worker.workerPid()), SIGKILL);
        ASSERT_FALSE(worker.render(good, 1, {200, 200}, nullptr).isNull()); // a new worker
        ASSERT_FALSE(worker.render(good, 1, {400, 400}, nullptr).isNull()); // more memory
        second = worker.sharedMemoryKey();
        EXPECT_NE(first, second);
        EXPECT_FALSE(exists(first));
        EXPECT_TRUE(exists(second));
    }
    EXPECT_FALSE(exists(second));
}

TEST_F(PdfWorker, AMissingWorkerSaysSoAndBlamesNoFile)
{
    WorkerPdfEngine worker(dir.filePath("no-such-worker"));
    const QString error = worker.open(good).error;
    EXPECT_TRUE(error.startsWith(kCannotBeShown)) << qPrintable(error);
    EXPECT_TRUE(error.contains("partivo-pdf-worker")) << qPrintable(error);
    WorkerPdfEngine real(executable);
    EXPECT_EQ(real.open(good).pageCount, 3);
}

TEST_F(PdfWorker, TheRenderThreadSurvivesAHostileNextSong)
{
    const QString form = write(hostilePdfs().last()); // hangs only once drawn
    WorkerPdfEngine::setDefaultLimits(shortPdfWorkerLimits());
    {
        PdfDocuments documents;
        PageRenderCache cache(documents);
        PageRenderThread thread;
        const QSize view(300, 300);
        const QList<PageRenderCache::Key> ahead{{good, 2, view}, {form, 1, view}, {good, 3, view}};
        int ready = 0;
        while (cache.prefetchOneInBackground(ahead, thread, [&] { ++ready; }))
            thread.finish();
        EXPECT_EQ(ready, 3);
        EXPECT_TRUE(cache.contains({good, 2, view}));
        EXPECT_TRUE(cache.contains({good, 3, view}));
        EXPECT_FALSE(cache.contains({form, 1, view}));
        // The window's own documents learn it without waiting on the file again.
        EXPECT_TRUE(cache.problem(form).startsWith(kCannotBeShown));
        EXPECT_TRUE(cache.page({form, 1, view}).isNull());
    }
    WorkerPdfEngine::setDefaultLimits(PdfWorkerLimits{});
}

} // namespace
} // namespace partivo
