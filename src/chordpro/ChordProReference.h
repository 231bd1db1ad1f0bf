#pragma once

#include <QSizeF>
#include <optional>

namespace partivo::chordpro {

// Bounds of a reference page side, in points. Below the minimum a page holds no line; above
// the maximum the character counts stop meaning anything.
inline constexpr double kMinReferenceSide = 50;
inline constexpr double kMaxReferenceSide = 20000;

// The reference size to lay out against: nothing when a side is zero, negative or not a
// finite number (the size is refused), else both sides clamped to the bounds above.
std::optional<QSizeF> usableReferenceSize(const QSizeF& size);

} // namespace partivo::chordpro
