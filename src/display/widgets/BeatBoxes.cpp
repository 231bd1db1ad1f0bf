#include "display/widgets/BeatBoxes.h"

#include <QPainter>
#include <algorithm>

namespace partivo {

namespace {

constexpr int kBox = 18;
constexpr int kGap = 4;

} // namespace

BeatBoxes::BeatBoxes(QWidget* parent) : QWidget(parent)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void BeatBoxes::showBeats(const MetroBeats& beats)
{
    if (count_ == beats.count && lit_ == beats.lit && color_ == beats.color)
        return;
    const bool resized = count_ != beats.count;
    count_ = beats.count;
    lit_ = beats.lit;
    color_ = beats.color;
    accent_ = beats.accent;
    label_ = beats.label;
    setVisible(count_ > 0);
    if (resized)
        updateGeometry();
    update();
}

QSize BeatBoxes::sizeHint() const
{
    return {count_ * (kBox + kGap), kBox};
}

double BeatBoxes::boxSide() const
{
    if (!fit_ || count_ < 1)
        return kBox;
    return std::max<double>(kBox, std::min<double>(height(), double(width()) / count_ - kGap));
}

void BeatBoxes::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const double side = boxSide();
    const double top = fit_ ? (height() - side) / 2 : (height() - kBox) / 2;
    if (fit_) {
        QFont font = painter.font();
        font.setPointSizeF(std::max(6.0, side * 0.45));
        painter.setFont(font);
    }
    for (int box = 1; box <= count_; ++box) {
        const QRectF r((box - 1) * (side + kGap), top, side, side);
        // By signature the first beat is the accented one.
        const QColor fill = count_ == 4 && box == 1 ? accent_ : color_;
        painter.setPen(QPen(fill, 1.5));
        painter.setBrush(box == lit_ ? QBrush(fill) : Qt::NoBrush);
        painter.drawRoundedRect(r.adjusted(1, 1, -1, -1), 3, 3);
        if (count_ == 4) {
            painter.setPen(box == lit_ ? QColor(Qt::black) : label_);
            painter.drawText(r, Qt::AlignCenter, QString::number(box));
        }
    }
}

} // namespace partivo
