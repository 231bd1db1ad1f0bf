#include "chordpro/ChordDiagramPainter.h"

#include <QFontMetricsF>
#include <QPainter>
#include <algorithm>
#include <cmath>

namespace partivo::chordpro {

namespace {

// The drawing in units of the font size, origin at the top left of the natural box.
constexpr double kWidth = 4.0;
constexpr double kHeight = 5.5;
constexpr double kNameHeight = 1.2;
constexpr double kMarkY = 1.5;
constexpr double kMarkHalf = 0.17;
constexpr double kGridTop = 1.95;
constexpr double kGridBottom = 5.3;
constexpr double kGridLeft = 0.85;
constexpr double kGridRight = 3.65;
constexpr int kFretSpaces = 5;

int fretSpaces(const ChordFingering& fingering)
{
    int spaces = kFretSpaces;
    for (int fret : fingering.frets)
        spaces = std::max(spaces, fret);
    return spaces;
}

// The largest pixel size, up to `size`, at which the text fits the width.
QFont fittedFont(QFont font, double size, const QString& text, double width)
{
    font.setPixelSize(std::max(1, int(std::lround(size))));
    const double textWidth = QFontMetricsF(font).horizontalAdvance(text);
    if (textWidth > width && textWidth > 0)
        font.setPixelSize(std::max(1, int(std::floor(size * width / textWidth))));
    return font;
}

void drawMarks(QPainter& painter, const ChordDiagramGeometry& g, const ChordFingering& f,
               const QColor& ink)
{
    const double half = kMarkHalf * g.unit;
    painter.setPen(QPen(ink, g.lineWidth * 1.5));
    painter.setBrush(Qt::NoBrush);
    for (qsizetype i = 0; i < f.frets.size() && i < g.stringX.size(); ++i) {
        const QPointF centre(g.stringX[i], g.markY);
        if (f.frets[i] < 0) {
            painter.drawLine(centre + QPointF(-half, -half), centre + QPointF(half, half));
            painter.drawLine(centre + QPointF(-half, half), centre + QPointF(half, -half));
        } else if (f.frets[i] == 0) {
            painter.drawEllipse(centre, half, half);
        }
    }
}

void drawGrid(QPainter& painter, const ChordDiagramGeometry& g, const ChordFingering& f,
              const QColor& ink)
{
    painter.setPen(QPen(ink, g.lineWidth, Qt::SolidLine, Qt::FlatCap));
    const double left = g.stringX.first();
    const double right = g.stringX.last();
    for (double x : g.stringX)
        painter.drawLine(QPointF(x, g.fretY.first()), QPointF(x, g.fretY.last()));
    for (double y : g.fretY)
        painter.drawLine(QPointF(left - g.lineWidth / 2, y), QPointF(right + g.lineWidth / 2, y));
    if (f.baseFret == 1) {
        const double halfLine = g.lineWidth / 2;
        painter.fillRect(QRectF(QPointF(left - halfLine, g.fretY.first() - g.nutWidth),
                                QPointF(right + halfLine, g.fretY.first())),
                         ink);
    } else {
        const QString number = QString::number(f.baseFret);
        painter.setFont(fittedFont(painter.font(), 0.6 * g.unit, number, g.baseFretRect.width()));
        painter.drawText(g.baseFretRect, Qt::AlignRight | Qt::AlignVCenter, number);
    }
}

void drawDots(QPainter& painter, const ChordDiagramGeometry& g, const ChordFingering& f,
              const QColor& ink)
{
    painter.setPen(Qt::NoPen);
    painter.setBrush(ink);
    for (qsizetype i = 0; i < f.frets.size() && i < g.stringX.size(); ++i) {
        if (f.frets[i] >= 1)
            painter.drawEllipse(g.dotCentre(int(i), f.frets[i]), g.dotRadius, g.dotRadius);
    }
}

} // namespace

QSizeF chordDiagramSize(double fontSize)
{
    return {kWidth * fontSize, kHeight * fontSize};
}

QPointF ChordDiagramGeometry::dotCentre(int string, int fret) const
{
    return {stringX.value(string), (fretY.value(fret - 1) + fretY.value(fret)) / 2};
}

ChordDiagramGeometry chordDiagramGeometry(const QRectF& box, const ChordFingering& fingering)
{
    ChordDiagramGeometry g;
    g.unit = std::max(0.0, std::min(box.width() / kWidth, box.height() / kHeight));
    const double u = g.unit;
    const double left = box.center().x() - kWidth * u / 2;
    const double top = box.center().y() - kHeight * u / 2;
    g.nameRect = QRectF(left, top, kWidth * u, kNameHeight * u);
    g.markY = top + kMarkY * u;
    g.lineWidth = std::max(0.04 * u, 0.5);
    g.nutWidth = 0.16 * u;

    const qsizetype strings = fingering.frets.size();
    const double gridLeft = left + kGridLeft * u;
    const double gridWidth = (kGridRight - kGridLeft) * u;
    for (qsizetype i = 0; i < strings; ++i)
        g.stringX.append(strings == 1 ? gridLeft + gridWidth / 2
                                      : gridLeft + gridWidth * double(i) / double(strings - 1));

    const int spaces = fretSpaces(fingering);
    const double fretSpacing = (kGridBottom - kGridTop) * u / spaces;
    for (int k = 0; k <= spaces; ++k)
        g.fretY.append(top + kGridTop * u + k * fretSpacing);

    const double stringSpacing = strings > 1 ? gridWidth / double(strings - 1) : gridWidth;
    g.dotRadius = 0.36 * std::min(stringSpacing, fretSpacing);
    g.baseFretRect = QRectF(left, g.fretY[0], (kGridLeft - 0.15) * u - g.dotRadius, fretSpacing);
    return g;
}

void paintChordDiagram(QPainter& painter, const QRectF& box, const ChordFingering& fingering,
                       const QColor& ink)
{
    const ChordDiagramGeometry g = chordDiagramGeometry(box, fingering);
    if (g.unit <= 0)
        return;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(ink);
    painter.setFont(fittedFont(painter.font(), 0.9 * g.unit, fingering.name, g.nameRect.width()));
    painter.drawText(g.nameRect, Qt::AlignCenter, fingering.name);
    if (!fingering.frets.isEmpty()) {
        drawMarks(painter, g, fingering, ink);
        drawGrid(painter, g, fingering, ink);
        drawDots(painter, g, fingering, ink);
    }
    painter.restore();
}

} // namespace partivo::chordpro
