#pragma once

#include <QString>

namespace partivo::cli {

// Why the file (described as `what`, e.g. "the note file") cannot be replaced or created:
// not a regular file, unreadable, read-only (no write permission, even for a user allowed
// to write over it), or a folder that is missing or read-only. "" when it can. Nothing is
// written here.
QString fileWriteProblem(const QString& path, const QString& what);

} // namespace partivo::cli
