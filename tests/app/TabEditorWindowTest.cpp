#include "app/widgets/TabEditorWindow.h"
#include "ProgramRig.h"
#include "platform/Commands.h"

#include "QtPrinters.h"

#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QVariantMap>
#include <gtest/gtest.h>

using namespace partivo;
using partivo::test::Program;

namespace {

// Types the text into the field key by key, as the user does.
void type(QWidget* field, const QString& text)
{
    for (const QChar c : text) {
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
        QApplication::sendEvent(field, &press);
    }
}

QString headers(const QTableWidget& table)
{
    QStringList labels;
    for (int c = 0; c < table.columnCount(); ++c)
        labels << table.horizontalHeaderItem(c)->text();
    return labels.join(QLatin1Char('|'));
}

QStringList column(const QTableWidget& table, int c)
{
    QStringList texts;
    for (int row = 0; row < table.rowCount(); ++row)
        texts << table.item(row, c)->text();
    return texts;
}

// The titles of a tab's entries in the title list.
QStringList tabTitles(const Data& data, int tab)
{
    QStringList titles;
    for (const auto& piece : data.listePiecesByTitle) {
        if (piece->ongNo == tab)
            titles << piece->pieceDet->titre;
    }
    return titles;
}

TEST(TabEditorWindow, ASetlistNamedAndSavedHoldsTheCurrentSongAtOnce)
{
    Program app({{"Alpha.pdf", 1}, {"Beta.pdf", 2}, {"Gamma.pdf", 1}});
    app.controller.navigator().traiterNext();
    ASSERT_EQ(app.title(), QStringLiteral("Beta"));
    QList<int> keys;
    app.center.addObserver(QLatin1String(action::Key), [&keys](const QVariant& p) {
        keys << p.toMap().value(QLatin1String(kCommandParam)).toInt();
    });
    bool ran = false;
    app.shell.setModalRunner([&](QDialog& dialog) {
        ran = true;
        auto& window = dynamic_cast<TabEditorWindow&>(dialog);
        EXPECT_TRUE(window.isModal());
        EXPECT_TRUE(app.shell.editingWindowOpen());
        EXPECT_EQ(window.windowTitle(), QStringLiteral("Tab"));
        EXPECT_EQ(headers(*window.listTable()), QStringLiteral("|Title|Artist"));
        EXPECT_EQ(column(*window.rightTable(), 0),
                  (QStringList{"Alpha", "Beta", "Gamma"})); // the songs to pick from
        type(window.nameField(), QStringLiteral("Encore"));
        EXPECT_EQ(window.windowTitle(), QStringLiteral("Tab: Encore"));
        window.button(QStringLiteral("Add current song"))->click();
        EXPECT_EQ(column(*window.listTable(), 1), QStringList{"Beta"});
        EXPECT_EQ(column(*window.listTable(), 0), QStringList{" "});
        // A typed line naming no song of the binder shows as missing and is kept.
        window.button(QStringLiteral("Insert"))->click();
        window.listTable()->item(1, 1)->setText(QStringLiteral("Gone(Old Band).pdf"));
        EXPECT_EQ(column(*window.listTable(), 0), (QStringList{" ", "⚠"}));
        EXPECT_EQ(column(*window.listTable(), 1), (QStringList{"Beta", "Gone"}));
        EXPECT_EQ(window.listTable()->item(1, 0)->toolTip(),
                  QStringLiteral("File %1 no longer exists or has been renamed")
                      .arg(QDir(app.folder.path()).filePath("Gone(Old Band).pdf")));
        window.button(QStringLiteral("Save"))->click();
        EXPECT_FALSE(window.isVisible());
    });
    app.controller.editerSetlist(2);
    ASSERT_TRUE(ran);
    EXPECT_FALSE(app.shell.editingWindowOpen());

    const Data& data = app.controller.data();
    EXPECT_EQ(tabTitles(data, 2), QStringList{"Beta"});
    EXPECT_EQ(data.getNbrPiecesOng(2), 1);
    EXPECT_EQ(data.tabs[2].tabName, QStringLiteral("Encore"));
    EXPECT_EQ(app.prefs.stringValue("0list2"), QStringLiteral("Beta.pdf\nGone(Old Band).pdf\n"));
    EXPECT_EQ(app.title(), QStringLiteral("Beta")); // the reload kept the song
    EXPECT_EQ(keys, (QList<int>{cmd::MidiEditorOpened, cmd::Refresh, cmd::MidiEditorClosed}));
    EXPECT_TRUE(app.dialogs.asked().isEmpty());
}

TEST(TabEditorWindow, ACollectionShowsItsKeywordsAndPreviewAndCancelAsksToSave)
{
    Program app({{"Alpha(Band A).pdf", 1}, {"Beta(Band B).pdf", 1}});
    app.shell.setModalRunner([&](QDialog& dialog) {
        auto& window = dynamic_cast<TabEditorWindow&>(dialog);
        window.button(QStringLiteral("Remove"))->click(); // nothing selected
        window.kindChooser()->setCurrentIndex(1);
        emit window.kindChooser()->activated(1);
        EXPECT_EQ(headers(*window.listTable()), QStringLiteral("Keyword or Tag"));
        EXPECT_FALSE(window.button(QStringLiteral("Add current song"))->isEnabled());
        window.button(QStringLiteral("Insert"))->click();
        ASSERT_EQ(window.listTable()->rowCount(), 1);
        window.listTable()->item(0, 0)->setText(QStringLiteral("band b"));
        EXPECT_EQ(column(*window.rightTable(), 0), QStringList{"Beta"}); // the preview
        app.dialogs.answerQuestion(false);
        window.button(QStringLiteral("Cancel"))->click();
        EXPECT_FALSE(window.isVisible());
    });
    app.controller.editerSetlist(3);
    EXPECT_EQ(app.dialogs.texts(),
              (QStringList{"A row must be selected to perform this operation", "Save changes?"}));
    EXPECT_FALSE(app.prefs.contains(QStringLiteral("0TabName3")));
    EXPECT_TRUE(tabTitles(app.controller.data(), 3).isEmpty());
}

} // namespace
