#include "ProgramRig.h"
#include "app/widgets/BinderMenuBar.h"
#include "app/widgets/ProgramShell.h"
#include "display/DisplayWindows.h"
#include "display/widgets/BeatBoxes.h"
#include "display/widgets/CompanionDisplay.h"

#include <QMenu>
#include <gtest/gtest.h>

using namespace partivo;
using partivo::test::Program;

namespace {

QAction* windowItem(Program& app, const QString& text)
{
    for (QAction* item : app.menus().windowMenu()->actions()) {
        if (item->text() == text)
            return item;
    }
    return nullptr;
}

TEST(CompanionWindows, TheWindowMenuNamesEveryCompanionType)
{
    Program app({{"Alpha.pdf", 1}});
    QStringList names;
    for (QAction* item : app.menus().windowMenu()->actions())
        names << item->text();
    EXPECT_EQ(names, QStringList({"Summary Window - Master", "Object - Title",
                                  "Object - Track Time", "Object - Artist Name", "Object - Tempo",
                                  "Object - Remaining Track Time", "Object - Progress",
                                  "Object - Note - Master", "Object - Metronome",
                                  "Object - Next Song Title", "Object - Artist Name + Title",
                                  "Object - Empty Panel", "", "Chord Diagrams"}));
}

TEST(CompanionWindows, TrackTimeWindowFollowsTheTrack)
{
    Program app({{"Alpha.pdf", 1}, {"Beta.pdf", 1}});
    QAction* item = windowItem(app, "Object - Track Time");
    ASSERT_NE(item, nullptr);
    item->trigger();
    ASSERT_EQ(app.shell.companionWindows().size(), 1);
    CompanionDisplay& window = *app.shell.companionWindows().first();
    EXPECT_TRUE(window.isVisible());
    EXPECT_TRUE(window.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_EQ(window.windowTitle(), "Object - Track Time");
    DisplayWindows& windows = app.controller.displayWindows();
    EXPECT_EQ(windows.nsMutaryOfWindows().size(), 2);
    EXPECT_EQ(window.shownLines(), QStringList({"  0:00"}));

    windows.updateItunesInfoX("Alpha", "Band", 65.2, 300, false);
    EXPECT_EQ(window.shownLines(), QStringList({"  1:05"}));
    windows.updateItunesInfoX("Alpha", "Band", 605, 900, false);
    EXPECT_EQ(window.shownLines(), QStringList({"10:05"}));
    EXPECT_FALSE(window.grab().isNull()); // paints the large type without trouble
    windows.updateItunesInfoX(QString(), QString(), 0, 0, true);
    EXPECT_EQ(window.shownLines(), QStringList({"  0:00"}));

    // Closing it takes it off the list; the binder window stays.
    window.close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(app.shell.companionWindows().isEmpty());
    EXPECT_EQ(windows.nsMutaryOfWindows().size(), 1);
}

TEST(CompanionWindows, NewWindowsShowTheCurrentSongAtOnce)
{
    Program app({{"Alpha.pdf", 1}, {"Beta.pdf", 1}});
    windowItem(app, "Object - Next Song Title")->trigger();
    windowItem(app, "Object - Metronome")->trigger();
    const QList<CompanionDisplay*> open = app.shell.companionWindows();
    ASSERT_EQ(open.size(), 2);
    EXPECT_EQ(open[0]->shownLines(), QStringList({"▷Beta"}));
    EXPECT_EQ(open[1]->beatBoxes().count(), 4);
    EXPECT_TRUE(open[1]->shownLines().isEmpty());
}

} // namespace
