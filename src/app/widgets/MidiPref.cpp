#include "app/widgets/MidiPref.h"

#include "app/Controller.h"
#include "app/widgets/MidiPrefCommon.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTableWidget>
#include <QVBoxLayout>

namespace partivo {

MidiPref::MidiPref(Controller& controller, QWidget* parent)
    : QWidget(parent), controller_(controller),
      editor_(controller.midi(), controller.data().dialogs, midiEditorKeyPoster(controller))
{
    makeFloatingEditor(*this, QStringLiteral("MIDI Output"));
    table_ = editorTable({QStringLiteral("DestinationID"), QStringLiteral("Channel"),
                          QStringLiteral("Destination")});
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(table_, 1);
    layout->addWidget(buildRowControls());
    layout->addWidget(buildButtons());
    layout->addWidget(buildLastReceived());
    connect(table_, &QTableWidget::itemSelectionChanged, this,
            [this] { showRow(selectedTableRow(table_)); });
}

QWidget* MidiPref::buildRowControls()
{
    auto* box = new QWidget;
    auto* form = new QFormLayout(box);
    name_ = new QLineEdit;
    channel_ = choiceBox(MidiDestEditor::channelItems());
    destination_ = new QComboBox;
    form->addRow(QStringLiteral("DestinationID:"), name_);
    form->addRow(QStringLiteral("Channel:"), channel_);
    form->addRow(QStringLiteral("Destination:"), destination_);
    connect(name_, &QLineEdit::editingFinished, this, [this] { rowEdited(); });
    for (QComboBox* combo : {channel_, destination_})
        connect(combo, &QComboBox::currentIndexChanged, this, [this] { rowEdited(); });
    return box;
}

QWidget* MidiPref::buildButtons()
{
    auto* bar = new QWidget;
    auto* row = new QHBoxLayout(bar);
    QPushButton* add = addRowButtons(
        row, this, rowEditing(editor_), [this] { return selectedTableRow(table_); },
        [this](int r) { reload(r); });
    row->addStretch();
    // A new destination's name is typed next.
    connect(add, &QPushButton::clicked, this, [this] {
        name_->setFocus();
        name_->selectAll();
    });
    return bar;
}

QWidget* MidiPref::buildLastReceived()
{
    auto* box = new QGroupBox(QStringLiteral("Last received MIDI message"));
    auto* row = new QHBoxLayout(box);
    lastMidiEvent_ = new QLabel;
    lastMidiEventChannel_ = new QLabel;
    lastMidiEventFrom_ = new QLabel;
    lastMidiEventDestID_ = new QLabel;
    auto* clear = new QPushButton(QStringLiteral("Clear"));
    row->addWidget(lastMidiEvent_);
    row->addWidget(new QLabel(QStringLiteral("Channel:")));
    row->addWidget(lastMidiEventChannel_);
    row->addWidget(new QLabel(QStringLiteral("From:")));
    row->addWidget(lastMidiEventFrom_, 1);
    row->addWidget(lastMidiEventDestID_);
    row->addWidget(clear);
    connect(clear, &QPushButton::clicked, this, [this] {
        editor_.actionClearLastMidiEvent();
        showLastReceived();
    });
    return box;
}

void MidiPref::showMidiPref()
{
    const int row = selectedTableRow(table_);
    editor_.showMidiPref();
    reload(row < 0 ? 0 : row);
    show();
    raise();
    activateWindow();
}

void MidiPref::showReceived()
{
    editor_.showReceived();
    showLastReceived();
}

void MidiPref::showLastReceived()
{
    const MidiShownMessage& m = editor_.shownMessage();
    lastMidiEvent_->setText(m.lastMidiEvent);
    lastMidiEvent_->setToolTip(m.lastMidiEventToolTip);
    lastMidiEventChannel_->setText(m.lastMidiEventChannel);
    lastMidiEventFrom_->setText(m.lastMidiEventFrom);
    lastMidiEventDestID_->setText(m.lastMidiEventDestID);
}

void MidiPref::reload(int selectRow)
{
    {
        const QSignalBlocker blocker(table_);
        table_->setRowCount(editor_.rowCount());
        const QStringList channels = MidiDestEditor::channelItems();
        for (int r = 0; r < editor_.rowCount(); ++r) {
            const ChoiceList dest = editor_.destinationChoicesAt(r);
            const QStringList cells{editor_.nameAt(r), channels.value(editor_.channelItemAt(r)),
                                    dest.items.value(dest.selected)};
            for (int c = 0; c < cells.size(); ++c)
                table_->setItem(r, c, new QTableWidgetItem(cells[c]));
        }
        selectTableRow(table_, selectRow);
    }
    showRow(selectedTableRow(table_));
}

void MidiPref::showRow(int row)
{
    loading_ = true;
    const bool valid = row >= 0;
    name_->setText(editor_.nameAt(row));
    showChoice(channel_, editor_.channelItemAt(row));
    showChoices(destination_, valid ? editor_.destinationChoicesAt(row) : ChoiceList{});
    for (QWidget* w : {static_cast<QWidget*>(name_), static_cast<QWidget*>(channel_),
                       static_cast<QWidget*>(destination_)})
        w->setEnabled(valid);
    loading_ = false;
}

void MidiPref::rowEdited()
{
    const int row = selectedTableRow(table_);
    if (loading_ || row < 0)
        return;
    editor_.updateDestAtIndex(row, name_->text(), channel_->currentIndex(),
                              destination_->currentIndex());
    reload(row);
}

void MidiPref::closeEvent(QCloseEvent* event)
{
    editor_.windowWillClose();
    controller_.displayWindows().activateKeywin();
    event->accept();
}

} // namespace partivo
