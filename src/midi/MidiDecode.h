#pragma once

#include <QByteArray>
#include <QList>

namespace partivo {

// Status nibbles of the channel messages the trigger engine reads.
inline constexpr int kStatusNoteOff = 0x80;
inline constexpr int kStatusNoteOn = 0x90;
inline constexpr int kStatusPolyPressure = 0xA0;
inline constexpr int kStatusChannelPressure = 0xD0;
inline constexpr int kStatusPitchBend = 0xE0;
inline constexpr int kStatusSysex = 0xF0;
inline constexpr int kStatusSysexEnd = 0xF7;

// One channel message (status 0x80..0xEF) of an incoming packet.
struct MidiChannelMessage {
    int kind = 0;    // status & 0xF0
    int channel = 0; // 0..15
    int data1 = 0;
    int data2 = 0; // 0 for the two-byte messages

    bool operator==(const MidiChannelMessage&) const = default;
};

// Byte length of the message that starts with status: 2 for 0xC0..0xDF, 0xF1 and 0xF3,
// 1 for 0xF4..0xFF, 3 otherwise (system exclusive is measured by its end, not here).
int midiMessageLength(int status);

// The channel messages of a packet, in order. Running status is not supported: data bytes
// where a status byte is due are skipped. A message cut short by the end of the packet or
// by a status byte in a data position is dropped, and reading goes on at that status byte.
// System exclusive runs to its F7 or to the end of the packet and, like the other system
// messages, yields nothing.
QList<MidiChannelMessage> decodeMidiPacket(const QByteArray& bytes);

} // namespace partivo
