#include "display/GestureCommands.h"

#include <cmath>

namespace partivo {

int hiddenRegionCommand(QPointF pos, QSizeF windowSize)
{
    const double width = windowSize.width();
    const double height = windowSize.height();
    if (pos.x() <= kHiddenRegionMargin || pos.x() >= width - kHiddenRegionMargin)
        return kNoHiddenRegion;
    const bool right = pos.x() + 2 > width / 2;
    const bool upper = height - pos.y() > height / 2;
    if (right)
        return upper ? cmd::RegionNextSong : cmd::RegionPageDown;
    return upper ? cmd::RegionPrevSong : cmd::RegionPageUp;
}

int swipeCode(const QHash<int, QPointF>& start, const QHash<int, QPointF>& end)
{
    double travelX = 0.0;
    double travelUp = 0.0;
    int touches = 0;
    int upperStarts = 0;
    for (auto it = end.cbegin(); it != end.cend(); ++it) {
        const auto from = start.constFind(it.key());
        if (from == start.cend())
            continue;
        ++touches;
        travelX += it->x() - from->x();
        travelUp += from->y() - it->y();
        if (from->y() <= 0.5)
            ++upperStarts;
    }
    if (touches < 2)
        return 0;
    // As for the wheel, the horizontal axis wins only when strictly larger.
    const bool horizontal = std::abs(travelX) > std::abs(travelUp);
    const double travel = horizontal ? std::abs(travelX) : std::abs(travelUp);
    if (travel < kSwipeMinTravel)
        return 0;
    int code = 0;
    if (horizontal) {
        const bool upper = upperStarts > touches - upperStarts;
        if (travelX > 0)
            code = upper ? 1 : 2;
        else
            code = upper ? 3 : 4;
    } else {
        code = travelUp > 0 ? 5 : 6;
    }
    return travel > kSwipeLongTravel ? code + 10 : code;
}

int WheelSwipe::event(Phase phase, double deltaX, double deltaY)
{
    if (phase == Begin) {
        sumX_ = sumY_ = 0.0;
        return 0;
    }
    sumX_ += deltaX;
    sumY_ += deltaY;
    if (phase != End)
        return 0;
    const double x = sumX_;
    const double y = sumY_;
    // A gesture is judged once; a stray second end must not repeat the command.
    sumX_ = sumY_ = 0.0;
    if (std::abs(x) <= kThreshold && std::abs(y) <= kThreshold)
        return 0;
    if (std::abs(x) > std::abs(y))
        return x > 0 ? 2 : 1;
    return y > 0 ? 3 : 4;
}

int PinchZoom::step(double value)
{
    if (done_ || !std::isfinite(value))
        return 0;
    sum_ += value;
    if (std::abs(sum_) < kThreshold)
        return 0;
    done_ = true;
    return sum_ > 0 ? 52 : 53;
}

} // namespace partivo
