#pragma once

#include "app/AppShell.h"
#include "app/CommandDispatcher.h"
#include "display/DisplayWindows.h"
#include "display/HalfPageZoom.h"
#include "display/SongPages.h"
#include "library/Binders.h"
#include "library/Data.h"
#include "library/LibraryView.h"
#include "library/Navigator.h"
#include "library/Options.h"
#include "library/TocList.h"
#include "notes/Metronome.h"
#include "notes/SongEv.h"
#include "player/PlayerView.h"

#include <QObject>
#include <memory>

namespace partivo {

inline constexpr char kNoteTimer[] = "noteProcessing";
inline constexpr int kNoteTimerMs = 500;
// The store's key of the music library's folder (absent: the desktop's music folder; "": none).
inline constexpr char kMusicFolderKey[] = "musicFolder";
// ChordPro songs: the instrument and user that directive selectors match, and whether
// "{start_of_ly}" music is handed to lilypond.
inline constexpr char kChordProInstrumentKey[] = "chordProInstrument";
inline constexpr char kChordProUserKey[] = "chordProUser";
inline constexpr char kChordProLilypondKey[] = "chordProLilypond";

class Dialogs;
class FileServices;
class MediaPlayer;
class AudioExport;
class MusicLibrary;
class PlayerBridge;
class Midi;
class MidiSetupWatcher;
class NotificationCenter;
class Prefs;
class Timers;

// The application controller: owns the library state, the position and the display
// windows, runs the start and termination sequences, and takes every command of the bus
// (key commands, remote actions, swipes) through one table to its handler.
class Controller : public LibraryView, public PlayerView {
public:
    Controller(Prefs& prefs, Dialogs& dialogs, Midi& midi, NotificationCenter& center,
               Timers& timers, FileServices& files, MediaPlayer& player, AppShell& shell);
    ~Controller() override;
    Controller(const Controller&) = delete;
    Controller& operator=(const Controller&) = delete;

    // Start: the MIDI engine (with MIDI off when the system has none), the options, then the
    // binders. A start folder becomes binder 1 and is opened.
    void awakeFromNib(const QString& startFolder = QString());
    // From now on MIDI set-up changes are handled; the port lists are polled.
    void applicationDidFinishLaunching();
    void applicationWillTerminate();
    // Partivo was started again: the folder it was given (if any) opens as binder 1, and
    // the key window comes to the front.
    void openFromAnotherStart(const QString& folder);
    // The display windows' arrangement is kept for the next start (at termination, and
    // before the program closes its windows to quit).
    void saveWindowLayout();
    // The program came to the front again: the current song's file is read again (it may
    // have changed meanwhile).
    void appAct();

    Data& data() { return data_; }
    Binders& binders() { return binders_; }
    Midi& midi() { return midi_; }
    Navigator& navigator() { return navigator_; }
    DisplayWindows& displayWindows() { return windows_; }
    CommandDispatcher& dispatcher() { return dispatcher_; }
    NotificationCenter& center() { return center_; }
    const Options& options() const { return options_; }
    // The preferences window closed with these options: they apply at once, everywhere.
    void applyOptions(const Options& options);
    MenuState menuState() const;

    // A key command from a window, a menu, the key pad or the bus.
    void actionKeyReceived(int command);
    // One action of the customisable inputs: code, reverse flag and parameter text.
    void traiterKeyAction(int code, bool rev, const QString& val);
    // A swipe: 1 left, 2 right, 3 up, 4 down.
    void traiterSwipe(int param);
    // Half-page zoom: enter (oper 0), half a page down (1) or up (-1); and leave it.
    void afficherZoom(int oper);
    void masquerZoom();
    // The version mode of every window is switched off or on and the song shown again.
    void traiterBackslash();

