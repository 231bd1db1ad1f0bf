#include "library/TagAssignments.h"

#include "library/PieceTags.h"
#include "library/TagTexts.h"
#include "library/TagWrites.h"
#include "platform/Dialogs.h"

#include <QDir>
#include <QFileInfo>
#include <algorithm>

namespace partivo {

namespace {

QString tr8(const char* text)
{
    return QString::fromUtf8(text);
}

} // namespace

TagAssignments::TagAssignments(Data& data) : data_(data), source_(data)
{
    source_.reset();
}

Pieces* TagAssignments::song(int row) const
{
    const auto& songs = source_.pieces();
    return row >= 0 && row < songs.size() ? songs[row].get() : nullptr;
}

QString TagAssignments::title(int row) const
{
    const Pieces* s = song(row);
    return s ? s->pieceDet->titre : QString();
}

QString TagAssignments::artist(int row) const
{
    const Pieces* s = song(row);
    return s ? knownArtist(s->pieceDet->auteur) : QString();
}

QString TagAssignments::tagsText(int row) const
{
    const Pieces* s = song(row);
    return s ? s->pieceDet->infoF.trimmed() : QString();
}

QString TagAssignments::columnTag(int column) const
{
    if (column < 0 || column >= kTagColumns)
        return QString();
    return data_.tags.value(offset_ + column);
}

void TagAssignments::previousTags()
{
    offset_ = std::max(0, offset_ - kTagColumns);
}

void TagAssignments::nextTags()
{
    const int last = std::max(0, int(data_.tags.size()) - kTagColumns);
    offset_ = std::min(offset_ + kTagColumns, last);
}

bool TagAssignments::isTicked(int row, int column) const
{
    const Pieces* s = song(row);
    return s && pieceHasTagExactly(*s, columnTag(column));
}

bool TagAssignments::applyToRow(int row, TagWrites& writes, const TagWrites::Edit& edit)
{
    Pieces* s = song(row);
    if (!s)
        return false;
    const TagWrites::Result result = writes.apply(*s, edit);
    if (result == TagWrites::Written)
        changed_ = true;
    return result == TagWrites::Written;
}

bool TagAssignments::setTicked(int row, int column, bool on)
{
    const QString tag = columnTag(column);
    if (tag.isEmpty())
        return false;
    TagWrites writes;
    applyToRow(row, writes, [&tag, on](Pieces& s, QString* why) {
        return on ? addTagStringToPiece(tag, s, why) : removeTagStringFromPiece(tag, s, why);
    });
    writes.reportFailures(data_.dialogs);
    return writes.failures().isEmpty();
}

bool TagAssignments::clearRow(int row)
{
    TagWrites writes;
    applyToRow(row, writes, [](Pieces& s, QString* why) { return clearTagStringForPiece(s, why); });
    writes.reportFailures(data_.dialogs);
    return writes.failures().isEmpty();
}

QList<int> TagAssignments::selectedSongs(const QList<int>& rows) const
{
    QList<int> valid;
    for (int row : rows) {
        if (song(row) && !valid.contains(row))
            valid.append(row);
    }
    std::sort(valid.begin(), valid.end());
    if (valid.isEmpty())
        data_.dialogs.msg(tr8(texts::kRowsMustBeSelected));
    return valid;
}

void TagAssignments::report(int updated, const TagWrites& writes)
{
    data_.dialogs.msg(tr8(texts::kEntriesUpdated).arg(updated));
    writes.reportFailures(data_.dialogs);
}

int TagAssignments::actionProceed(const QList<int>& rows, int operation, const QString& tag)
{
    const QList<int> selected = selectedSongs(rows);
    if (selected.isEmpty())
        return -1;
    if (tag.isEmpty() || (operation != AddTag && operation != RemoveTag))
        return 0;
    TagWrites writes;
    int updated = 0;
    for (int row : selected) {
        // Whole tags in any case: "rock" already tags a song for "Rock".
        if (pieceHasTag(*song(row), tag) == (operation == AddTag))
            continue;
        const bool written = applyToRow(row, writes, [&tag, operation](Pieces& s, QString* why) {
            return operation == AddTag ? addTagStringToPiece(tag, s, why)
                                       : removeTagStringFromPiece(tag, s, why);
        });
        if (written)
            ++updated;
    }
    report(updated, writes);
    return updated;
}

int TagAssignments::actionClear(const QList<int>& rows)
{
    const QList<int> selected = selectedSongs(rows);
    if (selected.isEmpty())
        return -1;
    if (!data_.dialogs.question(tr8(texts::kRemoveTagsFromEntries).arg(selected.size())))
        return 0;
    TagWrites writes;
    int updated = 0;
    for (int row : selected) {
        if (applyToRow(row, writes,
                       [](Pieces& s, QString* why) { return clearTagStringForPiece(s, why); }))
            ++updated;
    }
    report(updated, writes);
    return updated;
}

QString TagAssignments::subfolderOf(const QString& path) const
{
    const QString folder = QFileInfo(path).path();
    if (data_.dirX.isEmpty())
        return folder;
    const QString relative = QDir(data_.dirX).relativeFilePath(folder);
    return relative == QLatin1String(".") ? QString() : relative;
}

int TagAssignments::actionExtract(const QList<int>& rows)
{
    const QList<int> selected = selectedSongs(rows);
    if (selected.isEmpty())
        return -1;
    TagWrites writes;
    int updated = 0;
    for (int row : selected) {
        Pieces& s = *song(row);
        const QString fromName = s.pieceDet->obtenirInfoFromFilename().toUpper();
        // The folders below the binder's own: a binder kept in "Rock Songs" does not make
        // every song Rock.
        const QString folder = subfolderOf(s.pieceDet->fichier).toUpper();
        bool tagged = false;
        for (const QString& tag : std::as_const(data_.tags)) {
            const QString upper = tag.toUpper();
            if (upper.isEmpty() || pieceHasTag(s, tag) ||
                !(fromName.contains(upper) || folder.contains(upper)))
                continue;
            const auto failed = writes.failures().size();
            if (applyToRow(row, writes, [&tag](Pieces& p, QString* why) {
                    return addTagStringToPiece(tag, p, why);
                }))
                tagged = true;
            if (writes.failures().size() > failed)
                break; // its note cannot be written: one reason per song is enough
        }
        if (tagged)
            ++updated;
    }
    report(updated, writes);
    return updated;
}

} // namespace partivo
