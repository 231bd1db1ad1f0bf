#pragma once

#include <QString>
#include <array>

namespace partivo {

class Binders;

// One binder's item in the binder menu.
struct BinderMenuItem {
    QString title;   // the folder's name, or "(unassigned)"
    QString tooltip; // the full path, or "Click to assign"
    bool assigned = false;
    bool current = false;
    bool contPlay = false; // continuous play is on for it
    bool operator==(const BinderMenuItem&) const = default;
};

// What the menus of the binder windows show.
struct MenuState {
    QString binderMenuTitle; // "%d ▹ %@" for the current binder, "? ▹ Help Binder" otherwise
    std::array<BinderMenuItem, 8> binders;
    QString songMenuTitle;           // "Song", or "" (hidden) in the Help Binder
    bool binderItemsEnabled = false; // reveal folder, export, export all, continuous play
    bool refreshWarning = false;     // the "⚠" item: song files changed, refresh to see them
    int genre = 1;                   // the ticked item of the Genre menu, 1..6
    bool operator==(const MenuState&) const = default;
};

// The MIDI menu's title: red while MIDI is being sent.
inline QString midiMenuTitle(bool sendingMidi)
{
    return sendingMidi ? QStringLiteral("🔴MIDI") : QStringLiteral("⚪️MIDI");
}

// The binder menu and song menu for the binders as they are.
MenuState menuStateFor(const Binders& binders);

} // namespace partivo
