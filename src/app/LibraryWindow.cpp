#include "app/LibraryWindow.h"

#include "app/Controller.h"
#include "library/FileNames.h"

#include <QLabel>
#include <QListWidget>
#include <QMenuBar>
#include <QVBoxLayout>

namespace partivo {

LibraryWindow::LibraryWindow(Controller& controller) : controller_(controller)
{
    setWindowTitle(QStringLiteral("Partivo"));
    auto* central = new QWidget(this);
    auto* layout = new QVBoxLayout(central);
    current_ = new QLabel(central);
    current_->setWordWrap(true);
    list_ = new QListWidget(central);
    layout->addWidget(current_);
    layout->addWidget(list_, 1);
    setCentralWidget(central);
    resize(900, 700);
    buildMenus();
    showSongList();
    connect(list_, &QListWidget::currentRowChanged, this, [this](int row) {
        if (row >= 0 && row + 1 != controller_.data().songNoG()) {
            controller_.data().setSongNoG(row + 1);
            showCurrentSong();
        }
    });
}

void LibraryWindow::buildMenus()
{
    binderMenu_ = menuBar()->addMenu(QString());
    showBinderMenu();
}

void LibraryWindow::showBinderMenu()
{
    Binders& binders = controller_.binders();
    binderMenu_->clear();
    const int current = binders.currentDirNo;
    const QString currentFolder = binders.storedDir(current);
    binderMenu_->setTitle(
        current >= 0 ? QStringLiteral("%1 ▹ %2").arg(current + 1).arg(fileNameOf(currentFolder))
                     : QStringLiteral("? ▹ Help Binder"));
    for (int k = 0; k < Binders::kCount; ++k) {
        const QString folder = binders.storedDir(k);
        QAction* open = binderMenu_->addAction(
            folder.isEmpty() ? QStringLiteral("%1 (unassigned)").arg(k + 1)
                             : QStringLiteral("%1 %2").arg(k + 1).arg(fileNameOf(folder)));
        open->setToolTip(folder.isEmpty() ? QStringLiteral("Click to assign") : folder);
        connect(open, &QAction::triggered, this, [&binders, k] { binders.actionChoisirDir(k); });
    }
    binderMenu_->addSeparator();
    connect(binderMenu_->addAction(QStringLiteral("Assign Another Folder...")), &QAction::triggered,
            this, [&binders] { binders.actionAssignerDir(std::max(0, binders.currentDirNo)); });
    QAction* unassign = binderMenu_->addAction(QStringLiteral("Unassign"));
    unassign->setEnabled(current >= 0);
    connect(unassign, &QAction::triggered, this,
            [&binders] { binders.actionDeAssignerDir(binders.currentDirNo); });
    connect(binderMenu_->addAction(QStringLiteral("Refresh")), &QAction::triggered, this,
            [&binders] { binders.actionRefresh(); });
    connect(binderMenu_->addAction(QStringLiteral("Help Binder")), &QAction::triggered, this,
            [&binders] { binders.actionToggleInfo(); });
}

void LibraryWindow::showSongList()
{
    const Data& data = controller_.data();
    const QSignalBlocker block(list_);
    list_->clear();
    for (int n = 1; n <= data.songNbrG(); ++n) {
        const auto entry = data.getPiece(n);
        if (!entry)
            break;
        const QString tab = data.tabs[entry->ongNo].tabNameForDisplay();
        list_->addItem(QStringLiteral("%1  %2 — %3   [%4]")
                           .arg(n)
                           .arg(entry->pieceDet->titre, entry->pieceDet->auteur, tab));
    }
    list_->setCurrentRow(data.songNoG() - 1);
}

void LibraryWindow::showCurrentSong()
{
    const Data& data = controller_.data();
    const auto entry = data.getPiece(data.songNoG());
    if (!entry) {
        current_->setText(QStringLiteral("No song"));
        return;
    }
    const PiecesDet& det = *entry->pieceDet;
    current_->setText(QStringLiteral("<b>%1</b> — %2<br>%3<br><i>%4</i>")
                          .arg(det.titre.toHtmlEscaped(), det.auteur.toHtmlEscaped(),
                               det.fichier.toHtmlEscaped(),
                               entry->notetxtForDir(QString(), 0, 0).toHtmlEscaped()));
    const QSignalBlocker block(list_);
    list_->setCurrentRow(data.songNoG() - 1);
}

} // namespace partivo
