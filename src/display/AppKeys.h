#pragma once

#include "display/KeyTable.h"

namespace partivo {

// Key commands of the keys the application handles after the window (letters, digits,
// arrows, paging and editing keys). kKeyNotHandled for every other key.
int applicationKeyCommand(const KeyPress& key);

} // namespace partivo
