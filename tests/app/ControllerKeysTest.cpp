#include "ControllerFixture.h"

#include "QtPrinters.h"
#include "library/KeyActions.h"
#include "platform/Commands.h"

#include <gtest/gtest.h>

namespace partivo {
namespace {

using test::App;

// Every command the table names reaches a handler of its own (some still say that their
// part of the program is to come); nothing posted is dropped unheard.
TEST(ControllerKeys, EveryCommandOfTheTableHasItsHandler)
{
    App app;
    CommandDispatcher& d = app.c().dispatcher();
    for (int letter = cmd::FirstLetter; letter <= cmd::LastLetter; ++letter)
        EXPECT_TRUE(d.hasKey(letter)) << letter;
    for (const CommandInfo& info : kKeyCommands)
        EXPECT_TRUE(d.hasKey(info.number)) << std::string(info.name);
    for (const ActionInfo& info : kActions) {
        const QString name = QString::fromLatin1(info.name.data(), qsizetype(info.name.size()));
        if (name != QLatin1String(action::Key)) {
            EXPECT_TRUE(d.hasAction(name)) << name.toStdString();
        }
    }
    // And the other way round: the dispatcher knows no number the table does not.
    for (int number : d.keyNumbers()) {
        const bool known =
            number <= cmd::LastLetter || keyCommandInfo(number) || number >= cmd::FirstHelpTopic;
        EXPECT_TRUE(known) << number;
    }
}

TEST(ControllerKeys, UnknownCommandsAndNamesAreLoggedNotDropped)
{
    App app;
    app.startInHelpBinder();
    app.key(1234);
    app.key(1234);
    app.center.postParam(QStringLiteral("ActionFromNowhere"), QStringLiteral("x"));
    EXPECT_EQ(app.log, (QStringList{
                           "Controller actionKeyReceived: no handler for key command 1234",
                           "Controller: no handler for the action ActionFromNowhere (param \"x\")",
                       }));
}

// The keys as the key table posts them, with the options' defaults.
TEST(ControllerKeys, KeysTurnSongsAndPages)
{
    struct Case {
        const char* name;
        QList<int> keys;
        QString title;
        QString pages;
    };
    const Case cases[] = {
        {"Right: next song", {cmd::NextSong}, "Beta", "1|2"},
        {"Left on the first song stays", {cmd::PrevSong}, "Alpha", "1|next"},
        {"Down: next page", {cmd::NextSong, cmd::NextPage}, "Beta", "3|4"},
        {"Down stops on the last page", {cmd::NextSong, 39, 39, 39}, "Beta", "5|next"},
        {"Up: previous page", {cmd::NextSong, 39, 39, cmd::PrevPage}, "Beta", "3|4"},
        {"Space: next page", {cmd::NextSong, cmd::SpaceKey}, "Beta", "3|4"},
        {"Page Down: next page", {cmd::NextSong, cmd::PageDownKey}, "Beta", "3|4"},
        {"Page Up: previous page", {cmd::NextSong, 44, 44, cmd::PageUpKey}, "Beta", "3|4"},
        {"End: the next non-empty tab (none here)", {cmd::LastSong}, "Alpha", "1|next"},
        {"Home: song 1", {cmd::NextSong, cmd::NextSong, cmd::FirstSong}, "Alpha", "1|next"},
        {"hidden regions", {cmd::RegionNextSong, cmd::RegionPageDown}, "Beta", "3|4"},
        {"type g", {6}, "Gamma", "1|2"},
        // The previous-song memory is kept inside a setlist only.
        {"Backspace in tab 0 stays",
         {cmd::NextSong, cmd::NextSong, cmd::BackspaceKey},
         "Gamma",
         "1|2"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        App app;
        app.start({{"Alpha.pdf", 1}, {"Beta.pdf", 5}, {"Gamma.pdf", 3}});
        for (int k : c.keys) {
            app.key(k);
            app.timers.advance(2100); // the previous-song memory and the search settle
        }
        EXPECT_EQ(app.title(), c.title);
        EXPECT_EQ(app.pagesShown(), c.pages);
    }
}

// A window showing one page at a time shows every page: 1, 2, 3, 4, 5 (it showed 1, 3, 5).
TEST(ControllerKeys, SinglePageWindowShowsEveryPage)
{
    App app;
    app.shell.width = 700;
    app.shell.height = 900;
    app.start({{"Score.pdf", 5}});
    ASSERT_EQ(app.window().mode(), ModeSinglePage);
    QStringList seen{app.pagesShown()};
    for (int i = 0; i < 5; ++i) {
        app.key(cmd::NextPage);
        seen << app.pagesShown();
    }
    EXPECT_EQ(seen, (QStringList{"1", "2", "3", "4", "5", "5"}));
    app.key(cmd::PrevPage);
    EXPECT_EQ(app.pagesShown(), QStringLiteral("4"));
}

TEST(ControllerKeys, NextPageOnTheLastPageGoesToTheNextSongWhenAsked)
{
    App app;
    app.start({{"Alpha.pdf", 3}, {"Beta.pdf", 2}});
    app.key(cmd::NextPage);
    app.key(cmd::NextPage);
    EXPECT_EQ(app.title(), QStringLiteral("Alpha")) << "off by default: paging stays in the song";
    Options o = app.c().options();
    o.genOptLastPageNextSong = true;
    app.c().applyOptions(o);
    app.key(cmd::NextPage);
    EXPECT_EQ(app.title(), QStringLiteral("Beta"));
    EXPECT_EQ(app.pagesShown(), QStringLiteral("1|2"));
    app.key(cmd::NextPage);
    EXPECT_EQ(app.title(), QStringLiteral("Beta")) << "the last song stays";
}

TEST(ControllerKeys, BinderKeysSwitchBinders)
{
    App app;
    app.start({{"Alpha.pdf", 1}});
    app.key(cmd::ToggleInfo);
    EXPECT_EQ(app.c().binders().currentDirNo, Binders::kHelpBinder);
    EXPECT_EQ(app.shell.menus.binderMenuTitle, QStringLiteral("? ▹ Help Binder"));
    app.key(cmd::FirstBinder);
    EXPECT_EQ(app.c().binders().currentDirNo, 0);
    EXPECT_EQ(app.title(), QStringLiteral("Alpha"));
    EXPECT_TRUE(app.shell.menus.binderMenuTitle.startsWith(QStringLiteral("1 ▹ ")));
    // Binder 2 has no folder: the chooser opens; cancelling keeps binder 1.
    app.dialogs.answerFolder(QString());
    app.key(cmd::FirstBinder + 1);
    EXPECT_EQ(app.c().binders().currentDirNo, 0);
}

TEST(ControllerKeys, CommandsStillToComeLogThatTheyAreNotAvailable)
{
    App app;
    app.startInHelpBinder();
    app.key(cmd::ToggleNote);
    app.key(cmd::OpenEditor);
    ASSERT_EQ(app.log.size(), 2);
    EXPECT_TRUE(app.log[0].contains(QLatin1String("the note window")));
    EXPECT_TRUE(app.log[1].contains(QLatin1String("the ChordPro editor")));
    // "." plays by default: without a music library the window says so, nothing is logged.
    app.key(cmd::StopPlayer);
    app.key(cmd::DotKey);
    EXPECT_EQ(app.log.size(), 2);
    EXPECT_EQ(app.window().messageLine().text(),
              QStringLiteral("⚠️ The music library is not available"));
}

} // namespace
} // namespace partivo
