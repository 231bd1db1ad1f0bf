#pragma once

#include "library/PiecesDet.h"

#include <QStringList>
#include <memory>
#include <optional>

class QRandomGenerator;

namespace partivo {

struct TabDet;

// Upper-cased texts of one file that the admission tests compare with; each is computed
// once per file, and only when a tab needs it, rather than once per setlist line or keyword.
class MatchTexts {
public:
    MatchTexts(const PiecesDet& det, const QString& fileName);
    const QString& fileName() const;
    const QString& title() const;
    const QString& artist() const;
    const QString& tags() const;
    const QString& all() const; // title, artist and tags

private:
    const QString& upper(std::optional<QString>& slot, const QString& text) const;

    const PiecesDet& det_;
    const QString name_;
    mutable std::optional<QString> fileName_, title_, artist_, tags_, all_;
};

// What an entry needs from the load that creates it.
struct EntryContext {
    const CompanionIndex* notes = nullptr; // note files of the folder being loaded
    QRandomGenerator* random = nullptr;    // draws of the random order; global one when null
    const MatchTexts* match = nullptr;     // texts of the master's file, when known
};

// One song entry: one per file and tab (several for a file a setlist lists several times).
class Pieces {
public:
    std::shared_ptr<PiecesDet> pieceDet;
    int ongNo = 0;
    int indexInTitleArray = 0;
    int indexInAuthorArray = 0;
    QString sortString1;
    QString sortString2;

    // Creates the entry of a file for a tab, or nothing when the tab does not admit it.
    // fn is the upper-cased setlist line, kw the upper-cased keywords of a collection.
    static std::shared_ptr<Pieces> initWithPDF(const QString& path, const QString& fileName,
                                               int typeFichier, int ongNo, const TabDet* tab,
                                               bool force, int noLigne, const QString& fn,
                                               const QStringList& kw,
                                               const std::shared_ptr<Pieces>& pieceMaster,
                                               const EntryContext& context = {});

    const QString& getPath() const { return pieceDet->fichier; }
    void verifNote() { pieceDet->verifNote(); }
    bool saveNote() { return pieceDet->saveNote(); }
    // Re-derives title, artist and tags; true when any of them changed.
    bool majInfo();
    void initIndexes(const std::array<int, 10>& indexes) { pieceDet->indexInTEMP = indexes; }
    // Computes tempo and signature from the note and returns the tempo.
    int tempo();
    // The tempo computed before, else computed now (0 when the note gives none).
    int knownTempo() { return pieceDet->tempoOk ? pieceDet->tempo : tempo(); }
    QString tempoTxt();
    QString notetxtForDir(const QString& altDir, int altMode, int defNote) const;
};

// One line of the played log.
struct LogPieces {
    std::shared_ptr<Pieces> piece;
    QString sortString1;
};

// Whether a tab admits a file (setlist line or keyword rules). n receives the line number
// for a setlist and the number of keywords examined for a collection.
bool tabAdmits(const TabDet& tab, const MatchTexts& texts, const QString& fn, const QStringList& kw,
               int& n);

} // namespace partivo
