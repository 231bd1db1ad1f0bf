#pragma once

#include <QString>

namespace partivo {

// True when a JACK server answers on the default server name (or the one in
// JACK_DEFAULT_SERVER). Never starts a server: the probe client is opened with
// JackNoStartServer and closed at once. On false, why (when given) says what failed.
bool jackServerRunning(QString* why = nullptr);

} // namespace partivo
