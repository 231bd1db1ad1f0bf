#include "MidiRig.h"
#include "midi/MidiPrefKeys.h"
#include "midi/MidiSetupWatcher.h"
#include "platform/NotificationCenter.h"

#include <QVariantMap>
#include <gtest/gtest.h>
#include <limits>

namespace partivo {
namespace {

// A backend whose system service could not be reached.
class OffBackend : public LoopbackMidi {
public:
    using LoopbackMidi::LoopbackMidi;
    bool available() const override { return false; }
};

TEST(MidiStart, OwnPortIdsAreStoredAndAStoredForeignIdIsReplaced)
{
    struct Case {
        const char* name;
        qint32 storedIn;
    };
    const Case cases[] = {{"first start", 0}, {"same id", -1}, {"foreign id", 12345}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        MidiRig rig;
        const qint32 own = rig.backend.ownInputUid();
        if (c.storedIn != 0)
            rig.prefs.setValue(QLatin1String(kOwnInputUidKey), c.storedIn == -1 ? own : c.storedIn);
        rig.midi.iniMidi();
        EXPECT_TRUE(rig.midi.midiOk);
        EXPECT_EQ(rig.midi.PartivoUIDin, own);
        EXPECT_EQ(rig.midi.PartivoUIDout, rig.backend.ownOutputUid());
        EXPECT_NE(rig.midi.PartivoUIDin, rig.midi.PartivoUIDout);
        EXPECT_EQ(rig.prefs.intValue(QLatin1String(kOwnInputUidKey)), own);
        EXPECT_EQ(rig.prefs.intValue(QLatin1String(kOwnOutputUidKey)), rig.midi.PartivoUIDout);
    }
}

TEST(MidiStart, ConnectsTheSourcesAndLoadsTheRecords)
{
    MidiRig rig;
    rig.backend.setSources({{7, "keys", true}, {8, "pedal", true}});
    rig.midi.iniMidi();
    EXPECT_EQ(rig.midi.MIDIendpoints, (QList<qint32>{7, 8}));
    EXPECT_EQ(rig.backend.connectedSources(), (QSet<qint32>{7, 8}));
    EXPECT_EQ(rig.midi.MIDIdestinations.size(), 17);
    ASSERT_EQ(rig.midi.MIDIfav.size(), 1);
    EXPECT_FALSE(rig.midi.traiterMidiNotifications);
    EXPECT_DOUBLE_EQ(rig.midi.midiDelay(), kDefaultMidiDelay);
}

TEST(MidiStart, WithoutAMidiServiceRecordsStillLoadAndNothingIsQueued)
{
    MemoryPrefs prefs;
    ManualTimers timers;
    OffBackend backend(timers);
    backend.setDestinations({{1, "synth", true}});
    backend.setSources({{7, "keys", true}});
    Midi midi(prefs, timers, backend);
    midi.iniMidi();
    EXPECT_FALSE(midi.midiOk);
    EXPECT_EQ(midi.MIDIdestinations.size(), 17);
    EXPECT_EQ(midi.MIDIfav.size(), 1);
    EXPECT_EQ(backend.connectCalls(), 0);
    EXPECT_FALSE(prefs.contains(QLatin1String(kOwnInputUidKey)));
    midi.sendMIDIfromString(QStringLiteral("5@All"), QString(), false);
    EXPECT_TRUE(midi.MIDIevents().isEmpty());
}

// An engine that has started, with a watcher and a record of the key commands posted.
struct WatchedRig : MidiRig {
    NotificationCenter center;
    MidiSetupWatcher watcher{midi, center};
    QList<int> keys;

