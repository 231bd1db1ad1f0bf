#pragma once

#include <QtGlobal>

namespace partivo {

// A key press as the window sees it: Qt's key symbol, the modifiers and the physical key's
// evdev code (the native scan code minus 8 under X11 and Wayland; 0 when unknown).
struct KeyPress {
    int qtKey = 0;
    bool shift = false;
    bool control = false; // the command modifier
    quint32 evdevCode = 0;
    bool alt = false;
};

// Sentinel: the key goes on to the window's normal key handling.
inline constexpr int kKeyNotHandled = -1;

// The key commands some punctuation keys post before any other key handling. A key is
// recognised by its symbol (unshifted or as the US layout shifts it); a key whose symbol is
// not in the table (a letter of another layout at that position, a dead key) is recognised
// by its physical position. Returns kKeyNotHandled for every other key.
int keyCommandForKey(const KeyPress& key);

// The key that shows or hides a binder window's tab bars: the section key ("§", left of 1
// on ISO keyboards) pressed without Shift or the command modifier.
bool isTabBarToggleKey(const KeyPress& key);

} // namespace partivo
