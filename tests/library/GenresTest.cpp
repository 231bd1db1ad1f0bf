#include "library/Genres.h"

#include "QtPrinters.h"

#include <gtest/gtest.h>

using namespace partivo;

TEST(Genres, TitlesNamesAndSteps)
{
    const struct {
        int genre;
        const char* title;
        int next;
    } cases[] = {
        {1, "Genre=Any", 2},      {2, "Genre=Cover", 3},     {3, "Genre=Backing Track", 4},
        {4, "Genre=Practice", 5}, {5, "Genre=Recording", 6}, {6, "Genre=(MUTE)", 1},
        {0, "Genre=Any", 2},      {7, "Genre=Any", 2},       {-3, "Genre=Any", 2},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(genreMenuTitle(c.genre), QString::fromLatin1(c.title)) << c.genre;
        EXPECT_EQ(nextGenreNo(c.genre), c.next) << c.genre;
    }
}
