#include "chordpro/ChordProPainter.h"

#include "chordpro/ChordDiagramPainter.h"
#include "chordpro/ChordProFontMetrics.h"
#include "chordpro/SongFigurePainter.h"

#include <QPaintDevice>
#include <QPainter>
#include <QPen>
#include <algorithm>
#include <array>
#include <cstddef>

namespace partivo::chordpro {

namespace {

QColor colorOf(ColorRole role, const ChordProColors& colors)
{
    switch (role) {
    case ColorRole::None:
        return QColor();
    case ColorRole::textColor:
        return colors.textColor;
    case ColorRole::chordColor:
        return colors.chordColor;
    case ColorRole::textHColor:
        return colors.textHColor;
    case ColorRole::directiveColor:
        return colors.directiveColor;
    case ColorRole::directiveColorBack:
        return colors.directiveColorBack;
    case ColorRole::indentColor:
        return colors.indentColor;
    case ColorRole::red:
        return QColor(Qt::red);
    }
    return QColor();
}

bool isBlank(const QString& text)
{
    return std::all_of(text.begin(), text.end(), [](QChar c) { return c == u' '; });
}

// Text is drawn in the face's design font scaled down to its size, so that fractional sizes
// come out exact; the design font is sized for the device's dots per inch so that one unit
// of the painter's coordinates stays one point.
class DesignFonts {
public:
    explicit DesignFonts(const QPainter& painter)
    {
        const QPaintDevice* device = painter.device();
        const double dpi = device && device->logicalDpiY() > 0 ? device->logicalDpiY() : 72;
        for (FontFace face :
             {FontFace::Mono, FontFace::MonoBold, FontFace::SansBold, FontFace::MonoItalic})
            fonts_[static_cast<std::size_t>(face)] = chordProDesignFont(face, dpi);
    }

    // Draws text with its baseline's left end at `origin`.
    void draw(QPainter& painter, const ChordProFont& font, QPointF origin,
              const QString& text) const
    {
        const double scale = font.pointSize / kDesignPointSize;
        if (!(scale > 0))
            return;
        painter.save();
        painter.translate(origin);
        painter.scale(scale, scale);
        painter.setFont(fonts_[static_cast<std::size_t>(font.face)]);
        painter.drawText(QPointF(0, 0), text);
        painter.restore();
    }

private:
    std::array<QFont, kFontFaceCount> fonts_;
};

void paintHeader(QPainter& painter, const ChordProPageView& view, const ChordProColors& colors,
                 const DesignFonts& fonts)
{
    const ChordProFont font =
        fontFor(attrDicStyle(AttrDic::headerAttrDic).font, view.attributes.fontSize, {});
    painter.setPen(colors.textColor);
    fonts.draw(painter, font, QPointF(0, view.attributes.baselineH), view.header);
}

void paintRow(QPainter& painter, const ChordProRow& row, double left, const ChordProPageView& view,
              const ChordProColors& colors, const DesignFonts& fonts)
{
    left += row.left;
    if (row.kind == RowKind::Figure && row.figure) {
        paintSongFigure(painter, *row.figure, QRectF(left, row.top, row.width, row.height),
                        colors.textColor, colors.directiveColorBack);
        return;
    }
    if (row.kind == RowKind::Diagrams) {
        const double cell = chordDiagramSize(view.attributes.fontSize).width();
        for (qsizetype i = 0; i < row.diagrams.size(); ++i)
            paintChordDiagram(painter,
                              QRectF(left + i * row.diagramWidth, row.top, cell, row.height),
                              row.diagrams[i], colors.textColor);
        return;
    }
    if (row.framed) {
        const double inset = row.height / 10;
        painter.save();
        painter.setPen(QPen(colors.textColor, std::max(0.5, inset / 2)));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(QRectF(left - inset, row.top, row.width + 2 * inset, row.height));
        painter.restore();
    }
    for (const ChordProRun& run : row.runs) {
        const AttrDicStyle& style = attrDicStyle(run.attr);
        const double x = left + run.x;
        const QColor background = colorOf(style.background, colors);
        if (background.isValid())
            painter.fillRect(QRectF(x, row.top, run.width, row.height), background);
        if (isBlank(run.text))
            continue;
        painter.setPen(colorOf(style.foreground, colors));
        fonts.draw(painter, fontFor(style.font, view.attributes.fontSize, view.attributes.bold),
                   QPointF(x, row.top + row.baseline), run.text);
    }
}

} // namespace

void paintChordProPage(QPainter& painter, const ChordProPageView& view,
                       const ChordProColors& colors)
{
    const QRectF area(QPointF(0, 0), view.viewSize);
    painter.save();
    painter.setClipRect(area, Qt::IntersectClip);
    painter.fillRect(area, colors.backgroundColor);
    const DesignFonts fonts(painter);
    if (!view.header.isEmpty())
        paintHeader(painter, view, colors, fonts);
    if (view.scale > 0) {
        painter.translate(0, view.headerHeight + view.padding);
        painter.scale(view.scale, view.scale);
        const double width = view.viewSize.width() / view.scale;
        for (const ChordProRow& row : view.rows) {
            const double left = view.centred ? (width - row.width) / 2 : 0;
            paintRow(painter, row, left, view, colors, fonts);
        }
    }
    painter.restore();
}

} // namespace partivo::chordpro
