#include "library/KeyActions.h"

namespace partivo {

namespace {

constexpr char kWinIdPlaceholder[] = "WinID (optional)";
constexpr char kGenrePlaceholder[] = "Genre No. (1 - 6)";
constexpr char kMessagePlaceholder[] = "WinID:Message";
constexpr char kMessageTooltip[] =
    "WinID:Message\nWinID is optional.\nEnter a WinID to send a message to a specific WinID.";
constexpr char kGenreTooltip[] = "Genre No. (1 - 6)\nGenre No. is optional.\nEnter a Genre No. "
                                 "to start playback using a specific genre.";

const QList<KeyAction> kActions = {
    {0, "Previous Song", "", ""},
    {1, "Next Song", "", ""},
    {2, "Previous Page", kWinIdPlaceholder,
     "WinID (optional)\nWinID is optional.\nEnter a WinID to send Previous Page command to a "
     "specific WinID. Sync Page Changes must be disabled for the specidifed WinID."},
    {3, "Next Page", kWinIdPlaceholder,
     "WinID (optional)\nWinID is optional.\nEnter a WinID to send Next Page command to a "
     "specific WinID. Sync Page Changes must be disabled for the specidifed WinID."},
    {4, "Half Page Zoom On/Off", "", ""},
    {5, "Show/Hide Note Window", "", ""},
    {6, "Show/Hide List (Quick Filter)", "Filter (optional)",
     "Filter (optional)\nFilter can be any word, artist or tag.\nUse PLAYED, TEMPO or ARTIST to "
     "use predefined Quick Filter"},
    {7, "Play/Stop", kGenrePlaceholder, kGenreTooltip},
    {8, "Back to Previous Song", "", ""},
    {9, "Send MIDI Group", "MIDI Group ID",
     "MIDI Group ID\nEnter a MIDI Groupd ID that exists in you MIDI Event Library.\nExample: "
     "DEFAULT"},
    {10, "Go to Tab", "Tab No. (1 - 10)", "Tab No. (1 - 10)"},
    {11, "Show Message", kMessagePlaceholder, kMessageTooltip},
    {12, "Show Message (Stays)", kMessagePlaceholder, kMessageTooltip},
    {13, "Metronome On/Off", "", ""},
    {14, "Restart Metronome", "", ""},
    {15, "Choose Genre", kGenrePlaceholder, kGenrePlaceholder},
    {16, "Next Page or Play/Stop", kGenrePlaceholder, kGenreTooltip},
    {17, "Open in External Application", "", ""},
    {100, "Tabs (Previous/Next)", "", ""},
    {101, "Songs (Previous/Next)", "", ""},
    {102, "Pages (Previous/Next)", kWinIdPlaceholder,
     "WinID (optional)\nWinID is optional.\nEnter a WinID to send Previous/Next Page(s) command "
     "to a specific WinID. Sync Page Changes must be disabled for the specidifed WinID."},
    {103, "Page (Previous/Next)", kWinIdPlaceholder,
     "WinID (optional)\nWinID is optional.\nEnter a WinID to send Previous/Next Page command to "
     "a specific WinID. Sync Page Changes must be disabled for the specidifed WinID."},
};

// The keys: ".", 0 play; Page Up, 2 previous page; Page Down, 3 next page; space, 5 pages.
const QList<int> kKeyChooser = {7, 0, 2, 3, 1,  102, 6,  101, 100, 103, 16,
                                8, 4, 5, 9, 10, 11,  12, 13,  14,  15,  17};
// "~": 2 the list with a filter (its default parameter is "ARTIST").
const QList<int> kTildeChooser = {7, 0, 6, 3, 1,  102, 2,  101, 100, 103, 16,
                                  8, 4, 5, 9, 10, 11,  12, 13,  14,  15,  17};
// Swipes: left and right, 2 songs; up and down, 5 pages.
const QList<int> kSwipeChooser = {0, 1, 101, 100, 103, 102, 2,  3,  6,  7,  16,
                                  8, 4, 5,   9,   10,  11,  12, 13, 14, 15, 17};

} // namespace

const QList<KeyAction>& keyActions()
{
    return kActions;
}

const KeyAction* keyAction(int code)
{
    for (const KeyAction& action : kActions) {
        if (action.code == code)
            return &action;
    }
    return nullptr;
}

const QList<int>& chooserCodes(InputId input)
{
    switch (input) {
    case InputSwipeLeftRight:
    case InputSwipeUpDown:
        return kSwipeChooser;
    case InputTilde:
        return kTildeChooser;
    default:
        return kKeyChooser;
    }
}

int chooserCode(InputId input, int index)
{
    const QList<int>& codes = chooserCodes(input);
    if (index < 0 || index >= codes.size())
        index = Options::defaultInputs()[input].index;
    return codes[index];
}

int chooserIndex(InputId input, int code)
{
    return int(chooserCodes(input).indexOf(code));
}

QString inputTitle(InputId input)
{
    switch (input) {
    case InputSwipeLeftRight:
        return QStringLiteral("Swipe Left / Right");
    case InputSwipeUpDown:
        return QStringLiteral("Swipe Up / Down");
    case InputSpace:
        return QStringLiteral("Space Bar");
    case InputDot:
        return QStringLiteral("\".\" Key");
    case InputTilde:
        return QStringLiteral("\"~\" Key");
    case InputPageUp:
        return QStringLiteral("Page Up");
    case InputPageDown:
        return QStringLiteral("Page Down");
    default:
        return QString();
    }
}

} // namespace partivo
