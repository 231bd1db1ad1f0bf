#pragma once

#include <QByteArray>
#include <QString>

namespace partivo {

bool isValidUtf8(const QByteArray& bytes);
QString decodeWindows1252(const QByteArray& bytes);
// UTF-8 when the bytes are valid UTF-8, else Windows-1252. A leading UTF-8 byte order
// mark is dropped.
QString decodeText(const QByteArray& bytes);
// Reads a whole file with decodeText; false (and an empty text) when it cannot be read.
bool readTextFile(const QString& path, QString& text);

} // namespace partivo
