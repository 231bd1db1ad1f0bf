#pragma once

namespace partivo {

class Navigator;

// Key command numbers of the navigation keys.
enum KeyCommand {
    kKeyFirstLetter = 0, // 0..35: "a".."z", "0".."9" typed for type-to-search
    kKeyLastLetter = 35,
    kKeyPrevSong = 36,
    kKeyNextSong = 37,
    kKeyPrevPage = 38,
    kKeyNextPage = 39,
    kKeyFirstSong = 40,
    kKeyLastSong = 41,
    kKeyEndSearch = 76,
};

// True for the numbers runNavigationKey runs.
bool runNavigationKeyKnown(int command);
// Runs a navigation key command; false for a number that is not one.
bool runNavigationKey(Navigator& navigator, int command);

} // namespace partivo
