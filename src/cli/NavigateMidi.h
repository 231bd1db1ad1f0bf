#pragma once

#include "cli/NavigateWords.h"

#include <QByteArray>
#include <QString>

namespace partivo::cli {

// The source an incoming message of "navigate" comes from unless the word names another.
inline constexpr char kPedalSourceName[] = "Pedal";

// "midi:HEX" or "midi:HEX@NAME": one incoming message (bytes in hex, separated by blanks or
// commas) from the source NAME ("Pedal" when not named), handed to the receive path, then
// the 0.1 s processing step run on the manual timers. An empty function with the message
// saying what is wrong: malformed hex, no byte, or a channel message longer than 3 bytes.
NavigateStep midiStep(const QString& word, QString& error);

// The bytes of a hex text, or nothing (with the reason) when it is not one MIDI message.
bool parseMidiHex(const QString& text, QByteArray& bytes, QString& error);

} // namespace partivo::cli
