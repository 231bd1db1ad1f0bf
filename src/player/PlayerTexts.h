#pragma once

// Texts the player shows to the user, kept together.
namespace partivo::playerTexts {

inline constexpr char kLibraryNotAvailable[] = "The music library is not available";
inline constexpr char kSongNotFound[] =
    "Partivo is unable to find the corresponding song in the music library.";
inline constexpr char kLibraryNeeded[] =
    "The music library must be available to use this function.";

inline constexpr char kTrackCannotPlay[] = "The track \"%1\" cannot be played: %2";

} // namespace partivo::playerTexts
