#include "chordpro/ChordProLineBuilder.h"
#include "chordpro/ChordProParser.h"

#include "QtPrinters.h"

#include <gtest/gtest.h>

using namespace partivo::chordpro;

namespace {

QString spans(const QList<Span>& list)
{
    QStringList out;
    for (const Span& span : list)
        out << QStringLiteral("%1-%2").arg(span.start).arg(span.end);
    return out.join(u',');
}

// Every output of every line: a segment as chords/lyrics with trailing spaces dropped from
// the chord line, "(empty)" and "(directives)" for the other shapes, spans as
// hl:start-end and emb:start-end; a drawn directive as {c:text} or {eoc}. Joined by " | ".
QString built(const QString& text, int nbMaxCarRef, bool lyricsOnly = false)
{
    QStringList out;
    const ParsedSong song = parseChordPro(text);
    for (const ParsedLine& line : song.lines) {
        for (const LineOutput& output : buildLine(line, {nbMaxCarRef, lyricsOnly})) {
            if (output.kind == LineOutput::Kind::Directive) {
                out << (output.directive.kind == DirectiveKind::Comment
                            ? "{c:" + output.directive.value + "}"
                            : QStringLiteral("{eoc}"));
                continue;
            }
            const LineSegment& s = output.segment;
            if (s.shape == LineSegment::Shape::Empty) {
                out << QStringLiteral("(empty)");
                continue;
            }
            if (s.shape == LineSegment::Shape::DirectivesOnly) {
                out << QStringLiteral("(directives)");
                continue;
            }
            QString chords = s.chords;
            while (chords.endsWith(u' '))
                chords.chop(1);
            QString shown = chords + "/" + s.lyrics;
            if (!s.highlights.isEmpty())
                shown += " hl:" + spans(s.highlights);
            if (!s.embedded.isEmpty())
                shown += " emb:" + spans(s.embedded);
            out << shown;
        }
    }
    return out.join(QStringLiteral(" | "));
}

struct BuildCase {
    const char* name;
    QString text;
    int nbMaxCarRef;
    const char* expected;
};

void runCases(const BuildCase* begin, const BuildCase* end, bool lyricsOnly = false)
{
    for (const BuildCase* c = begin; c != end; ++c)
        EXPECT_EQ(built(c->text, c->nbMaxCarRef, lyricsOnly), QString::fromUtf8(c->expected))
            << c->name;
}

TEST(ChordProLineBuilder, ChordsStandOverTheirLyricsPosition)
{
    const BuildCase cases[] = {
        {"chords over words", "[Am]Hello [G]world", 60, "Am    G/Hello world"},
        {"chord inside a word", "Wal[D]king", 60, "   D/Walking"},
        {"chord after the last character", "Hello[C]", 60, "     C/Hello"},
        {"a chord never starts before the previous one ended", "[Cmaj7]a[G]b", 60,
         "Cmaj7 G/a     b"},
        {"chords in a row are kept apart by a space", "[C][G]x", 60, "C G/  x"},
        {"a chord line without lyrics", "[C]  [G]", 60, "C G/  "},
        {"a space in the bracket ends the chord name", "[C maj]word", 60, "C/ majword"},
        {"plain lyrics give a blank chord line", "just words", 60, "/just words"},
    };
    runCases(std::begin(cases), std::end(cases));
}

TEST(ChordProLineBuilder, WrapsAfterTheLastSpaceAtTheReferenceWidth)
{
    const BuildCase cases[] = {
        {"exactly the width fits", "aaaa bbbb ", 10, "/aaaa bbbb "},
        {"one more breaks after the last space", "aaaa bbbb cccc", 10, "/aaaa bbbb  | /cccc"},
        {"a word without space breaks before the character", "abcdefghij", 5, "/abcde | /fghij"},
        {"the chord on the moved word goes with it", "aaaa bbbb [G]cccc", 10,
         "/aaaa bbbb  | G/cccc"},
        {"a chord before the break stays whole", "[Cmaj7]a bbbbbbbbbb", 10,
         "Cmaj7/a  | /bbbbbbbbbb"},
        {"the overhang of a chord counts", "aaaaaaaa[Cmaj7]", 10, "/aaaaaaaa | Cmaj7/"},
        {"a long line wraps more than once", "aa bb cc dd ee ff", 5, "/aa bb  | /cc dd  | /ee ff"},
        {"two fewer characters inside a chorus", "{soc}\naaaa bbbb cc", 10,
         "(directives) | /aaaa  | /bbbb cc"},
        {"the same line outside a chorus", "aaaa bbbb cc", 10, "/aaaa bbbb  | /cc"},
    };
    runCases(std::begin(cases), std::end(cases));
}

// A width of 0 or less, or a chord wider than the page, must still end: every line keeps at
// least one character or chord.
TEST(ChordProLineBuilder, ALimitBelowOneKeepsOneCharacterPerLine)
{
    const BuildCase cases[] = {
        {"limit 0", "ab c", 0, "/a | /b | /  | /c"},
        {"negative limit", "ab", -3, "/a | /b"},
        {"negative limit inside a chorus", "{soc}\nab", 0, "(directives) | /a | /b"},
        {"a chord wider than the page", "[Cmaj7sus4]x", 3, "Cmaj7sus4/ | /x"},
        {"a lone directive is not a character", "{soh}", 0, "(directives)"},
    };
    runCases(std::begin(cases), std::end(cases));
}

TEST(ChordProLineBuilder, EmbeddedChordsAndHighlights)
{
    const BuildCase cases[] = {
        {"embedded chords in parentheses from the next line on", "[C]a{soe}\n[C]Hello [G]you", 60,
         "C/a | /(C)Hello (G)you emb:0-3,9-12"},
        {"embedded chords wrap as text", "{soe}\n[C]Hello [G]you", 12,
         "(directives) | /(C)Hello  emb:0-3 | /(G)you emb:0-3"},
        {"a highlight span", "a{soh}bc{eoh}d", 60, "/abcd hl:1-3"},
        {"an open highlight goes on to the next line", "{soh}ab\ncd{eoh}e", 60,
         "/ab hl:0-2 | /cde hl:0-2"},
        {"an open highlight goes on after a wrap", "{soh}aaa bbb{eoh}", 5,
         "/aaa  hl:0-4 | /bbb hl:0-3"},
    };
    runCases(std::begin(cases), std::end(cases));
}

TEST(ChordProLineBuilder, LyricsOnlyHidesEmbeddedChordsButBreaksAtTheSamePlace)
{
    const BuildCase cases[] = {
        {"hidden chords still count", "{soe}\n[C]Hello [G]you", 12,
         "(directives) | /Hello  | /you"},
        {"chords over lyrics are built as usual", "[Am]Hello", 60, "Am/Hello"},
    };
    runCases(std::begin(cases), std::end(cases), true);
}

TEST(ChordProLineBuilder, DirectivesAreDrawnOnceWhereTheyStand)
{
    const BuildCase cases[] = {
        {"a comment before its line", "Hello {c:note} you", 60, "{c:note} | /Hello  you"},
        {"a comment on the moved part is not drawn twice", "aaaa bbbb {c:note}cccc", 10,
         "{c:note} | /aaaa bbbb  | /cccc"},
        {"end of chorus", "{soc}\nla\n{eoc}", 60, "(directives) | /la | {eoc} | (directives)"},
        {"an empty line", "a\n\nb", 60, "/a | (empty) | /b"},
        {"metadata only", "{title:x}", 60, "(directives)"},
    };
    runCases(std::begin(cases), std::end(cases));
}

TEST(ChordProLineBuilder, SpansBeyondFiftyPerLineAreNotRecorded)
{
    QString text;
    for (int i = 0; i < 60; ++i)
        text += QStringLiteral("{soh}a{eoh}b");
    const ParsedSong song = parseChordPro(text);
    const QList<LineOutput> out = buildLine(song.lines.first(), {1000, false});
    ASSERT_EQ(out.size(), 1);
    EXPECT_EQ(out.first().segment.highlights.size(), kMaxSpansPerLine);
    EXPECT_EQ(out.first().segment.highlights.last(), (Span{98, 99}));
}

TEST(ChordProLineBuilder, ChorusStateAtTheFlush)
{
    const ParsedSong song = parseChordPro(QStringLiteral("{soc}\nin\n{eoc}\nout"));
    ASSERT_EQ(song.lines.size(), 4);
    const auto chorusOf = [&](int line) {
        const QList<LineOutput> out = buildLine(song.lines[line], {60, false});
        return out.last().segment.chorus;
    };
    EXPECT_TRUE(chorusOf(0));
    EXPECT_TRUE(chorusOf(1));
    EXPECT_FALSE(chorusOf(2));
    EXPECT_FALSE(chorusOf(3));
}

} // namespace
