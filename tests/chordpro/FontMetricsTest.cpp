#include "chordpro/ChordPro.h"
#include "chordpro/ChordProFontMetrics.h"
#include "chordpro/ChordProRenderer.h"

#include <QFontInfo>
#include <gtest/gtest.h>

using namespace partivo;
using namespace partivo::chordpro;

namespace {

TEST(ChordProFontMetrics, FacesResolveToTheDejaVuFamilies)
{
    struct Case {
        FontFace face;
        const char* family;
        bool bold;
        bool fixedPitch;
    };
    const Case cases[] = {
        {FontFace::Mono, kMonoSubstitute, false, true},
        {FontFace::MonoBold, kMonoSubstitute, true, true},
        {FontFace::SansBold, kSystemSubstitute, true, false},
    };
    for (const Case& c : cases) {
        const QFontInfo info(chordProDesignFont(c.face));
        EXPECT_EQ(info.family(), QString::fromLatin1(c.family)) << c.family;
        EXPECT_EQ(info.bold(), c.bold) << c.family;
        EXPECT_EQ(info.fixedPitch(), c.fixedPitch) << c.family;
    }
    EXPECT_EQ(chordProDesignFont(FontFace::Mono).hintingPreference(), QFont::PreferNoHinting);
    // Sized for the device: the same design size in pixels at 96 dpi as at 72.
    EXPECT_DOUBLE_EQ(chordProDesignFont(FontFace::Mono, 96).pointSizeF(), 1536);
}

// The measured sizes of "DejaVu Sans Mono" the pages are counted with: its design units
// (advance 1233, ascent 1901, descent 483 of 2048 per em) at the point size, exactly,
// whatever the screen.
TEST(ChordProFontMetrics, PinnedMeasurementsAtTheDefaultSize)
{
    const ChordProFontMetrics metrics;
    const ChordProFont lyrics{FontFace::Mono, 17};
    EXPECT_DOUBLE_EQ(metrics.lineHeight(lyrics), 2384.0 / 2048 * 17); // 19.789
    EXPECT_DOUBLE_EQ(metrics.ascent(lyrics), 1901.0 / 2048 * 17);
    EXPECT_DOUBLE_EQ(metrics.textWidth(lyrics, u" "), 1233.0 / 2048 * 17); // 10.235

    const ChordProAttributes a = ChordProAttributes::measure(metrics, 17, {});
    // Text lines: the font's 19.79 cut to the paragraph's 17, plus 2 of spacing.
    EXPECT_DOUBLE_EQ(a.fontSize1.height(), 19.0);
    EXPECT_DOUBLE_EQ(a.fontSize3.height(), 2384.0 / 2048 * 14 + 2); // 18.297
    EXPECT_DOUBLE_EQ(a.fontSizeH.height(), 2384.0 / 2048 * 12 + 2); // 15.969
    EXPECT_DOUBLE_EQ(a.fontSize2.height(), 4.0);
    EXPECT_EQ(nbMaxCarRefFor(611, a.fontSize1.width()), 58);
}

// Qt measures a font at a whole number of pixels (17.5 as 18); measured at the design size
// and scaled, widths follow fractional sizes and lengths exactly.
TEST(ChordProFontMetrics, WidthsAreLinearInSizeAndLength)
{
    const ChordProFontMetrics metrics;
    for (FontFace face : {FontFace::Mono, FontFace::MonoBold}) {
        const double one = metrics.textWidth({face, 17}, u"x");
        EXPECT_DOUBLE_EQ(metrics.textWidth({face, 17}, u"Hello world!"), 12 * one);
        EXPECT_DOUBLE_EQ(metrics.textWidth({face, 17.5}, u"x"), 17.5 / 17 * one);
        EXPECT_DOUBLE_EQ(metrics.textWidth({face, 8.25}, u"x"), 8.25 / 17 * one);
        EXPECT_DOUBLE_EQ(metrics.textWidth({face, 17}, u" "), one);
    }
    EXPECT_DOUBLE_EQ(metrics.lineHeight({FontFace::Mono, 17.5}), 2384.0 / 2048 * 17.5);
    // A combining accent adds no column: the decomposed e-acute is as wide as the letter.
    const ChordProFont mono{FontFace::Mono, 17};
    EXPECT_NEAR(metrics.textWidth(mono, u"e\u0301te"), metrics.textWidth(mono, u"ete"), 1e-9);
}

// A reference song with the real fonts at the start-up reference size.
TEST(ChordProFontMetrics, PagesOfASongAtTheStartUpReference)
{
    QString text = QStringLiteral("{title:Long}\n");
    for (int i = 1; i <= 60; ++i)
        text += QStringLiteral("[G]Line number %1 of the [D]song, [Em]long enough to wrap "
                               "once it reaches the [C]edge\n")
                    .arg(i);
    const ChordProFontMetrics metrics;
    ChordProRenderer renderer(metrics, {611, 752});
    ChordPro document;
    document.setChordProData(text);
    const ChordProLayout layout = renderer.traiterChordProData(document, RenderMode::Page);
    EXPECT_EQ(layout.nbMaxCarRef, 58);
    // Each source line wraps once into two chord and lyrics pairs: 120 pairs of 2 x 19, of
    // which a page holds 19 after its spacer.
    EXPECT_EQ(layout.nbPages, 7);
    EXPECT_EQ(document.nbPages(), 7);
}

} // namespace
