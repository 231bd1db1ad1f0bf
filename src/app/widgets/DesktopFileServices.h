#pragma once

#include "platform/FileServices.h"

#include <QString>
#include <QStringList>
#include <QVariantList>
#include <functional>

class QPdfDocument;
class QPrinter;
class QUrl;

namespace partivo {

// One method call on the session bus.
struct DBusCall {
    QString service;
    QString path;
    QString interface;
    QString method;
    QVariantList arguments;
};

// The ways DesktopFileServices reaches the desktop. The defaults of desktopLaunchers() talk to
// the real desktop; tests replace them to record what would have been launched.
struct DesktopLaunchers {
    // Hands a URL to the desktop's default application for it.
    std::function<bool(const QUrl& url)> openUrl;
    // Calls a method on the session bus; true when it answered without an error.
    std::function<bool(const DBusCall& call)> callSessionBus;
    // Starts a program that outlives this one; true when it started.
    std::function<bool(const QString& program, const QStringList& arguments)> startDetached;
    // Shows the modal print dialog for a document of `pageCount` pages; true when accepted.
    std::function<bool(QPrinter& printer, int pageCount)> runPrintDialog;
};

DesktopLaunchers desktopLaunchers();

// Prints the pages of the document that the printer's range selects (all when none is chosen),
// one page a sheet: full-page mode, all margins 0, each page fitted into the whole sheet with
// its aspect ratio kept and centred, on white. False when nothing could be printed.
bool printPdfPages(QPdfDocument& document, QPrinter& printer);

class DesktopFileServices : public FileServices {
public:
    explicit DesktopFileServices(DesktopLaunchers launchers = desktopLaunchers());

    bool revealInFileManager(const QString& path) override;
    bool openFolder(const QString& folder) override;
    bool openWithDefaultApp(const QString& path) override;
    bool openInPdfViewer(const QString& path) override;
    bool mailFile(const QString& path) override;
    bool printPdf(const QString& path) override;

private:
    bool openLocal(const QString& path);

    DesktopLaunchers launchers_;
};

} // namespace partivo
