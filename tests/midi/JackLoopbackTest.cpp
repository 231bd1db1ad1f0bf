// Real RtMidi over a JACK server the test starts itself (dummy driver, no sound card):
// the exact bytes of parsed instructions leave "Partivo OUT" and arrive at a port of the
// test, and sources reach the engine. Skipped where jackd is missing or cannot start.
#include "midi/Midi.h"
#include "midi/MidiSetupWatcher.h"
#include "platform/JackServer.h"
#include "platform/ManualTimers.h"
#include "platform/MemoryPrefs.h"
#include "platform/MidiPortNames.h"
#include "platform/NotificationCenter.h"
#include "platform/RtMidiBackend.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QThread>
#include <RtMidi.h>
#include <chrono>
#include <condition_variable>
#include <csignal>
#include <gtest/gtest.h>
#include <mutex>
#include <sys/prctl.h>

namespace partivo {
namespace {

using namespace std::chrono_literals;

// Messages arriving on another thread, with a bounded wait for a count.
class Inbox {
public:
    void add(qint32 source, const QByteArray& bytes)
    {
        const std::lock_guard<std::mutex> lock(mutex_);
        messages_.append({source, bytes});
        arrived_.notify_all();
    }
    // The messages once there are at least count of them, or what came within the wait.
    QList<QPair<qint32, QByteArray>> waitFor(int count, std::chrono::milliseconds wait = 5000ms)
    {
        std::unique_lock<std::mutex> lock(mutex_);
        arrived_.wait_for(lock, wait, [&] { return messages_.size() >= count; });
        return messages_;
    }
    // Whether a message with these bytes came from the source (any source for 0).
    bool has(qint32 source, const QByteArray& bytes)
    {
        const std::lock_guard<std::mutex> lock(mutex_);
        for (const auto& message : messages_) {
            if (message.second == bytes && (source == 0 || message.first == source))
                return true;
        }
        return false;
    }

private:
    std::mutex mutex_;
    std::condition_variable arrived_;
    QList<QPair<qint32, QByteArray>> messages_;
};

void collect(double, std::vector<unsigned char>* message, void* inbox)
{
    static_cast<Inbox*>(inbox)->add(
        0, QByteArray(reinterpret_cast<const char*>(message->data()), qsizetype(message->size())));
}

// A new JACK connection takes effect at a later process cycle of the server, so a message
// sent at once may be dropped: it is sent again until it arrives (a few seconds at most).
bool sendUntilArrived(RtMidiOut& out, const std::vector<unsigned char>& message, Inbox& inbox,
                      qint32 source)
{
    const QByteArray bytes(reinterpret_cast<const char*>(message.data()),
                           qsizetype(message.size()));
    for (int attempt = 0; attempt < 20; ++attempt) {
        auto copy = message;
        out.sendMessage(&copy);
        for (int wait = 0; wait < 10 && !inbox.has(source, bytes); ++wait)
            inbox.waitFor(1000000, 25ms);
        if (inbox.has(source, bytes))
            return true;
    }
    return false;
}

QString hex(const QByteArray& bytes)
{
    return QString::fromLatin1(bytes.toHex(' ')).toUpper();
}

std::optional<MidiEndpoint> endpointEndingWith(const QList<MidiEndpoint>& list, const char* tail)
{
    for (const MidiEndpoint& endpoint : list) {
        if (endpoint.name.endsWith(QLatin1String(tail)))
            return endpoint;
    }
    return std::nullopt;
}

class JackLoopback : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        const QString jackd = QStandardPaths::findExecutable(QStringLiteral("jackd"));
        if (jackd.isEmpty()) {
            skipReason() = "jackd is not installed";
            return;
        }
        const QByteArray name =
            "partivo-test-" + QByteArray::number(QCoreApplication::applicationPid());
        qputenv("JACK_DEFAULT_SERVER", name);
        server() = new QProcess;
        // Its output goes to a file, so that a full pipe can never stall the server, and it
        // dies with the test even when the test crashes.
        server()->setProcessChannelMode(QProcess::MergedChannels);
        server()->setStandardOutputFile(logPath());
        server()->setChildProcessModifier([] { ::prctl(PR_SET_PDEATHSIG, SIGKILL); });
        server()->start(jackd,
                        {QStringLiteral("--no-realtime"), QStringLiteral("-n"),
                         QString::fromLatin1(name), QStringLiteral("-d"), QStringLiteral("dummy"),
                         QStringLiteral("-r"), QStringLiteral("48000"), QStringLiteral("-p"),
                         QStringLiteral("256")});
        // Waits for the server process to answer, not for a clock.
        for (int i = 0; i < 200 && server()->state() != QProcess::NotRunning; ++i) {
            if (jackServerRunning())
                return;
            QThread::msleep(25);
        }
        QFile log(logPath());
        log.open(QIODevice::ReadOnly);
        skipReason() = "jackd did not start: " + log.readAll().toStdString();
        TearDownTestSuite();
    }

