#include "display/KeyTable.h"

#include "platform/Commands.h"

#include <Qt>
#include <array>

namespace partivo {

namespace {

// evdev codes of the physical keys (US positions).
constexpr quint32 kEvGrave = 41, kEvMinus = 12, kEvEqual = 13, kEvLeftBrace = 26,
                  kEvRightBrace = 27, kEvF = 33, kEvApostrophe = 40, kEvBackslash = 43,
                  kEvComma = 51, kEvDot = 52, kEvSlash = 53, kEvIso102nd = 86;

enum class Rule {
    Always,          // plain command
    ControlOrPlain,  // withControl when the command modifier is down, else plain
    ShiftOrPlain,    // withShift when Shift is down, else plain
    CommaRule,       // Shift without the command modifier: not handled
    OnlyWithControl, // plain, and only with the command modifier
    OnlyWithShift,   // plain, and only with Shift
};

struct Row {
    int unshifted; // Qt key of the US layout without Shift
    int shifted;   // Qt key of the US layout with Shift (0: none)
    quint32 evdev;
    Rule rule;
    int plain;
    int alternate; // withControl or withShift
};

const std::array<Row, 12> kRows = {{
    {Qt::Key_Backslash, Qt::Key_Bar, kEvBackslash, Rule::Always, cmd::LastSongAlt, 0},
    {Qt::Key_Comma, Qt::Key_Less, kEvComma, Rule::CommaRule, cmd::Metronome,
     cmd::NextMetronomeType},
    {Qt::Key_Slash, Qt::Key_Question, kEvSlash, Rule::Always, cmd::Filter, 0},
    {Qt::Key_Period, Qt::Key_Greater, kEvDot, Rule::ShiftOrPlain, cmd::DotKey, cmd::NextGenre},
    {Qt::Key_QuoteLeft, Qt::Key_AsciiTilde, kEvGrave, Rule::Always, cmd::TildeKey, 0},
    {Qt::Key_F, 0, kEvF, Rule::OnlyWithControl, cmd::Filter, 0},
    // The extra key of ISO keyboards ("<" or "§" on many layouts).
    {Qt::Key_section, Qt::Key_plusminus, kEvIso102nd, Rule::OnlyWithShift, cmd::Backslash, 0},
    {Qt::Key_Apostrophe, Qt::Key_QuoteDbl, kEvApostrophe, Rule::Always, cmd::FirstSongAlt, 0},
    {Qt::Key_Equal, Qt::Key_Plus, kEvEqual, Rule::ControlOrPlain, cmd::SongList, cmd::EnterZoom},
    {Qt::Key_Minus, Qt::Key_Underscore, kEvMinus, Rule::ControlOrPlain, cmd::ToggleNote,
     cmd::LeaveZoom},
    {Qt::Key_BracketRight, Qt::Key_BraceRight, kEvRightBrace, Rule::Always, cmd::NextFilter, 0},
    {Qt::Key_BracketLeft, Qt::Key_BraceLeft, kEvLeftBrace, Rule::Always, cmd::PrevFilter, 0},
}};

const Row* rowFor(const KeyPress& key)
{
    for (const Row& row : kRows) {
        if (key.qtKey != 0 && (key.qtKey == row.unshifted || key.qtKey == row.shifted))
            return &row;
    }
    // Letters are layout keys of their own: only the command key F is taken by position.
    const bool letter = key.qtKey >= Qt::Key_A && key.qtKey <= Qt::Key_Z;
    if (letter || key.evdevCode == 0)
        return nullptr;
    for (const Row& row : kRows) {
        if (key.evdevCode == row.evdev && row.unshifted != Qt::Key_F)
            return &row;
    }
    return nullptr;
}

} // namespace

int keyCommandForKey(const KeyPress& key)
{
    const Row* row = rowFor(key);
    if (row == nullptr)
        return kKeyNotHandled;
    switch (row->rule) {
    case Rule::Always:
        return row->plain;
    case Rule::ControlOrPlain:
        return key.control ? row->alternate : row->plain;
    case Rule::ShiftOrPlain:
        return key.shift ? row->alternate : row->plain;
    case Rule::CommaRule:
        if (key.shift && !key.control)
            return kKeyNotHandled;
        return key.control ? row->alternate : row->plain;
    case Rule::OnlyWithControl:
        return key.control ? row->plain : kKeyNotHandled;
    case Rule::OnlyWithShift:
        return key.shift ? row->plain : kKeyNotHandled;
    }
    return kKeyNotHandled;
}

bool isTabBarToggleKey(const KeyPress& key)
{
    return key.qtKey == Qt::Key_section && !key.shift && !key.control;
}

} // namespace partivo
