#pragma once

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QtEndian>
#include <utility>
#include <vector>

namespace partivo::test {

// A mono 8-bit PCM WAV file of silence at 8000 Hz with RIFF INFO tags (INAM title, IART
// artist, ICMT comment, IGNR genre), small enough to write by the thousand.
inline QByteArray wavFile(double seconds,
                          const std::vector<std::pair<QByteArray, QByteArray>>& tags)
{
    const auto le32 = [](quint32 value) {
        QByteArray bytes(4, '\0');
        qToLittleEndian(value, bytes.data());
        return bytes;
    };
    const auto chunk = [&](const QByteArray& id, const QByteArray& body) {
        QByteArray out = id + le32(quint32(body.size())) + body;
        if (body.size() % 2)
            out += '\0';
        return out;
    };
    QByteArray format;
    format += QByteArray::fromHex("0100"); // PCM
    format += QByteArray::fromHex("0100"); // one channel
    format += le32(8000) + le32(8000);     // sample rate, bytes per second
    format += QByteArray::fromHex("0100"); // bytes per frame
    format += QByteArray::fromHex("0800"); // bits per sample
    QByteArray info = "INFO";
    for (const auto& [id, text] : tags)
        info += chunk(id, text + '\0');
    QByteArray body = "WAVE" + chunk("fmt ", format);
    if (!tags.empty())
        body += chunk("LIST", info);
    body += chunk("data", QByteArray(qsizetype(seconds * 8000), char(0x80)));
    return chunk("RIFF", body);
}

// Writes the bytes, making the folders; false when it could not.
inline bool writeAudio(const QString& path, const QByteArray& bytes)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

} // namespace partivo::test
