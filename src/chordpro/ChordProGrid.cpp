#include "chordpro/ChordProGrid.h"

#include <algorithm>

namespace partivo::chordpro {

QStringList gridCells(const QString& text)
{
    return text.split(u' ', Qt::SkipEmptyParts);
}

bool isGridBar(const QString& cell)
{
    return !cell.isEmpty() && cell.contains(u'|') &&
           std::all_of(cell.begin(), cell.end(),
                       [](QChar c) { return c == u'|' || c == u':' || c == u'.'; });
}

QList<qsizetype> gridColumnWidths(const QList<QStringList>& rows)
{
    QList<qsizetype> widths;
    for (const QStringList& row : rows) {
        if (widths.size() < row.size())
            widths.resize(row.size(), 0);
        for (qsizetype i = 0; i < row.size(); ++i)
            widths[i] = std::max(widths[i], row[i].size());
    }
    return widths;
}

} // namespace partivo::chordpro