    static void TearDownTestSuite()
    {
        if (server() != nullptr) {
            server()->terminate();
            if (!server()->waitForFinished(5000))
                server()->kill();
            server()->waitForFinished(5000);
            delete server();
            server() = nullptr;
            QFile::remove(logPath());
        }
        qunsetenv("JACK_DEFAULT_SERVER");
    }

    void SetUp() override
    {
        if (!skipReason().empty())
            GTEST_SKIP() << skipReason();
    }

    static QString logPath()
    {
        return QDir::temp().filePath(
            QStringLiteral("partivo-test-jackd-%1.log").arg(QCoreApplication::applicationPid()));
    }
    static QProcess*& server()
    {
        static QProcess* process = nullptr;
        return process;
    }
    static std::string& skipReason()
    {
        static std::string reason;
        return reason;
    }
};

TEST_F(JackLoopback, ParsedInstructionsArriveWithTheirExactBytes)
{
    Inbox inbox;
    RtMidiIn sink(RtMidi::UNIX_JACK, "PartivoTest");
    sink.ignoreTypes(false, true, true);
    sink.setCallback(collect, &inbox);
    sink.openVirtualPort("sink");

    RtMidiBackend backend(RtMidiBackend::Api::Jack);
    ASSERT_TRUE(backend.available()) << qPrintable(backend.reason());
    const auto target = endpointEndingWith(backend.destinations(), ":sink");
    ASSERT_TRUE(target.has_value());
    for (const MidiEndpoint& endpoint : backend.destinations() + backend.sources())
        EXPECT_FALSE(isOwnMidiPort(endpoint.name)) << qPrintable(endpoint.name);

    MemoryPrefs prefs;
    ManualTimers timers;
    Midi midi(prefs, timers, backend);
    midi.iniMidi();
    ASSERT_TRUE(midi.midiOk);
    MidiDest dest = MidiDest::initWithIndex(int(midi.MIDIdestinations.size()));
    dest.idDest = QStringLiteral("SYNTH");
    dest.channel = 3;
    dest.sendType = MidiDest::SendOneDevice;
    dest.destUID = target->uid;
    midi.MIDIdestinations.append(dest);

    midi.sendMIDIfromString(
        QStringLiteral("12:5@SYNTH CC7:200@SYNTH CT+2@SYNTH SYSEX F0 7E 7F 09 01 F7@SYNTH"),
        QString(), false);
    midi.processMidiEvents();
    for (int i = 0; i < 20 && !midi.MIDIevents().isEmpty(); ++i)
        timers.advance(10);
    ASSERT_TRUE(midi.MIDIevents().isEmpty());

    const QStringList expected{"B2 20 0C", "C2 05", "B2 07 7F", "F0 7F 7F 04 04 00 42 F7",
                               "F0 7E 7F 09 01 F7"};
    const auto received = inbox.waitFor(int(expected.size()));
    QStringList got;
    for (const auto& message : received)
        got.append(hex(message.second));
    EXPECT_EQ(got, expected);
}

TEST_F(JackLoopback, SourcesAndTheOwnInputReachTheEngine)
{
    RtMidiBackend backend(RtMidiBackend::Api::Jack);
    ASSERT_TRUE(backend.available()) << qPrintable(backend.reason());
    MemoryPrefs prefs;
    ManualTimers timers;
    NotificationCenter center;
    Midi midi(prefs, timers, backend);
    midi.iniMidi();
    // In place of the engine's receiver, which iniMidi set: the messages as the backend
    // delivers them, on its own thread.
    Inbox inbox;
    backend.setReceiver(
        [&inbox](qint32 source, const QByteArray& bytes) { inbox.add(source, bytes); });
    MidiSetupWatcher watcher(midi, center);
    watcher.start();
    midi.traiterMidiNotifications = true;

    // A source that appears after start-up is connected by the next poll.
    RtMidiOut keys(RtMidi::UNIX_JACK, "PartivoTest");
    keys.openVirtualPort("keys");
    const auto source = endpointEndingWith(backend.sources(), ":keys");
    ASSERT_TRUE(source.has_value());
    EXPECT_FALSE(midi.MIDIendpoints.contains(source->uid));
    EXPECT_TRUE(watcher.poll());
    EXPECT_TRUE(midi.MIDIendpoints.contains(source->uid));
    const std::vector<unsigned char> cc{0xB0, 0x40, 0x7F};
    EXPECT_TRUE(sendUntilArrived(keys, cc, inbox, source->uid)) << "from the new source";

    // Another program sends to "Partivo IN".
    RtMidiOut other(RtMidi::UNIX_JACK, "PartivoTest");
    int ownIn = -1;
    for (unsigned int i = 0; i < other.getPortCount(); ++i) {
        if (QString::fromStdString(other.getPortName(i)).endsWith(QLatin1String(kOwnInputPortName)))
            ownIn = int(i);
    }
    ASSERT_GE(ownIn, 0);
    other.openPort(unsigned(ownIn));
    const std::vector<unsigned char> pc{0xC1, 0x09};
    EXPECT_TRUE(sendUntilArrived(other, pc, inbox, backend.ownInputUid())) << "to Partivo IN";

    // Nothing else arrived, from nowhere else.
    for (const auto& message : inbox.waitFor(0, 0ms)) {
        const bool fromKeys = message.first == source->uid && hex(message.second) == "B0 40 7F";
        const bool toOwnIn =
            message.first == backend.ownInputUid() && hex(message.second) == "C1 09";
        EXPECT_TRUE(fromKeys || toOwnIn) << hex(message.second).toStdString();
    }
}

