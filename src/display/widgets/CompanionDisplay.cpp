#include "display/widgets/CompanionDisplay.h"

#include "display/widgets/BeatBoxes.h"

#include <QPainter>
#include <QResizeEvent>

namespace partivo {

namespace {

constexpr double kMargin = 4;
// Text fills at most this part of its row's height.
constexpr double kTextHeight = 0.8;

QString joined(const QList<HeaderPart>& line)
{
    QString text;
    for (const HeaderPart& part : line)
        text += part.text;
    return text;
}

// The largest font in which the text fits the box.
QFont fittedFont(QFont font, const QString& text, const QSizeF& box)
{
    font.setHintingPreference(QFont::PreferNoHinting);
    font.setPointSizeF(100);
    const QFontMetricsF metrics(font);
    const double width = std::max(1.0, metrics.horizontalAdvance(text));
    const double scale =
        std::min(box.width() / width, box.height() * kTextHeight / metrics.height());
    font.setPointSizeF(std::clamp(100 * scale, 4.0, 400.0));
    return font;
}

} // namespace

CompanionDisplay::CompanionDisplay(int winType, DisplayWindows& windows, NotificationCenter& center,
                                   Timers& timers, QWidget* parent)
    : DisplayWindow(std::make_unique<CompanionWindow>(winType, windows, center, timers), center,
                    parent),
      companion_(static_cast<CompanionWindow*>(&logic())), beats_(new BeatBoxes(this))
{
    setWindowTitle(companion_->obtenirTitle());
    setWindowFlag(Qt::WindowStaysOnTopHint, true);
    setNoteLineHidden(true); // the note, where shown, is one of the scene's lines
    beats_->setFitToSize(true);
    companion_->setSceneObserver([this] { showScene(); });
    showScene();
}

QStringList CompanionDisplay::shownLines() const
{
    QStringList lines;
    for (const QList<HeaderPart>& line : companion_->scene().lines)
        lines << joined(line);
    return lines;
}

QList<QRectF> CompanionDisplay::rows() const
{
    const CompanionScene& scene = companion_->scene();
    const qsizetype count = scene.lines.size() + (scene.beats.count > 0 ? 1 : 0);
    QList<QRectF> rows;
    if (count == 0)
        return rows;
    const QRectF area = QRectF(rect()).adjusted(kMargin, kMargin, -kMargin, -kMargin);
    const double height = area.height() / double(count);
    for (qsizetype i = 0; i < count; ++i)
        rows << QRectF(area.left(), area.top() + double(i) * height, area.width(), height);
    return rows;
}

void CompanionDisplay::showScene()
{
    const CompanionScene& scene = companion_->scene();
    beats_->showBeats(scene.beats);
    const QList<QRectF> all = rows();
    if (scene.beats.count > 0 && !all.isEmpty())
        beats_->setGeometry(all.last().toAlignedRect());
    update();
}

void CompanionDisplay::resizeEvent(QResizeEvent* event)
{
    DisplayWindow::resizeEvent(event);
    companion_->resized(QSizeF(event->size()));
    showScene();
}

void CompanionDisplay::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const CompanionScene& scene = companion_->scene();
    if (scene.bar)
        painter.fillRect(*scene.bar, scene.barColor);
    const QList<QRectF> all = rows();
    for (qsizetype i = 0; i < scene.lines.size() && i < all.size(); ++i) {
        const QList<HeaderPart>& line = scene.lines[i];
        const QString text = joined(line);
        if (text.isEmpty())
            continue;
        painter.setFont(fittedFont(font(), text, all[i].size()));
        const QFontMetricsF metrics(painter.font());
        // The parts one after the other, the whole line centred in its row.
        double x = all[i].center().x() - metrics.horizontalAdvance(text) / 2;
        const double baseline = all[i].center().y() + (metrics.ascent() - metrics.descent()) / 2;
        for (const HeaderPart& part : line) {
            painter.setPen(part.color);
            painter.drawText(QPointF(x, baseline), part.text);
            x += metrics.horizontalAdvance(part.text);
        }
    }
}

} // namespace partivo
