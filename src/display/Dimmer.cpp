#include "display/Dimmer.h"

#include "platform/Prefs.h"

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

DimmerOptions dimmerOptions(const Prefs& prefs)
{
    DimmerOptions options;
    if (prefs.boolValue(QStringLiteral("OptWasSaved"))) {
        options.genOptDimmer = prefs.intValue(QStringLiteral("genOptDimmer")) != 0;
        options.genOptDimmerVal =
            prefs.doubleValue(QStringLiteral("genOptDimmerVal"), options.genOptDimmerVal);
    }
    if (prefs.boolValue(QStringLiteral("OptWasSaved2D")))
        options.genOptDimmerValInact =
            prefs.doubleValue(QStringLiteral("genOptDimmerValInact"), options.genOptDimmerValInact);
    return options;
}

DimmerValues ajusterDimmer(const DimmerOptions& options)
{
    DimmerValues values;
    values.dimmer = options.genOptDimmer ? opacity(options.genOptDimmerVal) : 0.0;
    values.inactive = opacity(options.genOptDimmerValInact);
    return values;
}

} // namespace partivo
