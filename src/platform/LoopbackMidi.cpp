#include "platform/LoopbackMidi.h"

#include "platform/MidiPortNames.h"

namespace partivo {

bool LoopbackMidi::send(qint32 endpointUid, const QByteArray& bytes)
{
    const Sent message{clock_.nowMs(), endpointUid, bytes};
    for (const MidiEndpoint& endpoint : endpoints_) {
        if (endpoint.uid == endpointUid && endpoint.online && !failing_.contains(endpointUid)) {
            sent_.append(message);
            return true;
        }
    }
    refused_.append(message);
    return false;
}

void LoopbackMidi::setOnline(qint32 endpointUid, bool online)
{
    for (MidiEndpoint& endpoint : endpoints_) {
        if (endpoint.uid == endpointUid)
            endpoint.online = online;
    }
}

void LoopbackMidi::setFailing(qint32 endpointUid, bool failing)
{
    if (failing)
        failing_.insert(endpointUid);
    else
        failing_.remove(endpointUid);
}

void LoopbackMidi::connectSources()
{
    ++connectCalls_;
    connected_.clear();
    for (const MidiEndpoint& source : sources_)
        connected_.insert(source.uid);
}

qint32 LoopbackMidi::ownInputUid() const
{
    return stableMidiId(QString::fromLatin1(kOwnInputPortName));
}

qint32 LoopbackMidi::ownOutputUid() const
{
    return stableMidiId(QString::fromLatin1(kOwnOutputPortName));
}

bool LoopbackMidi::inject(qint32 sourceUid, const QByteArray& bytes)
{
    if (!receiver_ || (sourceUid != ownInputUid() && !connected_.contains(sourceUid)))
        return false;
    receiver_(sourceUid, bytes);
    return true;
}

} // namespace partivo
