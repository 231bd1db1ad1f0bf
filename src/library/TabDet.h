#pragma once

#include <QString>

namespace partivo {

class Prefs;

// Definition of one tab of the current binder: tab 0 "All", tabs 1..9 setlists or
// collections.
struct TabDet {
    enum OptSel { AnyKeyword = 0, AllKeywords = 1, NoKeyword = 2, Setlist = 3 };
    enum LookInto { TitleArtistTags = 0, Title = 1, Artist = 2, Tags = 3, FileName = 4 };
    enum Order { ListOrder = 0, ByTitle = 1, ByArtist = 2, ByTagPrefix = 3, Random = 4 };

    int dirNo = 0;
    int tabNo = 0;
    QString tabName;
    QString list;
    int optSel = AnyKeyword;
    int lookInto = TitleArtistTags;
    int tabSort = ListOrder;
    int tabSortAlt = ListOrder;
    QString tabPrefix;
    QString tabPrefixAlt;

    static TabDet initWithDirNo(int dirNo, int tabNo);

    // Tab 0 and the Help Binder are never stored.
    bool isStored() const { return dirNo >= 0 && tabNo >= 1; }
    void load(const Prefs& prefs);
    void save(Prefs& prefs, bool nameOnly) const;
    QString tabNameForDisplay() const { return tabName; }

    static QString key(const char* pattern, int dirNo, int tabNo);
};

} // namespace partivo
