#include "chordpro/SongFigurePainter.h"

#include <QImage>
#include <QPainter>
#include <functional>
#include <gtest/gtest.h>

using namespace partivo::chordpro;
using Kind = SongFigure::Kind;

namespace {

const QColor kPaper(255, 255, 255);
const QColor kRed(255, 0, 0);
const QColor kInk(0, 0, 160);
const QColor kFrame(0, 150, 0);

// A 200 by 160 page at 72 dots per inch: one pixel a point.
QImage paintedPage(const SongFigure& figure, const QRectF& box)
{
    QImage page(200, 160, QImage::Format_ARGB32_Premultiplied);
    page.setDotsPerMeterX(2835);
    page.setDotsPerMeterY(2835);
    page.fill(kPaper);
    QPainter painter(&page);
    paintSongFigure(painter, figure, box, kInk, kFrame);
    return page;
}

int countIn(const QImage& image, const QRect& area, const std::function<bool(QColor)>& wanted)
{
    int count = 0;
    const QRect r = area & image.rect();
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x)
            count += wanted(image.pixelColor(x, y));
    return count;
}

// The bounding box of all pixels other than the paper.
QRect inkedBox(const QImage& image)
{
    QRect box;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixelColor(x, y) != kPaper)
                box |= QRect(x, y, 1, 1);
    return box;
}

SongFigure redSvg()
{
    return svgFigure("<svg xmlns='http://www.w3.org/2000/svg' width='40' height='20'>"
                     "<rect width='40' height='20' fill='#ff0000'/></svg>");
}

SongFigure redRaster()
{
    SongFigure figure;
    figure.kind = Kind::Raster;
    figure.image = QImage(8, 4, QImage::Format_RGB32);
    figure.image.fill(kRed);
    figure.naturalSize = {40, 20};
    return figure;
}

// A 40 by 20 picture scaled by 2.5 in every box: centred across a wide box, at the top of
// a tall one.
TEST(SongFigurePainter, PicturesFillTheirFittedPlaceInTheBoxAndNothingElse)
{
    struct Case {
        const char* name;
        SongFigure figure;
        QRectF box;
        QRect expected;
    };
    const Case cases[] = {
        {"svg, wide box", redSvg(), {20, 10, 160, 50}, {50, 10, 100, 50}},
        {"svg, tall box", redSvg(), {20, 10, 100, 140}, {20, 10, 100, 50}},
        {"raster, wide box", redRaster(), {20, 10, 160, 50}, {50, 10, 100, 50}},
        {"raster, tall box", redRaster(), {20, 10, 100, 140}, {20, 10, 100, 50}},
    };
    const auto red = [](QColor c) { return c == kRed; };
    for (const Case& c : cases) {
        ASSERT_NE(c.figure.kind, Kind::Missing) << c.name;
        const QImage page = paintedPage(c.figure, c.box);
        const QRect inner = c.expected.adjusted(1, 1, -1, -1);
        EXPECT_EQ(countIn(page, inner, red), inner.width() * inner.height()) << c.name;
        EXPECT_TRUE(c.expected.adjusted(-1, -1, 1, 1).contains(inkedBox(page))) << c.name;
    }
}

TEST(SongFigurePainter, AMissingFigureIsAFramedBoxWithItsMessage)
{
    SongFigure figure;
    figure.message = "ABC music needs abcm2ps, which is not installed.";
    const QRectF box(10, 20, 180, 60);
    const QImage page = paintedPage(figure, box);
    const auto frame = [](QColor c) { return c == kFrame; };

    // Each side of the frame, measured along its middle stretch.
    EXPECT_GE(countIn(page, {30, 20, 140, 1}, frame), 135);
    EXPECT_GE(countIn(page, {30, 79, 140, 1}, frame), 135);
    EXPECT_GE(countIn(page, {10, 30, 1, 40}, frame), 38);
    EXPECT_GE(countIn(page, {189, 30, 1, 40}, frame), 38);
    EXPECT_TRUE(box.toAlignedRect().contains(inkedBox(page)));

    const auto inked = [](QColor c) { return c != kPaper && c != kFrame && c.blue() > c.green(); };
    EXPECT_GT(countIn(page, box.toAlignedRect().adjusted(2, 2, -2, -2), inked), 50);
}

