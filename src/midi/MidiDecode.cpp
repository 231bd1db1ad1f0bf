#include "midi/MidiDecode.h"

namespace partivo {

namespace {

bool isStatus(int byte)
{
    return byte >= 0x80;
}

} // namespace

int midiMessageLength(int status)
{
    if ((status >= 0xC0 && status <= 0xDF) || status == 0xF1 || status == 0xF3)
        return 2;
    if (status >= 0xF4)
        return 1;
    return 3;
}

QList<MidiChannelMessage> decodeMidiPacket(const QByteArray& bytes)
{
    QList<MidiChannelMessage> messages;
    const qsizetype size = bytes.size();
    qsizetype at = 0;
    while (at < size) {
        const int status = quint8(bytes[at]);
        if (!isStatus(status)) {
            ++at;
            continue;
        }
        if (status == kStatusSysex) {
            ++at;
            while (at < size && quint8(bytes[at]) != kStatusSysexEnd)
                ++at;
            ++at;
            continue;
        }
        const int length = midiMessageLength(status);
        qsizetype next = at + 1;
        while (next < at + length && next < size && !isStatus(quint8(bytes[next])))
            ++next;
        if (next < at + length) { // cut short: read on at the byte that cut it
            at = next;
            continue;
        }
        if (status < kStatusSysex) {
            MidiChannelMessage m;
            m.kind = status & 0xF0;
            m.channel = status & 0x0F;
            m.data1 = length >= 2 ? quint8(bytes[at + 1]) : 0;
            m.data2 = length >= 3 ? quint8(bytes[at + 2]) : 0;
            messages.append(m);
        }
        at = next;
    }
    return messages;
}

} // namespace partivo
