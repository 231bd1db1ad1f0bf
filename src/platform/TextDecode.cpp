#include "platform/TextDecode.h"

#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>

namespace partivo {

namespace {

// Windows-1252 bytes 0x80-0x9F. The five bytes the code page leaves undefined (0x81, 0x8D,
// 0x8F, 0x90, 0x9D) map to the C1 control of the same value, so no byte is ever lost.
// Every other byte is the Latin-1 code point of the same value.
constexpr char16_t kHighControls[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, // 80-87
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F, // 88-8F
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, // 90-97
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178, // 98-9F
};

const QByteArray kUtf8Bom("\xEF\xBB\xBF");

} // namespace

bool isValidUtf8(const QByteArray& bytes)
{
    // Stateless: a sequence cut off at the end counts as an error, not as pending input.
    QStringDecoder decoder(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
    const QString decoded = decoder.decode(bytes);
    return !decoder.hasError();
}

QString decodeWindows1252(const QByteArray& bytes)
{
    QString text(bytes.size(), Qt::Uninitialized);
    char16_t* out = reinterpret_cast<char16_t*>(text.data());
    for (const char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        *out++ = (byte >= 0x80 && byte <= 0x9F) ? kHighControls[byte - 0x80] : char16_t(byte);
    }
    return text;
}

// The byte order mark is dropped in the Windows-1252 case too: those three bytes at the
// start of a text are a mark, not the letters "ï»¿".
QString decodeText(const QByteArray& bytes)
{
    // A UTF-16 or UTF-32 byte order mark says what the text is (UTF-32 first: its
    // little-endian mark begins like UTF-16's).
    static const struct {
        QByteArray mark;
        QStringConverter::Encoding encoding;
        int unit; // bytes per code unit
    } kMarks[] = {
        {QByteArray("\xFF\xFE\x00\x00", 4), QStringConverter::Utf32LE, 4},
        {QByteArray("\x00\x00\xFE\xFF", 4), QStringConverter::Utf32BE, 4},
        {QByteArray("\xFF\xFE", 2), QStringConverter::Utf16LE, 2},
        {QByteArray("\xFE\xFF", 2), QStringConverter::Utf16BE, 2},
    };
    for (const auto& m : kMarks) {
        if (!bytes.startsWith(m.mark))
            continue;
        // Bytes that are no text in that encoding (a cut code unit, a lone surrogate) are
        // read as below after all.
        const QByteArray payload = bytes.mid(m.mark.size());
        if (payload.size() % m.unit != 0)
            break;
        QStringDecoder decoder(m.encoding, QStringConverter::Flag::Stateless);
        const QString text = decoder.decode(payload);
        if (!decoder.hasError())
            return text;
        break;
    }
    const QByteArray body = bytes.startsWith(kUtf8Bom) ? bytes.mid(kUtf8Bom.size()) : bytes;
    // One pass: the UTF-8 result is kept unless the decoder met an error.
    QStringDecoder decoder(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
    QString text = decoder.decode(body);
    if (!decoder.hasError())
        return text;
    return decodeWindows1252(body);
}

QString regularFileProblem(const QString& path)
{
    return regularFileProblem(QFileInfo(path));
}

QString regularFileProblem(const QFileInfo& info)
{
    const QString name = info.fileName();
    if (!info.exists())
        return QStringLiteral("The file \"%1\" cannot be found.").arg(name);
    if (info.isDir())
        return QStringLiteral("\"%1\" is a folder: it is not a file.").arg(name);
    // isFile() follows links and is true for regular files only.
    if (!info.isFile())
        return QStringLiteral("\"%1\" is not a regular file (a device, FIFO or socket) and is "
                              "not read.")
            .arg(name);
    return QString();
}

namespace {

QString megabytes(qint64 bytes)
{
    return QString::number(double(bytes) / (1024.0 * 1024.0), 'f', 1);
}

bool refuse(QString* why, const QString& reason)
{
    if (why)
        *why = reason;
    return false;
}

} // namespace

bool readTextFile(const QString& path, QString& text, QString* why, qint64 maxBytes)
{
    text.clear();
    if (why)
        why->clear();
    const QFileInfo info(path);
    if (const QString problem = regularFileProblem(info); !problem.isEmpty())
        return refuse(why, problem);
    const QString name = info.fileName();
    const auto tooLarge = [&](qint64 size) {
        return refuse(why, QStringLiteral("\"%1\" is %2 MB; a note or ChordPro file may have at "
                                          "most %3 MB, so it is not read.")
                               .arg(name, megabytes(size), megabytes(maxBytes)));
    };
    if (info.size() > maxBytes)
        return tooLarge(info.size());
    QFile file(path);
    // Unbuffered: the whole file is read at once, without a copy through the device buffer.
    if (!file.open(QIODevice::ReadOnly | QIODevice::Unbuffered))
        return refuse(why,
                      QStringLiteral("\"%1\" cannot be read: %2.").arg(name, file.errorString()));
    // Never more than the limit, even from a file that grows while it is read.
    const QByteArray bytes = file.read(maxBytes + 1);
    if (file.error() != QFileDevice::NoError)
        return refuse(why,
                      QStringLiteral("\"%1\" cannot be read: %2.").arg(name, file.errorString()));
    if (bytes.size() > maxBytes)
        return tooLarge(bytes.size());
    text = normalizeLineEnds(decodeText(bytes));
    return true;
}

QString normalizeLineEnds(QString text)
{
    // CR LF is left as it is (the readers take it as a line end and a file written back
    // keeps it); a CR alone becomes LF.
    for (qsizetype i = text.indexOf(u'\r'); i >= 0; i = text.indexOf(u'\r', i + 1)) {
        if (i + 1 >= text.size() || text[i + 1] != u'\n')
            text[i] = u'\n';
    }
    return text;
}

} // namespace partivo
