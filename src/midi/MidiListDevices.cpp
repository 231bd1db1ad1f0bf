// Diagnostics: the MIDI ports as the engine sees them, written to the log.
#include "midi/Midi.h"

#include "platform/MidiBackend.h"

#include <QDebug>

namespace partivo {

namespace {

QString portLine(const MidiEndpoint& port, qint32 ownUid)
{
    return QStringLiteral("  %1 uid %2%3%4")
        .arg(port.name)
        .arg(port.uid)
        .arg(port.online ? QString() : QStringLiteral(" (offline)"))
        .arg(port.uid == ownUid ? QStringLiteral(" (Partivo's own)") : QString());
}

} // namespace

QStringList Midi::listDevices1() const
{
    QStringList lines{QStringLiteral("MIDI: %1, own ports IN uid %2, OUT uid %3")
                          .arg(midiOk ? QStringLiteral("on") : QStringLiteral("off"))
                          .arg(PartivoUIDin)
                          .arg(PartivoUIDout)};
    lines << QStringLiteral("MIDI: %1 sources connected").arg(MIDIendpoints.size());
    return lines;
}

QStringList Midi::listDevices2() const
{
    QStringList lines{QStringLiteral("MIDI destinations:")};
    for (const MidiEndpoint& port : backend.destinations())
        lines << portLine(port, PartivoUIDout);
    lines << QStringLiteral("MIDI sources:");
    for (const MidiEndpoint& port : backend.sources())
        lines << portLine(port, PartivoUIDin);
    return lines;
}

QStringList Midi::listDevices3() const
{
    QStringList lines{QStringLiteral("MIDI destination records:")};
    for (const MidiDest& d : MIDIdestinations)
        lines << QStringLiteral("  %1: %2 channel %3 sendType %4 destUID %5 \"%6\"")
                     .arg(d.index)
                     .arg(d.idDest)
                     .arg(d.channel)
                     .arg(d.sendType)
                     .arg(d.destUID)
                     .arg(d.destDescr);
    return lines;
}

void Midi::listDevices() const
{
    for (const QStringList& part : {listDevices1(), listDevices2(), listDevices3()})
        for (const QString& line : part)
            qInfo().noquote() << line;
}

} // namespace partivo
