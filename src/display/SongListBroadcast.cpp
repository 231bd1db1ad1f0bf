#include "display/SongListBroadcast.h"

#include "display/DisplayWindows.h"
#include "library/Data.h"
#include "library/TocList.h"

namespace partivo {

void fillToc(DisplayWindows& windows, const Data& data, TocList& toc)
{
    const TocPage page = toc.remplirToc(data);
    const TocContext context{data.songNoG(), data.onglNoG, data.currentSort};
    // Every entry a window may show is set, those past the page emptied.
    for (int item = 1; item <= kTocEntries; ++item) {
        const TocEntry entry = page.entries.value(item - 1);
        windows.setItemStateForItemX(entry.state, entry.piece.get(), item, context);
    }
    windows.refreshTocLabel1X();
    windows.setTocLabel2X(page.label2);
}

void showTabStates(DisplayWindows& windows, const Data& data)
{
    // Each button once: the current tab, the one a search flagged red, the others inactive.
    const bool red = data.ongletRed >= 0 && data.ongletRed <= 9 && data.ongletRed != data.onglNoG;
    for (int tab = 0; tab < kTabButtons; ++tab) {
        const int state = tab == data.onglNoG ? 1 : red && tab == data.ongletRed ? 2 : 0;
        windows.setButtonStateForOngletX(state, std::nullopt, tab + 1);
    }
}

void showTabNames(DisplayWindows& windows, const Data& data)
{
    for (int tab = 0; tab < kTabButtons; ++tab)
        windows.setButtonStateForOngletX(0, data.tabs[size_t(tab)].tabNameForDisplay(), tab + 1);
    showTabStates(windows, data);
}

} // namespace partivo
