#include "display/KeyTable.h"

#include <Qt>
#include <gtest/gtest.h>

namespace partivo {
namespace {

TEST(KeyTable, KeysBecomeCommands)
{
    struct Case {
        const char* name;
        KeyPress key;
        int command;
    };
    const Case cases[] = {
        {"backslash", {Qt::Key_Backslash, false, false, 43}, 83},
        {"backslash with Shift", {Qt::Key_Bar, true, false, 43}, 83},
        {"comma", {Qt::Key_Comma, false, false, 51}, 78},
        {"comma with Control", {Qt::Key_Comma, false, true, 51}, 79},
        {"comma with Shift", {Qt::Key_Less, true, false, 51}, kKeyNotHandled},
        {"comma with Shift and Control", {Qt::Key_Less, true, true, 51}, 79},
        {"slash", {Qt::Key_Slash, false, false, 53}, 84},
        {"period", {Qt::Key_Period, false, false, 52}, 74},
        {"period with Shift", {Qt::Key_Greater, true, false, 52}, 86},
        {"grave", {Qt::Key_QuoteLeft, false, false, 41}, 88},
        {"Control F", {Qt::Key_F, false, true, 33}, 84},
        {"plain F types", {Qt::Key_F, false, false, 33}, kKeyNotHandled},
        {"ISO key with Shift", {Qt::Key_plusminus, true, false, 86}, 75},
        {"ISO key alone", {Qt::Key_section, false, false, 86}, kKeyNotHandled},
        {"apostrophe", {Qt::Key_Apostrophe, false, false, 40}, 82},
        {"equal", {Qt::Key_Equal, false, false, 13}, 51},
        {"equal with Control", {Qt::Key_Equal, false, true, 13}, 52},
        {"minus", {Qt::Key_Minus, false, false, 12}, 73},
        {"minus with Control", {Qt::Key_Minus, false, true, 12}, 53},
        {"right bracket", {Qt::Key_BracketRight, false, false, 27}, 81},
        {"left bracket", {Qt::Key_BracketLeft, false, false, 26}, 80},
        // The symbol decides where the layout has one of the table's symbols elsewhere.
        {"minus at the slash position (German)", {Qt::Key_Minus, false, false, 53}, 73},
        // A symbol the table does not know falls back to the key's position.
        {"u umlaut at the left bracket position", {Qt::Key_Udiaeresis, false, false, 26}, 80},
        {"dead acute at the equal position", {Qt::Key_Dead_Acute, false, false, 13}, 51},
        {"unknown symbol, unknown position", {Qt::Key_Udiaeresis, false, false, 0}, kKeyNotHandled},
        // Letters of other layouts are never taken by position.
        {"Z at the Y position", {Qt::Key_Z, false, false, 21}, kKeyNotHandled},
        {"letter at the F position", {Qt::Key_U, false, true, 33}, kKeyNotHandled},
        {"arrow keys go on", {Qt::Key_Right, false, false, 106}, kKeyNotHandled},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(keyCommandForKey(c.key), c.command);
    }
}

TEST(KeyTable, SectionKeyAloneTogglesTheTabBars)
{
    struct Case {
        const char* name;
        KeyPress key;
        bool toggles;
    };
    const Case cases[] = {
        {"section key left of 1", {Qt::Key_section, false, false, 41}, true},
        {"section key beside Shift", {Qt::Key_section, false, false, 86}, true},
        {"with Shift", {Qt::Key_section, true, false, 86}, false},
        {"with Control", {Qt::Key_section, false, true, 41}, false},
        {"grave at that place", {Qt::Key_QuoteLeft, false, false, 41}, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(isTabBarToggleKey(c.key), c.toggles);
    }
}

} // namespace
} // namespace partivo
