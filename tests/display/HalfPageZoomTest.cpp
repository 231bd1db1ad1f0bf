#include "display/HalfPageZoom.h"
#include "QtPrinters.h"
#include "TestSongs.h"
#include "WindowDoubles.h"
#include "display/WindowTypes.h"

#include <gtest/gtest.h>

namespace partivo {
namespace {

// A binder window that records the positions and halves it is given.
class ZoomWindow : public RecordingWindow {
public:
    using RecordingWindow::RecordingWindow;
    void setPDF(const std::shared_ptr<Pieces>& piece, int pageNo, bool zoomTop, bool zoomOn,
                int sort, const std::shared_ptr<Pieces>& next, bool autom) override
    {
        WindowPDFxSuper::setPDF(piece, pageNo, zoomTop, zoomOn, sort, next, autom);
        log << QStringLiteral("page %1 %2").arg(pageNo).arg(zoomTop ? "top" : "bottom");
    }
    void updateRechInfo2(const SearchDisplay&) override {} // every broadcast carries it
    void afficherZoomHaut(bool) override { log << "top"; }
    void afficherZoomBas(bool) override { log << "bottom"; }
    void ajusterSelonModeAffichageWithRefresh(bool) override {}
    void ajusterCadre() override {}
};

// Two synchronised binder windows in two-page mode, the first one key.
struct ZoomRig {
    ManualTimers timers;
    NotificationCenter center;
    DisplayWindows windows{center};
    FakePlatform keyPlatform;
    FakePlatform otherPlatform;
    ZoomWindow key{WinTypeBinder, windows, center, timers};
    ZoomWindow other{WinTypeBinder, windows, center, timers};
    HalfPageZoom zoom{windows};
    DisplayWindows::SongCall song;

    ZoomRig()
    {
        keyPlatform.key = true;
        key.setPlatformWindow(&keyPlatform);
        other.setPlatformWindow(&otherPlatform);
        windows.append(&key);
        windows.append(&other);
        song.piece = partivo::song("/x/Song.pdf");
    }
    QList<int> modes() const
    {
        return {key.settings().modeAffichage, other.settings().modeAffichage};
    }
    void clearLogs()
    {
        key.log.clear();
        other.log.clear();
    }
};

TEST(HalfPageZoom, EnteringPutsTheKeyWindowOrEverySynchronisedWindowInZoom)
{
    struct Case {
        const char* name;
        int keyMode;
        bool zoomOn;
        QList<int> modes;
        QStringList keyLog;
        QStringList otherLog;
    };
    const Case cases[] = {
        {"key window alone", 0, false, {1, 0}, {"page 3 top"}, {"page 3 top"}},
        {"key window in single page", 2, false, {2, 1}, {"page 3 top"}, {"page 3 top"}},
        // Zoom on elsewhere: the key window joins alone and is given the position.
        {"joining a zoom already on", 0, true, {1, 0}, {"page 3 top"}, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ZoomRig rig;
        rig.key.iniModeAffichage(c.keyMode, false);
        const ZoomState after = rig.zoom.afficherZoom({3, c.zoomOn, true}, 0, 5, rig.song);
        EXPECT_EQ(after, (ZoomState{3, true, true}));
        EXPECT_EQ(rig.modes(), c.modes);
        EXPECT_EQ(rig.key.log, c.keyLog);
        EXPECT_EQ(rig.other.log, c.otherLog);
    }
}

TEST(HalfPageZoom, HalfSteps)
{
    struct Case {
        const char* name;
        ZoomState before;
        int oper;
        ZoomState after;
        QStringList log; // of either window
    };
    const Case cases[] = {
        {"down within the page", {2, true, true}, 1, {2, true, false}, {"bottom"}},
        {"down to the next page", {2, true, false}, 1, {3, true, true}, {"page 3 top"}},
        {"down at the last page", {5, true, false}, 1, {5, true, false}, {}},
        {"up within the page", {2, true, false}, -1, {2, true, true}, {"top"}},
        {"up to the previous page", {2, true, true}, -1, {1, true, false}, {"page 1 bottom"}},
        {"up at the first page", {1, true, true}, -1, {1, true, true}, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ZoomRig rig;
        rig.windows.setModeAffichageX(ModeHalfPageZoom, true);
        rig.clearLogs();
        EXPECT_EQ(rig.zoom.afficherZoom(c.before, c.oper, 5, rig.song), c.after);
        EXPECT_EQ(rig.key.log, c.log);
        EXPECT_EQ(rig.other.log, c.log);
    }
}

TEST(HalfPageZoom, LeavingReturnsToTwoPagesOnTheOddPage)
{
    struct Case {
        const char* name;
        bool keyOnlyInZoom;
        int page;
        ZoomState after;
        QList<int> modes;
        QStringList keyLog;
        QStringList otherLog;
    };
    const Case cases[] = {
        {"key window alone, even page", true, 4, {4, false, true}, {0, 0}, {"page 3 top"}, {}},
        {"key window alone, odd page", true, 3, {3, false, true}, {0, 0}, {}, {}},
        {"every window, even page",
         false,
         4,
         {3, false, true},
         {0, 0},
         {"page 3 top"},
         {"page 3 top"}},
        {"every window, page 1", false, 1, {1, false, true}, {0, 0}, {}, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ZoomRig rig;
        if (c.keyOnlyInZoom)
            rig.key.iniModeAffichage(ModeHalfPageZoom, false);
        else
            rig.other.iniModeAffichage(ModeHalfPageZoom, false);
        EXPECT_EQ(rig.zoom.masquerZoom({c.page, true, false}, rig.song), c.after);
        EXPECT_EQ(rig.modes(), c.modes);
        EXPECT_EQ(rig.key.log, c.keyLog);
        EXPECT_EQ(rig.other.log, c.otherLog);
    }
}

TEST(HalfPageZoom, LeavingWithoutZoomChangesNothingButAnOwnZoomEnds)
{
    ZoomRig rig;
    EXPECT_EQ(rig.zoom.masquerZoom({4, false, true}, rig.song), (ZoomState{4, false, true}));
    EXPECT_EQ(rig.modes(), (QList<int>{0, 0}));
    // A key window turning its own pages in zoom does not count as zoom, yet leaves it.
    rig.key.iniFlag(WindowFlag::syncPageChanges, false);
    rig.key.iniModeAffichage(ModeHalfPageZoom, false);
    rig.zoom.masquerZoom({4, false, true}, rig.song);
    EXPECT_EQ(rig.modes(), (QList<int>{0, 0}));
}

TEST(HalfPageZoom, WithoutAKeyWindowTheMarkedOrFirstBinderWindowActs)
{
    ZoomRig rig;
    rig.keyPlatform.key = false;
    EXPECT_EQ(rig.zoom.keyWindow(), &rig.key);
    rig.other.mutableSettings().keywin = true;
    EXPECT_EQ(rig.zoom.keyWindow(), &rig.other);
    rig.zoom.afficherZoom({1, false, true}, 0, 5, rig.song);
    EXPECT_EQ(rig.modes(), (QList<int>{0, 1}));
}

} // namespace
} // namespace partivo
