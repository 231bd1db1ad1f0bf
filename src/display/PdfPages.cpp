#include "display/PdfPages.h"

#include "display/PageRenderThread.h"

namespace partivo {

PdfDocuments::PdfDocuments() : engine_(makePdfEngine()) {}
PdfDocuments::~PdfDocuments() = default;

PdfDocuments::Document PdfDocuments::open(const QString& path)
{
    return engine_->open(path);
}

QImage PdfDocuments::render(const QString& path, int page, const QSize& view)
{
    return engine_->render(path, page, view, nullptr);
}

void PdfDocuments::forget(const QString& path)
{
    engine_->forget(path);
}

void PdfDocuments::clear()
{
    engine_->clear();
}

PageRenderCache::PageRenderCache(PdfDocuments& documents, int capacity)
    : documents_(documents), capacity_(std::max(1, capacity))
{
}

bool PageRenderCache::contains(const Key& key) const
{
    for (const Entry& entry : entries_)
        if (entry.key == key)
            return true;
    return false;
}

QImage PageRenderCache::page(const Key& key)
{
    for (qsizetype i = 0; i < entries_.size(); ++i) {
        if (entries_[i].key == key) {
            entries_.move(i, entries_.size() - 1);
            return entries_.last().image;
        }
    }
    QImage image = render(key);
    if (image.isNull())
        return image;
    entries_.append({key, image});
    while (entries_.size() > capacity_)
        entries_.removeFirst();
    return image;
}

void PageRenderCache::keepAhead(const QList<Key>& keys)
{
    // Pages still needed count as recently used, the first needed most recently, so that
    // rendering the missing ones evicts pages no longer needed first.
    for (qsizetype i = std::min<qsizetype>(keys.size(), capacity_) - 1; i >= 0; --i) {
        for (qsizetype e = 0; e < entries_.size(); ++e) {
            if (entries_[e].key == keys[i]) {
                entries_.move(e, entries_.size() - 1);
                break;
            }
        }
    }
}

void PageRenderCache::prefetch(const QList<Key>& keys)
{
    while (prefetchOne(keys)) {
    }
}

bool PageRenderCache::prefetchOne(const QList<Key>& keys)
{
    // The cache keeps the pages about to be shown: never prefetch more than it holds.
    keepAhead(keys);
    for (qsizetype i = 0; i < keys.size() && i < capacity_; ++i) {
        if (contains(keys[i]) || unrenderable_.contains(keys[i]))
            continue;
        if (page(keys[i]).isNull())
            unrenderable_.append(keys[i]); // not tried again until the cache is cleared
        return true;
    }
    return false;
}

void PageRenderCache::clear()
{
    entries_.clear();
    unrenderable_.clear();
    ++generation_; // a page being rendered for the old state is not kept
}

QImage PageRenderCache::render(const Key& key)
{
    QImage image = documents_.render(key.path, key.page, key.size);
    if (!image.isNull())
        ++renders_;
    return image;
}

void PageRenderCache::insert(const Key& key, const QImage& image)
{
    if (contains(key))
        return;
    ++renders_;
    entries_.append({key, image});
    while (entries_.size() > capacity_)
        entries_.removeFirst();
}

bool PageRenderCache::prefetchOneInBackground(const QList<Key>& keys, PageRenderThread& thread,
                                              std::function<void()> ready)
{
    if (inFlight_)
        return false; // its result brings the next one
    keepAhead(keys);
    for (qsizetype i = 0; i < keys.size() && i < capacity_; ++i) {
        const Key key = keys[i];
        if (contains(key) || unrenderable_.contains(key))
            continue;
        inFlight_ = true;
        thread.render(key.path, key.page, key.size,
                      [this, key, generation = generation_, ready](const QImage& image) {
                          inFlight_ = false;
                          if (generation == generation_) { // not cleared meanwhile
                              if (image.isNull())
                                  unrenderable_.append(key);
                              else
                                  insert(key, image);
                          }
                          if (ready)
                              ready();
                      });
        return true;
    }
    return false;
}

} // namespace partivo
