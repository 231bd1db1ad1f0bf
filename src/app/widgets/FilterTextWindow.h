#pragma once

#include <QDialog>

class QLineEdit;
class QToolButton;

namespace partivo {

// The filter text: a field with the tags as its menu (a chosen tag fills the field). Return
// ends the edit and keeps the text (empty allowed); Escape leaves it as it was.
class FilterTextWindow : public QDialog {
    Q_OBJECT
public:
    FilterTextWindow(const QString& text, const QStringList& tags, QWidget* parent = nullptr);

    QString text() const;
    QLineEdit* field() const { return field_; }
    QToolButton* tagsButton() const { return tagsButton_; }

private:
    QLineEdit* field_ = nullptr;
    QToolButton* tagsButton_ = nullptr;
};

} // namespace partivo
