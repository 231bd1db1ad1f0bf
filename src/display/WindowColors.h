#pragma once

#include <QColor>
#include <QString>
#include <array>

namespace partivo {

class Prefs;

// The 24 colours of a display window, addressed by index. The indexes are stored in
// screensets and never change.
enum ColorIndex {
    ActColor = 0,
    BackColor = 1,
    InactColor = 2,
    MetroColor = 3,
    HighColor = 4,
    PdfColor = 5,
    ListColor = 6,
    TabsActColor = 7,
    TabsActBackColor = 8,
    TabsInactColor = 9,
    TabsInactBackColor = 10,
    RefFrameColor = 11,
    RefMarkerColor = 12,
    ListHighColor = 13,
    ListSectColor = 14,
    ChordProChordsColor = 15,
    ChordProLyricsColor = 16,
    ChordProCommentsColor = 17,
    ChordProCommentsBackColor = 18,
    ChordProBackgroundColor = 19,
    ChordProBarColor = 20,
    PageNoPDFColor = 21,
    PageNoCHDColor = 22,
    ChordProLyricsHighColor = 23,
};
inline constexpr int kColorCount = 24;

bool isColorIndex(int index);
// Property name of a colour ("actColor", ...); "" for an index out of range.
QString colorPropertyName(int index);
// Default of a colour in a window of the given type; invalid for an index out of range.
// Defaults are whole 8-bit components so that they survive a save and load unchanged.
QColor defaultColor(int index, int winType);

// Stored form of a colour: "#rrggbbaa" in sRGB.
QString colorToText(const QColor& color);
// Reads "#rrggbbaa" or "#rrggbb" (opaque); invalid for anything else.
QColor colorFromText(const QString& text);

// A window's colours. An unset colour (invalid QColor) is not written.
class WindowColors {
public:
    // Every colour unset.
    WindowColors() = default;
    static WindowColors defaults(int winType);

    // The colour of that index; invalid when unset or out of range.
    QColor colorForObj(int index) const;
    // Stores the colour of that index; false (nothing changed) for an index out of range.
    bool iniColorForObj(int index, const QColor& color);

    // Key of colour `index` of the window at `position` under screenset prefix `prefix`.
    static QString key(const QString& prefix, int position, int index);
    void save(Prefs& prefs, const QString& prefix, int position) const;
    // A missing or unreadable entry leaves that colour as it is.
    void load(const Prefs& prefs, const QString& prefix, int position);

    bool operator==(const WindowColors&) const = default;

private:
    std::array<QColor, kColorCount> colors_;
};

} // namespace partivo
