#pragma once

#include "display/BinderHeader.h"
#include "display/MetroBoxes.h"

#include <QWidget>
#include <functional>

class QLabel;
class QToolButton;

namespace partivo {

class BeatBoxes;

// The information lines of a binder window as a row of widgets: the window-ID button, the
// title line, the search box, the tempo, and the buttons of the note window, list panel,
// filter, export and (while a note is recorded) recording. It keeps one height whatever it
// holds, so that the page views below it keep their size.
class BinderHeaderRow : public QWidget {
    Q_OBJECT
public:
    explicit BinderHeaderRow(QWidget* parent = nullptr);

    // The ID button was pressed.
    std::function<void()> onNextId;
    // A button posting a key command was pressed.
    std::function<void(int command)> onCommand;
    // The recording button was pressed.
    std::function<void()> onEndRecording;

    // searchShown: this window shows the search box; recording: a note is being recorded;
    // the buttons are drawn in the text colour.
    void showHeader(const BinderHeader& header, const SearchBox& search, bool searchShown,
                    bool recording, const QColor& text);

    // A metronome beat: only the beat boxes (and the buttons, when their number changed).
    void showBeats(const BinderHeader& header);

    QString shownTitle() const;
    QString shownId() const;
    QString shownTempo() const;
    QString shownSearch() const;
    // The button posting the command; none for another number.
    QToolButton* commandButton(int command) const;
    QToolButton* idButton() const { return id_; }
    // In a window too narrow for the title and the buttons, the buttons go into this menu.
    QToolButton* menuButton() const { return more_; }
    bool buttonsInMenu() const;
    QToolButton* recordingButton() const { return rec_; }

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    // The title gets its room first: the buttons go into the menu when both do not fit.
    void arrangeButtons();
    void arrangeIfChanged(int beatBoxes);
    static MetroBeats beatsOf(const BinderHeader& header);

    QToolButton* id_;
    QLabel* title_;
    QLabel* search_;
    BeatBoxes* beats_;
    QLabel* tempo_;
    QList<QToolButton*> commands_;
    QToolButton* rec_;
    QToolButton* more_;
    QString arrangedFor_; // the title the buttons were arranged for
};

} // namespace partivo
