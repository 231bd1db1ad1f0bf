#include "chordpro/ChordFingering.h"

#include "QtPrinters.h"

#include <gtest/gtest.h>

using namespace partivo::chordpro;

namespace {

// "Am 1 [x 0 2 2 1 0]", then " fingers [...]" when there are fingers; "none" for nothing.
QString shown(const std::optional<ChordFingering>& fingering)
{
    if (!fingering)
        return QStringLiteral("none");
    const auto list = [](const QList<int>& values) {
        QStringList items;
        for (int v : values)
            items.append(v < 0 ? QStringLiteral("x") : QString::number(v));
        return "[" + items.join(u' ') + "]";
    };
    QString out =
        fingering->name + " " + QString::number(fingering->baseFret) + " " + list(fingering->frets);
    if (!fingering->fingers.isEmpty())
        out += " fingers " + list(fingering->fingers);
    return out;
}

struct Case {
    const char* input;
    const char* expected;
};

TEST(ChordDiagramDefinition, ReadsTheDefinitionForms)
{
    const Case cases[] = {
        {"Am base-fret 1 frets x 0 2 2 1 0", "Am 1 [x 0 2 2 1 0]"},
        {"Bes base-fret 1 frets 1 1 3 3 3 1 fingers 1 1 2 3 4 1",
         "Bes 1 [1 1 3 3 3 1] fingers [1 1 2 3 4 1]"},
        {"As  base-fret 4 frets 1 3 3 2 1 1 fingers 1 3 4 2 1 1",
         "As 4 [1 3 3 2 1 1] fingers [1 3 4 2 1 1]"},
        // Without base-fret the diagram starts at the nut.
        {"D7 frets x 5 4 5 3 x", "D7 1 [x 5 4 5 3 x]"},
        // A colon after the name, attached or not, or in front of everything.
        {"Am: base-fret 1 frets x 0 2 2 1 0", "Am 1 [x 0 2 2 1 0]"},
        {"Am : frets x 0 2 2 1 0", "Am 1 [x 0 2 2 1 0]"},
        {"Am:base-fret 2 frets x 0 2 2 1 0", "Am 2 [x 0 2 2 1 0]"},
        {": Am frets x 0 2 2 1 0", "Am 1 [x 0 2 2 1 0]"},
        // Blanks and tabs anywhere, keywords and marks in any case.
        {"\t D7 \tBASE-FRET   3\tFrets x 3 2 3 1 X  ", "D7 3 [x 3 2 3 1 x]"},
        {"C FRETS N 3 2 0 1 n FINGERS x 3 2 - 1 N", "C 1 [x 3 2 0 1 x] fingers [0 3 2 0 1 0]"},
        {"C frets -1 3 2 0 1 0", "C 1 [x 3 2 0 1 0]"},
        // The sections in another order, leading zeros, the extreme values.
        {"G frets 3 2 0 0 0 3 base-fret 1", "G 1 [3 2 0 0 0 3]"},
        {"G fingers 2 1 0 0 0 3 frets 3 2 0 0 0 3", "G 1 [3 2 0 0 0 3] fingers [2 1 0 0 0 3]"},
        {"E base-fret 07 frets 01 3", "E 7 [1 3]"},
        {"High base-fret 24 frets 24 0 x", "High 24 [24 0 x]"},
        // Other instruments: one to twelve strings.
        {"C frets 0 0 0 3", "C 1 [0 0 0 3]"},
        {"One frets 5", "One 1 [5]"},
        {"Twelve frets 1 2 3 4 5 6 7 8 9 10 11 12", "Twelve 1 [1 2 3 4 5 6 7 8 9 10 11 12]"},
        // A name alone: the chord is shown, its shape comes from elsewhere.
        {"Am", "Am 1 []"},
        {"  F#m7b5:  ", "F#m7b5 1 []"},
        {"Am :", "Am 1 []"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.input);
        EXPECT_EQ(shown(parseChordDefinition(QString::fromUtf8(c.input))),
                  QString::fromUtf8(c.expected));
    }
}

TEST(ChordDiagramDefinition, RefusesWhatCannotBeDrawn)
{
    const char* const cases[] = {
        // No name.
        "",
        " \t ",
        ":",
        ": base-fret 1 frets x 0 2 2 1 0",
        // Values that are not frets.
        "Am frets x 0 2 a 1 0",
        "Am frets x 0 2 2.5 1 0",
        "Am frets x 0 2 +2 1 0",
        "Am frets x 0 2 -2 1 0",
        "Am frets x 0 2 2 1 o",
        "Am frets 25 0 0",
        "Am frets 99999999999999999999 0 0",
        "Am frets 1 2 3 4 5 6 7 8 9 10 11 12 13",
        // Base frets out of range or not one number.
        "Am base-fret 0 frets x 0 2 2 1 0",
        "Am base-fret 25 frets x 0 2 2 1 0",
        "Am base-fret -1 frets x 0 2 2 1 0",
        "Am base-fret x frets x 0 2 2 1 0",
        "Am base-fret 1 2 frets x 0 2 2 1 0",
        "Am base-fret frets x 0 2 2 1 0",
        // Fingers that do not go one to a string, or are not fingers.
        "Am frets x 0 2 2 1 0 fingers 0 0 2 3 1",
        "Am frets x 0 2 2 1 0 fingers 0 0 2 3 1 0 0",
        "Am frets x 0 2 2 1 0 fingers 0 0 2 3 5 0",
        "Am frets x 0 2 2 1 0 fingers 0 0 2 3 a 0",
        "Am fingers 0 0 2 3 1 0",
        // A base fret with no frets to apply to, a keyword without values or given twice.
        "Am base-fret 3",
        "Am frets",
        "Am frets x 0 2 2 1 0 fingers",
        "Am frets x 0 2 2 1 0 frets 1 1 1 1 1 1",
        "Am base-fret 1 base-fret 2 frets x 0 2 2 1 0",
        // Words this reader does not know.
        "Am minor",
        "Am base-fret 1 frets x 0 2 2 1 0 keys 0 3 7",
        "A m frets x 0 2 2 1 0",
        "Am:: frets x 0 2 2 1 0",
    };
    for (const char* input : cases) {
        SCOPED_TRACE(input);
        EXPECT_EQ(shown(parseChordDefinition(QString::fromUtf8(input))), QStringLiteral("none"));
    }
}

} // namespace
