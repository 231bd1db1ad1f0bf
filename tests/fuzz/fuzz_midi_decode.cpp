// Fuzz entry point: any bytes, received as one incoming packet, decode into well-formed
// channel messages only, and the whole receive path (pre-filter, learn, last received
// values, the bounded queue, matching and the actions) takes them without failing.
#include "midi/Midi.h"
#include "midi/MidiDecode.h"
#include "platform/LoopbackMidi.h"
#include "platform/ManualTimers.h"
#include "platform/MemoryPrefs.h"

#include <QByteArray>
#include <cstdint>
#include <cstdlib>

using namespace partivo;

namespace {

constexpr qint32 kSource = 7;

void check(bool condition)
{
    if (!condition)
        std::abort();
}

// A trigger of every type on every channel, with value-driven and keyboard-range actions.
void addTriggers(Midi& midi)
{
    const struct {
        int type, v1, v2, v3, action;
    } rows[] = {{TrigControlChange, 64, 127, -1, 2}, {TrigControlChange, 20, -1, -1, 12},
                {TrigProgramChange, 1, -1, 5, 7},    {TrigNoteOn, 60, -1, -1, 15},
                {TrigPitchBend, 0, 100, -1, 1},      {TrigControlChange, 21, 127, -1, 10}};
    for (const auto& r : rows) {
        MidiTrig trig = MidiTrig::initWithIndex(int(midi.MIDItriggers.size()));
        trig.channel = 0;
        trig.sourceType = r.type;
        trig.sourceVal1 = r.v1;
        trig.sourceVal2 = r.v2;
        trig.sourceVal3 = r.v3;
        trig.actionType = r.action;
        trig.actionTxt = QStringLiteral("PIANO");
        midi.MIDItriggers.append(trig);
    }
    midi.refreshTrigFiltreChannel();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    for (const MidiChannelMessage& m : decodeMidiPacket(bytes)) {
        check(m.kind >= 0x80 && m.kind <= 0xE0 && (m.kind & 0x0F) == 0);
        check(m.channel >= 0 && m.channel <= 15);
        check(m.data1 >= 0 && m.data1 < 0x80 && m.data2 >= 0 && m.data2 < 0x80);
    }

    MemoryPrefs prefs;
    ManualTimers timers;
    LoopbackMidi backend(timers);
    backend.setSources({{kSource, QStringLiteral("Pedal"), true}});
    Midi midi(prefs, timers, backend);
    midi.iniMidi();
    addTriggers(midi);
    int posted = 0;
    midi.setActionPoster([&posted](const QString&, const QVariant&) { ++posted; });
    // The packet whole, then byte by byte as a backend that splits it would hand it over.
    midi.midiReceived(kSource, bytes);
    for (qsizetype i = 0; i < bytes.size() && i < 64; ++i)
        midi.midiReceived(kSource, bytes.mid(i, 1));
    midi.drainInbox();
    check(midi.MIDItriggersIn().size() <= 256);
    timers.advance(kTrigInIntervalMs * (midi.MIDItriggersIn().size() + 1));
    check(midi.MIDItriggersIn().isEmpty());
    return 0;
}
