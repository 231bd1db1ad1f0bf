#pragma once

#include <QStringList>

namespace partivo {

class Prefs;

// The store's key of the global tag list: the tags, each followed by a line break.
inline constexpr char kTagListKey[] = "tagStr";

// The global tag list (Data::tags): read from the store, or the six first tags ("⭐️", "Pop",
// "Rock", "Blues", "Funk", "Jazz"), saved at once, when the store has none. Empty tags are
// dropped.
QStringList chargerTags(Prefs& prefs);
void sauvegarderTags(Prefs& prefs, const QStringList& tags);

} // namespace partivo
