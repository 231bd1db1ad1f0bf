#include "chordpro/ChordList.h"
#include "chordpro/ChordProParser.h"

#include "QtPrinters.h"

#include <gtest/gtest.h>

#include <iterator>

using namespace partivo;
using namespace partivo::chordpro;

namespace {

QString directiveShown(const ParsedDirective& d)
{
    const QString at = QStringLiteral("@%1").arg(d.pos);
    switch (d.kind) {
    case DirectiveKind::Comment:
        return "c:'" + d.value + "'" + at;
    case DirectiveKind::Metadata:
        return "meta:'" + d.value + "'" + at;
    case DirectiveKind::Other:
        return "other:'" + d.text + "'" + at;
    case DirectiveKind::Unclosed:
        return "unclosed:'" + d.text + "'" + at;
    default:
        return QString::fromLatin1(directiveKindName(d.kind)) + at;
    }
}

// One line as `kind 'text' [C@0 G@3] {soh@0 c:'x'@2}`, empty lists left out; lines joined by
// " | ".
QString shown(const ParsedSong& song)
{
    QStringList lines;
    for (const ParsedLine& line : song.lines) {
        QString out = QString::fromLatin1(lineKindName(line.kind)) + " '" + line.text + "'";
        QStringList chords;
        for (const ParsedChord& c : line.chords)
            chords << c.name + QStringLiteral("@%1").arg(c.pos);
        if (!chords.isEmpty())
            out += " [" + chords.join(u' ') + "]";
        QStringList directives;
        for (const ParsedDirective& d : line.directives)
            directives << directiveShown(d);
        if (!directives.isEmpty())
            out += " {" + directives.join(u' ') + "}";
        lines << out;
    }
    return lines.join(QStringLiteral(" | "));
}

struct ParseCase {
    const char* name;
    QString input;
    const char* lines;
};

const QString kNul(1, QChar(0));

TEST(ChordProParser, LinesChordsAndDirectives)
{
    const ParseCase cases[] = {
        // Lines
        {"empty text", "", ""},
        {"one line without line end", "Hello world", "lyrics 'Hello world'"},
        {"final line end adds no line", "a\nb\n", "lyrics 'a' | lyrics 'b'"},
        {"no final line end", "a\nb", "lyrics 'a' | lyrics 'b'"},
        {"a lone line end", "\n", "empty ''"},
        {"empty lines", "a\n\n\nb", "lyrics 'a' | empty '' | empty '' | lyrics 'b'"},
        {"carriage returns dropped", "a\r\n\r\nb\r\n", "lyrics 'a' | empty '' | lyrics 'b'"},
        {"tabs dropped", "a\tb\t", "lyrics 'ab'"},
        {"NUL dropped", "a" + kNul + "b", "lyrics 'ab'"},
        {"a line of dropped characters is empty", "\t\r" + kNul + "\n", "empty ''"},
        {"spaces are lyrics", "   ", "lyrics '   '"},
        // Comment lines
        {"comment line at the start vanishes", "#note\nHello", "lyrics 'Hello'"},
        {"comment line after a line end", "a\n#c\nb", "lyrics 'a' | lyrics 'b'"},
        {"comment lines in a row", "#a\n#b\n#c\nx", "lyrics 'x'"},
        {"comment line as the last line", "a\n#c", "lyrics 'a'"},
        {"only comment lines", "#a\n#b\n", ""},
        {"hash after spaces is lyrics", "  #note", "lyrics '  #note'"},
        {"hash inside a line is lyrics", "a # b", "lyrics 'a # b'"},
        {"hash after a tab is lyrics", "\t#x", "lyrics '#x'"},
        {"comment line in a CRLF file", "#c\r\nx\r\n", "lyrics 'x'"},
        {"chords of a comment line are gone", "#[C]x\n[G]y", "lyricsAndChords 'y' [G@0]"},
        // Chords
        {"chord at the start", "[C]Hello", "lyricsAndChords 'Hello' [C@0]"},
        {"chords inside words", "Hel[G]lo [Am]you", "lyricsAndChords 'Hello you' [G@3 Am@6]"},
        {"chord after the last word", "Go[D]", "lyricsAndChords 'Go' [D@2]"},
        {"chords only", "[C][G/B]", "chords '' [C@0 G/B@0]"},
        {"chords over spaces", "[C] [G]", "lyricsAndChords ' ' [C@0 G@1]"},
        {"space ends the chord name", "[C maj]word", "lyricsAndChords ' majword' [C@0]"},
        {"spaces after the name are kept", "x[C  y z]w", "lyricsAndChords 'x  y zw' [C@1]"},
        {"tab inside a chord dropped", "[A\tm]x", "lyricsAndChords 'x' [Am@0]"},
        {"odd chords kept as written", "[am][F#m7b5][Bb/Ab][N.C.]",
         "chords '' [am@0 F#m7b5@0 Bb/Ab@0 N.C.@0]"},
        {"empty brackets give nothing", "a[]b", "lyrics 'ab'"},
        {"empty brackets alone give an empty line", "[]", "empty ''"},
        {"bracket starting with a space", "[ x]y", "lyrics ' xy'"},
        {"bracket holding one space", "a[ ]b", "lyrics 'a b'"},
        {"lone closing bracket is lyrics", "a]b]", "lyrics 'a]b]'"},
        {"closing bracket after a chord is lyrics", "[C]]x", "lyricsAndChords ']x' [C@0]"},
        {"unterminated chord at the end", "x[Am", "lyricsAndChords 'x' [Am@1]"},
        {"unterminated chord ends at the line end", "x[Am\ny",
         "lyricsAndChords 'x' [Am@1] | lyrics 'y'"},
        {"unterminated chord with a space", "[Am some words\nnext",
         "lyricsAndChords ' some words' [Am@0] | lyrics 'next'"},
        {"new bracket ends an open one", "[C[D]x", "lyricsAndChords 'x' [C@0 D@0]"},
        {"brace ends an open chord", "[C{soh}x", "lyricsAndChords 'x' [C@0] {highlightStart@0}"},
        {"hash after an unterminated chord", "[C\n#c\nx", "chords '' [C@0] | lyrics 'x'"},
        // Directives
        {"chorus", "{soc}\nx\n{eoc}",
         "directives '' {chorusStart@0} | lyrics 'x' | directives '' {chorusEnd@0}"},
        {"long chorus names", "{start_of_chorus}{end_of_chorus}",
         "directives '' {chorusStart@0 chorusEnd@0}"},
        {"section directives are case-sensitive", "{Soc}{EOC}{SOH}",
         "directives '' {other:'Soc'@0 other:'EOC'@0 other:'SOH'@0}"},
        {"section directives match the whole text", "{soc }{ soc}",
         "directives '' {other:'soc '@0 other:' soc'@0}"},
        {"highlight inside a line", "{soh}hi{eoh} there",
         "lyrics 'hi there' {highlightStart@0 highlightEnd@2}"},
        {"embedded chords", "{soe}\n[C]x\n{eoe}",
         "directives '' {embeddedStart@0} | lyricsAndChords 'x' [C@0] | "
         "directives '' {embeddedEnd@0}"},
        {"directive makes no lyrics", "one {c:two} three", "lyrics 'one  three' {c:'two'@4}"},
        {"short comment trimmed", "{c:  Slowly  }", "directives '' {c:'Slowly'@0}"},
        {"long comment", "{comment:Bridge}", "directives '' {c:'Bridge'@0}"},
        {"comment of spaces only", "{c: }", "directives '' {c:''@0}"},
        {"too short for a comment", "{c:}{comment:}",
         "directives '' {other:'c:'@0 other:'comment:'@0}"},
        {"comment prefix is case-sensitive", "{C:x}{ c:y}",
         "directives '' {other:'C:x'@0 other:' c:y'@0}"},
        {"comment with a blank for the colon", "{c Chorus}{comment  Bridge}{c }{cx y}",
         "directives '' {c:'Chorus'@0 c:'Bridge'@0 other:'c '@0 other:'cx y'@0}"},
        {"metadata in any case and spacing", "{title: X}{ KEY : G }{k:F#m}{St:s}{fontsize:12}",
         "directives '' {meta:'X'@0 meta:'G'@0 meta:'F#m'@0 meta:'s'@0 meta:'12'@0}"},
        {"not metadata", "{titles:x}{title}{capo:}",
         "directives '' {other:'titles:x'@0 other:'title'@0 other:'capo:'@0}"},
        {"empty directive", "{}", "directives '' {other:''@0}"},
        {"lone closing brace is lyrics", "a}b", "lyrics 'a}b'"},
        {"directive across lines", "{title:\nLong\r\n}\nnext",
         "directives '' {meta:'Long'@0} | lyrics 'next'"},
        {"brackets inside a directive", "{c:[C] here}", "directives '' {c:'[C] here'@0}"},
        {"hash at a line start inside a directive", "{c:a\n#b}", "directives '' {c:'a#b'@0}"},
        {"unterminated directive takes the rest", "ab{soc\n[C]rest\n#x\nmore",
         "lyrics 'ab' {unclosed:'soc[C]rest#xmore'@2}"},
        {"unterminated directive at the start", "{title:x\ny",
         "directives '' {unclosed:'title:xy'@0}"},
        {"chords and directives on one line", "[C]{c:x}la[D]",
         "lyricsAndChords 'la' [C@0 D@2] {c:'x'@0}"},
    };
    for (const ParseCase& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(shown(parseChordPro(c.input)), QString::fromUtf8(c.lines));
    }
}

TEST(ChordProParser, ChordListInOrderOfFirstAppearance)
{
    const struct {
        const char* input;
        QStringList chords;
    } cases[] = {
        {"[C]a [G]b\n[C]c [Am]d", {"C", "G", "Am"}},
        {"[Am]x[am]y[AM]", {"Am", "am", "AM"}},
        {"[C maj]x[C]", {"C"}},
        {"[][ C]x", {}},
        {"#[X]\n[Y]", {"Y"}},
        {"{c:[Z]}[W", {"W"}},
        {"[D[E]", {"D", "E"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.input);
        EXPECT_EQ(parseChordPro(QString::fromUtf8(c.input)).chords.chords(), c.chords);
    }
}

TEST(ChordProParser, ChordsBeforeOrdersDirectivesAmongChords)
{
    const ParsedSong song = parseChordPro(u"[C]{soh}[D]x{eoh}{c:y}[E]");
    ASSERT_EQ(song.lines.size(), 1);
    const QList<ParsedDirective>& d = song.lines[0].directives;
    ASSERT_EQ(d.size(), 3);
    EXPECT_EQ(d[0].chordsBefore, 1);
    EXPECT_EQ(d[1].chordsBefore, 2);
    EXPECT_EQ(d[2].chordsBefore, 2);
    EXPECT_EQ(d[1].pos, 1);
}

TEST(ChordProParser, StateAtLineStart)
{
    const QString text = QStringLiteral("{soc}\n"
                                        "a{soh}b\n"
                                        "c{eoh}\n"
                                        "{soe}{eoc}\n"
                                        "[C]d\n"
                                        "{eoe}{Soc}{soc\n");
    struct Expected {
        bool chorus;
        bool embedded;
        bool highlight;
    };
    const Expected expected[] = {
        {false, false, false}, {true, false, false}, {true, false, true},
        {true, false, false},  {false, true, false}, {false, true, false},
    };
    const ParsedSong song = parseChordPro(text);
    ASSERT_EQ(song.lines.size(), std::size(expected));
    for (qsizetype i = 0; i < song.lines.size(); ++i) {
        SCOPED_TRACE(i);
        const LineState& s = song.lines[i].stateAtStart;
        EXPECT_EQ(s.chorus, expected[i].chorus);
        EXPECT_EQ(s.embedded, expected[i].embedded);
        EXPECT_EQ(s.highlight, expected[i].highlight);
    }
}

TEST(ChordProParser, SourceRanges)
{
    // Comment lines and line ends inside a directive are skipped by the line numbers.
    const QString text = QStringLiteral("ab\r\n#c\n{t:\nx}y\n\nlast");
    const ParsedSong song = parseChordPro(text);
    struct Expected {
        qsizetype start;
        qsizetype end;
        qsizetype line;
    };
    const Expected expected[] = {{0, 3, 1}, {7, 14, 3}, {15, 15, 5}, {16, 20, 6}};
    ASSERT_EQ(song.lines.size(), std::size(expected));
    for (qsizetype i = 0; i < song.lines.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(song.lines[i].sourceStart, expected[i].start);
        EXPECT_EQ(song.lines[i].sourceEnd, expected[i].end);
        EXPECT_EQ(song.lines[i].sourceLine, expected[i].line);
    }
    EXPECT_EQ(song.lines[1].text, QStringLiteral("y"));
}

// Each input must be read to its end in one pass; a quadratic step would show as a timeout.
TEST(ChordProParser, HostileInputsTerminate)
{
    const qsizetype mega = 1 << 20;
    {
        const ParsedSong song = parseChordPro(QString(mega, u'x'));
        ASSERT_EQ(song.lines.size(), 1);
        EXPECT_EQ(song.lines[0].text.size(), mega);
    }
    {
        const ParsedSong song = parseChordPro(QString(mega, u'['));
        ASSERT_EQ(song.lines.size(), 1);
        EXPECT_EQ(song.lines[0].kind, LineKind::Empty);
    }
    {
        const ParsedSong song = parseChordPro(QString(mega, u'{'));
        ASSERT_EQ(song.lines.size(), 1);
        ASSERT_EQ(song.lines[0].directives.size(), 1);
        EXPECT_EQ(song.lines[0].directives[0].kind, DirectiveKind::Unclosed);
        EXPECT_EQ(song.lines[0].directives[0].text.size(), mega - 1);
    }
    {
        const ParsedSong song = parseChordPro(QString(mega, u']'));
        ASSERT_EQ(song.lines.size(), 1);
        EXPECT_EQ(song.lines[0].text.size(), mega);
    }
    {
        const ParsedSong song = parseChordPro(QString(mega, QChar(0)));
        ASSERT_EQ(song.lines.size(), 1);
        EXPECT_EQ(song.lines[0].kind, LineKind::Empty);
    }
    {
        const ParsedSong song = parseChordPro(QStringLiteral("{}").repeated(mega / 2));
        ASSERT_EQ(song.lines.size(), 1);
        EXPECT_EQ(song.lines[0].directives.size(), mega / 2);
    }
    {
        const ParsedSong song = parseChordPro(QStringLiteral("#\n").repeated(mega / 2));
        EXPECT_TRUE(song.lines.isEmpty());
    }
    {
        const ParsedSong song = parseChordPro(QStringLiteral("[C x").repeated(mega / 4));
        ASSERT_EQ(song.lines.size(), 1);
        EXPECT_EQ(song.lines[0].chords.size(), mega / 4);
        EXPECT_EQ(song.chords.chords(), QStringList{"C"});
    }
}

TEST(ChordProParser, ManyDistinctChordsOnOneLine)
{
    QString text;
    const int count = 100000;
    for (int i = 0; i < count; ++i)
        text += QStringLiteral("[c%1]").arg(i);
    const ParsedSong song = parseChordPro(text);
    ASSERT_EQ(song.lines.size(), 1);
    EXPECT_EQ(song.lines[0].chords.size(), count);
    const QStringList chords = song.chords.chords();
    ASSERT_EQ(chords.size(), count);
    EXPECT_EQ(chords.first(), QStringLiteral("c0"));
    EXPECT_EQ(chords.last(), QStringLiteral("c99999"));
}

TEST(ChordProParser, InvalidSurrogatesPassThrough)
{
    const QChar high(0xD800);
    const QChar low(0xDC00);
    const QString text = QString(high) + "[" + QString(low) + "]" + QString(high) + "\n" +
                         QString(low).repeated(1000) + "{c:" + QString(high);
    const ParsedSong song = parseChordPro(text);
    ASSERT_EQ(song.lines.size(), 2);
    EXPECT_EQ(song.lines[0].text, QString(high) + QString(high));
    ASSERT_EQ(song.lines[0].chords.size(), 1);
    EXPECT_EQ(song.lines[0].chords[0].name, QString(low));
    EXPECT_EQ(song.lines[1].text.size(), 1000);
    ASSERT_EQ(song.lines[1].directives.size(), 1);
    EXPECT_EQ(song.lines[1].directives[0].text, QStringLiteral("c:") + QString(high));
}

TEST(ChordProParser, ManyShortLines)
{
    const ParsedSong song = parseChordPro(QStringLiteral("[G]la\n").repeated(100000));
    ASSERT_EQ(song.lines.size(), 100000);
    EXPECT_EQ(song.lines.last().sourceLine, 100000);
    EXPECT_EQ(song.chords.listeAccords(), QStringLiteral(";;G;"));
}

struct ChordListCase {
    const char* name;
    QStringList recorded;
    const char* stored;
    QStringList chords;
};

TEST(ChordList, RecordsDistinctChordsInOrder)
{
    const ChordListCase cases[] = {
        {"nothing", {}, "", {}},
        {"one chord", {"C"}, ";;C;", {"C"}},
        {"two chords", {"C", "G"}, ";;;C;;G;", {"C", "G"}},
        {"repeats skipped", {"C", "G", "C", "Am"}, ";;;;C;;G;;Am;", {"C", "G", "Am"}},
        {"case matters", {"Am", "am", "AM"}, ";;;;Am;;am;;AM;", {"Am", "am", "AM"}},
        {"trimmed of spaces and tabs", {" C\t", "C", "\tC "}, ";;C;", {"C"}},
        {"empty chords not recorded", {"", " ", "\t"}, "", {}},
        {"sharps and flats differ", {"C#", "Db", "C#"}, ";;;C#;;Db;", {"C#", "Db"}},
        {"slash chords whole", {"G/B", "G", "G/B"}, ";;;G/B;;G;", {"G/B", "G"}},
        {"prefix of a chord is another chord",
         {"Am7", "Am", "A"},
         ";;;;Am7;;Am;;A;",
         {"Am7", "Am", "A"}},
        // The stored form cannot hold ";" inside one item: a piece counts as present.
        {"semicolon chord splits", {"A;B", "A", "B"}, ";;A;B;", {"A", "B"}},
        {"semicolon chord repeated", {"A;B", "A;B"}, ";;A;B;", {"A", "B"}},
    };
    for (const ChordListCase& c : cases) {
        SCOPED_TRACE(c.name);
        ChordList list;
        for (const QString& chord : c.recorded)
            list.traiterUnAccord(chord);
        EXPECT_EQ(list.listeAccords(), QString::fromUtf8(c.stored));
        EXPECT_EQ(list.chords(), c.chords);
    }
}

TEST(ChordList, ClearStartsAgain)
{
    ChordList list;
    list.traiterUnAccord(QStringLiteral("C"));
    EXPECT_EQ(list.listeAccords(), QStringLiteral(";;C;"));
    list.clear();
    EXPECT_EQ(list.listeAccords(), QString());
    list.traiterUnAccord(QStringLiteral("C"));
    list.traiterUnAccord(QStringLiteral("D"));
    EXPECT_EQ(list.listeAccords(), QStringLiteral(";;;C;;D;"));
}

} // namespace
