#include "app/widgets/MidiPref3.h"

#include "app/Controller.h"
#include "app/widgets/MidiPrefCommon.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTableWidget>
#include <QVBoxLayout>

namespace partivo {

MidiPref3::MidiPref3(Controller& controller, QWidget* parent)
    : QWidget(parent), controller_(controller),
      editor_(controller.midi(), controller.data().dialogs, midiEditorKeyPoster(controller))
{
    makeFloatingEditor(*this, QStringLiteral("MIDI Triggers"));
    table_ = editorTable({QStringLiteral("Source"), QStringLiteral("Channel"),
                          QStringLiteral("TriggerSource"), QStringLiteral("TriggerAction")});
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(table_, 1);
    layout->addWidget(buildRowControls());
    layout->addWidget(buildButtons());
    connect(table_, &QTableWidget::itemSelectionChanged, this, [this] { showRow(selectedRow()); });
}

QWidget* MidiPref3::buildRowControls()
{
    auto* box = new QWidget;
    auto* form = new QFormLayout(box);
    source_ = new QComboBox;
    channel_ = choiceBox(MidiTrigEditor::channelItems());
    type_ = choiceBox(MidiTrigEditor::typeItems());
    auto* values = new QHBoxLayout;
    for (QLineEdit*& field : values_) {
        field = new QLineEdit;
        values->addWidget(field);
        connect(field, &QLineEdit::editingFinished, this, [this] { rowEdited(); });
    }
    hint_ = new QLabel;
    values->addWidget(hint_);
    action_ = choiceBox(MidiTrigEditor::actionItems());
    actionTxt_ = new QLineEdit;
    form->addRow(QStringLiteral("Source:"), source_);
    form->addRow(QStringLiteral("Channel:"), channel_);
    form->addRow(QStringLiteral("Trigger:"), type_);
    form->addRow(QStringLiteral("Values:"), values);
    form->addRow(QStringLiteral("Action:"), action_);
    form->addRow(QString(), actionTxt_);
    for (QComboBox* combo : {source_, channel_, type_, action_})
        connect(combo, &QComboBox::currentIndexChanged, this, [this] { rowEdited(); });
    connect(actionTxt_, &QLineEdit::editingFinished, this, [this] { rowEdited(); });
    return box;
}

QWidget* MidiPref3::buildButtons()
{
    auto* bar = new QWidget;
    auto* row = new QHBoxLayout(bar);
    addRowButtons(
        row, this, rowEditing(editor_), [this] { return selectedRow(); },
        [this](int r) { reload(r); });
    listen_ = new QPushButton(QStringLiteral("Listen"));
    learned_ = new QLabel;
    accept_ = new QPushButton(QStringLiteral("Accept"));
    cancel_ = new QPushButton(QStringLiteral("Cancel"));
    for (QWidget* w : {static_cast<QWidget*>(listen_), static_cast<QWidget*>(learned_),
                       static_cast<QWidget*>(accept_), static_cast<QWidget*>(cancel_)})
        row->addWidget(w);
    connect(listen_, &QPushButton::clicked, this, [this] {
        editor_.actionListen(selectedRow());
        reload(selectedRow());
    });
    connect(accept_, &QPushButton::clicked, this, [this] {
        const int row = editor_.listeningRow();
        editor_.acceptLearned();
        reload(row);
    });
    connect(cancel_, &QPushButton::clicked, this, [this] {
        const int row = editor_.listeningRow();
        editor_.cancelListen();
        reload(row);
    });
    return bar;
}

void MidiPref3::showMidiPref()
{
    const int row = selectedRow();
    editor_.showMidiPref();
    reload(row < 0 ? 0 : row);
    show();
    raise();
    activateWindow();
}

void MidiPref3::eventListen()
{
    editor_.eventLearned();
    reload(editor_.listeningRow() >= 0 ? editor_.listeningRow() : selectedRow());
}

int MidiPref3::selectedRow() const
{
    return selectedTableRow(table_);
}

void MidiPref3::reload(int selectRow)
{
    {
        const QSignalBlocker blocker(table_);
        table_->setRowCount(editor_.rowCount());
        const QStringList channels = MidiTrigEditor::channelItems();
        const QStringList types = MidiTrigEditor::typeItems();
        const QStringList actions = MidiTrigEditor::actionItems();
        for (int r = 0; r < editor_.rowCount(); ++r) {
            const TrigRowView v = editor_.rowAt(r);
            QStringList values;
            for (const QString& value : v.values) {
                if (!value.isEmpty())
                    values.append(value);
            }
            const QString action =
                actions.value(v.actionType) +
                (v.actionTxt.isEmpty() ? QString() : QStringLiteral(": ") + v.actionTxt);
            const QStringList cells{v.source.items.value(v.source.selected),
                                    channels.value(v.channelItem),
                                    types.value(v.typeItem) + u' ' + values.join(u' '), action};
            for (int c = 0; c < cells.size(); ++c)
                table_->setItem(r, c, new QTableWidgetItem(cells[c]));
        }
        selectTableRow(table_, selectRow);
    }
    showRow(selectedRow());
}

void MidiPref3::showRow(int row)
{
    loading_ = true;
    const TrigRowView v = editor_.rowAt(row);
    const bool valid = row >= 0;
    showChoices(source_, v.source);
    showChoice(channel_, v.channelItem);
    showChoice(type_, v.typeItem);
    for (int i = 0; i < 3; ++i) {
        QLineEdit* field = values_[size_t(i)];
        field->setText(v.values.value(i));
        field->setPlaceholderText(v.placeholders.value(i));
        field->setVisible(i < v.placeholders.size());
    }
    hint_->setText(v.hint);
    showChoice(action_, v.actionType);
    actionTxt_->setText(v.actionTxt);
    actionTxt_->setPlaceholderText(v.actionPlaceholder);
    actionTxt_->setVisible(!v.actionPlaceholder.isEmpty());
    for (QWidget* w : {static_cast<QWidget*>(source_), static_cast<QWidget*>(channel_),
                       static_cast<QWidget*>(type_), static_cast<QWidget*>(action_)})
        w->setEnabled(valid && editor_.listeningRow() < 0);
    const bool listening = editor_.listeningRow() >= 0;
    learned_->setText(!listening             ? QString()
                      : editor_.hasLearned() ? editor_.learnedText()
                                             : QStringLiteral("Waiting for a MIDI message..."));
    accept_->setVisible(listening);
    accept_->setEnabled(editor_.hasLearned());
    cancel_->setVisible(listening);
    listen_->setEnabled(!listening);
    loading_ = false;
}

void MidiPref3::rowEdited()
{
    const int row = selectedRow();
    if (loading_ || row < 0 || editor_.listeningRow() >= 0)
        return;
    TrigRowInput input;
    input.sourceItem = source_->currentIndex();
    input.channelItem = channel_->currentIndex();
    input.typeItem = type_->currentIndex();
    input.val1 = values_[0]->text();
    input.val2 = values_[1]->text();
    input.val3 = values_[2]->text();
    input.actionType = action_->currentIndex();
    input.actionTxt = actionTxt_->text();
    editor_.updateTrigAtIndex(row, input);
    reload(row);
}

void MidiPref3::closeEvent(QCloseEvent* event)
{
    editor_.windowWillClose();
    controller_.displayWindows().activateKeywin();
    event->accept();
}

} // namespace partivo
