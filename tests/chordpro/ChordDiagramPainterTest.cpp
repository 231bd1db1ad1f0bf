#include "chordpro/ChordDiagramPainter.h"

#include <QImage>
#include <QPainter>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <utility>

using namespace partivo::chordpro;

namespace {

const QColor kInk(20, 40, 160);
const QColor kPaper(Qt::white);

ChordFingering shape(const char* name, int baseFret, QList<int> frets)
{
    return ChordFingering{QString::fromUtf8(name), baseFret, std::move(frets), {}};
}

// The diagram at its natural size for `unit`, with a margin of 8 pixels.
struct Painted {
    QRectF box;
    ChordDiagramGeometry geometry;
    QImage image;
};

Painted paint(const ChordFingering& fingering, double unit)
{
    Painted p;
    p.box = QRectF(QPointF(8, 8), chordDiagramSize(unit));
    p.geometry = chordDiagramGeometry(p.box, fingering);
    p.image =
        QImage(p.box.adjusted(-8, -8, 8, 8).size().toSize(), QImage::Format_ARGB32_Premultiplied);
    p.image.fill(kPaper);
    QPainter painter(&p.image);
    paintChordDiagram(painter, p.box, fingering, kInk);
    return p;
}

QColor pixelAt(const QImage& image, QPointF point)
{
    return image.pixelColor(int(std::floor(point.x())), int(std::floor(point.y())));
}

// Pixels that are not paper inside the area.
int inkedIn(const QImage& image, const QRectF& area)
{
    const QRect r = area.toAlignedRect() & image.rect();
    int count = 0;
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x)
            count += image.pixelColor(x, y) != kPaper;
    return count;
}

TEST(ChordDiagramPainter, GeometryFitsTheBoxAtAnySize)
{
    const ChordFingering c = shape("C", 1, {-1, 3, 2, 0, 1, 0});
    EXPECT_EQ(chordDiagramSize(10), QSizeF(40, 55));

    const ChordDiagramGeometry g = chordDiagramGeometry(QRectF(0, 0, 40, 55), c);
    EXPECT_DOUBLE_EQ(g.unit, 10);
    ASSERT_EQ(g.stringX.size(), 6);
    ASSERT_EQ(g.fretY.size(), 6) << "five fret spaces";
    const double stringSpacing = g.stringX[1] - g.stringX[0];
    const double fretSpacing = g.fretY[1] - g.fretY[0];
    EXPECT_GT(stringSpacing, 2 * g.dotRadius);
    EXPECT_GT(fretSpacing, 2 * g.dotRadius);
    for (int i = 1; i < 6; ++i) {
        EXPECT_NEAR(g.stringX[i] - g.stringX[i - 1], stringSpacing, 1e-9);
        EXPECT_NEAR(g.fretY[i] - g.fretY[i - 1], fretSpacing, 1e-9);
    }
    // Top to bottom: name, marks, nut, grid, all inside the box.
    EXPECT_GE(g.nameRect.top(), 0);
    EXPECT_LT(g.nameRect.bottom(), g.markY);
    EXPECT_LT(g.markY, g.fretY.first() - g.nutWidth);
    EXPECT_LE(g.fretY.last() + g.lineWidth / 2, 55);
    EXPECT_GE(g.stringX.first() - g.dotRadius, g.baseFretRect.right());
    EXPECT_GE(g.baseFretRect.left(), 0);
    EXPECT_LE(g.stringX.last() + g.dotRadius, 40);

    // Twice the box, twice every position; a wider box keeps the drawing centred.
    const ChordDiagramGeometry big = chordDiagramGeometry(QRectF(0, 0, 80, 110), c);
    EXPECT_DOUBLE_EQ(big.unit, 20);
    for (int i = 0; i < 6; ++i) {
        EXPECT_DOUBLE_EQ(big.stringX[i], 2 * g.stringX[i]);
        EXPECT_DOUBLE_EQ(big.fretY[i], 2 * g.fretY[i]);
    }
    EXPECT_DOUBLE_EQ(big.dotRadius, 2 * g.dotRadius);
    const ChordDiagramGeometry wide = chordDiagramGeometry(QRectF(0, 0, 400, 55), c);
    EXPECT_DOUBLE_EQ(wide.unit, 10);
    EXPECT_DOUBLE_EQ(wide.nameRect.center().x(), 200);
    EXPECT_DOUBLE_EQ(wide.stringX[0] - g.stringX[0], 180);

    // A fret beyond the fifth adds fret spaces rather than falling off the grid.
    const ChordDiagramGeometry high =
        chordDiagramGeometry(QRectF(0, 0, 40, 55), shape("D", 1, {-1, -1, 7, 0}));
    EXPECT_EQ(high.fretY.size(), 8);
    EXPECT_EQ(high.stringX.size(), 4);
    EXPECT_DOUBLE_EQ(high.fretY.last(), g.fretY.last());
}

