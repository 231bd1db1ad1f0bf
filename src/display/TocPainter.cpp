#include "display/TocPainter.h"

#include "display/WindowColors.h"
#include "library/TocList.h"
#include "platform/Commands.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>

namespace partivo {

namespace {

constexpr double kHeaderHeight = 36;
constexpr double kButtonWidth = 64;
constexpr double kGap = 4;

QFont pixelFont(const QPainter& painter, double pixels, bool bold = false)
{
    QFont font = painter.font();
    font.setPixelSize(std::max(6, int(pixels)));
    font.setBold(bold);
    return font;
}

QColor tabText(const WindowColors& colors, int state)
{
    if (state == 1)
        return colors.colorForObj(TabsActColor);
    return state == 2 ? QColor(Qt::red) : colors.colorForObj(TabsInactColor);
}

void paintButton(QPainter& painter, const QRectF& rect, const QString& text, const QColor& color)
{
    painter.setPen(QPen(color, 1.5));
    painter.setBrush(Qt::NoBrush);
    painter.drawRoundedRect(rect.adjusted(1, 1, -1, -1), 6, 6);
    painter.drawText(rect, Qt::AlignCenter, text);
}

void paintEntry(QPainter& painter, const TocItemView& item, const WindowColors& colors,
                const QRectF& row)
{
    if (item.state == 1)
        return;
    const double h = row.height();
    const double keySide = std::min(h - 4, 28.0);
    const QRectF key(row.left() + 4, row.center().y() - keySide / 2, keySide, keySide);
    const QColor text = colors.colorForObj(ChordProLyricsColor);
    if (item.section) {
        const double boxHeight = std::min(h, 28.0);
        if (item.box)
            painter.fillRect(QRectF(row.left() + 2, row.center().y() - boxHeight / 2,
                                    row.width() - 4, boxHeight),
                             colors.colorForObj(ListSectColor));
        painter.setFont(pixelFont(painter, std::min(24.0, h * 0.7), true));
        painter.setPen(text);
        painter.drawText(
            row.adjusted(8, 0, -8, 0), Qt::AlignVCenter | Qt::AlignLeft,
            QFontMetricsF(painter.font()).elidedText(item.titre, Qt::ElideRight, row.width() - 16));
        return;
    }
    if (item.state == 0) {
        painter.setPen(QPen(colors.colorForObj(ListColor), 1.5));
        painter.setBrush(Qt::NoBrush);
        painter.drawRoundedRect(key, 5, 5);
        painter.setFont(pixelFont(painter, keySide * 0.6, true));
        painter.drawText(key, Qt::AlignCenter, item.key);
    }
    const QFont titleFont = pixelFont(painter, std::min(18.0, h * 0.6));
    const QFont artistFont = pixelFont(painter, std::min(14.0, h * 0.45));
    const QFontMetricsF titleMetrics(titleFont);
    const QFontMetricsF artistMetrics(artistFont);
    const QString played = item.played;
    const double playedWidth = played.isEmpty() ? 0 : titleMetrics.horizontalAdvance(played) + 8;
    const double x = key.right() + 10;
    const double room = std::max(0.0, row.right() - 6 - playedWidth - x);
    const bool withArtist = item.state == 0 && !item.auteur.isEmpty();
    const QString title =
        titleMetrics.elidedText(item.titre, Qt::ElideRight, withArtist ? room * 0.65 : room);
    const double titleWidth = titleMetrics.horizontalAdvance(title);
    const QRectF titleRect(x, row.top(), titleWidth, h);
    QRectF artistRect;
    QString artist;
    if (withArtist) {
        const double ax = titleRect.right() + 12;
        artist =
            artistMetrics.elidedText(item.auteur, Qt::ElideRight, std::max(0.0, x + room - ax));
        artistRect = QRectF(ax, row.top(), artistMetrics.horizontalAdvance(artist), h);
    }
    if (item.box) {
        const QRectF around = item.boxOnArtist && withArtist ? artistRect : titleRect;
        QPainterPath box;
        box.addRoundedRect(QRectF(around.left() - 2, row.top() + 2, around.width() + 4, h - 4), 10,
                           10);
        painter.fillPath(box, colors.colorForObj(ListHighColor));
    }
    painter.setPen(text);
    painter.setFont(titleFont);
    painter.drawText(titleRect, Qt::AlignVCenter | Qt::AlignLeft, title);
    if (withArtist) {
        painter.setFont(artistFont);
        painter.drawText(artistRect, Qt::AlignVCenter | Qt::AlignLeft, artist);
    }
    if (!played.isEmpty()) {
        painter.setFont(titleFont);
        painter.drawText(QRectF(row.right() - playedWidth, row.top(), playedWidth, h),
                         Qt::AlignCenter, played);
    }
}

} // namespace

TocGeometry::TocGeometry(const QRectF& area, const TocScene& toc)
{
    const bool rightColumn = toc.rightColumn;
    header = QRectF(area.left(), area.top(), area.width(), std::min(kHeaderHeight, area.height()));
    double right = header.right();
    const std::pair<QRectF*, bool> buttons[] = {
        {&filterButton, toc.filterButton},
        {&exportButton, toc.exportButton},
        {&listButton, toc.listButton},
    };
    for (const auto& [button, shown] : buttons) {
        if (!shown)
            continue;
        *button = QRectF(right - kButtonWidth, header.top() + 4, kButtonWidth, header.height() - 8);
        right = button->left() - kGap;
    }
    const double labels = std::max(0.0, right - header.left() - 8);
    label1 = QRectF(header.left() + 8, header.top(), labels * 0.7, header.height());
    label2 = QRectF(label1.right(), header.top(), labels * 0.3, header.height());
    const QRectF body(area.left(), header.bottom() + kGap, area.width(),
                      std::max(0.0, area.bottom() - header.bottom() - kGap));
    if (rightColumn) {
        const double half = std::max(0.0, (body.width() - kGap) / 2);
        columns[0] = QRectF(body.left(), body.top(), half, body.height());
        columns[1] = QRectF(columns[0].right() + kGap, body.top(), half, body.height());
    } else {
        columns[0] = body;
    }
    rowHeight = body.height() / kTocColumn;
}

QRectF TocGeometry::entry(int n) const
{
    if (n < 0 || n >= kTocEntries || columns[n / kTocColumn].isEmpty())
        return {};
    const QRectF& column = columns[n / kTocColumn];
    return QRectF(column.left(), column.top() + (n % kTocColumn) * rowHeight, column.width(),
                  rowHeight);
}

QRectF tabButtonRect(const QRectF& leftBar, const QRectF& rightBar, int tab)
{
    if (tab < 0 || tab >= kTabButtons)
        return {};
    const QRectF& bar = tab < 5 ? leftBar : rightBar;
    const double length = bar.height() / 5;
    return QRectF(bar.left(), bar.top() + (tab % 5) * length + 1, bar.width(), length - 2);
}

int tocCommandAt(const TocScene& toc, const TocGeometry& geometry, const QPointF& point)
{
    if (!toc.open)
        return 0;
    if (toc.listButton && geometry.listButton.contains(point))
        return cmd::CmdEnter;
    if (toc.exportButton && geometry.exportButton.contains(point))
        return cmd::ExportList;
    if (toc.filterButton && geometry.filterButton.contains(point))
        return cmd::SongList;
    return 0;
}

void paintTabBars(QPainter& painter, const TocScene& toc, const WindowColors& colors,
                  const QRectF& leftBar, const QRectF& rightBar)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setFont(pixelFont(painter, 13, true));
    for (int t = 0; t < kTabButtons; ++t) {
        const QRectF rect = tabButtonRect(leftBar, rightBar, t);
        if (rect.isEmpty())
            continue;
        const TabButtonView& tab = toc.tabs[size_t(t)];
        const QColor back =
            colors.colorForObj(tab.state == 1 ? TabsActBackColor : TabsInactBackColor);
        QPainterPath path;
        path.addRoundedRect(rect, 4, 4);
        painter.fillPath(path, back);
        painter.save();
        painter.translate(rect.center());
        painter.rotate(t < 5 ? -90 : 90);
        const QRectF turned(-rect.height() / 2, -rect.width() / 2, rect.height(), rect.width());
        painter.setPen(tabText(colors, tab.state));
        painter.drawText(turned, Qt::AlignCenter,
                         QFontMetricsF(painter.font())
                             .elidedText(tab.title, Qt::ElideRight, turned.width() - 6));
        painter.restore();
    }
    painter.restore();
}

