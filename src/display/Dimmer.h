#pragma once

namespace partivo {

struct Options;

// The opacities every window gets: of the box dimming the whole window, and of the boxes
// covering an inactive half.
struct DimmerValues {
    double dimmer = 0.0;
    double inactive = 0.0;
    bool operator==(const DimmerValues&) const = default;
};

// Percentages become opacities from 0 to 1 (a value that is not a number counts as 0).
DimmerValues ajusterDimmer(const Options& options);

// The general options every display window takes: the dimmer, the half-page markers and
// what clicks and swipes on the window do.
struct WindowOptions {
    DimmerValues dimmer;
    int halfPageMarker = 2;
    int redLine = 1;
    bool hiddenRegions = false;
    bool centerMouse = true;
    bool operator==(const WindowOptions&) const = default;
};
WindowOptions windowOptions(const Options& options);

} // namespace partivo
