#include "library/SearchText.h"

#include "library/FirstLetter.h"

#include <algorithm>

namespace partivo {

namespace {

constexpr SearchColor kGrey = SearchColor::Grey;
constexpr SearchColor kWhite = SearchColor::White;
constexpr SearchColor kBlue = SearchColor::Blue;

bool isSearchChar(QChar c)
{
    return keyn(QString(c)) != 0;
}

void addRun(QList<SearchRun>& runs, int start, int end, SearchColor color)
{
    if (end > start)
        runs.append(SearchRun{start, end - start, color});
}

} // namespace

QString obtenirCar(const QString& text, int n)
{
    QString out;
    for (const QChar c : text) {
        if (out.size() >= n)
            break;
        if (isSearchChar(c))
            out.append(c.toLower());
    }
    return out;
}

int obtenirNbCarReq(const QString& text, int n)
{
    int found = 0;
    for (int i = 0; i < text.size(); ++i) {
        if (found >= n)
            return i;
        if (isSearchChar(text[i]))
            ++found;
    }
    return int(text.size());
}

SearchDisplay searchDisplayFor(const QString& title, const QString& artist, bool artistOrder,
                               const QString& rech)
{
    SearchDisplay display;
    display.text = artistOrder ? artist + QStringLiteral(" • ") + title : title;
    const int n = int(rech.size());
    // m covers exactly the characters up to the last typed letter or digit, so the
    // highlight ends on what was typed.
    int m = 0;
    if (n >= 1 && obtenirCar(display.text, n) == rech) {
        m = obtenirNbCarReq(display.text, n);
        display.matched = true;
    }
    const int length = int(display.text.size());
    if (!artistOrder) {
        addRun(display.runs, 0, m, kWhite);
        addRun(display.runs, m, length, kGrey);
        return display;
    }
    const int a = int(artist.size());
    if (m <= a) {
        addRun(display.runs, 0, m, kBlue);
        addRun(display.runs, m, length, kGrey);
        return display;
    }
    addRun(display.runs, 0, a, kBlue);
    addRun(display.runs, a, a + 3, kGrey); // " • "
    addRun(display.runs, a + 3, std::max(m, a + 3), kWhite);
    addRun(display.runs, std::max(m, a + 3), length, kGrey);
    return display;
}

} // namespace partivo
