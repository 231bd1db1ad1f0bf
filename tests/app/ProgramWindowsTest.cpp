#include "ProgramRig.h"
#include "app/Controller.h"
#include "app/widgets/BinderMenuBar.h"
#include "app/widgets/KeyPadWindow.h"
#include "app/widgets/PreferencesWindow.h"
#include "app/widgets/ProgramShell.h"
#include "chordpro/ChordPro.h"
#include "display/TestSongs.h"
#include "display/widgets/BinderWindow.h"
#include "midi/Midi.h"
#include "platform/Commands.h"
#include "platform/LoopbackMidi.h"
#include "platform/ManualTimers.h"
#include "platform/MemoryPrefs.h"
#include "platform/NotificationCenter.h"
#include "platform/RecordingFileServices.h"
#include "platform/ScriptedDialogs.h"

#include "QtPrinters.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDateTime>
#include <QDir>
#include <QKeyEvent>
#include <QLineEdit>
#include <QLocale>
#include <QMenu>
#include <QMouseEvent>
#include <QPushButton>
#include <QTemporaryDir>
#include <functional>
#include <gtest/gtest.h>

using namespace partivo;
using partivo::test::Program;

namespace {

TEST(ProgramWindows, TheBinderWindowCarriesTheMenus)
{
    Program help;
    EXPECT_EQ(help.shell.binderWindows().size(), 1);
    EXPECT_EQ(help.menus().binderMenu()->title(), QStringLiteral("? ▹ Help Binder"));
    EXPECT_FALSE(help.menus().songMenu()->menuAction()->isVisible());

    Program app({{"Alpha.pdf", 1}, {"Beta.pdf", 2}});
    const QString name = QDir(app.folder.path()).dirName();
    EXPECT_EQ(app.menus().binderMenu()->title(), QStringLiteral("1 ▹ %1").arg(name));
    EXPECT_TRUE(app.menus().songMenu()->menuAction()->isVisible());
    const QList<QAction*> items = app.menus().binderMenu()->actions();
    EXPECT_EQ(items[0]->toolTip(), QDir::cleanPath(app.folder.path()));
    EXPECT_EQ(items[1]->toolTip(), QStringLiteral("Click to assign"));
    EXPECT_TRUE(items[1]->text().contains(QLatin1String("(unassigned)")));

    // The song menu's items reach the desktop with the current song.
    for (QAction* item : app.menus().songMenu()->actions()) {
        if (item->text() == QLatin1String("Show in Folder..."))
            item->trigger();
    }
    EXPECT_EQ(app.files.requests,
              QStringList{"reveal " + QDir(app.folder.path()).filePath("Alpha.pdf")});
}

TEST(ProgramWindows, KeysOfTheWindowReachTheController)
{
    Program app({{"Alpha.pdf", 1}, {"Beta.pdf", 5}, {"Gamma.pdf", 1}});
    app.press(Qt::Key_Right);
    EXPECT_EQ(app.title(), QStringLiteral("Beta"));
    app.press(Qt::Key_Space);
    EXPECT_EQ(app.controller.navigator().pageNo1, 3);
    app.press(Qt::Key_Down);
    EXPECT_EQ(app.controller.navigator().pageNo1, 5);
    app.press(Qt::Key_Up);
    EXPECT_EQ(app.controller.navigator().pageNo1, 3);
    app.press(Qt::Key_Home);
    EXPECT_EQ(app.title(), QStringLiteral("Alpha"));
    app.press(Qt::Key_G);
    EXPECT_EQ(app.title(), QStringLiteral("Gamma"));
}

TEST(ProgramWindows, FullScreenHidesTheMenuBarAndF10BringsItBack)
{
    Program app({{"Alpha.pdf", 1}});
    QWidget* bar = app.window().menuBar();
    ASSERT_NE(bar, nullptr);
    EXPECT_FALSE(bar->isHidden());
    app.press(Qt::Key_F11);
    EXPECT_TRUE(app.window().isPlatformFullScreen());
    EXPECT_TRUE(bar->isHidden());
    app.press(Qt::Key_F10);
    EXPECT_FALSE(bar->isHidden());
    app.press(Qt::Key_F10);
    EXPECT_TRUE(bar->isHidden());
    app.press(Qt::Key_Alt);
    EXPECT_FALSE(bar->isHidden()) << "Alt alone shows it too";
    app.press(Qt::Key_F11);
    EXPECT_FALSE(app.window().isPlatformFullScreen());
    EXPECT_FALSE(bar->isHidden());
}

TEST(ProgramWindows, KeyPadButtonsDoWhatTheirKeysDo)
{
    Program app({{"Alpha.pdf", 1}, {"Beta.pdf", 5}, {"Gamma.pdf", 1}});
    app.shell.showKeyPad();
    KeyPadWindow* pad = app.shell.keyPad();
    ASSERT_NE(pad, nullptr);
    QList<int> posted;
    app.center.addObserver(QLatin1String(action::Key),
                           [&posted](const QVariant& p) { posted << paramInt(p); });
    for (const char* label : {"→", "Page Down", "Ctrl ←", "G", "Ctrl 1", "Escape", "Tab"})
        pad->button(QString::fromUtf8(label))->click();
    EXPECT_EQ(posted, (QList<int>{cmd::NextSong, cmd::PageDownKey, cmd::FirstSong, 6,
                                  cmd::FirstBinder, cmd::EndSearch, cmd::LastSong}));
    EXPECT_EQ(pad->keyNo(), cmd::LastSong);
    // Every button posts a command the table knows.
    for (const KeyPadKey& key : keyPadKeys())
        EXPECT_NE(pad->button(key.label), nullptr) << key.label.toStdString();

    pad->disableKeysForTextEdit();
    EXPECT_FALSE(pad->button(QStringLiteral("←"))->isEnabled());
    EXPECT_TRUE(pad->button(QStringLiteral("Space"))->isEnabled());
    pad->enableKeysForTextEdit();
    EXPECT_TRUE(pad->button(QStringLiteral("←"))->isEnabled());
}

TEST(ProgramWindows, ClosingThePreferencesAppliesTheOptionsEverywhere)
{
    Program app({{"Alpha.pdf", 1}, {"Beta.pdf", 1}});
    app.shell.showPreferences();
    PreferencesWindow* prefs = app.shell.preferences();
    ASSERT_NE(prefs, nullptr);
    // The parameter field shows only for an action that takes one.
    QComboBox* space = prefs->chooser(InputSpace);
    EXPECT_EQ(space->currentData().toInt(), 102);
    EXPECT_FALSE(prefs->paramField(InputSpace)->isHidden());
    EXPECT_EQ(prefs->paramField(InputSpace)->placeholderText(), QStringLiteral("WinID (optional)"));
    space->setCurrentIndex(space->findData(1)); // next song
    emit space->activated(space->currentIndex());
    EXPECT_TRUE(prefs->paramField(InputSpace)->isHidden());
    EXPECT_EQ(prefs->paramField(InputTilde)->text(), QStringLiteral("ARTIST"));

    prefs->hiddenRegionsBox()->setChecked(true);
    prefs->close();
    EXPECT_TRUE(app.controller.options().genOptHiddenRegions);
    EXPECT_EQ(app.prefs.intValue(QStringLiteral("optSpacebar")), space->currentIndex());

    // Space now goes to the next song, and a click in the right upper quarter does too.
    app.press(Qt::Key_Space);
    EXPECT_EQ(app.title(), QStringLiteral("Beta"));
    app.press(Qt::Key_Left);
    BinderWindow& w = app.window();
    const QPointF upperRight(w.width() * 0.75, w.height() * 0.25);
    QMouseEvent click(QEvent::MouseButtonPress, upperRight, w.mapToGlobal(upperRight),
                      Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&w, &click);
    EXPECT_EQ(app.title(), QStringLiteral("Beta"));
}

TEST(ProgramWindows, TheChordProOptionsReachTheSongReader)
{
    Program app({{"Alpha.pdf", 1}});
    app.shell.showPreferences();
    PreferencesWindow* prefs = app.shell.preferences();
    ASSERT_NE(prefs, nullptr);
    EXPECT_EQ(prefs->instrumentField()->text(), QStringLiteral("guitar"));
    EXPECT_FALSE(prefs->lilypondBox()->isChecked());
    EXPECT_FALSE(ChordPro::lilypondAllowed());

    prefs->instrumentField()->setText(QStringLiteral(" piano "));
    prefs->userField()->setText(QStringLiteral("anna"));
    prefs->lilypondBox()->setChecked(true);
    prefs->close();
    EXPECT_EQ(app.prefs.stringValue(QStringLiteral("chordProInstrument")), QStringLiteral("piano"));
    EXPECT_EQ(app.prefs.stringValue(QStringLiteral("chordProUser")), QStringLiteral("anna"));
    EXPECT_TRUE(app.prefs.boolValue(QStringLiteral("chordProLilypond")));
    EXPECT_EQ(ChordPro::selectors().instrument, QStringLiteral("piano"));
    EXPECT_EQ(ChordPro::selectors().user, QStringLiteral("anna"));
    EXPECT_TRUE(ChordPro::lilypondAllowed());

    // An emptied instrument is the guitar again.
    app.shell.showPreferences();
    prefs->instrumentField()->clear();
    prefs->lilypondBox()->setChecked(false);
    prefs->close();
    EXPECT_EQ(ChordPro::selectors().instrument, QStringLiteral("guitar"));
    EXPECT_FALSE(ChordPro::lilypondAllowed());
    ChordPro::setSelectors({});
}

TEST(ProgramWindows, TheWindowMenuTurnsChordDiagramsOffAndOn)
{
    Program app({{"Alpha.pdf", 1}});
    QMenu* menu = app.menus().windowMenu();
    QAction* diagrams = nullptr;
    for (QAction* action : menu->actions()) {
        if (action->text() == QLatin1String("Chord Diagrams"))
            diagrams = action;
    }
    ASSERT_NE(diagrams, nullptr);
    emit menu->aboutToShow();
    EXPECT_TRUE(diagrams->isChecked());
    diagrams->trigger();
    EXPECT_TRUE(app.window().binder().settings().chordProDiagramsHide);
    emit menu->aboutToShow();
    EXPECT_FALSE(diagrams->isChecked());
    diagrams->trigger();
    EXPECT_FALSE(app.window().binder().settings().chordProDiagramsHide);
}

TEST(ProgramWindows, TheKeyTestNamesTheKeyPressed)
{
    Program app({{"Alpha.pdf", 1}});
    app.shell.showPreferences();
    QLineEdit* field = app.shell.preferences()->keyTestField();
    QKeyEvent left(QEvent::KeyPress, Qt::Key_Left, Qt::NoModifier);
    QApplication::sendEvent(field, &left);
    EXPECT_EQ(field->text(), QStringLiteral("Arrow Left (previous song)"));
    QKeyEvent pageDown(QEvent::KeyPress, Qt::Key_PageDown, Qt::NoModifier);
    QApplication::sendEvent(field, &pageDown);
    EXPECT_EQ(field->text(), QStringLiteral("Page Down (customizable)"));
    QKeyEvent other(QEvent::KeyPress, Qt::Key_X, Qt::NoModifier);
    QApplication::sendEvent(field, &other);
    EXPECT_EQ(field->text(), QStringLiteral("(other key)"));
    EXPECT_EQ(app.title(), QStringLiteral("Alpha")) << "keys in the test field move nothing";
}

// The stage layout survives a restart: the window's frame, mode and window ID.
TEST(ProgramWindows, TheWindowComesBackWhereItWas)
{
    QMap<QString, QVariant> stored;
    QRect frame;
    {
        Program first({{"Alpha.pdf", 3}});
        BinderWindow& window = first.window();
        window.setGeometry(60, 80, 1000, 700);
        QApplication::processEvents();
        frame = window.frameGeometry();
        window.binder().iniModeAffichage(ModeSlideLeft, true);
        WinID drum;
        drum.idWin = QStringLiteral("Drum");
        first.controller.displayWindows().setWinIDs({drum});
        window.binder().iniMode(1, QStringLiteral("Drum"));
        first.controller.applicationWillTerminate();
        for (const QString& key : first.prefs.keys())
            stored.insert(key, first.prefs.value(key));
    }
    Program second(QList<std::pair<QString, int>>{}, stored);
    ASSERT_EQ(second.shell.binderWindows().size(), 1);
    BinderWindow& window = second.window();
    QApplication::processEvents();
    EXPECT_EQ(window.frameGeometry(), frame);
    EXPECT_EQ(window.binder().settings().modeAffichage, ModeSlideLeft);
    EXPECT_EQ(window.binder().settings().altDir, QStringLiteral("Drum"));
}

// Every key the Help Binder and the README name, pressed in a binder window, does what they
// say it does.
TEST(ProgramWindows, EveryKeyTheHelpNamesDoesWhatItSays)
{
    // Tab 1 is a setlist of two songs.
    Program app({{"Alpha.pdf", 5}, {"Beta.pdf", 1}, {"Gamma.pdf", 1}},
                {{"0TabName1", "Gig"}, {"0OptSel1", 3}, {"0list1", "gamma\nbeta\n"}});
    Navigator& nav = app.controller.navigator();
    Data& data = app.controller.data();
    struct Step {
        const char* name;
        int key;
        Qt::KeyboardModifiers mods;
        std::function<bool()> check;
    };
    const QList<Step> steps = {
        {"Down: next page", Qt::Key_Down, {}, [&] { return nav.pageNo1 == 3; }},
        {"Space: next page", Qt::Key_Space, {}, [&] { return nav.pageNo1 == 5; }},
        {"Down on the last page stays", Qt::Key_Down, {}, [&] { return nav.pageNo1 == 5; }},
        {"Up: previous page", Qt::Key_Up, {}, [&] { return nav.pageNo1 == 3; }},
        {"Page Up: previous page", Qt::Key_PageUp, {}, [&] { return nav.pageNo1 == 1; }},
        {"Page Down: next page", Qt::Key_PageDown, {}, [&] { return nav.pageNo1 == 3; }},
        {"Ctrl and =: half a page", Qt::Key_Equal, Qt::ControlModifier, [&] { return nav.zoomON; }},
        {"Ctrl and -: whole pages", Qt::Key_Minus, Qt::ControlModifier,
         [&] { return !nav.zoomON; }},
        {"Right: next song", Qt::Key_Right, {}, [&] { return app.title() == "Beta"; }},
        {"Left: previous song", Qt::Key_Left, {}, [&] { return app.title() == "Alpha"; }},
        {"Tab: the next tab", Qt::Key_Tab, {}, [&] { return data.onglNoG == 1; }},
        {"Shift-Tab: back", Qt::Key_Backtab, Qt::ShiftModifier, [&] { return data.onglNoG == 0; }},
        {"End: the next tab", Qt::Key_End, {}, [&] { return data.onglNoG == 1; }},
        {"Home in a setlist: the tab before",
         Qt::Key_Home,
         {},
         [&] { return data.onglNoG == 0 && data.songNoG() == 1; }},
        {"Home: the first song", Qt::Key_Home, {}, [&] { return data.songNoG() == 1; }},
        {"typing g: Gamma", Qt::Key_G, {}, [&] { return app.title() == "Gamma"; }},
        {"Backspace takes the letter back",
         Qt::Key_Backspace,
         {},
         [&] { return data.rech.isEmpty(); }},
        {"typing x finds nothing", Qt::Key_X, {}, [&] { return nav.rechBloque; }},
        {"Escape ends the search",
         Qt::Key_Escape,
         {},
         [&] { return data.rech.isEmpty() && !nav.rechBloque; }},
        {"Ctrl-A: artist order", Qt::Key_A, Qt::ControlModifier,
         [&] { return data.currentSort == 1; }},
        {"Ctrl-R: refresh", Qt::Key_R, Qt::ControlModifier,
         [&] { return app.controller.binders().currentDirNo == 0; }},
        {"F11: full screen", Qt::Key_F11, {}, [&] { return app.window().isPlatformFullScreen(); }},
        {"F10: the menus in full screen",
         Qt::Key_F10,
         {},
         [&] { return !app.window().menuBar()->isHidden(); }},
        {"F11 again: a window",
         Qt::Key_F11,
         {},
         [&] { return !app.window().isPlatformFullScreen(); }},
    };
    for (const Step& step : steps) {
        app.press(step.key, step.mods);
        EXPECT_TRUE(step.check()) << step.name;
        app.timers.advance(2100); // searches end, the previous-song memory settles
    }
    // Ctrl-1 opens binder 1; Ctrl-2, unassigned, asks for a folder (cancelled here).
    app.press(Qt::Key_2, Qt::ControlModifier);
    EXPECT_EQ(app.controller.binders().currentDirNo, 0);
    EXPECT_EQ(app.dialogs.asked().last().kind, QStringLiteral("chooseFolder"));
    app.press(Qt::Key_1, Qt::ControlModifier);
    EXPECT_EQ(app.controller.binders().currentDirNo, 0);
}

// The song list keys and the list menu, as the Help Binder describes them.
TEST(ProgramWindows, TheSongListKeysAndMenu)
{
    Program app({{"Alpha.pdf", 1}, {"Beta.pdf", 1}, {"Gamma.pdf", 1}},
                {{"0TabName1", "Gig"}, {"0OptSel1", 3}, {"0list1", "gamma\nbeta\n"}});
    Navigator& nav = app.controller.navigator();
    const TocScene& toc = app.window().binder().scene().toc;
    int editorsOpened = 0;
    app.shell.setModalRunner([&](QDialog&) { ++editorsOpened; });
    struct Step {
        const char* name;
        int key;
        Qt::KeyboardModifiers mods;
        std::function<bool()> check;
    };
    const QList<Step> steps = {
        {"Tab: the setlist's list first",
         Qt::Key_Tab,
         {},
         [&] { return nav.tocON && toc.open && toc.label1 == "Gig" && app.title() == "Gamma"; }},
        {"=: hides the list", Qt::Key_Equal, {}, [&] { return !nav.tocON && !toc.open; }},
        {"=: shows it",
         Qt::Key_Equal,
         {},
         [&] { return toc.open && toc.items[1].titre == "Beta"; }},
        {"b: the song of entry b",
         Qt::Key_B,
         {},
         [&] { return !toc.open && app.title() == "Beta"; }},
        {"= again", Qt::Key_Equal, {}, [&] { return toc.open && toc.items[1].box; }},
        {"Enter: closes on the same song",
         Qt::Key_Return,
         {},
         [&] { return !toc.open && app.title() == "Beta"; }},
        {"Ctrl-Enter: the tab editor", Qt::Key_Return, Qt::ControlModifier,
         [&] { return editorsOpened == 1; }},
    };
    for (const Step& step : steps) {
        app.press(step.key, step.mods);
        EXPECT_TRUE(step.check()) << step.name;
        app.timers.advance(2100);
    }
    // The list menu: the song list, and the tab bars of this window.
    QMenu* menu = app.menus().listMenu();
    ASSERT_NE(menu, nullptr);
    const auto trigger = [&](const QString& prefix) {
        for (QAction* action : menu->actions()) {
            if (action->text().startsWith(prefix)) {
                action->trigger();
                return true;
            }
        }
        return false;
    };
    ASSERT_TRUE(trigger(QStringLiteral("Song List")));
    EXPECT_TRUE(toc.open);
    const bool bars = app.window().binder().settings().ongletsVisibles;
    ASSERT_TRUE(trigger(QStringLiteral("Tab Bars")));
    EXPECT_EQ(app.window().binder().settings().ongletsVisibles, !bars);
    ASSERT_TRUE(trigger(QStringLiteral("Edit Current Tab")));
    EXPECT_EQ(editorsOpened, 2);
}

// The genre: the Genre menu, key 86 and the remote action choose it; it comes back at the
// next start.
TEST(ProgramWindows, TheGenreIsChosenShownAndKept)
{
    QMap<QString, QVariant> stored;
    {
        Program app({{"Alpha.pdf", 1}}, {{"initialGenreNo", 5}});
        QMenu* genres = app.menus().genreMenu();
        ASSERT_NE(genres, nullptr);
        EXPECT_EQ(genres->title(), QStringLiteral("Genre=Recording"));
        app.controller.actionKeyReceived(cmd::NextGenre);
        EXPECT_EQ(genres->title(), QStringLiteral("Genre=(MUTE)"));
        app.controller.actionKeyReceived(cmd::NextGenre);
        EXPECT_EQ(genres->title(), QStringLiteral("Genre=Any"));
        app.center.postParam(QLatin1String(action::GoToGenreNo), 3);
        EXPECT_EQ(app.controller.data().currentGenreG, 3);
        app.center.postParam(QLatin1String(action::GoToGenreNo), 9); // no such genre
        EXPECT_EQ(app.controller.data().currentGenreG, 3);
        genres->actions()[1]->trigger(); // "Cover"
        EXPECT_EQ(genres->title(), QStringLiteral("Genre=Cover"));
        EXPECT_TRUE(genres->actions()[1]->isChecked());
        EXPECT_FALSE(genres->actions()[2]->isChecked());
        app.controller.applicationWillTerminate();
        stored.insert(QStringLiteral("initialGenreNo"), app.prefs.value("initialGenreNo"));
    }
    Program again({{"Alpha.pdf", 1}}, stored);
    EXPECT_EQ(again.controller.data().currentGenreG, 2);
    EXPECT_EQ(again.menus().genreMenu()->title(), QStringLiteral("Genre=Cover"));
}

// The played marks from the List menu: by hand, a saved log recalled, all cleared.
TEST(ProgramWindows, PlayedMarksFromTheListMenu)
{
    const QDateTime when(QDate(2026, 12, 5), QTime(22, 15));
    Program app({{"Alpha.pdf", 1}, {"Beta.pdf", 1}},
                {{"plogLast", 1}, {"plogTx1", "BETA.PDF\n\n"}, {"plogDate1", when}});
    Data& data = app.controller.data();
    BinderMenuBar& bar = app.menus();
    bar.prepareListMenu();
    QMenu* recall = nullptr;
    QAction *played = nullptr, *clear = nullptr;
    for (QAction* action : bar.listMenu()->actions()) {
        if (action->menu())
            recall = action->menu();
        else if (action->text() == "Played")
            played = action;
        else if (action->text() == "Clear All Played Marks")
            clear = action;
    }
    ASSERT_TRUE(recall && played && clear);
    ASSERT_EQ(recall->actions().size(), 1);
    EXPECT_TRUE(recall->actions()[0]->text().contains(
        QLocale().toString(when.date(), QLocale::LongFormat)));
    recall->actions()[0]->trigger();
    EXPECT_TRUE(data.getPiece(2)->pieceDet->played);
    EXPECT_FALSE(data.getPiece(1)->pieceDet->played);
    EXPECT_EQ(app.dialogs.texts().last(), QStringLiteral("1 entry(ies) marked as Played."));

    played->trigger(); // the current song, Alpha, by hand
    EXPECT_TRUE(data.getPiece(1)->pieceDet->played);
    EXPECT_EQ(data.listePiecesLog.size(), 2);
    played->trigger(); // and back
    EXPECT_FALSE(data.getPiece(1)->pieceDet->played);
    clear->trigger();
    EXPECT_FALSE(data.getPiece(2)->pieceDet->played);
    EXPECT_TRUE(data.listePiecesLog.isEmpty());
}

} // namespace
