#include "ProgramRig.h"
#include "app/Controller.h"
#include "app/widgets/BinderMenuBar.h"
#include "app/widgets/FilterTextWindow.h"
#include "display/widgets/BinderWindow.h"
#include "library/SongFilter.h"

#include "QtPrinters.h"

#include <QApplication>
#include <QFile>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QToolButton>
#include <gtest/gtest.h>

using namespace partivo;
using partivo::test::Program;

namespace {

// A binder of three songs; Alpha and Beta share an artist, Gamma carries the tag Rock.
Program::Folder filterFolder()
{
    return {[](const QDir& dir) {
        for (const char* name : {"Alpha(Adele).pdf", "Beta(Adele).pdf", "Gamma(Bob).pdf"})
            writePdf(dir.filePath(QString::fromUtf8(name)), 1);
        QFile note(dir.filePath("Gamma(Bob).txt"));
        if (note.open(QIODevice::WriteOnly))
            note.write("Tags=Rock\n");
    }};
}

QAction* menuItem(QMenu* menu, const QString& text)
{
    for (QAction* a : menu->actions()) {
        if (a->text() == text)
            return a;
    }
    return nullptr;
}

void press(QWidget* widget, int key)
{
    QKeyEvent event(QEvent::KeyPress, key, Qt::NoModifier);
    QApplication::sendEvent(widget, &event);
}

QStringList listed(Program& app)
{
    QStringList titles;
    for (const TocItemView& item : app.shell.binderWindows().first()->binder().scene().toc.items)
        if (!item.titre.isEmpty())
            titles << item.titre;
    return titles;
}

} // namespace

TEST(FilterMenu, TheTagsMenuFiltersByTheCurrentSong)
{
    Program app(filterFolder());
    BinderMenuBar& bar = app.menus();
    QMenu* tags = bar.tagsMenu();
    ASSERT_TRUE(tags);
    emit tags->aboutToShow();
    QAction* by = menuItem(tags, "Filter by");
    ASSERT_TRUE(by && by->menu());
    // The six first tags, then Played, the tempo and the artist of Alpha.
    QStringList offered;
    for (QAction* a : by->menu()->actions())
        offered << a->text();
    EXPECT_EQ(offered.mid(6), (QStringList{"Played", "Tempo 120", "Adele"}));

    by->menu()->actions()[2]->trigger(); // Rock
    EXPECT_EQ(listed(app), (QStringList{"All • Rock", "Gamma"}));
    emit tags->aboutToShow();
    EXPECT_TRUE(by->menu()->actions()[2]->isChecked());

    menuItem(tags, "Songs of This Artist")->trigger();
    EXPECT_EQ(listed(app), (QStringList{"All • Adele", "Alpha", "Beta"}));
    menuItem(tags, "Songs of This Artist")->trigger(); // the same again hides the list
    EXPECT_FALSE(app.controller.navigator().tocON);
}

TEST(FilterMenu, TheFilterWindowTakesATypedTextOrATag)
{
    Program app(filterFolder());
    QString seen;
    app.shell.setModalRunner([&](QDialog& dialog) {
        auto* window = qobject_cast<FilterTextWindow*>(&dialog);
        ASSERT_TRUE(window);
        // A tag from the menu fills the field; Return ends the edit.
        window->tagsButton()->menu()->actions()[2]->trigger();
        seen = window->field()->text();
        press(window->field(), Qt::Key_Return);
    });
    QAction* filter = menuItem(app.menus().tagsMenu(), "Filter...\t/");
    ASSERT_TRUE(filter);
    filter->trigger();
    EXPECT_EQ(seen, QStringLiteral("Rock"));
    EXPECT_EQ(app.controller.data().filterString, QStringLiteral("Rock"));
    EXPECT_EQ(listed(app), (QStringList{"All • Rock", "Gamma"}));

    // Escape keeps the filter as it was.
    app.shell.setModalRunner([](QDialog& dialog) {
        auto* window = qobject_cast<FilterTextWindow*>(&dialog);
        window->field()->setText("Adele");
        press(window->field(), Qt::Key_Escape);
    });
    filter->trigger();
    EXPECT_EQ(app.controller.data().filterString, QStringLiteral("Rock"));
    EXPECT_EQ(listed(app), (QStringList{"All • Rock", "Gamma"}));
}
