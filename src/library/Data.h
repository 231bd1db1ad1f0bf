#pragma once

#include "library/FirstLetter.h"
#include "library/Pieces.h"
#include "library/TabDet.h"

#include <QCollator>
#include <QList>
#include <QRandomGenerator>
#include <array>
#include <memory>

namespace partivo {

class Dialogs;

// The most entries one setlist makes in a load.
inline constexpr int kMaxSetlistEntries = 10000;
class Prefs;

// Application state of the song library: the lists of the current binder, its tabs and the
// current song. One instance, owned by the application and handed by reference.
class Data {
public:
    using PieceList = QList<std::shared_ptr<Pieces>>;

    Data(Prefs& prefs, Dialogs& dialogs);

    Prefs& prefs;
    Dialogs& dialogs;

    // Library lists (see chargerFichiers).
    PieceList listePiecesTEMP1;   // entry pool in creation order
    PieceList listePiecesByTitle; // pool sorted by sortString1
    PieceList listePiecesByAuthor;
    PieceList listePiecesTEMP2; // filter result between loads
    PieceList listePiecesLog;   // played log, tab-0 entries in log order
    PieceList listePiecesPrec;  // previous title list during a reload
    bool listsExist = false;

    int songNbrGPrec = 0; // songNbrG before the current reload
    int currentSort = 0;  // 0 title order, 1 artist order
    std::array<int, 10> indexInTitleArrayG{};
    std::array<int, 10> indexInAuthorArrayG{};
    // First-letter indexes: entry [key] (1..36) = 1 + position of the first song with that
    // key, 0 when none. Entry 0 is unused.
    std::array<int, kFirstLetterKeys + 1> debLettre{};
    std::array<int, kFirstLetterKeys + 1> debLettre2{};
    QString dirX;
    std::array<TabDet, 10> tabs;

    // Navigation state reset at start and on every binder change.
    int onglNoG = 0;
    int onglNoGuser = 0;
    int songNoG_ongl = 0;
    int ongletErr = -1;
    int ongletRed = -1; // the tab whose button shows red (the searched song is not in it)
    int filterNoG = -1;
    int filterType = 0;
    int filterField = 0;   // what the active filter compares (SongFilter.h)
    QString filterString;  // the free filter text, may be empty
    int songNoGfilter = 0; // the current song when the filter's items were built
    QStringList tagsTemp;  // the filter's items, built from the current song
    int nbTocG = 36;
    int currentGenreG = 1; // the genre the player and the timed events use, 1..6
    QStringList tags;      // the global tag list
    QString rech;

    QRandomGenerator random;
    QCollator collator;

    // The current song: 1-based in the list of the current order, 0 only while the binder
    // holds no song.
    int songNoG() const { return songNo_; }
    // Makes song n current, kept within 1..songNbrG().
    void setSongNoG(int n);
    // Entries of the lists (all tabs).
    int songNbrG() const { return int(listePiecesByTitle.size()); }

    // What the last load left out or could not read, one sentence each.
    QStringList loadProblems;

    void initListePieces();
    void resetNavigation();
    void resetTabStarts();
    void chargerTabsForDirNo(int dirNo, bool initOnly);
    // Loads every song of the folder tree; false (lists unchanged) when none is found. The
    // current song stays within the new lists.
    bool chargerFichiers(const QString& folder, bool noMsg);
    // Whether chargerFichiers would find a song in the folder (nothing is read).
    static bool folderHasSongs(const QString& folder);
    // Loads binder dirNo from its folder: its tabs from the store, then its songs. The one
    // way a binder is loaded (the program, the command line and the tests).
    bool chargerBinder(int dirNo, const QString& folder, bool noMsg);
    void determinerGaucheDroite(const PieceList& list, int maxPrec, int sort);

    const PieceList& currentList() const;
    // Entry n (1-based) of the current order, or nothing.
    std::shared_ptr<Pieces> getPiece(int n) const;
    std::shared_ptr<Pieces> getPieceTEMP(int index) const;
    int getNbrPiecesOng(int tab) const;
    void setOnglet(int tab);
    // Modal folder chooser; the chosen folder is kept under "PathToFolder". "" on cancel.
    QString dirPopup();

private:
    void clearLists();

    int songNo_ = 0;
    void buildEntries(const QStringList& songs, const class CompanionIndex& notes,
                      const QStringList& logNames, QList<LogPieces>& log);
};

} // namespace partivo
