#pragma once

// The one table of the program's commands: the key command numbers that travel as
// "ActionKey" and the names of the other remote actions. Every sender (keys, the key pad,
// windows, gestures, MIDI triggers, timed events) and the controller's dispatcher use these
// names. A number is given once and never renumbered; a new command is a new row.

#include <array>
#include <string_view>

namespace partivo {

namespace cmd {

// Type-to-search: 0..25 the letters a..z, 26..35 the digits 0..9.
inline constexpr int FirstLetter = 0;
inline constexpr int LastLetter = 35;
inline constexpr int Digit0 = 26;

inline constexpr int PrevSong = 36;
inline constexpr int NextSong = 37;
inline constexpr int PrevPage = 38;
inline constexpr int NextPage = 39;
inline constexpr int FirstSong = 40;
inline constexpr int LastSong = 41;
inline constexpr int SpaceKey = 42;
inline constexpr int PageUpKey = 43;
inline constexpr int PageDownKey = 44;
inline constexpr int EnterKey = 45;
inline constexpr int OpenEditor = 46;
inline constexpr int BackspaceKey = 50;
inline constexpr int SongList = 51;
inline constexpr int EnterZoom = 52;
inline constexpr int LeaveZoom = 53;
inline constexpr int CmdEnter = 54;
inline constexpr int CloseNoteWindow = 55;
inline constexpr int ReloadBinder = 57;
inline constexpr int Refresh = 58;
inline constexpr int ToggleSort = 59;
inline constexpr int ToggleInfo = 60;
inline constexpr int FirstBinder = 61; // 61..68: binders 0..7
inline constexpr int LastBinder = 68;
inline constexpr int RegionPrevSong = 69;
inline constexpr int RegionPageUp = 70;
inline constexpr int RegionNextSong = 71;
inline constexpr int RegionPageDown = 72;
inline constexpr int ToggleNote = 73;
inline constexpr int DotKey = 74;
inline constexpr int Backslash = 75;
inline constexpr int EndSearch = 76;
inline constexpr int StopPlayer = 77;
inline constexpr int Metronome = 78;
inline constexpr int NextMetronomeType = 79;
inline constexpr int PrevFilter = 80;
inline constexpr int NextFilter = 81;
inline constexpr int FirstSongAlt = 82;
inline constexpr int LastSongAlt = 83;
inline constexpr int Filter = 84;
inline constexpr int ApplyFilter = 85;
inline constexpr int NextGenre = 86;
inline constexpr int CountIn = 87;
inline constexpr int TildeKey = 88;
inline constexpr int NextPageAlt = 89;

inline constexpr int CloseNote = 1001;
inline constexpr int NoteWindow = 1002;
inline constexpr int ReloadAllPages = 1003;
inline constexpr int RefreshNoteNow = 1004;
inline constexpr int NoteBecameKey = 1005;
inline constexpr int NoteResignedKey = 1006;
inline constexpr int MidiEditorOpened = 1007;
inline constexpr int MidiEditorClosed = 1008;
inline constexpr int WindowsChanged = 1009;
inline constexpr int WindowIdChanged = 1010;
inline constexpr int WinIDsEdited = 1011;
inline constexpr int ZoomStateChanged = 1012;
inline constexpr int RefreshNote = 1013;
inline constexpr int ActivateKeyWindow = 1014;
inline constexpr int TabNamesChanged = 1015;
inline constexpr int SongInfoChanged = 1016;
inline constexpr int ShowTags = 1017;
inline constexpr int CloseTags = 1018;
inline constexpr int ExportList = 1019;
inline constexpr int RecountList = 1020;
inline constexpr int RefreshNotePlayed = 1022;

inline constexpr int LastProgramChange = 2001;
inline constexpr int LastControlChange = 2002;
inline constexpr int MidiSetupChanged = 2003;
inline constexpr int MidiLearned = 2004;
inline constexpr int MidiShowReceived = 2005;

inline constexpr int FirstHelpTopic = 3000; // 3000 + the help page number

} // namespace cmd

// Names of the remote actions ("param" holds their parameter).
namespace action {
inline constexpr char Key[] = "ActionKey";
inline constexpr char KeyPref[] = "ActionKeyPref";
inline constexpr char Onglet[] = "ActionOnglet";
inline constexpr char CmdOnglet[] = "ActionCmdOnglet";
inline constexpr char OngletB[] = "ActionOngletB";
inline constexpr char ScrollCurrentOnglet[] = "ActionScrollCurrentOnglet";
inline constexpr char GoToSongNo[] = "ActionGoToSongNo";
inline constexpr char PlaySongNo[] = "ActionPlaySongNo";
inline constexpr char GoToGenreNo[] = "ActionGoToGenreNo";
inline constexpr char GoToGenreNoAndPlayPause[] = "ActionGoToGenreNoAndPlayPause";
inline constexpr char PlayNextPause[] = "ActionPlayNextPause";
inline constexpr char GoToPageNo[] = "ActionGoToPageNo";
inline constexpr char GoToPageBottomNo[] = "ActionGoToPageBottomNo";
inline constexpr char Message[] = "ActionMessage";
inline constexpr char MessageStay[] = "ActionMessageStay";
inline constexpr char PageUpForWinID[] = "ActionPageUpForWinID";
inline constexpr char PageDownForWinID[] = "ActionPageDownForWinID";
inline constexpr char PageDownPreloadForWinID[] = "ActionPageDownPreloadForWinID";
inline constexpr char InsererMessage[] = "ActionInsererMessage";
inline constexpr char InsererTag[] = "ActionInsererTag";
inline constexpr char Open[] = "ActionOpen";
inline constexpr char OpenNew[] = "ActionOpenNew";
inline constexpr char DisplayHideList[] = "ActionDisplayHideList";
inline constexpr char Swipe[] = "mySwipe";
} // namespace action

// The key of a command's value in the map a command travels in.
inline constexpr char kCommandParam[] = "param";

struct CommandInfo {
    int number;
    std::string_view name;
    std::string_view description;
};

struct ActionInfo {
    std::string_view name;
    std::string_view param;
    std::string_view description;
};

// Every key command but the letters and digits (0..35 type "a".."z", "0".."9") and the
// help topics (3000 and up).
inline constexpr std::array kKeyCommands = std::to_array<CommandInfo>({
    {cmd::PrevSong, "prevSong", "previous song; unlocks and clears a locked search"},
    {cmd::NextSong, "nextSong", "next song; unlocks and clears a locked search"},
    {cmd::PrevPage, "prevPage", "previous page"},
    {cmd::NextPage, "nextPage", "next page"},
    {cmd::FirstSong, "firstSong", "first song of the tab, or the previous non-empty tab"},
    {cmd::LastSong, "lastSong", "the next non-empty tab"},
    {cmd::SpaceKey, "spaceKey", "the action chosen for the space bar"},
    {cmd::PageUpKey, "pageUpKey", "Page Up: windows turning their own pages, else its action"},
    {cmd::PageDownKey, "pageDownKey",
     "Page Down: windows turning their own pages, else its action"},
    {cmd::EnterKey, "enterKey", "with the song list shown, next song; else edit the note"},
    {cmd::OpenEditor, "openEditor", "open the ChordPro editor for the current song"},
    {cmd::BackspaceKey, "backspaceKey",
     "remove the last typed search character, else back to the previous song"},
    {cmd::SongList, "songList", "show or hide the song list"},
    {cmd::EnterZoom, "enterZoom", "enter half-page zoom"},
    {cmd::LeaveZoom, "leaveZoom", "leave half-page zoom"},
    {cmd::CmdEnter, "cmdEnter", "show or hide the song list (list button)"},
    {cmd::CloseNoteWindow, "closeNoteWindow", "close the note window"},
    {cmd::ReloadBinder, "reloadBinder", "reload the current binder"},
    {cmd::Refresh, "refresh", "refresh the current binder, keeping the song number"},
    {cmd::ToggleSort, "toggleSort", "switch between title and artist order"},
    {cmd::ToggleInfo, "toggleInfo", "open the Help Binder"},
    {61, "binder1", "open binder 1"},
    {62, "binder2", "open binder 2"},
    {63, "binder3", "open binder 3"},
    {64, "binder4", "open binder 4"},
    {65, "binder5", "open binder 5"},
    {66, "binder6", "open binder 6"},
    {67, "binder7", "open binder 7"},
    {68, "binder8", "open binder 8"},
    {cmd::RegionPrevSong, "regionPrevSong", "hidden region: previous song"},
    {cmd::RegionPageUp, "regionPageUp", "hidden region: previous page"},
    {cmd::RegionNextSong, "regionNextSong", "hidden region: next song"},
    {cmd::RegionPageDown, "regionPageDown", "hidden region: next page"},
    {cmd::ToggleNote, "toggleNote", "show or hide the note window"},
    {cmd::DotKey, "dotKey", "the action chosen for the \".\" key"},
    {cmd::Backslash, "backslash", "switch the window IDs off or on and show the song again"},
    {cmd::EndSearch, "endSearch", "end search typing"},
    {cmd::StopPlayer, "stopPlayer", "stop the backing track if it plays"},
    {cmd::Metronome, "metronome", "metronome on or off"},
    {cmd::NextMetronomeType, "nextMetronomeType", "next metronome type"},
    {cmd::PrevFilter, "prevFilter", "previous filter of the current filter type"},
    {cmd::NextFilter, "nextFilter", "next filter of the current filter type"},
    {cmd::FirstSongAlt, "firstSongAlt", "as firstSong"},
    {cmd::LastSongAlt, "lastSongAlt", "as lastSong"},
    {cmd::Filter, "filter", "the filter window"},
    {cmd::ApplyFilter, "applyFilter", "apply the typed filter text, or step the filter"},
    {cmd::NextGenre, "nextGenre", "next genre"},
    {cmd::CountIn, "countIn", "metronome count-in"},
    {cmd::TildeKey, "tildeKey", "the action chosen for the \"~\" key"},
    {cmd::NextPageAlt, "nextPageAlt", "as nextPage"},
    {cmd::CloseNote, "closeNote", "close the note window"},
    {cmd::NoteWindow, "noteWindow", "show or hide the note window (note button)"},
    {cmd::ReloadAllPages, "reloadAllPages", "reload the pages of every display window"},
    {cmd::RefreshNoteNow, "refreshNoteNow", "refresh the note lines and the song events now"},
    {cmd::NoteBecameKey, "noteBecameKey", "the note window became the key window"},
    {cmd::NoteResignedKey, "noteResignedKey", "the note window stopped being the key window"},
    {cmd::MidiEditorOpened, "midiEditorOpened", "a MIDI editor opened (nothing to do)"},
    {cmd::MidiEditorClosed, "midiEditorClosed", "a MIDI editor closed (nothing to do)"},
    {cmd::WindowsChanged, "windowsChanged", "main window or window list changed"},
    {cmd::WindowIdChanged, "windowIdChanged", "a window changed its ID or tab bars"},
    {cmd::WinIDsEdited, "winIDsEdited", "the windows re-read their window-ID choices"},
    {cmd::ZoomStateChanged, "zoomStateChanged", "re-read the half-page zoom state"},
    {cmd::RefreshNote, "refreshNote", "refresh the note lines"},
    {cmd::ActivateKeyWindow, "activateKeyWindow", "give the focus to the key display window"},
    {cmd::TabNamesChanged, "tabNamesChanged", "tab names changed"},
    {cmd::SongInfoChanged, "songInfoChanged", "song information changed"},
    {cmd::ShowTags, "showTags", "show the tags window"},
    {cmd::CloseTags, "closeTags", "close the tags window"},
    {cmd::ExportList, "exportList", "export the song list (export button)"},
    {cmd::RecountList, "recountList", "recount the songs per list page"},
    {cmd::RefreshNotePlayed, "refreshNotePlayed",
     "refresh the note lines, restart the played timer"},
    {cmd::LastProgramChange, "lastProgramChange", "show the last received program change"},
    {cmd::LastControlChange, "lastControlChange", "show the last received control change"},
    {cmd::MidiSetupChanged, "midiSetupChanged", "the MIDI set-up changed"},
    {cmd::MidiLearned, "midiLearned", "fill the trigger editor's learned row"},
    {cmd::MidiShowReceived, "midiShowReceived", "show the last received MIDI message"},
});

inline constexpr std::array kActions = std::to_array<ActionInfo>({
    {action::Key, "key command number", "run a key command"},
    {action::KeyPref, "1..6", "name the key just pressed in the preferences' key test"},
    {action::Onglet, "tab number", "select that tab"},
    {action::CmdOnglet, "tab number", "select that tab and edit it"},
    {action::OngletB, "tab number", "select that tab when it holds a song"},
    {action::ScrollCurrentOnglet, "0..127", "go to the song at that part of the current tab"},
    {action::GoToSongNo, "offset", "go to song k (0-based) of the current tab"},
    {action::PlaySongNo, "offset", "go to song k of the current tab and play its track"},
    {action::GoToGenreNo, "genre 1..6", "choose the genre"},
    {action::GoToGenreNoAndPlayPause, "genre", "play the song's track in that genre, or stop"},
    {action::PlayNextPause, "genre 0..6", "turn the page while the track plays, else play"},
    {action::GoToPageNo, "page", "show that page of the current song, upper half"},
    {action::GoToPageBottomNo, "page", "show that page of the current song, lower half"},
    {action::Message, "ID:Text or Text", "show a message that goes away"},
    {action::MessageStay, "ID:Text or Text", "show a message that stays"},
    {action::PageUpForWinID, "window ID", "previous page in the windows of that ID"},
    {action::PageDownForWinID, "window ID", "next page in the windows of that ID"},
    {action::PageDownPreloadForWinID, "window ID", "next page in the windows of that ID"},
    {action::InsererMessage, "text", "insert the text into the note being edited"},
    {action::InsererTag, "tag", "add the tag to the note being edited"},
    {action::Open, "file path", "open the file"},
    {action::OpenNew, "file path", "create and open a new ChordPro file"},
    {action::DisplayHideList, "filter or \"\"", "show or hide the song list with a filter"},
    {action::Swipe, "1..4", "a swipe: left, right, up, down"},
});

// The row of a key command, or null (the letters, digits and help topics have none).
constexpr const CommandInfo* keyCommandInfo(int number)
{
    for (const CommandInfo& info : kKeyCommands) {
        if (info.number == number)
            return &info;
    }
    return nullptr;
}

constexpr const ActionInfo* actionInfo(std::string_view name)
{
    for (const ActionInfo& info : kActions) {
        if (info.name == name)
            return &info;
    }
    return nullptr;
}

// Numbers are given once.
constexpr bool commandNumbersAreUnique()
{
    for (size_t i = 0; i < kKeyCommands.size(); ++i) {
        for (size_t j = i + 1; j < kKeyCommands.size(); ++j) {
            if (kKeyCommands[i].number == kKeyCommands[j].number ||
                kKeyCommands[i].name == kKeyCommands[j].name)
                return false;
        }
    }
    return true;
}
static_assert(commandNumbersAreUnique(), "a key command number or name is given twice");

} // namespace partivo
