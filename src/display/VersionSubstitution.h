#pragma once

#include <QString>

namespace partivo {

struct WindowSettings;

struct Substitution {
    QString path;           // "" : a blank page
    bool alternate = false; // the window's own version was found
};

// The file a window shows for a song file: with a window ID, its alternate version
// ("name---ID.ext", or of the other type), looked up without regard to case; the master
// file otherwise, or nothing when the window shows only alternate versions.
Substitution subsPath(const QString& path, const WindowSettings& window);

// A song file counts as a PDF when its extension is "pdf" in any case.
bool isPdfPath(const QString& path);

} // namespace partivo
