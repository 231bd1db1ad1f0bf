#include "ControllerFixture.h"

#include "QtPrinters.h"
#include "display/TestSongs.h"
#include "library/KeyActions.h"
#include "platform/Commands.h"

#include <QDir>
#include <gtest/gtest.h>

namespace partivo {
namespace {

using test::App;

QString songName(int i)
{
    return QStringLiteral("Song %1.pdf").arg(i, 2, 10, QLatin1Char('0'));
}

// Action 10 reads only the first character of its parameter: a digit d from 1 to 9 goes to
// tab d - 1; anything else does nothing.
TEST(ControllerActions, TabActionReadsTheFirstCharacterOnly)
{
    struct Case {
        QString param;
        int tab; // -1: the tab does not change
    };
    const Case cases[] = {{"3", 2}, {"10", 0}, {"11", 0}, {"0", -1}, {"", -1}, {"x3", -1}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.param.toStdString());
        App app;
        app.start({{"Alpha.pdf", 1}, {"Beta.pdf", 1}, {"Gamma.pdf", 1}},
                  {{1, "beta"}, {2, "gamma\nalpha"}});
        app.c().traiterKeyAction(10, false, QStringLiteral("2")); // start in tab 1
        ASSERT_EQ(app.c().data().onglNoG, 1);
        app.c().traiterKeyAction(10, false, c.param);
        EXPECT_EQ(app.c().data().onglNoG, c.tab < 0 ? 1 : c.tab);
    }
}

TEST(ControllerActions, CodesOutsideTheTableDoNothing)
{
    App app;
    app.start({{"Alpha.pdf", 3}, {"Beta.pdf", 1}});
    for (int code : {-1, 18, 19, 99, 104, 1000})
        app.c().traiterKeyAction(code, false, QStringLiteral("1"));
    EXPECT_EQ(app.title(), QStringLiteral("Alpha"));
    EXPECT_EQ(app.pagesShown(), QStringLiteral("1|2"));
    EXPECT_TRUE(app.log.isEmpty());
}

TEST(ControllerActions, ReverseFlagPicksTheDirection)
{
    struct Case {
        int code;
        bool rev;
        QString title;
        QString pages;
    };
    const Case cases[] = {
        {101, false, "Gamma", "1|next"}, {101, true, "Alpha", "1|2"}, {102, false, "Beta", "3|4"},
        {103, true, "Beta", "1|2"},      {0, false, "Alpha", "1|2"},  {1, false, "Gamma", "1|next"},
        {3, false, "Beta", "3|4"},       {2, false, "Beta", "1|2"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.code * 10 + c.rev);
        App app;
        app.start({{"Alpha.pdf", 2}, {"Beta.pdf", 5}, {"Gamma.pdf", 1}});
        app.key(cmd::NextSong);
        app.c().traiterKeyAction(c.code, c.rev, QString());
        EXPECT_EQ(app.title(), c.title);
        EXPECT_EQ(app.pagesShown(), c.pages);
    }
}

TEST(ControllerActions, SwipesRunTheirInputsActionReversedByTheMouseOption)
{
    struct Case {
        bool reverseMouse;
        int swipe;
        QString title;
    };
    // The horizontal swipe's default action is songs: left back, right forward.
    const Case cases[] = {{false, 1, "Alpha"},
                          {false, 2, "Gamma"},
                          {true, 1, "Gamma"},
                          {true, 2, "Alpha"},
                          {false, 9, "Beta"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.swipe + 10 * c.reverseMouse);
        App app;
        app.start({{"Alpha.pdf", 1}, {"Beta.pdf", 5}, {"Gamma.pdf", 1}});
        Options o = app.c().options();
        o.genOptReverseMouse = c.reverseMouse;
        app.c().applyOptions(o);
        app.key(cmd::NextSong);
        app.post(action::Swipe, c.swipe);
        EXPECT_EQ(app.title(), c.title);
    }
    // Up and down turn pages.
    App app;
    app.start({{"Alpha.pdf", 5}});
    app.post(action::Swipe, 4);
    EXPECT_EQ(app.pagesShown(), QStringLiteral("3|4"));
    app.post(action::Swipe, 3);
    EXPECT_EQ(app.pagesShown(), QStringLiteral("1|2"));
}

TEST(ControllerActions, PagesByNumberStayWithinTheSong)
{
    struct Case {
        const char* name;
        const char* action;
        QVariant page;
        QString pages;
        bool top;
    };
    const Case cases[] = {
        {"page 3", action::GoToPageNo, 3, "3|4", true},
        {"page 3, lower half", action::GoToPageBottomNo, 3, "3|4", false},
        {"beyond the last page shows the last", action::GoToPageNo, 99, "5|next", true},
        {"bottom beyond the last", action::GoToPageBottomNo, "12", "5|next", false},
        {"page 0 does nothing", action::GoToPageNo, 0, "1|2", true},
        {"negative does nothing", action::GoToPageNo, -2, "1|2", true},
        {"text does nothing", action::GoToPageBottomNo, "x", "1|2", true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        App app;
        app.start({{"Score.pdf", 5}, {"Zed.pdf", 1}});
        app.post(c.action, c.page);
        EXPECT_EQ(app.pagesShown(), c.pages);
        EXPECT_EQ(app.c().navigator().zoomTop, c.top);
        EXPECT_FALSE(app.window().scene().left.path.isEmpty()) << "never an empty view";
    }
}

TEST(ControllerActions, MessagesGoToTheWindowsOfTheirId)
{
    App app;
    app.start({{"Alpha.pdf", 1}});
    WindowPDFx& master = app.window();
    SongPages pages;
    WindowPDFx stage{app.c().displayWindows(), app.center, app.timers, pages};
    app.c().displayWindows().append(&stage); // a new window is a master window
    stage.iniMode(1, QStringLiteral("STAGE"));

    app.post(action::Message, QStringLiteral("STAGE:Capo 2"));
    EXPECT_EQ(stage.shownLine(), QStringLiteral("⚠️ Capo 2"));
    EXPECT_NE(master.shownLine(), QStringLiteral("⚠️ Capo 2"));
    app.post(action::Message, QStringLiteral(":Hello"));
    EXPECT_EQ(stage.shownLine(), QStringLiteral("⚠️ :Hello"));
    EXPECT_EQ(master.shownLine(), QStringLiteral("⚠️ :Hello"));
    app.post(action::MessageStay, QStringLiteral("stage:Stays"));
    app.timers.advance(60000);
    EXPECT_EQ(stage.shownLine(), QStringLiteral("Stays"));
    app.c().displayWindows().forget(&stage);
}

TEST(ControllerActions, SongsByOffsetInTheCurrentTab)
{
    App app;
    QList<std::pair<QString, int>> songs;
    QString setlist;
    for (int i = 1; i <= 50; ++i) {
        songs.append({songName(i), 1});
        setlist += QStringLiteral("Song %1\n").arg(i, 2, 10, QLatin1Char('0'));
    }
    app.start(songs, {{1, setlist}});
    app.post(action::OngletB, 1);
    ASSERT_EQ(app.c().data().onglNoG, 1);
    struct Case {
        const char* action;
        int value;
        QString title; // "" : unchanged
    };
    const Case cases[] = {
        {action::ScrollCurrentOnglet, 0, "Song 01"},
        {action::ScrollCurrentOnglet, 127, "Song 50"},
        {action::ScrollCurrentOnglet, 64, "Song 25"},
        {action::GoToSongNo, 5, "Song 06"},
        {action::GoToSongNo, 49, "Song 50"},
        {action::GoToSongNo, 50, ""},
        {action::GoToSongNo, -1, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.action) + " " + std::to_string(c.value));
        app.post(action::GoToSongNo, 10);
        app.post(c.action, c.value);
        EXPECT_EQ(app.title(), c.title.isEmpty() ? QStringLiteral("Song 11") : c.title);
        EXPECT_EQ(app.c().data().onglNoG, 1);
    }
}

TEST(ControllerActions, OpeningFilesAndTheKeyTest)
{
    App help;
    help.startInHelpBinder();
    help.post(action::Open, QStringLiteral("/tmp/x.pdf"));
    EXPECT_EQ(help.dialogs.texts(), QStringList{"This action is disabled in the Help Binder."});

    App app;
    app.start({{"Alpha.pdf", 1}, {"Beta.chopro", 1}});
    const QString pdf = QDir(app.folder.path()).filePath(QStringLiteral("Alpha.pdf"));
    const QString cho = QDir(app.folder.path()).filePath(QStringLiteral("Beta.chopro"));
    app.post(action::Open, pdf);
    EXPECT_EQ(app.files.requests, QStringList{"pdfViewer " + pdf});
    Options o = app.c().options();
    o.genOptExtOpen = true;
    app.c().applyOptions(o);
    app.post(action::Open, cho);
    EXPECT_EQ(app.files.requests.last(), "open " + cho);
    app.post(action::Open, QStringLiteral("/no/such/file.pdf"));
    EXPECT_EQ(app.dialogs.texts(), QStringList{"The file \"/no/such/file.pdf\" cannot be found."});

    const QStringList names = {"(other key)",
                               "Arrow Left (previous song)",
                               "Arrow Right (next song)",
                               "Arrow Up (previous page)",
                               "Arrow Down (next page)",
                               "Page Up (customizable)",
                               "Page Down (customizable)",
                               "(other key)"};
    for (int key = 0; key <= 7; ++key) {
        app.post(action::KeyPref, key);
        EXPECT_EQ(app.shell.keyTest, names[key]);
    }
}

TEST(ControllerActions, FileCommandsHandTheSongOrFolderToTheDesktop)
{
    App app;
    app.start({{"Alpha.pdf", 1}, {"Beta.chopro", 1}});
    const QString pdf = QDir(app.folder.path()).filePath(QStringLiteral("Alpha.pdf"));
    const QString cho = QDir(app.folder.path()).filePath(QStringLiteral("Beta.chopro"));
    app.c().actionRevealPDFx();
    app.c().actionMailPDFx();
    app.c().actionPrintPDFx();
    app.c().actionOpenPDF2x();
    app.c().openInExternalApp(); // a PDF stays here
    app.c().actionRevealDirX();
    app.c().actionOpenDirX();
    app.key(cmd::NextSong);
    app.c().openInExternalApp();
    app.c().traiterKeyAction(17, false, QString());
    const QString folder = QDir::cleanPath(app.folder.path());
    EXPECT_EQ(
        app.files.requests,
        (QStringList{"reveal " + pdf, "mail " + pdf, "print " + pdf, "pdfViewer " + pdf,
                     "reveal " + folder, "openFolder " + folder, "open " + cho, "open " + cho}));
}

// Back at the front, the song's file is read again (it may have changed meanwhile), at the
// same page; not on the first activation (the start) nor behind the preferences.
TEST(ControllerActions, ComingBackToTheFrontReadsTheSongAgain)
{
    App app;
    app.start({{"Alpha.pdf", 4}});
    int reloads = 0;
    app.window().setReloadObserver([&reloads] { ++reloads; });
    app.c().appAct();
    EXPECT_EQ(reloads, 0);
    app.key(cmd::NextPage);
    app.c().appAct();
    EXPECT_EQ(reloads, 1);
    EXPECT_EQ(app.pagesShown(), QStringLiteral("3|4"));
    app.shell.editing = true;
    app.c().appAct();
    EXPECT_EQ(reloads, 1);
}

// Actions 7 and 15 take a genre from 1 to 6 by the first character of their parameter.
TEST(ControllerActions, GenreActionsTakeAGenreFromOneToSix)
{
    struct Case {
        int code;
        QString param;
        QString posted; // "" : nothing posted
    };
    const Case cases[] = {
        {7, "2", "ActionGoToGenreNoAndPlayPause 2"},
        {7, "9", ""},
        {7, "7", ""},
        {7, "x", ""},
        {15, "6", "ActionGoToGenreNo 6"},
        {15, "9", ""},
        {15, "0", ""},
        {16, "3", "ActionGoToGenreNoAndPlayPause 3"},
        {15, "", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(QStringLiteral("%1 %2").arg(c.code).arg(c.param).toStdString());
        App app;
        app.start({{"Alpha.pdf", 1}});
        QStringList posted;
        for (const char* name : {action::GoToGenreNo, action::GoToGenreNoAndPlayPause}) {
            app.center.addObserver(QLatin1String(name), [&posted, name](const QVariant& p) {
                posted << QStringLiteral("%1 %2").arg(QLatin1String(name)).arg(paramInt(p));
            });
        }
        app.c().traiterKeyAction(c.code, false, c.param);
        EXPECT_EQ(posted, c.posted.isEmpty() ? QStringList() : QStringList{c.posted});
    }
}

// With the mouse reversed, a left swipe given the tab action goes forward instead of back.
TEST(ControllerActions, ReversedMouseTurnsTheTabSwipeAround)
{
    for (const bool reversed : {false, true}) {
        SCOPED_TRACE(reversed);
        App app;
        app.start({{"Alpha.pdf", 1}, {"Beta.pdf", 1}}, {{1, "beta"}, {2, "alpha"}});
        Options o = app.c().options();
        o.genOptReverseMouse = reversed;
        o.inputs[InputSwipeLeftRight].index = chooserIndex(InputSwipeLeftRight, 100);
        app.c().applyOptions(o);
        app.post(action::OngletB, 1);
        ASSERT_EQ(app.c().data().onglNoG, 1);
        ASSERT_TRUE(app.c().navigator().tocON); // a tab's first song shows its list
        app.post(action::Swipe, 1);             // left: back from the list is the previous tab
        EXPECT_EQ(app.c().data().onglNoG, reversed ? 2 : 0);
    }
}

// Partivo started again with a folder: the running one opens it as binder 1.
TEST(ControllerActions, ALaterStartOpensItsFolderHere)
{
    App app;
    app.startInHelpBinder();
    ASSERT_EQ(app.c().binders().currentDirNo, Binders::kHelpBinder);
    writePdf(QDir(app.folder.path()).filePath(QStringLiteral("Handed.pdf")), 2);
    app.c().openFromAnotherStart(app.folder.path());
    EXPECT_EQ(app.c().binders().currentDirNo, 0);
    EXPECT_EQ(app.title(), QStringLiteral("Handed"));
    app.c().openFromAnotherStart(QString()); // no folder: only to the front
    EXPECT_EQ(app.title(), QStringLiteral("Handed"));
    app.c().openFromAnotherStart(QStringLiteral("/no/such/folder"));
    EXPECT_EQ(app.c().binders().currentDirNo, 0);

    // Another folder opens at its first song, wherever binder 1 stood in the one before.
    writePdf(QDir(app.folder.path()).filePath(QStringLiteral("Zed.pdf")), 1);
    app.c().binders().actionRefresh();
    app.key(cmd::NextSong);
    ASSERT_EQ(app.title(), QStringLiteral("Zed"));
    QTemporaryDir other;
    for (const char* name : {"Alpha.pdf", "Beta.pdf", "Gamma.pdf"})
        writePdf(QDir(other.path()).filePath(QString::fromLatin1(name)), 1);
    app.c().openFromAnotherStart(other.path());
    EXPECT_EQ(app.title(), QStringLiteral("Alpha"));
}

// Settings that cannot be kept are said so once, at start.
TEST(ControllerActions, ReadOnlySettingsAreSaidOnceAtStart)
{
    App app;
    app.prefs.writable = false;
    app.startInHelpBinder();
    ASSERT_EQ(app.dialogs.texts().size(), 1);
    EXPECT_TRUE(app.dialogs.texts().first().startsWith(
        QLatin1String("Partivo cannot save its settings in")));
    App fine;
    fine.startInHelpBinder();
    EXPECT_TRUE(fine.dialogs.texts().isEmpty());
}

// With the option on, a ChordPro song that stays current for half a second opens in its
// external application; a PDF, or a song left before, does not.
TEST(ControllerActions, ChordProSongsOpenOutsideWhenTheOptionIsOn)
{
    App app;
    app.start({{"Alpha.pdf", 1}, {"Beta.chopro", 1}, {"Gamma.chopro", 1}});
    Options o = app.c().options();
    o.genOptAutoOpen = true;
    app.c().applyOptions(o);
    app.timers.advance(kNoteTimerMs);
    app.key(cmd::NextSong);
    app.timers.advance(kNoteTimerMs - 1);
    app.key(cmd::NextSong);
    app.timers.advance(kNoteTimerMs);
    const QString gamma = QDir(app.folder.path()).filePath(QStringLiteral("Gamma.chopro"));
    EXPECT_EQ(app.files.requests, QStringList{"open " + gamma});
    EXPECT_EQ(app.c().navigator().songNoG_ev, 3);
    o.genOptAutoOpen = false;
    app.c().applyOptions(o);
    app.key(cmd::PrevSong);
    app.timers.advance(kNoteTimerMs);
    EXPECT_EQ(app.files.requests.size(), 1);
}

} // namespace
} // namespace partivo
