// What a song's note asks for once the song has stayed current for half a second: its
// events are loaded, the event library's "DEFAULT" group and the note's untimed MIDI lines
// are queued and paced out.
#include "app/Controller.h"

#include "library/Pieces.h"
#include "library/PiecesDet.h"
#include "midi/Midi.h"
#include "notes/SongEvents.h"
#include "platform/FileServices.h"

#include <QDebug>

namespace partivo {

void Controller::processNote()
{
    const auto piece = data_.getPiece(data_.songNoG());
    if (!piece || !piece->pieceDet)
        return;
    // A ChordPro song opens in its external application when the option says so.
    if (options_.genOptAutoOpen && piece->pieceDet->typeFichier1 == 1)
        files_.openWithDefaultApp(currentSongFile());
    songEvents_ = chargerSongEventsFromString(piece->pieceDet->notetxt);
    metronome_.setTempo(piece->knownTempo()); // a running metronome takes the new song's tempo
    sendMIDIfromNote();
    navigator_.songNoG_ev = data_.songNoG();
}

void Controller::sendMIDIfromNote()
{
    // Echoes of what is sent now must not fire triggers; a new batch replaces an old one.
    midi_.setRefreshPaused(true);
    midi_.initTimeLastLotEvents();
    bool sent = midi_.sendDefaultGroup();
    const auto piece = data_.getPiece(data_.songNoG());
    if (!piece || !piece->pieceDet) {
        qWarning("Controller: no current song to send the MIDI of its note");
        midi_.lancerRefreshPauseFalse();
        return;
    }
    if (!piece->pieceDet->notetxt.isEmpty()) {
        for (const QString& text : untimedMidiTexts(songEvents_)) {
            midi_.sendMIDIfromString(text, QString(), true);
            sent = true;
        }
    }
    if (sent)
        midi_.processMidiEvents();
    else
        midi_.lancerRefreshPauseFalse();
}

} // namespace partivo
