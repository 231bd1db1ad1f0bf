#pragma once

#include "library/Data.h"
#include "library/SourceSongs.h"
#include "library/TagWrites.h"

#include <QList>
#include <QString>

namespace partivo {

// The tag assignments without their window: the songs of a chosen tab (title order,
// filtered), eight columns of consecutive tags of Data::tags to tick, and operations on the
// selected songs. Every tag edit is written into the song's note at once; changed() says
// whether any note was written, for the binder to be reloaded afterwards.
class TagAssignments {
public:
    static constexpr int kTagColumns = 8;
    enum Operation { AddTag = 0, RemoveTag = 1 };

    explicit TagAssignments(Data& data);

    // The songs shown, one row each.
    SourceSongs& source() { return source_; }
    const Data::PieceList& songs() const { return source_.pieces(); }
    int rowCount() const { return int(source_.pieces().size()); }
    // Title, artist ("" when unknown) and tags of a row's song.
    QString title(int row) const;
    QString artist(int row) const;
    QString tagsText(int row) const;

    // The tags to choose from (Data::tags).
    const QStringList& tags() const { return data_.tags; }
    // The tag columns show Data::tags from the offset on; a column past the list shows none.
    int tagOffset() const { return offset_; }
    QString columnTag(int column) const;
    // The Tags column's header: eight tags back, not below 0.
    void previousTags();
    // The last tag column's header: eight tags on, at most to the last eight.
    void nextTags();

    // The column's tag as written is a whole tag of the row's song (same case).
    bool isTicked(int row, int column) const;
    // Adds (on) or removes the column's tag; false when the note could not be written (the
    // reason shown).
    bool setTicked(int row, int column, bool on);
    // Removes every tag of the row's song.
    bool clearRow(int row);

    // The operations on the selected rows answer how many songs changed, -1 when no row is
    // selected (a message says so). Add goes only to songs without the tag, remove only to
    // songs with it (a whole tag, in any case).
    int actionProceed(const QList<int>& rows, int operation, const QString& tag);
    // Asks first; 0 when the user says No.
    int actionClear(const QList<int>& rows);
    // Adds each tag of the list a song lacks when the tags of its file name or its folder's
    // path holds it (without regard to case); counts the songs given a tag.
    int actionExtract(const QList<int>& rows);

    bool changed() const { return changed_; }

private:
    Pieces* song(int row) const;
    // The song's folder below the binder's folder ("" for a song at its top).
    QString subfolderOf(const QString& path) const;
    // The selected rows that show a song, each once, in order; empty after the message.
    QList<int> selectedSongs(const QList<int>& rows) const;
    bool applyToRow(int row, TagWrites& writes, const TagWrites::Edit& edit);
    void report(int updated, const TagWrites& writes);

    Data& data_;
    SourceSongs source_;
    int offset_ = 0;
    bool changed_ = false;
};

} // namespace partivo
