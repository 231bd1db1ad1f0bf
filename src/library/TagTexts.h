#pragma once

// Texts of the tag list editor and of the tag assignments, kept together.
namespace partivo::texts {

inline constexpr char kTagListTitle[] = "Tags";
inline constexpr char kTagAssignmentsTitle[] = "Tag Assignments";
inline constexpr char kNewTag[] = "Tag1";
inline constexpr char kRemoveTagFromAllSongs[] = "⚠️Also remove tag %1 from ALL songs?";
inline constexpr char kRowsMustBeSelected[] =
    "One or many rows must be selected to perform this operation";
inline constexpr char kRemoveTagsFromEntries[] =
    "Are you sure you want to remove tags from %1 entries?";
inline constexpr char kEntriesUpdated[] = "%1 entries updated";
inline constexpr char kNotesNotWritten[] = "%1 note(s) could not be written:";
inline constexpr char kMoreNotesNotWritten[] = "and %1 more.";

// Column titles and buttons of the tag assignments.
inline constexpr char kTagsColumn[] = "Tags";
inline constexpr char kClearColumn[] = "Clear";
inline constexpr char kPreviousTagsTip[] = "Click to show the previous eight tags";
inline constexpr char kNextTagsTip[] = "Click to show the next eight tags";
inline constexpr char kAddTagOperation[] = "Add tag";
inline constexpr char kRemoveTagOperation[] = "Remove tag";
inline constexpr char kProceed[] = "Proceed";
inline constexpr char kExtractTags[] = "Extract Existing Tags from Filename";

} // namespace partivo::texts
