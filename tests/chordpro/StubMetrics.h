#pragma once

#include "chordpro/ChordProMetrics.h"

// Deterministic metrics for layout tests: every character half an em wide, lines 1.25 em
// high with an ascent of one em. The numbers are binary fractions, so sums stay exact: at
// the default size 17 a space is 8.5 wide, a text line 19 high (17 cut by the paragraph,
// plus 2 of spacing), a spacer 4, a comment 19, a comment band 2 and the header 17.
class StubMetrics final : public partivo::chordpro::ChordProMetrics {
public:
    double textWidth(const partivo::chordpro::ChordProFont& font, QStringView text) const override
    {
        return 0.5 * font.pointSize * static_cast<double>(text.size());
    }
    double lineHeight(const partivo::chordpro::ChordProFont& font) const override
    {
        return 1.25 * font.pointSize;
    }
    double ascent(const partivo::chordpro::ChordProFont& font) const override
    {
        return font.pointSize;
    }
};

// A reference width that holds exactly `chars` characters of the size-17 lyrics font.
inline double widthForChars(int chars)
{
    return 8.5 * (chars + 1);
}
