#pragma once

#include <QByteArray>
#include <QString>

namespace partivo {

// Writes the whole file or nothing: the old content stays intact when writing fails.
bool writeFileAtomically(const QString& path, const QByteArray& bytes);
bool writeTextAtomically(const QString& path, const QString& text); // UTF-8

} // namespace partivo
