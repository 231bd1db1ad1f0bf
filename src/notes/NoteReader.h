#pragma once

#include "notes/SongEv.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

namespace partivo {

// A window line of a note: the window ID it is for and the line such a window shows.
struct WindowLine {
    QString windowId;
    QString line;
};

// Everything the readers of a note find in it. The title, artist and tags are the note's
// own (nothing when it has none); the song's file name is not consulted.
struct NoteContents {
    std::optional<QString> title;
    std::optional<QString> artist;
    std::optional<QString> tags;
    int tempo = 0;
    int signature = 4;
    QList<WindowLine> windowLines;
    QList<SongEv> events;
    QStringList midiLines; // sent when the song becomes current
};

NoteContents readNote(const QString& note);

// The window IDs a note has lines for: each line's first word up to a ":" that follows it
// directly, when it does not start with a digit (a time) and the first word holds no "@" (a
// MIDI instruction), in line order, without
// repeats (compared without regard to case), the first kMaxWindowIdsInNote of them. Such a
// window shows the line noteLineForWindow finds for it.
inline constexpr int kMaxWindowIdsInNote = 200;
QStringList windowIdsInNote(const QString& note);

} // namespace partivo
