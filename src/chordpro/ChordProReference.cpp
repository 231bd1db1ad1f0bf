#include "chordpro/ChordProReference.h"

#include <algorithm>
#include <cmath>

namespace partivo::chordpro {

namespace {

bool usableSide(double side)
{
    return std::isfinite(side) && side > 0;
}

double clampedSide(double side)
{
    return std::clamp(side, kMinReferenceSide, kMaxReferenceSide);
}

} // namespace

std::optional<QSizeF> usableReferenceSize(const QSizeF& size)
{
    if (!usableSide(size.width()) || !usableSide(size.height()))
        return std::nullopt;
    return QSizeF(clampedSide(size.width()), clampedSide(size.height()));
}

} // namespace partivo::chordpro
