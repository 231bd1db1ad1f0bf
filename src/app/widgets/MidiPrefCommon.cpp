#include "app/widgets/MidiPrefCommon.h"

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

} // namespace partivo
