#pragma once

namespace partivo {

// Commands the display windows post to the controller as "ActionKey".
inline constexpr int kReloadAllPagesKey = 1003;  // reload the pages of every window
inline constexpr int kWindowsChangedKey = 1009;  // main window or window list changed
inline constexpr int kWindowIdChangedKey = 1010; // a window stepped to another window ID
inline constexpr int kWinIDsEditedKey = 1011;    // the window ID list was edited
inline constexpr int kRecountListKey = 1020;     // recount the songs of the list panel
inline constexpr int kNoteWindowKey = 1002;      // show or hide the note window
inline constexpr int kExportListKey = 1019;      // export the current list
inline constexpr int kFilterKey = 51;            // filter the song list
inline constexpr int kSongListKey = 54;          // show or hide the song list panel
inline constexpr int kEnterZoomKey = 52;         // enter half-page zoom
inline constexpr int kLeaveZoomKey = 53;         // leave half-page zoom

} // namespace partivo
