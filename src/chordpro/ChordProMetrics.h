#pragma once

#include "chordpro/ChordProStyles.h"

#include <QSizeF>
#include <QStringView>

namespace partivo::chordpro {

// Text measurement in points (one unit = 1/72 inch), independent of any screen. The layout
// only ever measures through this, so tests can hand it made-up widths.
class ChordProMetrics {
public:
    virtual ~ChordProMetrics() = default;
    virtual double textWidth(const ChordProFont& font, QStringView text) const = 0;
    // Ascent plus descent: the height the font's glyphs need.
    virtual double lineHeight(const ChordProFont& font) const = 0;
    virtual double ascent(const ChordProFont& font) const = 0;
};

// Height of one line drawn with an attribute set: the font's line height, cut to the
// paragraph's maximum line height, plus the paragraph's line spacing.
double lineHeightOf(const ChordProMetrics& metrics, AttrDic attr, double s, ChordProBold bold);
// Distance from the top of such a line to the baseline: the glyphs sit at the bottom of the
// (possibly cut) line box, the spacing below them.
double baselineOf(const ChordProMetrics& metrics, AttrDic attr, double s, ChordProBold bold);

// The fonts of one font size and the size of a single space in each attribute set the
// layout counts with.
struct ChordProAttributes {
    double fontSize = 17.0;
    ChordProBold bold;
    QSizeF fontSizeH;     // headerAttrDic
    QSizeF fontSize1;     // textAttrDic: chord and lyrics lines
    QSizeF fontSizeCR;    // textAttrDicCR: empty lines
    QSizeF fontSize2;     // spacerAttrDic
    QSizeF fontSize3;     // directiveAttrDic: comment text
    QSizeF fontSize4;     // directiveAttrDicSpacer: the band above a comment
    QSizeF fontSizeLR;    // spacerAttrDicLR: the page-break mark
    double baselineH = 0; // of the header line, from its top

    static ChordProAttributes measure(const ChordProMetrics& metrics, double s, ChordProBold bold);
};

} // namespace partivo::chordpro
