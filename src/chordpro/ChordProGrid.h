#pragma once

#include <QList>
#include <QString>
#include <QStringList>

namespace partivo::chordpro {

// The cells of a grid line ("| Am . . . | C . . . |"), split at blanks.
QStringList gridCells(const QString& text);

// Bars and repeat signs of a grid: "|", "||", "|.", "|:", ":|", ":|:" and the like.
bool isGridBar(const QString& cell);

// The width in characters of each column over all the rows of one grid, so that bars and
// chords stand under one another.
QList<qsizetype> gridColumnWidths(const QList<QStringList>& rows);

} // namespace partivo::chordpro
