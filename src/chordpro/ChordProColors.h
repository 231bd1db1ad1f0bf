#pragma once

#include <QColor>

namespace partivo::chordpro {

// The colours a ChordPro page is painted with. A display window hands in its own settings;
// the defaults are those of a renderer without an owner.
struct ChordProColors {
    QColor chordColor = Qt::red;
    QColor textColor = Qt::black;
    QColor textHColor = Qt::yellow;        // highlighted lyrics background
    QColor directiveColor = Qt::white;     // comment text
    QColor directiveColorBack = Qt::black; // comment background
    QColor indentColor = Qt::black;        // chorus bar
    QColor backgroundColor = Qt::white;    // page background
};

} // namespace partivo::chordpro
