#include "QtPrinters.h"
#include "TestSongs.h"
#include "display/DisplayWindows.h"
#include "display/SongPages.h"
#include "display/TocPainter.h"
#include "display/widgets/BinderWindow.h"
#include "library/Pieces.h"
#include "library/PiecesDet.h"
#include "platform/Commands.h"
#include "platform/ManualTimers.h"
#include "platform/NotificationCenter.h"

#include <QCoreApplication>
#include <QFile>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QNativeGestureEvent>
#include <QPainter>
#include <QPdfWriter>
#include <QPointingDevice>
#include <QTemporaryDir>
#include <QToolButton>
#include <gtest/gtest.h>

namespace partivo {
namespace {

struct Rig {
    QTemporaryDir dir;
    ManualTimers timers;
    NotificationCenter center;
    DisplayWindows windows{center};
    SongPages pages;
    BinderWindow window{windows, center, timers, pages};
    std::shared_ptr<Pieces> pdf;
    std::shared_ptr<Pieces> chordPro;
    QList<int> posted; // key commands the window posted

    Rig()
    {
        center.addObserver(QLatin1String(action::Key), [this](const QVariant& p) {
            posted.append(p.toMap().value(QLatin1String(kCommandParam)).toInt());
        });
        pdf = song(writePdf(dir.filePath("Score.pdf"), 3));
        QFile cho(dir.filePath("Chords.chopro"));
        EXPECT_TRUE(cho.open(QIODevice::WriteOnly));
        cho.write("{title: Chords}\n[C]Hello [G]world\n");
        cho.close();
        chordPro = song(dir.filePath("Chords.chopro"));
        windows.append(&window.logic());
        window.resize(1200, 800);
        window.show();
    }
    QColor at(const QRectF& r, const QImage& image) const
    {
        return image.pixelColor(r.center().toPoint());
    }
};

TEST(BinderWindowWidget, TwoPagesOfAScoreThenThePreviewOfTheNextSong)
{
    Rig rig;
    rig.window.binder().setPDF(rig.pdf, 1, true, false, 0, rig.chordPro, false);
    QImage image = rig.window.grabScene();
    EXPECT_TRUE(near(rig.at(rig.window.layout().left, image), kPageColors[0]));
    EXPECT_TRUE(near(rig.at(rig.window.layout().right, image), kPageColors[1]));
    EXPECT_EQ(rig.windows.pagingInfo().pages, 3);

    // The next turn's page is rendered ahead; showing it renders nothing new.
    rig.window.prefetchAhead();
    const int renders = rig.window.cache().renders();
    rig.window.binder().setPDF(rig.pdf, 3, true, false, 0, rig.chordPro, false);
    image = rig.window.grabScene();
    EXPECT_EQ(rig.window.cache().renders(), renders);
    EXPECT_TRUE(near(rig.at(rig.window.layout().left, image), kPageColors[2]));
    EXPECT_TRUE(rig.window.binder().scene().rightIsNextSong);
    EXPECT_TRUE(rig.window.binder().scene().right.chordPro);
}

TEST(BinderWindowWidget, AfterEachFrameTheNextPagesAreRenderedOnTheRenderThread)
{
    Rig rig;
    QCoreApplication::processEvents(); // the window's first resize and paint
    const auto score = song(writePdf(rig.dir.filePath("Long.pdf"), 6));
    rig.window.binder().setPDF(score, 1, true, false, 0, nullptr, false);
    rig.window.grabScene();
    const int shown = rig.window.cache().renders();
    EXPECT_EQ(shown, 2);
    // Each turn of the event loop asks for one page; each result asks for the next.
    QList<int> renders;
    for (int i = 0; i < 6; ++i) {
        QCoreApplication::processEvents();
        rig.window.finishRendering();
        renders.append(rig.window.cache().renders());
    }
    EXPECT_EQ(renders, (QList<int>{3, 4, 5, 6, 6, 6})); // pages 3 to 6, one at a time
    // Turning the page paints pages already made.
    rig.window.binder().setPDF(score, 3, true, false, 0, nullptr, false);
    const QImage image = rig.window.grabScene();
    EXPECT_EQ(rig.window.cache().renders(), shown + 4);
    EXPECT_TRUE(near(rig.at(rig.window.layout().left, image), kPageColors[2]));
}

TEST(BinderWindowWidget, DamagedScoreShowsItsMessageAndTheWindowGoesOn)
{
    Rig rig;
    QFile bad(rig.dir.filePath("Bad.pdf"));
    ASSERT_TRUE(bad.open(QIODevice::WriteOnly));
    bad.write("%PDF-1.4 broken");
    bad.close();
    rig.window.binder().setPDF(song(bad.fileName()), 1, true, false, 0, nullptr, false);
    EXPECT_EQ(rig.window.binder().scene().left.message,
              "The PDF file \"Bad.pdf\" is damaged and cannot be shown.");
    EXPECT_FALSE(rig.window.grabScene().isNull());
    rig.window.binder().setPDF(rig.pdf, 1, true, false, 0, nullptr, false);
    EXPECT_TRUE(rig.window.binder().scene().left.message.isEmpty());
}

TEST(BinderWindowWidget, ResizeDropsTheRenderedPages)
{
    Rig rig;
    rig.window.binder().setPDF(rig.pdf, 1, true, false, 0, nullptr, false);
    rig.window.grabScene();
    EXPECT_GT(rig.window.cache().size(), 0);
    rig.window.resize(700, 900); // taller than wide: single page
    EXPECT_EQ(rig.window.cache().size(), 0);
    EXPECT_EQ(rig.window.settings().modeAffichage, ModeSinglePage);
    const QImage image = rig.window.grabScene();
    EXPECT_TRUE(near(rig.at(rig.window.layout().left, image), kPageColors[0]));
}

TEST(BinderWindowWidget, InformationLinesFollowTheSongSortAndHiddenElements)
{
    Rig rig;
    rig.pdf->pieceDet->titre = "Score";
    rig.pdf->pieceDet->auteur = "Band";
    rig.pdf->pieceDet->notetxt = "Tempo=90\n";
    BinderWindow& w = rig.window;
    w.binder().setPDF(rig.pdf, 1, true, false, 0, nullptr, false);
    EXPECT_EQ(w.shownTitle(), "Score • Band");
    EXPECT_EQ(w.shownTempo(), "90");
    EXPECT_EQ(w.shownId(), "Master");
    // A new sort alone refreshes the line.
    w.binder().setPDF(rig.pdf, 1, true, false, 1, nullptr, false);
    EXPECT_EQ(w.shownTitle(), "Band • Score");

    // Hiding the title and the note gives their room to the pages.
    const double top = w.layout().pageArea.top();
    w.binder().iniFlag(WindowFlag::hideTitleElementTitle, true);
    w.binder().iniFlag(WindowFlag::hideTitleElementTempo, true);
    w.binder().iniFlag(WindowFlag::hideTitleElementNote, true);
    EXPECT_EQ(w.shownTitle(), "");
    EXPECT_EQ(w.shownTempo(), "");
    QCoreApplication::processEvents();
    w.grabScene();
    EXPECT_LT(w.layout().pageArea.top(), top);
}

TEST(BinderWindowWidget, ReferenceSizeIsTheTextViewOfTheMode)
{
    Rig rig;
    const double bars = 2 * (24 + 4); // the tab bars show by default
    const QSizeF twoPages = rig.window.binder().obtenirRefSize();
    EXPECT_NEAR(twoPages.width(), (1200 - 12 - bars) / 2.0, 1);
    EXPECT_GT(twoPages.height(), 600);
    rig.window.binder().iniModeAffichage(ModeHalfPageZoom, false);
    EXPECT_NEAR(rig.window.binder().obtenirRefSize().width(), 1200 - 8 - bars, 1);
    EXPECT_DOUBLE_EQ(rig.window.binder().obtenirRefSize().height(), twoPages.height());
}

TEST(BinderWindowWidget, SearchBoxShowsInTheKeyWindowOnly)
{
    Rig rig;
    BinderWindow second{rig.windows, rig.center, rig.timers, rig.pages};
    rig.windows.append(&second.logic());
    const SearchDisplay info = searchDisplayFor("Be Mine", "Band", false, "be");
    rig.windows.updateRechInfoX(true, false, "be");
    rig.windows.updateRechInfo2X(info);
    // Without a key window on this platform the first binder window takes the keys.
    EXPECT_EQ(rig.window.shownSearch(), "be  Be Mine");
    EXPECT_EQ(second.shownSearch(), "");
    rig.windows.updateRechInfoX(false, false, "bz");
    EXPECT_EQ(rig.window.shownSearch(), "bz  Be Mine");
    EXPECT_FALSE(rig.window.binder().searchBox().valid); // drawn red
    rig.windows.updateRechInfoX(true, true, "");
    EXPECT_EQ(rig.window.shownSearch(), "");
}

TEST(BinderWindowWidget, HeaderButtonsPostTheirCommands)
{
    Rig rig;
    QList<int>& posted = rig.posted;
    posted.clear(); // what the window posted while it was set up
    rig.window.headerRow().commandButton(cmd::NoteWindow)->click();
    EXPECT_EQ(posted, QList<int>{cmd::NoteWindow});

    // The recording button shows while a note is recorded and ends the recording.
    QToolButton* rec = rig.window.headerRow().recordingButton();
    EXPECT_TRUE(rec->isHidden());
    rig.window.binder().setPDF(rig.pdf, 1, true, false, 0, nullptr, false);
    rig.windows.recOn = true; // the note window started recording
    rig.windows.refreshinfoX();
    EXPECT_FALSE(rec->isHidden());
    rec->click();
    EXPECT_FALSE(rig.windows.recOn);
    EXPECT_TRUE(rec->isHidden());
    rig.windows.recOn = true;
    rig.window.binder().setPDF(rig.chordPro, 1, true, false, 0, nullptr, false);
    EXPECT_FALSE(rig.windows.recOn); // a new song ends the recording
    EXPECT_TRUE(rec->isHidden());
}

// In a narrow window the title keeps its room and the buttons go into a menu that posts the
// same commands; a wide window shows them again.
TEST(BinderWindowWidget, NarrowWindowPutsTheHeaderButtonsInAMenu)
{
    Rig rig;
    auto longTitle = song(writePdf(rig.dir.filePath("x.pdf"), 1));
    longTitle->pieceDet->titre = QStringLiteral("A Rather Long Song Title For A Ballad");
    longTitle->pieceDet->auteur = QStringLiteral("Somebody");
    rig.window.binder().setPDF(longTitle, 1, true, false, 0, nullptr, false);
    BinderHeaderRow& header = rig.window.headerRow();
    QCoreApplication::processEvents();
    EXPECT_FALSE(header.buttonsInMenu());
    EXPECT_FALSE(header.commandButton(cmd::NoteWindow)->isHidden());

    // Narrowed until the buttons go into the menu: the whole title still shows.
    for (int width = 1000; width > 500 && !header.buttonsInMenu(); width -= 10) {
        rig.window.resize(width, 800);
        QCoreApplication::processEvents();
    }
    ASSERT_TRUE(header.buttonsInMenu());
    EXPECT_TRUE(header.commandButton(cmd::NoteWindow)->isHidden());
    const QLabel* title = nullptr;
    for (const QLabel* label : header.findChildren<QLabel*>()) {
        if (label->text().contains(QLatin1String("Ballad")))
            title = label;
    }
    ASSERT_NE(title, nullptr);
    EXPECT_GE(title->width(), title->sizeHint().width()) << "the whole title shows";

    rig.posted.clear();
    const QList<QAction*> items = header.menuButton()->menu()->actions();
    ASSERT_EQ(items.size(), 1);
    items.first()->trigger();
    EXPECT_EQ(rig.posted, QList<int>{cmd::NoteWindow});

    rig.window.resize(1400, 800);
    QCoreApplication::processEvents();
    EXPECT_FALSE(header.buttonsInMenu());
}

TEST(BinderWindowWidget, PinchesEnterAndLeaveHalfPageZoom)
{
    Rig rig;
    rig.posted.clear();
    const auto gesture = [&](Qt::NativeGestureType type, double value) {
        QNativeGestureEvent event(type, QPointingDevice::primaryPointingDevice(), 2,
                                  QPointF(100, 100), QPointF(100, 100), QPointF(100, 100), value,
                                  QPointF());
        QCoreApplication::sendEvent(&rig.window, &event);
    };
    gesture(Qt::BeginNativeGesture, 0);
    gesture(Qt::ZoomNativeGesture, 0.1);
    gesture(Qt::ZoomNativeGesture, 0.1);
    gesture(Qt::ZoomNativeGesture, 0.1);
    gesture(Qt::EndNativeGesture, 0);
    gesture(Qt::BeginNativeGesture, 0);
    gesture(Qt::ZoomNativeGesture, -0.5);
    EXPECT_EQ(rig.posted, (QList<int>{cmd::EnterZoom, cmd::LeaveZoom}));
}

TEST(BinderWindowWidget, IdLabelFollowsTheWindowId)
{
    Rig rig;
    WinID drum;
    drum.idWin = "Drum";
    rig.windows.setWinIDs({drum});
    rig.window.binder().selectNextDir();
    EXPECT_EQ(rig.window.shownId(), "Drum");    // shown at once, with no song
    rig.window.headerRow().idButton()->click(); // the button steps to the next ID too
    EXPECT_EQ(rig.window.shownId(), "Master");
}

TEST(BinderWindowWidget, SectionKeyTogglesTheTabBarsAndTellsTheController)
{
    Rig rig;
    QList<int>& posted = rig.posted;
    posted.clear(); // what the window posted while it was set up
    const auto press = [&](Qt::KeyboardModifiers modifiers) {
        QKeyEvent event(QEvent::KeyPress, Qt::Key_section, modifiers, 41 + 8, 0, 0);
        QCoreApplication::sendEvent(&rig.window, &event);
    };
    ASSERT_TRUE(rig.window.settings().ongletsVisibles);
    const double pagesWith = rig.window.layout().pageArea.width();
    press(Qt::NoModifier);
    EXPECT_FALSE(rig.window.settings().ongletsVisibles);
    // The pages take the room of the bars and are shown again.
    EXPECT_EQ(posted, (QList<int>{cmd::ReloadAllPages, cmd::WindowIdChanged}));
    EXPECT_NEAR(rig.window.layout().pageArea.width(), pagesWith + 2 * (24 + 4), 0.5);
    press(Qt::ShiftModifier); // a key command of its own, not the tab bars
    EXPECT_FALSE(rig.window.settings().ongletsVisibles);
    EXPECT_EQ(posted.size(), 3);
    EXPECT_NE(posted.last(), cmd::WindowIdChanged);
    press(Qt::NoModifier);
    EXPECT_TRUE(rig.window.settings().ongletsVisibles);
}

// A click on a tab selects it, with Ctrl it edits it; the list panel's buttons post their
// commands while they show.
TEST(BinderWindowWidget, ClicksOnTheTabsAndTheListButtons)
{
    Rig rig;
    QStringList actions;
    for (const char* name : {action::Onglet, action::CmdOnglet}) {
        rig.center.addObserver(QLatin1String(name), [&actions, name](const QVariant& p) {
            actions << QStringLiteral("%1 %2")
                           .arg(QLatin1String(name))
                           .arg(p.toMap().value(QLatin1String(kCommandParam)).toInt());
        });
    }
    const auto click = [&](const QPointF& at, Qt::KeyboardModifiers mods = Qt::NoModifier) {
        QMouseEvent press(QEvent::MouseButtonPress, at, rig.window.mapToGlobal(at), Qt::LeftButton,
                          Qt::LeftButton, mods);
        QCoreApplication::sendEvent(&rig.window, &press);
    };
    BinderLayout layout = rig.window.layout();
    click(tabButtonRect(layout.leftBar, layout.rightBar, 3).center());
    click(tabButtonRect(layout.leftBar, layout.rightBar, 8).center(), Qt::ControlModifier);
    EXPECT_EQ(actions, (QStringList{"ActionOnglet 3", "ActionCmdOnglet 8"}));

    rig.windows.setButtonStateForOngletX(1, QStringLiteral("Tonight"), 2);
    rig.windows.afficherTocX(true, 36, false);
    rig.posted.clear();
    const TocScene& toc = rig.window.binder().scene().toc;
    const TocGeometry g(layout.pageArea, toc);
    click(g.listButton.center());
    click(g.exportButton.center());
    EXPECT_TRUE(g.filterButton.isEmpty()); // no filter on: no filter button
    rig.windows.afficherTocX(true, 36, true);
    click(TocGeometry(layout.pageArea, toc).filterButton.center());
    EXPECT_EQ(rig.posted, (QList<int>{cmd::CmdEnter, cmd::ExportList, cmd::SongList}));

    // Without the bars nothing is a tab.
    rig.window.binder().afficherMasquerOnglets(false);
    layout = rig.window.layout();
    actions.clear();
    click(QPointF(10, layout.pageArea.center().y()));
    EXPECT_TRUE(actions.isEmpty());
}

} // namespace
} // namespace partivo
