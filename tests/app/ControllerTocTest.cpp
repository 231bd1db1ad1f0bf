#include "ControllerFixture.h"
#include "display/SongPages.h"
#include "library/TabDet.h"
#include "platform/Commands.h"

#include "QtPrinters.h"

#include <gtest/gtest.h>

using namespace partivo;
using partivo::test::App;

namespace {

// Tab names and states as the first binder window shows them: "name:state" of tabs 0..3.
QString tabs(App& app)
{
    QStringList shown;
    for (int t = 0; t < 4; ++t) {
        const TabButtonView& tab = app.window().scene().toc.tabs[size_t(t)];
        shown << QStringLiteral("%1:%2").arg(tab.title).arg(tab.state);
    }
    return shown.join(u' ');
}

TEST(ControllerToc, TheListKeysDriveThePanelOfEveryWindow)
{
    SongPages pages; // of the second window, made by the test
    App app;
    app.start({{"Alpha.pdf", 1}, {"Beta.pdf", 1}, {"Gamma.pdf", 1}}, {{2, "gamma\nalpha\n"}});
    const TocScene& toc = app.window().scene().toc;
    EXPECT_EQ(tabs(app), QStringLiteral("All:1 :0 Set 2:0 :0"));
    EXPECT_FALSE(toc.open); // a load does not open the list

    app.key(cmd::SongList);
    EXPECT_TRUE(toc.open);
    EXPECT_EQ(toc.label1, QStringLiteral("All"));
    EXPECT_EQ(toc.label2, QStringLiteral("1/1"));
    EXPECT_EQ(toc.items[2].titre, QStringLiteral("Gamma"));
    EXPECT_TRUE(toc.items[0].box);
    EXPECT_FALSE(toc.listButton); // tab "All" has no list to edit

    // Every binder window gets the tabs and the list.
    WindowPDFx* second =
        app.shell.newBinderWindow({app.c().displayWindows(), app.center, app.timers, pages});
    app.c().setTabsName();
    app.c().afficherToc();
    EXPECT_EQ(second->scene().toc.tabs[0].title, QStringLiteral("All"));
    EXPECT_TRUE(second->scene().toc.open);
    EXPECT_EQ(second->scene().toc.items[2].titre, QStringLiteral("Gamma"));

    // "c" calls Gamma up; the list closes.
    app.key(2);
    EXPECT_EQ(app.title(), QStringLiteral("Gamma"));
    EXPECT_FALSE(toc.open);

    // Tab 2 by its button: its first song, its list, its state.
    app.post(action::Onglet, 2);
    EXPECT_EQ(tabs(app), QStringLiteral("All:0 :0 Set 2:1 :0"));
    EXPECT_TRUE(toc.open);
    EXPECT_EQ(toc.label1, QStringLiteral("Set 2"));
    EXPECT_TRUE(toc.listButton);
    EXPECT_EQ(toc.items[0].titre, QStringLiteral("Gamma"));
    EXPECT_EQ(toc.items[1].titre, QStringLiteral("Alpha"));
    EXPECT_EQ(toc.items[2].state, 1);

    // Next closes the list on the same song; the list's key hides and shows it.
    app.key(cmd::NextSong);
    EXPECT_FALSE(toc.open);
    app.post(action::DisplayHideList, QString());
    EXPECT_TRUE(toc.open);
    app.post(action::DisplayHideList, QString());
    EXPECT_FALSE(toc.open);
}

TEST(ControllerToc, RenamedTabsShowAtOnceAndSongChangesRefillAnOpenList)
{
    App app;
    app.start({{"Alpha.pdf", 1}, {"Beta.pdf", 1}}, {{1, "beta\nalpha\n"}});
    app.c().data().tabs[1].tabName = QStringLiteral("Tonight");
    app.key(cmd::TabNamesChanged);
    EXPECT_EQ(tabs(app), QStringLiteral("All:1 Tonight:0 :0 :0"));

    app.key(cmd::SongList);
    const TocScene& toc = app.window().scene().toc;
    ASSERT_TRUE(toc.open);
    EXPECT_TRUE(toc.items[0].box);
    // A song change that keeps the list open moves the box with it.
    app.c().navigator().gotoSongNo(2);
    EXPECT_TRUE(toc.open);
    EXPECT_FALSE(toc.items[0].box);
    EXPECT_TRUE(toc.items[1].box);
    // The song's information changed: the list is filled again.
    app.c().data().getPiece(2)->pieceDet->titre = QStringLiteral("Beta Blues");
    app.key(cmd::SongInfoChanged);
    EXPECT_EQ(toc.items[1].titre, QStringLiteral("Beta Blues"));
}

} // namespace

namespace {

// A song counts as played after 30 seconds on screen with the song list closed; the title
// line and the list then show its check mark.
TEST(ControllerToc, ASongShownForThirtySecondsIsPlayed)
{
    App app;
    app.start({{"Alpha.pdf", 1}, {"Beta.pdf", 1}});
    Data& data = app.c().data();
    app.timers.advance(29000);
    EXPECT_FALSE(data.getPiece(1)->pieceDet->played);
    app.timers.advance(1000);
    EXPECT_TRUE(data.getPiece(1)->pieceDet->played);
    EXPECT_EQ(data.listePiecesLog.size(), 1);

    // With the list open nothing is played; closing it starts the 30 seconds again.
    app.key(cmd::NextSong);
    app.timers.advance(10000);
    app.key(cmd::SongList);
    app.timers.advance(40000);
    EXPECT_FALSE(data.getPiece(2)->pieceDet->played);
    app.key(cmd::SongList);
    app.timers.advance(30000);
    EXPECT_TRUE(data.getPiece(2)->pieceDet->played);
    app.key(cmd::SongList);
    EXPECT_EQ(app.window().scene().toc.items[1].played, QStringLiteral("✅"));
}

} // namespace
