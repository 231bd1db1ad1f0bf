#include "cli/OffscreenShell.h"

#include "display/DisplayWindows.h"
#include "display/widgets/BinderSnapshot.h"
#include "display/widgets/BinderWindow.h"

#include <QCoreApplication>

namespace partivo::cli {

OffscreenShell::OffscreenShell(const QSize& size, int mode) : size_(size), mode_(mode) {}

OffscreenShell::~OffscreenShell() = default;

WindowPDFx* OffscreenShell::newBinderWindow(const BinderWindowParts& parts)
{
    if (window_)
        return nullptr; // the command line shows one binder window
    window_ =
        std::make_unique<BinderWindow>(parts.windows, parts.center, parts.timers, parts.pages);
    parts.windows.append(&window_->logic());
    placeBinderWindow(*window_, mode_, size_);
    return &window_->binder();
}

void OffscreenShell::destroyWindows()
{
    window_.reset();
}

void OffscreenShell::settle()
{
    QCoreApplication::processEvents();
}

const WindowPDFx* OffscreenShell::binder() const
{
    return window_ ? &window_->binder() : nullptr;
}

} // namespace partivo::cli
