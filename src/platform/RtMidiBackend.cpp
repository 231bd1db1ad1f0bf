#include "platform/RtMidiBackend.h"

#include "platform/JackServer.h"
#include "platform/MidiPortNames.h"

#include <QDebug>
#include <QFileInfo>
#include <QSet>
#include <RtMidi.h>

namespace partivo {

namespace {

// Every RtMidi object joins the system under this client name: other clients see
// "Partivo:Partivo OUT".
constexpr const char* kClientName = kOwnClientName;

// RtMidi reports problems after construction through this callback instead of throwing or
// printing; the flag lets send() tell a refused message from a sent one.
struct ErrorFlag {
    bool failed = false;
};

void recordError(RtMidiError::Type type, const std::string& text, void* userData)
{
    if (type == RtMidiError::WARNING || type == RtMidiError::DEBUG_WARNING)
        qInfo("RtMidiBackend: %s", text.c_str());
    else
        qWarning("RtMidiBackend: %s", text.c_str());
    if (userData != nullptr)
        static_cast<ErrorFlag*>(userData)->failed = true;
}

RtMidi::Api rtApi(RtMidiBackend::Api api)
{
    return api == RtMidiBackend::Api::Jack ? RtMidi::UNIX_JACK : RtMidi::LINUX_ALSA;
}

struct ListedPort {
    MidiEndpoint endpoint;
    unsigned int index; // RtMidi's port number, valid until the system's ports change
};

// Lists the ports of one side, leaving ours out; ids stay unique within the list: a
// repeated name (two identical devices) gets a marked variant of the hash.
template <typename Port> QList<ListedPort> listPortsWithIndex(Port& port)
{
    QList<ListedPort> list;
    QSet<qint32> seen;
    const unsigned int count = port.getPortCount();
    for (unsigned int i = 0; i < count; ++i) {
        const QString raw = QString::fromStdString(port.getPortName(i));
        if (raw.isEmpty() || isOwnMidiPort(raw))
            continue;
        const QString name = cleanMidiPortName(raw);
        QString key = name;
        qint32 uid = stableMidiId(key);
        while (seen.contains(uid)) {
            key += u'#';
            uid = stableMidiId(key);
        }
        seen.insert(uid);
        list.append(ListedPort{MidiEndpoint{uid, name, true}, i});
    }
    return list;
}

template <typename Port> QList<MidiEndpoint> listPorts(Port& port)
{
    QList<MidiEndpoint> list;
    for (const ListedPort& listed : listPortsWithIndex(port))
        list.append(listed.endpoint);
    return list;
}

// RtMidi's port number of the port listed with the id, or -1.
template <typename Port> int portIndexOf(Port& port, qint32 uid)
{
    for (const ListedPort& listed : listPortsWithIndex(port)) {
        if (listed.endpoint.uid == uid)
            return int(listed.index);
    }
    return -1;
}

} // namespace

struct RtMidiBackend::Input {
    RtMidiBackend* owner = nullptr;
    qint32 sourceUid = 0;
    std::unique_ptr<RtMidiIn> port;

