#include "display/KeyWindow.h"

#include "display/WindowTypes.h"

namespace partivo {

namespace {

bool isBinder(const KeyWindowCandidate& window)
{
    return window.winType == WinTypeBinder;
}

} // namespace

int activateKeywinChoice(const QList<KeyWindowCandidate>& windows)
{
    for (int i = 0; i < windows.size(); ++i) {
        if (isBinder(windows[i]) && windows[i].keywin)
            return i;
    }
    int choice = -1;
    for (int i = 0; i < windows.size(); ++i) {
        if (!isBinder(windows[i]))
            continue;
        if (choice < 0 || windows[i].screen == windows[choice].screen)
            choice = i;
    }
    return choice;
}

void markKeyWindow(QList<KeyWindowCandidate>& windows, int index)
{
    if (index < 0 || index >= windows.size() || !isBinder(windows[index]))
        return;
    for (KeyWindowCandidate& window : windows)
        window.keywin = false;
    windows[index].keywin = true;
}

} // namespace partivo
