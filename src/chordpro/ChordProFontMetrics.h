#pragma once

#include "chordpro/ChordProMetrics.h"

#include <QFont>
#include <QFontMetricsF>
#include <QHash>
#include <QImage>
#include <array>
#include <optional>

namespace partivo::chordpro {

// Family names the renderer asks for. "Menlo" does not exist here and fontconfig would hand
// out a proportional face for it, so it is mapped explicitly; the bold system font is a name
// of our own mapped the same way.
inline constexpr const char* kMonoFamily = "Menlo";
inline constexpr const char* kMonoSubstitute = "DejaVu Sans Mono";
inline constexpr const char* kSystemFamily = "Partivo System";
inline constexpr const char* kSystemSubstitute = "DejaVu Sans";

// Maps the two families above to their substitutes; safe to call more than once.
void installChordProFontSubstitutions();

// Fonts are measured and drawn at this size and scaled down to the size asked for. Qt rounds
// the pixel size of a font to whole pixels (17.5 would measure as 18); at the size of the
// faces' design grid the rounding is nil and scaling keeps fractional sizes exact.
inline constexpr double kDesignPointSize = 2048;

// The QFont of a face at kDesignPointSize on a device of that many dots per inch: unhinted,
// so that its sizes are the design sizes whatever the screen.
QFont chordProDesignFont(FontFace face, double dotsPerInch = 72);

// Measures with QFontMetricsF at the design size against a 72 dpi device and scales to the
// font's size, so one unit is one point whatever the screen. Widths are sums of character
// advances kept per face (the faces do not kern; text with surrogates or combining marks is
// measured whole). Needs a QGuiApplication (the offscreen platform will do).
class ChordProFontMetrics final : public ChordProMetrics {
public:
    ChordProFontMetrics();

    double textWidth(const ChordProFont& font, QStringView text) const override;
    double lineHeight(const ChordProFont& font) const override;
    double ascent(const ChordProFont& font) const override;

private:
    const QFontMetricsF& metricsFor(FontFace face) const;
    double designWidth(FontFace face, QStringView text) const;

    QImage device_;
    mutable std::array<std::optional<QFontMetricsF>, kFontFaceCount> metrics_;
    // Per face: ASCII advances in a table (-1 until measured), the others in a hash.
    mutable std::array<std::array<double, 128>, kFontFaceCount> asciiAdvances_;
    mutable std::array<QHash<char16_t, double>, kFontFaceCount> advances_;
};

} // namespace partivo::chordpro
