#pragma once

#include <QByteArray>
#include <QString>

namespace partivo {

class MidiBackend;

// One message waiting in the output queue.
struct MidiEv {
    QByteArray packet;       // one complete message (a system exclusive one whole)
    qint32 destUID = 0;      // 0 every online destination endpoint, else that one endpoint
    qint64 creationTime = 0; // ms on the engine's clock when queued
    bool forcer = false;     // sent even when a newer batch has begun
    quint64 batch = 0;       // the batch current when it was queued
    QString destName;        // the destination as addressed, for listings and the log

    // Sends to every online endpoint that destUID selects, in the backend's order; true
    // when at least one send succeeded.
    bool send(MidiBackend& backend) const;
};

} // namespace partivo
