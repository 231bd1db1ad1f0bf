#include "platform/TextDecode.h"

#include <QFile>
#include <QFileInfo>
#include <QStringEncoder>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sys/stat.h>

using namespace partivo;

namespace {

struct ByteCase {
    unsigned char byte;
    char16_t codePoint;
};

TEST(TextDecode, Windows1252HighControlRange)
{
    const ByteCase cases[] = {
        {0x80, u'\u20AC'}, {0x81, u'\u0081'}, {0x82, u'\u201A'}, {0x83, u'\u0192'},
        {0x84, u'\u201E'}, {0x85, u'\u2026'}, {0x86, u'\u2020'}, {0x87, u'\u2021'},
        {0x88, u'\u02C6'}, {0x89, u'\u2030'}, {0x8A, u'\u0160'}, {0x8B, u'\u2039'},
        {0x8C, u'\u0152'}, {0x8D, u'\u008D'}, {0x8E, u'\u017D'}, {0x8F, u'\u008F'},
        {0x90, u'\u0090'}, {0x91, u'\u2018'}, {0x92, u'\u2019'}, {0x93, u'\u201C'},
        {0x94, u'\u201D'}, {0x95, u'\u2022'}, {0x96, u'\u2013'}, {0x97, u'\u2014'},
        {0x98, u'\u02DC'}, {0x99, u'\u2122'}, {0x9A, u'\u0161'}, {0x9B, u'\u203A'},
        {0x9C, u'\u0153'}, {0x9D, u'\u009D'}, {0x9E, u'\u017E'}, {0x9F, u'\u0178'},
    };
    for (const ByteCase& c : cases) {
        const QString text = decodeWindows1252(QByteArray(1, char(c.byte)));
        ASSERT_EQ(text.size(), 1) << int(c.byte);
        EXPECT_EQ(text[0].unicode(), c.codePoint) << std::hex << int(c.byte);
    }
}

TEST(TextDecode, Windows1252OtherBytesAreLatin1)
{
    QByteArray all;
    for (int b = 0; b < 256; ++b)
        all.append(char(b));
    const QString text = decodeWindows1252(all);
    ASSERT_EQ(text.size(), 256);
    for (int b = 0; b < 256; ++b) {
        if (b < 0x80 || b > 0x9F) {
            EXPECT_EQ(text[b].unicode(), b) << b;
        }
    }
}

struct Utf8Case {
    const char* name;
    QByteArray bytes;
    bool valid;
};

TEST(TextDecode, IsValidUtf8)
{
    const Utf8Case cases[] = {
        {"empty", "", true},
        {"ascii", "abc", true},
        {"eszett",
         "Stra\xC3\x9F"
         "e",
         true},
        {"four-byte", "\xF0\x9F\x8E\xB8", true},
        {"embedded nul", QByteArray("a\0b", 3), true},
        {"truncated", "ab\xC3", false},
        {"bad continuation", "\xC3\x28", false},
        {"latin-1", "caf\xE9", false},
        {"overlong", "\xC0\xAF", false},
        {"surrogate", "\xED\xA0\x80", false},
        {"beyond U+10FFFF", "\xF4\x90\x80\x80", false},
    };
    for (const Utf8Case& c : cases)
        EXPECT_EQ(isValidUtf8(c.bytes), c.valid) << c.name;
}

struct DecodeCase {
    const char* name;
    QByteArray bytes;
    QString expected;
};

TEST(TextDecode, DecodeTextPicksUtf8OrFallsBack)
{
    const DecodeCase cases[] = {
        {"empty", "", ""},
        {"utf-8",
         "Stra\xC3\x9F"
         "e",
         QString::fromUtf8("Straße")},
        {"bom dropped",
         "\xEF\xBB\xBF"
         "abc",
         "abc"},
        {"bom only", "\xEF\xBB\xBF", ""},
        {"latin-1 fallback", "caf\xE9", QString::fromUtf8("café")},
        {"smart quotes", "\x93Hi\x94", QString::fromUtf8("“Hi”")},
        {"mixed falls back whole", "\xC3\xA9\x92", QString::fromUtf8("Ã©’")},
        {"bom with invalid rest", "\xEF\xBB\xBF\xE9", QString::fromUtf8("é")},
    };
    for (const DecodeCase& c : cases)
        EXPECT_EQ(decodeText(c.bytes), c.expected) << c.name;
}

TEST(TextDecode, ReadTextFile)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("old.txt");
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("Ol\xE9\n");
    file.close();

