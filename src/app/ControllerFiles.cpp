// The song and binder file commands of the menus: reveal, open, mail, print.
#include "app/AppTexts.h"
#include "app/Controller.h"
#include "display/VersionSubstitution.h"

#include "platform/Dialogs.h"
#include "platform/FileServices.h"

#include <QFileInfo>

namespace partivo {

namespace {

using texts::comingParts::kPdfExport;

} // namespace

void Controller::actionRevealDirX()
{
    const QString folder = binders_.obtenirDir(binders_.currentDirNo);
    if (inHelpBinder() || folder.isEmpty()) {
        data_.dialogs.msg(QString::fromUtf8(texts::kDisabledInHelpBinder));
        return;
    }
    files_.revealInFileManager(folder);
}

void Controller::actionOpenDirX()
{
    const QString folder = binders_.obtenirDir(binders_.currentDirNo);
    if (!folder.isEmpty())
        files_.openFolder(folder);
}

void Controller::actionRevealPDFx()
{
    const QString file = currentSongFile();
    if (!file.isEmpty())
        files_.revealInFileManager(file);
}

void Controller::actionOpenPDFx()
{
    const QString file = currentSongFile();
    if (!file.isEmpty())
        openFile(file, false);
}

void Controller::actionOpenPDF2x()
{
    const QString file = currentSongFile();
    if (file.isEmpty())
        return;
    if (isPdfPath(file))
        files_.openInPdfViewer(file);
    else
        dispatcher_.logNotAvailable(QString::fromLatin1(kPdfExport), file);
}

void Controller::actionMailPDFx()
{
    const QString file = currentSongFile();
    if (!file.isEmpty())
        files_.mailFile(file);
}

void Controller::actionPrintPDFx()
{
    const QString file = currentSongFile();
    if (file.isEmpty())
        return;
    if (!isPdfPath(file)) {
        dispatcher_.logNotAvailable(QString::fromLatin1(kPdfExport), file);
        return;
    }
    if (const QFileInfo info(file); !info.isReadable())
        data_.dialogs.msg(QString::fromUtf8(texts::kCannotPrint).arg(info.fileName()));
    else
        files_.printPdf(file);
}

// A ChordPro song opens in the desktop's application for it; a PDF stays here.
void Controller::openInExternalApp()
{
    const QString file = currentSongFile();
    if (!file.isEmpty() && !isPdfPath(file))
        files_.openWithDefaultApp(file);
}

} // namespace partivo