    // Song and binder file commands of the menus.
    void actionRevealDirX();
    void actionOpenDirX();
    void actionRevealPDFx();
    void actionOpenPDFx();
    void actionOpenPDF2x();
    void actionMailPDFx();
    void actionPrintPDFx();
    void openInExternalApp();
    // The file of the current song as the key window shows it (its window ID's version).
    QString currentSongFile() const;
    // The genre: the menu ticks it and shows it in its title; (MUTE) is 6. Chosen by the user
    // (menu, key 86, remote action), it is kept for the next start.
    void setGenreX(int genre);
    void nextGenre();
    // The 30-second timer after which the song on screen counts as played.
    void startAlreadyPlayedTimer();
    void stopAlreadyPlayedTimer();
    // The played marks from the menus: the current song's mark inverted, a saved log (slot
    // 1..10) recalled, every mark cleared.
    void actionMenuAlreadyPlayed();
    void actionMenuItemRecall(int slot);
    void actionMenuItemClearAllPlayedStates();
    // The saved logs, the most recent first: the date as the menu shows it, and the slot.
    QList<std::pair<QString, int>> playedLogs() const;
    void chooseGenre(int genre);
    // The backing track: the music library and its folder, the bridge that plays the
    // current song's track, the remote actions that reach it, the song's audio file shown
    // in its folder.
    MusicLibrary& musicLibrary() { return *music_; }
    PlayerBridge& playerBridge() { return *bridge_; }
    QString musicFolder() const;
    // Hands the ChordPro options of the preferences to the song reader.
    void applyChordProOptions();
    void setMusicFolder(const QString& folder);
    // The ChordPro options of the preferences (an empty instrument is "guitar", an empty
    // user the login name); a change lays every song out again, the same options nothing.
    QString chordProInstrument() const;
    QString chordProUser() const;
    bool chordProLilypond() const;
    void setChordProOptions(const QString& instrument, const QString& user, bool lilypond);
    void actionPlaySongNoReceived(int offset);
    void actionGoToGenreNoAndPlayPauseReceived(int genre);
    void actionPlayNextPauseReceived(int genre);
    void actionRevealAudio();
    // A companion window of that type (1 to 12) showing the current song, its note and the
    // track; none where the shell makes no windows.
    WindowPDFxSuper* newCompanionWindow(int winType);
    // The key binder window's option: ChordPro songs end with their chord diagrams.
    bool chordDiagramsShown() const;
    void toggleChordDiagrams();
    // The metronome: on and off (quick presses count in), and the key window's next
    // metronome type (with a short preview when it is off).
    Metronome& metronome() { return metronome_; }
    void traiter_metroOnOff();
    void traiter_metroType();
    // The tracks of the current song, or of the current tab's songs, copied into a folder
    // the user chooses; one export at a time.
    void actionExportAudioFiles(bool currentOnly);
    // What the windows were last told of the track, and the timed events fired since the
    // last take.
    struct TrackInfo {
        QString title, artist;
        double curPos = 0, maxPos = 0;
        bool masquer = true;
    };
    const TrackInfo& trackInfo() const { return trackInfo_; }
    QList<SongEv> takeFiredEvents();

    // PlayerView
    void updateItunesInfoX(const QString& title, const QString& artist, double curPos,
                           double maxPos, bool masquer) override;
    void playerMessage(const QString& text) override;
    bool contPlayOn() const override;
    bool tocShown() const override;
    void showSongNo(int songNo) override;
    void afterStop() override;
    // The song list's filter (shown first when hidden): the previous or next item, item n
    // of the current song's items, the filter text asked for (then key 85), the typed text
    // applied (or the next item without one), and the quick filters of
    // "ActionDisplayHideList" (ARTIST, TEMPO, PLAYED or a text; the same again hides).
    // The tag list window (key 1017; 1018 closes it) and the tag assignments (refused in the
    // Help Binder and without a tag; the binder is reloaded after a change).
    void actionMenuItemTags();
    void fermerTags();
    void tagsAssignments();
    void stepFilter(int step);
    void chooseFilterItem(int item);
    void filter();
    void applyFilterText();
    void actionDisplayHideListReceived(const QString& word);
    // The tab editor for tab 1..9, modal; nothing for tab 0, a message in the Help Binder.
    void editerSetlist(int tab);
    // The current tab's songs on the clipboard, as file names or as titles (the user
    // chooses).
    void exporterListe();

