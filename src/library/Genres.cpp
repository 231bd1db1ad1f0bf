#include "library/Genres.h"

namespace partivo {

namespace {

constexpr const char* kNames[kGenreCount] = {"Any",      "Cover",     "Backing Track",
                                             "Practice", "Recording", "(MUTE)"};

} // namespace

int validGenre(int genre)
{
    return genre >= 1 && genre <= kGenreCount ? genre : 1;
}

QString genreName(int genre)
{
    return QString::fromLatin1(kNames[validGenre(genre) - 1]);
}

QString genreMenuTitle(int genre)
{
    return QStringLiteral("Genre=") + genreName(genre);
}

int nextGenreNo(int genre)
{
    return validGenre(genre) % kGenreCount + 1;
}

} // namespace partivo
