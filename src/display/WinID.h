#pragma once

#include <QString>

namespace partivo {

// A window ID: the name of a role a display window plays (a drummer's screen, ...) and the
// four choices that say what such a window shows when a song has nothing for that role.
struct WinID {
    int index = 0;
    QString idWin;
    int defNote = 0; // 0 master note as default, 1 only the specific note
    int defPDF = 0;  // 0 master PDF as default, 1 only the master, 2 only the alternate
    int defCHO = 0;  // the same for ChordPro songs
    int defMsg = 0;  // 0 all messages, 1 only messages sent to this ID

    bool operator==(const WinID&) const = default;
};

} // namespace partivo
