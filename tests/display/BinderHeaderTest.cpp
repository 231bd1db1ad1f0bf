#include "display/BinderHeader.h"
#include "QtPrinters.h"
#include "TestSongs.h"
#include "display/WindowSettings.h"
#include "display/WindowTypes.h"

#include <gtest/gtest.h>

namespace partivo {
namespace {

WindowSettings binderSettings()
{
    return WindowSettings::forType(WinTypeBinder);
}

} // namespace

// Readable header parts in failure messages.
void PrintTo(const HeaderPart& part, std::ostream* os)
{
    *os << '"' << part.text.toStdString() << "\" " << part.color.name().toStdString();
}

namespace {

TEST(BinderHeader, TitleLineFollowsTheSortAndThePlayedMark)
{
    const WindowSettings s = binderSettings();
    const QColor normal = s.colors.colorForObj(ActColor);
    const QColor high = s.colors.colorForObj(HighColor);
    const HeaderPart bullet{" • ", headerGrey()};
    struct Case {
        const char* name;
        QString artist;
        bool played;
        int sort;
        QList<HeaderPart> expected;
    };
    const Case cases[] = {
        {"title order", "Band", false, 0, {{"Song", normal}, bullet, {"Band", headerGrey()}}},
        {"title order, played",
         "Band",
         true,
         0,
         {{"Song", normal}, bullet, {"Band✅", headerGrey()}}},
        {"artist order", "Band", false, 1, {{"Band", high}, bullet, {"Song", normal}}},
        {"artist order, played", "Band", true, 1, {{"Band", high}, bullet, {"Song✅", normal}}},
        {"unknown artist", "(nil)", true, 1, {{"Song✅", normal}}},
        {"no artist", "", false, 0, {{"Song", normal}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        auto piece = song("/x/Song.pdf");
        piece->pieceDet->titre = "Song";
        piece->pieceDet->auteur = c.artist;
        piece->pieceDet->played = c.played;
        EXPECT_EQ(binderHeader(s, piece.get(), c.sort).title, c.expected);
    }
}

TEST(BinderHeader, AChordProSongAddsItsKeyAndCapoAndWritesOutItsTitle)
{
    const WindowSettings s = binderSettings();
    const QColor normal = s.colors.colorForObj(ActColor);
    const HeaderPart bullet{" • ", headerGrey()};
    auto piece = song("/x/Song.cho");
    piece->pieceDet->titre = "%{artist} Live";
    piece->pieceDet->auteur = "Band";
    const BinderHeader header =
        binderHeader(s, piece.get(), 0, {"Band Live", QStringLiteral("G • Capo 2")});
    EXPECT_EQ(header.title, (QList<HeaderPart>{{"Band Live", normal},
                                               bullet,
                                               {"Band", headerGrey()},
                                               {" • G • Capo 2", headerGrey()}}));
    // A title of the note or file name is kept as it is.
    piece->pieceDet->titre = "From the note";
    EXPECT_EQ(binderHeader(s, piece.get(), 0, {"Band Live", ""}).title.first().text,
              "From the note");
}

TEST(BinderHeader, TempoFromTheNoteOrADimmedHundred)
{
    const WindowSettings s = binderSettings();
    struct Case {
        const char* note;
        HeaderPart expected;
    };
    const Case cases[] = {
        {"Tempo=132\n", {"132", s.colors.colorForObj(ActColor)}},
        {"no tempo here\n", {"100", s.colors.colorForObj(InactColor)}},
        {"Tempo=0\n", {"100", s.colors.colorForObj(InactColor)}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.note);
        auto piece = song("/x/Song.pdf");
        piece->pieceDet->notetxt = c.note;
        EXPECT_EQ(binderHeader(s, piece.get(), 0).tempo, c.expected);
        EXPECT_TRUE(piece->pieceDet->tempoOk); // read once, kept for the next refresh
    }
    EXPECT_EQ(binderHeader(s, nullptr, 0).tempo.text, "100");
    EXPECT_TRUE(binderHeader(s, nullptr, 0).title.isEmpty());
}

TEST(BinderHeader, IdLabelColourSaysWhichVersionShows)
{
    struct Case {
        const char* name;
        QString altDir;
        int altMode;
        bool off;
        bool found;
        QString text;
        int colour; // 0 dark grey, 1 normal text, 2 blue
    };
    const Case cases[] = {
        {"master", "", 0, false, false, "Master", 0},
        {"ID on, no version", "Drum", 1, false, false, "Drum", 1},
        {"ID switched off", "Drum", 1, true, false, "Drum", 0},
        {"alternate found", "Drum", 1, false, true, "Drum", 2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        WindowSettings s = binderSettings();
        s.altDir = c.altDir;
        s.altMode = c.altMode;
        s.altModeOff = c.off;
        s.altModeOk = c.found;
        const QColor colours[] = {QColor(Qt::darkGray), s.colors.colorForObj(ActColor),
                                  alternateFoundBlue()};
        EXPECT_EQ(binderHeader(s, nullptr, 0).id, (HeaderPart{c.text, colours[c.colour]}));
    }
}

TEST(BinderHeader, HiddenElements)
{
    WindowSettings s = binderSettings();
    s.hideTitleElementTempo = true;
    s.hideTitleElementNote = true;
    const BinderHeader h = binderHeader(s, nullptr, 0);
    EXPECT_TRUE(h.showTitle);
    EXPECT_FALSE(h.showTempo);
    EXPECT_FALSE(h.showNote);
}

} // namespace
} // namespace partivo
