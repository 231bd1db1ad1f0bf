#include "display/WindowColors.h"
#include "QtPrinters.h"
#include "display/WindowTypes.h"
#include "platform/MemoryPrefs.h"

#include <gtest/gtest.h>

namespace partivo {
namespace {

struct ColorRow {
    int index;
    const char* name;
    int r, g, b, a; // 8-bit
};

// The defaults, written out independently of the code's table.
const ColorRow kDefaults[] = {
    {0, "actColor", 205, 205, 205, 255},
    {1, "backColor", 0, 0, 0, 255},
    {2, "inactColor", 51, 51, 51, 255},
    {3, "metroColor", 236, 68, 69, 255},
    {4, "highColor", 0, 122, 255, 255},
    {5, "pdfColor", 255, 255, 255, 255},
    {6, "listColor", 255, 0, 0, 255},
    {7, "tabsActColor", 0, 122, 255, 255},
    {8, "tabsActBackColor", 255, 255, 255, 255},
    {9, "tabsInactColor", 0, 0, 0, 255},
    {10, "tabsInactBackColor", 128, 128, 128, 255},
    {11, "refFrameColor", 0, 122, 255, 128},
    {12, "refMarkerColor", 255, 0, 0, 89},
    {13, "listHighColor", 102, 255, 102, 255},
    {14, "listSectColor", 205, 205, 205, 255},
    {15, "chordProChordsColor", 255, 0, 0, 255},
    {16, "chordProLyricsColor", 0, 0, 0, 255},
    {17, "chordProCommentsColor", 255, 255, 255, 255},
    {18, "chordProCommentsBackColor", 0, 0, 0, 255},
    {19, "chordProBackgroundColor", 255, 255, 255, 255},
    {20, "chordProBarColor", 0, 0, 0, 255},
    {21, "pageNoPDFColor", 0, 0, 0, 89},
    {22, "pageNoCHDColor", 255, 0, 0, 153},
    {23, "chordProLyricsHighColor", 255, 255, 0, 255},
};

TEST(WindowColors, DefaultsAndNamesOfAllTwentyFour)
{
    ASSERT_EQ(std::size(kDefaults), size_t(kColorCount));
    const WindowColors colors = WindowColors::defaults(WinTypeBinder);
    for (const ColorRow& row : kDefaults) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(colorPropertyName(row.index), row.name);
        EXPECT_EQ(colors.colorForObj(row.index), QColor(row.r, row.g, row.b, row.a));
    }
}

TEST(WindowColors, ArtistWindowWritesInBlue)
{
    for (int type = 0; type < kWinTypeCount; ++type) {
        SCOPED_TRACE(type);
        const QColor expected = type == WinTypeArtist ? QColor(0, 122, 255) : QColor(205, 205, 205);
        EXPECT_EQ(WindowColors::defaults(type).colorForObj(ActColor), expected);
        EXPECT_EQ(WindowColors::defaults(type).colorForObj(HighColor), QColor(0, 122, 255));
    }
}

TEST(WindowColors, IndexesOutsideTheTableAreIgnored)
{
    WindowColors colors = WindowColors::defaults(WinTypeBinder);
    const WindowColors before = colors;
    for (int index : {-1, 24, 25, 1000}) {
        SCOPED_TRACE(index);
        EXPECT_FALSE(colors.iniColorForObj(index, Qt::green));
        EXPECT_FALSE(colors.colorForObj(index).isValid());
        EXPECT_EQ(colorPropertyName(index), "");
    }
    EXPECT_TRUE(colors == before);
}

TEST(WindowColors, EachIndexSetsOnlyItsOwnColour)
{
    const QColor marker(1, 2, 3, 4);
    for (int index = 0; index < kColorCount; ++index) {
        SCOPED_TRACE(colorPropertyName(index).toStdString());
        WindowColors colors = WindowColors::defaults(WinTypeBinder);
        ASSERT_TRUE(colors.iniColorForObj(index, marker));
        for (int other = 0; other < kColorCount; ++other) {
            const QColor expected = other == index ? marker : defaultColor(other, WinTypeBinder);
            EXPECT_EQ(colors.colorForObj(other), expected) << "index " << other;
        }
    }
}

struct TextRow {
    const char* text;
    bool valid;
    int r, g, b, a;
};

TEST(WindowColors, StoredText)
{
    const TextRow rows[] = {
        {"#ff000059", true, 255, 0, 0, 89},
        {"#007AFFff", true, 0, 122, 255, 255},
        {"#cdcdcd", true, 205, 205, 205, 255},
        {"", false, 0, 0, 0, 0},
        {"#", false, 0, 0, 0, 0},
        {"ff000059", false, 0, 0, 0, 0},
        {"#ff00005", false, 0, 0, 0, 0},
        {"#ff0000590", false, 0, 0, 0, 0},
        {"#gg000059", false, 0, 0, 0, 0},
        {"#ff 00059", false, 0, 0, 0, 0},
        {"red", false, 0, 0, 0, 0},
    };
    for (const TextRow& row : rows) {
        SCOPED_TRACE(row.text);
        const QColor color = colorFromText(row.text);
        ASSERT_EQ(color.isValid(), row.valid);
        if (row.valid) {
            EXPECT_EQ(color, QColor(row.r, row.g, row.b, row.a));
        }
    }
    EXPECT_EQ(colorToText(QColor(255, 0, 0, 89)), "#ff000059");
    EXPECT_EQ(colorToText(QColor::fromHsv(0, 255, 255)), "#ff0000ff");
}

TEST(WindowColors, SaveWritesOneKeyPerSetColourAndLoadReadsThemBack)
{
    WindowColors colors = WindowColors::defaults(WinTypeTempo);
    colors.iniColorForObj(TabsInactBackColor, QColor(10, 20, 30, 40));
    MemoryPrefs prefs;
    colors.save(prefs, "Screenset2_", 3);
    EXPECT_EQ(prefs.keys().size(), kColorCount);
    EXPECT_EQ(prefs.stringValue("Screenset2_3color10"), "#0a141e28");
    EXPECT_EQ(prefs.stringValue("Screenset2_3color0"), "#cdcdcdff");
    EXPECT_EQ(WindowColors::key("P", 12, 3), "P12color3");

    WindowColors loaded;
    loaded.load(prefs, "Screenset2_", 3);
    EXPECT_TRUE(loaded == colors);

    MemoryPrefs none;
    WindowColors().save(none, "P", 0);
    EXPECT_TRUE(none.keys().isEmpty());
}

TEST(WindowColors, MissingOrUnreadableEntriesLeaveTheCurrentColour)
{
    MemoryPrefs prefs({{"P0color1", "#11223344"},
                       {"P0color2", "not a colour"},
                       {"P0color3", 12345},
                       {"P0color4", QByteArray("#01020304")},
                       {"P0color24", "#ffffffff"},
                       {"P1color5", "#ffffffff"}});
    WindowColors colors = WindowColors::defaults(WinTypeBinder);
    colors.load(prefs, "P", 0);
    for (int index = 0; index < kColorCount; ++index) {
        SCOPED_TRACE(index);
        QColor expected = defaultColor(index, WinTypeBinder);
        if (index == 1)
            expected = QColor(0x11, 0x22, 0x33, 0x44);
        if (index == 4)
            expected = QColor(1, 2, 3, 4);
        EXPECT_EQ(colors.colorForObj(index), expected);
    }
}

} // namespace
} // namespace partivo
