#include "display/CompanionWindow.h"
#include "QtPrinters.h"
#include "TestSongs.h"
#include "display/DisplayWindows.h"
#include "display/WindowTypes.h"
#include "platform/ManualTimers.h"
#include "platform/NotificationCenter.h"

#include <gtest/gtest.h>

namespace partivo {
namespace {

// Companion windows of any type in one window list, on the manual clock.
struct CompanionRig {
    ManualTimers timers;
    NotificationCenter center;
    DisplayWindows windows{center};
    std::vector<std::unique_ptr<CompanionWindow>> logic;
    std::vector<int> changes; // scene changes seen by each window's observer

    CompanionWindow& add(int winType)
    {
        logic.push_back(std::make_unique<CompanionWindow>(winType, windows, center, timers));
        changes.push_back(0);
        CompanionWindow& w = *logic.back();
        const size_t i = logic.size() - 1;
        w.setSceneObserver([this, i] { ++changes[i]; });
        windows.append(&w);
        return w;
    }
    void show(const std::shared_ptr<Pieces>& piece, int sort = 0,
              const std::shared_ptr<Pieces>& next = nullptr)
    {
        DisplayWindows::SongCall call;
        call.piece = piece;
        call.pieceNext = next;
        call.currentSort = sort;
        windows.setPDFx(call);
    }
};

std::shared_ptr<Pieces> titled(const QString& title, const QString& artist = "Band", int tempo = 0,
                               int signature = 0)
{
    auto piece = song("/x/" + title + ".pdf");
    piece->pieceDet->titre = title;
    piece->pieceDet->auteur = artist;
    piece->pieceDet->tempo = tempo;
    piece->pieceDet->signature = signature;
    piece->pieceDet->tempoOk = true;
    return piece;
}

QColor color(const CompanionWindow& w, int index)
{
    return w.settings().colors.colorForObj(index);
}

TEST(CompanionWindow, TrackTimesFollowTheBroadcast)
{
    struct Case {
        const char* name;
        int winType;
        double pos, length;
        bool masquer;
        QString expected;
        int colorIndex;
    };
    const Case cases[] = {
        {"elapsed hidden", WinTypeTrackTime, 42, 100, true, "  0:00", InactColor},
        {"remaining hidden", WinTypeRemainingTime, 42, 100, true, "  0:00", InactColor},
        {"elapsed truncated", WinTypeTrackTime, 65.9, 300, false, "  1:05", HighColor},
        {"elapsed just under ten minutes", WinTypeTrackTime, 599.99, 900, false, "  9:59",
         HighColor},
        {"elapsed ten minutes and more", WinTypeTrackTime, 605, 900, false, "10:05", HighColor},
        {"remaining counts the second under way", WinTypeRemainingTime, 0, 200, false, "  3:19",
         HighColor},
        {"remaining in the last second", WinTypeRemainingTime, 59.5, 60, false, "  0:00",
         HighColor},
        {"remaining past the end", WinTypeRemainingTime, 70, 60, false, "  0:00", HighColor},
        {"remaining long track", WinTypeRemainingTime, 10, 700.5, false, "11:29", HighColor},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        CompanionRig rig;
        CompanionWindow& w = rig.add(c.winType);
        rig.windows.updateItunesInfoX("Track", "Band", c.pos, c.length, c.masquer);
        ASSERT_EQ(w.scene().lines.size(), 1);
        ASSERT_EQ(w.scene().lines[0].size(), 1);
        EXPECT_EQ(w.scene().lines[0][0].text, c.expected);
        EXPECT_EQ(w.scene().lines[0][0].color, color(w, c.colorIndex));
    }
}

TEST(CompanionWindow, ProgressBarFillsTheInsetWindowByThePosition)
{
    struct Case {
        const char* name;
        QSizeF window;
        double pos, length;
        bool masquer;
        std::optional<QRectF> expected;
    };
    const Case cases[] = {
        {"wide: the width scales", {206, 56}, 25, 100, false, QRectF(3, 3, 50, 50)},
        {"tall: the height scales", {56, 206}, 75, 100, false, QRectF(3, 3, 50, 150)},
        {"square scales the height", {106, 106}, 50, 100, false, QRectF(3, 3, 100, 50)},
        {"at the start", {206, 56}, 0, 100, false, QRectF(3, 3, 0, 50)},
        {"at the end", {206, 56}, 100, 100, false, QRectF(3, 3, 200, 50)},
        {"hidden", {206, 56}, 25, 100, true, std::nullopt},
        {"past the end", {206, 56}, 101, 100, false, std::nullopt},
        {"before the start", {206, 56}, -1, 100, false, std::nullopt},
        {"no length", {206, 56}, 0, 0, false, std::nullopt},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        CompanionRig rig;
        CompanionWindow& w = rig.add(WinTypeProgress);
        w.resized(c.window);
        rig.windows.updateItunesInfoX("Track", "Band", c.pos, c.length, c.masquer);
        EXPECT_EQ(w.scene().bar, c.expected);
        EXPECT_TRUE(w.scene().lines.isEmpty());
    }
}

TEST(CompanionWindow, ProgressBarFollowsAResize)
{
    CompanionRig rig;
    CompanionWindow& w = rig.add(WinTypeProgress);
    rig.windows.updateItunesInfoX("Track", "Band", 50, 100, false);
    w.resized({206, 56});
    EXPECT_EQ(w.scene().bar, QRectF(3, 3, 100, 50));
    w.resized({56, 206});
    EXPECT_EQ(w.scene().bar, QRectF(3, 3, 50, 100));
}

TEST(CompanionWindow, SongTextsOfEachType)
{
    const QColor grey = headerGrey();
    struct Case {
        const char* name;
        int winType;
        QString artist;
        int sort;
        bool withNext;
        QList<QString> parts; // the parts of the one line
        QList<int> colors;    // colour index of each part; -1 the bullet's grey
    };
    const Case cases[] = {
        {"title", WinTypeTitle, "Band", 0, false, {"Song"}, {ActColor}},
        {"artist", WinTypeArtist, "Band", 0, false, {"Band"}, {ActColor}},
        {"unknown artist", WinTypeArtist, "(nil)", 0, false, {""}, {ActColor}},
        {"artist and title in artist order",
         WinTypeArtistTitle,
         "Band",
         1,
         false,
         {"Band", " • ", "Song"},
         {HighColor, -1, ActColor}},
        {"title alone in title order", WinTypeArtistTitle, "Band", 0, false, {"Song"}, {ActColor}},
        {"unknown artist in artist order",
         WinTypeArtistTitle,
         "(nil)",
         1,
         false,
         {"Song"},
         {ActColor}},
        {"next title", WinTypeNextTitle, "Band", 0, true, {"▷Next"}, {ActColor}},
        {"no next song", WinTypeNextTitle, "Band", 0, false, {""}, {ActColor}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        CompanionRig rig;
        CompanionWindow& w = rig.add(c.winType);
        rig.show(titled("Song", c.artist), c.sort, c.withNext ? titled("Next") : nullptr);
        ASSERT_EQ(w.scene().lines.size(), 1);
        const QList<HeaderPart>& line = w.scene().lines[0];
        ASSERT_EQ(line.size(), c.parts.size());
        for (qsizetype i = 0; i < line.size(); ++i) {
            EXPECT_EQ(line[i].text, c.parts[i]);
            EXPECT_EQ(line[i].color, c.colors[i] < 0 ? grey : color(w, c.colors[i]));
        }
    }
}

TEST(CompanionWindow, EmptyPanelShowsNothing)
{
    CompanionRig rig;
    CompanionWindow& w = rig.add(WinTypeEmptyPanel);
    rig.show(titled("Song", "Band", 120, 4));
    rig.windows.updateItunesInfoX("Track", "Band", 10, 100, false);
    rig.windows.updateMetroWithNbTickX(1, false, false);
    EXPECT_EQ(w.scene(), CompanionScene());
    EXPECT_EQ(rig.changes[0], 0);
}

TEST(CompanionWindow, TempoReadsTheSongsTempoAndFlashesWithTheBeats)
{
    struct Case {
        const char* name;
        int tempo;
        int tick; // 0: no beat lit
        QString expected;
        int colorIndex;
    };
    const Case cases[] = {
        {"tempo", 120, 0, "120", ActColor},
        {"no tempo", 0, 0, "100", InactColor},
        {"negative tempo", -5, 0, "100", InactColor},
        {"tempo on a beat", 120, 1, "120", MetroColor},
        {"no tempo on a beat", 0, 2, "100", MetroColor},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        CompanionRig rig;
        CompanionWindow& w = rig.add(WinTypeTempo);
        rig.show(titled("Song", "Band", c.tempo, 4));
        if (c.tick > 0)
            rig.windows.updateMetroWithNbTickX(c.tick, false, false);
        ASSERT_EQ(w.scene().lines.size(), 1);
        EXPECT_EQ(w.scene().lines[0][0].text, c.expected);
        EXPECT_EQ(w.scene().lines[0][0].color, color(w, c.colorIndex));
    }
    // The beat's half-way hide brings the tempo's own colour back.
    CompanionRig rig;
    CompanionWindow& w = rig.add(WinTypeTempo);
    rig.show(titled("Song", "Band", 90, 4));
    rig.windows.updateMetroWithNbTickX(1, false, false);
    rig.windows.updateMetroWithNbTickX(1, true, false);
    EXPECT_EQ(w.scene().lines[0][0].color, color(w, ActColor));
}

TEST(CompanionWindow, MetronomeLightsTheBoxOfEachTick)
{
    struct Case {
        const char* name;
        int typeMetro;
        int signature;
        QList<int> lit; // for ticks 1, 2, 3, 4
    };
    const Case cases[] = {
        {"3/4 by signature", MetroAccToSignature, 3, {1, 2, 3, 1}},
        {"4/4 by signature", MetroAccToSignature, 4, {1, 2, 3, 4}},
        {"2/4 by signature", MetroAccToSignature, 2, {1, 2, 1, 2}},
        {"double", MetroDouble, 3, {1, 2, 1, 2}},
        {"simple", MetroSimple, 3, {1, 1, 1, 1}},
        {"none", MetroNone, 3, {0, 0, 0, 0}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        CompanionRig rig;
        CompanionWindow& w = rig.add(WinTypeMetronome);
        w.iniTypeMetro(c.typeMetro);
        rig.show(titled("Song", "Band", 120, c.signature));
        QList<int> lit;
        for (int tick = 1; tick <= 4; ++tick) {
            rig.windows.updateMetroWithNbTickX(tick, false, false);
            EXPECT_EQ(w.scene().beats.count, 4);
            lit << w.scene().beats.lit;
        }
        EXPECT_EQ(lit, c.lit);
        rig.windows.updateMetroWithNbTickX(4, true, false);
        EXPECT_EQ(w.scene().beats.lit, 0);
        EXPECT_TRUE(w.scene().lines.isEmpty());
    }
}

TEST(CompanionWindow, SummaryShowsTheSongTheNoteTheTimeAndTheBeats)
{
    CompanionRig rig;
    CompanionWindow& w = rig.add(WinTypeSummary);
    w.iniTypeMetro(MetroAccToSignature);
    rig.show(titled("Song", "(nil)", 96, 3));
    w.setNoteLine("Capo 2");
    rig.windows.updateItunesInfoX("Track", "Band", 125.7, 300, false);
    rig.windows.updateMetroWithNbTickX(3, false, false);
    QStringList lines;
    for (const auto& line : w.scene().lines)
        lines << line[0].text;
    EXPECT_EQ(lines, QStringList({"Song", "", "Master", "96", "Capo 2", "2:05"}));
    EXPECT_EQ(w.scene().lines[5][0].color, color(w, HighColor));
    EXPECT_EQ(w.scene().beats.count, 4);
    EXPECT_EQ(w.scene().beats.lit, 3);
    // A message shows over the note while it lasts; stopping dims the time.
    w.setMsg("Break", false);
    EXPECT_EQ(w.scene().lines[4][0].text, "Break");
    rig.windows.updateItunesInfoX(QString(), QString(), 0, 0, true);
    EXPECT_EQ(w.scene().lines[5][0].text, "0:00");
    EXPECT_EQ(w.scene().lines[5][0].color, color(w, InactColor));
}

TEST(CompanionWindow, EachTypeReactsOnlyToWhatItShows)
{
    struct Case {
        int winType;
        bool song, track, beat;
    };
    const Case cases[] = {
        {WinTypeSummary, true, true, true},       {WinTypeTitle, true, false, false},
        {WinTypeTrackTime, false, true, false},   {WinTypeArtist, true, false, false},
        {WinTypeTempo, false, false, true},       {WinTypeRemainingTime, false, true, false},
        {WinTypeProgress, false, true, false},    {WinTypeMetronome, false, false, true},
        {WinTypeNextTitle, true, false, false},   {WinTypeArtistTitle, true, false, false},
        {WinTypeEmptyPanel, false, false, false},
    };
    CompanionRig rig;
    for (const Case& c : cases)
        rig.add(c.winType).resized({206, 56});
    // Tempo 0 and no tempo look alike: the tempo window sees no change of song here.
    rig.show(titled("Song", "Band", 0, 4), 1, titled("Next"));
    rig.windows.updateItunesInfoX("Track", "Band", 62, 200, false);
    std::vector<int> afterSong = rig.changes;
    for (size_t i = 0; i < std::size(cases); ++i)
        EXPECT_EQ(afterSong[i], cases[i].song + cases[i].track)
            << obtenirTitle(cases[i].winType, QString()).toStdString();
    rig.windows.updateMetroWithNbTickX(1, false, false);
    for (size_t i = 0; i < std::size(cases); ++i)
        EXPECT_EQ(rig.changes[i] - afterSong[i], cases[i].beat ? 1 : 0)
            << obtenirTitle(cases[i].winType, QString()).toStdString();
}

TEST(CompanionWindow, ListedUnderItsTypesTitleAndFloating)
{
    CompanionRig rig;
    CompanionWindow& w = rig.add(WinTypeTempo);
    EXPECT_EQ(w.obtenirTitle(), "Object - Tempo");
    EXPECT_TRUE(w.settings().alwaysOnTop);
    EXPECT_EQ(rig.windows.nsMutaryOfWindows().size(), 1);
}

} // namespace
} // namespace partivo
