#include "library/TabDet.h"

#include "platform/Prefs.h"

namespace partivo {

TabDet TabDet::initWithDirNo(int dirNo, int tabNo)
{
    TabDet tab;
    tab.dirNo = dirNo;
    tab.tabNo = tabNo;
    if (tabNo == 0) {
        tab.tabName = QStringLiteral("All");
        tab.tabSort = ByTitle;
        tab.tabSortAlt = ByArtist;
    }
    return tab;
}

QString TabDet::key(const char* pattern, int dirNo, int tabNo)
{
    return QString::asprintf(pattern, dirNo, tabNo);
}

namespace {

int inRangeOrZero(int value, int max)
{
    return value >= 0 && value <= max ? value : 0;
}

} // namespace

void TabDet::load(const Prefs& prefs)
{
    if (!isStored())
        return;
    const QString nameKey = key("%dTabName%d", dirNo, tabNo);
    if (!prefs.contains(nameKey)) {
        tabName.clear();
        return;
    }
    tabName = prefs.stringValue(nameKey);
    list = prefs.stringValue(key("%dlist%d", dirNo, tabNo));
    tabSort = inRangeOrZero(prefs.intValue(key("%dTabSort%d", dirNo, tabNo)), Random);
    tabSortAlt = inRangeOrZero(prefs.intValue(key("%dTabSortAlt%d", dirNo, tabNo)), Random);
    optSel = inRangeOrZero(prefs.intValue(key("%dOptSel%d", dirNo, tabNo)), Setlist);
    lookInto = inRangeOrZero(prefs.intValue(key("%dLookInto%d", dirNo, tabNo)), FileName);
    if (optSel == Setlist)
        lookInto = 0;
    tabPrefix =
        tabSort == ByTagPrefix ? prefs.stringValue(key("%dTabPrefix%d", dirNo, tabNo)) : QString();
    tabPrefixAlt = tabSortAlt == ByTagPrefix
                       ? prefs.stringValue(key("%dTabPrefixAlt%d", dirNo, tabNo))
                       : QString();
}

void TabDet::save(Prefs& prefs, bool nameOnly) const
{
    if (!isStored())
        return;
    prefs.setValue(key("%dTabName%d", dirNo, tabNo), tabName);
    if (nameOnly)
        return;
    prefs.setValue(key("%dlist%d", dirNo, tabNo), list);
    prefs.setValue(key("%dTabSort%d", dirNo, tabNo), tabSort);
    prefs.setValue(key("%dTabSortAlt%d", dirNo, tabNo), tabSortAlt);
    prefs.setValue(key("%dOptSel%d", dirNo, tabNo), optSel);
    prefs.setValue(key("%dLookInto%d", dirNo, tabNo), lookInto);
    prefs.setValue(key("%dTabPrefix%d", dirNo, tabNo), tabPrefix);
    prefs.setValue(key("%dTabPrefixAlt%d", dirNo, tabNo), tabPrefixAlt);
}

} // namespace partivo
