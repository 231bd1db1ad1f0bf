#pragma once

#include "display/WinID.h"
#include "display/WindowSettings.h"

#include <QList>
#include <QRect>
#include <QRectF>
#include <QString>

namespace partivo {

class Prefs;

// What a screenset stores about the platform window besides the settings.
struct WindowPlacement {
    bool zoomed = false;    // maximised; stored but not applied on load
    bool keyWindow = false; // the key window at save time; read back as the keywin setting
    int screenNo = 0;       // index in the platform's screen list
    QRect frame;            // whole pixels, fractions truncated

    bool operator==(const WindowPlacement&) const = default;
};

// Key of one setting of the window at `position` under screenset prefix `prefix`:
// prefix, position in decimal, suffix ("Set" 2 "winType" -> "Set2winType").
QString windowKey(const QString& prefix, int position, const char* suffix);

// Suffixes of every stored setting, in the order they are written; colours excluded.
QStringList windowKeySuffixes();

// Frame of a platform window, fractions truncated towards zero.
QRect truncatedFrame(const QRectF& frame);

void saveWindow(Prefs& prefs, const QString& prefix, int position, const WindowSettings& settings,
                const WindowPlacement& placement);

// The type stored for the window at `position`, so the right window can be created
// before its settings are loaded; -1 when none is stored.
int loadWinType(const Prefs& prefs, const QString& prefix, int position);

// Missing keys, and values a setting cannot take, leave that setting as it is. The window
// ID goes through iniMode, so the four choices come from winIDs.
void loadWindow(const Prefs& prefs, const QString& prefix, int position, WindowSettings& settings,
                WindowPlacement& placement, const QList<WinID>& winIDs);

} // namespace partivo
