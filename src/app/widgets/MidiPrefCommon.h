#pragma once

#include "midi/MidiEditorRows.h"

#include <QStringList>
#include <functional>

class QComboBox;
class QHBoxLayout;
class QObject;
class QPushButton;
class QTableWidget;
class QWidget;

namespace partivo {

class Controller;

// Pieces shared by the three MIDI editor windows.

// Posts a key command on the controller's bus.
std::function<void(int)> midiEditorKeyPoster(Controller& controller);
// A floating editor window: above the display windows.
void makeFloatingEditor(QWidget& window, const QString& title);
// A table of whole rows, one selectable at a time, not edited in its cells.
QTableWidget* editorTable(const QStringList& headers);
// The table's selected row, -1 when none.
int selectedTableRow(const QTableWidget* table);
void selectTableRow(QTableWidget* table, int row);
QComboBox* choiceBox(const QStringList& items);
// Refills the list and selects its item, without signals.
void showChoices(QComboBox* box, const ChoiceList& choices);
void showChoice(QComboBox* box, int item);

// What the row buttons do to an editor's list; each answers the row to select then.
struct RowEditing {
    std::function<int()> insert;
    std::function<int(int row)> remove;
    std::function<int(int row, int delta)> move; // -1 when the row does not move
};
template <class Editor> RowEditing rowEditing(Editor& editor)
{
    return {[&editor] { return editor.actionInsertRow(); },
            [&editor](int row) { return editor.actionDeleteRow(row); },
            [&editor](int row, int delta) { return editor.moveRow(row, delta); }};
}
// Add, Delete, Move Up and Move Down, appended to the row: each edits the list of the
// selected row and shows the list again (reload) with the row it answers selected. Answers
// the Add button, for what a window does besides.
QPushButton* addRowButtons(QHBoxLayout* row, QObject* context, const RowEditing& edit,
                           const std::function<int()>& selected,
                           const std::function<void(int row)>& reload);

} // namespace partivo
