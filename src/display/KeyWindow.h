#pragma once

#include <QList>

namespace partivo {

// What the key-window choice needs to know of one display window, in list order.
struct KeyWindowCandidate {
    int winType = 0;
    bool keywin = false; // marked as the binder window to make key again
    int screen = 0;      // index of its screen
};

// The window activateKeywin makes key: the first binder window marked keywin; without
// one, the last binder window on the first binder window's screen. -1 when there is no
// binder window.
int activateKeywinChoice(const QList<KeyWindowCandidate>& windows);

// A binder window became the main window: it alone carries the mark.
void markKeyWindow(QList<KeyWindowCandidate>& windows, int index);

} // namespace partivo
