#pragma once

// Texts the library shows to the user, kept together.
namespace partivo::texts {

inline constexpr const char* kNoSongsFound =
    "No PDF or ChordPro files found in the selected folder!";
inline constexpr const char* kOfferSample =
    "No PDF or ChordPro files found in the selected folder.\n"
    "Select Yes to create a sample ChordPro file.";
inline constexpr const char* kConfirmUnassign = "Are you sure you want to unassign binder no %1 ?";
inline constexpr const char* kSampleNotWritten =
    "The sample file could not be written in the selected folder:\n%1";
inline constexpr const char* kBinderNotAvailable =
    "The folder of binder %1 is not available:\n%2\nChoose a folder for this binder or cancel "
    "to keep it for a later run.";
inline constexpr const char* kSetlistCut =
    "The setlist of tab %1 (%2) would list more than %3 songs; the rest is left out.";
inline constexpr const char* kNamesNotUtf8 =
    "%1 files were skipped because their names are not valid UTF-8: %2";
inline constexpr const char* kFilesLeftOut =
    "Some of this binder was left out or could not be read:";
inline constexpr const char* kMoreLeftOut = "and %1 more.";
inline constexpr const char* kChooseFolderTitle = "Partivo";
inline constexpr const char* kChooseFolderMessage = "Choose a folder";

inline constexpr char kNoTabsInHelpBinder[] =
    "Setlists and Collections cannot be created in the Help Binder.";

// The list panel's page label when the list holds no song.
inline constexpr char kNoEntry[] = "(no entry)";
inline constexpr char kFilterAll[] = "All • %1";
inline constexpr char kFilterPlayed[] = "Played";
inline constexpr char kFilterTempo[] = "Tempo %1";
inline constexpr char kFilterNoArtist[] = "(no artist)";

} // namespace partivo::texts
