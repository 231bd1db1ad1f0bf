#pragma once

#include "chordpro/SongFigure.h"

#include <QColor>
#include <QRectF>
#include <QSizeF>

class QPainter;

namespace partivo::chordpro {

// Paints a figure into the box, in the painter's coordinates (one unit a point). Pictures
// are scaled to fit the box, keeping their proportions, centred across its width and at its
// top; text is drawn at the top left in a monospaced face at the figure's size (smaller if
// the box is too small for it); a missing picture is a box framed in `frame` with its message
// inside. Text and messages are drawn in `ink`. Needs a QGuiApplication.
void paintSongFigure(QPainter& painter, const SongFigure& figure, const QRectF& box,
                     const QColor& ink, const QColor& frame);

// The size plain text takes in the monospaced face at that size: its widest line by its
// number of lines (tabs stop every 8 columns).
QSizeF textFigureSize(const QString& text, double fontSize);

// The size to lay the figure out at: its own size, scaled down (never up) to maxWidth. A
// missing picture takes the whole width and room for its message, at least three lines.
QSizeF fittedFigureSize(const SongFigure& figure, double maxWidth);

} // namespace partivo::chordpro
