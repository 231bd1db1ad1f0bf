#pragma once

#include "library/Pieces.h"
#include "library/PiecesDet.h"

#include <QColor>
#include <QPainter>
#include <QPdfWriter>
#include <memory>

namespace partivo {

inline const QColor kPageColors[] = {QColor(200, 0, 0), QColor(0, 160, 0), QColor(0, 0, 220)};

// A PDF of A4 pages, each filled with its own colour (kPageColors in turn).
inline QString writePdf(const QString& path, int pages)
{
    QPdfWriter writer(path);
    writer.setPageSize(QPageSize(QPageSize::A4));
    writer.setPageMargins(QMarginsF(0, 0, 0, 0));
    QPainter painter(&writer);
    for (int i = 0; i < pages; ++i) {
        if (i > 0)
            writer.newPage();
        painter.fillRect(QRect(0, 0, writer.width(), writer.height()), kPageColors[i % 3]);
    }
    return path;
}

// A song entry for a file.
inline std::shared_ptr<Pieces> song(const QString& path)
{
    auto piece = std::make_shared<Pieces>();
    piece->pieceDet = std::make_shared<PiecesDet>();
    piece->pieceDet->fichier = path;
    return piece;
}

// Colours equal up to the rounding of rendering.
inline bool near(const QColor& a, const QColor& b)
{
    return std::abs(a.red() - b.red()) < 10 && std::abs(a.green() - b.green()) < 10 &&
           std::abs(a.blue() - b.blue()) < 10;
}

} // namespace partivo
