#include "app/widgets/TagAssignmentsWindow.h"

#include "library/TabEditorTexts.h"
#include "library/TagAssignments.h"
#include "library/TagTexts.h"

#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace partivo {

namespace {

constexpr int kLastTagColumn =
    TagAssignmentsWindow::FirstTagColumn + TagAssignments::kTagColumns - 1;

QString tr8(const char* text)
{
    return QString::fromUtf8(text);
}

QTableWidgetItem* cell()
{
    auto* item = new QTableWidgetItem;
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    return item;
}

} // namespace

TagAssignmentsWindow::TagAssignmentsWindow(TagAssignments& assignments, QWidget* parent)
    : QDialog(parent), assignments_(assignments)
{
    setModal(true);
    setWindowTitle(tr8(texts::kTagAssignmentsTitle));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(buildFilters());

    table_ = new QTableWidget(0, ClearColumn + 1);
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->verticalHeader()->hide();
    table_->horizontalHeader()->setSectionsClickable(true);
    table_->horizontalHeader()->setSectionResizeMode(TitleColumn, QHeaderView::Stretch);
    layout->addWidget(table_);
    connect(table_->horizontalHeader(), &QHeaderView::sectionClicked, this,
            &TagAssignmentsWindow::headerClicked);
    connect(table_, &QTableWidget::itemChanged, this, &TagAssignmentsWindow::itemChanged);

    layout->addWidget(buildOperations());
    resize(1100, 640);
    refreshHeaders();
    refreshRows();
}

QWidget* TagAssignmentsWindow::buildFilters()
{
    auto* box = new QWidget;
    auto* row = new QHBoxLayout(box);
    row->setContentsMargins(0, 0, 0, 0);
    sourceTab_ = new QComboBox;
    titleFilter_ = new QLineEdit;
    artistFilter_ = new QLineEdit;
    tagFilter_ = new QLineEdit;
    titleFilter_->setPlaceholderText(tr8(texts::kTitleColumn));
    artistFilter_->setPlaceholderText(QStringLiteral("Artist"));
    tagFilter_->setPlaceholderText(QStringLiteral("Tag"));
    row->addWidget(sourceTab_);
    row->addWidget(titleFilter_);
    row->addWidget(artistFilter_);
    row->addWidget(tagFilter_);
    SourceSongs& source = assignments_.source();
    for (int tab : source.tabs())
        sourceTab_->addItem(source.tabName(tab), tab);
    sourceTab_->setCurrentIndex(sourceTab_->findData(source.tab()));
    connect(sourceTab_, &QComboBox::activated, this, [this](int index) {
        assignments_.source().setTab(sourceTab_->itemData(index).toInt());
        refreshRows();
    });
    for (QLineEdit* field : {titleFilter_, artistFilter_, tagFilter_})
        connect(field, &QLineEdit::textEdited, this, &TagAssignmentsWindow::filtersChanged);
    return box;
}

QWidget* TagAssignmentsWindow::buildOperations()
{
    auto* box = new QWidget;
    auto* row = new QHBoxLayout(box);
    row->setContentsMargins(0, 0, 0, 0);
    operation_ = new QComboBox;
    operation_->addItems({tr8(texts::kAddTagOperation), tr8(texts::kRemoveTagOperation)});
    tag_ = new QComboBox;
    tag_->addItems(assignments_.tags());
    row->addWidget(operation_);
    row->addWidget(tag_);
    auto add = [&](const char* text, auto slot) {
        auto* button = new QPushButton(tr8(text));
        button->setAutoDefault(false);
        row->addWidget(button);
        buttons_.append(button);
        connect(button, &QPushButton::clicked, this, slot);
    };
    add(texts::kProceed, [this] {
        assignments_.actionProceed(selectedRows(), operation_->currentIndex(), tag_->currentText());
        fillRows();
    });
    add(texts::kClearColumn, [this] {
        assignments_.actionClear(selectedRows());
        fillRows();
    });
    add(texts::kExtractTags, [this] {
        assignments_.actionExtract(selectedRows());
        fillRows();
    });
    row->addStretch();
    add("Close", [this] { accept(); });
    return box;
}

