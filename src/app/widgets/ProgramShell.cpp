#include "app/widgets/ProgramShell.h"

#include "app/Controller.h"
#include "app/widgets/BinderMenuBar.h"
#include "app/widgets/KeyPadWindow.h"
#include "app/widgets/PreferencesWindow.h"
#include "display/widgets/BinderWindow.h"

#include <QGuiApplication>

namespace partivo {

ProgramShell::ProgramShell() = default;

ProgramShell::~ProgramShell()
{
    destroyWindows();
}

void ProgramShell::destroyWindows()
{
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
    window->resize(1280, 800);
    window->show();
    windows_.append(window);
    return &window->binder();
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
    return preferences_ && preferences_->isVisible();
}

} // namespace partivo
