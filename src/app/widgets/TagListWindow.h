#pragma once

#include <QDialog>

class QListWidget;
class QListWidgetItem;
class QPushButton;

namespace partivo {

class TagListEditor;

// The tag list editor's window: one editable row per tag, reordered by dragging, with
// Insert and Delete. Every action goes to the logic, then the window shows it again.
class TagListWindow : public QDialog {
    Q_OBJECT
public:
    // Opens the editor (1007) when it is not open yet.
    explicit TagListWindow(TagListEditor& editor, QWidget* parent = nullptr);

    // Every way of closing (Close, Escape, the window's close button) stores the list.
    void done(int result) override;

    // The controls, for tests.
    QListWidget* list() const { return list_; }
    QPushButton* button(const QString& text) const;

private:
    void refresh();
    void insertRow();
    void deleteRow();
    void rowEdited(QListWidgetItem* item);
    void rowsDragged(int from, int to);
    void selectRow(int row);

    TagListEditor& editor_;
    bool refreshing_ = false;
    QListWidget* list_ = nullptr;
};

} // namespace partivo
