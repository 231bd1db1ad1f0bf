#pragma once

#include <QString>

namespace partivo {

// The thirteen kinds of display window. The number is what screensets store, so it never
// changes.
enum WinType {
    WinTypeBinder = 0,
    WinTypeSummary = 1,
    WinTypeTitle = 2,
    WinTypeTrackTime = 3,
    WinTypeArtist = 4,
    WinTypeTempo = 5,
    WinTypeRemainingTime = 6,
    WinTypeProgress = 7,
    WinTypeNote = 8,
    WinTypeMetronome = 9,
    WinTypeNextTitle = 10,
    WinTypeArtistTitle = 11,
    WinTypeEmptyPanel = 12,
};
inline constexpr int kWinTypeCount = 13;

// True for the types the window menu creates (0 to 12).
bool isKnownWinType(int winType);
// Types 2 and up are the small always-on-top companion windows.
bool isCompanionWinType(int winType);

// Name of the window layout used for a type: "WindowMini", "WindowTitle", "WindowTrackTime",
// "WindowJauge", and "WindowPDFx" (the binder window) for every other value.
QString obtenirClasse(int winType);

// Text of a window's ID label: its window ID, or "Master" for the master window.
QString idLabelText(const QString& altDir);

// Title under which the window inspector lists a window, e.g. "Binder Window - Drum" or
// "Object - Tempo". labelText is the text of the window's ID label.
QString obtenirTitle(int winType, const QString& labelText);

} // namespace partivo