void paintToc(QPainter& painter, const TocScene& toc, const WindowColors& colors,
              const QRectF& area)
{
    if (!toc.open || area.isEmpty())
        return;
    const TocGeometry g(area, toc);
    painter.save();
    painter.setClipRect(area);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillRect(area, colors.colorForObj(BackColor));
    const QColor headerText = colors.colorForObj(ActColor);
    painter.setPen(headerText);
    painter.setFont(pixelFont(painter, 20, true));
    painter.drawText(
        g.label1, Qt::AlignVCenter | Qt::AlignLeft,
        QFontMetricsF(painter.font()).elidedText(toc.label1, Qt::ElideRight, g.label1.width()));
    painter.setFont(pixelFont(painter, 16));
    painter.drawText(g.label2, Qt::AlignVCenter | Qt::AlignRight, toc.label2);
    painter.setFont(pixelFont(painter, 14));
    if (toc.listButton)
        paintButton(painter, g.listButton, QStringLiteral("List"), headerText);
    if (toc.exportButton)
        paintButton(painter, g.exportButton, QStringLiteral("Export"), headerText);
    if (toc.filterButton)
        paintButton(painter, g.filterButton, QStringLiteral("Filter"), headerText);
    const int entries = toc.rightColumn ? kTocEntries : kTocColumn;
    for (const QRectF& column : g.columns) {
        if (!column.isEmpty())
            painter.fillRect(column, colors.colorForObj(ChordProBackgroundColor));
    }
    for (int n = 0; n < entries; ++n)
        paintEntry(painter, toc.items[size_t(n)], colors, g.entry(n));
    painter.restore();
}

} // namespace partivo
