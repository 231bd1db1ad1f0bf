#pragma once

#include <QList>
#include <QString>

namespace partivo {

// The first n letters and digits of the text (the characters whose first-letter key is
// 1..36), lower-cased: "Don't Stop" gives "dontstop".
QString obtenirCar(const QString& text, int n);
// How many characters of the text, from its start, hold its first n letters and digits;
// the text's length when it has fewer.
int obtenirNbCarReq(const QString& text, int n);

// Colours of the search display: grey (146, 146, 146) for the unmatched rest, white
// (255, 255, 255) for a matched title, blue (0, 122, 255) for a matched artist.
enum class SearchColor { Grey, White, Blue };

// One coloured run of the search display.
struct SearchRun {
    int start;
    int length;
    SearchColor color;
    bool operator==(const SearchRun&) const = default;
};

// The search display of a song while type-to-search runs: the title (title order) or
// "artist • title" (artist order), with the part the typed text matches highlighted —
// white in a title, blue in an artist — and the rest grey. matched says whether the typed
// text is a prefix of the song's letters and digits.
struct SearchDisplay {
    QString text;
    QList<SearchRun> runs;
    bool matched = false;
};
SearchDisplay searchDisplayFor(const QString& title, const QString& artist, bool artistOrder,
                               const QString& rech);

} // namespace partivo
