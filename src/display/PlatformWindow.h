#pragma once

#include <QColor>
#include <QRect>
#include <QSizeF>

namespace partivo {

// What the display-window logic asks of the platform window that shows it. The widget
// implements it; logic tests use a double or no platform window at all.
class PlatformWindow {
public:
    virtual ~PlatformWindow() = default;

    // Opaque with that background colour, or see-through with a clear background.
    virtual void setOpaqueBackground(bool opaque, const QColor& background) = 0;
    // Above other applications' windows; a floating window hides while the application is
    // inactive when hidesOnDeactivate is set.
    virtual void setFloating(bool floating, bool hidesOnDeactivate) = 0;
    virtual void setShadow(bool shadow) = 0;
    virtual void orderFront() = 0;
    virtual void makeKeyAndOrderFront() = 0;
    virtual bool isKeyWindow() const = 0;
    virtual bool isMainWindow() const = 0;
    // Index of the window's screen in the platform's screen list.
    virtual int screenIndex() const = 0;
    virtual QSizeF frameSize() const = 0;
    // Where the window's content lies on the desktop, and moving it there (the content, not
    // the decoration, which the window manager adds only once the window is shown: a window
    // made again at a start lands exactly where it was).
    virtual QRect frameRect() const = 0;
    virtual void setFrameRect(const QRect& frame) = 0;
    virtual bool isPlatformFullScreen() const = 0;
    virtual void enterFullScreen() = 0;
    virtual void exitFullScreen() = 0;
    // Closes the platform window; its display window is removed from the list by winClose.
    virtual void closeWindow() = 0;
};

} // namespace partivo
