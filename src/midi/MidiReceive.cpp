// The receive path of Midi: the MIDI service's thread leaves packets in the inbox; on the
// main thread they are decoded, learned or shown, recorded as the last received messages,
// and queued for the triggers when the channel pre-filter admits them.
#include "midi/Midi.h"

#include "midi/MidiBytes.h"
#include "midi/MidiDecode.h"
#include "platform/Commands.h"
#include "platform/Timers.h"

#include <QCoreApplication>
#include <QThread>

namespace partivo {

namespace {

// Lines kept in lastEvents: a wheel turned without a pause must not grow it without end.
constexpr int kMaxLastEvents = 64;
constexpr int kMultiMessageMs = 1000;
constexpr int kRecentBankMs = 1000;

bool isBankLsbRange(int controller)
{
    return controller >= kControlBankSelectLsb && controller <= kLastLsbController;
}

MidiTrigIn trigIn(qint32 source, int channel, int type, int v1, int v2, int v3)
{
    return MidiTrigIn{source, channel, type, v1, v2, v3};
}

} // namespace

void Midi::midiReceived(qint32 sourceUid, const QByteArray& bytes)
{
    if (!inbox_.push(sourceUid, bytes))
        return; // the main thread is already told
    if (wake_) {
        wake_();
        return;
    }
    QCoreApplication* app = QCoreApplication::instance();
    if (!app || QThread::currentThread() == app->thread()) {
        drainInbox();
        return;
    }
    QMetaObject::invokeMethod(
        app,
        [this, alive = std::weak_ptr<char>(alive_)] {
            if (alive.lock())
                drainInbox();
        },
        Qt::QueuedConnection);
}

void Midi::drainInbox()
{
    // A drain that a handler re-enters leaves the new packets to the running one.
    if (drainingInbox_)
        return;
    drainingInbox_ = true;
    for (QList<MidiInbox::Item> items = inbox_.takeAll(); !items.isEmpty();
         items = inbox_.takeAll()) {
        for (const MidiInbox::Item& item : items)
            receivePacket(item.sourceUid, item.bytes);
    }
    drainingInbox_ = false;
}

// A bank select is kept per source until the program change it announces. RtMidi hands
// over one message at a time, so the two arrive in separate calls; the pair is kept apart
// from other sources, and a bank select goes stale when its source sends any other channel
// message, when it is kPendingBankMs old, or for a program change on another channel.
void Midi::receivePacket(qint32 source, const QByteArray& bytes)
{
    // The program's own output is never heard as input.
    if (PartivoUIDout != 0 && source == PartivoUIDout)
        return;
    const qint64 now = timers.nowMs();
    bool programRecorded = false;
    bool controlRecorded = false;
    MidiLastReceived& last = lastReceived_;
    for (const MidiChannelMessage& m : decodeMidiPacket(bytes)) {
        const int c = m.channel;
        const bool bankOrLsb = m.kind == kStatusControlChange &&
                               (m.data1 == kControlBankSelectMsb || isBankLsbRange(m.data1));
        PendingBank bank;
        if (auto it = pendingBanks_.find(source); it != pendingBanks_.end()) {
            if (it->channel == c && now - it->atMs < kPendingBankMs)
                bank = *it;
            if (!bankOrLsb || m.data1 > kControlBankSelectLsb)
                pendingBanks_.erase(it);
        }
        switch (m.kind) {
        case kStatusNoteOn:
            learnOrQueue(trigIn(source, c, TrigNoteOn, m.data1, -1, -1),
                         trigIn(source, c, TrigNoteOn, m.data1, m.data2, -1));
            break;
        case kStatusControlChange:
            if (bankOrLsb) {
                if (m.data1 == kControlBankSelectMsb || m.data1 == kControlBankSelectLsb) {
                    bank.channel = c;
                    bank.atMs = now;
                    (m.data1 == kControlBankSelectMsb ? bank.msb : bank.lsb) = m.data2;
                    pendingBanks_.insert(source, bank);
                }
                if (refreshPaused_)
                    break;
                if (m.data1 == kControlBankSelectMsb) {
                    last.lastMSBValue = m.data2;
                    last.timeLastMSB = now;
                } else {
                    last.lastLSBNo = m.data1;
                    last.lastLSBValue = m.data2;
                    last.timeLastLSB = now;
                }
                last.lastChannel = c;
                last.lastSourceRef = source;
                break;
            }
            learnOrQueue(trigIn(source, c, TrigControlChange, m.data1, m.data2, -1),
                         trigIn(source, c, TrigControlChange, m.data1, m.data2, -1));
            if (refreshPaused_)
                break;
            last.lastControlMessageValue1 = m.data1;
            last.lastControlMessageValue2 = m.data2;
            last.lastChannel = c;
            last.lastSourceRef = source;
            last.timeLastControlMessage = now;
            controlRecorded = true;
            break;
        case kStatusProgramChange: {
            const MidiTrigIn in = trigIn(source, c, TrigProgramChange, bank.msb, bank.lsb, m.data1);
            learnOrQueue(in, in);
            if (refreshPaused_)
                break;
            last.lastProgramChangeValue = m.data1;
            last.timeLastProgramChange = now;
            last.lastChannel = c;
            last.lastSourceRef = source;
            programRecorded = true;
            break;
        }
        case kStatusPitchBend:
            learnOrQueue(trigIn(source, c, TrigPitchBend, m.data1, m.data2, -1),
                         trigIn(source, c, TrigPitchBend, m.data1, m.data2, -1));
            break;
        default: // note off, aftertouch and channel pressure trigger nothing
            break;
        }
    }
    if (programRecorded || controlRecorded)
        recordLastEvents(programRecorded, controlRecorded);
}

// Channels are 0-based in both records; the queued one carries 1..16.
void Midi::learnOrQueue(const MidiTrigIn& learnedAs, const MidiTrigIn& queuedAs)
{
    const MidiLearnedRow row{learnedAs.sourceRef,
                             learnedAs.channel,
                             learnedAs.sourceType,
                             learnedAs.sourceVal1,
                             learnedAs.sourceVal2,
                             learnedAs.sourceVal3,
                             true};
    if (listenTrigSourceOn) {
        learned_ = row;
        listenTrigSourceOn = false;
        postKey(cmd::MidiLearned);
        return;
    }
    if (midiOutPrefOn) {
        shown_ = row;
        postKey(cmd::MidiShowReceived);
    }
    MidiTrigIn in = queuedAs;
    in.channel += 1;
    if (trigTable_.admits(in.sourceType, in.channel))
        keepMidiTrigIn(in);
}

void Midi::recordLastEvents(bool programChange, bool controlChange)
{
    MidiLastReceived& last = lastReceived_;
    const qint64 now = timers.nowMs();
    if (now - last.timeLastMultiMessage >= kMultiMessageMs) {
        last.lastEvents.clear();
        last.nbLastEvents = 0;
    }
    const QString dest = obtenirChannelID(last.lastChannel, last.lastSourceRef);
    if (programChange) {
        // A bank part is written only when it came with this program change.
        const bool msbRecent = now - last.timeLastMSB < kRecentBankMs;
        const bool lsbRecent =
            last.lastLSBNo == kControlBankSelectLsb && now - last.timeLastLSB < kRecentBankMs;
        const int program = last.lastProgramChangeValue;
        if (msbRecent)
            last.lastEvents = QStringLiteral("\n%1.%2:%3@%4")
                                  .arg(last.lastMSBValue)
                                  .arg(lsbRecent ? last.lastLSBValue : 0)
                                  .arg(program)
                                  .arg(dest);
        else if (lsbRecent)
            last.lastEvents =
                QStringLiteral("\n%1:%2@%3").arg(last.lastLSBValue).arg(program).arg(dest);
        else
            last.lastEvents = QStringLiteral("\n%1@%2").arg(program).arg(dest);
        last.nbLastEvents = 1;
    }
    if (controlChange) {
        last.lastEvents += QStringLiteral("\nCC%1:%2@%3")
                               .arg(last.lastControlMessageValue1)
                               .arg(last.lastControlMessageValue2)
                               .arg(dest);
        if (++last.nbLastEvents > kMaxLastEvents) {
            last.lastEvents.remove(0, last.lastEvents.indexOf(u'\n', 1));
            --last.nbLastEvents;
        }
    }
    last.timeLastMultiMessage = now;
    if (programChange || last.nbLastEvents >= 2)
        postKey(cmd::LastProgramChange);
    if (controlChange)
        postKey(cmd::LastControlChange);
}

QString Midi::obtenirChannelID(int channel, qint32 sourceRef) const
{
    if (sourceRef != 0) {
        for (const MidiDest& dest : MIDIdestinations) {
            if (dest.channel == channel + 1 && dest.sourceUID == sourceRef)
                return dest.idDest;
        }
        // On all channels: the first, unless it sends nothing and a later one does.
        const MidiDest* kept = nullptr;
        for (const MidiDest& dest : MIDIdestinations) {
            if (dest.channel != 0 || dest.sourceUID != sourceRef)
                continue;
            if (!kept ||
                (kept->sendType == MidiDest::SendNothing && dest.sendType != MidiDest::SendNothing))
                kept = &dest;
        }
        if (kept)
            return kept->idDest;
    }
    return QString::number(channel);
}

void Midi::postKey(int number)
{
    if (post_)
        post_(QString::fromLatin1(action::Key), number);
}

} // namespace partivo