    WatchedRig()
    {
        center.addObserver(QLatin1String(action::Key), [this](const QVariant& p) {
            keys.append(p.toMap().value(QLatin1String(kCommandParam)).toInt());
        });
        backend.setSources({{7, "keys", true}});
        backend.setDestinations({{1, "synth", true}});
        midi.iniMidi();
        watcher.start();
        midi.traiterMidiNotifications = true;
    }
};

TEST(MidiSetupWatcher, APluggedInSourceIsConnectedOnTheNextPollAndEditorsAreTold)
{
    WatchedRig rig;
    QList<qint32> heard;
    rig.backend.setReceiver([&](qint32 source, const QByteArray&) { heard.append(source); });
    rig.timers.advance(kMidiSetupPollMs);
    EXPECT_TRUE(rig.keys.isEmpty()); // nothing changed

    rig.backend.setSources({{7, "keys", true}, {9, "new interface", true}});
    EXPECT_FALSE(rig.backend.inject(9, "\xC0\x01"));
    rig.timers.advance(kMidiSetupPollMs - 1);
    EXPECT_TRUE(rig.keys.isEmpty());
    rig.timers.advance(1);
    EXPECT_EQ(rig.keys, QList<int>{cmd::MidiSetupChanged});
    EXPECT_TRUE(rig.backend.inject(9, "\xC0\x01"));
    EXPECT_EQ(heard, QList<qint32>{9});
    EXPECT_EQ(rig.midi.MIDIendpoints, (QList<qint32>{7, 9}));
    EXPECT_TRUE(rig.midi.traiterMidiNotifications);

    rig.timers.advance(3 * kMidiSetupPollMs);
    EXPECT_EQ(rig.keys.size(), 1); // handled once
}

TEST(MidiSetupWatcher, EveryKindOfChangeCounts)
{
    struct Case {
        const char* name;
        std::function<void(LoopbackMidi&)> change;
    };
    const Case cases[] = {
        {"source gone", [](LoopbackMidi& b) { b.setSources({}); }},
        {"destination added",
         [](LoopbackMidi& b) {
             b.setDestinations({{1, "synth", true}, {2, "fx", true}});
         }},
        {"destination offline", [](LoopbackMidi& b) { b.setOnline(1, false); }},
        {"renamed",
         [](LoopbackMidi& b) {
             b.setSources({{7, "keys 2", true}});
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        WatchedRig rig;
        c.change(rig.backend);
        EXPECT_TRUE(rig.watcher.poll());
        EXPECT_FALSE(rig.watcher.poll());
        EXPECT_EQ(rig.keys, QList<int>{cmd::MidiSetupChanged});
    }
}

TEST(MidiSetupWatcher, AChangeDuringLaunchIsHandledOnceNotificationsAre)
{
    WatchedRig rig;
    rig.midi.traiterMidiNotifications = false;
    rig.backend.setSources({{7, "keys", true}, {9, "new interface", true}});
    rig.timers.advance(2 * kMidiSetupPollMs);
    EXPECT_TRUE(rig.keys.isEmpty());
    EXPECT_FALSE(rig.backend.connectedSources().contains(9));
    rig.midi.traiterMidiNotifications = true;
    rig.timers.advance(kMidiSetupPollMs);
    EXPECT_EQ(rig.keys, QList<int>{cmd::MidiSetupChanged});
    EXPECT_TRUE(rig.backend.connectedSources().contains(9));
}

TEST(MidiSetupWatcher, StopsPollingWhenStoppedOrDestroyed)
{
    MidiRig rig;
    NotificationCenter center;
    rig.midi.iniMidi();
    {
        MidiSetupWatcher watcher(rig.midi, center);
        watcher.start();
        EXPECT_TRUE(rig.timers.isActive(QLatin1String(kMidiSetupPollTimer)));
        watcher.stop();
        EXPECT_FALSE(rig.timers.isActive(QLatin1String(kMidiSetupPollTimer)));
        watcher.start();
    }
    EXPECT_FALSE(rig.timers.isActive(QLatin1String(kMidiSetupPollTimer)));
}

} // namespace
} // namespace partivo

// The diagnostics name every port, mark the program's own, and list the records.
TEST(StartAndSetup, ListDevicesNamesThePortsAndRecords)
{
    partivo::MidiRig rig;
    rig.backend.setDestinations({{40, "Synth", true}, {41, "Drums", false}});
    rig.backend.setSources({{7, "Pedal", true}});
    rig.midi.iniMidi();
    const QString ports = rig.midi.listDevices2().join('\n');
    EXPECT_TRUE(ports.contains("Synth uid 40")) << qPrintable(ports);
    EXPECT_TRUE(ports.contains("Drums uid 41 (offline)")) << qPrintable(ports);
    EXPECT_TRUE(ports.contains("Pedal uid 7")) << qPrintable(ports);
    EXPECT_TRUE(rig.midi.listDevices1().join('\n').contains("1 sources connected"));
    EXPECT_EQ(rig.midi.listDevices3().size(), 1 + rig.midi.MIDIdestinations.size());
}
