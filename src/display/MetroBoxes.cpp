#include "display/MetroBoxes.h"

#include "display/WindowSettings.h"

namespace partivo {

int metroBoxForTick(int typeMetro, int tick, int signature)
{
    if (tick < 1)
        return 0;
    switch (typeMetro) {
    case MetroSimple:
        return 1;
    case MetroDouble:
        return tick % 2 == 1 ? 1 : 2;
    case MetroAccToSignature:
        if (signature < 2 || signature > 4)
            return 0;
        return (tick - 1) % signature + 1;
    default:
        return 0;
    }
}

int metroBoxCount(int typeMetro)
{
    switch (typeMetro) {
    case MetroSimple:
        return 1;
    case MetroDouble:
        return 2;
    case MetroAccToSignature:
        return 4;
    default:
        return 0;
    }
}

} // namespace partivo
