#pragma once

#include "platform/MidiBackend.h"

#include <map>
#include <memory>
#include <mutex>
#include <optional>
#include <vector>

class RtMidiIn;
class RtMidiOut;

namespace partivo {

// The system's MIDI service through RtMidi: ALSA sequencer ports (or JACK MIDI ports when
// asked), the virtual ports "Partivo OUT" and "Partivo IN", one connection per destination
// opened on first send, and one per source while the sources are connected.
// Construction never throws: when the sequencer cannot be opened (no /dev/snd/seq in a
// container), or JACK is asked for and no JACK server runs, MIDI is off, available() is
// false, reason() says why, and one warning is logged. The program's own ports are left out
// of every list.
class RtMidiBackend : public MidiBackend {
public:
    enum class Api { Alsa, Jack };
    // "alsa" or "jack" (any case); nothing for another name.
    static std::optional<Api> apiNamed(const QString& name);

    // sequencerDevice is checked before RtMidi opens the ALSA sequencer, so that a machine
    // without one gets the single warning and nothing from the libraries on stderr. JACK is
    // used only when a server already runs; none is ever started.
    explicit RtMidiBackend(Api api = Api::Alsa,
                           const QString& sequencerDevice = QStringLiteral("/dev/snd/seq"));
    ~RtMidiBackend() override;

    RtMidiBackend(const RtMidiBackend&) = delete;
    RtMidiBackend& operator=(const RtMidiBackend&) = delete;

    bool available() const override { return available_; }
    // One line; empty while MIDI is on.
    const QString& reason() const { return reason_; }

    // Input ports of other clients, with stable ids; empty while MIDI is off.
    QList<MidiEndpoint> destinations() const override;
    // Output ports of other clients (the ones messages come from), with stable ids.
    QList<MidiEndpoint> sources() const override;
    // False for an unknown id, while MIDI is off, or when the system refused the message.
    bool send(qint32 endpointUid, const QByteArray& bytes) override;
    // The receiver runs on RtMidi's own thread, one call per complete message: it must
    // post the message to the main thread (the engine is main-thread only). Replacing it
    // waits for a call in progress to end.
    void setReceiver(Receiver receiver) override;

    void connectSources() override;
    void disconnectSources() override;
    // Stable ids of "Partivo IN" and "Partivo OUT" (ALSA and JACK give ports no ids).
    qint32 ownInputUid() const override;
    qint32 ownOutputUid() const override;

private:
    struct Input;

    // A message arrived on one of the input connections (RtMidi's thread).
    void deliver(qint32 sourceUid, const QByteArray& bytes);

    void turnOff(const QString& why);
    std::unique_ptr<Input> newInput(qint32 uid);
    static void closeInput(std::unique_ptr<Input>& input);
    void openOwnInput();
    // Opens a connection to the port that currently carries the id; null when none does.
    RtMidiOut* outputFor(qint32 endpointUid);

    Api api_ = Api::Alsa;
    bool available_ = false;
    QString reason_;
    // Lists destinations and holds the virtual "Partivo OUT" port.
    std::unique_ptr<RtMidiOut> lister_;
    // Lists sources.
    std::unique_ptr<RtMidiIn> sourceLister_;
    // The virtual "Partivo IN".
    std::unique_ptr<Input> own_;
    // One connection per source, while the sources are connected.
    std::vector<std::unique_ptr<Input>> inputs_;
    std::map<qint32, std::unique_ptr<RtMidiOut>> outputs_;
    std::mutex receiverMutex_;
    Receiver receiver_;
};

} // namespace partivo
