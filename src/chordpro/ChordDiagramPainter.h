#pragma once

#include "chordpro/ChordFingering.h"

#include <QColor>
#include <QList>
#include <QRectF>
#include <QSizeF>

class QPainter;

namespace partivo::chordpro {

// The natural box of one chord diagram next to song text of that font size.
QSizeF chordDiagramSize(double fontSize);

// Where the parts of a diagram go in a box. The drawing keeps the proportions of
// chordDiagramSize(): it is scaled to fit the box and centred in it.
struct ChordDiagramGeometry {
    // The font size the drawing is scaled for (chordDiagramSize(unit) fits the box).
    double unit = 0;
    QRectF nameRect;
    // Vertical centre of the "x" and "o" marks above the strings.
    double markY = 0;
    // One per string, lowest string on the left.
    QList<double> stringX;
    // The horizontal lines: fretY[0] is the top of the grid (the nut's lower edge at base
    // fret 1), fretY[k] the line below the k-th fret space. Five spaces, more when a fret
    // needs them.
    QList<double> fretY;
    double lineWidth = 0;
    double nutWidth = 0;
    double dotRadius = 0;
    // Left of the first fret space, where the base fret is written when it is not 1.
    QRectF baseFretRect;

    // Centre of the dot for a fret (>= 1, counted from the base fret) on a string.
    QPointF dotCentre(int string, int fret) const;
};

ChordDiagramGeometry chordDiagramGeometry(const QRectF& box, const ChordFingering& fingering);

// Draws the diagram into the box in one colour: the name centred at the top, an "x" above
// each string not played and an "o" above each open string, the strings and fret lines (a
// thick nut at base fret 1, else the base fret's number beside the first fret space) and a
// dot on each fretted string. A fingering without frets draws its name only.
void paintChordDiagram(QPainter& painter, const QRectF& box, const ChordFingering& fingering,
                       const QColor& ink);

} // namespace partivo::chordpro
