#pragma once

#include <QImage>
#include <QSize>
#include <QString>
#include <memory>

namespace partivo {

// What the program asks of a PDF file: how many pages it has (or why it cannot be shown),
// and one page rendered fitted into a view, on white.
class PdfEngine {
public:
    virtual ~PdfEngine() = default;

    struct Opened {
        int pageCount = 0;
        QString error; // "" when the file opened
    };
    virtual Opened open(const QString& path) = 0;
    // Page `page` (1-based) fitted into the view, keeping its proportions, painted on white.
    // A null image when the page does not exist; error says why it could not be rendered.
    virtual QImage render(const QString& path, int page, const QSize& view, QString* error) = 0;
    // The file changed on disk: it is read again next time.
    virtual void forget(const QString& path) = 0;
    virtual void clear() = 0;
};

// The engine the program uses: the worker process (see WorkerPdfEngine), or the engine in
// this process when $PARTIVO_PDF_WORKER is "inline" or no worker executable is found (said
// once in the log).
std::unique_ptr<PdfEngine> makePdfEngine();

} // namespace partivo
