#pragma once

#include "app/MenuState.h"

#include <QList>
#include <QMenuBar>
#include <optional>

class QMenu;

namespace partivo {

class Controller;
class ProgramShell;

// The menus of a binder window: the binder menu (the eight binders, assigning and
// unassigning, refresh, continuous play, the Help Binder and the "⚠" refresh warning), the
// song menu with the file commands, the list menu (the song list, the tab editor, the list
// export, the tab bars of this window), the tags menu (the tag windows and the filters), the
// MIDI menu (the three MIDI editors), and the program
// menu (preferences, key pad, full screen, quit). Every binder window has one; all show the same
// state.
class BinderMenuBar : public QMenuBar {
    Q_OBJECT
public:
    BinderMenuBar(Controller& controller, ProgramShell& shell, QWidget* parent = nullptr);

    void showState(const MenuState& state);
    // "🔴MIDI" while MIDI is being sent, "⚪️MIDI" otherwise.
    void showMidiSending(bool sending);
    QMenu* binderMenu() const { return binderMenu_; }
    QMenu* songMenu() const { return songMenu_; }
    QMenu* listMenu() const { return listMenu_; }
    QMenu* genreMenu() const { return genreMenu_; }
    QMenu* tagsMenu() const { return tagsMenu_; }
    // Fills the list menu's parts that follow the store, as opening the menu does.
    void prepareListMenu() { emit listMenu_->aboutToShow(); }
    QMenu* midiMenu() const { return midiMenu_; }
    // One item per companion window type, named as the window lists name it.
    QMenu* windowMenu() const { return windowMenu_; }

private:
    void buildProgramMenu();
    void buildSongMenu();
    void buildListMenu();
    void buildMidiMenu();
    void buildGenreMenu();
    void buildWindowMenu();
    // The tag windows and the song list's filters.
    void buildTagsMenu();
    void fillFilterMenu(QMenu* items);
    // The saved played logs, the most recent first (disabled without one).
    void fillRecallMenu(QMenu* recall);
    void fillBinderMenu(const MenuState& state);

    Controller& controller_;
    ProgramShell& shell_;
    QMenu* programMenu_ = nullptr;
    QMenu* binderMenu_ = nullptr;
    QMenu* songMenu_ = nullptr;
    QMenu* listMenu_ = nullptr;
    QMenu* genreMenu_ = nullptr;
    QMenu* tagsMenu_ = nullptr;
    QList<QAction*> genres_; // the six genres, in order
    QMenu* midiMenu_ = nullptr;
    QMenu* windowMenu_ = nullptr;
    std::optional<MenuState> shown_; // what the menus show
};

} // namespace partivo
