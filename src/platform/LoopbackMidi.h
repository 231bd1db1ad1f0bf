#pragma once

#include "platform/MidiBackend.h"
#include "platform/Timers.h"

#include <QSet>
#include <utility>

namespace partivo {

// MIDI backend for tests and headless runs: fake destination endpoints, a record of every
// message sent with the time on the given clock, and injection of incoming messages.
class LoopbackMidi : public MidiBackend {
public:
    struct Sent {
        qint64 atMs;
        qint32 endpointUid;
        QByteArray bytes;
    };

    explicit LoopbackMidi(const Timers& clock) : clock_(clock) {}

    QList<MidiEndpoint> destinations() const override { return endpoints_; }
    // Records the message in sent(); false, and recorded in refused() instead, for an
    // unknown, offline or failing endpoint.
    bool send(qint32 endpointUid, const QByteArray& bytes) override;
    void setReceiver(Receiver receiver) override { receiver_ = std::move(receiver); }

    void setDestinations(const QList<MidiEndpoint>& endpoints) { endpoints_ = endpoints; }
    void setOnline(qint32 endpointUid, bool online);
    // A failing endpoint is listed and online but every send to it fails.
    void setFailing(qint32 endpointUid, bool failing);

    const QList<Sent>& sent() const { return sent_; }
    const QList<Sent>& refused() const { return refused_; }
    void clearSent()
    {
        sent_.clear();
        refused_.clear();
    }
    // Hands the message to the receiver at once, on the calling thread; false without one.
    bool inject(qint32 sourceUid, const QByteArray& bytes);

private:
    const Timers& clock_;
    QList<MidiEndpoint> endpoints_;
    QSet<qint32> failing_;
    QList<Sent> sent_;
    QList<Sent> refused_;
    Receiver receiver_;
};

} // namespace partivo