    // LibraryView
    void setDirButton(int dirNo) override;
    void chargerPages() override;
    void afficherToc() override;
    void hideSongList() override;
    void verifAffToc() override;
    void remplirToc() override;
    void turnTocPage(bool forward) override;
    void showTabStates() override;
    // The tab buttons of every window show the binder's tab names, then the current tab.
    void setTabsName();
    // Songs per list page counted again; an open list is opened again with it.
    void refreshNbTocG() override;
    // A letter or digit key while the list shows chooses the song of that entry (0-based).
    void setSongNoToc(int entry);
    const TocList& tocList() const { return toc_; }
    void reloadDocuments() override;
    void zoomStep(bool down) override;
    void updateRechInfo(bool valid, bool masquer) override;
    void editTab(int tab) override;

private:
    void registerKeyCommands();
    void registerActions();
    // The MIDI engine's notices for the MIDI editors, and the MIDI menu's sending state.
    void registerMidiEditorKeys();
    void observeBus();
    void showSongInWindows();
    WindowPDFx* newBinderWindow();
    // Half a second after a song change, if it is still current: what its note asks for.
    // The options that the navigator and the MIDI engine hold themselves.
    void useOptions();
    void processNote();
    // The "DEFAULT" group of the event library, then the note's untimed MIDI lines.
    void sendMIDIfromNote();
    void refreshPlayedMarks();
    void refreshMenus();
    void refreshNoteX();
    // Some window shows the search box: a blocked search is cleared.
    void afterSongStep();
    void inputAction(InputId input, bool rev);
    void pageUpDownKey(bool down);
    void goToPage(int page, bool top);
    void message(const QString& param, bool stay);
    void songOfCurrentTab(int offset);
    void openFile(const QString& path, bool isNew);
    bool inHelpBinder() const { return binders_.currentDirNo < 0; }
    // Songs per list-panel page: 36, or 18 when a narrow binder window shows the list.
    int determinerNbTocG() const;
    void makePlayer();
    // While the track plays and a page (or the lower half) follows, the next page; false
    // when there was none to turn.
    bool pageDownWithTrack();
    // The binder windows lay their pages out for the genre: (MUTE) or not.
    void applyMuteGenre();
    void exportAudioFilesMultiple();
    void exportAudioFilesMessageFinal(const AudioExport& done);
    // Applies the filter to the open list (nothing with the list closed).
    void prevNextFilterNoG(int step, int pred, bool refresh);
    void showFilterResult();

    NotificationCenter& center_;
    Timers& timers_;
    Midi& midi_;
    FileServices& files_;
    MediaPlayer& player_;
    AppShell& shell_;
    std::unique_ptr<MidiSetupWatcher> midiWatcher_;
    Data data_;
    Binders binders_;
    Navigator navigator_;
    TocList toc_;
    QList<SongEv> songEvents_; // the events of the song whose note was processed last
    DisplayWindows windows_;
    HalfPageZoom zoom_{windows_};
    Metronome metronome_{timers_, [this](int tick, bool masquer, bool reset) {
                             windows_.updateMetroWithNbTickX(tick, masquer, reset);
                         }};
    SongPages pages_;
    Options options_;
    CommandDispatcher dispatcher_;
    QList<int> observers_;
    bool launched_ = false;       // the first activation after the start has happened
    bool refreshWarning_ = false; // song information changed: the "⚠" item shows
    bool layoutSaved_ = false;    // the window layout was kept for the next start
    int userGenre_ = 1;           // the genre the user chose last
    bool tagListOpen_ = false;    // the tag list window is open
    QObject musicContext_;        // the music index hands its results over on its thread
    std::unique_ptr<MusicLibrary> music_;
    std::unique_ptr<PlayerBridge> bridge_;
    TrackInfo trackInfo_;
    std::unique_ptr<AudioExport> audioExport_; // the tab export under way
    Data::PieceList exportSongs_;
    qsizetype exportNext_ = 0;
    QList<SongEv> firedEvents_;
};

} // namespace partivo
