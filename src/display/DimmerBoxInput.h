#pragma once

#include "display/GestureCommands.h"

namespace partivo {

class NotificationCenter;

// Pointer and trackpad input of the box lying over a binder window: clicks in the hidden
// regions and swipes become commands on the notification bus.
class DimmerBoxInput {
public:
    struct Options {
        bool hiddenRegions = false; // clicks in the four quarters are commands
        bool centerMouse = false;   // the pointer goes back to the window centre after a swipe
    };
    struct Outcome {
        int code = 0;                 // command or swipe code posted; 0 for none
        bool recentrePointer = false; // the window is to move the pointer to its centre
    };

    explicit DimmerBoxInput(NotificationCenter& center) : center_(center) {}

    // Posts "ActionKey" with the region's command. A click that gives no command (option
    // off, near a side edge) is for the window: code 0.
    Outcome click(QPointF pos, QSizeF windowSize, const Options& options);
    // Posts "mySwipe" with the code of a two-finger swipe that has ended.
    Outcome touchesEnded(const QHash<int, QPointF>& start, const QHash<int, QPointF>& end,
                         const Options& options);
    // Posts "mySwipe" at the end of a long enough scroll gesture.
    Outcome wheel(WheelSwipe::Phase phase, double deltaX, double deltaY, const Options& options);

private:
    Outcome postSwipe(int code, const Options& options);

    NotificationCenter& center_;
    WheelSwipe wheel_;
};

} // namespace partivo
