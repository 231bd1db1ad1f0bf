#pragma once

#include "display/PdfEngine.h"

#include <QHash>
#include <QImage>
#include <QList>
#include <QSize>
#include <QString>
#include <functional>
#include <memory>

namespace partivo {

class PageRenderThread;

// PDF song files, each with its page count or the reason it cannot be shown, and their pages
// rendered. Damaged, empty, password-protected, missing and hostile files give a message and
// no pages, never a crash or a stall (see makePdfEngine()). Used from one thread.
class PdfDocuments {
public:
    PdfDocuments();
    ~PdfDocuments();

    using Document = PdfEngine::Opened;

    Document open(const QString& path);
    // Page `page` (1-based) fitted into the view, painted on white; null when the page does
    // not exist or the file cannot be shown.
    QImage render(const QString& path, int page, const QSize& view);
    // The file changed on disk: it is opened again next time.
    void forget(const QString& path);
    void clear();

private:
    std::unique_ptr<PdfEngine> engine_;
};

// The rendered pages of one window: a small cache of page images at the window's view
// size, filled ahead of time so that a page turn only paints an image already made. A
// resize clears it (the images no longer fit).
class PageRenderCache {
public:
    static constexpr int kDefaultCapacity = 8;

    explicit PageRenderCache(PdfDocuments& documents, int capacity = kDefaultCapacity);

    struct Key {
        QString path;
        int page = 1; // 1-based
        QSize size;   // the view the page is fitted into
        bool operator==(const Key&) const = default;
    };

    // The page fitted into the size, painted on white; rendered now unless cached. A null
    // image when the page does not exist or the file cannot be shown.
    QImage page(const Key& key);
    bool contains(const Key& key) const;
    // Renders the pages not cached yet, in order (the next pages to show first).
    void prefetch(const QList<Key>& keys);
    // Renders the first of the keys not cached yet; false when there was none left.
    bool prefetchOne(const QList<Key>& keys);
    // The same on the render thread: ready runs once the page is in the cache (or could
    // not be rendered). One page at a time: false while one is being rendered, or when
    // none is missing.
    bool prefetchOneInBackground(const QList<Key>& keys, PageRenderThread& thread,
                                 std::function<void()> ready);
    void clear();
    // Why the file's pages cannot be shown; "" when they can.
    QString problem(const QString& path) { return documents_.open(path).error; }
    int size() const { return int(entries_.size()); }
    // Pages rendered since the cache was made (hits are not counted).
    int renders() const { return renders_; }

private:
    struct Entry {
        Key key;
        QImage image;
    };
    QImage render(const Key& key);
    void insert(const Key& key, const QImage& image);
    void keepAhead(const QList<Key>& keys);

    PdfDocuments& documents_;
    int capacity_;
    QList<Entry> entries_; // most recently used last
    QList<Key> unrenderable_;
    bool inFlight_ = false;
    int generation_ = 0; // counts clear()s
    int renders_ = 0;
};

} // namespace partivo
