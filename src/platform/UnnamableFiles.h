#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <functional>

namespace partivo {

// Files and folders below root whose names are not valid UTF-8 (a Latin-1 "Café" from an
// old disk): Qt can neither list nor open them by name. Each is given as its path relative
// to root, the undecodable bytes shown as U+FFFD, a folder with "/" at its end. A folder is
// given when its name is bad
// (everything below it is out of reach); a file when wantedFile accepts its name's bytes.
// Links to folders are not followed.
QStringList unnamableEntries(const QString& root,
                             const std::function<bool(const QByteArray& name)>& wantedFile);

} // namespace partivo
