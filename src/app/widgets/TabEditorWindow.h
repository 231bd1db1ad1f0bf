#pragma once

#include <QDialog>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableWidget;

namespace partivo {

class TabEditor;

// The tab editor's window over its logic: name, kind, rule, field, orders and prefixes, the
// list with its buttons, and on the right the songs to pick from (a setlist) or the songs the
// collection admits. Every action goes to the logic, then the window shows it again.
class TabEditorWindow : public QDialog {
    Q_OBJECT
public:
    explicit TabEditorWindow(TabEditor& editor, QWidget* parent = nullptr);

    // Closing, by Cancel, Escape or the window's close button: the logic may ask to save.
    void reject() override;

    // The controls, for tests.
    QLineEdit* nameField() const { return name_; }
    QComboBox* kindChooser() const { return kind_; }
    QTableWidget* listTable() const { return list_; }
    QTableWidget* rightTable() const { return right_; }
    QComboBox* sourceTabChooser() const { return sourceTab_; }
    QPushButton* button(const QString& text) const;

private:
    QWidget* buildControls();
    QWidget* buildList();
    QWidget* buildRight();
    void save();
    void changeKind(int kind);
    void listEdited(int row, int column);
    void insertRow();
    void deleteRows();
    void moveRow(int delta);
    void addSourceSongs();
    void filtersChanged();
    // Shows the logic's state again: controls, list, right-hand table, buttons.
    void refresh();
    void refreshList();
    // Shows list row row of the logic in the row's existing items.
    void fillRow(int row);
    void refreshRight();
    int currentRow() const;
    void selectRow(int row);

    TabEditor& editor_;
    bool refreshing_ = false;
    QLineEdit* name_ = nullptr;
    QComboBox* kind_ = nullptr;
    QComboBox* rule_ = nullptr;
    QComboBox* lookInto_ = nullptr;
    QComboBox* order_ = nullptr;
    QComboBox* orderAlt_ = nullptr;
    QLineEdit* prefix_ = nullptr;
    QLineEdit* prefixAlt_ = nullptr;
    QTableWidget* list_ = nullptr;
    QComboBox* tags_ = nullptr;
    QLabel* rightTitle_ = nullptr;
    QWidget* sourceFilters_ = nullptr;
    QComboBox* sourceTab_ = nullptr;
    QLineEdit* titleFilter_ = nullptr;
    QLineEdit* artistFilter_ = nullptr;
    QLineEdit* tagFilter_ = nullptr;
    QCheckBox* played_ = nullptr;
    QTableWidget* right_ = nullptr;
    QPushButton* addSelected_ = nullptr;
    QPushButton* addCurrent_ = nullptr;
    QPushButton* save_ = nullptr;
};

} // namespace partivo
