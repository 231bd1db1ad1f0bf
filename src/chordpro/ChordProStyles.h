#pragma once

namespace partivo::chordpro {

// The faces the renderer draws with. "Menlo" and "Menlo Bold" are the monospaced pair the
// chord and lyrics columns are aligned in; the bold system font draws the chorus bar, the
// spacer lines and section labels; the italic monospaced face draws italic comments and
// annotations.
enum class FontFace { Mono, MonoBold, SansBold, MonoItalic };
inline constexpr int kFontFaceCount = 4;

struct ChordProFont {
    FontFace face = FontFace::Mono;
    double pointSize = 12.0;
    bool operator==(const ChordProFont&) const = default;
};

// The owner's bold options ("Menlo Bold" instead of "Menlo").
struct ChordProBold {
    bool lyrics = false;
    bool chords = false;
};

// The fonts of a song at font size s.
enum class FontRole {
    myFontH,  // header line: "Menlo" 12
    myFont,   // lyrics: s
    myFont1,  // chords: s
    myFontCR, // empty lines: s / 10 x 2.3 + 1
    myFont2,  // chorus bar: bold system font, 14 s / 17
    myFont3,  // spacer lines: bold system font, 2 s / 17
    myFont4,  // comments: 14 s / 17
    myFont5,  // page-break mark: s / 17
    myFontI,  // italic comments: italic 14 s / 17
    myFontA,  // annotations: italic s
    myFontL,  // section labels: bold system font, 14 s / 17
};

ChordProFont fontFor(FontRole role, double s, ChordProBold bold);

// Line spacing added below a line, and the height a line's glyphs may take at most.
struct Paragraph {
    double lineSpacing = 0;
    double maxLineHeight = 0;
};

enum class ParagraphRole {
    headerParagraph,
    textParagraph,
    textParagraphCR,
    directiveParagraph,
    directiveParagraph2,
    directiveAttrDicSpacerP,
};

Paragraph paragraphFor(ParagraphRole role, double s);

// Where an attribute set takes its colours from; the painter maps them to real colours.
enum class ColorRole {
    None,
    textColor,
    chordColor,
    textHColor,
    directiveColor,
    directiveColorBack,
    indentColor,
    red,
};

// The attribute sets every piece of output is drawn with.
enum class AttrDic {
    headerAttrDic,
    textAttrDic,
    textAttrDicHI,
    textAttrDicCR,
    chordAttrDic,
    directiveAttrDic,
    directiveAttrDicSpacer,
    indentAttrDic,
    indentAttrDic2,
    spacerAttrDic,
    spacerIndentAttrDic,
    spacerIndentAttrDic2,
    spacerAttrDicLR,
    directiveItalicAttrDic,    // {comment_italic}
    directiveBoxAttrDic,       // {comment_box}: drawn in a frame
    directiveHighlightAttrDic, // {highlight}
    annotationAttrDic,         // "[*text]" in the chord line
    labelAttrDic,              // a section's label
    gridBarAttrDic,            // the bars of a grid section
};

struct AttrDicStyle {
    FontRole font;
    ColorRole foreground;
    ColorRole background;
    ParagraphRole paragraph;
};

const AttrDicStyle& attrDicStyle(AttrDic attr);
const char* attrDicName(AttrDic attr);

} // namespace partivo::chordpro
