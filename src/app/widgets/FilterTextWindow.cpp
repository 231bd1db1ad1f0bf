#include "app/widgets/FilterTextWindow.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

namespace partivo {

FilterTextWindow::FilterTextWindow(const QString& text, const QStringList& tags, QWidget* parent)
    : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Filter"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(
        new QLabel(QStringLiteral("Songs whose title, artist or tags contain:"), this));
    auto* row = new QHBoxLayout;
    field_ = new QLineEdit(text, this);
    field_->setObjectName(QStringLiteral("filterText"));
    field_->setClearButtonEnabled(true);
    field_->selectAll();
    row->addWidget(field_, 1);
    tagsButton_ = new QToolButton(this);
    tagsButton_->setText(QStringLiteral("Tags"));
    tagsButton_->setPopupMode(QToolButton::InstantPopup);
    auto* menu = new QMenu(tagsButton_);
    for (const QString& tag : tags)
        connect(menu->addAction(tag), &QAction::triggered, field_,
                [this, tag] { field_->setText(tag); });
    tagsButton_->setMenu(menu);
    tagsButton_->setEnabled(!tags.isEmpty());
    row->addWidget(tagsButton_);
    layout->addLayout(row);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setText(QStringLiteral("Filter"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(field_, &QLineEdit::returnPressed, this, &QDialog::accept);
    layout->addWidget(buttons);
    field_->setFocus();
}

QString FilterTextWindow::text() const
{
    return field_->text().trimmed();
}

} // namespace partivo