TEST(ChordDiagramPainter, DotsStandOnTheirStringsAndFretsOnly)
{
    struct Case {
        ChordFingering fingering;
        double unit;
    };
    const Case cases[] = {
        {shape("C", 1, {-1, 3, 2, 0, 1, 0}), 40},  {shape("C", 1, {-1, 3, 2, 0, 1, 0}), 24},
        {shape("A", 5, {1, 3, 3, 2, 1, 1}), 30},   {shape("Uke C", 1, {0, 0, 0, 3}), 32},
        {shape("High", 1, {-1, 7, 0, 4, -1}), 36},
    };
    for (const Case& c : cases) {
        const Painted p = paint(c.fingering, c.unit);
        const ChordDiagramGeometry& g = p.geometry;
        const QList<int>& frets = c.fingering.frets;
        for (int string = 0; string < frets.size(); ++string) {
            for (int fret = 1; fret < g.fretY.size(); ++fret) {
                SCOPED_TRACE(c.fingering.name.toStdString() + " unit " + std::to_string(c.unit) +
                             " string " + std::to_string(string) + " fret " + std::to_string(fret));
                // Beside the string line, half way to the dot's edge, mid fret space.
                const QPointF probe(g.stringX[string] + g.dotRadius / 2,
                                    (g.fretY[fret - 1] + g.fretY[fret]) / 2);
                EXPECT_EQ(pixelAt(p.image, probe), frets[string] == fret ? kInk : kPaper);
            }
        }
    }
}

TEST(ChordDiagramPainter, MarksAboveOpenAndUnplayedStrings)
{
    const QList<int> frets = {-1, 3, 2, 0, 1, 0};
    const Painted p = paint(shape("C", 1, frets), 40);
    const ChordDiagramGeometry& g = p.geometry;
    const double halfWidth = (g.stringX[1] - g.stringX[0]) / 2 - 1;
    const double halfHeight =
        std::min(g.markY - g.nameRect.bottom(), g.fretY[0] - g.nutWidth - g.markY) - 1;
    for (int string = 0; string < frets.size(); ++string) {
        SCOPED_TRACE(string);
        const QPointF centre(g.stringX[string], g.markY);
        const QRectF around(centre - QPointF(halfWidth, halfHeight),
                            centre + QPointF(halfWidth, halfHeight));
        const int inked = inkedIn(p.image, around);
        if (frets[string] > 0) {
            EXPECT_EQ(inked, 0);
        } else {
            EXPECT_GT(inked, 10);
            // An "x" crosses at its centre; an "o" is hollow.
            EXPECT_EQ(pixelAt(p.image, centre) == kPaper, frets[string] == 0);
        }
    }
}

TEST(ChordDiagramPainter, NutAtTheFirstFretElseTheBaseFretNumber)
{
    for (int baseFret : {1, 3, 12}) {
        SCOPED_TRACE(baseFret);
        const Painted p = paint(shape("Bm", baseFret, {-1, 1, 3, 3, 2, 1}), 40);
        const ChordDiagramGeometry& g = p.geometry;
        const bool nut = baseFret == 1;
        // Between two strings, half way up the nut's thickness.
        const QPointF inNut((g.stringX[2] + g.stringX[3]) / 2, g.fretY[0] - g.nutWidth / 2);
        EXPECT_EQ(pixelAt(p.image, inNut), nut ? kInk : kPaper);
        const int numberInk = inkedIn(p.image, g.baseFretRect);
        if (nut) {
            EXPECT_EQ(numberInk, 0);
        } else {
            EXPECT_GT(numberInk, 5);
        }
    }
}

TEST(ChordDiagramPainter, NameAtTheTopAndANameAloneDrawsNoGrid)
{
    const Painted full = paint(shape("Gmaj7", 1, {3, 2, 0, 0, 0, 2}), 40);
    EXPECT_GT(inkedIn(full.image, full.geometry.nameRect), 20);

    const Painted nameOnly = paint(shape("Gmaj7", 1, {}), 40);
    const QRectF name = nameOnly.geometry.nameRect;
    EXPECT_GT(inkedIn(nameOnly.image, name), 20);
    const QRectF below(QPointF(0, name.bottom() + 1),
                       QPointF(nameOnly.image.width(), nameOnly.image.height()));
    EXPECT_EQ(inkedIn(nameOnly.image, below), 0);
    EXPECT_GT(inkedIn(full.image, below), 200);
}

} // namespace
