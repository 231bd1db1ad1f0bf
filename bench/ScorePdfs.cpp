#include "ScorePdfs.h"

#include <QPainter>
#include <QPdfWriter>
#include <QRandomGenerator>

namespace partivo::bench {

namespace {

// One line of music: five staff lines, a clef-like mark, bar lines and beamed notes.
void drawStaff(QPainter& painter, double left, double top, double width, int notes, int seed)
{
    constexpr double kGap = 6; // between staff lines, in points
    painter.setPen(QPen(Qt::black, 0.6));
    for (int line = 0; line < 5; ++line)
        painter.drawLine(QPointF(left, top + line * kGap),
                         QPointF(left + width, top + line * kGap));
    painter.setBrush(Qt::black);
    painter.drawEllipse(QRectF(left + 4, top + 2, 8, 20));
    const double step = (width - 30) / notes;
    for (int i = 0; i < notes; ++i) {
        const double x = left + 24 + i * step;
        if (i % 8 == 0)
            painter.drawLine(QPointF(x - step / 2, top), QPointF(x - step / 2, top + 4 * kGap));
        const double y = top + ((i * 7 + seed * 3) % 11) * kGap / 2 - kGap / 2;
        painter.save();
        painter.translate(x, y);
        painter.rotate(-20);
        painter.drawEllipse(QRectF(-3.5, -2.5, 7, 5));
        painter.restore();
        painter.drawLine(QPointF(x + 3, y), QPointF(x + 3, y - 18));
        if (i % 2 == 1)
            painter.drawRect(QRectF(x + 3 - step, y - 19, step, 2.5));
        if (i % 5 == 2)
            painter.drawEllipse(QRectF(x + 6, y - 1, 2, 2)); // a dotted note
    }
}

} // namespace

// A PDF of A4 score pages drawn as vectors: a title, staves of notes and lyrics under them.
QString writeVectorPdf(const QString& path, int pages, int staves, int notesPerStaff)
{
    QPdfWriter writer(path);
    writer.setPageSize(QPageSize(QPageSize::A4));
    writer.setPageMargins(QMarginsF(0, 0, 0, 0));
    writer.setResolution(72); // one device unit per point
    QPainter painter(&writer);
    painter.setRenderHint(QPainter::Antialiasing);
    QFont font = painter.font();
    const double width = writer.width();
    for (int page = 0; page < pages; ++page) {
        if (page > 0)
            writer.newPage();
        font.setPointSizeF(16);
        painter.setFont(font);
        painter.setPen(Qt::black);
        painter.drawText(QRectF(0, 20, width, 30), Qt::AlignCenter,
                         QStringLiteral("Study in G, page %1").arg(page + 1));
        font.setPointSizeF(7);
        painter.setFont(font);
        const double spacing = (writer.height() - 90.0) / staves;
        for (int staff = 0; staff < staves; ++staff) {
            const double top = 70 + staff * spacing;
            drawStaff(painter, 40, top, width - 80, notesPerStaff, page + staff);
            painter.setPen(Qt::black);
            painter.drawText(QPointF(60, top + 40),
                             QStringLiteral("Walk a-long the ri-ver, sing a-gain, bar %1")
                                 .arg(page * staves + staff + 1));
        }
    }
    return path;
}

namespace {

// A page as a scanner gives it: paper grain all over, with dark staves and note blobs.
QImage scannedPage(const QImage& grain, int page)
{
    QImage image = grain.copy();
    QPainter painter(&image);
    painter.setPen(QPen(QColor(40, 40, 40), 5));
    painter.setBrush(QColor(30, 30, 30));
    for (int staff = 0; staff < 12; ++staff) {
        const int top = 300 + staff * 260;
        for (int line = 0; line < 5; ++line)
            painter.drawLine(150, top + line * 25, 2330, top + line * 25 + (page % 3) - 1);
        for (int note = 0; note < 32; ++note) {
            const int x = 260 + note * 64;
            const int y = top + ((note * 5 + page + staff) % 9) * 12 - 12;
            painter.drawEllipse(QRect(x, y, 28, 20));
            painter.drawLine(x + 27, y + 8, x + 27, y - 70);
        }
    }
    return image;
}

} // namespace

// A PDF of A4 pages, each one greyscale scan of 2480x3508 pixels (300 dpi).
QString writeScannedPdf(const QString& path, int pages)
{
    QImage grain(2480, 3508, QImage::Format_Grayscale8);
    QRandomGenerator random(42);
    for (int y = 0; y < grain.height(); ++y) {
        uchar* line = grain.scanLine(y);
        for (int x = 0; x < grain.width(); ++x)
            line[x] = uchar(225 + random.bounded(30));
    }
    QPdfWriter writer(path);
    writer.setPageSize(QPageSize(QPageSize::A4));
    writer.setPageMargins(QMarginsF(0, 0, 0, 0));
    writer.setResolution(300);
    QPainter painter(&writer);
    for (int page = 0; page < pages; ++page) {
        if (page > 0)
            writer.newPage();
        painter.drawImage(QRect(0, 0, writer.width(), writer.height()), scannedPage(grain, page));
    }
    return path;
}

} // namespace partivo::bench
