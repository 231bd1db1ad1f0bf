#include "chordpro/ChordProStyles.h"

#include <array>
#include <cstddef>

namespace partivo::chordpro {

ChordProFont fontFor(FontRole role, double s, ChordProBold bold)
{
    switch (role) {
    case FontRole::myFontH:
        return {FontFace::Mono, 12.0};
    case FontRole::myFont:
        return {bold.lyrics ? FontFace::MonoBold : FontFace::Mono, s};
    case FontRole::myFont1:
        return {bold.chords ? FontFace::MonoBold : FontFace::Mono, s};
    case FontRole::myFontCR:
        return {FontFace::Mono, s / 10.0 * 2.3 + 1.0};
    case FontRole::myFont2:
        return {FontFace::SansBold, 14.0 * s / 17.0};
    case FontRole::myFont3:
        return {FontFace::SansBold, 2.0 * s / 17.0};
    case FontRole::myFont4:
        return {FontFace::Mono, 14.0 * s / 17.0};
    case FontRole::myFont5:
        return {FontFace::Mono, s / 17.0};
    case FontRole::myFontI:
        return {FontFace::MonoItalic, 14.0 * s / 17.0};
    case FontRole::myFontA:
        return {FontFace::MonoItalic, s};
    case FontRole::myFontL:
        return {FontFace::SansBold, 14.0 * s / 17.0};
    }
    return {FontFace::Mono, s};
}

Paragraph paragraphFor(ParagraphRole role, double s)
{
    switch (role) {
    case ParagraphRole::headerParagraph:
        return {2.0, 17.0};
    case ParagraphRole::textParagraph:
        return {2.0 * s / 17.0, s};
    case ParagraphRole::textParagraphCR:
        return {2.0 * s / 17.0, s / 10.0 * 2.3 + 1.0};
    case ParagraphRole::directiveParagraph:
        return {2.0 * s / 17.0, s};
    case ParagraphRole::directiveParagraph2:
        return {2.0 * s / 17.0, 2.0 * s / 17.0};
    case ParagraphRole::directiveAttrDicSpacerP:
        return {s / 17.0, s / 17.0};
    }
    return {0.0, s};
}

namespace {

using enum FontRole;
using enum ColorRole;
using enum ParagraphRole;

struct AttrDicEntry {
    const char* name;
    AttrDicStyle style;
};

// Indexed by AttrDic.
constexpr std::array<AttrDicEntry, 19> kAttrDics = {{
    {"headerAttrDic", {myFontH, textColor, None, headerParagraph}},
    {"textAttrDic", {myFont, textColor, None, textParagraph}},
    {"textAttrDicHI", {myFont, textColor, textHColor, textParagraph}},
    {"textAttrDicCR", {myFontCR, textColor, None, textParagraphCR}},
    {"chordAttrDic", {myFont1, chordColor, None, textParagraph}},
    {"directiveAttrDic", {myFont4, directiveColor, directiveColorBack, directiveParagraph}},
    {"directiveAttrDicSpacer",
     {myFont4, directiveColor, directiveColorBack, directiveAttrDicSpacerP}},
    {"indentAttrDic", {myFont2, textColor, indentColor, directiveParagraph}},
    {"indentAttrDic2", {myFont2, textColor, None, directiveParagraph}},
    {"spacerAttrDic", {myFont3, textColor, None, directiveParagraph2}},
    {"spacerIndentAttrDic", {myFont2, textColor, indentColor, directiveParagraph2}},
    {"spacerIndentAttrDic2", {myFont2, textColor, None, directiveParagraph2}},
    {"spacerAttrDicLR", {myFont5, red, red, directiveAttrDicSpacerP}},
    {"directiveItalicAttrDic", {myFontI, textColor, None, directiveParagraph}},
    {"directiveBoxAttrDic", {myFont4, textColor, None, directiveParagraph}},
    {"directiveHighlightAttrDic", {myFont4, textColor, textHColor, directiveParagraph}},
    {"annotationAttrDic", {myFontA, directiveColorBack, None, textParagraph}},
    {"labelAttrDic", {myFontL, textColor, None, directiveParagraph}},
    {"gridBarAttrDic", {myFont1, textColor, None, textParagraph}},
}};

} // namespace

const AttrDicStyle& attrDicStyle(AttrDic attr)
{
    return kAttrDics[static_cast<std::size_t>(attr)].style;
}

const char* attrDicName(AttrDic attr)
{
    return kAttrDics[static_cast<std::size_t>(attr)].name;
}

} // namespace partivo::chordpro
