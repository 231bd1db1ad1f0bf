#include "display/WindowFlag.h"

#include "display/WindowSettings.h"

namespace partivo {

namespace {

// In the order of the enum.
constexpr bool WindowSettings::*kFlags[] = {
    &WindowSettings::singlePageForce,
    &WindowSettings::ratio21,
    &WindowSettings::chordProChordsBold,
    &WindowSettings::chordProLyricsBold,
    &WindowSettings::chordProDiagramsHide,
    &WindowSettings::pageNoPDFHide,
    &WindowSettings::pageNoCHDHide,
    &WindowSettings::keywin,
    &WindowSettings::noShadow,
    &WindowSettings::hideTitleElementTitle,
    &WindowSettings::hideTitleElementTempo,
    &WindowSettings::hideTitleElementNote,
    &WindowSettings::hideList,
    &WindowSettings::hideFrame,
    &WindowSettings::lyricsOnly,
    &WindowSettings::syncPageChanges,
    &WindowSettings::pageUpdown,
    &WindowSettings::ongletsVisibles,
};
static_assert(std::size(kFlags) == int(WindowFlag::ongletsVisibles) + 1);

} // namespace

bool& windowFlag(WindowSettings& settings, WindowFlag flag)
{
    return settings.*kFlags[int(flag)];
}

bool windowFlag(const WindowSettings& settings, WindowFlag flag)
{
    return settings.*kFlags[int(flag)];
}

} // namespace partivo
