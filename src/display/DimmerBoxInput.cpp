#include "display/DimmerBoxInput.h"

#include "platform/NotificationCenter.h"

namespace partivo {

DimmerBoxInput::Outcome DimmerBoxInput::click(QPointF pos, QSizeF windowSize,
                                              const Options& options)
{
    if (!options.hiddenRegions)
        return {};
    const int command = hiddenRegionCommand(pos, windowSize);
    if (command != kNoHiddenRegion)
        center_.postParam(QLatin1String(action::Key), command);
    return {command, false};
}

DimmerBoxInput::Outcome DimmerBoxInput::touchesEnded(const QHash<int, QPointF>& start,
                                                     const QHash<int, QPointF>& end,
                                                     const Options& options)
{
    return postSwipe(swipeCode(start, end), options);
}

DimmerBoxInput::Outcome DimmerBoxInput::wheel(WheelSwipe::Phase phase, double deltaX, double deltaY,
                                              const Options& options)
{
    return postSwipe(wheel_.event(phase, deltaX, deltaY), options);
}

DimmerBoxInput::Outcome DimmerBoxInput::postSwipe(int code, const Options& options)
{
    if (code == 0)
        return {};
    center_.postParam(QLatin1String(action::Swipe), code);
    return {code, options.centerMouse};
}

} // namespace partivo
