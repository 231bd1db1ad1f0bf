#pragma once

#include "chordpro/ChordProPageView.h"
#include "chordpro/ChordProPainter.h"

#include <QImage>
#include <QPainter>

// Painting pages into images and finding colours in them, for the painter tests.
namespace painter_test {

using namespace partivo::chordpro;

// Colours no anti-aliased edge can produce by chance.
inline ChordProColors testColors()
{
    ChordProColors colors;
    colors.chordColor = QColor(200, 0, 0);
    colors.textColor = QColor(0, 0, 200);
    colors.textHColor = QColor(250, 250, 0);
    colors.directiveColor = QColor(255, 255, 255);
    colors.directiveColorBack = QColor(0, 120, 0);
    colors.indentColor = QColor(120, 0, 120);
    colors.backgroundColor = QColor(240, 240, 240);
    return colors;
}

inline QImage paintedAt(const ChordProPageView& view, int dotsPerMetre)
{
    QImage image(view.viewSize.toSize(), QImage::Format_ARGB32_Premultiplied);
    image.setDotsPerMeterX(dotsPerMetre);
    image.setDotsPerMeterY(dotsPerMetre);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    paintChordProPage(painter, view, testColors());
    return image;
}

// Where a run lands in the view.
inline QRectF viewRect(const ChordProPageView& view, const ChordProRow& row, const ChordProRun& run)
{
    const double left = view.centred ? (view.viewSize.width() / view.scale - row.width) / 2 : 0;
    const double top = view.headerHeight + view.padding;
    return {view.scale * (left + run.x), top + view.scale * row.top, view.scale * run.width,
            view.scale * row.height};
}

// Pixels of exactly that colour inside the rectangle (shrunk by a pixel against edges).
inline int countIn(const QImage& image, const QRectF& area, const QColor& color)
{
    const QRect r = area.toAlignedRect().adjusted(1, 1, -1, -1) & image.rect();
    int count = 0;
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x)
            count += image.pixelColor(x, y) == color;
    return count;
}

// The bounding box of all pixels of that colour.
inline QRect boxOf(const QImage& image, const QColor& color)
{
    QRect box;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixelColor(x, y) == color)
                box |= QRect(x, y, 1, 1);
    return box;
}

} // namespace painter_test
