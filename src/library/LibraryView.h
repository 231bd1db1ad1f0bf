#pragma once

namespace partivo {

// What a binder load asks of the windows. The default does nothing, so the library runs
// headless; the application's windows override what they show.
class LibraryView {
public:
    virtual ~LibraryView() = default;

    // Binder menu for binder k (titles, tooltips, enabled items).
    virtual void setDirButton(int /*dirNo*/) {}
    // Forget the per-song progress (MIDI sent, next song, tab, player and event songs).
    virtual void resetSongProgress() {}
    virtual void hideSongList() {}
    // Show the current song in the display windows, creating the binder window if needed.
    virtual void chargerPages() {}
    // Opens the song list panel at the page of the current song (Navigator::tocON is set).
    virtual void afficherToc() {}
    // Opens the song list panel when the current song is the first song of its tab.
    virtual void verifAffToc() {}
    // Fills the open song list panel again (the order or the list changed).
    virtual void remplirToc() {}
    // Songs per list page counted again (the windows may have changed); the windows show
    // the list as it stands.
    virtual void refreshNbTocG() {}
    // The tab buttons show the current tab (and the one a search flagged red).
    virtual void showTabStates() {}
    // Turns the page of the song list panel forward or backward, round at the ends.
    virtual void turnTocPage(bool /*forward*/) {}
    // The search display: the typed text (Data::rech) matches a song (valid) or not;
    // masquer hides it.
    virtual void updateRechInfo(bool /*valid*/, bool /*masquer*/) {}
    // Moves the half-page zoom one step down or up.
    virtual void zoomStep(bool /*down*/) {}
    // Every binder window reloads its document (its file may have changed).
    virtual void reloadDocuments() {}
    // Opens the editor of tab 1..9 and returns once it is closed.
    virtual void editTab(int /*tab*/) {}
};

} // namespace partivo
