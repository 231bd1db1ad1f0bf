#pragma once

#include <QDateTime>
#include <QString>
#include <memory>

namespace partivo {

class Data;
class Pieces;
class Prefs;

inline constexpr int kPlayedLogSlots = 10;
inline constexpr int kPlayedAfterMs = 30000;
inline constexpr char kPlayedTimer[] = "alreadyPlayed";

// Marks the entry played (toggle: inverts the mark); a song now played joins the log unless
// it is already its last entry.
void markAsalreadyPlayed(Data& data, const std::shared_ptr<Pieces>& entry, bool toggle);
// Clears every played mark and empties the log.
void clearAllPlayedStates(Data& data);
// Marks the songs whose file names begin with a line of the text (upper-cased, empty lines
// left out), the log ordered by line; answers how many marks were set (one per matching
// line).
int recallPlayedStates(Data& data, const QString& text);

// Saves the log's songs that are still marked into the next of the ten rotating slots
// ("plogLast", "plogTx%d", "plogDate%d"); nothing for an empty log.
void saveLogPlayed(Prefs& prefs, const Data& data, const QDateTime& now);
// The recall menu's item (0 the most recent) of slot 1..10, whatever plogLast holds.
int recallItemOfSlot(int slot, int plogLast);
// What the store holds of the saved logs: the slot written last, and a slot's date (invalid
// for an empty slot) and text.
int playedLogLast(const Prefs& prefs);
QDateTime playedLogDate(const Prefs& prefs, int slot);
QString playedLogText(const Prefs& prefs, int slot);

} // namespace partivo
