#include "app/widgets/TagListWindow.h"

#include "library/TagListEditor.h"
#include "library/TagTexts.h"

#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace partivo {

TagListWindow::TagListWindow(TagListEditor& editor, QWidget* parent)
    : QDialog(parent), editor_(editor)
{
    setModal(true);
    setWindowTitle(QString::fromUtf8(texts::kTagListTitle));
    auto* layout = new QVBoxLayout(this);
    list_ = new QListWidget;
    list_->setSelectionMode(QAbstractItemView::SingleSelection);
    list_->setDragDropMode(QAbstractItemView::InternalMove);
    list_->setDefaultDropAction(Qt::MoveAction);
    list_->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                           QAbstractItemView::SelectedClicked);
    layout->addWidget(list_);
    connect(list_, &QListWidget::itemChanged, this, &TagListWindow::rowEdited);
    // A drop moves the row in the widget's model: the logic follows.
    connect(list_->model(), &QAbstractItemModel::rowsMoved, this,
            [this](const QModelIndex&, int start, int, const QModelIndex&, int row) {
                rowsDragged(start, row > start ? row - 1 : row);
            });

    auto* buttons = new QHBoxLayout;
    auto add = [&](const QString& text, auto slot) {
        auto* button = new QPushButton(text);
        button->setAutoDefault(false);
        buttons->addWidget(button);
        connect(button, &QPushButton::clicked, this, slot);
        return button;
    };
    add(QStringLiteral("Insert"), [this] { insertRow(); });
    add(QStringLiteral("Delete"), [this] { deleteRow(); });
    buttons->addStretch();
    add(QStringLiteral("Close"), [this] { accept(); });
    layout->addLayout(buttons);
    resize(320, 420);
    refresh();
    editor_.ouvrir(); // once, however the editor was opened before
}

QPushButton* TagListWindow::button(const QString& text) const
{
    for (QPushButton* b : findChildren<QPushButton*>()) {
        if (b->text() == text)
            return b;
    }
    return nullptr;
}

void TagListWindow::done(int result)
{
    editor_.fermer();
    QDialog::done(result);
}

void TagListWindow::refresh()
{
    refreshing_ = true;
    const QStringList& tags = editor_.tags();
    while (list_->count() > tags.size())
        delete list_->takeItem(list_->count() - 1);
    for (int row = 0; row < tags.size(); ++row) {
        QListWidgetItem* item = list_->item(row);
        if (!item) {
            item = new QListWidgetItem(list_);
            item->setFlags(item->flags() | Qt::ItemIsEditable | Qt::ItemIsDragEnabled);
        }
        if (item->text() != tags[row])
            item->setText(tags[row]);
    }
    refreshing_ = false;
}

void TagListWindow::insertRow()
{
    const int row = editor_.actionInsertRow();
    refresh();
    selectRow(row);
    list_->editItem(list_->item(row));
}

void TagListWindow::deleteRow()
{
    const QList<QListWidgetItem*> selected = list_->selectedItems();
    const int row = selected.isEmpty() ? -1 : list_->row(selected.first());
    const int next = editor_.actionDeleteRow(row);
    refresh();
    selectRow(next);
}

// A refused name puts the tag's text back.
void TagListWindow::rowEdited(QListWidgetItem* item)
{
    if (refreshing_)
        return;
    editor_.renameRow(list_->row(item), item->text());
    refresh();
}

void TagListWindow::rowsDragged(int from, int to)
{
    if (refreshing_)
        return;
    editor_.moveRow(from, to);
    refresh();
}

void TagListWindow::selectRow(int row)
{
    if (row >= 0 && row < list_->count())
        list_->setCurrentRow(row);
    else
        list_->clearSelection();
}

} // namespace partivo
