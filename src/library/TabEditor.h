#pragma once

#include "library/Data.h"
#include "library/SourceSongs.h"
#include "library/TabDet.h"

#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>
#include <memory>

namespace partivo {

class Clipboard;
class NotificationCenter;
struct PiecesDet;

// One row of the tab editor's list: a song file of a setlist, or a keyword of a collection.
struct TabEntry {
    QString fileName;     // setlist line: the song file's last path component
    QString titre;        // the song's title; for a collection the keyword
    QString auteur;       // the song's artist ("" for a keyword)
    QString path;         // the song in the binder, or the binder folder plus fileName when missing
    bool missing = false; // a setlist line that names no song of the binder
    std::shared_ptr<PiecesDet> det; // the binder's song, when found
};

// The tab editor without its window: one tab 1..9 of the current binder loaded
// into controls and a working list, edited, then stored on Save. The library sees the change
// after the binder reload that a full save asks for.
class TabEditor {
public:
    enum Kind { SetlistKind = 0, CollectionKind = 1 };

    TabEditor(Data& data, NotificationCenter& center, Clipboard& clipboard, int tab);

    // Loads the tab and tells the bus that an editor opened.
    void ouvrir();
    void chargerDonnees();
    // The window is closing: with unsaved changes, "Save changes?" (Yes saves; an empty
    // name then becomes "no name"). Tells the bus that the editor closed, once.
    void fermer();
    // Cancel: closes without saving, through the same question when changes exist.
    void actionCancel() { fermer(); }
    bool isClosed() const { return closed_; }

    int tab() const { return tabNo_; }
    QString windowTitle() const;

    // Controls. Each setter marks a change when the value differs; rule, field, orders and
    // prefixes refresh a collection's preview.
    const QString& tabName() const { return name_; }
    void setTabName(const QString& name);
    int tabKind() const { return kind_; }
    // Converts the tab to the other kind, asking whether to keep the entries; false when
    // the user cancels (the kind stays).
    bool actionTabKind(int kind);
    int rule() const { return rule_; }
    void setRule(int rule);
    int lookInto() const { return lookInto_; }
    void setLookInto(int field);
    int tabSort() const { return tabSort_; }
    void setTabSort(int order);
    int tabSortAlt() const { return tabSortAlt_; }
    void setTabSortAlt(int order);
    const QString& tabPrefix() const { return prefix_; }
    void setTabPrefix(const QString& prefix);
    const QString& tabPrefixAlt() const { return prefixAlt_; }
    void setTabPrefixAlt(const QString& prefix);
    // A prefix applies only to its order 3 (tag prefix).
    bool prefixEnabled() const { return tabSort_ == TabDet::ByTagPrefix; }
    bool prefixAltEnabled() const { return tabSortAlt_ == TabDet::ByTagPrefix; }
    // Rule and field belong to collections.
    bool isCollection() const { return kind_ == CollectionKind; }

    bool changeMade() const { return changeMade_; }
    bool changeMadeTabName() const { return changeMadeTabName_; }
    bool canSave() const { return changeMade_ || changeMadeTabName_; }

    // Save: refused with entries and no name; false then.
    bool actionSave();
    // Stores the name alone (and refreshes the tab names) when only the name changed;
    // otherwise every key (and reloads the binder). Clears the change flags.
    void sauvegarderDonnees();
    // What Save would store now: the name alone (true) or every key.
    bool savesNameOnly() const;
    // The record as the controls describe it.
    void majDonneesTab(TabDet& record) const;

    // The working list.
    const QList<TabEntry>& liste() const { return liste_; }
    // Appends an empty row (its text is typed next); returns its index.
    int actionInsertRow();
    // Removes the rows; returns the row to select (-1 none). Without rows, the message
    // "A row must be selected to perform this operation" and -1.
    int actionDeleteRow(QList<int> rows);
    // Asks, then empties the list on Yes.
    void actionEmptyList();
    // Moves the row one place up (delta -1) or down (1); returns where it is now.
    int moveRow(int row, int delta);
    // A typed row text: the file name of a setlist line, or the keyword.
    void setEntryText(int row, const QString& text);
    // Appends the current song as a setlist line; false for a collection or no song.
    bool ajouterPieceCourante();
    // Appends the tag as a keyword of a collection; false for a setlist or an empty tag.
    bool ajouterTag(const QString& tag);
    // Setlist rows: "⚠" with its tooltip for a file the binder does not hold, else " ".
    QString statut(int row) const;
    QString statutTooltip(int row) const;
    // Sets kind and list at once, without questions: one line per file name or keyword.
    void remplacerListe(int kind, const QStringList& lines);

    // Tags offered for keywords and for the tag filter.
    const QStringList& tags() const { return tags_; }
    void setTags(const QStringList& tags) { tags_ = tags; }

    // The songs a collection admits with the controls as they are, in its primary order.
    const Data::PieceList& listeTemp() const { return listeTemp_; }
    void refreshCollectionPreview();

    // Source table: songs of the chosen tab in title order, narrowed by the filters.
    QList<int> sourceTabs() const { return source_.tabs(); }
    QString sourceTabName(int tab) const { return source_.tabName(tab); }
    int tabNoSource() const { return source_.tab(); }
    void setTabNoSource(int tab) { source_.setTab(tab); }
    void setSourceFilters(const QString& title, const QString& artist, const QString& tag)
    {
        source_.setFilters(title, artist, tag);
    }
    void actionPlayed(bool playedOnly) { source_.setPlayedOnly(playedOnly); }
    bool playedOnly() const { return source_.playedOnly(); }
    const Data::PieceList& sourcePieces() const { return source_.pieces(); }
    // Inserts source rows into a setlist at row at (-1: at the end); returns how many.
    int ajouterPiecesSource(const QList<int>& sourceRows, int at);

    // Pasteboard: returns how many entries were added or copied.
    int actionImport();
    int actionExport();

private:
    // The lines of a stored list or a pasted text, without the carriage returns of a text
    // written elsewhere.
    static QStringList lignesDe(const QString& text);
    TabEntry entreeSetlist(const QString& fileName) const;
    static TabEntry entreeDe(const std::shared_ptr<PiecesDet>& det);
    static TabEntry entreeMotCle(const QString& keyword);
    std::shared_ptr<PiecesDet> chercherFichier(const QString& fileName) const;
    void marquerChangement();
    void postKey(int command);

    Data& data_;
    NotificationCenter& center_;
    Clipboard& clipboard_;
    const int tabNo_;
    TabDet record_;
    bool brandNew_ = false; // never stored: the first save stores every key
    bool closed_ = false;

    QString name_;
    int kind_ = SetlistKind;
    int rule_ = TabDet::AnyKeyword;
    int lookInto_ = TabDet::TitleArtistTags;
    int tabSort_ = TabDet::ListOrder;
    int tabSortAlt_ = TabDet::ListOrder;
    QString prefix_;
    QString prefixAlt_;
    bool changeMade_ = false;
    bool changeMadeTabName_ = false;

    QList<TabEntry> liste_;
    Data::PieceList listeTemp_;
    QStringList tags_;

    SourceSongs source_{data_};

    // The binder's songs by file name, as written and upper-cased; built on first use.
    mutable QHash<QString, std::shared_ptr<PiecesDet>> byName_;
    mutable QHash<QString, std::shared_ptr<PiecesDet>> byUpperName_;
    mutable bool indexed_ = false;
};

} // namespace partivo
