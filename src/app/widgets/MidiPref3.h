#pragma once

#include "midi/MidiTrigEditor.h"

#include <QWidget>
#include <array>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableWidget;

namespace partivo {

class Controller;

// The trigger editor: the triggers in a table, the selected one in the controls below it,
// and learn mode (Listen, then Accept or Cancel for the message that came in). Floats above
// the display windows; saves when it closes.
class MidiPref3 : public QWidget {
    Q_OBJECT
public:
    explicit MidiPref3(Controller& controller, QWidget* parent = nullptr);

    // Opens or refreshes (the source list is read again).
    void showMidiPref();
    // Key command 2004: the learned message fills the row being learned.
    void eventListen();
    MidiTrigEditor& editor() { return editor_; }

    // The controls, for tests.
    QTableWidget* table() const { return table_; }
    QPushButton* listenButton() const { return listen_; }
    QPushButton* acceptButton() const { return accept_; }
    QPushButton* cancelButton() const { return cancel_; }
    QLabel* learnedLabel() const { return learned_; }
    QComboBox* sourceBox() const { return source_; }
    QComboBox* typeBox() const { return type_; }
    QComboBox* actionBox() const { return action_; }
    QLineEdit* valueField(int i) const { return values_[size_t(i)]; }
    QLineEdit* actionField() const { return actionTxt_; }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    QWidget* buildRowControls();
    QWidget* buildButtons();
    void reload(int selectRow);
    void showRow(int row);
    void rowEdited();
    int selectedRow() const;

    Controller& controller_;
    MidiTrigEditor editor_;
    QTableWidget* table_ = nullptr;
    QComboBox* source_ = nullptr;
    QComboBox* channel_ = nullptr;
    QComboBox* type_ = nullptr;
    std::array<QLineEdit*, 3> values_{};
    QLabel* hint_ = nullptr;
    QComboBox* action_ = nullptr;
    QLineEdit* actionTxt_ = nullptr;
    QPushButton* listen_ = nullptr;
    QLabel* learned_ = nullptr;
    QPushButton* accept_ = nullptr;
    QPushButton* cancel_ = nullptr;
    bool loading_ = false; // controls are being filled: their signals are not edits
};

} // namespace partivo
