#include "midi/Midi.h"

#include "midi/MidiPrefKeys.h"
#include "platform/MidiBackend.h"
#include "platform/Prefs.h"
#include "platform/Timers.h"

#include <QDebug>

namespace partivo {

void Midi::iniMidi()
{
    // The backend has already logged why when the system's MIDI service is out of reach.
    midiOk = backend.available();
    refreshPaused_ = false;
    traiterMidiNotifications = false;
    listenTrigSourceOn = false;
    midiOutPrefOn = false;
    trigInEnTraitement_ = false;
    learned_ = {};
    shown_ = {};
    lastReceived_ = {};
    pendingBanks_.clear();
    MIDItriggersIn_.clear();
    lastProcessed_.reset();
    midiDelay_ = kDefaultMidiDelay;
    MIDIevents_.clear();
    MIDIendpoints.clear();
    initTimeLastLotEvents();

    if (midiOk) {
        PartivoUIDin = restoreOwnUid(kOwnInputUidKey, backend.ownInputUid(),
                                     "Error setting property uniqueUID for Partivo input");
        PartivoUIDout = restoreOwnUid(kOwnOutputUidKey, backend.ownOutputUid(),
                                      "Error setting property uniqueUID for Partivo output");
        backend.setReceiver(
            [this](qint32 sourceUid, const QByteArray& bytes) { midiReceived(sourceUid, bytes); });
        receiving_ = true;
        registerInputDevices();
    }
    chargerDestinations();
    chargerTriggers();
    chargerFav();
}

qint32 Midi::restoreOwnUid(const char* key, qint32 systemUid, const char* failure)
{
    // The system derives the ids from the port names, so a stored id can only be kept
    // when it is the same; another one is replaced and saved.
    const qint32 stored = prefs.intValue(QLatin1String(key));
    if (stored != 0 && stored != systemUid)
        qWarning("%s", failure);
    prefs.setValue(QLatin1String(key), systemUid);
    prefs.sync();
    return systemUid;
}

void Midi::registerInputDevices()
{
    if (!midiOk)
        return;
    backend.connectSources();
    MIDIendpoints.clear();
    for (const MidiEndpoint& source : backend.sources())
        MIDIendpoints.append(source.uid);
}

void Midi::unRegisterInputDevices()
{
    backend.disconnectSources();
    MIDIendpoints.clear();
}

} // namespace partivo
