#include "display/AppKeys.h"

#include "platform/Commands.h"

#include <Qt>
#include <array>

namespace partivo {

namespace {

enum class Mods { None, Control, Alt, Shift };

struct Row {
    int qtKey;
    Mods mods;
    int command;
};

// The fixed keys of the application. The letters a..z (0..25) and digits 0..9 (26..35)
// without a modifier type a search and are handled apart.
constexpr auto kRows = std::to_array<Row>({
    {Qt::Key_Left, Mods::None, cmd::PrevSong},
    {Qt::Key_Left, Mods::Control, cmd::FirstSong},
    {Qt::Key_Left, Mods::Alt, cmd::PrevFilter},
    {Qt::Key_Right, Mods::None, cmd::NextSong},
    {Qt::Key_Right, Mods::Control, cmd::LastSong},
    {Qt::Key_Right, Mods::Alt, cmd::NextFilter},
    {Qt::Key_Up, Mods::None, cmd::PrevPage},
    {Qt::Key_Down, Mods::None, cmd::NextPage},
    {Qt::Key_Home, Mods::None, cmd::FirstSong},
    {Qt::Key_End, Mods::None, cmd::LastSong},
    {Qt::Key_Space, Mods::None, cmd::SpaceKey},
    {Qt::Key_Space, Mods::Alt, cmd::StopPlayer},
    {Qt::Key_PageUp, Mods::None, cmd::PageUpKey},
    {Qt::Key_PageDown, Mods::None, cmd::PageDownKey},
    {Qt::Key_Return, Mods::None, cmd::EnterKey},
    {Qt::Key_Return, Mods::Alt, cmd::OpenEditor},
    {Qt::Key_Return, Mods::Control, cmd::CmdEnter},
    {Qt::Key_Enter, Mods::None, cmd::EnterKey},
    {Qt::Key_Enter, Mods::Alt, cmd::OpenEditor},
    {Qt::Key_Enter, Mods::Control, cmd::CmdEnter},
    {Qt::Key_Tab, Mods::None, cmd::LastSong},
    {Qt::Key_Backtab, Mods::Shift, cmd::FirstSong},
    {Qt::Key_Backspace, Mods::None, cmd::BackspaceKey},
    {Qt::Key_Escape, Mods::None, cmd::EndSearch},
    {Qt::Key_R, Mods::Control, cmd::Refresh},
    {Qt::Key_A, Mods::Control, cmd::ToggleSort},
});

Mods modsOf(const KeyPress& key)
{
    if (key.control)
        return Mods::Control;
    if (key.alt)
        return Mods::Alt;
    return key.shift ? Mods::Shift : Mods::None;
}

} // namespace

int applicationKeyCommand(const KeyPress& key)
{
    const Mods mods = modsOf(key);
    const bool typing = mods == Mods::None || mods == Mods::Shift;
    if (key.qtKey >= Qt::Key_A && key.qtKey <= Qt::Key_Z && typing)
        return cmd::FirstLetter + (key.qtKey - Qt::Key_A);
    if (key.qtKey >= Qt::Key_0 && key.qtKey <= Qt::Key_9 && typing)
        return cmd::Digit0 + (key.qtKey - Qt::Key_0);
    // Control+1..8 open binders 1 to 8.
    if (key.qtKey >= Qt::Key_1 && key.qtKey <= Qt::Key_8 && mods == Mods::Control)
        return cmd::FirstBinder + (key.qtKey - Qt::Key_1);
    for (const Row& row : kRows) {
        if (row.qtKey == key.qtKey && row.mods == mods)
            return row.command;
    }
    // Shift does not change a key that has no row with Shift.
    for (const Row& row : kRows) {
        if (row.qtKey == key.qtKey && mods == Mods::Shift && row.mods == Mods::None)
            return row.command;
    }
    return kKeyNotHandled;
}

} // namespace partivo
