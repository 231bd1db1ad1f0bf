#include "display/AppKeys.h"

#include <Qt>
#include <array>

namespace partivo {

namespace {

struct Row {
    int qtKey;
    int plain;
    int withControl; // kKeyNotHandled: the same as plain
};

// The fixed keys: a..z are 0..25 and 0..9 are 26..35 (handled apart), then these.
const std::array<Row, 11> kRows = {{
    {Qt::Key_Left, 36, 40},
    {Qt::Key_Right, 37, 41},
    {Qt::Key_Up, 38, kKeyNotHandled},
    {Qt::Key_Down, 39, kKeyNotHandled},
    {Qt::Key_Home, 40, kKeyNotHandled},
    {Qt::Key_End, 41, kKeyNotHandled},
    {Qt::Key_Space, 42, kKeyNotHandled},
    {Qt::Key_PageUp, 43, kKeyNotHandled},
    {Qt::Key_PageDown, 44, kKeyNotHandled},
    {Qt::Key_Backspace, 50, kKeyNotHandled},
    {Qt::Key_Escape, 76, kKeyNotHandled},
}};

} // namespace

int applicationKeyCommand(const KeyPress& key)
{
    if (key.qtKey >= Qt::Key_A && key.qtKey <= Qt::Key_Z && !key.control)
        return key.qtKey - Qt::Key_A;
    if (key.qtKey >= Qt::Key_0 && key.qtKey <= Qt::Key_9 && !key.control)
        return 26 + (key.qtKey - Qt::Key_0);
    for (const Row& row : kRows) {
        if (row.qtKey != key.qtKey)
            continue;
        return key.control && row.withControl != kKeyNotHandled ? row.withControl : row.plain;
    }
    return kKeyNotHandled;
}

} // namespace partivo
