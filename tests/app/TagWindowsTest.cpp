#include "app/widgets/TagAssignmentsWindow.h"
#include "app/widgets/TagListWindow.h"
#include "library/Data.h"
#include "library/TagAssignments.h"
#include "library/TagList.h"
#include "library/TagListEditor.h"
#include "library/TagTestBinder.h"
#include "platform/Commands.h"
#include "platform/MemoryPrefs.h"
#include "platform/NotificationCenter.h"
#include "platform/ScriptedDialogs.h"

#include "QtPrinters.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QVariantMap>
#include <gtest/gtest.h>

using namespace partivo;
using partivo::test::TagTestBinder;

namespace {

QStringList rows(const QListWidget& list)
{
    QStringList texts;
    for (int row = 0; row < list.count(); ++row)
        texts << list.item(row)->text();
    return texts;
}

QStringList headers(const QTableWidget& table)
{
    QStringList labels;
    for (int c = 0; c < table.columnCount(); ++c)
        labels << table.horizontalHeaderItem(c)->text();
    return labels;
}

QStringList column(const QTableWidget& table, int c)
{
    QStringList texts;
    for (int row = 0; row < table.rowCount(); ++row)
        texts << table.item(row, c)->text();
    return texts;
}

// A click in the middle of a header section, as the mouse makes it.
void clickHeader(QHeaderView& header, int section)
{
    const QPoint at(header.sectionViewportPosition(section) + header.sectionSize(section) / 2,
                    header.height() / 2);
    const QPoint global = header.viewport()->mapToGlobal(at);
    QMouseEvent press(QEvent::MouseButtonPress, at, global, Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QApplication::sendEvent(header.viewport(), &press);
    QMouseEvent release(QEvent::MouseButtonRelease, at, global, Qt::LeftButton, Qt::NoButton,
                        Qt::NoModifier);
    QApplication::sendEvent(header.viewport(), &release);
}

// Replaces the text of the open row editor and presses Return; answers the text it held.
QString typeInEditor(QListWidget& list, const QString& text)
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); // closed editors
    auto* field = list.viewport()->findChild<QLineEdit*>();
    if (!field) {
        ADD_FAILURE() << "no editor open";
        return QString();
    }
    const QString before = field->text();
    field->setText(text);
    QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
    QApplication::sendEvent(field, &enter);
    QCoreApplication::sendPostedEvents(); // the delegate commits and closes through the queue
    return before;
}

TEST(TagListWindow, RowsAreInsertedRenamedDraggedDeletedAndStoredOnClose)
{
    TagTestBinder rig({{"A.pdf", "Tempo 90\nTags=Pop ROCK\n"}, {"B.pdf", "Tags=rock\n"}},
                      {"Pop", "Rock", "Blues"});
    TagListEditor editor(rig.data, rig.center);
    TagListWindow window(editor); // opens the editor
    EXPECT_TRUE(editor.isOpen());
    window.show();
    EXPECT_TRUE(window.isModal());
    EXPECT_EQ(rows(*window.list()), (QStringList{"Pop", "Rock", "Blues"}));

    window.button("Insert")->click();
    EXPECT_EQ(rows(*window.list()), (QStringList{"Pop", "Rock", "Blues", "Tag1"}));
    EXPECT_EQ(window.list()->currentRow(), 3);
    // The new row's editor is open: a name of two words typed there is refused, one word
    // is taken.
    EXPECT_EQ(typeInEditor(*window.list(), "Slow ballad"), QStringLiteral("Tag1"));
    EXPECT_EQ(rows(*window.list()).last(), QStringLiteral("Tag1"));
    window.list()->editItem(window.list()->item(3));
    EXPECT_EQ(typeInEditor(*window.list(), "Ballad"), QStringLiteral("Tag1"));
    EXPECT_EQ(rows(*window.list()).last(), QStringLiteral("Ballad"));
    EXPECT_EQ(rig.data.tags.last(), QStringLiteral("Ballad"));

    // A drop moves the row in the list's model, as a drag does.
    ASSERT_TRUE(window.list()->model()->moveRow(QModelIndex(), 3, QModelIndex(), 0));
    EXPECT_EQ(rig.data.tags, (QStringList{"Ballad", "Pop", "Rock", "Blues"}));
    EXPECT_EQ(rows(*window.list()), rig.data.tags);

    window.list()->clearSelection();
    window.button("Delete")->click();
    window.list()->setCurrentRow(2);
    rig.dialogs.answerQuestion(true);
    window.button("Delete")->click();
    EXPECT_EQ(rig.dialogs.texts(), (QStringList{"A row must be selected to perform this operation",
                                                "⚠️Also remove tag Rock from ALL songs?"}));
    EXPECT_EQ(rows(*window.list()), (QStringList{"Ballad", "Pop", "Blues"}));
    EXPECT_EQ(window.list()->currentRow(), 2);
    EXPECT_EQ(rig.note("A.pdf"), QStringLiteral("Tempo 90\nTags=Pop\n"));
    EXPECT_EQ(rig.note("B.pdf"), QString());

    window.button("Close")->click();
    EXPECT_FALSE(window.isVisible());
    EXPECT_FALSE(editor.isOpen());
    EXPECT_EQ(rig.prefs.stringValue(kTagListKey), QStringLiteral("Ballad\nPop\nBlues\n"));
    EXPECT_EQ(rig.posted, (QList<int>{cmd::MidiEditorOpened, cmd::WinIDsEdited, cmd::WinIDsEdited,
                                      cmd::WinIDsEdited, cmd::SongInfoChanged, cmd::WinIDsEdited,
                                      cmd::MidiEditorClosed}));
}

