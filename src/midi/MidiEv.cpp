#include "midi/MidiEv.h"

#include "midi/MidiTexts.h"
#include "platform/MidiBackend.h"

#include <QDebug>

namespace partivo {

bool MidiEv::send(MidiBackend& backend) const
{
    bool sent = false;
    for (const MidiEndpoint& endpoint : backend.destinations()) {
        if ((destUID != 0 && destUID != endpoint.uid) || !endpoint.online)
            continue;
        if (backend.send(endpoint.uid, packet))
            sent = true;
        else
            qInfo("MidiEv send %s", kErrorInSend);
    }
    return sent;
}

} // namespace partivo
