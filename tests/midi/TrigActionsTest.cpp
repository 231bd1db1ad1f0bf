#include "midi/MidiTrigActions.h"

#include "QtPrinters.h"

#include <gtest/gtest.h>

namespace partivo {
namespace {

QStringList lines(const TrigEffects& effects)
{
    QStringList out;
    for (const RemoteAction& a : effects.posts)
        out.append(a.name + u' ' + a.param.toString());
    if (!effects.group.isEmpty())
        out.append(QStringLiteral("group ") + effects.group);
    return out;
}

TEST(TrigActions, EachTypeGivesItsActions)
{
    struct Case {
        int type;
        const char* text;
        int value;
        int noteOffset;
        QStringList expected;
    };
    const Case cases[] = {
        {1, "", 0, 0, {"ActionKey 38"}},
        {1, "STAGE", 0, 0, {"ActionPageUpForWinID STAGE"}},
        {2, "", 0, 0, {"ActionKey 39"}},
        {2, "STAGE", 0, 0, {"ActionPageDownForWinID STAGE"}},
        {3, "4", 0, 0, {"ActionGoToGenreNoAndPlayPause 4"}},
        {3, "7", 0, 0, {"ActionKey 74"}},
        {3, "", 0, 0, {"ActionKey 74"}},
        {4, "", 0, 0, {}},
        {4, "Ab-9", 0, 0, {"ActionKey 0", "ActionKey 1", "ActionKey 35", "ActionKey 76"}},
        {5, "", 0, 0, {}},
        {5, "Z", 0, 0, {"ActionKey 77", "ActionKey 25", "ActionKey 76", "ActionKey 74"}},
        {6, "", 0, 0, {"ActionKey 77"}},
        {7, "", 0, 0, {"ActionKey 36"}},
        {8, "", 0, 0, {"ActionKey 37"}},
        {9, "", 0, 0, {"ActionKey 73"}},
        {10, "Piano", 0, 0, {"group Piano"}},
        {10, "", 0, 0, {}},
        {11, "", 0, 0, {"ActionKey 77", "ActionKey 74"}},
        {12, "", 0, 0, {"ActionKey 0", "ActionKey 76"}},
        {12, "", 64, 0, {"ActionKey 18", "ActionKey 76"}},
        {12, "", 127, 0, {"ActionKey 35", "ActionKey 76"}},
        {13, "", 0, 0, {"ActionOngletB 0"}},
        {13, "", 64, 0, {"ActionOngletB 5"}},
        {13, "", 127, 0, {"ActionOngletB 9"}},
        {14, "", 64, 0, {"ActionScrollCurrentOnglet 64"}},
        {15, "", 0, 3, {"ActionGoToSongNo 3"}},
        {16, "", 0, 5, {"ActionPlaySongNo 5"}},
        {17, "3", 0, 0, {"ActionOngletB 2"}},
        {17, "10", 0, 0, {"ActionOngletB 0"}},
        {17, "0", 0, 0, {}},
        {17, "", 0, 0, {}},
        {18, "", 0, 0, {"ActionDisplayHideList "}},
        {18, "TEMPO", 0, 0, {"ActionDisplayHideList TEMPO"}},
        {19, "", 0, 0, {"ActionKey 40"}},
        {20, "", 0, 0, {"ActionKey 41"}},
        {21, "STAGE:Capo 2", 0, 0, {"ActionMessage STAGE:Capo 2"}},
        {22, ":Hello", 0, 0, {"ActionMessageStay :Hello"}},
        {23, "", 0, 0, {"ActionKey 78"}},
        {24, "", 0, 0, {"ActionKey 87"}},
        {25, "3", 0, 0, {"ActionGoToGenreNo 3"}},
        {25, "7", 0, 0, {}},
        {25, "", 0, 0, {}},
        {26, "", 0, 0, {"ActionPlayNextPause 0"}},
        {26, "x", 0, 0, {"ActionPlayNextPause 0"}},
        {26, "6", 0, 0, {"ActionPlayNextPause 6"}},
        {26, "7", 0, 0, {}},
        {27, "anything", 64, 3, {}},
        {28, "3", 0, 0, {"ActionGoToPageNo 3"}},
        {28, " 12a", 0, 0, {"ActionGoToPageNo 12"}},
        {28, "0", 0, 0, {}},
        {28, "-2", 0, 0, {}},
        {28, "x", 0, 0, {}},
        {29, "2", 0, 0, {"ActionGoToPageBottomNo 2"}},
        {0, "", 64, 3, {}},
        {30, "", 64, 3, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message()
                     << "type " << c.type << " text '" << c.text << "' value " << c.value);
        EXPECT_EQ(
            lines(trigActionEffects(c.type, QString::fromUtf8(c.text), c.value, c.noteOffset)),
            c.expected);
    }
}

// The text field and its hint are shown for exactly these types.
TEST(TrigActions, PlaceholdersAreTheEditorsHints)
{
    QStringList hints;
    for (const TrigActionRow& row : trigActionTable()) {
        if (row.placeholder)
            hints.append(QStringLiteral("%1 %2").arg(row.type).arg(row.placeholder));
    }
    EXPECT_EQ(hints,
              (QStringList{"1 WinID (optional)", "2 WinID (optional)", "3 Genre No. (1 - 6)",
                           "4 Searchstring", "5 Searchstring", "10 MIDI Group ID",
                           "17 Tab No. (1 - 10)", "18 Filter (optional)", "21 WinID:Message",
                           "22 WinID:Message", "25 Genre No. (1 - 6)", "26 Genre No. (1 - 6)"}));
    EXPECT_EQ(trigActionRow(0), nullptr);
    EXPECT_EQ(trigActionRow(30), nullptr);
    ASSERT_NE(trigActionRow(29), nullptr);
    EXPECT_EQ(trigActionRow(29)->type, 29);
}

} // namespace
} // namespace partivo
