#pragma once

// Texts the controller shows to the user, kept together.
namespace partivo::texts {

inline constexpr char kSettingsReadOnly[] =
    "Partivo cannot save its settings in \"%1\" (the file or its folder is read-only). "
    "Binders, positions, options and window layouts of this session will not be kept.";
inline constexpr char kDisabledInHelpBinder[] = "This action is disabled in the Help Binder.";
inline constexpr char kNeedsBinderWindow[] = "This command needs a binder window.";
inline constexpr char kFileNotFound[] = "The file \"%1\" cannot be found.";
inline constexpr char kTagAssignmentsInHelpBinder[] =
    "Tags Assignments is disabled in the Help Binder.";
inline constexpr char kTagAssignmentsNeedTags[] =
    "Please, create at least one tag before using Tags Assignments.";
inline constexpr char kCannotPrint[] = "The PDF file \"%1\" cannot be printed.";

// The parts of the program whose commands are registered before they exist; their commands
// log that they are not available yet.
namespace comingParts {
inline constexpr char kNoteWindow[] = "the note window";
inline constexpr char kMidiIn[] = "MIDI input and the MIDI editors";
inline constexpr char kEditor[] = "the ChordPro editor";
inline constexpr char kHelp[] = "the help topics window";
inline constexpr char kPdfExport[] = "the ChordPro to PDF window";
} // namespace comingParts

// The key test field of the preferences ("ActionKeyPref").
inline constexpr const char* kKeyTestNames[] = {
    "(other key)",
    "Arrow Left (previous song)",
    "Arrow Right (next song)",
    "Arrow Up (previous page)",
    "Arrow Down (next page)",
    "Page Up (customizable)",
    "Page Down (customizable)",
};

} // namespace partivo::texts
