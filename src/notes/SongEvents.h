#pragma once

#include "notes/SongEv.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <QVariant>
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

// What a timed event asks for when it fires: MIDI to send, or a remote action to post
// ("ActionMessage", "ActionMessageStay", "ActionGoToPageNo", "ActionGoToPageBottomNo").
struct FiredEvent {
    const SongEv* event = nullptr; // the event in the list it was fired from
    QString midi;                  // the MIDI text to send (kinds MIDI and MIDI group)
    QString action;                // the remote action to post ("" for none)
    QVariant param;                // its parameter
};

// Fires every timed event not fired yet whose time the track position t has reached, in
// note order, marking each fired (a page below 1 or a tempo line fires nothing but counts
// as fired). A jump back fires nothing again until the events are reset.
QList<FiredEvent> processSongEventsUpTo(QList<SongEv>& events, double t);
// Every event not fired, its time computed again (the track stopped).
void resetSongEvents(QList<SongEv>& events);

} // namespace partivo
