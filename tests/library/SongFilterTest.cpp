#include "library/SongFilter.h"
#include "library/Data.h"
#include "library/PlayedLog.h"
#include "library/TestFolder.h"
#include "library/TocList.h"
#include "platform/MemoryPrefs.h"
#include "platform/ScriptedDialogs.h"

#include "QtPrinters.h"

#include <gtest/gtest.h>

using namespace partivo;
using partivo::test::TestFolder;

namespace {

// Four songs; tab 2 is a setlist of Alpha and Gamma.
struct FilterBinder {
    TestFolder folder;
    MemoryPrefs prefs;
    ScriptedDialogs dialogs;
    Data data{prefs, dialogs};

    FilterBinder()
    {
        folder.write("Alpha(Adele).pdf");
        folder.write("Alpha(Adele).txt", "Tempo 96\nTags=Pop\n");
        folder.write("Beta(Adele).pdf");
        folder.write("Beta(Adele).txt", "Tempo 965\nTags=Rock\n");
        folder.write("Gamma(Bob).pdf");
        folder.write("Gamma(Bob).txt", "Tags=Rock Pop\n");
        folder.write("Delta.pdf");
        data.chargerTabsForDirNo(0, true);
        TabDet& tab = data.tabs[2];
        tab.tabName = QStringLiteral("Gig");
        tab.optSel = TabDet::Setlist;
        tab.list = QStringLiteral("Alpha(Adele).pdf\nGamma(Bob).pdf\n");
        EXPECT_TRUE(data.chargerFichiers(folder.path(), true));
        data.tags = {"⭐️", "Pop", "Rock", "Blues", "Funk", "Jazz"};
    }
    // Makes the song of that title in the tab current.
    void show(const QString& title, int tab = 0)
    {
        for (int n = 1; n <= data.songNbrG(); ++n) {
            const auto piece = data.getPiece(n);
            if (piece->ongNo == tab && piece->pieceDet->titre == title) {
                data.setSongNoG(n);
                data.setOnglet(tab);
                return;
            }
        }
        ADD_FAILURE() << "no song " << title.toStdString();
    }
    // The result list: headings in brackets, songs by title.
    QStringList result() const
    {
        QStringList lines;
        for (const auto& piece : data.listePiecesTEMP2) {
            const int index = piece->pieceDet->indexInTEMP[0];
            lines << (index < 0 ? QStringLiteral("[%1]").arg(piece->pieceDet->titre)
                                : piece->pieceDet->titre);
        }
        return lines;
    }
};

} // namespace

TEST(SongFilter, TheItemsEndWithPlayedTempoAndArtist)
{
    FilterBinder b;
    b.show("Delta"); // no tempo, no artist
    prevNextFilterNoG(b.data, 1, kFilterOn, FilterStep, false);
    EXPECT_EQ(b.data.tagsTemp, (QStringList{"⭐️", "Pop", "Rock", "Blues", "Funk", "Jazz",
                                            "Played", "Tempo 120", "(nil)"}));
    b.show("Alpha");
    b.data.filterString = "ada";
    prevNextFilterNoG(b.data, 0, kFilterOn, FilterStep, true);
    EXPECT_EQ(b.data.tagsTemp.first(), "ada");
    EXPECT_EQ(b.data.tagsTemp.mid(7), (QStringList{"Played", "Tempo 96", "Adele"}));
    EXPECT_EQ(chargerTagsTemp(b.data, " one  two "), (QStringList{"one", "two"}));
}

TEST(SongFilter, SteppingRunsThroughTheItemsAndOffAtBothEnds)
{
    FilterBinder b;
    b.show("Alpha");
    const int count = 9; // six tags, played, tempo, artist
    const struct {
        const char* name;
        int startAt; // -1 off
        int step;
        int pred;
        int expected; // -1 off
    } cases[] = {
        {"next from off starts at the first item", -1, 1, FilterStep, 0},
        {"next", 3, 1, FilterStep, 4},
        {"next past the last turns off", count - 1, 1, FilterStep, -1},
        {"previous from off is the artist", -1, -1, FilterStep, count - 1},
        {"previous before the first turns off", 0, -1, FilterStep, -1},
        {"a number selects that item", -1, 4, FilterStep, 4},
        {"a number past the items turns off", 2, 40, FilterStep, -1},
        {"zero keeps the item", 5, 0, FilterStep, 5},
        {"artist", 2, 0, FilterPredArtist, count - 1},
        {"tempo", 2, 0, FilterPredTempo, count - 2},
        {"played", 2, 0, FilterPredPlayed, count - 3},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        clearFilter(b.data);
        if (c.startAt >= 0)
            prevNextFilterNoG(b.data, c.startAt >= 2 ? c.startAt : 1, kFilterOn, FilterStep, false);
        if (c.startAt == 1)
            prevNextFilterNoG(b.data, 1, kFilterOn, FilterStep, false);
        ASSERT_EQ(b.data.filterNoG, c.startAt);
        prevNextFilterNoG(b.data, c.step, kFilterOn, c.pred, false);
        EXPECT_EQ(b.data.filterNoG, c.expected);
        EXPECT_EQ(b.data.filterType, c.expected < 0 ? 0 : kFilterOn);
        EXPECT_EQ(b.data.listePiecesTEMP2.isEmpty(), c.expected < 0);
    }
    prevNextFilterNoG(b.data, 3, kFilterOn, FilterStep, false);
    prevNextFilterNoG(b.data, kFilterClear, kFilterOn, FilterStep, false);
    EXPECT_EQ(b.data.filterType, 0);
    EXPECT_EQ(b.data.filterNoG, -1);
}

