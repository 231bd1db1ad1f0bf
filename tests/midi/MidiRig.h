#pragma once

#include "midi/Midi.h"
#include "platform/LoopbackMidi.h"
#include "platform/ManualTimers.h"
#include "platform/MemoryPrefs.h"

#include <QStringList>

namespace partivo {

// A fresh engine on a manual clock and a loopback backend.
struct MidiRig {
    MemoryPrefs prefs;
    ManualTimers timers;
    LoopbackMidi backend{timers};
    Midi midi{prefs, timers, backend};

    static QString hex(const QByteArray& bytes)
    {
        return QString::fromLatin1(bytes.toHex(' ')).toUpper();
    }

    // The queue as "<destination> <hex bytes>" lines.
    QStringList queued() const
    {
        QStringList lines;
        for (const MidiEv& ev : midi.MIDIevents())
            lines.append(ev.destName + u' ' + hex(ev.packet));
        return lines;
    }

    // What the backend received as "<ms> <endpoint> <hex bytes>" lines.
    QStringList sent() const
    {
        QStringList lines;
        for (const LoopbackMidi::Sent& s : backend.sent())
            lines.append(
                QStringLiteral("%1 %2 %3").arg(s.atMs).arg(s.endpointUid).arg(hex(s.bytes)));
        return lines;
    }

    MidiDest& addDest(const QString& name, int channel, int sendType = MidiDest::SendAllDevices)
    {
        MidiDest dest = MidiDest::initWithIndex(int(midi.MIDIdestinations.size()));
        dest.idDest = name;
        dest.channel = channel;
        dest.sendType = sendType;
        midi.MIDIdestinations.append(dest);
        return midi.MIDIdestinations.last();
    }

    void addFav(const QString& id, const QString& text)
    {
        MidiFavEvent fav = MidiFavEvent::initWithIndex(int(midi.MIDIfav.size()));
        fav.favEventID = id;
        fav.favEventTx = text;
        midi.MIDIfav.append(fav);
    }
};

} // namespace partivo
