// The key command table: every number of platform/Commands.h and the handler that takes
// it. Commands whose part of the program is still to come are registered as such and log
// that they are not available.
#include "app/AppTexts.h"
#include "app/Controller.h"

#include "player/PlayerBridge.h"

#include "display/WindowPDFxSuper.h"
#include "library/KeyActions.h"
#include "platform/Commands.h"

namespace partivo {

namespace {

using namespace texts::comingParts;

} // namespace

void Controller::registerKeyCommands()
{
    CommandDispatcher& d = dispatcher_;
    Navigator& nav = navigator_;

    // a..z, 0..9: with the song list shown, the song of that entry ("0" the page's last
    // entry); else type-to-search.
    d.onKeys(cmd::FirstLetter, cmd::LastLetter, [this](int c) {
        if (windows_.recOn) {
            dispatcher_.logNotAvailable(QString::fromLatin1(kNoteWindow), c);
            return;
        }
        setSongNoToc(c == cmd::Digit0 ? data_.nbTocG - 1 : c < cmd::Digit0 ? c : c - 1);
        navigator_.allerA(c + 1);
    });

    // The arrows also unlock a search that found nothing.
    d.onKey(cmd::PrevSong, [&nav](int) {
        nav.unlockSearch();
        nav.traiterPrev();
    });
    d.onKey(cmd::NextSong, [&nav](int) {
        nav.unlockSearch();
        nav.traiterNext();
    });
    d.onKey(cmd::RegionPrevSong, [&nav](int) { nav.traiterPrev(); });
    d.onKey(cmd::RegionNextSong, [&nav](int) { nav.traiterNext(); });
    for (int c : {cmd::PrevPage, cmd::RegionPageUp})
        d.onKey(c, [&nav](int) { nav.actionUp(); });
    for (int c : {cmd::NextPage, cmd::RegionPageDown, cmd::NextPageAlt})
        d.onKey(c, [&nav](int) { nav.actionDown(); });
    for (int c : {cmd::FirstSong, cmd::FirstSongAlt})
        d.onKey(c, [&nav](int) { nav.actionFirst(); });
    for (int c : {cmd::LastSong, cmd::LastSongAlt})
        d.onKey(c, [&nav](int) { nav.actionLast(); });

    d.onKey(cmd::SpaceKey, [this](int) { inputAction(InputSpace, false); });
    d.onKey(cmd::DotKey, [this](int) { inputAction(InputDot, false); });
    d.onKey(cmd::TildeKey, [this](int) { inputAction(InputTilde, false); });
    d.onKey(cmd::PageUpKey, [this](int) { pageUpDownKey(false); });
    d.onKey(cmd::PageDownKey, [this](int) { pageUpDownKey(true); });

    d.onKey(cmd::EnterKey, [this](int c) {
        if (navigator_.tocON)
            navigator_.traiterNext();
        else
            dispatcher_.logNotAvailable(QString::fromLatin1(kNoteWindow), c);
    });
    d.onKey(cmd::BackspaceKey, [&nav](int) {
        if (!nav.removeLastSearchCharacter())
            nav.actionGotoCur();
    });
    d.onKey(cmd::EnterZoom, [this](int) { afficherZoom(0); });
    d.onKey(cmd::LeaveZoom, [this](int) { masquerZoom(); });
    d.onKey(cmd::ReloadBinder, [this](int) {
        const int k = binders_.currentDirNo;
        binders_.doRefresh(k, k < 0 ? Binders::HelpBinder : Binders::OpenBinder, false);
    });
    d.onKey(cmd::Refresh, [this](int) { binders_.actionRefresh(); });
    d.onKey(cmd::ToggleSort, [&nav](int) { nav.actionToggleSort(); });
    d.onKey(cmd::ToggleInfo, [this](int) { binders_.actionToggleInfo(); });
    d.onKeys(cmd::FirstBinder, cmd::LastBinder,
             [this](int c) { binders_.actionChoisirDir(c - cmd::FirstBinder); });
    d.onKey(cmd::Backslash, [this](int) { traiterBackslash(); });
    d.onKey(cmd::EndSearch, [&nav](int) { nav.endSearch(); });

    d.onKey(cmd::ReloadAllPages, [this](int) { chargerPages(); });
    d.onKey(cmd::RefreshNoteNow, [this](int) { refreshNoteX(); });
    d.onKey(cmd::RefreshNote, [this](int) { refreshNoteX(); });
    d.onKey(cmd::RefreshNotePlayed, [this](int) { refreshNoteX(); });
    // Posted when a MIDI editor opens and closes; there is nothing to do.
    d.onKey(cmd::MidiEditorOpened, [](int) {});
    d.onKey(cmd::MidiEditorClosed, [](int) {});
    d.onKey(cmd::WindowsChanged, [this](int) {
        navigator_.zoomON = windows_.isUneFenetreEstZoomDemiPage();
        windows_.ajusterCadreX(navigator_.zoomON);
        refreshMenus();
    });
    d.onKey(cmd::WindowIdChanged, [this](int) { refreshMenus(); });
    d.onKey(cmd::WinIDsEdited, [this](int) {
        windows_.refreshDefNoteDefPDFX();
        chargerPages();
    });
    d.onKey(cmd::ZoomStateChanged, [this](int) {
        navigator_.zoomON = windows_.isUneFenetreEstZoomDemiPage();
        chargerPages();
        windows_.ajusterCadreX(navigator_.zoomON);
    });
    d.onKey(cmd::ActivateKeyWindow, [this](int) { windows_.activateKeywin(); });
    d.onKey(cmd::SongInfoChanged, [this](int) {
        windows_.refreshinfoX();
        remplirToc();
        refreshWarning_ = true;
        refreshMenus();
    });

    d.onKey(cmd::SongList, [&nav](int) { nav.actionEqual(); });
    d.onKey(cmd::CmdEnter, [this](int) { editerSetlist(data_.onglNoG); });
    d.onKey(cmd::TabNamesChanged, [this](int) {
        setTabsName();
        windows_.ajusterPosButtonTocX();
    });
    d.onKey(cmd::ExportList, [this](int) { exporterListe(); });
    d.onKey(cmd::RecountList, [this](int) { refreshNbTocG(); });

    // Still to come.
    for (int c : {cmd::CloseNoteWindow, cmd::ToggleNote, cmd::CloseNote, cmd::NoteWindow,
                  cmd::NoteBecameKey, cmd::NoteResignedKey})
        d.keyNotAvailable(c, QString::fromLatin1(kNoteWindow));
    d.keyNotAvailable(cmd::OpenEditor, QString::fromLatin1(kEditor));
    d.onKey(cmd::StopPlayer, [this](int) { bridge_->stop_if_playing(); });
    d.onKey(cmd::NextGenre, [this](int) { nextGenre(); });
    d.onKey(cmd::Metronome, [this](int) { traiter_metroOnOff(); });
    d.onKey(cmd::NextMetronomeType, [this](int) { traiter_metroType(); });
    d.onKey(cmd::CountIn, [this](int) { metronome_.countIn(); });
    d.onKey(cmd::PrevFilter, [this](int) { stepFilter(-1); });
    d.onKey(cmd::NextFilter, [this](int) { stepFilter(1); });
    d.onKey(cmd::Filter, [this](int) { filter(); });
    d.onKey(cmd::ApplyFilter, [this](int) { applyFilterText(); });
    d.onKey(cmd::ShowTags, [this](int) { actionMenuItemTags(); });
    d.onKey(cmd::CloseTags, [this](int) { fermerTags(); });
    registerMidiEditorKeys();
    for (int topic : {0, 4, 5, 7, 9, 11, 12, 13, 16, 17, 18})
        d.keyNotAvailable(cmd::FirstHelpTopic + topic, QString::fromLatin1(kHelp));
}

// The space bar, ".", "~": the action chosen for the input, reverse clear, with its text.
void Controller::inputAction(InputId input, bool rev)
{
    const InputSetting& setting = options_.inputs[size_t(input)];
    traiterKeyAction(chooserCode(input, setting.index), rev, setting.param);
}

// Page Up and Page Down go to the windows that turn their own pages first; the chosen
// action runs only when none of them took it.
void Controller::pageUpDownKey(bool down)
{
    if (windows_.traiterPageUpDown(down))
        return;
    inputAction(down ? InputPageDown : InputPageUp, false);
}

} // namespace partivo
