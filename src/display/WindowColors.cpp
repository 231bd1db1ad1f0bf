#include "display/WindowColors.h"

#include "display/WindowTypes.h"
#include "platform/Prefs.h"

#include <cmath>

namespace partivo {

namespace {

struct ColorRow {
    const char* name;
    // Components 0.0 to 1.0, as the colour pickers show them.
    double r, g, b, a;
};

constexpr double kSystemBlue = 122.0 / 255;
constexpr double kLightGrey = 205.0 / 255;

constexpr ColorRow kColors[kColorCount] = {
    {"actColor", kLightGrey, kLightGrey, kLightGrey, 1},
    {"backColor", 0, 0, 0, 1},
    {"inactColor", 0.2, 0.2, 0.2, 1},
    {"metroColor", 236.0 / 255, 68.0 / 255, 69.0 / 255, 1},
    {"highColor", 0, kSystemBlue, 1, 1},
    {"pdfColor", 1, 1, 1, 1},
    {"listColor", 1, 0, 0, 1},
    {"tabsActColor", 0, kSystemBlue, 1, 1},
    {"tabsActBackColor", 1, 1, 1, 1},
    {"tabsInactColor", 0, 0, 0, 1},
    {"tabsInactBackColor", 0.5, 0.5, 0.5, 1},
    {"refFrameColor", 0, kSystemBlue, 1, 0.5},
    {"refMarkerColor", 1, 0, 0, 0.35},
    {"listHighColor", 0.4, 1, 0.4, 1},
    {"listSectColor", kLightGrey, kLightGrey, kLightGrey, 1},
    {"chordProChordsColor", 1, 0, 0, 1},
    {"chordProLyricsColor", 0, 0, 0, 1},
    {"chordProCommentsColor", 1, 1, 1, 1},
    {"chordProCommentsBackColor", 0, 0, 0, 1},
    {"chordProBackgroundColor", 1, 1, 1, 1},
    {"chordProBarColor", 0, 0, 0, 1},
    {"pageNoPDFColor", 0, 0, 0, 0.35},
    {"pageNoCHDColor", 1, 0, 0, 0.6},
    {"chordProLyricsHighColor", 1, 1, 0, 1},
};

int to8Bit(double component)
{
    return int(std::lround(component * 255));
}

QColor rgba8(double r, double g, double b, double a)
{
    return QColor(to8Bit(r), to8Bit(g), to8Bit(b), to8Bit(a));
}

int hexValue(QChar c)
{
    const char16_t u = c.unicode();
    if (u >= u'0' && u <= u'9')
        return u - u'0';
    if (u >= u'a' && u <= u'f')
        return u - u'a' + 10;
    if (u >= u'A' && u <= u'F')
        return u - u'A' + 10;
    return -1;
}

} // namespace

bool isColorIndex(int index)
{
    return index >= 0 && index < kColorCount;
}

QString colorPropertyName(int index)
{
    return isColorIndex(index) ? QString::fromLatin1(kColors[index].name) : QString();
}

QColor defaultColor(int index, int winType)
{
    if (!isColorIndex(index))
        return QColor();
    // The artist window writes in blue by default.
    if (index == ActColor && winType == WinTypeArtist)
        return rgba8(0, kSystemBlue, 1, 1);
    const ColorRow& row = kColors[index];
    return rgba8(row.r, row.g, row.b, row.a);
}

QString colorToText(const QColor& color)
{
    const QColor rgb = color.toRgb();
    return QString::asprintf("#%02x%02x%02x%02x", rgb.red(), rgb.green(), rgb.blue(), rgb.alpha());
}

QColor colorFromText(const QString& text)
{
    if (!text.startsWith(u'#') || (text.size() != 7 && text.size() != 9))
        return QColor();
    int components[4] = {0, 0, 0, 255};
    for (int i = 0; i < (text.size() - 1) / 2; ++i) {
        const int high = hexValue(text[1 + 2 * i]);
        const int low = hexValue(text[2 + 2 * i]);
        if (high < 0 || low < 0)
            return QColor();
        components[i] = high * 16 + low;
    }
    return QColor(components[0], components[1], components[2], components[3]);
}

WindowColors WindowColors::defaults(int winType)
{
    WindowColors colors;
    for (int i = 0; i < kColorCount; ++i)
        colors.colors_[i] = defaultColor(i, winType);
    return colors;
}

QColor WindowColors::colorForObj(int index) const
{
    return isColorIndex(index) ? colors_[index] : QColor();
}

bool WindowColors::iniColorForObj(int index, const QColor& color)
{
    if (!isColorIndex(index))
        return false;
    colors_[index] = color;
    return true;
}

QString WindowColors::key(const QString& prefix, int position, int index)
{
    return prefix + QString::number(position) + QLatin1String("color") + QString::number(index);
}

void WindowColors::save(Prefs& prefs, const QString& prefix, int position) const
{
    for (int i = 0; i < kColorCount; ++i) {
        if (colors_[i].isValid())
            prefs.setValue(key(prefix, position, i), colorToText(colors_[i]));
    }
}

void WindowColors::load(const Prefs& prefs, const QString& prefix, int position)
{
    for (int i = 0; i < kColorCount; ++i) {
        const QVariant stored = prefs.value(key(prefix, position, i));
        if (stored.typeId() != QMetaType::QString && stored.typeId() != QMetaType::QByteArray)
            continue;
        const QColor color = colorFromText(stored.toString());
        if (color.isValid())
            colors_[i] = color;
    }
}

} // namespace partivo
