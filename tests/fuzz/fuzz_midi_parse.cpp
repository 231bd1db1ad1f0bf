// Fuzz entry point: any text, read as MIDI instructions, must parse into well-formed
// instructions, queue only well-formed messages (no data byte with the status bit), expand
// event-library groups that include each other without end, and drain a midiDelay apart.
#include "midi/Midi.h"
#include "midi/MidiInstructions.h"
#include "platform/LoopbackMidi.h"
#include "platform/ManualTimers.h"
#include "platform/MemoryPrefs.h"

#include <QByteArray>
#include <QSet>
#include <cstdint>
#include <cstdlib>

using namespace partivo;

namespace {

constexpr qint32 kEndpointA = 1;
constexpr qint32 kEndpointB = 2;

void check(bool condition)
{
    if (!condition)
        std::abort();
}

bool hasBlank(const QString& text)
{
    return text.contains(u' ') || text.contains(u'\n') || text.contains(u'\r');
}

// Returns the system exclusive packets as written: those are sent unchanged.
QSet<QByteArray> checkInstructions(const QString& text)
{
    QSet<QByteArray> written;
    for (const MidiInstruction& ins : parseMidiInstructions(text)) {
        if (ins.kind == MidiInstruction::Sysex)
            written.insert(ins.bytes);
        check(!hasBlank(ins.dest) && !hasBlank(ins.groupId));
        check(ins.value >= 0 && ins.value <= 999 && ins.control >= 0 && ins.control <= 999);
        check(ins.bankMsb >= -1 && ins.bankMsb <= 999 && ins.bankLsb >= -1 && ins.bankLsb <= 999);
        check(ins.tune >= -999 && ins.tune <= 999 && ins.bytes.size() <= 256);
        check(ins.kind != MidiInstruction::Group || !ins.groupId.isEmpty());
    }
    return written;
}

// Channel messages: status, then two or one data bytes below 0x80; system exclusive
// coarse tuning: its tuning byte below 0x80.
void checkMessage(const MidiEv& ev, const QSet<QByteArray>& writtenSysex)
{
    const QByteArray& p = ev.packet;
    check(!p.isEmpty() && p.size() <= 256);
    if (writtenSysex.contains(p))
        return;
    const int status = quint8(p[0]);
    if (status >= 0x80 && status < 0xF0) {
        check(p.size() == ((status & 0xF0) == 0xC0 ? 2 : 3));
        for (qsizetype i = 1; i < p.size(); ++i)
            check(quint8(p[i]) < 0x80);
    }
    if (p.size() == 8 && p.startsWith("\xF0\x7F\x7F\x04\x04\x00"))
        check(quint8(p[6]) < 0x80);
}

void addDest(Midi& midi, const char* name, int channel, int sendType, qint32 uid = 0)
{
    MidiDest dest = MidiDest::initWithIndex(int(midi.MIDIdestinations.size()));
    dest.idDest = QString::fromLatin1(name);
    dest.channel = channel;
    dest.sendType = sendType;
    dest.destUID = uid;
    midi.MIDIdestinations.append(dest);
}

void addFav(Midi& midi, const char* id, const char* text)
{
    MidiFavEvent fav = MidiFavEvent::initWithIndex(int(midi.MIDIfav.size()));
    fav.favEventID = QString::fromLatin1(id);
    fav.favEventTx = QString::fromLatin1(text);
    midi.MIDIfav.append(fav);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QString text =
        QString::fromUtf8(QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)));
    QSet<QByteArray> writtenSysex = checkInstructions(text);
    writtenSysex.insert(QByteArray("\xF0\x7E\x7F\x09\x01\xF7"));

    MemoryPrefs prefs;
    ManualTimers timers;
    LoopbackMidi backend(timers);
    backend.setDestinations({{kEndpointA, "A", true}, {kEndpointB, "B", true}});
    Midi midi(prefs, timers, backend);
    addDest(midi, "SYNTH", 3, MidiDest::SendAllDevices);
    addDest(midi, "ALL", 0, MidiDest::SendAllDevices);
    addDest(midi, "DEV", 16, MidiDest::SendOneDevice, kEndpointB);
    addDest(midi, "OFF", 1, MidiDest::SendNothing);
    addFav(midi, "DEFAULT", "CC7:100@SYNTH");
    addFav(midi, "PIANO", "0.12:5@SYNTH MIDI STRINGS");
    addFav(midi, "strings", "TR+1@ALL\r\nMIDI piano SYSEX F0 7E 7F 09 01 F7@DEV");
    addFav(midi, "SELF", "MIDI SELF CT-2@1");

    midi.sendMIDIfromString(text, QString(), false);
    qsizetype expectedSends = 0;
    for (const MidiEv& ev : midi.MIDIevents()) {
        checkMessage(ev, writtenSysex);
        check(ev.destUID == 0 || ev.destUID == kEndpointB);
        expectedSends += ev.destUID == 0 ? 2 : 1;
    }

    const qsizetype queued = midi.MIDIevents().size();
    midi.processMidiEvents();
    timers.advance(10 * (queued + 2));
    check(midi.MIDIevents().isEmpty() && !midi.isDraining());
    check(backend.sent().size() == expectedSends);
    for (qsizetype i = 1; i < backend.sent().size(); ++i) {
        const qint64 gap = backend.sent()[i].atMs - backend.sent()[i - 1].atMs;
        check(gap == 0 || gap >= 10);
    }
    return 0;
}
