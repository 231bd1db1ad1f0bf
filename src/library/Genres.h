#pragma once

#include <QString>

namespace partivo {

// The six genres of the player and the timed events: 1 Any ... 6 (MUTE).
inline constexpr int kGenreCount = 6;
// Genre (MUTE): no track plays, the timed events run on a silent clock.
inline constexpr int kMuteGenre = 6;
// The store's key of the genre the user chose last.
inline constexpr char kInitialGenreKey[] = "initialGenreNo";

// The Genre menu's title for genre g ("Genre=Any" ... "Genre=(MUTE)"); 0 counts as 1.
QString genreMenuTitle(int genre);
// Item g of the Genre menu ("Any" ... "(MUTE)").
QString genreName(int genre);
// 1 -> 2 -> ... -> 6 -> 1.
int nextGenreNo(int genre);
// A stored or given genre within 1..6 (anything else is 1).
int validGenre(int genre);

} // namespace partivo
