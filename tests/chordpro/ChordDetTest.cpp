#include "chordpro/ChordDet.h"

#include "QtPrinters.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

namespace partivo {
namespace {

constexpr int A = ChordDet::Automatic;
constexpr int F = ChordDet::Flats;
constexpr int S = ChordDet::Sharps;

const char* const kSharpNames[12] = {"C",  "C#", "D",  "D#", "E",  "F",
                                     "F#", "G",  "G#", "A",  "A#", "B"};
const char* const kFlatNames[12] = {"C",  "Db", "D",  "Eb", "E",  "F",
                                    "Gb", "G",  "Ab", "A",  "Bb", "B"};

QString q(const char* text)
{
    return QString::fromUtf8(text);
}

// "a>b c>d" as pairs; "_" stands for the empty string.
QList<std::pair<QString, QString>> pairs(const char* text)
{
    QList<std::pair<QString, QString>> out;
    for (const QString& item : QString::fromUtf8(text).split(u' ', Qt::SkipEmptyParts)) {
        QStringList sides = item.split(u'>');
        for (QString& side : sides)
            side.replace(u'_', QString());
        out.append({sides.value(0), sides.value(1)});
    }
    return out;
}

TEST(ChordDet, PitchClasses)
{
    // A character other than A-G/a-g reads as C; "b" and "#" only count second.
    for (const auto& [chord, pitch] :
         pairs("C>0 C#>1 Db>1 D>2 D#>3 Eb>3 E>4 Fb>4 E#>5 F>5 F#>6 Gb>6 G>7 G#>8 Ab>8 A>9 "
               "A#>10 Bb>10 B>11 Cb>11 B#>0 c>0 db>1 f#>6 bb>10 Bbm7>10 G/B>7 CB>0 _>0 "
               "N.C.>0 x>0 H7>0 #>0 9>0")) {
        SCOPED_TRACE(chord.toStdString());
        EXPECT_EQ(ChordDet::noChordFromChord(chord), pitch.toInt());
    }
    EXPECT_EQ(ChordDet::noChordFromBase("C", true, false), 1);
    EXPECT_EQ(ChordDet::noChordFromBase("C", false, true), 11);
    EXPECT_EQ(ChordDet::noChordFromBase("B", true, false), 0);
    EXPECT_EQ(ChordDet::noChordFromBase("a", false, true), 8);
    EXPECT_EQ(ChordDet::noChordFromBase("Xyz", true, false), 1);
    EXPECT_EQ(ChordDet::noChordFromBase("", false, false), 0);
    // Minor keys ("m" right after the root, not "maj") count as their relative major; an
    // empty key is C.
    for (const auto& [key, pitch] :
         pairs("_>0 C>0 G>7 Am>0 Em>7 F#m>9 Dm>5 Bbm>1 Cm>3 am>0 Bm>2 Cmaj7>0 Gdim>7 CM7>0 "
               "Am7>0 C#m7b5>4 Ebmaj7>3 Bbmaj>10 Emadd9>7")) {
        SCOPED_TRACE(key.toStdString());
        EXPECT_EQ(ChordDet::keyPitchClass(key), pitch.toInt());
    }
}

TEST(ChordDet, SpellingOfEveryPitchClassUnderEveryKeyAndPreference)
{
    // The transposed keys under which automatic spelling takes the flat name.
    const std::pair<int, std::vector<int>> automaticFlats[] = {{1, {3, 8, 10}},
                                                               {3, {0, 3, 5, 8, 10}},
                                                               {6, {3, 8}},
                                                               {8, {3, 5, 8, 10}},
                                                               {10, {0, 3, 5, 7, 8, 10}}};
    for (int n = 0; n < 12; ++n) {
        for (int k = 0; k < 12; ++k) {
            SCOPED_TRACE("n " + std::to_string(n) + " k " + std::to_string(k));
            bool flat = false;
            for (const auto& [black, keys] : automaticFlats)
                flat = flat || (black == n && std::count(keys.begin(), keys.end(), k) > 0);
            EXPECT_EQ(ChordDet::strChord(n, k, F), q(kFlatNames[n]));
            for (int sharp : {S, 7, -1})
                EXPECT_EQ(ChordDet::strChord(n, k, sharp), q(kSharpNames[n]));
            EXPECT_EQ(ChordDet::strChord(n, k, A), q(flat ? kFlatNames[n] : kSharpNames[n]));
        }
    }
}

struct Group {
    int semitones;
    const char* key;
    int pref;
    const char* chords;
};

TEST(ChordDet, TransposeChords)
{
    const Group groups[] = {
        // Every root, key C up 2: transposed key 2 takes no flat name.
        {2, "C", A,
         "C>D C#>D# Db>D# D>E D#>F Eb>F E>F# F>G F#>G# Gb>G# G>A G#>A# Ab>A# A>B "
         "A#>C Bb>C B>C# Cb>C# B#>D E#>G Fb>F#"},
        // Key F up 5: transposed key 10 flattens 1, 3, 8 and 10 but not 6.
        {5, "F", A, "C>F C#>F# Eb>Ab F>Bb F#>B Ab>Db A>D Bb>Eb B>E"},
        {-1, "E", F, "C>B Db>C D>Db E>Eb G>Gb A>Ab B>Bb F#>F"},
        {-1, "Bb", S, "D>C# E>D# G>F# A>G# B>A# Bb>A Ab>G"},
        {0, "C", A, "Bb>Bb A#>Bb Cb>B B#>C E#>F Fb>E"},
        // Lower-case roots read as upper case; suffixes stay as written.
        {2, "C", A,
         "am>Bm c>D eb>F f#m7>G#m7 Cm>Dm C7>D7 Cmaj7>Dmaj7 Csus2>Dsus2 Csus4>Dsus4 "
         "Cdim>Ddim Caug>Daug Cadd9>Dadd9 C#m7b5>D#m7b5 Bbm7>Cm7 Abdim>A#dim"},
        {-3, "C", F, "Cm(maj7)>Am(maj7) Gb7>Eb7"},
        // Not chords: left as written rather than read as C ("N.C." would become "D.C.").
        {2, "C", A, "_>_ N.C.>N.C. H7>H7 x>x 7>7 #># %>% Ébm>Ébm"},
        // With no key the first chord C is the key; transposed key 1.
        {1, "C", A, "C>C# D>D#"},
        {1, "D", A, "A>Bb D>Eb F#>G"},
        {1, "F", A, "A>A# E>F"},
        // A minor counts as C: up 3 spells by 3.
        {3, "Am", A, "Am>Cm F>Ab G>Bb E7>G7 Dm>Fm"},
        // B major spells its own sharps; Ab major its own flats.
        {0, "B", A, "D#>D# Eb>D# Gb>F# Ab>G# Bb>A# C#>C#"},
        {0, "Ab", A, "G#>Ab Db>Db C#>Db Eb>Eb Bb>Bb Gb>Gb"},
        {1, "G", A, "Ab>A G>Ab C>Db D>Eb F#>G"},
        // "Cmaj7" standing in for the key is C major: nothing is sharpened into flats.
        {1, "Cmaj7", A, "C>C# D>D# F>F#"},
        // A chord in parentheses keeps them.
        {2, "C", A, "(E)>(F#) (Am/G)>(Bm/A) (C>(C ()>()"},
        {0, "E", F, "C#>Db"},
        {0, "E", S, "Bb>A#"},
        // Bass after the first "/"; empty sides stay empty, a final "/" belongs to the suffix.
        {2, "C", A,
         "G/B>A/C# G/b>A/C# Am/G>Bm/A C/>D/ /E>/F# />/ C/E/G>D/F#/G C6/9>D6/9 C/x>D/x "
         "x/E>x/F#"},
        {1, "C", F, "C/E>Db/F"},
        {2, "D", A, "D/F#>E/G#"},
        {0, "F", A, "C/Bb>C/Bb"},
        {0, "C", S, "Eb/Bb>D#/A#"},
    };
    for (const Group& g : groups) {
        for (const auto& [chord, expected] : pairs(g.chords)) {
            SCOPED_TRACE(chord.toStdString() + " by " + std::to_string(g.semitones) + " in " +
                         g.key + " pref " + std::to_string(g.pref));
            EXPECT_EQ(ChordDet::transposeChordWithRoot(chord, g.semitones, g.key, g.pref),
                      expected);
            if (!chord.contains(u'/')) {
                EXPECT_EQ(ChordDet::transposeSingleChord(chord, g.semitones, g.key, g.pref),
                          expected);
            }
        }
    }
    // Without the bass rule the "/" and what follows are suffix.
    EXPECT_EQ(ChordDet::transposeSingleChord("G/B", 2, "C", A), q("A/B"));
}

TEST(ChordDet, EverySemitone)
{
    // Keys transposed as their own key, automatic spelling; index semitones + 11.
    const char* const major[23] = {"C#", "D", "Eb", "E", "F", "F#", "G", "Ab", "A", "Bb", "B", "C",
                                   "C#", "D", "Eb", "E", "F", "F#", "G", "Ab", "A", "Bb", "B"};
    const char* const minor[23] = {"A#m", "Bm",  "Cm",  "C#m", "Dm",  "D#m", "Em", "Fm",
                                   "F#m", "Gm",  "G#m", "Am",  "A#m", "Bm",  "Cm", "C#m",
                                   "Dm",  "D#m", "Em",  "Fm",  "F#m", "Gm",  "G#m"};
    for (int s = -11; s <= 11; ++s) {
        SCOPED_TRACE("by " + std::to_string(s));
        EXPECT_EQ(ChordDet::transposeSingleChord("C", s, "C", A), q(major[s + 11]));
        EXPECT_EQ(ChordDet::transposeSingleChord("Am", s, "Am", A), q(minor[s + 11]));
        // Fixed preferences: the key does not matter.
        const int n = ((6 + s) % 12 + 12) % 12;
        for (const char* key : {"C", "Eb", "F#m"}) {
            EXPECT_EQ(ChordDet::transposeChordWithRoot("F#m7/E", s, key, F),
                      QString::fromLatin1(kFlatNames[n]) + "m7/" + kFlatNames[(n + 10) % 12]);
            EXPECT_EQ(ChordDet::transposeChordWithRoot("F#m7/E", s, key, S),
                      QString::fromLatin1(kSharpNames[n]) + "m7/" + kSharpNames[(n + 10) % 12]);
        }
    }
}

TEST(ChordDet, RecordPairsSourceWithTransposedForm)
{
    ChordDet det = ChordDet::initWithChordSource("G/B");
    EXPECT_EQ(det.chordSource, q("G/B"));
    EXPECT_TRUE(det.chordDest.isEmpty());
    det.transposeChord(2, "C", A);
    EXPECT_EQ(det.chordSource, q("G/B"));
    EXPECT_EQ(det.chordDest, q("A/C#"));
    det.transposeChord(-1, "C", F);
    EXPECT_EQ(det.chordDest, q("Gb/Bb"));
}

} // namespace
} // namespace partivo
