#pragma once

#include "midi/MidiDestEditor.h"

#include <QWidget>

class QComboBox;
class QLabel;
class QLineEdit;
class QTableWidget;

namespace partivo {

class Controller;

// The destination editor: the named destinations in a table, the selected one in the
// controls below it, and the last message received while it is open. Floats above the
// display windows; saves when it closes.
class MidiPref : public QWidget {
    Q_OBJECT
public:
    explicit MidiPref(Controller& controller, QWidget* parent = nullptr);

    // Opens or refreshes (the endpoint lists are read again).
    void showMidiPref();
    // Key command 2005: shows the message that came in.
    void showReceived();
    MidiDestEditor& editor() { return editor_; }

    // The controls, for tests.
    QTableWidget* table() const { return table_; }
    QLineEdit* nameField() const { return name_; }
    QComboBox* channelBox() const { return channel_; }
    QComboBox* destinationBox() const { return destination_; }
    QLabel* lastMidiEvent() const { return lastMidiEvent_; }
    QLabel* lastMidiEventChannel() const { return lastMidiEventChannel_; }
    QLabel* lastMidiEventFrom() const { return lastMidiEventFrom_; }
    QLabel* lastMidiEventDestID() const { return lastMidiEventDestID_; }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    QWidget* buildRowControls();
    QWidget* buildButtons();
    QWidget* buildLastReceived();
    void reload(int selectRow);
    void showRow(int row);
    void rowEdited();
    void showLastReceived();

    Controller& controller_;
    MidiDestEditor editor_;
    QTableWidget* table_ = nullptr;
    QLineEdit* name_ = nullptr;
    QComboBox* channel_ = nullptr;
    QComboBox* destination_ = nullptr;
    QLabel* lastMidiEvent_ = nullptr;
    QLabel* lastMidiEventChannel_ = nullptr;
    QLabel* lastMidiEventFrom_ = nullptr;
    QLabel* lastMidiEventDestID_ = nullptr;
    bool loading_ = false;
};

} // namespace partivo
