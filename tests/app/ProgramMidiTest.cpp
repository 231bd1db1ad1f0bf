#include "ProgramRig.h"
#include "midi/Midi.h"
#include "platform/Commands.h"
#include "platform/MidiPortNames.h"

#include "QtPrinters.h"

#include <QCoreApplication>
#include <gtest/gtest.h>
#include <thread>

using namespace partivo;
using partivo::test::Program;

namespace {

// Stored triggers: (type, channel, value 1, value 2, action, text).
QMap<QString, QVariant> triggers(const QList<std::tuple<int, int, int, int, int, QString>>& rows)
{
    QMap<QString, QVariant> stored{{QStringLiteral("MidiTrig_nbTrig"), int(rows.size())}};
    for (int i = 0; i < rows.size(); ++i) {
        const auto& [type, channel, v1, v2, action, text] = rows[i];
        const QString n = QString::number(i);
        stored.insert(QStringLiteral("MidiTrig_sourceMode_") + n, 0);
        stored.insert(QStringLiteral("MidiTrig_channel_") + n, channel);
        stored.insert(QStringLiteral("MidiTrig_sourceType_") + n, type);
        stored.insert(QStringLiteral("MidiTrig_sourceVal1_") + n, v1);
        stored.insert(QStringLiteral("MidiTrig_sourceVal2_") + n, v2);
        stored.insert(QStringLiteral("MidiTrig_sourceVal3_") + n, -1);
        stored.insert(QStringLiteral("MidiTrig_actionType_") + n, action);
        stored.insert(QStringLiteral("MidiTrig_actionTxt_") + n, text);
    }
    return stored;
}

// The pedal plugged in after the start, connected as the program connects new sources.
qint32 plugPedal(Program& app)
{
    const qint32 pedal = stableMidiId(QStringLiteral("Pedal"));
    app.midiBackend.setSources({{pedal, QStringLiteral("Pedal"), true}});
    app.midi.registerInputDevices();
    return pedal;
}

// A pedal and a keyboard drive the running program: pages, songs by key offset, a song by
// its letter.
TEST(ProgramMidi, APedalTurnsPagesAndAKeyboardCallsSongsUp)
{
    Program app({{"Alpha.pdf", 6}, {"Beta.pdf", 1}, {"Gamma.pdf", 1}, {"Delta.pdf", 1}},
                triggers({{1, 0, 64, 127, 2, QString()},
                          {3, 1, 60, -1, 15, QString()},
                          {1, 0, 20, -1, 12, QString()}}));
    const qint32 pedal = plugPedal(app);
    Navigator& nav = app.controller.navigator();
    const auto press = [&](const char* bytes, int size) {
        app.midiBackend.inject(pedal, QByteArray(bytes, size));
        app.timers.advance(kTrigInIntervalMs);
    };
    ASSERT_EQ(app.title(), QStringLiteral("Alpha"));
    press("\xB0\x40\x7F", 3);
    EXPECT_EQ(nav.pageNo1, 3);
    press("\xB0\x40\x00", 3); // the pedal's release fires nothing
    EXPECT_EQ(nav.pageNo1, 3);
    press("\x90\x3F\x50", 3); // note 63 = 60 + 3: the fourth song of the tab
    EXPECT_EQ(app.title(), QStringLiteral("Gamma"));
    press("\x90\x3C\x00", 3); // velocity 0 is a release
    EXPECT_EQ(app.title(), QStringLiteral("Gamma"));
    // Controller 20 picks a letter: value 4 gives 4 * 36 / 128 = 1, the letter "b".
    press("\xB0\x14\x04", 3);
    EXPECT_EQ(app.title(), QStringLiteral("Beta"));
}

// A flood of messages from the MIDI thread keeps at most 256 waiting and the window keeps
// answering its keys.
TEST(ProgramMidi, AFloodNeitherFreezesTheWindowNorGrowsTheQueue)
{
    Program app({{"Alpha.pdf", 1}, {"Beta.pdf", 1}}, triggers({{1, 0, 64, 127, 8, QString()}}));
    const qint32 pedal = plugPedal(app);
    std::thread flood([&] {
        for (int i = 0; i < 10000; ++i)
            app.midiBackend.inject(pedal, QByteArray("\xB0\x40\x7F", 3));
    });
    flood.join();
    QCoreApplication::processEvents(); // the drain the flood asked for
    EXPECT_LE(app.midi.MIDItriggersIn().size() + app.midi.inboxSize(), 256);
    app.press(Qt::Key_Right);
    EXPECT_EQ(app.title(), QStringLiteral("Beta"));
}

} // namespace
