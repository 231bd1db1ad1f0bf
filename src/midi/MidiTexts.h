#pragma once

namespace partivo {

// Texts of the MIDI engine.

// Destinations of a first start: "All", then "Ch1" .. "Ch16"; new ones "Dest<index>".
inline constexpr char kAllChannelsDestName[] = "All";
inline constexpr char kChannelDestPrefix[] = "Ch";
inline constexpr char kNewDestPrefix[] = "Dest";

// The event library's first group, sent on every song change.
inline constexpr char kDefaultGroupId[] = "DEFAULT";
inline constexpr char kDefaultGroupDescr[] = "Default events for every song";
inline constexpr char kNewFavPrefix[] = "Fav";

inline constexpr char kErrorInSend[] = "Error in send";

} // namespace partivo
