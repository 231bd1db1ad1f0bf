#include "display/BinderPages.h"
#include "QtPrinters.h"
#include "display/VersionSubstitution.h"
#include "display/WindowSettings.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace partivo {
namespace {

struct PositionRow {
    const char* name;
    PositionInput in;
    int pageNo, pageNoOrig;
    bool zoomTop, hold;
};

TEST(BinderPages, TakingAPosition)
{
    PositionInput twoPages;
    PositionInput ratio;
    ratio.modeAffichage = ModeSinglePage;
    ratio.ratio21 = true;
    PositionInput own;
    own.synchronised = false;
    own.pageNoCour = 4;
    own.ownZoomTop = false;
    const auto with = [](PositionInput in, auto change) {
        change(in);
        return in;
    };
    const PositionRow rows[] = {
        {"page 2 in two pages shows 1 and 2", with(twoPages, [](auto& i) { i.page = 2; }), 1, 2,
         true, false},
        {"odd page stays", with(twoPages, [](auto& i) { i.page = 5; }), 5, 5, true, false},
        {"offset 1 on page 4",
         with(twoPages,
              [](auto& i) {
                  i.page = 4;
                  i.fixPageNo = 1;
              }),
         5, 4, true, false},
        {"a negative offset counts as 0",
         with(twoPages,
              [](auto& i) {
                  i.page = 3;
                  i.fixPageNo = -2;
              }),
         3, 3, true, false},
        {"(MUTE) keeps even pages",
         with(twoPages,
              [](auto& i) {
                  i.page = 2;
                  i.muteGenre = true;
              }),
         2, 2, true, false},
        {"(MUTE) holds automatic changes",
         with(twoPages,
              [](auto& i) {
                  i.page = 3;
                  i.muteGenre = true;
                  i.automatic = true;
                  i.pageNoCour = 2;
              }),
         2, 3, true, true},
        {"ratio 2:1 page 3 upper", with(ratio, [](auto& i) { i.page = 3; }), 5, 3, true, false},
        {"ratio 2:1 page 3 lower",
         with(ratio,
              [](auto& i) {
                  i.page = 3;
                  i.zoomTop = false;
              }),
         6, 3, false, false},
        {"own pages keep their page", with(own, [](auto& i) { i.page = 9; }), 4, 4, false, false},
        {"own pages restart on a new song",
         with(own,
              [](auto& i) {
                  i.songChanged = true;
                  i.fixPageNo = 2;
              }),
         3, 3, true, false},
    };
    for (const PositionRow& row : rows) {
        const PositionOutcome out = takePosition(row.in);
        EXPECT_EQ(out.pageNo, row.pageNo) << row.name;
        EXPECT_EQ(out.pageNoOrig, row.pageNoOrig) << row.name;
        EXPECT_EQ(out.zoomTop, row.zoomTop) << row.name;
        EXPECT_EQ(out.hold, row.hold) << row.name;
    }
}

struct PlanRow {
    const char* name;
    PlanInput in;
    int left, right;
    bool next, inactive;
    const char *leftLabel, *rightLabel;
    bool reloadLeft, reloadRight;
};

PlanInput plan(int mode, int pages, int page, int fix = 0, int savedLeft = 0, int savedRight = 0)
{
    PlanInput in;
    in.mode = mode;
    in.pages = pages;
    in.page = page;
    in.fixPageNo = fix;
    in.savedLeft = savedLeft;
    in.savedRight = savedRight;
    return in;
}

TEST(BinderPages, PagesLabelsAndPreviewPerMode)
{
    PlanInput lastWithNext = plan(ModeTwoPages, 5, 5);
    lastWithNext.nextPages = 4;
    PlanInput single = plan(ModeSinglePage, 3, 2);
    single.chordPro = true;
    single.ratio21 = true;
    const PlanRow rows[] = {
        {"two pages", plan(ModeTwoPages, 5, 1), 1, 2, false, false, "1/5", "2/5", true, true},
        {"last page previews the next song", lastWithNext, 5, 1, true, true, "5/5", "1/4", true,
         true},
        {"short next song: no label", plan(ModeTwoPages, 5, 5), 5, 1, true, true, "5/5", "", true,
         true},
        {"offset past the end stays blank", plan(ModeTwoPages, 4, 5, 1), 5, 6, false, false, "", "",
         true, true},
        {"two pages of a 2-page song: no labels", plan(ModeTwoPages, 2, 1), 1, 2, false, false, "",
         "", true, true},
        {"zoom label from 2 pages", plan(ModeHalfPageZoom, 2, 1), 1, 0, false, false, "1/2", "",
         true, false},
        {"single page", plan(ModeSinglePage, 1, 1), 1, 0, false, false, "", "", true, false},
        {"single ChordPro ratio 2:1 doubles", single, 2, 0, false, false, "2/6", "", true, false},
        {"alternate page 1", plan(ModeAlternate, 3, 1), 1, 2, false, false, "1/3", "2/3", true,
         true},
        {"alternate page 2 reloads the left only", plan(ModeAlternate, 3, 2, 0, 1, 2), 3, 2, false,
         false, "3/3", "2/3", true, false},
        {"alternate last odd page keeps the right", plan(ModeAlternate, 3, 3, 0, 3, 2), 3, 2, false,
         false, "3/3", "2/3", false, false},
        {"alternate last even page keeps the left", plan(ModeAlternate, 4, 4, 0, 3, 2), 3, 4, false,
         false, "3/4", "4/4", false, true},
        {"slide", plan(ModeSlideLeft, 4, 2, 0, 1, 2), 2, 3, false, false, "2/4", "3/4", true, true},
        {"slide at the end shows the last two", plan(ModeSlideLeft, 4, 4, 0, 3, 4), 3, 4, false,
         false, "3/4", "4/4", false, false},
    };
    for (const PlanRow& row : rows) {
        const PagePlan p = planPages(row.in);
        EXPECT_EQ(p.left, row.left) << row.name;
        EXPECT_EQ(p.right, row.right) << row.name;
        EXPECT_EQ(p.rightShowsNext, row.next) << row.name;
        EXPECT_EQ(p.rightInactive, row.inactive) << row.name;
        EXPECT_EQ(p.leftLabel, QString::fromUtf8(row.leftLabel)) << row.name;
        EXPECT_EQ(p.rightLabel, QString::fromUtf8(row.rightLabel)) << row.name;
        EXPECT_EQ(p.reloadLeft, row.reloadLeft) << row.name;
        EXPECT_EQ(p.reloadRight, row.reloadRight) << row.name;
    }
}

struct TurnRow {
    const char* name;
    int mode;
    bool ratio21;
    int pages, fix, page;
    bool zoomTop, down;
    bool moves;
    int toPage;
    bool toTop;
};

TEST(BinderPages, OwnPageTurns)
{
    const TurnRow rows[] = {
        {"two pages down", ModeTwoPages, false, 5, 0, 1, true, true, true, 3, true},
        {"two pages down past the end", ModeTwoPages, false, 5, 0, 5, true, true, false, 5, true},
        {"two pages up stops at the offset", ModeTwoPages, false, 5, 1, 3, true, false, true, 2,
         true},
        {"zoom down goes to the lower half", ModeHalfPageZoom, false, 3, 0, 1, true, true, true, 1,
         false},
        {"zoom down from the lower half", ModeHalfPageZoom, false, 3, 0, 1, false, true, true, 2,
         true},
        {"zoom down at the last page", ModeHalfPageZoom, false, 3, 0, 3, false, true, false, 3,
         false},
        {"ratio 2:1 counts half pages", ModeSinglePage, true, 3, 0, 5, false, true, true, 6, true},
        {"ratio 2:1 at the end", ModeSinglePage, true, 3, 0, 6, false, true, false, 6, false},
        {"zoom up from the upper half", ModeHalfPageZoom, false, 3, 0, 2, true, false, true, 1,
         false},
        {"zoom up on page 1", ModeHalfPageZoom, false, 3, 0, 1, true, false, false, 1, true},
        {"single down", ModeSinglePage, false, 3, 0, 2, true, true, true, 3, true},
        {"single down at the end", ModeSinglePage, false, 3, 0, 3, true, true, false, 3, true},
        {"single up at the first page", ModeSinglePage, false, 3, 0, 1, true, false, false, 1,
         true},
        {"alternate cannot pass page 2 of 3", ModeAlternate, false, 3, 0, 2, true, true, false, 2,
         true},
        {"alternate down", ModeAlternate, false, 3, 0, 1, true, true, true, 2, true},
        {"slide up", ModeSlideLeft, false, 4, 0, 3, true, false, true, 2, true},
    };
    for (const TurnRow& row : rows) {
        const OwnTurn turn =
            ownPageTurn(row.mode, row.ratio21, row.pages, row.fix, row.page, row.zoomTop, row.down);
        EXPECT_EQ(turn.moves, row.moves) << row.name;
        if (turn.moves) {
            EXPECT_EQ(turn.page, row.toPage) << row.name;
            EXPECT_EQ(turn.zoomTop, row.toTop) << row.name;
        }
    }
}

TEST(BinderPages, HalfPageFrame)
{
    FrameInput in;
    in.zoomOn = true;
    in.pages = 4;
    const auto at = [&](int mode, int orig) {
        FrameInput f = in;
        f.mode = mode;
        f.pageNoOrig = orig;
        return placeFrame(f).view;
    };
    EXPECT_EQ(at(ModeTwoPages, 3), FrameView::Left);
    EXPECT_EQ(at(ModeAlternate, 2), FrameView::Right);
    EXPECT_EQ(at(ModeSlideLeft, 4), FrameView::Right);
    EXPECT_EQ(at(ModeSlideLeft, 3), FrameView::Left);
    EXPECT_EQ(at(ModeSinglePage, 1), FrameView::Single);
    EXPECT_EQ(at(ModeHalfPageZoom, 1), FrameView::None);
    in.hideFrame = true;
    EXPECT_EQ(at(ModeTwoPages, 1), FrameView::None);
    in.hideFrame = false;
    in.tocOpen = true;
    EXPECT_EQ(at(ModeTwoPages, 1), FrameView::None);

    EXPECT_EQ(frameRect(QRectF(10, 20, 100, 200), true), QRectF(13, 23, 94, 94));
    EXPECT_EQ(frameRect(QRectF(10, 20, 100, 200), false), QRectF(13, 123, 94, 94));
}

TEST(BinderPages, ResizeRule)
{
    EXPECT_EQ(modeAfterResize(ModeSinglePage, false, 1200, 800).mode, ModeTwoPages);
    EXPECT_EQ(modeAfterResize(ModeSinglePage, true, 1200, 800).mode, ModeSinglePage);
    EXPECT_EQ(modeAfterResize(ModeSlideLeft, false, 1200, 800).mode, ModeSlideLeft);
    const ResizeOutcome narrow = modeAfterResize(ModeHalfPageZoom, false, 600, 400);
    EXPECT_EQ(narrow.mode, ModeSinglePage);
    EXPECT_TRUE(narrow.leavesZoom);
    const ResizeOutcome tall = modeAfterResize(ModeTwoPages, false, 900, 1000);
    EXPECT_EQ(tall.mode, ModeSinglePage);
    EXPECT_FALSE(tall.leavesZoom);
    EXPECT_EQ(effectiveMode(ModeTwoPages, true, true), ModeAlternate);
    EXPECT_EQ(effectiveMode(ModeTwoPages, false, true), ModeTwoPages);
}

TEST(VersionSubstitution, AlternateVersionsOfAWindowId)
{
    QTemporaryDir dir;
    const auto touch = [&](const QString& name) {
        QFile f(dir.filePath(name));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    };
    touch("Song.pdf");
    touch("Song---Lead.PDF");
    touch("Song---drum.chopro");
    touch("Other.chopro");
    const QString song = dir.filePath("Song.pdf");

    struct Row {
        const char* name;
        int altMode;
        const char* id;
        int defPDF;
        bool off;
        QString expected;
        bool alternate;
    };
    const Row rows[] = {
        {"master window", 0, "", 0, false, song, false},
        {"same type, other case", 1, "Lead", 0, false, dir.filePath("Song---Lead.PDF"), true},
        {"other type for Drum", 1, "Drum", 0, false, dir.filePath("Song---drum.chopro"), true},
        {"only master", 1, "Drum", 1, false, song, false},
        {"only alternate, found", 1, "Drum", 2, false, dir.filePath("Song---drum.chopro"), true},
        {"no version falls back to master", 1, "Keys", 0, false, song, false},
        {"no version and only alternate: blank", 1, "Keys", 2, false, QString(), false},
        {"switched off", 1, "Lead", 0, true, song, false},
    };
    for (const Row& row : rows) {
        WindowSettings w = WindowSettings::forType(WinTypeBinder);
        w.iniMode(row.altMode, QString::fromUtf8(row.id), {});
        w.defPDF = row.defPDF;
        w.altModeOff = row.off;
        const Substitution s = subsPath(song, w);
        EXPECT_EQ(s.path, row.expected) << row.name;
        EXPECT_EQ(s.alternate, row.alternate) << row.name;
    }
    WindowSettings w = WindowSettings::forType(WinTypeBinder);
    w.iniMode(1, "Lead", {});
    w.defCHO = 2;
    EXPECT_EQ(subsPath(dir.filePath("Other.chopro"), w).path, QString());
}

TEST(ZoomMarkers, OptionsAndHalfGiveTheBoxesShown)
{
    struct Case {
        int halfPageMarker;
        int redLine;
        bool zoomTop;
        ZoomMarkers expected;
    };
    const ZoomMarkers before{false, true, true}; // what was shown before the change
    const Case cases[] = {
        {0, 0, true, {true, false, false}},   {0, 1, false, {true, false, true}},
        {1, 0, true, {true, false, false}},   {1, 0, false, {false, true, false}},
        {2, 1, true, {false, false, true}},   {7, 0, true, {false, true, false}},
        {-1, 2, false, {false, true, false}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message()
                     << c.halfPageMarker << " " << c.redLine << " " << c.zoomTop);
        EXPECT_EQ(ajusterMarqueurZoom(before, c.halfPageMarker, c.redLine, c.zoomTop), c.expected);
    }
}

} // namespace
} // namespace partivo
