#include "midi/MidiDecode.h"

#include <QRandomGenerator>
#include <gtest/gtest.h>

namespace partivo {
namespace {

QString describe(const QList<MidiChannelMessage>& messages)
{
    QStringList parts;
    for (const MidiChannelMessage& m : messages)
        parts.append(QStringLiteral("%1/%2 %3 %4")
                         .arg(m.kind, 2, 16)
                         .arg(m.channel)
                         .arg(m.data1)
                         .arg(m.data2)
                         .toUpper());
    return parts.join(u", ");
}

TEST(MidiDecode, PacketsGiveTheirChannelMessages)
{
    struct Case {
        const char* name;
        const char* hex;
        const char* messages;
    };
    const Case cases[] = {
        {"note on", "903C40", "90/0 60 64"},
        {"program change, two bytes", "C505", "C0/5 5 0"},
        {"bank select and program in one packet", "B00001C005", "B0/0 0 1, C0/0 5 0"},
        {"pitch bend", "E10070", "E0/1 0 112"},
        {"note off is decoded (the engine ignores it)", "803C00", "80/0 60 0"},
        {"system exclusive to its end, then a control change", "F0010203F7B0407F", "B0/0 64 127"},
        {"unterminated system exclusive takes the rest", "F00102B0407F", ""},
        {"running status is not supported", "903C403E40", "90/0 60 64"},
        {"data bytes alone", "3C40", ""},
        {"cut short at the end", "903C", ""},
        {"cut short by a status byte", "903CB0407F", "B0/0 64 127"},
        {"real-time byte before a message", "F8903C40", "90/0 60 64"},
        {"quarter frame has one data byte", "F110C005", "C0/0 5 0"},
        {"song select has one data byte", "F301C005", "C0/0 5 0"},
        {"song position has two", "F20102C005", "C0/0 5 0"},
        {"empty", "", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(describe(decodeMidiPacket(QByteArray::fromHex(c.hex))),
                  QString::fromLatin1(c.messages));
    }
}

TEST(MidiDecode, MessageLengthsFollowTheStatus)
{
    struct Case {
        int status;
        int length;
    };
    const Case cases[] = {{0x80, 3}, {0xB7, 3}, {0xBF, 3}, {0xC0, 2}, {0xDF, 2},
                          {0xE0, 3}, {0xF1, 2}, {0xF2, 3}, {0xF3, 2}, {0xF4, 1},
                          {0xF7, 1}, {0xF8, 1}, {0xFF, 1}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.status);
        EXPECT_EQ(midiMessageLength(c.status), c.length);
    }
}

// Any byte soup decodes to well-formed channel messages only.
TEST(MidiDecode, ArbitraryBytesGiveOnlyWellFormedMessages)
{
    QRandomGenerator random(20240611);
    for (int round = 0; round < 2000; ++round) {
        QByteArray bytes(random.bounded(1, 40), '\0');
        for (char& b : bytes)
            b = char(random.bounded(256));
        for (const MidiChannelMessage& m : decodeMidiPacket(bytes)) {
            ASSERT_GE(m.kind, 0x80);
            ASSERT_LE(m.kind, 0xE0);
            ASSERT_EQ(m.kind & 0x0F, 0);
            ASSERT_LT(m.channel, 16);
            ASSERT_LT(m.data1, 128);
            ASSERT_LT(m.data2, 128);
            if (m.kind == 0xC0 || m.kind == 0xD0) {
                ASSERT_EQ(m.data2, 0);
            }
        }
    }
}

} // namespace
} // namespace partivo
