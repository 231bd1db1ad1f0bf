#pragma once

// Texts the player shows to the user, kept together.
namespace partivo::playerTexts {

inline constexpr char kLibraryNotAvailable[] = "The music library is not available";
inline constexpr char kSongNotFound[] =
    "Partivo is unable to find the corresponding song in the music library.";
inline constexpr char kLibraryNeeded[] =
    "The music library must be available to use this function.";

inline constexpr char kTrackCannotPlay[] = "The track \"%1\" cannot be played: %2";

inline constexpr char kExportRunning[] = "Export of audio files is currently in progress.";
inline constexpr char kExportNeedsBinderWindow[] =
    "A binder window must be selected to use this function.";
inline constexpr char kExportTitle[] = "Partivo";
inline constexpr char kExportChooseFolder[] =
    "Please select a destination folder for the audio file(s)";
inline constexpr char kExportConfirmTab[] = "Export audio files for %1 song(s) to %2";
inline constexpr char kExportProgress[] = "%1/%2 %3";
inline constexpr char kExportDone[] = "%1 file(s) have been copied to %2";
inline constexpr char kExportFailures[] = "These files could not be copied:";
inline constexpr char kExportOk[] = "Ok";
inline constexpr char kExportShowInFolder[] = "Show in Folder...";

} // namespace partivo::playerTexts
