#pragma once

#include <QByteArray>
#include <QString>

class QFileInfo;

namespace partivo {

bool isValidUtf8(const QByteArray& bytes);
QString decodeWindows1252(const QByteArray& bytes);
// UTF-16 or UTF-32 when the bytes begin with their byte order mark; else UTF-8 when the
// bytes are valid UTF-8, else Windows-1252. The mark is dropped.
QString decodeText(const QByteArray& bytes);
// A lone CR (the line end of old Mac files) becomes LF; CR LF stays, as every reader takes
// it as a line end.
QString normalizeLineEnds(QString text);
// The largest note or ChordPro file read: beyond it a file is refused, not read.
inline constexpr qint64 kMaxTextFileBytes = 4 * 1024 * 1024;

// Why the path cannot be read as a file: "" for a regular file (links followed), else one
// sentence naming the file (missing, a folder, a device, FIFO or socket). Devices and FIFOs
// are never opened: reading them may never end.
QString regularFileProblem(const QString& path);
QString regularFileProblem(const QFileInfo& info);

// Reads a whole regular file of at most maxBytes with decodeText, lone CRs as LF. False,
// with an empty text and the reason in why (when given), when it cannot be read or is too
// large.
bool readTextFile(const QString& path, QString& text, QString* why = nullptr,
                  qint64 maxBytes = kMaxTextFileBytes);

} // namespace partivo
