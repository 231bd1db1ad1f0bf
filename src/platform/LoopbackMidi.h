#pragma once

#include "platform/MidiBackend.h"
#include "platform/Timers.h"

#include <QSet>
#include <utility>

namespace partivo {

// MIDI backend for tests and headless runs: fake destination and source endpoints, a record
// of every message sent with the time on the given clock, and injection of incoming messages
// from the connected sources and the program's own input.
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

    QList<MidiEndpoint> sources() const override { return sources_; }
    void connectSources() override;
    void disconnectSources() override { connected_.clear(); }
    qint32 ownInputUid() const override;
    qint32 ownOutputUid() const override;
    void setSources(const QList<MidiEndpoint>& endpoints) { sources_ = endpoints; }
    const QSet<qint32>& connectedSources() const { return connected_; }
    int connectCalls() const { return connectCalls_; }

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
    // Hands the message to the receiver at once, on the calling thread; false without one,
    // or when the source is neither connected nor the program's own input.
    bool inject(qint32 sourceUid, const QByteArray& bytes);

private:
    const Timers& clock_;
    QList<MidiEndpoint> endpoints_;
    QSet<qint32> failing_;
    QList<MidiEndpoint> sources_;
    QSet<qint32> connected_;
    int connectCalls_ = 0;
    QList<Sent> sent_;
    QList<Sent> refused_;
    Receiver receiver_;
};

} // namespace partivo
