#include "display/BinderPages.h"

#include "display/WindowSettings.h"

#include <algorithm>

namespace partivo {

int effectiveMode(int modeAffichage, bool synchronised, bool muteGenre)
{
    if (modeAffichage == ModeTwoPages && synchronised && muteGenre)
        return ModeAlternate;
    return modeAffichage;
}

PositionOutcome takePosition(const PositionInput& in)
{
    PositionOutcome out;
    const int offset = std::max(0, in.fixPageNo);
    int q = 0;
    if (in.synchronised) {
        out.hold = in.automatic && in.zoomTop && in.muteGenre &&
                   (in.modeAffichage == ModeTwoPages || in.modeAffichage == ModeAlternate);
        out.pageNoOrig = in.page;
        out.zoomTop = in.zoomTop;
        q = in.page + offset;
        if (in.ratio21)
            q = in.zoomTop ? 2 * (in.page + offset) - 1 : 2 * (in.page + offset);
        // The left page of two pages side by side is always odd.
        if (in.modeAffichage == ModeTwoPages && !in.muteGenre && q > 1 && q % 2 == 0)
            q -= 1;
    } else {
        q = in.pageNoCour;
        out.zoomTop = in.ownZoomTop;
        out.pageNoOrig = in.pageNoCour;
        if (in.songChanged) {
            q = offset + 1;
            out.zoomTop = true;
            out.pageNoOrig = q;
        }
    }
    out.pageNo = out.hold ? in.pageNoCour : q;
    return out;
}

QString pageLabel(int page, int total, int minimumTotal)
{
    if (total < minimumTotal || page > total || page < 1)
        return {};
    return QStringLiteral("%1/%2").arg(page).arg(total);
}

namespace {

void planTwoPages(const PlanInput& in, PagePlan& plan)
{
    plan.left = in.page;
    plan.leftLabel = pageLabel(in.page, in.pages, 3);
    if (in.page < in.pages || in.fixPageNo >= 1) {
        plan.right = in.page + 1;
        plan.rightLabel = pageLabel(in.page + 1, in.pages, 3);
        return;
    }
    // The last page: the right half previews the next song, dimmed.
    plan.right = 1;
    plan.rightShowsNext = true;
    plan.rightInactive = true;
    plan.rightLabel = pageLabel(1, in.nextPages, 3);
}

void planAlternate(const PlanInput& in, PagePlan& plan)
{
    const int p = in.page;
    const bool last = p == in.pages;
    // Odd pages on the left, even on the right; the other half holds the page after.
    if (p % 2 == 1) {
        plan.left = p;
        plan.right = (p != 1 && last && in.fixPageNo == 0) ? 0 : p + 1;
    } else {
        plan.right = p;
        plan.left = (last && in.fixPageNo == 0) ? 0 : p + 1;
    }
}

void planSlide(const PlanInput& in, PagePlan& plan)
{
    plan.left = in.page;
    plan.right = in.page + 1;
    if (in.page != 1 && in.page + 1 > in.pages && in.fixPageNo == 0) {
        plan.left = in.pages - 1;
        plan.right = in.pages;
    }
}

// Modes 4 and 5 reload a view only when its page changes, so the half being read stays.
void keepUnchanged(const PlanInput& in, PagePlan& plan)
{
    if (plan.left == 0 || plan.left == in.savedLeft) {
        plan.reloadLeft = false;
        plan.left = in.savedLeft;
    }
    if (plan.right == 0 || plan.right == in.savedRight) {
        plan.reloadRight = false;
        plan.right = in.savedRight;
    }
    plan.leftLabel = pageLabel(plan.left, in.pages, 3);
    plan.rightLabel = pageLabel(plan.right, in.pages, 3);
}

} // namespace

PagePlan planPages(const PlanInput& in)
{
    PagePlan plan;
    switch (in.mode) {
    case ModeTwoPages:
        planTwoPages(in, plan);
        break;
    case ModeHalfPageZoom:
        plan.left = in.page;
        plan.reloadRight = false;
        plan.leftLabel = pageLabel(in.page, in.pages, 2);
        break;
    case ModeSinglePage: {
        plan.left = in.page;
        plan.reloadRight = false;
        const int total = (in.chordPro && in.ratio21) ? 2 * in.pages : in.pages;
        if (!(in.pages < 2 && !in.ratio21))
            plan.leftLabel = pageLabel(in.page, total, 1);
        break;
    }
    case ModeAlternate:
        planAlternate(in, plan);
        keepUnchanged(in, plan);
        break;
    case ModeSlideLeft:
        planSlide(in, plan);
        keepUnchanged(in, plan);
        break;
    default:
        break;
    }
    return plan;
}

OwnTurn ownPageTurn(int effectiveMode, bool ratio21, int pages, int fixPageNo, int page,
                    bool zoomTop, bool down)
{
    const int mode = ratio21 ? ModeHalfPageZoom : effectiveMode;
    const int n = pages;
    const int f = fixPageNo;
    const int p = page;
    int q = p;
    bool top = true;
    bool none = false;
    const auto upByOne = [&] { q = p > f + 1 ? p - 1 : f + 1; };
    switch (mode) {
    case ModeTwoPages:
        if (down) {
            q = p + 2;
            none = q > n + f;
        } else {
            q = std::max(p - 2, f + 1);
        }
        break;
    case ModeHalfPageZoom:
        if (down && zoomTop) {
            top = false;
        } else if (down) {
            q = p + 1;
            none = ratio21 ? p >= 2 * n : p >= n;
        } else if (!zoomTop) {
            top = true;
        } else {
            q = p - 1;
            top = false;
            none = p < 2;
        }
        break;
    case ModeSinglePage:
        if (down) {
            q = p + 1;
            none = p >= n + f;
        } else {
            upByOne();
        }
        break;
    case ModeAlternate:
    case ModeSlideLeft:
        if (down) {
            q = p + 1;
            none = !(q < n + f);
        } else {
            upByOne();
        }
        break;
    default:
        none = true;
        break;
    }
    OwnTurn turn;
    if (none)
        return turn;
    turn.page = q;
    turn.zoomTop = top;
    turn.moves = q != p || top != zoomTop;
    return turn;
}

FramePlacement placeFrame(const FrameInput& in)
{
    FramePlacement placement;
    if (in.tocOpen || !in.zoomOn || in.ratio21 || in.hideFrame || !in.synchronised)
        return placement;
    switch (in.mode) {
    case ModeTwoPages:
    case ModeAlternate:
        placement.view = in.pageNoOrig % 2 == 1 ? FrameView::Left : FrameView::Right;
        break;
    case ModeSlideLeft: {
        const bool right =
            (in.pages == 2 && in.pageNoOrig == 2) || (in.pages >= 3 && in.pageNoOrig == in.pages);
        placement.view = right ? FrameView::Right : FrameView::Left;
        break;
    }
    case ModeSinglePage:
        placement.view = FrameView::Single;
        placement.cornerRadius = 10;
        break;
    default:
        break;
    }
    return placement;
}

QRectF frameRect(const QRectF& view, bool zoomTop)
{
    const double half = view.height() / 2;
    QRectF rect(view.x(), zoomTop ? view.y() : view.y() + half, view.width(), half);
    return rect.adjusted(3, 3, -3, -3);
}

ResizeOutcome modeAfterResize(int mode, bool singlePageForce, double width, double height)
{
    ResizeOutcome out;
    if (width > height && width >= 640) {
        out.mode = (mode == ModeSinglePage && !singlePageForce) ? ModeTwoPages : mode;
        return out;
    }
    out.mode = ModeSinglePage;
    out.leavesZoom = mode == ModeHalfPageZoom;
    return out;
}

ZoomMarkers ajusterMarqueurZoom(ZoomMarkers markers, int halfPageMarker, int redLine, bool zoomTop)
{
    markers.redLine = redLine == 1;
    switch (halfPageMarker) {
    case 0:
        markers.upper = true;
        markers.lower = false;
        break;
    case 1:
        markers.upper = zoomTop;
        markers.lower = !zoomTop;
        break;
    case 2:
        markers.upper = false;
        markers.lower = false;
        break;
    default:
        break;
    }
    return markers;
}

} // namespace partivo
