#include "app/widgets/ProgramShell.h"

#include "app/Controller.h"
#include "app/widgets/BinderMenuBar.h"
#include "app/widgets/FilterTextWindow.h"
#include "app/widgets/KeyPadWindow.h"
#include "app/widgets/MidiPref.h"
#include "app/widgets/MidiPref2.h"
#include "app/widgets/MidiPref3.h"
#include "app/widgets/PreferencesWindow.h"
#include "app/widgets/TabEditorWindow.h"
#include "app/widgets/TagAssignmentsWindow.h"
#include "app/widgets/TagListWindow.h"
#include "display/WindowTypes.h"
#include "display/widgets/BinderWindow.h"
#include "display/widgets/CompanionDisplay.h"

#include <QAction>
#include <QGuiApplication>
#include <QProgressDialog>

namespace partivo {

ProgramShell* ProgramShell::current_ = nullptr;

ProgramShell::ProgramShell()
{
    current_ = this;
}

ProgramShell::~ProgramShell()
{
    destroyWindows();
    if (current_ == this)
        current_ = nullptr;
}

void ProgramShell::destroyWindows()
{
    // The MIDI editors close first, so that they save while the binder windows still exist.
    for (QWidget* editor :
         {static_cast<QWidget*>(midiOut_.data()), static_cast<QWidget*>(midiFav_.data()),
          static_cast<QWidget*>(midiTrig_.data())}) {
        if (editor && editor->isVisible())
            editor->close();
        delete editor;
    }
    for (const QPointer<CompanionDisplay>& window : std::as_const(companions_))
        delete window.data();
    companions_.clear();
    for (const QPointer<BinderWindow>& window : std::as_const(windows_))
        delete window.data();
    windows_.clear();
    delete preferences_.data();
    delete keyPad_.data();
}

WindowPDFx* ProgramShell::newBinderWindow(const BinderWindowParts& parts)
{
    auto* window = new BinderWindow(parts.windows, parts.center, parts.timers, parts.pages);
    window->setAttribute(Qt::WA_DeleteOnClose);
    parts.windows.append(&window->logic());
    if (controller_)
        window->setMenuBar(new BinderMenuBar(*controller_, *this, window));
    // No key of the key table quits: Ctrl+Q belongs to the window (menus may be hidden).
    auto* quitAction = new QAction(window);
    quitAction->setShortcut(QKeySequence::Quit);
    connect(quitAction, &QAction::triggered, this, [] { quit(); });
    window->addAction(quitAction);
    window->resize(1280, 800);
    window->show();
    windows_.append(window);
    return &window->binder();
}

WindowPDFxSuper* ProgramShell::newCompanionWindow(int winType, const BinderWindowParts& parts)
{
    if (!isKnownWinType(winType) || winType == WinTypeBinder)
        return nullptr;
    auto* window = new CompanionDisplay(winType, parts.windows, parts.center, parts.timers);
    window->setAttribute(Qt::WA_DeleteOnClose);
    parts.windows.append(&window->companion());
    window->resize(winType == WinTypeSummary ? QSize(360, 320) : QSize(360, 120));
    window->show();
    companions_.append(window);
    return &window->companion();
}

QList<CompanionDisplay*> ProgramShell::companionWindows() const
{
    QList<CompanionDisplay*> open;
    for (const QPointer<CompanionDisplay>& window : companions_) {
        if (window)
            open.append(window.data());
    }
    return open;
}

PreferencesWindow* ProgramShell::preferences() const
{
    return preferences_.data();
}

KeyPadWindow* ProgramShell::keyPad() const
{
    return keyPad_.data();
}

QList<BinderWindow*> ProgramShell::binderWindows() const
{
    QList<BinderWindow*> open;
    for (const QPointer<BinderWindow>& window : windows_) {
        if (window)
            open.append(window.data());
    }
    return open;
}

void ProgramShell::refreshMenus(const MenuState& state)
{
    for (BinderWindow* window : binderWindows()) {
        if (auto* bar = qobject_cast<BinderMenuBar*>(window->menuBar()))
            bar->showState(state);
    }
}

void ProgramShell::quit()
{
    if (current_ && current_->controller_)
        current_->controller_->saveWindowLayout();
    QCoreApplication::quit();
}

void ProgramShell::toggleFullScreen()
{
    if (!controller_)
        return;
    const WindowPDFxSuper* key = controller_->displayWindows().keyOrFirstBinderWindow();
    for (BinderWindow* window : binderWindows()) {
        if (&window->logic() == key)
            window->showFullScreenState(!window->isPlatformFullScreen());
    }
}

void ProgramShell::showPreferences()
{
    if (!controller_)
        return;
    if (!preferences_)
        preferences_ = new PreferencesWindow(*controller_);
    preferences_->showWithOptions(controller_->options());
}

void ProgramShell::showKeyPad()
{
    if (!controller_)
        return;
    if (!keyPad_)
        keyPad_ = new KeyPadWindow(*controller_);
    keyPad_->show();
    keyPad_->raise();
}

void ProgramShell::showKeyTest(const QString& text)
{
    if (preferences_)
        preferences_->showKeyTest(text);
}

int ProgramShell::screenCount() const
{
    return int(QGuiApplication::screens().size());
}

bool ProgramShell::editingWindowOpen() const
{
    return tabEditorOpen_ || (preferences_ && preferences_->isVisible());
}

int ProgramShell::runModal(QDialog& dialog)
{
    if (!modalRunner_)
        return dialog.exec();
    dialog.show();
    modalRunner_(dialog);
    if (dialog.isVisible())
        dialog.reject();
    return dialog.result();
}

QWidget* ProgramShell::modalParent() const
{
    const QList<BinderWindow*> open = binderWindows();
    return open.isEmpty() ? nullptr : open.first();
}

void ProgramShell::runTabEditor(TabEditor& editor)
{
    TabEditorWindow window(editor, modalParent());
    tabEditorOpen_ = true;
    runModal(window);
    tabEditorOpen_ = false;
}

void ProgramShell::runTagList(TagListEditor& editor)
{
    TagListWindow window(editor, modalParent());
    tagList_ = &window;
    runModal(window);
    tagList_ = nullptr;
}

void ProgramShell::closeTagList()
{
    if (tagList_)
        tagList_->reject();
}

void ProgramShell::runTagAssignments(TagAssignments& assignments)
{
    TagAssignmentsWindow window(assignments, modalParent());
    runModal(window);
}

void ProgramShell::showProgress(const QString& title, int maximum)
{
    closeProgress();
    progress_ = new QProgressDialog(QString(), QStringLiteral("Cancel"), 0, maximum, modalParent());
    progress_->setWindowTitle(title);
    progress_->setWindowModality(Qt::NonModal);
    progress_->setMinimumDuration(0);
    progress_->setAutoClose(false);
    progress_->setAutoReset(false);
    progress_->show();
}

void ProgramShell::setProgress(const QString& text, int value)
{
    if (!progress_)
        return;
    progress_->setLabelText(text);
    progress_->setValue(value);
}

bool ProgramShell::progressCancelled() const
{
    return progress_ && progress_->wasCanceled();
}

void ProgramShell::closeProgress()
{
    if (progress_)
        progress_->deleteLater();
    progress_ = nullptr;
}

std::optional<QString> ProgramShell::askFilterText(const QString& text, const QStringList& tags)
{
    FilterTextWindow window(text, tags, modalParent());
    if (runModal(window) != QDialog::Accepted)
        return std::nullopt;
    return window.text();
}

} // namespace partivo
