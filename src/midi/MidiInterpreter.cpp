// The instruction interpreter of Midi: turns parsed instructions into queued messages for
// the configured destinations.
#include "midi/Midi.h"

#include "midi/MidiBytes.h"
#include "midi/MidiInstructions.h"

namespace partivo {

namespace {

// A destination written as a number: its value printed back gives the text again.
std::optional<int> plainDecimal(const QString& text)
{
    bool ok = false;
    const int value = text.toInt(&ok);
    if (!ok || QString::number(value) != text)
        return std::nullopt;
    return value;
}

} // namespace

void Midi::sendMIDIfromString(const QString& text, const QString& fromInstruction, bool forcer)
{
    QStringList expanding;
    if (!fromInstruction.isEmpty())
        expanding.append(fromInstruction.toUpper());
    // One text queues at most kMaxMessagesPerText messages: groups that fan out (ten
    // references on each of eight levels) would queue a hundred million.
    textBudget_ = kMaxMessagesPerText;
    budgetSpentLogged_ = false;
    interpret(text, expanding, forcer);
    textBudget_ = -1;
}

void Midi::interpret(const QString& text, QStringList& expanding, bool forcer)
{
    for (const MidiInstruction& ins : parseMidiInstructions(text)) {
        if (textBudget_ == 0)
            return;
        if (ins.kind == MidiInstruction::Group)
            expandGroup(ins.groupId, expanding, forcer);
        else
            sendInstruction(ins, forcer);
    }
}

// A group already being expanded further up is not expanded again: cycles of any length
// end there, while a group referenced twice side by side is sent twice.
void Midi::expandGroup(const QString& groupId, QStringList& expanding, bool forcer)
{
    if (expanding.contains(groupId))
        return;
    expanding.append(groupId);
    for (const MidiFavEvent& fav : MIDIfav) {
        if (textBudget_ == 0)
            break;
        if (!fav.favEventTx.isEmpty() && fav.favEventID.toUpper() == groupId)
            interpret(fav.favEventTx, expanding, forcer);
    }
    expanding.removeLast();
}

void Midi::sendInstruction(const MidiInstruction& ins, bool forcer)
{
    switch (ins.kind) {
    case MidiInstruction::ProgramChange:
        if (ins.bankMsb >= 0)
            sendMidiMessage(MidiControlChange, kControlBankSelectMsb, ins.bankMsb, ins.dest, {},
                            forcer);
        if (ins.bankLsb >= 0)
            sendMidiMessage(MidiControlChange, kControlBankSelectLsb, ins.bankLsb, ins.dest, {},
                            forcer);
        sendMidiMessage(MidiProgramChange, ins.value, 0, ins.dest, {}, forcer);
        break;
    case MidiInstruction::ControlChange:
        sendMidiMessage(MidiControlChange, ins.control, ins.value, ins.dest, {}, forcer);
        break;
    case MidiInstruction::CoarseTune:
        sendMidiMessage(MidiMasterCoarseTune, kTuneCentre + ins.tune, 0, ins.dest, {}, forcer);
        break;
    case MidiInstruction::RpnTune:
        for (const ControlStep& step : kRpnCoarseTuneSteps)
            sendMidiMessage(MidiControlChange, step.control,
                            step.value + (step.addsTune ? ins.tune : 0), ins.dest, {}, forcer);
        break;
    case MidiInstruction::Sysex:
        sendMidiMessage(MidiSystemExclusive, 0, 0, ins.dest, ins.bytes, forcer);
        break;
    case MidiInstruction::Group:
        break;
    }
}

std::optional<Midi::Target> Midi::resolveDestination(const QString& channelX) const
{
    if (const std::optional<int> channel = plainDecimal(channelX)) {
        if (*channel < 0 || *channel >= kChannelCount)
            return std::nullopt;
        return Target{*channel, *channel, 0, channelX};
    }
    for (const MidiDest& dest : MIDIdestinations) {
        if (dest.idDest.compare(channelX, Qt::CaseInsensitive) != 0)
            continue;
        // A stored channel outside 0..16 addresses nothing rather than a wrong status byte.
        if (dest.sendType == MidiDest::SendNothing || dest.channel < 0 ||
            dest.channel > kChannelCount)
            return std::nullopt;
        const qint32 uid = dest.sendType == MidiDest::SendOneDevice ? dest.destUID : 0;
        if (dest.channel == 0)
            return Target{0, kChannelCount - 1, uid, dest.idDest};
        return Target{dest.channel - 1, dest.channel - 1, uid, dest.idDest};
    }
    return std::nullopt;
}

void Midi::sendMidiMessage(int type, int val, int val2, const QString& channelX,
                           const QByteArray& packet, bool forcer)
{
    const std::optional<Target> target = resolveDestination(channelX);
    if (!target)
        return;
    switch (type) {
    case MidiProgramChange:
        for (int ch = target->firstChannel; ch <= target->lastChannel; ++ch)
            sendStatus(kStatusProgramChange + ch, val, 0, 2, target->destUID, forcer, target->name);
        break;
    case MidiControlChange:
        for (int ch = target->firstChannel; ch <= target->lastChannel; ++ch)
            sendStatus(kStatusControlChange + ch, val, val2, 3, target->destUID, forcer,
                       target->name);
        break;
    case MidiMasterCoarseTune:
        sendSysexCoarseTune(0, val, 0, 0, target->destUID, forcer, target->name);
        break;
    case MidiSystemExclusive:
        sendSysex(packet, target->destUID, forcer, target->name);
        break;
    default:
        break;
    }
}

} // namespace partivo
