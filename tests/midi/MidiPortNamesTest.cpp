#include "platform/MidiPortNames.h"
#include "platform/JackServer.h"
#include "platform/RtMidiBackend.h"

#include <QFileInfo>
#include <QSet>
#include <QStringList>
#include <gtest/gtest.h>

namespace partivo {
namespace {

TEST(MidiPortNames, IdsIgnoreTheNumbersTheSystemHandsOut)
{
    struct Case {
        const char* a;
        const char* b;
    };
    const Case cases[] = {
        {"Midi Through:Midi Through Port-0 14:0", "Midi Through:Midi Through Port-0 15:0"},
        {"Synth:Synth MIDI 1 20:0", "Synth:Synth MIDI 2 24:1"},
        {"Piano 128:0", "Piano 129:1"},
        {"KORG 01/W", "KORG 02/W"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.a);
        EXPECT_EQ(stableMidiId(QString::fromUtf8(c.a)), stableMidiId(QString::fromUtf8(c.b)));
    }
}

TEST(MidiPortNames, IdsArePinnedNonZeroAndTellNamesApart)
{
    // 32-bit FNV-1a: the ids are stored in the settings, so they must not change.
    EXPECT_EQ(quint32(stableMidiId(QStringLiteral("a"))), 0xe40c292cu);
    EXPECT_EQ(quint32(stableMidiId(QStringLiteral("a123"))), 0xe40c292cu);
    EXPECT_EQ(quint32(stableMidiId(QString())), 0x811c9dc5u);

    // Digits alone hash like the empty name; neither gives 0.
    EXPECT_EQ(stableMidiId(QStringLiteral("0123456789")), stableMidiId(QString()));

    const QStringList names = {
        "Midi Through:Midi Through Port-",
        "Synth:Synth MIDI",
        "Piano",
        "piano",
        "Pian o",
        "Partivo:Partivo OUT",
        "Partivo:Partivo IN",
        "Ünïcödé port",
        "",
    };
    QSet<qint32> ids;
    for (const QString& name : names) {
        SCOPED_TRACE(name.toStdString());
        const qint32 id = stableMidiId(name);
        EXPECT_NE(id, 0);
        EXPECT_FALSE(ids.contains(id));
        ids.insert(id);
    }
}

TEST(MidiPortNames, CleanupDropsTheAlsaAddressOnly)
{
    struct Case {
        const char* raw;
        const char* clean;
    };
    const Case cases[] = {
        {"Midi Through:Midi Through Port-0 14:0", "Midi Through:Midi Through Port-0"},
        {"Synth:Synth MIDI 1 20:0  ", "Synth:Synth MIDI 1"},
        {"  Piano  ", "Piano"},
        {"a2jmidid:port 3", "a2jmidid:port 3"},
        {"Keys 12:0 x", "Keys 12:0 x"},
        {"", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.raw);
        EXPECT_EQ(cleanMidiPortName(QString::fromUtf8(c.raw)), QString::fromUtf8(c.clean));
    }
}

TEST(MidiPortNames, OwnPortsAreRecognised)
{
    struct Case {
        const char* name;
        bool own;
    };
    const Case cases[] = {
        {"Partivo:Partivo OUT 128:0", true},
        {"Partivo:Partivo IN 129:0", true},
        {"Partivo:Partivo OUT 130:1", true}, // a connection opened to a destination
        {"Partivo:RtMidi Input 131:0", true},
        {"Partivo OUT", true},
        {"Other app:Partivo IN", true},
        {"Partivo:Partivo OUT", true},
        {"Partivo-01:RtMidi Input", true}, // JACK renames a second client of the same name
        {"Partivo-12:Partivo OUT", true},
        {"Partivo-x:Port", false},
        {"Partivo-:Port", false},
        {"Midi Through:Midi Through Port-0 14:0", false},
        {"Partivo Synth:Port 1 20:0", false},
        {"Synth:Partivo OUTPUT 20:0", false},
        {"partivo:partivo out 128:0", false},
        {"", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(isOwnMidiPort(QString::fromUtf8(c.name)), c.own);
    }
}

// Collects warnings while alive.
class WarningLog {
public:
    WarningLog()
    {
        lines().clear();
        previous_ = qInstallMessageHandler(
            [](QtMsgType type, const QMessageLogContext&, const QString& message) {
                if (type == QtWarningMsg)
                    lines().append(message);
            });
    }
    ~WarningLog() { qInstallMessageHandler(previous_); }
    static QStringList& lines()
    {
        static QStringList list;
        return list;
    }

private:
    QtMessageHandler previous_;
};

void expectOff(const RtMidiBackend& backend, const QStringList& warnings)
{
    EXPECT_FALSE(backend.available());
    EXPECT_FALSE(backend.reason().isEmpty());
    EXPECT_FALSE(backend.reason().contains(u'\n'));
    EXPECT_TRUE(backend.destinations().isEmpty());
    EXPECT_TRUE(backend.sources().isEmpty());
    ASSERT_EQ(warnings.size(), 1);
    EXPECT_EQ(warnings[0], QStringLiteral("RtMidiBackend: MIDI is off: ") + backend.reason());
}

TEST(RtMidiBackend, WithoutASequencerMidiIsOffAndNothingThrows)
{
    if (QFileInfo::exists(QStringLiteral("/dev/snd/seq")))
        GTEST_SKIP() << "this machine has an ALSA sequencer";
    WarningLog log;
    std::unique_ptr<RtMidiBackend> backend;
    ASSERT_NO_THROW(backend = std::make_unique<RtMidiBackend>());
    expectOff(*backend, log.lines());
    EXPECT_TRUE(backend->reason().contains(QStringLiteral("/dev/snd/seq")));
    EXPECT_FALSE(backend->send(stableMidiId(QStringLiteral("Synth")), "\xC0\x05"));
    backend->setReceiver([](qint32, const QByteArray&) {});
}

TEST(RtMidiBackend, AFailingSequencerIsCaughtAndTurnsMidiOff)
{
    if (QFileInfo::exists(QStringLiteral("/dev/snd/seq")))
        GTEST_SKIP() << "this machine has an ALSA sequencer";
    // The device check passes, so RtMidi itself tries the sequencer and throws.
    WarningLog log;
    std::unique_ptr<RtMidiBackend> backend;
    ASSERT_NO_THROW(backend = std::make_unique<RtMidiBackend>(RtMidiBackend::Api::Alsa,
                                                              QStringLiteral("/dev/null")));
    expectOff(*backend, log.lines());
    EXPECT_TRUE(backend->reason().contains(QStringLiteral("ALSA")));
}

TEST(RtMidiBackend, JackWithoutAServerIsOffAndStartsNone)
{
    // A server name nobody runs: the check must fail without starting one.
    qputenv("JACK_DEFAULT_SERVER", "partivo-test-no-such-server");
    WarningLog log;
    std::unique_ptr<RtMidiBackend> backend;
    ASSERT_NO_THROW(backend = std::make_unique<RtMidiBackend>(RtMidiBackend::Api::Jack));
    EXPECT_FALSE(jackServerRunning());
    qunsetenv("JACK_DEFAULT_SERVER");
    expectOff(*backend, log.lines());
    EXPECT_EQ(backend->reason(), QStringLiteral("no JACK server is running"));
    EXPECT_EQ(backend->ownInputUid(), 0);
    backend->connectSources();
    EXPECT_TRUE(backend->sources().isEmpty());
}

} // namespace
} // namespace partivo
