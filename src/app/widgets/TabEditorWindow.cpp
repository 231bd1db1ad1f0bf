#include "app/widgets/TabEditorWindow.h"

#include "library/TabEditor.h"
#include "library/TabEditorTexts.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>

namespace partivo {

namespace {

const QStringList kOrders = {QStringLiteral("List order"), QStringLiteral("Title"),
                             QStringLiteral("Artist, then title"),
                             QStringLiteral("Tag prefix, then title"), QStringLiteral("Random")};

QTableWidget* table()
{
    auto* t = new QTableWidget;
    t->setSelectionBehavior(QAbstractItemView::SelectRows);
    t->verticalHeader()->hide();
    t->horizontalHeader()->setStretchLastSection(true);
    return t;
}

QTableWidgetItem* cell(const QString& text)
{
    auto* item = new QTableWidgetItem(text);
    item->setFlags(item->flags() & ~Qt::ItemIsEditable);
    return item;
}

} // namespace

TabEditorWindow::TabEditorWindow(TabEditor& editor, QWidget* parent)
    : QDialog(parent), editor_(editor)
{
    setModal(true);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(buildControls());
    auto* tables = new QHBoxLayout;
    tables->addWidget(buildList(), 3);
    tables->addWidget(buildRight(), 2);
    layout->addLayout(tables);
    auto* bottom = new QHBoxLayout;
    bottom->addStretch();
    auto* cancel = new QPushButton(QStringLiteral("Cancel"));
    save_ = new QPushButton(QStringLiteral("Save"));
    save_->setDefault(true);
    bottom->addWidget(cancel);
    bottom->addWidget(save_);
    layout->addLayout(bottom);
    connect(cancel, &QPushButton::clicked, this, &TabEditorWindow::reject);
    connect(save_, &QPushButton::clicked, this, &TabEditorWindow::save);
    resize(1000, 640);
    refresh();
}

QWidget* TabEditorWindow::buildControls()
{
    auto* box = new QWidget;
    auto* grid = new QGridLayout(box);
    name_ = new QLineEdit;
    kind_ = new QComboBox;
    kind_->addItems({QStringLiteral("Setlist"), QStringLiteral("Collection")});
    rule_ = new QComboBox;
    rule_->addItems({QStringLiteral("Any keyword"), QStringLiteral("All keywords"),
                     QStringLiteral("No keyword")});
    lookInto_ = new QComboBox;
    lookInto_->addItems({QStringLiteral("Title, artist and tags"), QStringLiteral("Title"),
                         QStringLiteral("Artist"), QStringLiteral("Tags"),
                         QStringLiteral("File name")});
    order_ = new QComboBox;
    order_->addItems(kOrders);
    orderAlt_ = new QComboBox;
    orderAlt_->addItems(kOrders);
    prefix_ = new QLineEdit;
    prefixAlt_ = new QLineEdit;
    prefix_->setPlaceholderText(QStringLiteral("Tag prefix"));
    prefixAlt_->setPlaceholderText(QStringLiteral("Tag prefix"));

    grid->addWidget(new QLabel(QStringLiteral("Name:")), 0, 0);
    grid->addWidget(name_, 0, 1);
    grid->addWidget(new QLabel(QStringLiteral("Kind:")), 0, 2);
    grid->addWidget(kind_, 0, 3);
    grid->addWidget(new QLabel(QStringLiteral("Rule:")), 1, 0);
    grid->addWidget(rule_, 1, 1);
    grid->addWidget(new QLabel(QStringLiteral("Look into:")), 1, 2);
    grid->addWidget(lookInto_, 1, 3);
    grid->addWidget(new QLabel(QStringLiteral("Order:")), 2, 0);
    grid->addWidget(order_, 2, 1);
    grid->addWidget(prefix_, 2, 2, 1, 2);
    grid->addWidget(new QLabel(QStringLiteral("Alternate order:")), 3, 0);
    grid->addWidget(orderAlt_, 3, 1);
    grid->addWidget(prefixAlt_, 3, 2, 1, 2);

    connect(name_, &QLineEdit::textEdited, this, [this](const QString& text) {
        editor_.setTabName(text);
        refresh();
    });
    connect(kind_, &QComboBox::activated, this, &TabEditorWindow::changeKind);
    auto onChoice = [this](QComboBox* box, void (TabEditor::*set)(int)) {
        connect(box, &QComboBox::activated, this, [this, set](int index) {
            (editor_.*set)(index);
            refresh();
        });
    };
    onChoice(rule_, &TabEditor::setRule);
    onChoice(lookInto_, &TabEditor::setLookInto);
    onChoice(order_, &TabEditor::setTabSort);
    onChoice(orderAlt_, &TabEditor::setTabSortAlt);
    connect(prefix_, &QLineEdit::textEdited, this, [this](const QString& text) {
        editor_.setTabPrefix(text);
        refresh();
    });
    connect(prefixAlt_, &QLineEdit::textEdited, this, [this](const QString& text) {
        editor_.setTabPrefixAlt(text);
        refresh();
    });
    return box;
}

QWidget* TabEditorWindow::buildList()
{
    auto* box = new QWidget;
    auto* layout = new QVBoxLayout(box);
    list_ = table();
    list_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    layout->addWidget(list_);
    connect(list_, &QTableWidget::cellChanged, this, &TabEditorWindow::listEdited);

    auto* buttons = new QGridLayout;
    auto add = [&](const QString& text, int row, int column, auto slot) {
        auto* button = new QPushButton(text);
        buttons->addWidget(button, row, column);
        connect(button, &QPushButton::clicked, this, slot);
        return button;
    };
    addCurrent_ = add(QStringLiteral("Add current song"), 0, 0, [this] {
        editor_.ajouterPieceCourante();
        refresh();
        selectRow(int(editor_.liste().size()) - 1);
    });
    add(QStringLiteral("Insert"), 0, 1, [this] { insertRow(); });
    add(QStringLiteral("Remove"), 0, 2, [this] { deleteRows(); });
    add(QStringLiteral("Move up"), 0, 3, [this] { moveRow(-1); });
    add(QStringLiteral("Move down"), 0, 4, [this] { moveRow(1); });
    add(QStringLiteral("Empty"), 1, 0, [this] {
        editor_.actionEmptyList();
        refresh();
    });
    add(QStringLiteral("Import"), 1, 1, [this] {
        editor_.actionImport();
        refresh();
    });
    add(QStringLiteral("Export"), 1, 2, [this] { editor_.actionExport(); });
    tags_ = new QComboBox;
    tags_->setPlaceholderText(QStringLiteral("Add a tag"));
    buttons->addWidget(tags_, 1, 3, 1, 2);
    connect(tags_, &QComboBox::activated, this, [this](int index) {
        editor_.ajouterTag(editor_.tags().value(index));
        refresh();
    });
    layout->addLayout(buttons);
    return box;
}

QWidget* TabEditorWindow::buildRight()
{
    auto* box = new QWidget;
    auto* layout = new QVBoxLayout(box);
    rightTitle_ = new QLabel;
    layout->addWidget(rightTitle_);

    sourceFilters_ = new QWidget;
    auto* form = new QFormLayout(sourceFilters_);
    form->setContentsMargins(0, 0, 0, 0);
    sourceTab_ = new QComboBox;
    titleFilter_ = new QLineEdit;
    artistFilter_ = new QLineEdit;
    tagFilter_ = new QLineEdit;
    played_ = new QCheckBox(QStringLiteral("Played only"));
    form->addRow(QStringLiteral("Tab:"), sourceTab_);
    form->addRow(QStringLiteral("Title:"), titleFilter_);
    form->addRow(QStringLiteral("Artist:"), artistFilter_);
    form->addRow(QStringLiteral("Tag:"), tagFilter_);
    form->addRow(played_);
    layout->addWidget(sourceFilters_);
    for (QLineEdit* field : {titleFilter_, artistFilter_, tagFilter_})
        connect(field, &QLineEdit::textEdited, this, &TabEditorWindow::filtersChanged);
    connect(sourceTab_, &QComboBox::activated, this, [this](int index) {
        editor_.setTabNoSource(sourceTab_->itemData(index).toInt());
        refreshRight();
    });
    connect(played_, &QCheckBox::toggled, this, [this](bool on) {
        editor_.actionPlayed(on);
        refreshRight();
    });

    right_ = table();
    right_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    right_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    right_->setColumnCount(2);
    right_->setHorizontalHeaderLabels(
        {QString::fromUtf8(texts::kTitleColumn), QStringLiteral("Artist")});
    layout->addWidget(right_);
    connect(right_, &QTableWidget::cellDoubleClicked, this, [this] { addSourceSongs(); });
    addSelected_ = new QPushButton(QStringLiteral("Add selected songs"));
    layout->addWidget(addSelected_);
    connect(addSelected_, &QPushButton::clicked, this, &TabEditorWindow::addSourceSongs);
    return box;
}

QPushButton* TabEditorWindow::button(const QString& text) const
{
    for (QPushButton* b : findChildren<QPushButton*>()) {
        if (b->text() == text)
            return b;
    }
    return nullptr;
}

void TabEditorWindow::save()
{
    if (!editor_.actionSave()) {
        name_->setFocus();
        return;
    }
    editor_.fermer();
    QDialog::accept();
}

void TabEditorWindow::reject()
{
    editor_.actionCancel();
    QDialog::reject();
}

void TabEditorWindow::changeKind(int kind)
{
    editor_.actionTabKind(kind);
    refresh();
}

// The table is inside the item's change signal: its items are updated in place, never
// replaced.
void TabEditorWindow::listEdited(int row, int column)
{
    if (refreshing_)
        return;
    const QTableWidgetItem* item = list_->item(row, column);
    if (!item)
        return;
    editor_.setEntryText(row, item->text());
    refreshing_ = true;
    fillRow(row);
    refreshing_ = false;
    save_->setEnabled(editor_.canSave());
    refreshRight();
}

void TabEditorWindow::insertRow()
{
    const int row = editor_.actionInsertRow();
    refresh();
    const int column = editor_.isCollection() ? 0 : 1;
    list_->setCurrentCell(row, column);
    list_->editItem(list_->item(row, column));
}

void TabEditorWindow::deleteRows()
{
    QList<int> rows;
    for (const QModelIndex& index : list_->selectionModel()->selectedRows())
        rows.append(index.row());
    const int next = editor_.actionDeleteRow(rows);
    refresh();
    selectRow(next);
}

void TabEditorWindow::moveRow(int delta)
{
    const int row = currentRow();
    if (row < 0)
        return;
    const int to = editor_.moveRow(row, delta);
    refresh();
    selectRow(to);
}

void TabEditorWindow::addSourceSongs()
{
    QList<int> rows;
    for (const QModelIndex& index : right_->selectionModel()->selectedRows())
        rows.append(index.row());
    std::sort(rows.begin(), rows.end());
    const int at = currentRow() < 0 ? -1 : currentRow() + 1;
    editor_.ajouterPiecesSource(rows, at);
    refresh();
}

void TabEditorWindow::filtersChanged()
{
    editor_.setSourceFilters(titleFilter_->text(), artistFilter_->text(), tagFilter_->text());
    refreshRight();
}

int TabEditorWindow::currentRow() const
{
    const QModelIndexList rows = list_->selectionModel()->selectedRows();
    return rows.isEmpty() ? -1 : rows.first().row();
}

void TabEditorWindow::selectRow(int row)
{
    if (row >= 0 && row < list_->rowCount())
        list_->selectRow(row);
}

void TabEditorWindow::refresh()
{
    refreshing_ = true;
    const bool collection = editor_.isCollection();
    setWindowTitle(editor_.windowTitle());
    if (name_->text() != editor_.tabName())
        name_->setText(editor_.tabName());
    kind_->setCurrentIndex(editor_.tabKind());
    rule_->setCurrentIndex(editor_.rule());
    lookInto_->setCurrentIndex(editor_.lookInto());
    rule_->setEnabled(collection);
    lookInto_->setEnabled(collection);
    order_->setCurrentIndex(editor_.tabSort());
    orderAlt_->setCurrentIndex(editor_.tabSortAlt());
    if (prefix_->text() != editor_.tabPrefix())
        prefix_->setText(editor_.tabPrefix());
    if (prefixAlt_->text() != editor_.tabPrefixAlt())
        prefixAlt_->setText(editor_.tabPrefixAlt());
    prefix_->setEnabled(editor_.prefixEnabled());
    prefixAlt_->setEnabled(editor_.prefixAltEnabled());
    tags_->clear();
    tags_->addItems(editor_.tags());
    tags_->setVisible(collection && !editor_.tags().isEmpty());
    addCurrent_->setEnabled(!collection);
    save_->setEnabled(editor_.canSave());
    refreshList();
    refreshRight();
    refreshing_ = false;
}

// A setlist shows status, title and artist, and only a new row's file name is typed; a
// collection shows its keywords, each one editable.
void TabEditorWindow::refreshList()
{
    const bool wasRefreshing = refreshing_;
    refreshing_ = true;
    const QList<TabEntry>& entries = editor_.liste();
    list_->clearContents();
    list_->setRowCount(int(entries.size()));
    if (editor_.isCollection()) {
        list_->setColumnCount(1);
        list_->setHorizontalHeaderLabels({QString::fromUtf8(texts::kKeywordColumn)});
    } else {
        list_->setColumnCount(3);
        list_->setHorizontalHeaderLabels(
            {QString(), QString::fromUtf8(texts::kTitleColumn), QStringLiteral("Artist")});
    }
    for (int row = 0; row < entries.size(); ++row) {
        for (int c = 0; c < list_->columnCount(); ++c)
            list_->setItem(row, c, cell(QString()));
        fillRow(row);
    }
    if (!editor_.isCollection())
        list_->resizeColumnToContents(0);
    refreshing_ = wasRefreshing;
}

void TabEditorWindow::fillRow(int row)
{
    const TabEntry& entry = editor_.liste()[row];
    auto set = [this, row](int column, const QString& text, bool editable) {
        QTableWidgetItem* item = list_->item(row, column);
        item->setText(text);
        item->setFlags(editable ? item->flags() | Qt::ItemIsEditable
                                : item->flags() & ~Qt::ItemIsEditable);
        return item;
    };
    if (editor_.isCollection()) {
        set(0, entry.titre, true);
        return;
    }
    set(0, editor_.statut(row), false)->setToolTip(editor_.statutTooltip(row));
    set(1, entry.titre, entry.fileName.isEmpty())->setToolTip(entry.fileName);
    set(2, knownArtist(entry.auteur), false);
}

void TabEditorWindow::refreshRight()
{
    const bool collection = editor_.isCollection();
    rightTitle_->setText(collection ? QStringLiteral("Songs of the collection")
                                    : QStringLiteral("Songs"));
    sourceFilters_->setVisible(!collection);
    addSelected_->setVisible(!collection);
    if (!collection) {
        sourceTab_->clear();
        for (int tab : editor_.sourceTabs())
            sourceTab_->addItem(editor_.sourceTabName(tab), tab);
        sourceTab_->setCurrentIndex(sourceTab_->findData(editor_.tabNoSource()));
    }
    const auto& songs = collection ? editor_.listeTemp() : editor_.sourcePieces();
    right_->clearContents();
    right_->setRowCount(int(songs.size()));
    for (int row = 0; row < songs.size(); ++row) {
        right_->setItem(row, 0, cell(songs[row]->pieceDet->titre));
        right_->setItem(row, 1, cell(knownArtist(songs[row]->pieceDet->auteur)));
    }
}

} // namespace partivo
