#pragma once

#include <QDialog>

class QComboBox;
class QLineEdit;
class QPushButton;
class QTableWidget;
class QTableWidgetItem;

namespace partivo {

class TagAssignments;

// The tag assignments' window over its logic: the songs with their tags and eight tag
// columns to tick, filters above, and the operations on the selected rows below. Clicking
// the Tags header shows the previous eight tags, the last tag column's header the next
// eight. Every action goes to the logic, then the window shows it again.
class TagAssignmentsWindow : public QDialog {
    Q_OBJECT
public:
    // The columns of the table.
    enum Column { TitleColumn = 0, ArtistColumn, TagsColumn, FirstTagColumn, ClearColumn = 11 };

    explicit TagAssignmentsWindow(TagAssignments& assignments, QWidget* parent = nullptr);

    // The controls, for tests.
    QTableWidget* table() const { return table_; }
    QComboBox* sourceTabChooser() const { return sourceTab_; }
    QLineEdit* titleFilter() const { return titleFilter_; }
    QComboBox* operationChooser() const { return operation_; }
    QComboBox* tagChooser() const { return tag_; }
    // The buttons below the table (Proceed, Clear, Extract..., Close).
    QPushButton* button(const QString& text) const;
    // The Clear button of a row.
    QPushButton* clearButton(int row) const;

private:
    QWidget* buildFilters();
    QWidget* buildOperations();
    void filtersChanged();
    void headerClicked(int section);
    void itemChanged(QTableWidgetItem* item);
    QList<int> selectedRows() const;
    // Builds the rows again for the logic's songs.
    void refreshRows();
    void refreshHeaders();
    // Shows row row of the logic in the row's existing items.
    void fillRow(int row);
    void fillRows();

    TagAssignments& assignments_;
    bool refreshing_ = false;
    QComboBox* sourceTab_ = nullptr;
    QLineEdit* titleFilter_ = nullptr;
    QLineEdit* artistFilter_ = nullptr;
    QLineEdit* tagFilter_ = nullptr;
    QTableWidget* table_ = nullptr;
    QComboBox* operation_ = nullptr;
    QComboBox* tag_ = nullptr;
    QList<QPushButton*> buttons_;
};

} // namespace partivo
