#pragma once

#include <QString>

namespace partivo {

class Pieces;

// The tag edits of one song, written into its note file: the note is written whole or not
// at all, and a failed write leaves the song's note text and tags as they were. The entry's
// title, artist and tags follow the note afterwards. False (why said in `why`) when the note
// could not be written; true also when nothing needed writing.
bool addTagStringToPiece(const QString& tag, Pieces& entry, QString* why = nullptr);
bool removeTagStringFromPiece(const QString& tag, Pieces& entry, QString* why = nullptr);
bool clearTagStringForPiece(Pieces& entry, QString* why = nullptr);

// The song carries the tag (a whole tag, in any case).
bool pieceHasTag(const Pieces& entry, const QString& tag);
// The song carries the tag exactly as written (a whole tag, same case): the tick of a tag
// column.
bool pieceHasTagExactly(const Pieces& entry, const QString& tag);

} // namespace partivo
