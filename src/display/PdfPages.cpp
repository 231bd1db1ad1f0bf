#include "display/PdfPages.h"

#include "platform/TextDecode.h"

#include "display/PageRenderThread.h"

#include <QFileInfo>
#include <QPainter>
#include <QPdfDocument>

namespace partivo {

namespace {

QString errorText(QPdfDocument::Error error, const QString& path)
{
    const QString name = QFileInfo(path).fileName();
    switch (error) {
    case QPdfDocument::Error::FileNotFound:
        return QStringLiteral("The file \"%1\" is missing.").arg(name);
    case QPdfDocument::Error::IncorrectPassword:
    case QPdfDocument::Error::UnsupportedSecurityScheme:
        return QStringLiteral("The PDF file \"%1\" is protected by a password.").arg(name);
    default:
        return QStringLiteral("The PDF file \"%1\" is damaged and cannot be shown.").arg(name);
    }
}

} // namespace

PdfDocuments::PdfDocuments() = default;
PdfDocuments::~PdfDocuments() = default;

const PdfDocuments::Document& PdfDocuments::open(const QString& path)
{
    auto found = documents_.find(path);
    if (found != documents_.end())
        return *found;
    Document document;
    if (!QFileInfo::exists(path)) {
        document.error = errorText(QPdfDocument::Error::FileNotFound, path);
    } else if (const QString problem = regularFileProblem(path); !problem.isEmpty()) {
        // A link to a device or FIFO would be read for ever.
        document.error = problem;
    } else {
        auto pdf = std::make_shared<QPdfDocument>();
        const QPdfDocument::Error error = pdf->load(path);
        if (error != QPdfDocument::Error::None) {
            document.error = errorText(error, path);
        } else if (pdf->pageCount() < 1) {
            document.error =
                QStringLiteral("The PDF file \"%1\" has no pages.").arg(QFileInfo(path).fileName());
        } else {
            document.pageCount = pdf->pageCount();
            document.pdf = std::move(pdf);
        }
    }
    return *documents_.insert(path, document);
}

void PdfDocuments::forget(const QString& path)
{
    documents_.remove(path);
}

void PdfDocuments::clear()
{
    documents_.clear();
}

QSize fittedPageSize(const QSizeF& pagePoints, const QSize& view)
{
    if (pagePoints.width() <= 0 || pagePoints.height() <= 0 || view.isEmpty())
        return {};
    return pagePoints.scaled(QSizeF(view), Qt::KeepAspectRatio).toSize().expandedTo(QSize(1, 1));
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
    QImage image = renderFittedPage(documents_, key.path, key.page, key.size);
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

QImage renderFittedPage(PdfDocuments& documents, const QString& path, int page, const QSize& view)
{
    const PdfDocuments::Document& document = documents.open(path);
    if (!document.pdf || page < 1 || page > document.pageCount)
        return {};
    const QSize size = fittedPageSize(document.pdf->pagePointSize(page - 1), view);
    if (size.isEmpty())
        return {};
    // Pages come out on a transparent image: white goes underneath.
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.drawImage(0, 0, document.pdf->render(page - 1, size));
    painter.end();
    return image;
}

} // namespace partivo
