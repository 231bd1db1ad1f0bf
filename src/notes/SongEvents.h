#pragma once

#include "notes/SongEv.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

namespace partivo {

// The event grammar of a note line: words split at every single space, an optional
// leading time "mm:ss", a kind word, an argument word and the rest. Nothing for a line
// that makes no event (only a time, or an empty kind word of kind other).
std::optional<SongEv> chargerSongEventsFromLine(const QString& line, int evNo);

// Every event of a note, numbered in line order. Only "\n" ends a line.
QList<SongEv> chargerSongEventsFromString(const QString& note);

// The MIDI texts sent when the song becomes current: the untimed MIDI and MIDI group
// events with a text, in line order.
QStringList untimedMidiTexts(const QList<SongEv>& events);

} // namespace partivo
