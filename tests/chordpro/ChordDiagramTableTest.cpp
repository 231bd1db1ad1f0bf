#include "chordpro/ChordDiagramTable.h"

#include "QtPrinters.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <set>
#include <utility>
#include <vector>

using namespace partivo::chordpro;

namespace {

const char* const kRoots[12] = {"C", "C#", "D", "D#", "E", "F", "F#", "G", "G#", "A", "A#", "B"};

// Open strings of standard tuning, low E to high E, as pitch classes (C = 0).
constexpr int kOpenStrings[6] = {4, 9, 2, 7, 11, 4};

// Each quality's notes as intervals above the root: those a shape may sound, and those it
// must sound for the chord to be heard as that quality (root, third or suspended note, and
// the seventh, diminished or augmented fifth where the quality has one).
struct Quality {
    const char* suffix;
    std::set<int> allowed;
    std::set<int> required;
};

const Quality kQualities[] = {
    {"", {0, 4, 7}, {0, 4}},
    {"m", {0, 3, 7}, {0, 3}},
    {"7", {0, 4, 7, 10}, {0, 4, 10}},
    {"m7", {0, 3, 7, 10}, {0, 3, 10}},
    {"maj7", {0, 4, 7, 11}, {0, 4, 11}},
    {"sus2", {0, 2, 7}, {0, 2}},
    {"sus4", {0, 5, 7}, {0, 5}},
    // The triad: the table does not stand in a diminished seventh for it.
    {"dim", {0, 3, 6}, {0, 3, 6}},
    {"aug", {0, 4, 8}, {0, 4, 8}},
};

// Intervals above the root of the strings played, low to high.
std::vector<int> soundedIntervals(const ChordFingering& fingering, int root)
{
    std::vector<int> intervals;
    for (int string = 0; string < 6; ++string) {
        const int fret = fingering.frets[string];
        if (fret < 0)
            continue;
        const int above = fret == 0 ? 0 : fingering.baseFret - 1 + fret;
        intervals.push_back(((kOpenStrings[string] + above - root) % 12 + 12) % 12);
    }
    return intervals;
}

TEST(ChordDiagramTable, EveryShapeSoundsItsChordAndCanBePlayed)
{
    int shapes = 0;
    for (int root = 0; root < 12; ++root) {
        for (const Quality& quality : kQualities) {
            const QString name = QString::fromLatin1(kRoots[root]) + quality.suffix;
            SCOPED_TRACE(name.toStdString());
            const std::optional<ChordFingering> fingering = builtInFingering(name);
            ASSERT_TRUE(fingering);
            ++shapes;
            EXPECT_EQ(fingering->name, name);
            ASSERT_EQ(fingering->frets.size(), 6);
            EXPECT_TRUE(fingering->fingers.isEmpty());

            const std::vector<int> sounded = soundedIntervals(*fingering, root);
            ASSERT_GE(sounded.size(), 3u) << "three strings at least";
            const std::set<int> notes(sounded.begin(), sounded.end());
            EXPECT_TRUE(std::includes(quality.allowed.begin(), quality.allowed.end(), notes.begin(),
                                      notes.end()))
                << "a note outside the chord";
            EXPECT_TRUE(std::includes(notes.begin(), notes.end(), quality.required.begin(),
                                      quality.required.end()))
                << "a note of the chord missing";
            EXPECT_EQ(sounded.front(), 0) << "the root is the lowest note";

            std::vector<int> fretted;
            for (int fret : fingering->frets) {
                if (fret >= 1)
                    fretted.push_back(fret);
            }
            if (!fretted.empty()) {
                const auto [low, high] = std::minmax_element(fretted.begin(), fretted.end());
                EXPECT_LE(*high - *low, 3) << "fretted within four frets";
                EXPECT_LE(*high, 5) << "inside the diagram's five frets";
                if (fingering->baseFret > 1) {
                    EXPECT_EQ(*low, 1) << "a raised diagram starts at its base fret";
                }
            }
        }
    }
    EXPECT_EQ(shapes, 108);
}

TEST(ChordDiagramTable, SpellingsOfOneChordGiveOneShape)
{
    const std::pair<const char*, const char*> same[] = {
        // Enharmonic roots, with every quality below.
        {"C#", "Db"},      {"D#", "Eb"}, {"F#", "Gb"}, {"G#", "Ab"}, {"A#", "Bb"},
        {"B", "Cb"},       {"E", "Fb"},  {"F", "E#"},  {"C", "B#"},  {"A#", "B\u266D"},
        {"F#", "F\u266F"}, {"A", "a"},   {"Bb", "bb"},
    };
    for (const auto& [a, b] : same) {
        for (const Quality& quality : kQualities) {
            const QString first = QString::fromUtf8(a) + quality.suffix;
            const QString second = QString::fromUtf8(b) + quality.suffix;
            SCOPED_TRACE((first + " " + second).toStdString());
            const auto x = builtInFingering(first);
            const auto y = builtInFingering(second);
            ASSERT_TRUE(x && y);
            EXPECT_EQ(x->baseFret, y->baseFret);
            EXPECT_EQ(x->frets, y->frets);
        }
    }
}

TEST(ChordDiagramTable, SuffixAliasesAndBassNotes)
{
    // Written form, and the plain form it must give the same shape as.
    const std::pair<const char*, const char*> same[] = {
        {"CM", "C"},
        {"Cmaj", "C"},
        {"Cmin", "Cm"},
        {"Cmi", "Cm"},
        {"C-", "Cm"},
        {"Cmin7", "Cm7"},
        {"C-7", "Cm7"},
        {"Cmi7", "Cm7"},
        {"CM7", "Cmaj7"},
        {"Cma7", "Cmaj7"},
        {"CMaj7", "Cmaj7"},
        {"C\u03947", "Cmaj7"},
        {"C\u0394", "Cmaj7"},
        {"C\u2206", "Cmaj7"},
        {"C°", "Cdim"},
        {"C+", "Caug"},
        {"Csus", "Csus4"},
        {"Cdom7", "C7"},
        {"Ebmin", "D#m"},
        {"Gb-7", "F#m7"},
        // The bass is left out: the chord's own shape.
        {"C/G", "C"},
        {"Am/G", "Am"},
        {"F#m7/E", "F#m7"},
        {"Dbmaj7/C", "C#maj7"},
        {" G ", "G"},
        {"C/", "C"},
    };
    for (const auto& [written, plain] : same) {
        SCOPED_TRACE(written);
        const auto x = builtInFingering(QString::fromUtf8(written));
        const auto y = builtInFingering(QString::fromUtf8(plain));
        ASSERT_TRUE(x && y);
        EXPECT_EQ(x->baseFret, y->baseFret);
        EXPECT_EQ(x->frets, y->frets);
        EXPECT_EQ(x->name, QString::fromUtf8(written)) << "named as asked";
    }
    // The qualities do not stand in for one another.
    const char* const differ[] = {"C",     "Cm",    "C7",   "Cm7", "Cmaj7",
                                  "Csus2", "Csus4", "Cdim", "Caug"};
    for (const char* a : differ) {
        for (const char* b : differ) {
            if (a != b) {
                EXPECT_NE(builtInFingering(a)->frets, builtInFingering(b)->frets) << a << " " << b;
            }
        }
    }
}

TEST(ChordDiagramTable, OtherChordsHaveNoShape)
{
    const char* const unknown[] = {"",      " ",     "/G",    "H",   "X7",     "N.C.",
                                   "7",     "Cadd9", "C9",    "C6",  "Cm6",    "(C)",
                                   "Cdim7", "Cm7b5", "Cmaj9", "C13", "Csus24", "C##",
                                   "Cbb",   "CMAJ7", "Cmm",   "C m", "C7sus4"};
    for (const char* name : unknown) {
        SCOPED_TRACE(name);
        EXPECT_FALSE(builtInFingering(QString::fromUtf8(name)));
    }
}

ChordFingering shape(const char* name, int baseFret, QList<int> frets)
{
    return ChordFingering{QString::fromUtf8(name), baseFret, std::move(frets), {}};
}

TEST(ChordDiagramLookup, SongDefinitionsBeforeTheBuiltInShapes)
{
    ChordDiagrams diagrams;
    const ChordFingering highA = shape("A", 5, {1, 3, 3, 2, 1, 1});
    const ChordFingering ownChord = shape("Cadd9", 1, {-1, 3, 2, 0, 3, 0});
    diagrams.define(shape("A", 1, {-1, 0, 2, 2, 2, 0}));
    diagrams.define(highA);
    diagrams.define(ownChord);
    // A name alone neither hides a song's shape nor the built-in one.
    diagrams.define(shape("A", 1, {}));
    diagrams.define(shape("G", 1, {}));

    EXPECT_EQ(diagrams.lookup("A"), highA) << "the later definition replaces the earlier";
    EXPECT_EQ(diagrams.lookup("Cadd9"), ownChord);
    EXPECT_EQ(diagrams.lookup("G"), builtInFingering("G"));
    EXPECT_EQ(diagrams.lookup("Em"), builtInFingering("Em"));
    ASSERT_TRUE(diagrams.lookup("G"));
    EXPECT_FALSE(diagrams.lookup("G")->frets.isEmpty());
    // The song's definitions match their name exactly; the built-in shapes every spelling.
    EXPECT_EQ(diagrams.lookup("A/E"), builtInFingering("A/E"));
    EXPECT_FALSE(diagrams.lookup("Cadd9/E"));
    EXPECT_FALSE(diagrams.lookup("Xyz"));
}

} // namespace
