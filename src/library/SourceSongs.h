#pragma once

#include "library/Data.h"

#include <QCollator>
#include <QList>
#include <QString>

namespace partivo {

// Stable sort of entries by a text of theirs, in the binder's collation.
void sortPiecesBy(Data::PieceList& list, const QCollator& collator,
                  QString (*text)(const std::shared_ptr<Pieces>&));

// The entries of one tab in the title list's order.
Data::PieceList piecesOfTab(const Data& data, int tab);

// The songs to pick from in the editors: the songs of a chosen tab in title order, narrowed
// by title, artist and tag texts (upper-cased, contained) and a played-only switch.
class SourceSongs {
public:
    explicit SourceSongs(const Data& data) : data_(data) {}

    // The tabs that hold a song, and a tab's name (its number when unnamed).
    QList<int> tabs() const;
    QString tabName(int tab) const;

    int tab() const { return tab_; }
    void setTab(int tab);
    void setFilters(const QString& title, const QString& artist, const QString& tag);
    bool playedOnly() const { return playedOnly_; }
    void setPlayedOnly(bool playedOnly);
    // Tab 0, no filter, every song.
    void reset();

    // Builds the list again from the binder's songs and the choices.
    void refresh();
    const Data::PieceList& pieces() const { return pieces_; }

private:
    const Data& data_;
    int tab_ = 0;
    QString title_;
    QString artist_;
    QString tag_;
    bool playedOnly_ = false;
    Data::PieceList pieces_;
};

} // namespace partivo
