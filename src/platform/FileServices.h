#pragma once

#include <QString>

namespace partivo {

// What the desktop does with a song or binder file: show it in the file manager, open it in
// another application, mail it, print it. Each answers whether the request could be handed
// over (what the other application then does is its own affair).
class FileServices {
public:
    virtual ~FileServices() = default;

    // Shows the file or folder selected in its parent folder in the file manager.
    virtual bool revealInFileManager(const QString& path) = 0;
    // Opens the folder in the file manager.
    virtual bool openFolder(const QString& folder) = 0;
    // Opens the file in the desktop's default application for its type.
    virtual bool openWithDefaultApp(const QString& path) = 0;
    // Opens a PDF in the desktop's PDF viewer.
    virtual bool openInPdfViewer(const QString& path) = 0;
    // Starts an email with the file attached.
    virtual bool mailFile(const QString& path) = 0;
    // Prints a PDF through the print dialog: all margins 0, every page fitted to the paper.
    // False when the file cannot be read or the dialog was cancelled.
    virtual bool printPdf(const QString& path) = 0;
};

} // namespace partivo