QPushButton* TagAssignmentsWindow::button(const QString& text) const
{
    for (QPushButton* b : buttons_) {
        if (b->text() == text)
            return b;
    }
    return nullptr;
}

QPushButton* TagAssignmentsWindow::clearButton(int row) const
{
    return qobject_cast<QPushButton*>(table_->cellWidget(row, ClearColumn));
}

void TagAssignmentsWindow::filtersChanged()
{
    assignments_.source().setFilters(titleFilter_->text(), artistFilter_->text(),
                                     tagFilter_->text());
    refreshRows();
}

void TagAssignmentsWindow::headerClicked(int section)
{
    if (section == TagsColumn)
        assignments_.previousTags();
    else if (section == kLastTagColumn)
        assignments_.nextTags();
    else
        return;
    refreshHeaders();
    fillRows();
}

// The table is inside the item's change signal: its items are updated in place.
void TagAssignmentsWindow::itemChanged(QTableWidgetItem* item)
{
    const int column = item->column() - FirstTagColumn;
    if (refreshing_ || column < 0 || column >= TagAssignments::kTagColumns)
        return;
    assignments_.setTicked(item->row(), column, item->checkState() == Qt::Checked);
    fillRow(item->row());
}

QList<int> TagAssignmentsWindow::selectedRows() const
{
    QList<int> rows;
    for (const QModelIndex& index : table_->selectionModel()->selectedRows())
        rows.append(index.row());
    return rows;
}

void TagAssignmentsWindow::refreshHeaders()
{
    QStringList labels{tr8(texts::kTitleColumn), QStringLiteral("Artist"), tr8(texts::kTagsColumn)};
    for (int c = 0; c < TagAssignments::kTagColumns; ++c)
        labels << assignments_.columnTag(c);
    labels << tr8(texts::kClearColumn);
    table_->setHorizontalHeaderLabels(labels);
    table_->horizontalHeaderItem(TagsColumn)->setToolTip(tr8(texts::kPreviousTagsTip));
    table_->horizontalHeaderItem(kLastTagColumn)->setToolTip(tr8(texts::kNextTagsTip));
}

void TagAssignmentsWindow::refreshRows()
{
    const bool wasRefreshing = refreshing_;
    refreshing_ = true;
    const int count = assignments_.rowCount();
    table_->clearContents();
    table_->setRowCount(count);
    for (int row = 0; row < count; ++row) {
        for (int c = 0; c < ClearColumn; ++c)
            table_->setItem(row, c, cell());
        auto* clear = new QPushButton(tr8(texts::kClearColumn));
        clear->setAutoDefault(false);
        connect(clear, &QPushButton::clicked, this, [this, row] {
            assignments_.clearRow(row);
            fillRow(row);
        });
        table_->setCellWidget(row, ClearColumn, clear);
        fillRow(row);
    }
    refreshing_ = wasRefreshing;
}

// A tag column without a tag shows no check box.
void TagAssignmentsWindow::fillRow(int row)
{
    const bool wasRefreshing = refreshing_;
    refreshing_ = true;
    table_->item(row, TitleColumn)->setText(assignments_.title(row));
    table_->item(row, ArtistColumn)->setText(assignments_.artist(row));
    table_->item(row, TagsColumn)->setText(assignments_.tagsText(row));
    for (int c = 0; c < TagAssignments::kTagColumns; ++c) {
        QTableWidgetItem* item = table_->item(row, FirstTagColumn + c);
        if (assignments_.columnTag(c).isEmpty()) {
            item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
            item->setData(Qt::CheckStateRole, QVariant());
        } else {
            item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
            item->setCheckState(assignments_.isTicked(row, c) ? Qt::Checked : Qt::Unchecked);
        }
    }
    refreshing_ = wasRefreshing;
}

void TagAssignmentsWindow::fillRows()
{
    for (int row = 0; row < table_->rowCount(); ++row)
        fillRow(row);
}

} // namespace partivo
