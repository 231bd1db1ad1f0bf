#include "app/widgets/BinderMenuBar.h"

#include "app/Controller.h"
#include "app/widgets/ProgramShell.h"
#include "display/WindowTypes.h"
#include "display/widgets/BinderWindow.h"
#include "library/Data.h"
#include "library/Genres.h"
#include "library/SongFilter.h"
#include "midi/Midi.h"
#include "platform/Commands.h"

#include <QApplication>
#include <QMenu>
#include <QStyle>

namespace partivo {

namespace {

// A menu item that runs fn. The key after a tab is what the key table does with it; the
// item registers no shortcut of its own, so a key never runs twice.
QAction* item(QMenu* menu, const QString& text, const std::function<void()>& fn)
{
    QAction* action = menu->addAction(text);
    QObject::connect(action, &QAction::triggered, menu, fn);
    return action;
}

} // namespace

BinderMenuBar::BinderMenuBar(Controller& controller, ProgramShell& shell, QWidget* parent)
    : QMenuBar(parent), controller_(controller), shell_(shell)
{
    setNativeMenuBar(false); // each binder window carries its own
    // The desktop's colours, not the binder window's (black by default): every role is set
    // here, so that none is taken from the window.
    const QPalette desktop = QApplication::style()->standardPalette();
    QPalette own;
    for (int group = 0; group < QPalette::NColorGroups; ++group) {
        for (int role = 0; role < QPalette::NColorRoles; ++role) {
            const auto g = QPalette::ColorGroup(group);
            const auto r = QPalette::ColorRole(role);
            own.setColor(g, r, desktop.color(g, r));
        }
    }
    setPalette(own);
    setAutoFillBackground(true);
    buildProgramMenu();
    binderMenu_ = addMenu(QString());
    buildSongMenu();
    buildListMenu();
    buildTagsMenu();
    buildMidiMenu();
    buildGenreMenu();
    buildWindowMenu();
    showState(controller.menuState());
}

void BinderMenuBar::buildProgramMenu()
{
    programMenu_ = addMenu(QStringLiteral("Partivo"));
    item(programMenu_, QStringLiteral("Preferences..."), [this] { shell_.showPreferences(); });
    item(programMenu_, QStringLiteral("Key Pad"), [this] { shell_.showKeyPad(); });
    programMenu_->addSeparator();
    item(programMenu_, QStringLiteral("Full Screen\tF11"), [this] { shell_.toggleFullScreen(); });
    programMenu_->addSeparator();
    // The window itself carries Ctrl+Q, so that it also quits while the menus are hidden.
    item(programMenu_, QStringLiteral("Quit\tCtrl+Q"), [] { ProgramShell::quit(); });
}

void BinderMenuBar::buildGenreMenu()
{
    genreMenu_ = addMenu(genreMenuTitle(1));
    Controller& c = controller_;
    for (int genre = 1; genre <= kGenreCount; ++genre) {
        QAction* choice = item(genreMenu_, genreName(genre), [&c, genre] { c.chooseGenre(genre); });
        choice->setCheckable(true);
        genres_.append(choice);
    }
    genreMenu_->addSeparator();
    item(genreMenu_, QStringLiteral("Next Genre"), [&c] { c.actionKeyReceived(cmd::NextGenre); });
    genreMenu_->addSeparator();
    item(genreMenu_, QStringLiteral("Play or Stop Backing Track\t."),
         [&c] { c.traiterKeyAction(7, false, QString()); });
    item(genreMenu_, QStringLiteral("Stop Backing Track\tAlt+Space"),
         [&c] { c.actionKeyReceived(cmd::StopPlayer); });
    genreMenu_->addSeparator();
    item(genreMenu_, QStringLiteral("Metronome\t,"), [&c] { c.actionKeyReceived(cmd::Metronome); });
    item(genreMenu_, QStringLiteral("Count In"), [&c] { c.actionKeyReceived(cmd::CountIn); });
    item(genreMenu_, QStringLiteral("Next Metronome Type\tCtrl+,"),
         [&c] { c.actionKeyReceived(cmd::NextMetronomeType); });
}

void BinderMenuBar::buildMidiMenu()
{
    midiMenu_ = addMenu(midiMenuTitle(shell_.sendingMidi()));
    item(midiMenu_, QStringLiteral("MIDI Output..."), [this] { shell_.showMidiOut(); });
    item(midiMenu_, QStringLiteral("MIDI Event Library..."), [this] { shell_.showMidiFav(); });
    item(midiMenu_, QStringLiteral("MIDI Triggers..."), [this] { shell_.showMidiTrig(); });
    midiMenu_->addSeparator();
    item(midiMenu_, QStringLiteral("Log MIDI Ports"), [this] { controller_.midi().listDevices(); });
}

void BinderMenuBar::buildWindowMenu()
{
    windowMenu_ = addMenu(QStringLiteral("Window"));
    for (int type = WinTypeSummary; type < kWinTypeCount; ++type) {
        item(windowMenu_, obtenirTitle(type, idLabelText(QString())),
             [this, type] { controller_.newCompanionWindow(type); });
    }
    windowMenu_->addSeparator();
    QAction* diagrams = item(windowMenu_, QStringLiteral("Chord Diagrams"),
                             [this] { controller_.toggleChordDiagrams(); });
    diagrams->setCheckable(true);
    connect(windowMenu_, &QMenu::aboutToShow, this,
            [this, diagrams] { diagrams->setChecked(controller_.chordDiagramsShown()); });
}

void BinderMenuBar::showMidiSending(bool sending)
{
    midiMenu_->setTitle(midiMenuTitle(sending));
}

void BinderMenuBar::buildListMenu()
{
    listMenu_ = addMenu(QStringLiteral("List"));
    Controller& c = controller_;
    item(listMenu_, QStringLiteral("Song List\t="), [&c] { c.actionKeyReceived(cmd::SongList); });
    item(listMenu_, QStringLiteral("Edit Current Tab...\tCtrl+Enter"),
         [&c] { c.actionKeyReceived(cmd::CmdEnter); });
    item(listMenu_, QStringLiteral("Export Song List..."),
         [&c] { c.actionKeyReceived(cmd::ExportList); });
    item(listMenu_, QStringLiteral("Export Audio Files of This Tab..."),
         [&c] { c.actionExportAudioFiles(false); });
    listMenu_->addSeparator();
    // The tab bars belong to the window of this menu bar.
    QAction* bars = item(listMenu_, QStringLiteral("Tab Bars\t§"), [this] {
        if (auto* window = qobject_cast<BinderWindow*>(parentWidget()))
            window->binder().toggleOngletsVisibles();
    });
    bars->setCheckable(true);
    listMenu_->addSeparator();
    item(listMenu_, QStringLiteral("Played"), [&c] { c.actionMenuAlreadyPlayed(); });
    QMenu* recall = listMenu_->addMenu(QStringLiteral("Recall Played Log"));
    item(listMenu_, QStringLiteral("Clear All Played Marks"),
         [&c] { c.actionMenuItemClearAllPlayedStates(); });
    connect(listMenu_, &QMenu::aboutToShow, this, [this, bars, recall] {
        auto* window = qobject_cast<BinderWindow*>(parentWidget());
        bars->setChecked(window && window->binder().settings().ongletsVisibles);
        fillRecallMenu(recall);
    });
}

void BinderMenuBar::buildTagsMenu()
{
    tagsMenu_ = addMenu(QStringLiteral("Tags"));
    Controller& c = controller_;
    item(tagsMenu_, QStringLiteral("Tag List..."), [&c] { c.actionKeyReceived(cmd::ShowTags); });
    item(tagsMenu_, QStringLiteral("Tag Assignments..."), [&c] { c.tagsAssignments(); });
    tagsMenu_->addSeparator();
    item(tagsMenu_, QStringLiteral("Filter...\t/"), [&c] { c.actionKeyReceived(cmd::Filter); });
    QMenu* items = tagsMenu_->addMenu(QStringLiteral("Filter by"));
    item(tagsMenu_, QStringLiteral("Next Filter\t]"),
         [&c] { c.actionKeyReceived(cmd::NextFilter); });
    item(tagsMenu_, QStringLiteral("Previous Filter\t["),
         [&c] { c.actionKeyReceived(cmd::PrevFilter); });
    tagsMenu_->addSeparator();
    item(tagsMenu_, QStringLiteral("Songs of This Artist"),
         [&c] { c.actionDisplayHideListReceived(QStringLiteral("ARTIST")); });
    item(tagsMenu_, QStringLiteral("Songs at This Tempo"),
         [&c] { c.actionDisplayHideListReceived(QStringLiteral("TEMPO")); });
    item(tagsMenu_, QStringLiteral("Played Songs"),
         [&c] { c.actionDisplayHideListReceived(QStringLiteral("PLAYED")); });
    connect(tagsMenu_, &QMenu::aboutToShow, this, [this, items] { fillFilterMenu(items); });
}

void BinderMenuBar::fillFilterMenu(QMenu* items)
{
    // The items the current song offers now, the active one ticked.
    items->clear();
    Controller& c = controller_;
    const Data& data = c.data();
    const QStringList offered = filterItemsForSong(data);
    const QString active = filterItem(data);
    for (int n = 0; n < offered.size(); ++n) {
        QAction* choice = item(items, offered[n], [&c, n] { c.chooseFilterItem(n); });
        choice->setCheckable(true);
        choice->setChecked(data.filterType != 0 && n == data.filterNoG && offered[n] == active);
    }
    items->setEnabled(data.songNoG() > 0);
}

void BinderMenuBar::fillRecallMenu(QMenu* recall)
{
    recall->clear();
    Controller& c = controller_;
    for (const auto& [title, slot] : c.playedLogs()) {
        const int s = slot;
        item(recall, title, [&c, s] { c.actionMenuItemRecall(s); });
    }
    recall->setEnabled(!recall->isEmpty());
}

void BinderMenuBar::buildSongMenu()
{
    songMenu_ = addMenu(QStringLiteral("Song"));
    Controller& c = controller_;
    item(songMenu_, QStringLiteral("Open"), [&c] { c.actionOpenPDFx(); });
    item(songMenu_, QStringLiteral("Open in PDF Viewer"), [&c] { c.actionOpenPDF2x(); });
    item(songMenu_, QStringLiteral("Open in External Application"),
         [&c] { c.openInExternalApp(); });
    item(songMenu_, QStringLiteral("Show in Folder..."), [&c] { c.actionRevealPDFx(); });
    item(songMenu_, QStringLiteral("Show Audio File..."), [&c] { c.actionRevealAudio(); });
    item(songMenu_, QStringLiteral("Export Audio Files..."),
         [&c] { c.actionExportAudioFiles(true); });
    item(songMenu_, QStringLiteral("Email..."), [&c] { c.actionMailPDFx(); });
    item(songMenu_, QStringLiteral("Print..."), [&c] { c.actionPrintPDFx(); });
}

void BinderMenuBar::fillBinderMenu(const MenuState& state)
{
    Controller& c = controller_;
    Binders& binders = c.binders();
    QMenu* menu = binderMenu_;
    menu->clear();
    menu->setTitle(state.binderMenuTitle);
    for (int k = 0; k < 8; ++k) {
        const BinderMenuItem& b = state.binders[size_t(k)];
        QAction* open = item(menu, QStringLiteral("%1  %2\tCtrl+%1").arg(k + 1).arg(b.title),
                             [&binders, k] { binders.actionChoisirDir(k); });
        open->setToolTip(b.tooltip);
        open->setCheckable(true);
        open->setChecked(b.current);
    }
    menu->addSeparator();
    QMenu* assign = menu->addMenu(QStringLiteral("Assign Another Folder"));
    QMenu* unassign = menu->addMenu(QStringLiteral("Unassign"));
    for (int k = 0; k < 8; ++k) {
        const BinderMenuItem& b = state.binders[size_t(k)];
        const QString label = QStringLiteral("%1  %2").arg(k + 1).arg(b.title);
        item(assign, label, [&binders, k] { binders.actionAssignerDir(k); });
        item(unassign, label, [&binders, k] {
            binders.actionDeAssignerDir(k);
        })->setEnabled(b.assigned);
    }
    menu->addSeparator();
    item(menu, QStringLiteral("Refresh\tCtrl+R"), [&c] { c.actionKeyReceived(cmd::Refresh); });
    QAction* warning = item(menu, QStringLiteral("⚠ Song information changed: Refresh"),
                            [&c] { c.actionKeyReceived(cmd::Refresh); });
    warning->setVisible(state.refreshWarning);
    const int current = binders.currentDirNo;
    QAction* contPlay = item(menu, QStringLiteral("Continuous Play"),
                             [&binders, current] { binders.actionContPlay(current); });
    contPlay->setCheckable(true);
    contPlay->setChecked(current >= 0 && state.binders[size_t(current)].contPlay);
    contPlay->setEnabled(state.binderItemsEnabled);
    item(menu, QStringLiteral("Show Binder Folder..."), [&c] {
        c.actionRevealDirX();
    })->setEnabled(state.binderItemsEnabled);
    item(menu, QStringLiteral("Open Binder Folder"), [&c] {
        c.actionOpenDirX();
    })->setEnabled(state.binderItemsEnabled);
    menu->addSeparator();
    item(menu, QStringLiteral("Help Binder"), [&binders] { binders.actionToggleInfo(); });
}

void BinderMenuBar::showState(const MenuState& state)
{
    // Asked at every window activation: the menus are built again only when they change.
    if (shown_ == state)
        return;
    shown_ = state;
    fillBinderMenu(state);
    songMenu_->setTitle(state.songMenuTitle);
    songMenu_->menuAction()->setVisible(!state.songMenuTitle.isEmpty());
    genreMenu_->setTitle(genreMenuTitle(state.genre));
    for (int i = 0; i < genres_.size(); ++i)
        genres_[i]->setChecked(i + 1 == state.genre);
}

} // namespace partivo
