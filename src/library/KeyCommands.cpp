#include "library/KeyCommands.h"

#include "library/Navigator.h"

namespace partivo {

namespace {

using Action = void (*)(Navigator&, int command);

// The one list of the navigation key commands; null for any other number.
Action actionFor(int command)
{
    if (command >= cmd::FirstLetter && command <= cmd::LastLetter)
        return [](Navigator& n, int c) { n.allerA(c + 1); };
    switch (command) {
    case cmd::PrevSong:
        return [](Navigator& n, int) { n.traiterPrev(); };
    case cmd::NextSong:
        return [](Navigator& n, int) { n.traiterNext(); };
    case cmd::PrevPage:
        return [](Navigator& n, int) { n.actionUp(); };
    case cmd::NextPage:
        return [](Navigator& n, int) { n.actionDown(); };
    case cmd::FirstSong:
        return [](Navigator& n, int) { n.actionFirst(); };
    case cmd::LastSong:
        return [](Navigator& n, int) { n.actionLast(); };
    case cmd::EndSearch:
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
