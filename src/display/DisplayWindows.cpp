#include "display/DisplayWindows.h"

#include "display/KeyWindow.h"
#include "display/PlatformWindow.h"
#include "display/WindowPDFxSuper.h"
#include "platform/Commands.h"
#include "platform/NotificationCenter.h"

namespace partivo {

DisplayWindows::DisplayWindows(NotificationCenter& center) : center_(center) {}

void DisplayWindows::append(WindowPDFxSuper* window)
{
    window->iniMode(0, QString());
    windows_.append(window);
    if (window->settings().winType > WinTypeSummary)
        window->iniAlwaysOnTop(true);
}

void DisplayWindows::winClose(WindowPDFxSuper* window)
{
    if (windows_.size() == 1 && windows_.first() == window && lastClosing_)
        lastClosing_();
    forget(window);
    center_.postParam(QLatin1String(action::Key), cmd::WindowsChanged);
    activateKeywin();
}

void DisplayWindows::forget(WindowPDFxSuper* window)
{
    windows_.removeAll(window);
}

void DisplayWindows::closeAllWin()
{
    const auto windows = windows_;
    windows_.clear();
    for (WindowPDFxSuper* window : windows)
        if (window->platformWindow())
            window->platformWindow()->closeWindow();
}

void DisplayWindows::closeAllCompWin()
{
    for (qsizetype i = windows_.size() - 1; i >= 0; --i) {
        WindowPDFxSuper* window = windows_[i];
        if (window->settings().winType == WinTypeBinder)
            continue;
        windows_.removeAt(i);
        if (window->platformWindow())
            window->platformWindow()->closeWindow();
    }
}

void DisplayWindows::exitFullScreenForAllWin()
{
    for (WindowPDFxSuper* window : windows_)
        if (window->platformWindow() && window->platformWindow()->isPlatformFullScreen())
            window->platformWindow()->exitFullScreen();
}

WindowPDFxSuper* DisplayWindows::getKeyWin() const
{
    for (WindowPDFxSuper* window : windows_)
        if (window->platformWindow() && window->platformWindow()->isKeyWindow())
            return window;
    return nullptr;
}

WindowPDFxSuper* DisplayWindows::keyOrFirstBinderWindow() const
{
    if (WindowPDFxSuper* key = getKeyWin())
        return key;
    WindowPDFxSuper* first = nullptr;
    for (WindowPDFxSuper* window : windows_) {
        if (window->settings().winType != WinTypeBinder)
            continue;
        if (window->settings().keywin)
            return window;
        if (!first)
            first = window;
    }
    return first;
}

WindowPDFxSuper* DisplayWindows::getWinController() const
{
    for (WindowPDFxSuper* window : windows_)
        if (window->platformWindow() && window->platformWindow()->isMainWindow())
            return window;
    return nullptr;
}

WindowPDFxSuper* DisplayWindows::getWinControllerForWin(const PlatformWindow* platform) const
{
    for (qsizetype i = windows_.size() - 1; i >= 0; --i)
        if (platform && windows_[i]->platformWindow() == platform)
            return windows_[i];
    return nullptr;
}

void DisplayWindows::clearKeyWin()
{
    for (WindowPDFxSuper* window : windows_)
        if (window->settings().winType == WinTypeBinder)
            window->mutableSettings().keywin = false;
}

WindowPDFxSuper* DisplayWindows::activateKeywin()
{
    QList<KeyWindowCandidate> candidates;
    for (WindowPDFxSuper* window : windows_) {
        const PlatformWindow* platform = window->platformWindow();
        candidates.append({window->settings().winType, window->settings().keywin,
                           platform ? platform->screenIndex() : 0});
    }
    const int chosen = activateKeywinChoice(candidates);
    if (chosen < 0)
        return nullptr;
    WindowPDFxSuper* window = windows_[chosen];
    if (window->platformWindow())
        window->platformWindow()->makeKeyAndOrderFront();
    return window;
}

PagingInfo DisplayWindows::pagingInfo() const
{
    PagingInfo all;
    for (const WindowPDFxSuper* window : windows_) {
        const std::optional<PagingInfo> one = window->paging();
        if (!one)
            continue;
        all.pages = std::max(all.pages, one->pages);
        all.singlePage = all.singlePage || one->singlePage;
        all.extraPages = std::max(all.extraPages, one->extraPages);
    }
    return all;
}

bool DisplayWindows::isUneFenetreEstZoomDemiPage() const
{
    for (const WindowPDFxSuper* window : windows_) {
        const WindowSettings& s = window->settings();
        if (s.syncPageChanges && (s.modeAffichage == ModeHalfPageZoom || s.ratio21))
            return true;
    }
    return false;
}

} // namespace partivo
