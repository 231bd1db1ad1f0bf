#include "display/PdfPages.h"
#include "LockedPdf.h"
#include "QtPrinters.h"
#include "TestSongs.h"
#include "display/InProcessPdfEngine.h"
#include "display/PageRenderThread.h"

#include <QFile>
#include <QPainter>
#include <QPdfDocument>
#include <QPdfWriter>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace partivo {
namespace {

TEST(PdfPages, RendersFittedPagesOnceAndKeepsTheRecentOnes)
{
    QTemporaryDir dir;
    const QString path = writePdf(dir.filePath("Song.pdf"), 3);
    PdfDocuments documents;
    ASSERT_EQ(documents.open(path).error, "");
    EXPECT_EQ(documents.open(path).pageCount, 3);

    PageRenderCache cache(documents, 2);
    const QSize view(400, 400);
    const QImage second = cache.page({path, 2, view});
    ASSERT_FALSE(second.isNull());
    EXPECT_EQ(second.height(), 400); // portrait page fitted by its height
    EXPECT_LT(second.width(), 300);
    EXPECT_TRUE(near(second.pixelColor(second.width() / 2, 200), kPageColors[1]));
    EXPECT_EQ(cache.renders(), 1);
    cache.page({path, 2, view});
    EXPECT_EQ(cache.renders(), 1); // from the cache

    cache.prefetch({{path, 3, view}, {path, 2, view}});
    EXPECT_EQ(cache.renders(), 2);
    EXPECT_TRUE(cache.contains({path, 3, view}));
    cache.page({path, 1, view}); // evicts the least recently used, page 2
    EXPECT_FALSE(cache.contains({path, 2, view}));
    EXPECT_TRUE(cache.contains({path, 3, view}));
    EXPECT_FALSE(cache.contains({path, 3, QSize(500, 400)})); // another size is another page

    EXPECT_TRUE(cache.page({path, 4, view}).isNull());
    EXPECT_TRUE(cache.page({path, 0, view}).isNull());
    EXPECT_EQ(cache.size(), 2);
    cache.clear();
    EXPECT_EQ(cache.size(), 0);
}

TEST(PdfPages, PagesAheadStayWhilePagesLeftBehindGo)
{
    QTemporaryDir dir;
    const QString score = writePdf(dir.filePath("Score.pdf"), 6);
    const QString next = writePdf(dir.filePath("Next.pdf"), 1);
    PdfDocuments documents;
    PageRenderCache cache(documents, 4);
    const QSize view(200, 200);
    const auto key = [&](const QString& path, int page) {
        return PageRenderCache::Key{path, page, view};
    };
    // Turning page by page with the next song's first page always ahead: it is rendered
    // once, and every page shown was rendered ahead.
    for (int shown = 1; shown <= 6; ++shown) {
        const int before = cache.renders();
        cache.page(key(score, shown));
        if (shown > 1) {
            EXPECT_EQ(cache.renders(), before) << "page " << shown << " was not ready";
        }
        QList<PageRenderCache::Key> ahead;
        for (int p = shown + 1; p <= std::min(6, shown + 2); ++p)
            ahead.append(key(score, p));
        ahead.append(key(next, 1));
        cache.prefetch(ahead);
    }
    EXPECT_EQ(cache.renders(), 7); // six pages and the next song's first
    // A page that cannot be rendered is tried once, not again at every step.
    const QList<PageRenderCache::Key> missing = {key(score, 9), key(dir.filePath("Gone.pdf"), 1)};
    EXPECT_TRUE(cache.prefetchOne(missing));
    EXPECT_TRUE(cache.prefetchOne(missing));
    EXPECT_FALSE(cache.prefetchOne(missing));
}

TEST(PdfPages, PagesAheadRenderedOnTheRenderThreadOneAtATime)
{
    QTemporaryDir dir;
    const QString score = writePdf(dir.filePath("Score.pdf"), 3);
    PdfDocuments documents;
    PageRenderCache cache(documents);
    PageRenderThread thread;
    const QSize view(200, 200);
    const QList<PageRenderCache::Key> ahead = {
        {score, 2, view}, {dir.filePath("Gone.pdf"), 1, view}, {score, 3, view}};
    int ready = 0;
    const auto step = [&] {
        return cache.prefetchOneInBackground(ahead, thread, [&] { ++ready; });
    };

    EXPECT_TRUE(step());
    EXPECT_FALSE(step()); // one at a time
    thread.finish();
    EXPECT_EQ(ready, 1);
    const QImage second = cache.page(ahead[0]);
    EXPECT_TRUE(near(second.pixelColor(second.width() / 2, 100), kPageColors[1]));
    EXPECT_TRUE(step()); // the missing file: tried once
    thread.finish();
    EXPECT_TRUE(step());
    thread.finish();
    EXPECT_FALSE(step()); // nothing left
    EXPECT_EQ(ready, 3);
    EXPECT_EQ(cache.renders(), 2);

    // A page asked for before the cache was cleared (a resize) is not kept.
    const PageRenderCache::Key first{score, 1, view};
    EXPECT_TRUE(cache.prefetchOneInBackground({first}, thread, nullptr));
    cache.clear();
    thread.finish();
    EXPECT_FALSE(cache.contains(first));
    EXPECT_TRUE(cache.prefetchOneInBackground({first}, thread, nullptr));
    thread.finish();
    EXPECT_TRUE(cache.contains(first));
}

TEST(PdfPages, FilesThatCannotBeShownGiveAMessage)
{
    QTemporaryDir dir;
    const QString good = writePdf(dir.filePath("Good.pdf"), 2);
    QFile goodFile(good);
    ASSERT_TRUE(goodFile.open(QIODevice::ReadOnly));
    const QByteArray bytes = goodFile.readAll();
    const auto write = [&](const QString& name, const QByteArray& content) {
        QFile f(dir.filePath(name));
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(content);
        return dir.filePath(name);
    };
    struct Row {
        const char* name;
        QString path;
        const char* message;
    };
    const Row rows[] = {
        {"missing", dir.filePath("Gone.pdf"), "The file \"Gone.pdf\" is missing."},
        {"empty", write("Empty.pdf", {}),
         "The PDF file \"Empty.pdf\" is damaged and cannot be shown."},
        {"not a PDF", write("Text.pdf", "{title: not a pdf}\n"),
         "The PDF file \"Text.pdf\" is damaged and cannot be shown."},
        {"truncated", write("Cut.pdf", bytes.left(40)),
         "The PDF file \"Cut.pdf\" is damaged and cannot be shown."},
        {"password", writeLockedPdf(dir.filePath("Locked.pdf"), "secret"),
         "The PDF file \"Locked.pdf\" is protected by a password."},
    };
    PdfDocuments documents;
    PageRenderCache cache(documents);
    for (const Row& row : rows) {
        const PdfDocuments::Document d = documents.open(row.path);
        EXPECT_EQ(d.error, QString::fromUtf8(row.message)) << row.name;
        EXPECT_EQ(d.pageCount, 0) << row.name;
        EXPECT_TRUE(cache.page({row.path, 1, QSize(300, 300)}).isNull()) << row.name;
    }
    // The locked file is a real encrypted PDF: with its password it opens.
    QPdfDocument locked;
    locked.setPassword("secret");
    EXPECT_EQ(locked.load(dir.filePath("Locked.pdf")), QPdfDocument::Error::None);
    EXPECT_EQ(locked.pageCount(), 1);

    // A file that appears later is opened once its old state is forgotten.
    const QString late = dir.filePath("Gone.pdf");
    writePdf(late, 1);
    EXPECT_EQ(documents.open(late).pageCount, 0);
    documents.forget(late);
    EXPECT_EQ(documents.open(late).pageCount, 1);
}

TEST(PdfPages, FittedSizes)
{
    EXPECT_EQ(fittedPageSize({595, 842}, {1000, 842}), QSize(595, 842));
    EXPECT_EQ(fittedPageSize({842, 595}, {421, 1000}), QSize(421, 298));
    EXPECT_EQ(fittedPageSize({595, 842}, {0, 100}), QSize());
    EXPECT_EQ(fittedPageSize({0, 842}, {100, 100}), QSize());
    EXPECT_EQ(fittedPageSize({10000, 1}, {100, 100}), QSize(100, 1));
}

} // namespace
} // namespace partivo
