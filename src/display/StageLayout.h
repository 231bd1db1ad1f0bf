#pragma once

#include <QString>
#include <functional>

namespace partivo {

class DisplayWindows;
class Prefs;
class WindowPDFxSuper;

// The arrangement of the display windows kept from one run to the next, under the keys of
// screenset 0 for the number of screens: each window's settings, window ID, mode, frame and
// full screen.
QString stageLayoutPrefix(int screenCount);
void saveStageLayout(Prefs& prefs, const QString& prefix, const DisplayWindows& windows);
// Makes the stored windows again with makeWindow (which appends them to the list; nothing
// for a type it does not make), the binder windows first, then the companion windows, and
// gives them their settings, frame, mode and full screen; a window stored for a screen that
// is not there now is left out. Answers how many windows it made.
int loadStageLayout(const Prefs& prefs, const QString& prefix, DisplayWindows& windows,
                    int screenCount,
                    const std::function<WindowPDFxSuper*(int winType)>& makeWindow);

} // namespace partivo
