#pragma once

#include "chordpro/ChordProColors.h"
#include "chordpro/ChordProPageView.h"

class QPainter;

namespace partivo::chordpro {

// Paints a fitted page into the rectangle (0, 0) to the view's size of the painter's
// current coordinates: the page background, the header line unscaled at the top, then the
// rows at the view's scale, each run's background behind its text. Everything outside the
// rectangle is clipped.
void paintChordProPage(QPainter& painter, const ChordProPageView& view,
                       const ChordProColors& colors);

} // namespace partivo::chordpro
