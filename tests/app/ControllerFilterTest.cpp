#include "ControllerFixture.h"
#include "library/SongFilter.h"
#include "platform/Commands.h"

#include "QtPrinters.h"

#include <QFile>
#include <gtest/gtest.h>

using namespace partivo;
using partivo::test::App;

namespace {

// Four songs with notes; tab 2 is a setlist of Alpha and Gamma.
struct FilterApp : App {
    FilterApp()
    {
        note("Alpha(Adele).txt", "Tempo 96\nTags=Pop\n");
        note("Beta(Adele).txt", "Tempo 96\nTags=Rock\n");
        note("Gamma(Bob).txt", "Tags=Rock Pop\n");
        start({{"Alpha(Adele).pdf", 1},
               {"Beta(Adele).pdf", 1},
               {"Gamma(Bob).pdf", 1},
               {"Delta.pdf", 1}},
              {{2, "Alpha(Adele).pdf\nGamma(Bob).pdf\n"}});
    }
    void note(const QString& name, const QByteArray& text)
    {
        QFile file(folder.path() + u'/' + name);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(text);
    }
    // The list panel's titles, headings in brackets.
    QStringList listed()
    {
        QStringList lines;
        for (const TocItemView& item : window().scene().toc.items) {
            if (item.titre.isEmpty())
                continue;
            lines << (item.section ? QStringLiteral("[%1]").arg(item.titre) : item.titre);
        }
        return lines;
    }
    bool open() { return window().scene().toc.open; }
    bool filterButton() { return window().scene().toc.filterButton; }
};

} // namespace

TEST(ControllerFilter, QuickFiltersShowTheListFilteredAndTheSameAgainHidesIt)
{
    FilterApp app; // Alpha is current
    app.post(action::DisplayHideList, QStringLiteral("TEMPO"));
    EXPECT_TRUE(app.open());
    EXPECT_TRUE(app.filterButton());
    EXPECT_EQ(app.listed(), (QStringList{"[All • Tempo 96]", "Alpha", "Beta"}));

    app.post(action::DisplayHideList, QStringLiteral("TEMPO"));
    EXPECT_FALSE(app.open());
    EXPECT_EQ(app.c().data().filterType, 0);

    app.post(action::DisplayHideList, QStringLiteral("ARTIST"));
    EXPECT_EQ(app.listed(), (QStringList{"[All • Adele]", "Alpha", "Beta"}));
    // Another quick filter while one is on replaces it; the list stays.
    app.post(action::DisplayHideList, QStringLiteral("bob"));
    EXPECT_TRUE(app.open());
    EXPECT_EQ(app.listed(), (QStringList{"[All • bob]", "Gamma"}));
    // The special words are upper case only: "tempo" is a text (and no title, artist or
    // tag holds it).
    app.post(action::DisplayHideList, QStringLiteral("tempo"));
    EXPECT_EQ(app.listed(), (QStringList{"[All • tempo]", "[(no entry)]"}));
    // The list key clears the filter first, then hides the list.
    app.key(cmd::SongList);
    EXPECT_TRUE(app.open());
    EXPECT_FALSE(app.filterButton());
    EXPECT_EQ(app.listed().first(), QStringLiteral("Alpha"));
    app.key(cmd::SongList);
    EXPECT_FALSE(app.open());
}

TEST(ControllerFilter, TheKeysStepThroughTheItemsOfTheCurrentSong)
{
    FilterApp app;
    app.key(cmd::NextFilter); // shows the list, then the first tag
    EXPECT_TRUE(app.open());
    EXPECT_EQ(app.listed(), (QStringList{"[All • ⭐️]", "[(no entry)]"}));
    app.key(cmd::NextFilter);
    EXPECT_EQ(app.listed(), (QStringList{"[All • Pop]", "Alpha", "Gamma"}));
    app.key(cmd::PrevFilter);
    app.key(cmd::PrevFilter); // before the first item: off
    EXPECT_EQ(app.c().data().filterType, 0);
    EXPECT_TRUE(app.open());
    app.key(cmd::PrevFilter); // from off: the artist
    EXPECT_EQ(app.listed(), (QStringList{"[All • Adele]", "Alpha", "Beta"}));

    // In a setlist the tab's matches come first, then the whole binder's.
    app.post(action::Onglet, 2);
    app.c().chooseFilterItem(2); // Rock
    EXPECT_EQ(app.listed(), (QStringList{"[Rock]", "Gamma", "[All • Rock]", "Beta", "Gamma"}));
    // A key chooses a song of the result; a heading chooses nothing.
    app.key(1); // "b": Gamma of tab 2
    EXPECT_EQ(app.title(), QStringLiteral("Gamma"));
    EXPECT_EQ(app.c().data().onglNoG, 2);
}

TEST(ControllerFilter, TheFilterTextIsAskedThenApplied)
{
    FilterApp app;
    app.shell.filterAnswer = QStringLiteral("ado");
    app.key(cmd::Filter);
    EXPECT_TRUE(app.open());
    EXPECT_EQ(app.shell.filterTagsOffered.size(), 6); // the tags to choose from
    EXPECT_EQ(app.c().data().filterString, QStringLiteral("ado"));
    EXPECT_EQ(app.listed(), (QStringList{"[All • ado]", "[(no entry)]"}));

    app.shell.filterAnswer = QStringLiteral("Adele");
    app.key(cmd::Filter);
    EXPECT_EQ(app.listed(), (QStringList{"[All • Adele]", "Alpha", "Beta"}));
    EXPECT_EQ(app.c().data().filterField, FilterText);

    // An emptied text turns the text filter off; cancelling changes nothing.
    app.shell.filterAnswer = QString();
    app.key(cmd::Filter);
    EXPECT_EQ(app.c().data().filterType, 0);
    app.shell.filterAnswer.reset();
    app.key(cmd::Filter);
    EXPECT_EQ(app.c().data().filterType, 0);
}

TEST(ControllerFilter, ReopeningTheListBuildsTheFilterFromTheSongNowCurrent)
{
    FilterApp app;
    app.post(action::DisplayHideList, QStringLiteral("ARTIST"));
    EXPECT_EQ(app.listed(), (QStringList{"[All • Adele]", "Alpha", "Beta"}));
    app.key(2); // "c": Beta, the list closes with the filter still on
    EXPECT_FALSE(app.open());
    app.key(cmd::NextSong); // Delta
    app.key(cmd::NextSong); // Gamma
    EXPECT_EQ(app.title(), QStringLiteral("Gamma"));
    app.key(cmd::SongList);
    EXPECT_EQ(app.listed(), (QStringList{"[All • Bob]", "Gamma"}));
    // The box is on the current song.
    EXPECT_TRUE(app.window().scene().toc.items[1].box);
}
