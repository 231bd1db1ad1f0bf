#include "display/InProcessPdfEngine.h"

#include "platform/TextDecode.h"

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

InProcessPdfEngine::InProcessPdfEngine() = default;
InProcessPdfEngine::~InProcessPdfEngine() = default;

const InProcessPdfEngine::Document& InProcessPdfEngine::document(const QString& path)
{
    if (const auto found = documents_.constFind(path); found != documents_.constEnd())
        return *found;
    Document document;
    if (!QFileInfo::exists(path)) {
        document.opened.error = errorText(QPdfDocument::Error::FileNotFound, path);
    } else if (const QString problem = regularFileProblem(path); !problem.isEmpty()) {
        // A link to a device or FIFO would be read for ever.
        document.opened.error = problem;
    } else {
        auto pdf = std::make_shared<QPdfDocument>();
        const QPdfDocument::Error error = pdf->load(path);
        if (error != QPdfDocument::Error::None) {
            document.opened.error = errorText(error, path);
        } else if (pdf->pageCount() < 1) {
            document.opened.error =
                QStringLiteral("The PDF file \"%1\" has no pages.").arg(QFileInfo(path).fileName());
        } else {
            document.opened.pageCount = pdf->pageCount();
            document.pdf = std::move(pdf);
        }
    }
    return *documents_.insert(path, document);
}

PdfEngine::Opened InProcessPdfEngine::open(const QString& path)
{
    return document(path).opened;
}

QSize InProcessPdfEngine::fittedSize(const Document& doc, int page, const QSize& view) const
{
    if (!doc.pdf || page < 1 || page > doc.opened.pageCount)
        return {};
    return fittedPageSize(doc.pdf->pagePointSize(page - 1), view);
}

void InProcessPdfEngine::paint(const Document& doc, int page, QImage& target)
{
    // Pages come out on a transparent image: white goes underneath.
    target.fill(Qt::white);
    QPainter painter(&target);
    painter.drawImage(0, 0, doc.pdf->render(page - 1, target.size()));
}

QImage InProcessPdfEngine::render(const QString& path, int page, const QSize& view, QString* error)
{
    const Document& doc = document(path);
    if (error)
        *error = doc.opened.error;
    const QSize size = fittedSize(doc, page, view);
    if (size.isEmpty())
        return {};
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    paint(doc, page, image);
    return image;
}

QSize InProcessPdfEngine::renderInto(const QString& path, int page, const QSize& view,
                                     uchar* memory, qsizetype capacity)
{
    const Document& doc = document(path);
    const QSize size = fittedSize(doc, page, view);
    if (size.isEmpty() || qsizetype(size.width()) * size.height() * 4 > capacity)
        return {};
    QImage image(memory, size.width(), size.height(), size.width() * 4,
                 QImage::Format_ARGB32_Premultiplied);
    paint(doc, page, image);
    return size;
}

void InProcessPdfEngine::forget(const QString& path)
{
    documents_.remove(path);
}

void InProcessPdfEngine::clear()
{
    documents_.clear();
}

QSize fittedPageSize(const QSizeF& pagePoints, const QSize& view)
{
    if (pagePoints.width() <= 0 || pagePoints.height() <= 0 || view.isEmpty())
        return {};
    return pagePoints.scaled(QSizeF(view), Qt::KeepAspectRatio).toSize().expandedTo(QSize(1, 1));
}

} // namespace partivo
