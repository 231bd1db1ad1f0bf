#pragma once

#include <QHash>
#include <QSet>
#include <QString>

namespace partivo {

// Last path component without its extension ("Song.v2" for "/b/Song.v2.pdf").
QString baseNameOf(const QString& path);
// Text after the last dot of the file name, "" when there is none.
QString extensionOf(const QString& path);
// Path without its extension (the folder stays).
QString stemOf(const QString& path);
QString fileNameOf(const QString& path);

// The extension is one of the accepted song extensions, in any case.
bool isSongExtension(const QString& extension);
// The extension of a song's note, "txt" in any case.
bool isNoteExtension(const QString& extension);
// 0 for PDF, 1 for every other accepted extension.
int typeForExtension(const QString& extension);
// A file whose name contains "---" is an alternate version, never a song of its own.
bool isAlternateVersionName(const QString& fileName);

// Default note path: the song path without its extension plus ".txt".
QString notePathFor(const QString& songPath);

// Existing file at path, else a file of the same folder whose name matches without regard
// to case; "" when neither exists.
QString findCaseInsensitive(const QString& path);

// The note files found by a folder walk, so that a load needs no look-up per song.
class CompanionIndex {
public:
    void add(const QString& path);
    // The existing file for path (exact name first, then without regard to case), or "".
    QString find(const QString& path) const;

private:
    QSet<QString> exact_;
    // Built on the first miss only: most notes are found by their exact name.
    mutable QHash<QString, QString> folded_;
    mutable bool foldedBuilt_ = false;
};

// Path of alternate version `altDir` of a song, or "" when it does not exist.
QString obtenirPathPourAltDir(const QString& songPath, const QString& altDir);

} // namespace partivo
