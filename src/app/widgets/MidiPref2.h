#pragma once

#include "midi/MidiFavEditor.h"

#include <QList>
#include <QStringList>
#include <QWidget>

class QComboBox;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QTableWidget;

namespace partivo {

class Controller;

// The event library editor: the groups in a table, the selected one's ID, description and
// events below it; Test sends the events now, Append adds a reference to another group.
// Floats above the display windows; saves when it closes.
class MidiPref2 : public QWidget {
    Q_OBJECT
public:
    explicit MidiPref2(Controller& controller, QWidget* parent = nullptr);

    void showMidiPref();
    // The buttons that insert the last received MIDI show it (and light up while it is new).
    void refreshInsertButtons();
    MidiFavEditor& editor() { return editor_; }

    // The controls, for tests.
    QTableWidget* table() const { return table_; }
    QLineEdit* idField() const { return id_; }
    QLineEdit* descrField() const { return descr_; }
    QPlainTextEdit* eventsField() const { return events_; }
    QPushButton* testButton() const { return test_; }
    QComboBox* referenceBox() const { return reference_; }
    QPushButton* appendButton() const { return append_; }
    // Program change, control change, coarse tune, then the keywords.
    const QList<QPushButton*>& insertButtons() const { return inserts_; }

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* buildRowControls();
    QWidget* buildButtons();
    QWidget* buildInsertButtons();
    void insertIntoEvents(const QString& text);
    // Replaces the word being typed by the first instruction it starts (or the next one when
    // it is an offer already); false when there is none.
    bool completeWord();
    void reload(int selectRow);
    void showRow(int row);
    void rowEdited();

    Controller& controller_;
    MidiFavEditor editor_;
    QTableWidget* table_ = nullptr;
    QLineEdit* id_ = nullptr;
    QLineEdit* descr_ = nullptr;
    QPlainTextEdit* events_ = nullptr;
    QPushButton* test_ = nullptr;
    QComboBox* reference_ = nullptr;
    QPushButton* append_ = nullptr;
    QList<QPushButton*> inserts_;
    QStringList offers_;    // what the last completion offered
    QString programInsert_; // what the program-change button inserts
    bool loading_ = false;
};

} // namespace partivo
