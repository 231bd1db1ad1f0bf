#pragma once

#include "platform/Commands.h"

#include <QHash>
#include <QPointF>
#include <QSizeF>

namespace partivo {

// A click outside the four hidden regions (the regions post cmd::RegionPrevSong (left upper
// quarter), cmd::RegionPageUp (left lower), cmd::RegionNextSong (right upper) and
// cmd::RegionPageDown (right lower)).
inline constexpr int kNoHiddenRegion = 0;

// Clicks this close to the left or right edge are left to the window.
inline constexpr double kHiddenRegionMargin = 30.0;

// The command of a click at pos in a window of the given size, both in window coordinates
// as Qt gives them (y grows downward); kNoHiddenRegion for a click near a side edge.
int hiddenRegionCommand(QPointF pos, QSizeF windowSize);

// Two-finger swipe codes: 1 to 4 horizontal (1 and 3 made mostly in the upper half of the
// pad, 2 and 4 in the lower; 1 and 2 to the right, 3 and 4 to the left), 5 up, 6 down;
// 10 more for a long swipe. 0 for no swipe.
inline constexpr double kSwipeMinTravel = 0.3;
inline constexpr double kSwipeLongTravel = 1.4;

// Touch positions on the pad by touch id, normalised to 0..1 with y growing downward, at
// the start and at the end of the gesture. Only touches present at both count, and at
// least two must be.
int swipeCode(const QHash<int, QPointF>& start, const QHash<int, QPointF>& end);

// Scroll-wheel swipe codes, decided at the end of a scroll gesture: 1 left, 2 right, 3 up,
// 4 down.
class WheelSwipe {
public:
    enum Phase { Begin, Update, End };
    // Either summed delta must pass this, in wheel notches (Qt's angleDelta / 120).
    static constexpr double kThreshold = 1.0;

    // Feeds one event of the finger gesture (momentum events and wheels without phases are
    // not part of it), deltas with the signs and units of Qt's angleDelta / 120. Answers the
    // code at the end of a long enough gesture, else 0.
    int event(Phase phase, double deltaX, double deltaY);

private:
    double sumX_ = 0.0;
    double sumY_ = 0.0;
};

// A pinch on the pages: spreading the fingers enters half-page zoom (52), pinching them
// together leaves it (53), once per gesture.
class PinchZoom {
public:
    // Summed magnification (Qt's zoom gesture values) a pinch must pass.
    static constexpr double kThreshold = 0.15;

    void begin() { sum_ = 0, done_ = false; }
    // One step of the gesture; answers 52 or 53 the first time the sum passes the
    // threshold, else 0.
    int step(double value);

private:
    double sum_ = 0.0;
    bool done_ = false;
};

} // namespace partivo