TEST(SongFigurePainter, TextIsDrawnAtTheTopLeftWithinItsMeasuredSize)
{
    const SongFigure figure = textBlockFigure("| G  | C  |\n| D7 | G  |\n\tcoda", 10);
    const QSizeF size = textFigureSize(figure.text, figure.fontSize);
    const QRectF box(QPointF(15, 25), QSizeF(170, 120));
    const QRect drawn = inkedBox(paintedPage(figure, box));
    ASSERT_FALSE(drawn.isEmpty());
    EXPECT_TRUE(QRectF(box.topLeft(), size).toAlignedRect().adjusted(-1, -1, 1, 1).contains(drawn))
        << drawn.x() << "," << drawn.y() << " " << drawn.width() << "x" << drawn.height();
    // The text reaches across most of its measured size: it is not drawn smaller.
    EXPECT_GT(drawn.width(), size.width() * 0.8);
    EXPECT_GT(drawn.height(), size.height() * 0.6);
}

TEST(SongFigurePainter, TextIsMeasuredInTheMonospacedFace)
{
    const QSizeF one = textFigureSize("0123456789", 10);
    // DejaVu Sans Mono advances 0.602 of an em per character.
    EXPECT_NEAR(one.width(), 60.2, 0.3);

    struct Case {
        const char* name;
        QString text;
        double fontSize;
        QSizeF expected; // in units of `one`
    };
    const Case cases[] = {
        {"twice the size", "0123456789", 20, {2, 2}},
        {"three lines, the widest counts", "0123456789\nabc\n01234", 10, {1, 3}},
        {"a trailing line end is a line", "0123456789\n", 10, {1, 2}},
        {"a tab stops at the eighth column", "ab\tcd", 10, {1, 1}},
        {"half as many characters", "abcde", 10, {0.5, 1}},
    };
    for (const Case& c : cases) {
        const QSizeF size = textFigureSize(c.text, c.fontSize);
        EXPECT_NEAR(size.width(), c.expected.width() * one.width(), 0.01) << c.name;
        EXPECT_NEAR(size.height(), c.expected.height() * one.height(), 0.01) << c.name;
    }
}

TEST(SongFigurePainter, FiguresAreFittedToTheWidthNeverEnlarged)
{
    SongFigure picture = redRaster();
    picture.naturalSize = {200, 100};
    struct Case {
        const char* name;
        QSizeF natural;
        double maxWidth;
        QSizeF expected;
    };
    const Case cases[] = {
        {"too wide", {200, 100}, 100, {100, 50}},
        {"narrow enough", {50, 20}, 100, {50, 20}},
        {"just fits", {100, 30}, 100, {100, 30}},
    };
    for (const Case& c : cases) {
        picture.naturalSize = c.natural;
        EXPECT_EQ(fittedFigureSize(picture, c.maxWidth), c.expected) << c.name;
    }

    const SongFigure text = textBlockFigure("0123456789\n0123456789", 10);
    const QSizeF textSize = textFigureSize(text.text, text.fontSize);
    EXPECT_EQ(fittedFigureSize(text, 500), textSize);
    const QSizeF halved = fittedFigureSize(text, textSize.width() / 2);
    EXPECT_NEAR(halved.width(), textSize.width() / 2, 0.01);
    EXPECT_NEAR(halved.height(), textSize.height() / 2, 0.01);
}

TEST(SongFigurePainter, AMissingFigureTakesTheWidthAndRoomForItsMessage)
{
    SongFigure figure;
    figure.message = "Short.";
    const QSizeF wide = fittedFigureSize(figure, 400);
    EXPECT_EQ(wide.width(), 400);
    // Three lines of 10-point text and the room around them.
    EXPECT_GT(wide.height(), 3 * 10);
    EXPECT_LT(wide.height(), 3 * 10 * 1.4 + 14);

    figure.message = "LilyPond music needs lilypond, which is not installed. " + figure.message;
    const QSizeF narrow = fittedFigureSize(figure, 80);
    EXPECT_EQ(narrow.width(), 80);
    EXPECT_GT(narrow.height(), wide.height() * 1.5) << "the wrapped message is taller";
}

} // namespace
