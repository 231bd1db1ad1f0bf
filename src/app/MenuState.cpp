#include "app/MenuState.h"

#include "library/Binders.h"
#include "library/FileNames.h"

namespace partivo {

MenuState menuStateFor(const Binders& binders)
{
    MenuState state;
    const int current = binders.currentDirNo;
    for (int k = 0; k < Binders::kCount; ++k) {
        BinderMenuItem& item = state.binders[size_t(k)];
        const QString folder = binders.storedDir(k);
        item.assigned = !folder.isEmpty();
        item.title = item.assigned ? fileNameOf(folder) : QStringLiteral("(unassigned)");
        item.tooltip = item.assigned ? folder : QStringLiteral("Click to assign");
        item.current = k == current;
        item.contPlay = binders.contPlay[size_t(k)];
    }
    const bool assignedCurrent =
        current >= 0 && current < Binders::kCount && !binders.storedDir(current).isEmpty();
    if (assignedCurrent) {
        state.binderMenuTitle =
            QStringLiteral("%1 ▹ %2").arg(current + 1).arg(fileNameOf(binders.storedDir(current)));
        state.songMenuTitle = QStringLiteral("Song");
        state.binderItemsEnabled = true;
    } else {
        state.binderMenuTitle = QStringLiteral("? ▹ Help Binder");
    }
    return state;
}

} // namespace partivo
