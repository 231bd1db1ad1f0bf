#include "chordpro/ChordProMetrics.h"

#include <algorithm>

namespace partivo::chordpro {

namespace {

struct LineBox {
    double glyphs;  // the part of the line the glyphs take
    double spacing; // below them
};

LineBox lineBoxOf(const ChordProMetrics& metrics, AttrDic attr, double s, ChordProBold bold)
{
    const AttrDicStyle& style = attrDicStyle(attr);
    const Paragraph paragraph = paragraphFor(style.paragraph, s);
    const double natural = metrics.lineHeight(fontFor(style.font, s, bold));
    return {std::min(natural, paragraph.maxLineHeight), paragraph.lineSpacing};
}

QSizeF spaceSize(const ChordProMetrics& metrics, AttrDic attr, double s, ChordProBold bold)
{
    const ChordProFont font = fontFor(attrDicStyle(attr).font, s, bold);
    return {metrics.textWidth(font, u" "), lineHeightOf(metrics, attr, s, bold)};
}

} // namespace

double lineHeightOf(const ChordProMetrics& metrics, AttrDic attr, double s, ChordProBold bold)
{
    const LineBox box = lineBoxOf(metrics, attr, s, bold);
    return box.glyphs + box.spacing;
}

double baselineOf(const ChordProMetrics& metrics, AttrDic attr, double s, ChordProBold bold)
{
    const ChordProFont font = fontFor(attrDicStyle(attr).font, s, bold);
    const double descent = metrics.lineHeight(font) - metrics.ascent(font);
    return lineBoxOf(metrics, attr, s, bold).glyphs - descent;
}

ChordProAttributes ChordProAttributes::measure(const ChordProMetrics& metrics, double s,
                                               ChordProBold bold)
{
    ChordProAttributes out;
    out.fontSize = s;
    out.bold = bold;
    out.fontSizeH = spaceSize(metrics, AttrDic::headerAttrDic, s, bold);
    out.fontSize1 = spaceSize(metrics, AttrDic::textAttrDic, s, bold);
    out.fontSizeCR = spaceSize(metrics, AttrDic::textAttrDicCR, s, bold);
    out.fontSize2 = spaceSize(metrics, AttrDic::spacerAttrDic, s, bold);
    out.fontSize3 = spaceSize(metrics, AttrDic::directiveAttrDic, s, bold);
    out.fontSize4 = spaceSize(metrics, AttrDic::directiveAttrDicSpacer, s, bold);
    out.fontSizeLR = spaceSize(metrics, AttrDic::spacerAttrDicLR, s, bold);
    out.baselineH = baselineOf(metrics, AttrDic::headerAttrDic, s, bold);
    return out;
}

} // namespace partivo::chordpro
