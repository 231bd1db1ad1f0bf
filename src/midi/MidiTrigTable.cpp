#include "midi/MidiTrigTable.h"

#include "midi/MidiBytes.h"

#include <algorithm>

namespace partivo {

namespace {

constexpr int kBendCentre = 64;

// Actions that read the incoming message: the controller value picks a letter, a tab or a
// song (12..14), the note's offset above the trigger's picks a song (15, 16).
bool readsControllerValue(int action)
{
    return action >= 12 && action <= 14;
}
bool readsNoteOffset(int action)
{
    return action == 15 || action == 16;
}

// How a trigger of the type takes its action: never, by its value, or by a range.
enum class Fires { Never, OnValue, OnAnyValue, OnRange };

Fires firesHow(const MidiTrig& t)
{
    switch (t.sourceType) {
    case TrigControlChange:
        // Bank selects and the LSB controllers never reach the triggers.
        if (readsNoteOffset(t.actionType) || t.sourceVal1 == kControlBankSelectMsb ||
            (t.sourceVal1 >= kControlBankSelectLsb && t.sourceVal1 <= kLastLsbController))
            return Fires::Never;
        return readsControllerValue(t.actionType) ? Fires::OnAnyValue : Fires::OnValue;
    case TrigProgramChange:
    case TrigPitchBend:
        return readsControllerValue(t.actionType) || readsNoteOffset(t.actionType) ? Fires::Never
                                                                                   : Fires::OnValue;
    case TrigNoteOn:
        if (readsControllerValue(t.actionType))
            return Fires::Never;
        return readsNoteOffset(t.actionType) ? Fires::OnRange : Fires::OnValue;
    default:
        return Fires::Never;
    }
}

// An empty bank field (-1) on either side leaves that part of the bank open.
bool bankPartMatches(int trig, int in)
{
    return trig == -1 || in == -1 || trig == in;
}

} // namespace

int trigLookupValue(int type, int val1, int val2, int val3)
{
    switch (type) {
    case TrigControlChange:
    case TrigNoteOn:
        return val1;
    case TrigProgramChange:
        return val3;
    case TrigPitchBend:
        if (val2 == kBendCentre || val2 < 0)
            return -1;
        return val2 > kBendCentre ? 1 : 0;
    default:
        return -1;
    }
}

quint32 MidiTrigTable::key(int type, int channel, int value)
{
    return (quint32(type & 0xFF) << 24) | (quint32(channel & 0xFF) << 16) | quint32(value & 0xFFFF);
}

void MidiTrigTable::rebuild(const QList<MidiTrig>& triggers)
{
    channels_ = {};
    rows_.clear();
    byValue_.clear();
    ranges_.clear();
    for (int i = 0; i < triggers.size(); ++i) {
        const MidiTrig& t = triggers[i];
        if (t.sourceMode == MidiTrig::IgnoreInput || t.channel < 0 || t.channel > 16)
            continue;
        const Fires fires = firesHow(t);
        const int value = trigLookupValue(t.sourceType, t.sourceVal1, t.sourceVal2, t.sourceVal3);
        if (fires == Fires::Never || value < 0)
            continue;
        Row row;
        row.index = i;
        row.sourceMode = t.sourceMode;
        row.sourceUID = t.sourceUID;
        row.sourceType = t.sourceType;
        row.anyValue = fires == Fires::OnAnyValue;
        row.value2 = t.sourceType == TrigProgramChange ? t.sourceVal1 : t.sourceVal2;
        row.value3 = t.sourceType == TrigProgramChange ? t.sourceVal2 : -1;
        if (fires == Fires::OnRange) {
            row.rangeFrom = t.sourceVal1;
            ranges_[key(t.sourceType, t.channel, 0)].append(int(rows_.size()));
        } else {
            byValue_[key(t.sourceType, t.channel, value)].append(int(rows_.size()));
        }
        rows_.append(row);
        channels_[t.sourceType - 1][t.channel] = true;
    }
}

bool MidiTrigTable::admits(int type, int channel) const
{
    if (type < 1 || type > kTrigTypeCount || channel < 1 || channel > 16)
        return false;
    const auto& flags = channels_[type - 1];
    return flags[0] || flags[channel];
}

bool MidiTrigTable::accepts(const Row& row, const MidiTrigIn& in, qint32 ownInputUid) const
{
    const bool fromOwnInput = ownInputUid != 0 && in.sourceRef == ownInputUid;
    if (row.sourceMode == MidiTrig::OneSource ? row.sourceUID != in.sourceRef : fromOwnInput)
        return false;
    switch (row.sourceType) {
    case TrigControlChange:
        return row.anyValue || row.value2 == in.sourceVal2;
    case TrigProgramChange:
        // A program change without a bank select matches whatever bank the trigger names.
        return in.sourceVal1 == -1 || (bankPartMatches(row.value2, in.sourceVal1) &&
                                       bankPartMatches(row.value3, in.sourceVal2));
    case TrigNoteOn:
        return in.sourceVal2 >= 1 && (row.rangeFrom < 0 || in.sourceVal1 >= row.rangeFrom);
    default:
        return true; // a bend's direction is its key
    }
}

QList<int> MidiTrigTable::match(const MidiTrigIn& in, qint32 ownInputUid) const
{
    QList<int> found;
    const int value = trigLookupValue(in.sourceType, in.sourceVal1, in.sourceVal2, in.sourceVal3);
    if (value < 0 || !admits(in.sourceType, in.channel))
        return found;
    QList<int> positions;
    for (int channel : {in.channel, 0}) {
        positions += byValue_.value(key(in.sourceType, channel, value));
        positions += ranges_.value(key(in.sourceType, channel, 0));
    }
    std::sort(positions.begin(), positions.end()); // rows are in list order
    for (int at : positions) {
        if (accepts(rows_[at], in, ownInputUid))
            found.append(rows_[at].index);
    }
    return found;
}

} // namespace partivo
