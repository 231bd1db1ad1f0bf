// The destination editor's rows and the last received message it shows.
#include "midi/MidiDestEditor.h"

#include "midi/Midi.h"
#include "platform/Commands.h"
#include "platform/Dialogs.h"
#include "platform/MidiPortNames.h"

namespace partivo {

MidiDestEditor::MidiDestEditor(Midi& midi, Dialogs& dialogs, KeyPoster postKey)
    : midi_(midi), dialogs_(dialogs), session_(std::move(postKey))
{
}

void MidiDestEditor::showMidiPref(bool save)
{
    if (save && session_.isOpen())
        sauvegarderDonnees();
    chargerDestAvail();
    midi_.midiOutPrefOn = true;
    session_.open();
}

void MidiDestEditor::windowWillClose()
{
    session_.close([this] {
        midi_.midiOutPrefOn = false;
        sauvegarderDonnees();
    });
}

void MidiDestEditor::sauvegarderDonnees()
{
    midi_.sauvegarderDestinations();
}

void MidiDestEditor::chargerDestAvail()
{
    destAvail_ = midi_.backend.destinations();
    sourceAvail_ = midi_.backend.sources();
}

int MidiDestEditor::rowCount() const
{
    return int(midi_.MIDIdestinations.size());
}

QString MidiDestEditor::nameAt(int row) const
{
    return midi_.MIDIdestinations.value(row).idDest;
}

int MidiDestEditor::channelItemAt(int row) const
{
    return qBound(0, midi_.MIDIdestinations.value(row).channel, 16);
}

QStringList MidiDestEditor::channelItems()
{
    QStringList items{QStringLiteral("All")};
    for (int c = 1; c <= 16; ++c)
        items.append(QString::number(c));
    return items;
}

ChoiceList MidiDestEditor::destinationChoicesAt(int row) const
{
    const MidiDest dest = midi_.MIDIdestinations.value(row);
    return endpointChoices(kAllDevicesItem, kDontSendItem, destAvail_, dest.sendType, dest.destUID,
                           dest.destDescr);
}

void MidiDestEditor::updateDestAtIndex(int row, const QString& name, int channelItem, int destItem)
{
    if (row < 0 || row >= rowCount())
        return;
    MidiDest& dest = midi_.MIDIdestinations[row];
    dest.idDest = name;
    dest.channel = qBound(0, channelItem, 16);
    if (destItem >= 2 && destItem - 2 < destAvail_.size()) {
        const MidiEndpoint& endpoint = destAvail_[destItem - 2];
        dest.sendType = MidiDest::SendOneDevice;
        // No devices or entities here: a port is its own device.
        dest.deviceUID = 0;
        dest.entityUID = 0;
        dest.destUID = endpoint.uid;
        // The device's input port has the same name, hence the same id, as its output.
        dest.sourceUID = 0;
        for (const MidiEndpoint& source : sourceAvail_) {
            if (source.uid == endpoint.uid)
                dest.sourceUID = source.uid;
        }
        dest.destDescr = labelWithoutMark(endpointLabel(endpoint));
    } else if (destItem == 0 || destItem == 1) {
        dest.sendType = destItem;
        dest.deviceUID = dest.entityUID = dest.sourceUID = dest.destUID = 0;
        dest.destDescr.clear();
    }
    // Any other item is the missing endpoint: the record keeps it.
}

int MidiDestEditor::actionInsertRow()
{
    midi_.creerDestinations();
    return rowCount() - 1;
}

int MidiDestEditor::actionDeleteRow(int selectedRow)
{
    if (selectedRow < 0 || selectedRow >= rowCount()) {
        dialogs_.msg(QString::fromUtf8(kRowMustBeSelected));
        return selectedRow;
    }
    midi_.supprimerDestinationsForIndex(selectedRow);
    return selectionAfterDelete(selectedRow, rowCount());
}

int MidiDestEditor::moveRow(int row, int delta)
{
    return partivo::moveRow(midi_.MIDIdestinations, row, delta);
}

void MidiDestEditor::showReceived()
{
    const MidiLearnedRow& m = midi_.shown();
    if (!m.filled)
        return;
    shown_ = {};
    switch (m.sourceType) {
    case TrigControlChange:
        shown_.lastMidiEvent = QStringLiteral("Control Message");
        shown_.lastMidiEventToolTip =
            QStringLiteral("Control:%1 Value:%2").arg(m.sourceVal1).arg(m.sourceVal2);
        break;
    case TrigProgramChange:
        shown_.lastMidiEvent = QStringLiteral("Program Change");
        shown_.lastMidiEventToolTip = QStringLiteral("MSB:%1 LSB:%2 Program:%3")
                                          .arg(m.sourceVal1)
                                          .arg(m.sourceVal2)
                                          .arg(m.sourceVal3);
        break;
    case TrigNoteOn:
        shown_.lastMidiEvent = QStringLiteral("Note");
        shown_.lastMidiEventToolTip = QStringLiteral("Note:%1").arg(m.sourceVal1);
        break;
    default:
        shown_.lastMidiEvent = QStringLiteral("Pitch wheel");
        break;
    }
    shown_.lastMidiEventChannel = QString::number(m.sourceChannel + 1);
    if (m.sourceRef != 0 && m.sourceRef == midi_.PartivoUIDin)
        shown_.lastMidiEventFrom = QString::fromLatin1(kOwnInputPortName);
    for (const MidiEndpoint& source : midi_.backend.sources()) {
        if (source.uid == m.sourceRef)
            shown_.lastMidiEventFrom = source.name;
    }
    shown_.lastMidiEventDestID = u'@' + midi_.obtenirChannelID(m.sourceChannel, m.sourceRef);
}

} // namespace partivo
