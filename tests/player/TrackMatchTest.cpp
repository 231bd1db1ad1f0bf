#include "player/TrackMatch.h"

#include "QtPrinters.h"

#include <gtest/gtest.h>

using namespace partivo;

namespace {

Track track(const char* name, const char* artist, const char* comment, const char* genre,
            const char* path)
{
    return {QString::fromUtf8(name), QString::fromUtf8(artist), QString::fromUtf8(comment),
            QString::fromUtf8(genre), QString::fromUtf8(path)};
}

} // namespace

TEST(TrackMatch, TheGenreChoosesTheClassBeforeTheScore)
{
    const Track plain = track("River", "Other Band", "", "Rock", "/m/plain.mp3");
    const Track cover = track("River", "The Band", "for the binder", "Cover", "/m/cover.mp3");
    const Track backing = track("River", "", "", "Backing Track", "/m/backing.mp3");
    const Track practice = track("River", "", "", "practice", "/m/practice.mp3");
    const Track recording = track("River", "The Band", "", "Live Recording", "/m/rec.mp3");
    const struct {
        const char* name;
        TrackList library;
        int genre;
        const char* expected; // path, "" for none
    } cases[] = {
        {"backing track over a better cover", {cover, backing}, 3, "/m/backing.mp3"},
        {"any prefers no special genre over a cover", {cover, plain}, 1, "/m/plain.mp3"},
        {"any: recording before practice", {practice, recording, backing}, 1, "/m/rec.mp3"},
        {"any: practice before backing track", {backing, practice}, 1, "/m/practice.mp3"},
        {"cover", {plain, recording, cover}, 2, "/m/cover.mp3"},
        {"practice falls back to other", {plain, recording}, 4, "/m/plain.mp3"},
        {"recording", {plain, recording}, 5, "/m/rec.mp3"},
        {"(MUTE) plays nothing", {plain}, kMuteGenre, ""},
        {"a genre out of range plays nothing", {plain}, 0, ""},
        {"no track of the title", {track("Ocean", "", "", "", "/m/o.mp3")}, 1, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const auto found = play_if_found(c.library, "river", "The Band", c.genre);
        EXPECT_EQ(found ? found->path : QString(), QString::fromUtf8(c.expected));
    }
}

TEST(TrackMatch, TheScoreRanksWithinAClassAndTheFirstWinsATie)
{
    const Track artistOnly = track("Song", "THE BAND live", "", "", "/m/a.mp3");
    const Track binderOnly = track("Song", "Someone", "made for the BINDER", "", "/m/b.mp3");
    const Track both = track("Song", "the band", "Binder", "", "/m/c.mp3");
    const Track none1 = track("Song", "", "", "", "/m/d.mp3");
    const Track none2 = track("Song", "", "", "", "/m/e.mp3");
    const struct {
        const char* name;
        TrackList library;
        const char* expected;
    } cases[] = {
        {"binder in any case outranks the artist", {artistOnly, binderOnly}, "/m/b.mp3"},
        {"artist and binder outrank binder", {binderOnly, both, artistOnly}, "/m/c.mp3"},
        {"the artist outranks nothing", {none1, artistOnly}, "/m/a.mp3"},
        {"equal scores: the first found", {none1, none2}, "/m/d.mp3"},
        {"equal scores the other way", {none2, none1}, "/m/e.mp3"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const auto found = play_if_found(c.library, "Song", "The Band", 1);
        ASSERT_TRUE(found);
        EXPECT_EQ(found->path, QString::fromUtf8(c.expected));
    }
}

TEST(TrackMatch, TheSearchLooksInEveryFieldAndTheFileName)
{
    const TrackList library{
        track("Intro", "", "", "", "/m/Moon River.mp3"),
        track("Other", "Moon River Trio", "", "", "/m/x.mp3"),
        track("Nothing", "", "", "", "/m/y.mp3"),
        track("MOON RIVER", "", "", "", "/m/z.mp3"),
    };
    EXPECT_EQ(searchTracks(library, "moon river").size(), 3);
    EXPECT_TRUE(searchTracks(library, "  ").isEmpty()); // a blank title finds nothing
}