// RtMidi's thread hands the message over; the main thread's event loop decodes it, and the
// trigger fires on the engine's clock.
TEST_F(JackLoopback, AMessageFromTheServicesThreadFiresATriggerOnTheMainThread)
{
    RtMidiOut keys(RtMidi::UNIX_JACK, "PartivoTest");
    keys.openVirtualPort("keys");
    RtMidiBackend backend(RtMidiBackend::Api::Jack);
    ASSERT_TRUE(backend.available()) << qPrintable(backend.reason());
    MemoryPrefs prefs;
    ManualTimers timers;
    Midi midi(prefs, timers, backend);
    QStringList posted;
    midi.setActionPoster([&posted](const QString& name, const QVariant& param) {
        posted.append(name + u' ' + param.toString());
    });
    midi.iniMidi();
    MidiTrig pedal = MidiTrig::initWithIndex(0);
    pedal.sourceVal1 = 64;
    pedal.sourceVal2 = 127;
    pedal.actionType = 8; // next song
    midi.MIDItriggers = {pedal};
    midi.refreshTrigFiltreChannel();

    // A new connection takes effect a few process cycles later: send until it is heard.
    const std::vector<unsigned char> cc{0xB0, 0x40, 0x7F};
    for (int attempt = 0; attempt < 200 && midi.MIDItriggersIn().isEmpty(); ++attempt) {
        auto copy = cc;
        keys.sendMessage(&copy);
        QThread::msleep(25);
        QCoreApplication::processEvents();
    }
    ASSERT_FALSE(midi.MIDItriggersIn().isEmpty());
    timers.advance(kTrigInIntervalMs);
    EXPECT_EQ(midi.lastTrigStep().fired, QList<int>{0});
    EXPECT_TRUE(posted.contains(QStringLiteral("ActionKey 37"))) << qPrintable(posted.join(u','));
}

// The command line's ports and send commands under --api jack.
TEST_F(JackLoopback, CommandLineListsAndSendsThroughJack)
{
    Inbox inbox;
    RtMidiIn sink(RtMidi::UNIX_JACK, "PartivoTest");
    sink.setCallback(collect, &inbox);
    sink.openVirtualPort("cli sink");

    QProcess ports;
    ports.start(QStringLiteral(PARTIVO_CLI_PATH),
                {QStringLiteral("midi"), QStringLiteral("ports"), QStringLiteral("--api"),
                 QStringLiteral("jack")});
    ASSERT_TRUE(ports.waitForFinished(30000));
    EXPECT_EQ(ports.exitCode(), 0);
    const QByteArray listing = ports.readAllStandardOutput();
    EXPECT_TRUE(listing.contains("\"available\": true")) << listing.constData();
    EXPECT_TRUE(listing.contains("PartivoTest:cli sink")) << listing.constData();
    EXPECT_FALSE(listing.contains("Partivo:")) << listing.constData();

    QProcess send;
    send.start(QStringLiteral(PARTIVO_CLI_PATH),
               {QStringLiteral("midi"), QStringLiteral("send"), QStringLiteral("--api"),
                QStringLiteral("jack"), QStringLiteral("--to"),
                QStringLiteral("PartivoTest:cli sink"), QStringLiteral("12:5@Ch3 CC7:100@Ch3")});
    ASSERT_TRUE(send.waitForFinished(30000));
    EXPECT_EQ(send.exitCode(), 0) << send.readAllStandardError().constData();
    QStringList got;
    for (const auto& message : inbox.waitFor(3))
        got.append(hex(message.second));
    EXPECT_EQ(got, (QStringList{"B2 20 0C", "C2 05", "B2 07 64"}));
}

} // namespace
} // namespace partivo
