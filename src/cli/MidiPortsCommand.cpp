#include "cli/Commands.h"
#include "midi/Midi.h"
#include "platform/MemoryPrefs.h"
#include "platform/QtTimers.h"
#include "platform/RtMidiBackend.h"

#include <QEventLoop>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <cstdio>
#include <optional>

namespace partivo::cli {

namespace {

constexpr char kSendUsage[] = "usage: midi send [--api alsa|jack] --to PORT \"<instruction text>\"";
constexpr char kPortsUsage[] = "usage: midi ports [--api alsa|jack]";

// Takes "--api NAME" out of the arguments; false for a missing or unknown name.
bool takeApi(QStringList& args, RtMidiBackend::Api& api)
{
    const qsizetype at = args.indexOf(QStringLiteral("--api"));
    if (at < 0)
        return true;
    if (at + 1 >= args.size())
        return false;
    const auto named = RtMidiBackend::apiNamed(args[at + 1]);
    if (!named)
        return false;
    api = *named;
    args.remove(at, 2);
    return true;
}

QJsonArray endpointsJson(const QList<MidiEndpoint>& endpoints)
{
    QJsonArray list;
    for (const MidiEndpoint& endpoint : endpoints)
        list.append(QJsonObject{{QStringLiteral("id"), endpoint.uid},
                                {QStringLiteral("name"), endpoint.name}});
    return list;
}

int failed(const QString& message)
{
    std::fprintf(stderr, "partivo-cli: %s\n", qUtf8Printable(message));
    return kFailed;
}

// PORT is a listed id or a listed name (exactly as "midi ports" prints it).
std::optional<MidiEndpoint> findPort(const QList<MidiEndpoint>& endpoints, const QString& port)
{
    bool isNumber = false;
    const qint32 id = port.toInt(&isNumber);
    for (const MidiEndpoint& endpoint : endpoints) {
        if ((isNumber && endpoint.uid == id) || endpoint.name == port)
            return endpoint;
    }
    return std::nullopt;
}

// Shows the engine one endpoint only, so that instructions addressed by channel number
// (every endpoint) reach the chosen port and nothing else.
class OnePortBackend : public MidiBackend {
public:
    OnePortBackend(MidiBackend& backend, const MidiEndpoint& endpoint)
        : backend_(backend), endpoint_(endpoint)
    {
    }
    QList<MidiEndpoint> destinations() const override { return {endpoint_}; }
    bool send(qint32 endpointUid, const QByteArray& bytes) override
    {
        const bool ok = endpointUid == endpoint_.uid && backend_.send(endpointUid, bytes);
        sent_ += ok ? 1 : 0;
        return ok;
    }
    void setReceiver(Receiver receiver) override { backend_.setReceiver(std::move(receiver)); }
    int sent() const { return sent_; }

private:
    MidiBackend& backend_;
    MidiEndpoint endpoint_;
    int sent_ = 0;
};

} // namespace

// The ports of the system as JSON; while MIDI is off both lists are empty and the reason
// says why (the warning on stderr says it too).
int runMidiPorts(const QStringList& arguments)
{
    QStringList args = arguments;
    RtMidiBackend::Api api = RtMidiBackend::Api::Alsa;
    if (!takeApi(args, api) || !args.isEmpty())
        return fail(QString::fromLatin1(kPortsUsage));
    const RtMidiBackend backend(api);
    const QJsonObject out{
        {QStringLiteral("available"), backend.available()},
        {QStringLiteral("reason"), backend.reason()},
        {QStringLiteral("sources"), endpointsJson(backend.sources())},
        {QStringLiteral("destinations"), endpointsJson(backend.destinations())},
    };
    std::fputs(QJsonDocument(out).toJson(QJsonDocument::Indented).constData(), stdout);
    return kOk;
}

// Interprets the text with the first-start records ("All", "Ch1" .. "Ch16") all bound to
// PORT, sends the queue through the paced drain on the event loop, and returns when it is
// empty, printing how many messages left. Exit 1 with one line on stderr while MIDI is off,
// for an unknown port, or when a message did not leave.
int runMidiSend(const QStringList& arguments)
{
    QStringList args = arguments;
    RtMidiBackend::Api api = RtMidiBackend::Api::Alsa;
    if (!takeApi(args, api) || args.size() != 3 || args[0] != QLatin1String("--to"))
        return fail(QString::fromLatin1(kSendUsage));
    const QString& port = args[1];
    const QString& text = args[2];

    RtMidiBackend backend(api);
    if (!backend.available())
        return kFailed; // the backend's warning is the one line on stderr
    const std::optional<MidiEndpoint> endpoint = findPort(backend.destinations(), port);
    if (!endpoint)
        return failed(QStringLiteral("unknown MIDI port '%1' (see midi ports)").arg(port));

    OnePortBackend onePort(backend, *endpoint);
    MemoryPrefs prefs;
    QtTimers timers;
    Midi midi(prefs, timers, onePort);
    midi.MIDIdestinations = MidiDest::defaultList();
    for (MidiDest& dest : midi.MIDIdestinations) {
        dest.sendType = MidiDest::SendOneDevice;
        dest.destUID = endpoint->uid;
        dest.destDescr = endpoint->name;
    }
    midi.initTimeLastLotEvents();
    midi.sendMIDIfromString(text, QString(), false);
    const qsizetype queued = midi.MIDIevents().size();
    midi.processMidiEvents();
    QEventLoop loop;
    while (midi.isDraining())
        loop.processEvents(QEventLoop::WaitForMoreEvents);
    std::printf("sent %d of %lld message(s) to %s\n", onePort.sent(), qlonglong(queued),
                qUtf8Printable(endpoint->name));
    if (onePort.sent() < queued)
        return failed(QStringLiteral("%1 message(s) did not leave").arg(queued - onePort.sent()));
    return kOk;
}

} // namespace partivo::cli
