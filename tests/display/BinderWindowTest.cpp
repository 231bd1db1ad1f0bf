#include "QtPrinters.h"
#include "TestSongs.h"
#include "display/DisplayWindows.h"
#include "display/WindowPDFx.h"
#include "library/Pieces.h"
#include "library/PiecesDet.h"
#include "platform/Commands.h"
#include "platform/ManualTimers.h"
#include "platform/NotificationCenter.h"

#include <QHash>
#include <QVariantMap>
#include <gtest/gtest.h>

namespace partivo {
namespace {

struct FakeCounts : PageCounts {
    QHash<QString, int> pages;
    QHash<QString, QString> errors;
    int pageCount(const QString& path, bool, const WindowSettings&, QString* error) override
    {
        if (errors.contains(path)) {
            *error = errors.value(path);
            return 0;
        }
        return pages.value(path, 1);
    }
};

struct Rig {
    ManualTimers timers;
    NotificationCenter center;
    DisplayWindows windows{center};
    FakeCounts counts;
    WindowPDFx window{windows, center, timers, counts};
    std::shared_ptr<Pieces> a = song("/songs/A.pdf");
    std::shared_ptr<Pieces> b = song("/songs/B.pdf");
    QList<int> keys;

    Rig()
    {
        windows.append(&window);
        counts.pages = {{"/songs/A.pdf", 5}, {"/songs/B.pdf", 4}};
        center.addObserver(QLatin1String(action::Key), [this](const QVariant& p) {
            keys.append(p.toMap().value(QLatin1String(kCommandParam)).toInt());
        });
    }
    void show(int page, bool top = true, bool autom = false)
    {
        window.setPDF(a, page, top, false, 0, b, autom);
    }
    QString pages() const
    {
        const BinderScene& s = window.scene();
        QString out = QString::number(s.left.page);
        if (s.right.shown)
            out += QStringLiteral("|%1%2").arg(s.right.page).arg(s.rightIsNextSong ? "n" : "");
        return out;
    }
};

struct ModeRow {
    const char* name;
    int mode;
    int songPages;
    int fix;
    int page;
    const char* pages; // left|right, "n" when the right shows the next song
    const char* labels;
};

TEST(BinderWindow, PagesShownPerModeAndPosition)
{
    const ModeRow rows[] = {
        {"two pages, page 2 shows 1 and 2", ModeTwoPages, 5, 0, 2, "1|2", "1/5 2/5"},
        {"two pages at the last page previews B", ModeTwoPages, 5, 0, 5, "5|1n", "5/5 1/4"},
        {"offset 1 at page 4 leaves both blank", ModeTwoPages, 4, 1, 4, "0|0", " "},
        {"two-page song: no labels", ModeTwoPages, 2, 0, 1, "1|2", " "},
        {"slide at the end", ModeSlideLeft, 5, 0, 5, "4|5", "4/5 5/5"},
        {"single page", ModeSinglePage, 5, 0, 3, "3", "3/5 "},
        {"zoom of a 2-page song", ModeHalfPageZoom, 2, 0, 1, "1", "1/2 "},
    };
    for (const ModeRow& row : rows) {
        Rig rig;
        rig.counts.pages["/songs/A.pdf"] = row.songPages;
        rig.window.mutableSettings().modeAffichage = row.mode;
        rig.window.iniFixPageNo(row.fix);
        rig.show(row.page);
        EXPECT_EQ(rig.pages(), QString::fromUtf8(row.pages)) << row.name;
        const BinderScene& s = rig.window.scene();
        EXPECT_EQ(s.left.label + " " + s.right.label, QString::fromUtf8(row.labels)) << row.name;
        EXPECT_EQ(s.rightInactive, s.rightIsNextSong) << row.name;
    }
}

TEST(BinderWindow, AlternateModeReloadsOnlyTheHalfThatChanges)
{
    Rig rig;
    rig.counts.pages["/songs/A.pdf"] = 3;
    rig.window.mutableSettings().modeAffichage = ModeAlternate;
    rig.show(1);
    EXPECT_EQ(rig.pages(), "1|2");
    rig.show(2);
    EXPECT_EQ(rig.pages(), "3|2");
    EXPECT_TRUE(rig.window.scene().left.reloaded);
    EXPECT_FALSE(rig.window.scene().right.reloaded);

    // Own pages: an unsynchronised window cannot page down past page 2 of 3.
    Rig own;
    own.counts.pages["/songs/A.pdf"] = 3;
    own.window.mutableSettings().modeAffichage = ModeAlternate;
    own.window.iniFlag(WindowFlag::syncPageChanges, false);
    own.show(1);
    own.window.pageUpDown(true);
    EXPECT_EQ(own.window.shown().pageNoCour, 2);
    own.window.pageUpDown(true);
    EXPECT_EQ(own.window.shown().pageNoCour, 2);
    own.show(1); // the global position does not move it
    EXPECT_EQ(own.window.shown().pageNoCour, 2);
    own.window.pageUpDown(false);
    EXPECT_EQ(own.window.shown().pageNoCour, 1);
}

TEST(BinderWindow, RatioTwoToOneReadsHalfPages)
{
    Rig rig;
    rig.counts.pages["/songs/A.pdf"] = 10;
    rig.window.mutableSettings().modeAffichage = ModeSinglePage;
    rig.window.iniFlag(WindowFlag::ratio21, true);
    rig.show(3, true);
    EXPECT_EQ(rig.window.scene().left.page, 5);
    rig.show(3, false);
    EXPECT_EQ(rig.window.scene().left.page, 6);
    EXPECT_EQ(rig.windows.pagingInfo().pages, 5); // a song page is two PDF pages
    rig.window.afficherZoomHaut(true);            // the upper half is the odd page
    EXPECT_EQ(rig.window.scene().left.page, 5);
}

TEST(BinderWindow, OnlySynchronisedWindowsGiveThePageCount)
{
    Rig rig;
    rig.show(1);
    EXPECT_EQ(rig.window.nbrPages(), 5);
    EXPECT_EQ(rig.windows.pagingInfo(), (PagingInfo{5, false, 0}));
    Rig own;
    own.window.iniFlag(WindowFlag::syncPageChanges, false);
    own.show(1);
    EXPECT_EQ(own.windows.pagingInfo(), PagingInfo()) << "a window with its own pages says nothing";
}

// The navigator's step and page count come from how the windows page: one page at a time
// in single, alternate and slide modes, with one extra page when sliding.
TEST(BinderWindow, WindowsSayHowTheyPageThroughTheSong)
{
    struct Case {
        const char* name;
        int mode;
        PagingInfo expected;
    };
    const Case cases[] = {
        {"two pages", ModeTwoPages, {5, false, 0}},
        {"single page", ModeSinglePage, {5, true, 0}},
        {"alternate", ModeAlternate, {5, true, 0}},
        {"slide to left", ModeSlideLeft, {5, true, 1}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Rig rig;
        rig.window.mutableSettings().modeAffichage = c.mode;
        rig.show(1);
        EXPECT_EQ(rig.windows.pagingInfo(), c.expected);
    }

    // A two-page window beside a single-page one: every page must show, so one per step.
    Rig rig;
    WindowPDFx single{rig.windows, rig.center, rig.timers, rig.counts};
    single.mutableSettings().modeAffichage = ModeSinglePage;
    rig.windows.append(&single);
    rig.counts.pages["/songs/A.pdf"] = 7;
    rig.show(1);
    single.setPDF(rig.a, 1, true, false, 0, rig.b, false);
    EXPECT_EQ(rig.windows.pagingInfo(), (PagingInfo{7, true, 0}));
}

TEST(BinderWindow, FileThatCannotBeShownGivesItsMessage)
{
    Rig rig;
    rig.counts.errors["/songs/A.pdf"] = "The PDF file \"A.pdf\" is damaged and cannot be shown.";
    rig.show(1);
    const BinderScene& s = rig.window.scene();
    EXPECT_EQ(s.left.message, rig.counts.errors["/songs/A.pdf"]);
    EXPECT_EQ(s.left.page, 0);
    EXPECT_EQ(rig.window.nbrPages(), 1);
}

TEST(BinderWindow, NoSongShowsNothing)
{
    Rig rig;
    rig.window.refreshPDF();
    EXPECT_FALSE(rig.window.scene().songShown);
    rig.show(1);
    EXPECT_TRUE(rig.window.scene().songShown);
    rig.window.resetPDF();
    rig.window.refreshPDF();
    EXPECT_FALSE(rig.window.scene().songShown);
}

TEST(BinderWindow, HalfPageFrameFollowsTheZoomedPage)
{
    Rig rig;
    rig.window.setPDF(rig.a, 2, true, true, 0, rig.b, false);
    EXPECT_EQ(rig.window.scene().frame.view, FrameView::Right); // page 2 is the right half
    rig.window.setPDF(rig.a, 3, false, true, 0, rig.b, false);
    EXPECT_EQ(rig.window.scene().frame.view, FrameView::Left);
    EXPECT_FALSE(rig.window.scene().zoomTop);
    rig.window.iniFlag(WindowFlag::hideFrame, true);
    EXPECT_EQ(rig.window.scene().frame.view, FrameView::None);
}

TEST(BinderWindow, NarrowOrTallWindowDropsToSinglePage)
{
    Rig rig;
    rig.window.mutableSettings().modeAffichage = ModeHalfPageZoom;
    rig.window.resized(600, 400, false);
    EXPECT_EQ(rig.window.settings().modeAffichage, ModeSinglePage);
    EXPECT_EQ(rig.keys, (QList<int>{cmd::LeaveZoom, cmd::RecountList}));
    rig.keys.clear();
    rig.window.resized(1200, 700, true);
    EXPECT_EQ(rig.window.settings().modeAffichage, ModeTwoPages);
    EXPECT_EQ(rig.keys, QList<int>{cmd::RecountList});
    EXPECT_EQ(rig.window.obtenirTitle(), "Binder Window - Master");
}

TEST(BinderWindow, MuteGenreShowsAlternateHalvesAndHoldsAutomaticTurns)
{
    Rig rig;
    rig.window.muteGenre = true;
    rig.show(2);
    EXPECT_EQ(rig.pages(), "3|2"); // even page kept, on the right
    rig.show(3, true, true);       // automatic change held
    EXPECT_EQ(rig.window.shown().pageNoCour, 2);
    rig.show(3, true, false);
    EXPECT_EQ(rig.window.shown().pageNoCour, 3);
}

} // namespace
} // namespace partivo
