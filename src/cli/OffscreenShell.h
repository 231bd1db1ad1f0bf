#pragma once

#include "app/AppShell.h"

#include <QSize>
#include <memory>

namespace partivo {
class BinderWindow;
}

namespace partivo::cli {

// The program's binder window for the command line: a real binder window of the given size
// and mode on the offscreen platform, with no menus.
class OffscreenShell : public AppShell {
public:
    OffscreenShell(const QSize& size, int mode);
    ~OffscreenShell() override;

    WindowPDFx* newBinderWindow(const BinderWindowParts& parts) override;
    void destroyWindows() override;
    // Lets the window lay itself out after a command.
    void settle();
    const WindowPDFx* binder() const;

private:
    QSize size_;
    int mode_;
    std::unique_ptr<BinderWindow> window_;
};

} // namespace partivo::cli
