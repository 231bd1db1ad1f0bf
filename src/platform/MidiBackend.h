#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <functional>

namespace partivo {

// One destination endpoint of the system's MIDI service.
struct MidiEndpoint {
    qint32 uid = 0; // unique and stable across runs; never 0
    QString name;
    bool online = true;
};

// The system's MIDI service as the engine sees it: a list of destination endpoints, a way to
// send raw bytes to one of them, and a callback for incoming messages.
class MidiBackend {
public:
    // sourceUid names the endpoint the message came from; bytes hold one complete message.
    // Real backends call it on their own thread: the receiver must hand the message over to
    // the main thread.
    using Receiver = std::function<void(qint32 sourceUid, const QByteArray& bytes)>;

    virtual ~MidiBackend() = default;

    // In the system's order.
    virtual QList<MidiEndpoint> destinations() const = 0;
    // Sends one complete message to the endpoint now; false when it did not leave.
    virtual bool send(qint32 endpointUid, const QByteArray& bytes) = 0;
    // Replaces the receiver; an empty function drops incoming messages.
    virtual void setReceiver(Receiver receiver) = 0;
};

} // namespace partivo
