// The event library editor's rows, sending a row and referring to another group.
#include "midi/MidiFavEditor.h"

#include "midi/Midi.h"
#include "platform/Commands.h"
#include "platform/Dialogs.h"

namespace partivo {

MidiFavEditor::MidiFavEditor(Midi& midi, Dialogs& dialogs, KeyPoster postKey)
    : midi_(midi), dialogs_(dialogs), session_(std::move(postKey))
{
}

void MidiFavEditor::showMidiPref(bool save)
{
    if (save && session_.isOpen())
        sauvegarderDonnees();
    session_.open();
}

void MidiFavEditor::windowWillClose()
{
    session_.close([this] { sauvegarderDonnees(); });
}

void MidiFavEditor::sauvegarderDonnees()
{
    midi_.sauvegarderFav();
}

int MidiFavEditor::rowCount() const
{
    return int(midi_.MIDIfav.size());
}

bool MidiFavEditor::requireRow(int row)
{
    if (row >= 0 && row < rowCount())
        return true;
    dialogs_.msg(QString::fromUtf8(kRowMustBeSelected));
    return false;
}

void MidiFavEditor::updateOccAtIndex(int row, const QString& id, const QString& descr,
                                     const QString& tx)
{
    if (row < 0 || row >= rowCount())
        return;
    MidiFavEvent& fav = midi_.MIDIfav[row];
    fav.favEventID = id;
    fav.favEventDescr = descr;
    fav.favEventTx = tx;
}

int MidiFavEditor::actionInsertRow()
{
    midi_.creerFav();
    return rowCount() - 1;
}

int MidiFavEditor::actionDeleteRow(int selectedRow)
{
    if (!requireRow(selectedRow))
        return selectedRow;
    if (selectedRow == 0) {
        dialogs_.msg(QString::fromUtf8(kDefaultGroupNotDeleted));
        return selectedRow;
    }
    midi_.supprimerFavForIndex(selectedRow);
    return selectionAfterDelete(selectedRow, rowCount());
}

int MidiFavEditor::moveRow(int row, int delta)
{
    return partivo::moveRow(midi_.MIDIfav, row, delta);
}

void MidiFavEditor::actionSendMidi(int selectedRow)
{
    if (!requireRow(selectedRow))
        return;
    midi_.setRefreshPaused(true);
    midi_.initTimeLastLotEvents();
    const QString text = midi_.MIDIfav[selectedRow].favEventTx;
    if (!text.isEmpty())
        midi_.sendMIDIfromString(text, QString(), true);
    midi_.processMidiEvents();
}

bool MidiFavEditor::appendReference(int to, int from)
{
    if (!requireRow(to) || from < 0 || from >= rowCount())
        return false;
    const QString id = midi_.MIDIfav[from].favEventID.trimmed();
    if (id.isEmpty() ||
        id.compare(midi_.MIDIfav[to].favEventID.trimmed(), Qt::CaseInsensitive) == 0)
        return false;
    QString& tx = midi_.MIDIfav[to].favEventTx;
    if (!tx.isEmpty() && !tx.endsWith(u'\n'))
        tx += u'\n';
    tx += QStringLiteral("MIDI ") + id;
    return true;
}

} // namespace partivo
