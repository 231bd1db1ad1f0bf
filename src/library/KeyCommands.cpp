#include "library/KeyCommands.h"

#include "library/Navigator.h"

namespace partivo {

bool runNavigationKeyKnown(int command)
{
    return (command >= kKeyFirstLetter && command <= kKeyLastLetter) ||
           (command >= kKeyPrevSong && command <= kKeyLastSong) || command == kKeyEndSearch;
}

bool runNavigationKey(Navigator& navigator, int command)
{
    if (command >= kKeyFirstLetter && command <= kKeyLastLetter) {
        navigator.allerA(command + 1);
        return true;
    }
    switch (command) {
    case kKeyPrevSong:
        navigator.traiterPrev();
        return true;
    case kKeyNextSong:
        navigator.traiterNext();
        return true;
    case kKeyPrevPage:
        navigator.traiterUP(false);
        return true;
    case kKeyNextPage:
        navigator.traiterDown(false, 0);
        return true;
    case kKeyFirstSong:
        navigator.actionFirst();
        return true;
    case kKeyLastSong:
        navigator.actionLast();
        return true;
    case kKeyEndSearch:
        navigator.endSearch();
        return true;
    default:
        return false;
    }
}

} // namespace partivo
