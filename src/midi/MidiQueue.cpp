// The output queue of Midi: messages wait as MidiEv and one drain on a named timer sends
// them a midiDelay apart.
#include "midi/Midi.h"

#include "midi/MidiBytes.h"
#include "platform/Timers.h"

#include <cmath>

namespace partivo {

namespace {

constexpr int kRefreshPauseEndMs = 1000;
constexpr int kSendingIndicatorEndMs = 10;

} // namespace

void Midi::sendStatus(int status, int data1, int data2, int nbByte, qint32 destUID, bool forcer,
                      const QString& destName)
{
    QByteArray bytes(1, char(status & 0xFF));
    if (nbByte >= 2)
        bytes.append(char(clampDataByte(data1)));
    if (nbByte >= 3)
        bytes.append(char(clampDataByte(data2)));
    keepMidiEvent(bytes, destUID, forcer, destName);
}

void Midi::sendSysexCoarseTune(int, int data1, int, int, qint32 destUID, bool forcer,
                               const QString& destName)
{
    QByteArray bytes(reinterpret_cast<const char*>(kCoarseTuneFrame.data()),
                     qsizetype(kCoarseTuneFrame.size()));
    bytes[kCoarseTuneMsbAt] = char(clampDataByte(data1));
    keepMidiEvent(bytes, destUID, forcer, destName);
}

void Midi::sendSysex(const QByteArray& packet, qint32 destUID, bool forcer, const QString& destName)
{
    if (packet.isEmpty())
        return;
    // Sent whole or not at all: a cut message, or one without its frame, is no message.
    if (packet.size() > kMaxSysexBytes) {
        qWarning("Midi sendSysex: a system exclusive message of more than %d bytes is not sent",
                 kMaxSysexBytes);
        return;
    }
    if (quint8(packet.front()) != 0xF0 || quint8(packet.back()) != 0xF7) {
        qWarning("Midi sendSysex: a system exclusive message must start with F0 and end with F7; "
                 "%s is not sent",
                 packet.left(16).toHex(' ').toUpper().constData());
        return;
    }
    keepMidiEvent(packet, destUID, forcer, destName);
}

void Midi::keepMidiEvent(const QByteArray& packet, qint32 destUID, bool forcer,
                         const QString& destName)
{
    if (!midiOk)
        return;
    if (textBudget_ == 0) {
        if (!budgetSpentLogged_)
            qWarning("Midi sendMIDIfromString: the instruction text queues more than %d messages; "
                     "the rest is not sent",
                     kMaxMessagesPerText);
        budgetSpentLogged_ = true;
        return;
    }
    if (textBudget_ > 0)
        --textBudget_;
    MIDIevents_.append(MidiEv{packet, destUID, timers.nowMs(), forcer, batch_, destName});
}

void Midi::processMidiEvents()
{
    if (draining_)
        return;
    draining_ = true;
    timers.stop(QLatin1String(kMidiRefreshPauseTimer));
    timers.start(QLatin1String(kMidiDrainTimer), int(std::lround(midiDelay_ * 1000)), false,
                 [this] { processOneMidiEvent(); });
}

// Sends or drops the oldest message, then re-arms the drain: a midiDelay after a send, at
// once after a dropped message, so that sends stay at least a midiDelay apart.
void Midi::processOneMidiEvent()
{
    if (MIDIevents_.isEmpty()) {
        queueRanDry();
        return;
    }
    const MidiEv ev = MIDIevents_.takeFirst();
    int delayMs = int(std::lround(midiDelay_ * 1000));
    if (ev.batch < batch_ && !ev.forcer)
        delayMs = 0;
    else if (ev.send(backend)) {
        setSendingMidi(true);
        if (sentObserver_)
            sentObserver_(ev);
    }
    if (MIDIevents_.isEmpty())
        queueRanDry();
    else
        timers.start(QLatin1String(kMidiDrainTimer), delayMs, false,
                     [this] { processOneMidiEvent(); });
}

void Midi::queueRanDry()
{
    draining_ = false;
    lancerRefreshPauseFalse();
    lancerSendingMidiFalse();
}

void Midi::initTimeLastLotEvents()
{
    timeLastLotEvents_ = timers.nowMs();
    ++batch_;
}

void Midi::actionMidiDelay(double seconds)
{
    midiDelay_ = std::isfinite(seconds) && seconds > 0 ? seconds : kDefaultMidiDelay;
}

void Midi::setRefreshPaused(bool paused)
{
    if (paused)
        timers.stop(QLatin1String(kMidiRefreshPauseTimer));
    refreshPaused_ = paused;
}

// The end is one named timer: a newer pause or drain cancels it, a newer end replaces it.
void Midi::lancerRefreshPauseFalse()
{
    timers.start(QLatin1String(kMidiRefreshPauseTimer), kRefreshPauseEndMs, false,
                 [this] { refreshPaused_ = false; });
}

void Midi::setSendingMidiObserver(std::function<void(bool)> observer)
{
    sendingObserver_ = std::move(observer);
}

void Midi::lancerSendingMidiFalse()
{
    timers.start(QLatin1String(kMidiSendingTimer), kSendingIndicatorEndMs, false,
                 [this] { setSendingMidi(false); });
}

void Midi::setSendingMidi(bool sending)
{
    if (sending)
        timers.stop(QLatin1String(kMidiSendingTimer));
    if (sending == sendingMidi_)
        return;
    sendingMidi_ = sending;
    if (sendingObserver_)
        sendingObserver_(sending);
}

} // namespace partivo
