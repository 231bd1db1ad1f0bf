#include "chordpro/ChordProFontMetrics.h"

#include <QString>
#include <cstddef>

namespace partivo::chordpro {

namespace {

// 72 dots per inch in dots per metre, rounded so that the device reports exactly 72.
constexpr int kDotsPerMetre72 = 2835;

double toSize(const ChordProFont& font)
{
    return font.pointSize / kDesignPointSize;
}

} // namespace

void installChordProFontSubstitutions()
{
    static const bool installed = [] {
        QFont::insertSubstitution(QString::fromLatin1(kMonoFamily),
                                  QString::fromLatin1(kMonoSubstitute));
        QFont::insertSubstitution(QString::fromLatin1(kSystemFamily),
                                  QString::fromLatin1(kSystemSubstitute));
        return true;
    }();
    (void)installed;
}

QFont chordProDesignFont(FontFace face, double dotsPerInch)
{
    installChordProFontSubstitutions();
    const bool sans = face == FontFace::SansBold;
    QFont font(QString::fromLatin1(sans ? kSystemFamily : kMonoFamily));
    font.setStyleHint(sans ? QFont::SansSerif : QFont::Monospace);
    font.setPointSizeF(kDesignPointSize * 72 / dotsPerInch);
    font.setBold(face == FontFace::MonoBold || face == FontFace::SansBold);
    font.setItalic(face == FontFace::MonoItalic);
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}

ChordProFontMetrics::ChordProFontMetrics() : device_(1, 1, QImage::Format_ARGB32_Premultiplied)
{
    for (std::array<double, 128>& table : asciiAdvances_)
        table.fill(-1);
    device_.setDotsPerMeterX(kDotsPerMetre72);
    device_.setDotsPerMeterY(kDotsPerMetre72);
}

const QFontMetricsF& ChordProFontMetrics::metricsFor(FontFace face) const
{
    std::optional<QFontMetricsF>& metrics = metrics_[static_cast<std::size_t>(face)];
    if (!metrics)
        metrics.emplace(chordProDesignFont(face), &device_);
    return *metrics;
}

// Measuring a string at the design size loads every glyph's outline again; a character's
// advance is looked up once.
double ChordProFontMetrics::designWidth(FontFace face, QStringView text) const
{
    const QFontMetricsF& metrics = metricsFor(face);
    std::array<double, 128>& ascii = asciiAdvances_[static_cast<std::size_t>(face)];
    QHash<char16_t, double>& advances = advances_[static_cast<std::size_t>(face)];
    double width = 0;
    for (QChar c : text) {
        const char16_t code = c.unicode();
        if (code < ascii.size()) {
            if (ascii[code] < 0)
                ascii[code] = metrics.horizontalAdvance(c);
            width += ascii[code];
            continue;
        }
        if (c.isSurrogate() || c.isMark())
            return metrics.horizontalAdvance(text.toString());
        auto found = advances.constFind(code);
        if (found == advances.constEnd())
            found = advances.insert(code, metrics.horizontalAdvance(c));
        width += *found;
    }
    return width;
}

double ChordProFontMetrics::textWidth(const ChordProFont& font, QStringView text) const
{
    return designWidth(font.face, text) * toSize(font);
}

double ChordProFontMetrics::lineHeight(const ChordProFont& font) const
{
    return metricsFor(font.face).height() * toSize(font);
}

double ChordProFontMetrics::ascent(const ChordProFont& font) const
{
    return metricsFor(font.face).ascent() * toSize(font);
}

} // namespace partivo::chordpro
