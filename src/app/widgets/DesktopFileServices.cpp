#include "app/widgets/DesktopFileServices.h"

#include <QApplication>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDesktopServices>
#include <QFileInfo>
#include <QImage>
#include <QPainter>
#include <QPdfDocument>
#include <QPrintDialog>
#include <QPrinter>
#include <QProcess>
#include <QUrl>

namespace partivo {

namespace {

// How long the program waits for the file manager to answer (it may be started by the bus
// first); past that the parent folder is opened instead.
constexpr int kFileManagerTimeoutMs = 1500;

// Rendering at a printer's full resolution (1200 dpi for PDF output) would take hundreds of
// megabytes per page; beyond this the page image is scaled up by the printer.
constexpr int kMaxRenderDpi = 600;

bool callOnSessionBus(const DBusCall& call)
{
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected())
        return false;
    QDBusMessage message =
        QDBusMessage::createMethodCall(call.service, call.path, call.interface, call.method);
    message.setArguments(call.arguments);
    return bus.call(message, QDBus::Block, kFileManagerTimeoutMs).type() ==
           QDBusMessage::ReplyMessage;
}

bool runModalPrintDialog(QPrinter& printer, int pageCount)
{
    QPrintDialog dialog(&printer, QApplication::activeWindow());
    dialog.setOptions(QAbstractPrintDialog::PrintToFile | QAbstractPrintDialog::PrintPageRange |
                      QAbstractPrintDialog::PrintShowPageSize |
                      QAbstractPrintDialog::PrintCollateCopies);
    dialog.setMinMax(1, pageCount);
    return dialog.exec() == QDialog::Accepted;
}

QUrl fileUrl(const QString& path)
{
    return QUrl::fromLocalFile(QFileInfo(path).absoluteFilePath());
}

// The sheet in device pixels; with full-page mode the painter's origin is its corner.
QRectF sheetRect(const QPrinter& printer)
{
    return QRectF(QPointF(0, 0), printer.paperRect(QPrinter::DevicePixel).size());
}

// `page` scaled to fit into `sheet`, aspect ratio kept, centred.
QRectF fittedRect(const QSizeF& page, const QRectF& sheet)
{
    const qreal scale = qMin(sheet.width() / page.width(), sheet.height() / page.height());
    QRectF fitted(QPointF(0, 0), page * scale);
    fitted.moveCenter(sheet.center());
    return fitted;
}

bool paintPage(QPdfDocument& document, int page, const QRectF& target, int printerDpi,
               QPainter& painter)
{
    const qreal renderScale = printerDpi > kMaxRenderDpi ? qreal(kMaxRenderDpi) / printerDpi : 1;
    const QSize imageSize = (target.size() * renderScale).toSize();
    if (imageSize.isEmpty())
        return false;
    const QImage image = document.render(page, imageSize);
    if (image.isNull())
        return false;
    // The page is rendered onto a transparent image.
    painter.fillRect(target, Qt::white);
    painter.drawImage(target, image);
    return true;
}

// Prints on the whole sheet.
void useFullPage(QPrinter& printer)
{
    printer.setFullPage(true);
    printer.setPageMargins(QMarginsF(0, 0, 0, 0), QPageLayout::Point);
}

// The 0-based pages that the printer's range selects.
QList<int> pagesToPrint(const QPrinter& printer, int pageCount)
{
    const QPageRanges ranges =
        printer.printRange() == QPrinter::PageRange ? printer.pageRanges() : QPageRanges();
    QList<int> pages;
    for (int page = 1; page <= pageCount; ++page)
        if (ranges.isEmpty() || ranges.contains(page))
            pages.append(page - 1);
    return pages;
}

} // namespace

DesktopLaunchers desktopLaunchers()
{
    return {
        .openUrl = [](const QUrl& url) { return QDesktopServices::openUrl(url); },
        .callSessionBus = callOnSessionBus,
        .startDetached =
            [](const QString& program, const QStringList& arguments) {
                return QProcess::startDetached(program, arguments);
            },
        .runPrintDialog = runModalPrintDialog,
    };
}

bool printPdfPages(QPdfDocument& document, QPrinter& printer)
{
    const QList<int> pages = pagesToPrint(printer, document.pageCount());
    if (pages.isEmpty())
        return false;
    useFullPage(printer);
    QPainter painter;
    if (!painter.begin(&printer))
        return false;
    const QRectF sheet = sheetRect(printer);
    for (qsizetype i = 0; i < pages.size(); ++i) {
        const QSizeF pageSize = document.pagePointSize(pages[i]);
        const bool printed = (i == 0 || printer.newPage()) && !pageSize.isEmpty() &&
                             paintPage(document, pages[i], fittedRect(pageSize, sheet),
                                       printer.resolution(), painter);
        if (!printed) {
            printer.abort();
            painter.end();
            return false;
        }
    }
    return painter.end();
}

DesktopFileServices::DesktopFileServices(DesktopLaunchers launchers)
    : launchers_(std::move(launchers))
{
}

bool DesktopFileServices::revealInFileManager(const QString& path)
{
    const QFileInfo info(path);
    if (!info.exists())
        return false;
    const DBusCall showItems{
        .service = QStringLiteral("org.freedesktop.FileManager1"),
        .path = QStringLiteral("/org/freedesktop/FileManager1"),
        .interface = QStringLiteral("org.freedesktop.FileManager1"),
        .method = QStringLiteral("ShowItems"),
        .arguments = {QStringList{fileUrl(path).toString(QUrl::FullyEncoded)}, QString()},
    };
    if (launchers_.callSessionBus(showItems))
        return true;
    return launchers_.openUrl(QUrl::fromLocalFile(info.absolutePath()));
}

bool DesktopFileServices::openFolder(const QString& folder)
{
    return QFileInfo(folder).isDir() && launchers_.openUrl(fileUrl(folder));
}

bool DesktopFileServices::openWithDefaultApp(const QString& path)
{
    return openLocal(path);
}

bool DesktopFileServices::openInPdfViewer(const QString& path)
{
    // The desktop's default application for a PDF is its PDF viewer.
    return openLocal(path);
}

bool DesktopFileServices::mailFile(const QString& path)
{
    const QFileInfo info(path);
    return info.isFile() &&
           launchers_.startDetached(QStringLiteral("xdg-email"),
                                    {QStringLiteral("--attach"), info.absoluteFilePath()});
}

bool DesktopFileServices::printPdf(const QString& path)
{
    QPdfDocument document;
    if (document.load(path) != QPdfDocument::Error::None || document.pageCount() < 1)
        return false;
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(QFileInfo(path).fileName());
    useFullPage(printer);
    if (!launchers_.runPrintDialog(printer, document.pageCount()))
        return false;
    return printPdfPages(document, printer);
}

bool DesktopFileServices::openLocal(const QString& path)
{
    return QFileInfo(path).isFile() && launchers_.openUrl(fileUrl(path));
}

} // namespace partivo
