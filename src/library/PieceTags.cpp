#include "library/PieceTags.h"

#include "library/NoteTags.h"
#include "library/Pieces.h"

namespace partivo {

namespace {

bool writeNote(Pieces& entry, const QString& changed, QString* why)
{
    PiecesDet& det = *entry.pieceDet;
    if (changed == det.notetxt)
        return true;
    const QString before = det.notetxt;
    det.notetxt = changed;
    if (!entry.saveNote()) {
        det.notetxt = before; // what is shown stays what the file holds
        if (why)
            *why = det.noteProblem.isEmpty()
                       ? QStringLiteral("The note \"%1\" could not be written.").arg(det.notePath)
                       : det.noteProblem;
        return false;
    }
    det.note = !det.notetxt.isEmpty();
    det.tempoOk = false; // the tempo is read again from the new text
    entry.majInfo();
    return true;
}

} // namespace

bool addTagStringToPiece(const QString& tag, Pieces& entry, QString* why)
{
    return writeNote(entry, addTagToNote(entry.pieceDet->notetxt, tag), why);
}

bool removeTagStringFromPiece(const QString& tag, Pieces& entry, QString* why)
{
    return writeNote(entry, removeTagFromNote(entry.pieceDet->notetxt, tag), why);
}

bool clearTagStringForPiece(Pieces& entry, QString* why)
{
    return writeNote(entry, clearTagsOfNote(entry.pieceDet->notetxt), why);
}

bool pieceHasTag(const Pieces& entry, const QString& tag)
{
    return noteHasTag(entry.pieceDet->notetxt, tag);
}

bool pieceHasTagExactly(const Pieces& entry, const QString& tag)
{
    return !tag.isEmpty() &&
           entry.pieceDet->infoF.contains(QLatin1Char(' ') + tag + QLatin1Char(' '));
}

} // namespace partivo
