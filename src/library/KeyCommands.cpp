#include "library/KeyCommands.h"

#include "library/Navigator.h"

namespace partivo {

namespace {

using Action = void (*)(Navigator&, int command);

// The one list of the navigation key commands; null for any other number.
Action actionFor(int command)
{
    if (command >= kKeyFirstLetter && command <= kKeyLastLetter)
        return [](Navigator& n, int c) { n.allerA(c + 1); };
    switch (command) {
    case kKeyPrevSong:
        return [](Navigator& n, int) { n.traiterPrev(); };
    case kKeyNextSong:
        return [](Navigator& n, int) { n.traiterNext(); };
    case kKeyPrevPage:
        return [](Navigator& n, int) { n.traiterUP(false); };
    case kKeyNextPage:
        return [](Navigator& n, int) { n.traiterDown(false, 0); };
    case kKeyFirstSong:
        return [](Navigator& n, int) { n.actionFirst(); };
    case kKeyLastSong:
        return [](Navigator& n, int) { n.actionLast(); };
    case kKeyEndSearch:
        return [](Navigator& n, int) { n.endSearch(); };
    default:
        return nullptr;
    }
}

} // namespace

bool runNavigationKeyKnown(int command)
{
    return actionFor(command) != nullptr;
}

bool runNavigationKey(Navigator& navigator, int command)
{
    const Action action = actionFor(command);
    if (action == nullptr)
        return false;
    action(navigator, command);
    return true;
}

} // namespace partivo