TEST(TagAssignmentsWindow, TicksHeadersAndButtonsReachTheNotes)
{
    QStringList tags;
    for (int i = 1; i <= 10; ++i)
        tags << QStringLiteral("T%1").arg(i);
    TagTestBinder rig({{"Alpha(Band)T9.pdf", "Tempo 90\nTags=T1 t2\n"},
                       {"Beta.pdf", nullptr},
                       {"Gamma.pdf", "Tags=T2\n"}},
                      tags);
    TagAssignments assignments(rig.data);
    TagAssignmentsWindow window(assignments);
    window.show();
    QTableWidget& table = *window.table();
    const QStringList firstEight{"T1", "T2", "T3", "T4", "T5", "T6", "T7", "T8"};
    const QStringList expected =
        QStringList{"Title", "Artist", "Tags"} + firstEight + QStringList{"Clear"};
    EXPECT_EQ(headers(table), expected);
    EXPECT_EQ(column(table, 0), (QStringList{"Alpha", "Beta", "Gamma"}));
    EXPECT_EQ(column(table, 2), (QStringList{"T1 t2", "", "T2"}));
    EXPECT_EQ(table.item(0, 3)->checkState(), Qt::Checked);
    EXPECT_EQ(table.item(0, 4)->checkState(), Qt::Unchecked); // "t2" is not "T2"

    clickHeader(*table.horizontalHeader(), 10);
    EXPECT_EQ(headers(table).mid(3, 8),
              (QStringList{"T3", "T4", "T5", "T6", "T7", "T8", "T9", "T10"}));
    EXPECT_EQ(table.item(0, 3)->checkState(), Qt::Unchecked); // now T3
    table.item(1, 9)->setCheckState(Qt::Checked);             // Beta gets T9
    EXPECT_EQ(rig.note("Beta.pdf"), QStringLiteral("Tags=T9\n"));
    EXPECT_EQ(table.item(1, 2)->text(), QStringLiteral("T9"));
    clickHeader(*table.horizontalHeader(), 2);
    EXPECT_EQ(headers(table).mid(3, 8), firstEight);

    window.clearButton(0)->click();
    EXPECT_EQ(rig.note("Alpha(Band)T9.pdf"), QStringLiteral("Tempo 90\n"));
    EXPECT_EQ(table.item(0, 3)->checkState(), Qt::Unchecked);

    table.clearSelection();
    window.button("Proceed")->click();
    EXPECT_EQ(rig.dialogs.texts().last(),
              QStringLiteral("One or many rows must be selected to perform this operation"));

    table.selectRow(0);
    window.button("Extract Existing Tags from Filename")->click();
    EXPECT_EQ(rig.note("Alpha(Band)T9.pdf"), QStringLiteral("Tempo 90\nTags=T9\n"));
    window.operationChooser()->setCurrentIndex(TagAssignments::RemoveTag);
    window.tagChooser()->setCurrentIndex(1); // T2
    table.selectAll();
    window.button("Proceed")->click();
    EXPECT_EQ(rig.dialogs.texts().mid(1), (QStringList{"1 entries updated", "1 entries updated"}));
    EXPECT_EQ(rig.note("Gamma.pdf"), QString());
    EXPECT_EQ(column(table, 2), (QStringList{"T9", "T9", ""}));

    // The filters narrow the rows.
    window.titleFilter()->setFocus();
    for (const QChar c : QStringLiteral("et")) {
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
        QApplication::sendEvent(window.titleFilter(), &press);
    }
    EXPECT_EQ(column(table, 0), QStringList{"Beta"});
    EXPECT_TRUE(assignments.changed());
}

} // namespace
