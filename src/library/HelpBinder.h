#pragma once

#include <QString>

namespace partivo {

// The help song by which the Help Binder folder is recognised.
inline constexpr const char* kHelpMarkerSong = "01 Getting Started(Partivo Help).chopro";

// The folder of the program's own help songs: beside the program, in its installed data
// folder, or in the source tree it was built from; "" when none is found.
QString findHelpFolder();

} // namespace partivo
