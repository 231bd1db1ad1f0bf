#include "display/Dimmer.h"

#include "library/Options.h"

#include <QtGlobal>
#include <cmath>

namespace partivo {

namespace {

double opacity(double percent)
{
    if (!std::isfinite(percent))
        return percent > 0 ? 1.0 : 0.0;
    return qBound(0.0, percent / 100.0, 1.0);
}

} // namespace

DimmerValues ajusterDimmer(const Options& options)
{
    DimmerValues values;
    values.dimmer = options.genOptDimmer ? opacity(options.genOptDimmerVal) : 0.0;
    values.inactive = opacity(options.genOptDimmerValInact);
    return values;
}

WindowOptions windowOptions(const Options& options)
{
    WindowOptions window;
    window.dimmer = ajusterDimmer(options);
    window.halfPageMarker = options.zoomOptHalfPageMarker;
    window.redLine = options.zoomOptRedLine;
    window.hiddenRegions = options.genOptHiddenRegions;
    window.centerMouse = options.genOptCenterMouse;
    return window;
}

} // namespace partivo
