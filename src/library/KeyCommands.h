#pragma once

#include "platform/Commands.h"

namespace partivo {

class Navigator;

// True for the numbers runNavigationKey runs.
bool runNavigationKeyKnown(int command);
// Runs a navigation key command; false for a number that is not one.
bool runNavigationKey(Navigator& navigator, int command);

} // namespace partivo
