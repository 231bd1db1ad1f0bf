// The binder window's song list panel and tab bars: what they show, as the controller fills
// them; the painter draws them over and beside the pages.
#include "display/WindowPDFx.h"

#include "display/WindowFlag.h"
#include "library/TocList.h"

namespace partivo {

void WindowPDFx::afficherMasquerOnglets(bool show)
{
    if (settings_.ongletsVisibles == show)
        return;
    iniFlag(WindowFlag::ongletsVisibles, show);
}

void WindowPDFx::afficherToc(bool show, int nbTocG, bool filterOn)
{
    TocScene& toc = scene_.toc;
    tocOn = show;
    const bool covers = show && !settings_.hideList;
    toc.rightColumn = nbTocG != kTocColumn;
    toc.listButton = covers && toc.ongletAct != 1; // tab "All" has no list to edit
    toc.exportButton = covers;
    toc.filterButton = covers && filterOn;
    if (toc.open == covers) {
        changed();
        return;
    }
    toc.open = covers;
    if (!covers && shown_.pieceCour) {
        // The pages come back as they were laid out before the panel covered them.
        ajusterSelonModeAffichageWithRefresh(true);
        return;
    }
    ajusterCadre(); // no dimmed half or frame over the list
}

void WindowPDFx::setItemStateForItem(int item, const TocItemView& view)
{
    if (item >= 1 && item <= int(scene_.toc.items.size()))
        scene_.toc.items[size_t(item - 1)] = view;
}

void WindowPDFx::refreshTocLabel1()
{
    const int act = scene_.toc.ongletAct;
    scene_.toc.label1 =
        act >= 1 && act <= kTabButtons ? scene_.toc.tabs[size_t(act - 1)].title : QString();
    changed();
}

void WindowPDFx::setTocLabel2(const QString& text)
{
    scene_.toc.label2 = text;
    changed();
}

void WindowPDFx::setButtonStateForOnglet(int state, const std::optional<QString>& label, int onglet)
{
    if (onglet < 1 || onglet > kTabButtons)
        return;
    TabButtonView& tab = scene_.toc.tabs[size_t(onglet - 1)];
    const TabButtonView before = tab;
    tab.state = state;
    if (label)
        tab.title = *label;
    if (state == 1) {
        if (tab == before && scene_.toc.ongletAct == onglet)
            return; // already shown as the current tab
        scene_.toc.ongletAct = onglet;
        scene_.toc.listButton = scene_.toc.open && onglet != 1;
        refreshTocLabel1();
        return;
    }
    // The states are given again at every song shown: only a change is drawn.
    if (tab != before)
        changed();
}

void WindowPDFx::ajusterPosButtonToc()
{
    changed();
}

} // namespace partivo
