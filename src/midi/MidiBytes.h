#pragma once

#include <QtGlobal>
#include <array>

namespace partivo {

// The MIDI 1.0 messages the engine sends, as data.

inline constexpr int kStatusProgramChange = 0xC0; // + channel index 0..15
inline constexpr int kStatusControlChange = 0xB0; // + channel index 0..15
inline constexpr int kChannelCount = 16;
inline constexpr int kDataByteMax = 0x7F;
// Longest system exclusive message sent (whole, from F0 to F7); a longer one is refused.
inline constexpr int kMaxSysexBytes = 64 * 1024;
// Most messages one instruction text may queue, its groups expanded; the rest is dropped.
inline constexpr int kMaxMessagesPerText = 10000;
// Longest destination name read after an "@": a longer run of text names no destination.
inline constexpr int kMaxDestNameChars = 128;

inline constexpr int kControlBankSelectMsb = 0;
inline constexpr int kControlBankSelectLsb = 32;
// Controllers 32..63 carry the fine part of controllers 0..31.
inline constexpr int kLastLsbController = 63;

// Universal real-time system exclusive to every device: master coarse tuning, LSB 0, MSB at
// kCoarseTuneMsbAt (kTuneCentre = no change).
inline constexpr std::array<quint8, 8> kCoarseTuneFrame{0xF0, 0x7F, 0x7F, 0x04,
                                                        0x04, 0x00, 0x00, 0xF7};
inline constexpr int kCoarseTuneMsbAt = 6;
inline constexpr int kTuneCentre = 64;

// Coarse tuning through registered parameter 0/2, closed with the null parameter 127/127.
// The data entry step carries kTuneCentre plus the signed tune.
struct ControlStep {
    int control;
    int value;
    bool addsTune;
};
inline constexpr std::array<ControlStep, 6> kRpnCoarseTuneSteps{{
    {101, 0, false},
    {100, 2, false},
    {6, kTuneCentre, true},
    {38, 0, false},
    {101, 127, false},
    {100, 127, false},
}};

// Data bytes never carry the status bit: out-of-range numbers are clamped to 0..127.
inline int clampDataByte(int value)
{
    return qBound(0, value, kDataByteMax);
}

} // namespace partivo
