#include "app/widgets/MidiPrefCommon.h"

#include <QHBoxLayout>
#include <QPushButton>

#include "app/Controller.h"
#include "platform/Commands.h"
#include "platform/NotificationCenter.h"

#include <QComboBox>
#include <QHeaderView>
#include <QSignalBlocker>
#include <QTableWidget>

namespace partivo {

std::function<void(int)> midiEditorKeyPoster(Controller& controller)
{
    return [&controller](int command) {
        controller.center().postParam(QLatin1String(action::Key), command);
    };
}

void makeFloatingEditor(QWidget& window, const QString& title)
{
    window.setWindowFlag(Qt::Window);
    window.setWindowFlag(Qt::WindowStaysOnTopHint);
    window.setWindowTitle(title);
    window.resize(820, 480);
}

QTableWidget* editorTable(const QStringList& headers)
{
    auto* table = new QTableWidget(0, int(headers.size()));
    table->setHorizontalHeaderLabels(headers);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->setSelectionMode(QAbstractItemView::SingleSelection);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->horizontalHeader()->setStretchLastSection(true);
    table->verticalHeader()->setVisible(false);
    return table;
}

int selectedTableRow(const QTableWidget* table)
{
    const QList<QTableWidgetItem*> items = table->selectedItems();
    return items.isEmpty() ? -1 : items.first()->row();
}

void selectTableRow(QTableWidget* table, int row)
{
    if (row < 0 || row >= table->rowCount()) {
        table->clearSelection();
        return;
    }
    table->selectRow(row);
    table->scrollToItem(table->item(row, 0));
}

QComboBox* choiceBox(const QStringList& items)
{
    auto* box = new QComboBox;
    box->addItems(items);
    return box;
}

void showChoices(QComboBox* box, const ChoiceList& choices)
{
    const QSignalBlocker blocker(box);
    box->clear();
    box->addItems(choices.items);
    box->setCurrentIndex(choices.selected);
}

void showChoice(QComboBox* box, int item)
{
    const QSignalBlocker blocker(box);
    box->setCurrentIndex(item);
}

QPushButton* addRowButtons(QHBoxLayout* row, QObject* context, const RowEditing& edit,
                           const std::function<int()>& selected,
                           const std::function<void(int row)>& reload)
{
    auto* add = new QPushButton(QStringLiteral("Add"));
    auto* remove = new QPushButton(QStringLiteral("Delete"));
    auto* up = new QPushButton(QStringLiteral("Move Up"));
    auto* down = new QPushButton(QStringLiteral("Move Down"));
    for (QPushButton* b : {add, remove, up, down})
        row->addWidget(b);
    QObject::connect(add, &QPushButton::clicked, context,
                     [edit, reload] { reload(edit.insert()); });
    QObject::connect(remove, &QPushButton::clicked, context,
                     [edit, selected, reload] { reload(edit.remove(selected())); });
    for (auto [button, delta] : {std::pair{up, -1}, std::pair{down, 1}}) {
        QObject::connect(button, &QPushButton::clicked, context, [edit, selected, reload, delta] {
            const int from = selected();
            const int to = edit.move(from, delta);
            reload(to >= 0 ? to : from);
        });
    }
    return add;
}

} // namespace partivo
