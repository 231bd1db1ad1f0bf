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

    friend bool operator==(const MidiEndpoint&, const MidiEndpoint&) = default;
};

// The system's MIDI service as the engine sees it: lists of destination and source endpoints,
// a way to send raw bytes to one destination, and a callback for incoming messages.
class MidiBackend {
public:
    // sourceUid names the endpoint the message came from; bytes hold one complete message.
    // Real backends call it on their own thread: the receiver must hand the message over to
    // the main thread.
    using Receiver = std::function<void(qint32 sourceUid, const QByteArray& bytes)>;

    virtual ~MidiBackend() = default;

    // False when the system's MIDI service could not be reached: nothing can be sent.
    virtual bool available() const { return true; }

    // In the system's order.
    virtual QList<MidiEndpoint> destinations() const = 0;
    // Endpoints messages come from, in the system's order; none for an output-only backend.
    virtual QList<MidiEndpoint> sources() const { return {}; }
    // Connects every source listed now to the receiver, dropping connections to sources that
    // have gone; the program's own input ("Partivo IN") stays connected throughout.
    virtual void connectSources() {}
    // Drops every source connection except the program's own input.
    virtual void disconnectSources() {}
    // Ids of the program's own virtual input and output ports; 0 while MIDI is off.
    virtual qint32 ownInputUid() const { return 0; }
    virtual qint32 ownOutputUid() const { return 0; }
    // Sends one complete message to the endpoint now; false when it did not leave.
    virtual bool send(qint32 endpointUid, const QByteArray& bytes) = 0;
    // Replaces the receiver; an empty function drops incoming messages.
    virtual void setReceiver(Receiver receiver) = 0;
};

} // namespace partivo
