#pragma once

namespace partivo {

struct WindowSettings;

// The on/off settings a window's ini setters store and a binder window reacts to.
enum class WindowFlag {
    singlePageForce,
    ratio21,
    chordProChordsBold,
    chordProLyricsBold,
    chordProDiagramsHide,
    pageNoPDFHide,
    pageNoCHDHide,
    keywin,
    noShadow,
    hideTitleElementTitle,
    hideTitleElementTempo,
    hideTitleElementNote,
    hideList,
    hideFrame,
    lyricsOnly,
    syncPageChanges,
    pageUpdown,
    ongletsVisibles,
};

bool& windowFlag(WindowSettings& settings, WindowFlag flag);
bool windowFlag(const WindowSettings& settings, WindowFlag flag);

} // namespace partivo
