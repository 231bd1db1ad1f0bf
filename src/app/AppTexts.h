#pragma once

// Texts the controller shows to the user, kept together.
namespace partivo::texts {

inline constexpr char kDisabledInHelpBinder[] = "This action is disabled in the Help Binder.";
inline constexpr char kNeedsBinderWindow[] = "This command needs a binder window.";
inline constexpr char kFileNotFound[] = "The file \"%1\" cannot be found.";
inline constexpr char kCannotPrint[] = "The PDF file \"%1\" cannot be printed.";

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