TEST(SongFilter, EachFieldCollectsItsMatches)
{
    FilterBinder b;
    const struct {
        const char* name;
        const char* song;
        int tab;
        const char* filterText;
        int step;
        int pred;
        int field;
        QStringList expected;
    } cases[] = {
        {"a tag over the whole binder",
         "Alpha",
         0,
         "",
         2,
         FilterStep,
         FilterTag,
         {"[All • Rock]", "Beta", "Gamma"}},
        {"a tag in a setlist, then the whole binder",
         "Alpha",
         2,
         "",
         2,
         FilterStep,
         FilterTag,
         {"[Rock]", "Gamma", "[All • Rock]", "Beta", "Gamma"}},
        {"a tag nobody has",
         "Alpha",
         2,
         "",
         4,
         FilterStep,
         FilterTag,
         {"[Funk]", "[(no entry)]", "[All • Funk]", "[(no entry)]"}},
        {"the tempo matches 960 to 969 too",
         "Alpha",
         0,
         "",
         0,
         FilterPredTempo,
         FilterTempo,
         {"[All • Tempo 96]", "Alpha", "Beta"}},
        {"a song without tempo matches none",
         "Delta",
         0,
         "",
         0,
         FilterPredTempo,
         FilterTempo,
         {"[All • Tempo 120]", "[(no entry)]"}},
        {"the artist",
         "Beta",
         0,
         "",
         0,
         FilterPredArtist,
         FilterArtist,
         {"[All • Adele]", "Alpha", "Beta"}},
        {"a free text in title, artist or tags",
         "Delta",
         0,
         "bob",
         1,
         FilterStep,
         FilterText,
         {"[All • bob]", "Gamma"}},
        {"a free text never spans the title's end",
         "Delta",
         0,
         "gammabob",
         1,
         FilterStep,
         FilterText,
         {"[All • gammabob]", "[(no entry)]"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        clearFilter(b.data);
        b.data.filterString = QString::fromUtf8(c.filterText);
        b.show(QString::fromUtf8(c.song), c.tab);
        prevNextFilterNoG(b.data, c.step, kFilterOn, c.pred, true);
        EXPECT_EQ(b.data.filterField, c.field);
        EXPECT_EQ(b.result(), c.expected);
    }
}

TEST(SongFilter, PlayedListsTheLogInOrderOverTheWholeBinder)
{
    FilterBinder b;
    b.show("Gamma");
    markAsalreadyPlayed(b.data, b.data.getPiece(b.data.songNoG()), false);
    b.show("Alpha");
    markAsalreadyPlayed(b.data, b.data.getPiece(b.data.songNoG()), false);
    b.show("Beta");
    markAsalreadyPlayed(b.data, b.data.getPiece(b.data.songNoG()), false);
    markAsalreadyPlayed(b.data, b.data.getPiece(b.data.songNoG()), true); // unmarked again
    b.show("Alpha", 2);
    prevNextFilterNoG(b.data, 0, kFilterOn, FilterPredPlayed, true);
    EXPECT_EQ(b.data.filterField, FilterPlayed);
    EXPECT_EQ(b.result(), (QStringList{"[All • Played]", "Gamma", "Alpha"}));
}

TEST(SongFilter, TheListOpensOnThePageOfTheCurrentSong)
{
    TestFolder folder;
    for (int i = 1; i <= 50; ++i)
        folder.write(QStringLiteral("Song %1.pdf").arg(i, 2, 10, QLatin1Char('0')));
    MemoryPrefs prefs;
    ScriptedDialogs dialogs;
    Data data(prefs, dialogs);
    data.chargerTabsForDirNo(0, true);
    ASSERT_TRUE(data.chargerFichiers(folder.path(), true));
    data.filterString = "song";
    const struct {
        int song;
        int nbToc;
        int page;
    } cases[] = {{1, 36, 1}, {35, 36, 1}, {36, 36, 2}, {50, 36, 2}, {17, 18, 1}, {18, 18, 2}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.song);
        data.nbTocG = c.nbToc;
        data.setSongNoG(c.song); // the heading comes first, so song n is entry n of the list
        clearFilter(data);
        EXPECT_EQ(prevNextFilterNoG(data, 1, kFilterOn, FilterStep, true), c.page);
        TocList toc;
        toc.filledTab = data.onglNoG;
        toc.noPageToc = c.page;
        const TocPage page = toc.remplirToc(data);
        const auto shown =
            std::find_if(page.entries.begin(), page.entries.end(), [&](const TocEntry& e) {
                return e.piece && e.piece == data.getPiece(c.song);
            });
        EXPECT_NE(shown, page.entries.end());
    }
}
