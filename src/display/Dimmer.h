#pragma once

namespace partivo {

class Prefs;

// The dimmer options of the general preferences.
struct DimmerOptions {
    bool genOptDimmer = false;
    double genOptDimmerVal = 20.0;      // percent
    double genOptDimmerValInact = 15.0; // percent
};

// Read from the store: the first two once the options were saved ("OptWasSaved"), the
// inactive value once the second group was ("OptWasSaved2D"); defaults otherwise.
DimmerOptions dimmerOptions(const Prefs& prefs);

// The opacities every window gets: of the box dimming the whole window, and of the boxes
// covering an inactive half.
struct DimmerValues {
    double dimmer = 0.0;
    double inactive = 0.0;
    bool operator==(const DimmerValues&) const = default;
};

// Percentages become opacities from 0 to 1 (a value that is not a number counts as 0).
DimmerValues ajusterDimmer(const DimmerOptions& options);

} // namespace partivo
