#include "display/AppKeys.h"
#include "platform/Commands.h"

#include <Qt>
#include <gtest/gtest.h>

namespace partivo {
namespace {

KeyPress press(int qtKey, bool shift = false, bool control = false, bool alt = false)
{
    KeyPress key;
    key.qtKey = qtKey;
    key.shift = shift;
    key.control = control;
    key.alt = alt;
    return key;
}

TEST(AppKeys, FixedKeysBecomeTheirCommands)
{
    struct Case {
        const char* name;
        KeyPress key;
        int command;
    };
    const Case cases[] = {
        {"a", press(Qt::Key_A), 0},
        {"z", press(Qt::Key_Z), 25},
        {"Shift+b still types b", press(Qt::Key_B, true), 1},
        {"0", press(Qt::Key_0), 26},
        {"9", press(Qt::Key_9), 35},
        {"Left", press(Qt::Key_Left), cmd::PrevSong},
        {"Right", press(Qt::Key_Right), cmd::NextSong},
        {"Shift+Right as Right", press(Qt::Key_Right, true), cmd::NextSong},
        {"Control+Left", press(Qt::Key_Left, false, true), cmd::FirstSong},
        {"Control+Right", press(Qt::Key_Right, false, true), cmd::LastSong},
        {"Alt+Left", press(Qt::Key_Left, false, false, true), cmd::PrevFilter},
        {"Alt+Right", press(Qt::Key_Right, false, false, true), cmd::NextFilter},
        {"Up", press(Qt::Key_Up), cmd::PrevPage},
        {"Down", press(Qt::Key_Down), cmd::NextPage},
        {"Home", press(Qt::Key_Home), cmd::FirstSong},
        {"End", press(Qt::Key_End), cmd::LastSong},
        {"Space", press(Qt::Key_Space), cmd::SpaceKey},
        {"Alt+Space", press(Qt::Key_Space, false, false, true), cmd::StopPlayer},
        {"Page Up", press(Qt::Key_PageUp), cmd::PageUpKey},
        {"Page Down", press(Qt::Key_PageDown), cmd::PageDownKey},
        {"Return", press(Qt::Key_Return), cmd::EnterKey},
        {"keypad Enter", press(Qt::Key_Enter), cmd::EnterKey},
        {"Alt+Return", press(Qt::Key_Return, false, false, true), cmd::OpenEditor},
        {"Control+Return", press(Qt::Key_Return, false, true), cmd::CmdEnter},
        {"Tab", press(Qt::Key_Tab), cmd::LastSong},
        {"Shift+Tab", press(Qt::Key_Backtab, true), cmd::FirstSong},
        {"Backspace", press(Qt::Key_Backspace), cmd::BackspaceKey},
        {"Escape", press(Qt::Key_Escape), cmd::EndSearch},
        {"Control+R", press(Qt::Key_R, false, true), cmd::Refresh},
        {"Control+A", press(Qt::Key_A, false, true), cmd::ToggleSort},
        {"Control+1", press(Qt::Key_1, false, true), 61},
        {"Control+8", press(Qt::Key_8, false, true), 68},
        {"Control+9 goes on", press(Qt::Key_9, false, true), kKeyNotHandled},
        {"Control+Q goes on", press(Qt::Key_Q, false, true), kKeyNotHandled},
        {"Alt+a goes on", press(Qt::Key_A, false, false, true), kKeyNotHandled},
        {"F1 goes on", press(Qt::Key_F1), kKeyNotHandled},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(applicationKeyCommand(c.key), c.command);
    }
}

// Every number a key can post is a command of the table (or a letter or digit).
TEST(AppKeys, EveryKeyPostsACommandOfTheTable)
{
    for (int qtKey = Qt::Key_Space; qtKey <= Qt::Key_AsciiTilde; ++qtKey) {
        for (int mods = 0; mods < 8; ++mods) {
            const int command =
                applicationKeyCommand(press(qtKey, mods & 1, (mods & 2) != 0, (mods & 4) != 0));
            if (command == kKeyNotHandled || command <= cmd::LastLetter)
                continue;
            EXPECT_NE(keyCommandInfo(command), nullptr) << command;
        }
    }
}

} // namespace
} // namespace partivo
