#include "chordpro/SongFigurePainter.h"

#include "chordpro/ChordProFontMetrics.h"

#include <QFontMetricsF>
#include <QPaintDevice>
#include <QPainter>
#include <QSvgRenderer>
#include <algorithm>

namespace partivo::chordpro {

namespace {

constexpr const char* kTextFamily = "DejaVu Sans Mono";
constexpr const char* kMessageFamily = "DejaVu Sans";
// Missing pictures: the size of the message's letters and the room around it, in points.
constexpr double kMessageSize = 10;
constexpr double kMessagePadding = 6;
constexpr int kMessageMinLines = 3;
constexpr int kTabColumns = 8;
// 72 dots per inch in dots per metre, rounded so that the device reports exactly 72.
constexpr int kDotsPerMetre72 = 2835;

// As with the song's own text, letters are measured and drawn at the design size and scaled,
// so that fractional sizes are exact and one unit stays one point whatever the device.
QFont designFont(const char* family, bool monospaced, double dotsPerInch = 72)
{
    QFont font(QString::fromLatin1(family));
    font.setStyleHint(monospaced ? QFont::Monospace : QFont::SansSerif);
    font.setPointSizeF(kDesignPointSize * 72 / dotsPerInch);
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}

// Metrics of the design font against a 72 dots-per-inch device.
QFontMetricsF designMetrics(const char* family, bool monospaced)
{
    QImage device(1, 1, QImage::Format_ARGB32_Premultiplied);
    device.setDotsPerMeterX(kDotsPerMetre72);
    device.setDotsPerMeterY(kDotsPerMetre72);
    return QFontMetricsF(designFont(family, monospaced), &device);
}

QFontMetricsF textMetrics()
{
    return designMetrics(kTextFamily, true);
}

QFontMetricsF messageMetrics()
{
    return designMetrics(kMessageFamily, false);
}

double deviceDpi(const QPainter& painter)
{
    const QPaintDevice* device = painter.device();
    return device && device->logicalDpiY() > 0 ? device->logicalDpiY() : 72;
}

QString expandTabs(const QString& line)
{
    if (!line.contains(u'\t'))
        return line;
    QString expanded;
    for (QChar c : line) {
        if (c == u'\t')
            expanded.append(QString(kTabColumns - expanded.size() % kTabColumns, u' '));
        else
            expanded.append(c);
    }
    return expanded;
}

QStringList textLines(const QString& text)
{
    QStringList lines = text.split(u'\n');
    for (QString& line : lines)
        line = expandTabs(line);
    return lines;
}

// The largest rectangle of the picture's proportions inside the box, centred across and at
// the top.
QRectF pictureRect(QSizeF natural, const QRectF& box)
{
    if (natural.isEmpty() || box.isEmpty())
        return {};
    const QSizeF size = natural.scaled(box.size(), Qt::KeepAspectRatio);
    return {box.left() + (box.width() - size.width()) / 2, box.top(), size.width(), size.height()};
}

void paintText(QPainter& painter, const SongFigure& figure, const QRectF& box, const QColor& ink)
{
    const QSizeF natural = textFigureSize(figure.text, figure.fontSize);
    if (natural.isEmpty())
        return;
    const double shrink =
        std::min({1.0, box.width() / natural.width(), box.height() / natural.height()});
    const double scale = figure.fontSize * shrink / kDesignPointSize;
    if (!(scale > 0))
        return;
    const QFontMetricsF metrics = textMetrics();
    painter.translate(box.topLeft());
    painter.scale(scale, scale);
    painter.setFont(designFont(kTextFamily, true, deviceDpi(painter)));
    painter.setPen(ink);
    double baseline = metrics.ascent();
    for (const QString& line : textLines(figure.text)) {
        painter.drawText(QPointF(0, baseline), line);
        baseline += metrics.lineSpacing();
    }
}

void paintMissing(QPainter& painter, const SongFigure& figure, const QRectF& box, const QColor& ink,
                  const QColor& frame)
{
    // The 1-point frame is drawn just inside the box.
    painter.setPen(QPen(frame, 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(box.adjusted(0.5, 0.5, -0.5, -0.5));
    const QRectF inside =
        box.adjusted(kMessagePadding, kMessagePadding, -kMessagePadding, -kMessagePadding);
    if (inside.isEmpty())
        return;
    const double scale = kMessageSize / kDesignPointSize;
    painter.setClipRect(box.adjusted(1, 1, -1, -1));
    painter.translate(inside.topLeft());
    painter.scale(scale, scale);
    painter.setFont(designFont(kMessageFamily, false, deviceDpi(painter)));
    painter.setPen(ink);
    painter.drawText(QRectF(QPointF(0, 0), inside.size() / scale), Qt::TextWordWrap,
                     figure.message);
}

} // namespace

QSizeF textFigureSize(const QString& text, double fontSize)
{
    if (!(fontSize > 0))
        return {};
    const QFontMetricsF metrics = textMetrics();
    const QStringList lines = textLines(text);
    double width = 0;
    for (const QString& line : lines)
        width = std::max(width, metrics.horizontalAdvance(line));
    const double scale = fontSize / kDesignPointSize;
    return {width * scale, double(lines.size()) * metrics.lineSpacing() * scale};
}

QSizeF fittedFigureSize(const SongFigure& figure, double maxWidth)
{
    if (!(maxWidth > 0))
        return {};
    if (figure.kind == SongFigure::Kind::Missing) {
        const double scale = kMessageSize / kDesignPointSize;
        const double textWidth = std::max(1.0, maxWidth - 2 * kMessagePadding) / scale;
        const QFontMetricsF metrics = messageMetrics();
        const double wrapped =
            metrics.boundingRect(QRectF(0, 0, textWidth, 1e9), Qt::TextWordWrap, figure.message)
                .height();
        const double lines = kMessageMinLines * metrics.lineSpacing();
        return {maxWidth, std::max(wrapped, lines) * scale + 2 * kMessagePadding};
    }
    const QSizeF natural = figure.kind == SongFigure::Kind::Text
                               ? textFigureSize(figure.text, figure.fontSize)
                               : figure.naturalSize;
    if (natural.isEmpty() || natural.width() <= maxWidth)
        return natural;
    return natural * (maxWidth / natural.width());
}

void paintSongFigure(QPainter& painter, const SongFigure& figure, const QRectF& box,
                     const QColor& ink, const QColor& frame)
{
    painter.save();
    switch (figure.kind) {
    case SongFigure::Kind::Svg: {
        QSvgRenderer renderer(figure.svg);
        const QRectF target = pictureRect(figure.naturalSize, box);
        if (renderer.isValid() && !target.isEmpty())
            renderer.render(&painter, target);
        break;
    }
    case SongFigure::Kind::Raster: {
        const QRectF target = pictureRect(figure.naturalSize, box);
        if (!figure.image.isNull() && !target.isEmpty()) {
            painter.setRenderHint(QPainter::SmoothPixmapTransform);
            painter.drawImage(target, figure.image);
        }
        break;
    }
    case SongFigure::Kind::Text:
        paintText(painter, figure, box, ink);
        break;
    case SongFigure::Kind::Missing:
        paintMissing(painter, figure, box, ink, frame);
        break;
    }
    painter.restore();
}

} // namespace partivo::chordpro
