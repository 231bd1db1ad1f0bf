#pragma once

#include "midi/MidiEditorRows.h"

#include <QStringList>
#include <functional>

class QComboBox;
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

} // namespace partivo
