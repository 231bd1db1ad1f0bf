#pragma once

#include <QString>

namespace partivo {

// The ChordPro file offered for an empty binder folder.
inline constexpr const char* kSampleFileName = "Sample(An Artist).chopro";
QString sampleSongText();

} // namespace partivo
