#pragma once

// Texts of the tab editor and of the list exports, kept together.
namespace partivo::texts {

inline constexpr char kTabWindowTitle[] = "Tab: %1";
inline constexpr char kTabWindowTitleUnnamed[] = "Tab";
inline constexpr char kEnterTabName[] = "Please, enter a Tab Name";
inline constexpr char kNoName[] = "no name";
inline constexpr char kSaveChanges[] = "Save changes?";
inline constexpr char kConvertToSetlist[] = "Convert Collection to Setlist using existing entries?";
inline constexpr char kConvertToCollection[] =
    "Convert Setlist to Collection using existing entries?";
inline constexpr char kRowMustBeSelected[] = "A row must be selected to perform this operation";
inline constexpr char kRemoveAllEntries[] = "Remove all entries from the list?";
inline constexpr char kValidEntriesImported[] = "%1 valid entries added from the pasteboard";
inline constexpr char kEntriesImported[] = "%1 entries added from the pasteboard";
inline constexpr char kFilenamesExported[] = "%1 filename(s) copied to the pasteboard.";
inline constexpr char kNothingToExport[] =
    "Current list is empty. 0 entry copied to the pasteboard.";
inline constexpr char kMissingFile[] = "File %1 no longer exists or has been renamed";
inline constexpr char kMissingMark[] = "⚠";

// Column titles.
inline constexpr char kKeywordColumn[] = "Keyword or Tag";
inline constexpr char kTitleColumn[] = "Title";

// The controller's side: opening the editor and the song list export.
inline constexpr char kNoEditInHelpBinder[] =
    "Setlists and Collections cannot be edited in the Help Binder.";
inline constexpr char kExportListQuestion[] =
    "Please, select the kind of list that you want to export to the pasteboard.";
inline constexpr char kListOfFilenames[] = "List of Filenames";
inline constexpr char kListOfTitles[] = "List of Titles";
inline constexpr char kEntriesExported[] = "%1 entry(ies) copied to the pasteboard.";
inline constexpr char kNoEntryExported[] =
    "No selected entry for the current tab. 0 entry copied to the pasteboard.";

} // namespace partivo::texts