    // Runs on RtMidi's input thread; userData is the Input.
    static void receive(double, std::vector<unsigned char>* message, void* userData)
    {
        if (message == nullptr || message->empty())
            return;
        const auto* input = static_cast<const Input*>(userData);
        input->owner->deliver(
            input->sourceUid,
            QByteArray(reinterpret_cast<const char*>(message->data()), qsizetype(message->size())));
    }
};

std::optional<RtMidiBackend::Api> RtMidiBackend::apiNamed(const QString& name)
{
    if (name.compare(QLatin1String("alsa"), Qt::CaseInsensitive) == 0)
        return Api::Alsa;
    if (name.compare(QLatin1String("jack"), Qt::CaseInsensitive) == 0)
        return Api::Jack;
    return std::nullopt;
}

RtMidiBackend::RtMidiBackend(Api api, const QString& sequencerDevice) : api_(api)
{
    if (api == Api::Jack) {
        // RtMidi crashes opening a JACK port when no server runs: ask the server first.
        QString why;
        if (!jackServerRunning(&why)) {
            turnOff(why);
            return;
        }
    } else if (!QFileInfo::exists(sequencerDevice)) {
        turnOff(QStringLiteral("no ALSA sequencer device (%1)").arg(sequencerDevice));
        return;
    }
    try {
        lister_ = std::make_unique<RtMidiOut>(rtApi(api_), kClientName);
        lister_->setErrorCallback(recordError, nullptr);
        lister_->openVirtualPort(kOwnOutputPortName);
        sourceLister_ = std::make_unique<RtMidiIn>(rtApi(api_), kClientName);
        sourceLister_->setErrorCallback(recordError, nullptr);
        available_ = true;
    } catch (const RtMidiError& error) {
        turnOff(QString::fromStdString(error.getMessage()));
        return;
    }
    openOwnInput();
}

RtMidiBackend::~RtMidiBackend()
{
    // Stop every input thread before the members it reaches go away.
    disconnectSources();
    own_.reset();
}

void RtMidiBackend::turnOff(const QString& why)
{
    available_ = false;
    reason_ = why.trimmed();
    inputs_.clear();
    own_.reset();
    outputs_.clear();
    sourceLister_.reset();
    lister_.reset();
    qWarning("RtMidiBackend: MIDI is off: %s", qUtf8Printable(reason_));
}

std::unique_ptr<RtMidiBackend::Input> RtMidiBackend::newInput(qint32 uid)
{
    auto input = std::make_unique<Input>();
    input->owner = this;
    input->sourceUid = uid;
    input->port = std::make_unique<RtMidiIn>(rtApi(api_), kClientName);
    input->port->ignoreTypes(false, true, true); // keep sysex, drop clock and sensing
    input->port->setErrorCallback(recordError, nullptr);
    input->port->setCallback(Input::receive, input.get());
    return input;
}

void RtMidiBackend::closeInput(std::unique_ptr<Input>& input)
{
    if (!input)
        return;
    try {
        input->port->cancelCallback();
        input->port->closePort();
    } catch (const RtMidiError&) {
    }
    // Closing the connection joins its thread; only then may the record go.
    input->port.reset();
    input.reset();
}

void RtMidiBackend::openOwnInput()
{
    try {
        own_ = newInput(ownInputUid());
        own_->port->openVirtualPort(kOwnInputPortName);
    } catch (const RtMidiError& error) {
        // Output still works without the input.
        own_.reset();
        qWarning("RtMidiBackend: MIDI input is off: %s", error.getMessage().c_str());
    }
}

void RtMidiBackend::connectSources()
{
    if (!available_)
        return;
    disconnectSources();
    try {
        for (const ListedPort& source : listPortsWithIndex(*sourceLister_)) {
            auto input = newInput(source.endpoint.uid);
            input->port->openPort(source.index, kOwnInputConnectionName);
            inputs_.push_back(std::move(input));
        }
    } catch (const RtMidiError& error) {
        qWarning("RtMidiBackend: cannot connect a MIDI source: %s", error.getMessage().c_str());
    }
}

void RtMidiBackend::disconnectSources()
{
    for (auto& input : inputs_)
        closeInput(input);
    inputs_.clear();
}

qint32 RtMidiBackend::ownInputUid() const
{
    return available_ ? stableMidiId(QString::fromLatin1(kOwnInputPortName)) : 0;
}

qint32 RtMidiBackend::ownOutputUid() const
{
    return available_ ? stableMidiId(QString::fromLatin1(kOwnOutputPortName)) : 0;
}

QList<MidiEndpoint> RtMidiBackend::destinations() const
{
    if (!available_)
        return {};
    try {
        return listPorts(*lister_);
    } catch (const RtMidiError& error) {
        qWarning("RtMidiBackend: cannot list destinations: %s", error.getMessage().c_str());
        return {};
    }
}

QList<MidiEndpoint> RtMidiBackend::sources() const
{
    if (!available_)
        return {};
    try {
        return listPorts(*sourceLister_);
    } catch (const RtMidiError& error) {
        qWarning("RtMidiBackend: cannot list sources: %s", error.getMessage().c_str());
        return {};
    }
}

RtMidiOut* RtMidiBackend::outputFor(qint32 endpointUid)
{
    if (const auto it = outputs_.find(endpointUid); it != outputs_.end())
        return it->second.get();
    const int index = portIndexOf(*lister_, endpointUid);
    if (index < 0)
        return nullptr;
    auto out = std::make_unique<RtMidiOut>(rtApi(api_), kClientName);
    out->openPort(unsigned(index), kOwnOutputConnectionName);
    return outputs_.emplace(endpointUid, std::move(out)).first->second.get();
}

bool RtMidiBackend::send(qint32 endpointUid, const QByteArray& bytes)
{
    if (!available_ || bytes.isEmpty())
        return false;
    try {
        RtMidiOut* out = outputFor(endpointUid);
        if (out == nullptr)
            return false;
        ErrorFlag flag;
        out->setErrorCallback(recordError, &flag);
        out->sendMessage(reinterpret_cast<const unsigned char*>(bytes.constData()),
                         size_t(bytes.size()));
        out->setErrorCallback(recordError, nullptr);
        if (flag.failed)
            outputs_.erase(endpointUid); // reopened on the next send, if the port is back
        return !flag.failed;
    } catch (const RtMidiError& error) {
        qWarning("RtMidiBackend: send failed: %s", error.getMessage().c_str());
        outputs_.erase(endpointUid);
        return false;
    }
}

void RtMidiBackend::setReceiver(Receiver receiver)
{
    const std::lock_guard<std::mutex> lock(receiverMutex_);
    receiver_ = std::move(receiver);
}

void RtMidiBackend::deliver(qint32 sourceUid, const QByteArray& bytes)
{
    const std::lock_guard<std::mutex> lock(receiverMutex_);
    if (receiver_)
        receiver_(sourceUid, bytes);
}

} // namespace partivo