    QString text = "stale";
    EXPECT_TRUE(readTextFile(path, text));
    EXPECT_EQ(text, QString::fromUtf8("Olé\n"));
    EXPECT_FALSE(readTextFile(dir.filePath("missing.txt"), text));
    EXPECT_TRUE(text.isEmpty());
    text = "stale";
    EXPECT_FALSE(readTextFile(dir.path(), text));
    EXPECT_TRUE(text.isEmpty());
}

// Byte order marks of UTF-16 and UTF-32 say what the text is; bytes that are no text in the
// marked encoding are read as before. A lone CR ends a line.
TEST(TextDecode, ByteOrderMarksAndLineEnds)
{
    const QString text = QString::fromUtf8("Tempo=96\nCafé ♪\n");
    auto encoded = [&](QStringConverter::Encoding e) {
        QStringEncoder encoder(e, QStringConverter::Flag::WriteBom);
        return QByteArray(encoder.encode(text));
    };
    struct Case {
        const char* name;
        QByteArray bytes;
        QString expected;
    };
    const Case cases[] = {
        {"UTF-16 LE", encoded(QStringConverter::Utf16LE), text},
        {"UTF-16 BE", encoded(QStringConverter::Utf16BE), text},
        {"UTF-32 LE", encoded(QStringConverter::Utf32LE), text},
        {"UTF-32 BE", encoded(QStringConverter::Utf32BE), text},
        {"UTF-8 with mark", encoded(QStringConverter::Utf8), text},
        {"odd length after a UTF-16 mark",
         QByteArray("\xFF\xFE"
                    "abc"),
         QString::fromUtf8("ÿþabc")},
    };
    for (const Case& c : cases)
        EXPECT_EQ(decodeText(c.bytes), c.expected) << c.name;

    const struct {
        const char* in;
        const char* out;
    } ends[] = {{"a\rb\r", "a\nb\n"},
                {"a\r\nb", "a\r\nb"},
                {"a\r\r\nb", "a\n\r\nb"},
                {"\r", "\n"},
                {"no end", "no end"}};
    for (const auto& e : ends)
        EXPECT_EQ(normalizeLineEnds(QString::fromLatin1(e.in)), QString::fromLatin1(e.out)) << e.in;
}

// Only regular files are read, and only up to the limit: a link to an endless device, a
// FIFO nobody writes to, a folder or a file beyond the limit is refused at once, never read.
TEST(TextDecode, OnlyRegularFilesWithinTheLimitAreRead)
{
    QTemporaryDir dir;
    auto write = [&](const char* name, qint64 size) {
        QFile file(dir.filePath(QString::fromLatin1(name)));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("Hello\n");
        file.resize(size);
        return file.fileName();
    };
    const QString small = write("small.txt", 6);
    const QString atLimit = write("limit.txt", kMaxTextFileBytes);
    const QString big = write("big.txt", kMaxTextFileBytes + 1);
    const QString linkToSmall = dir.filePath("link.txt");
    ASSERT_TRUE(QFile::link(small, linkToSmall));
    const QString linkToZero = dir.filePath("zero.txt");
    ASSERT_TRUE(QFile::link(QStringLiteral("/dev/zero"), linkToZero));
    const QString fifo = dir.filePath("fifo.txt");
    ASSERT_EQ(::mkfifo(fifo.toLocal8Bit().constData(), 0600), 0);

    struct Case {
        const char* name;
        QString path;
        bool read;
        const char* why; // part of the reason given
    };
    const Case cases[] = {
        {"regular", small, true, ""},
        {"at the limit", atLimit, true, ""},
        {"link to a regular file", linkToSmall, true, ""},
        {"one byte too many", big, false,
         "4.0 MB; a note or ChordPro file may have at most 4.0 MB"},
        {"link to /dev/zero", linkToZero, false,
         "is not a regular file (a device, FIFO or socket)"},
        {"FIFO", fifo, false, "is not a regular file"},
        {"folder", dir.path(), false, "is a folder"},
        {"missing", dir.filePath("missing.txt"), false, "cannot be found"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        QString text = QStringLiteral("stale");
        QString why = QStringLiteral("stale");
        EXPECT_EQ(readTextFile(c.path, text, &why), c.read);
        EXPECT_EQ(regularFileProblem(c.path).isEmpty(), c.read || QFileInfo(c.path).isFile());
        if (c.read) {
            EXPECT_TRUE(why.isEmpty());
            EXPECT_TRUE(text.startsWith(QLatin1String("Hello")));
        } else {
            EXPECT_TRUE(text.isEmpty());
            EXPECT_TRUE(why.contains(QLatin1String(c.why))) << why.toStdString();
            EXPECT_TRUE(why.contains(QFileInfo(c.path).fileName())) << "the reason names the file";
        }
    }
}

} // namespace
