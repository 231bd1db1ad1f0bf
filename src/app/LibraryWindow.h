#pragma once

#include <QMainWindow>

class QLabel;
class QListWidget;
class QMenu;

namespace partivo {

class Controller;

// The main window while the display windows are not there yet: the binder menu, the song
// list of the current order and the current song.
class LibraryWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit LibraryWindow(Controller& controller);

    void showBinderMenu();
    void showSongList();
    void showCurrentSong();

private:
    void buildMenus();

    Controller& controller_;
    QMenu* binderMenu_ = nullptr;
    QListWidget* list_ = nullptr;
    QLabel* current_ = nullptr;
};

} // namespace partivo
