#pragma once

#include "display/PdfEngine.h"

#include <QHash>
#include <memory>

class QPdfDocument;

namespace partivo {

// The PDF engine in this process: documents opened once and kept open. A damaged file
// gives a message, but a file built to make the engine loop or grow for ever would hold
// this process too; the program uses it through the worker process (WorkerPdfEngine).
class InProcessPdfEngine : public PdfEngine {
public:
    InProcessPdfEngine();
    ~InProcessPdfEngine() override;

    Opened open(const QString& path) override;
    QImage render(const QString& path, int page, const QSize& view, QString* error) override;
    // The same page painted into the caller's memory, width * 4 bytes a line (ARGB32
    // premultiplied): its size, or an empty size when there is no page or it does not fit.
    QSize renderInto(const QString& path, int page, const QSize& view, uchar* memory,
                     qsizetype capacity);
    void forget(const QString& path) override;
    void clear() override;

private:
    struct Document {
        std::shared_ptr<QPdfDocument> pdf;
        Opened opened;
    };
    const Document& document(const QString& path);
    // The page's size fitted into the view; empty when it cannot be rendered.
    QSize fittedSize(const Document& doc, int page, const QSize& view) const;
    static void paint(const Document& doc, int page, QImage& target);

    QHash<QString, Document> documents_;
};

// The size of a page fitted into a view, keeping its proportions.
QSize fittedPageSize(const QSizeF& pagePoints, const QSize& view);

} // namespace partivo
