#include "chordpro/ChordPro.h"
#include "chordpro/ChordProDirectives.h"
#include "chordpro/ChordProParser.h"
#include "chordpro/ChordProPrepare.h"
#include "chordpro/SongMeta.h"

#include "QtPrinters.h"

#include <gtest/gtest.h>

using namespace partivo::chordpro;

namespace {

QString kindAndName(const ParsedDirective& d)
{
    QString out = QString::fromLatin1(directiveKindName(d.kind));
    if (!d.name.isEmpty())
        out += "/" + d.name;
    if (!d.label.isEmpty())
        out += " label=" + d.label;
    if (!d.value.isEmpty())
        out += " value=" + d.value;
    if (d.style != CommentStyle::Plain)
        out += " style=" + QString::number(int(d.style));
    return out;
}

QString firstDirective(const QString& text, const Selectors& selectors = {})
{
    const ParsedSong song = parseChordPro(text, {selectors});
    for (const ParsedLine& line : song.lines) {
        if (!line.directives.isEmpty())
            return kindAndName(line.directives.first());
    }
    return QStringLiteral("none");
}

struct DirectiveCase {
    const char* text;
    const char* expected;
};

TEST(StandardDirectives, ReadInAnyCaseBesideTheProgramsOwn)
{
    const DirectiveCase cases[] = {
        // The program's own directives are read exactly as before.
        {"{soc}", "chorusStart"},
        {"{Soc}", "other"},
        {"{SOC: Chorus}", "other"},
        {"{C:not a comment}", "other"},
        {"{ c:not a comment either}", "other"},
        {"{c:}", "other"},
        {"{c Chorus}", "comment/comment value=Chorus"},
        // Their common forms with a label are sections.
        {"{soc: Chorus}", "chorusStart/chorus label=Chorus value=Chorus"},
        {"{start_of_chorus: label=\"Refrain\"}",
         "chorusStart/chorus label=Refrain value=label=\"Refrain\""},
        {"{eoc-guitar}", "chorusEnd/chorus"},
        // Common directives in any case.
        {"{Start_Of_Verse: Verse 1}", "sectionStart/verse label=Verse 1 value=Verse 1"},
        {"{start_of_verse: label=\"Verse 1\"}",
         "sectionStart/verse label=Verse 1 value=label=\"Verse 1\""},
        {"{SOV}", "sectionStart/verse"},
        {"{eob}", "sectionEnd/bridge"},
        {"{start_of_solo}", "sectionStart/solo"},
        {"{end_of_solo}", "sectionEnd/solo"},
        {"{chorus}", "chorusRecall/chorus"},
        {"{chorus: Last time}", "chorusRecall/chorus label=Last time value=Last time"},
        {"{CI: softly}", "comment/comment_italic value=softly style=1"},
        {"{comment_box: Solo}", "comment/comment_box value=Solo style=2"},
        {"{highlight: Key change}", "comment/highlight value=Key change style=3"},
        {"{Artist: The Band}", "metadata/artist value=The Band"},
        {"{meta: artist The Band}", "metadata/artist value=The Band"},
        {"{meta: Title   Long Road }", "metadata/title value=Long Road"},
        {"{meta:}", "other"},
        {"{capo: 3}", "metadata/capo value=3"},
        {"{transpose: -2}", "transpose/transpose value=-2"},
        {"{np}", "newPage/new_page"},
        {"{new_physical_page}", "newPage/new_physical_page"},
        {"{colb}", "columnBreak/column_break"},
        {"{columns: 2}", "columns/columns value=2"},
        {"{define: Am base-fret 1 frets x 0 2 2 1 0}",
         "chordDefinition/define value=Am base-fret 1 frets x 0 2 2 1 0"},
        {"{no_grid}", "diagrams/no_grid"},
        {"{diagrams: off}", "diagrams/diagrams value=off"},
        {"{image: src=\"cover.png\" width=100}", "image/image value=src=\"cover.png\" width=100"},
        {"{x_app_setting: 1}", "ignored/x_app_setting value=1"},
        {"{textsize: 12}", "other"},
    };
    for (const DirectiveCase& c : cases)
        EXPECT_EQ(firstDirective(QString::fromUtf8(c.text)), QString::fromUtf8(c.expected))
            << c.text;
}

TEST(StandardDirectives, SelectorsMatchTheInstrumentOrUser)
{
    const Selectors piano{QStringLiteral("piano"), QStringLiteral("anna")};
    const DirectiveCase cases[] = {
        {"{comment-piano: for the keys}", "comment/comment value=for the keys"},
        {"{comment-PIANO: any case}", "comment/comment value=any case"},
        {"{comment-anna: for Anna}", "comment/comment value=for Anna"},
        {"{comment-guitar: not here}", "ignored/comment value=not here"},
        {"{comment-!guitar: not guitar}", "comment/comment value=not guitar"},
        {"{comment-!piano: not piano}", "ignored/comment value=not piano"},
    };
    for (const DirectiveCase& c : cases)
        EXPECT_EQ(firstDirective(QString::fromUtf8(c.text), piano), QString::fromUtf8(c.expected))
            << c.text;
}

TEST(StandardDirectives, SectionForAnotherInstrumentIsSkippedWhole)
{
    const ParsedSong song = readSong(u"{start_of_verse-bass}\n[E]bass line\n{end_of_verse-bass}\n"
                                     u"[A]everyone\n");
    QStringList texts;
    for (const ParsedLine& line : song.lines)
        texts.append(line.text);
    EXPECT_EQ(texts, QStringList({"", "", "everyone"}));
    EXPECT_EQ(song.chords.chords(), QStringList({"A"}));
}

TEST(StandardDirectives, Attributes)
{
    const QMap<QString, QString> a =
        parseAttributes(u"src=\"my file.png\" Width=100 title='A \"quote\"' scale=50% bare");
    EXPECT_EQ(a.value("src"), "my file.png");
    EXPECT_EQ(a.value("width"), "100");
    EXPECT_EQ(a.value("title"), "A \"quote\"");
    EXPECT_EQ(a.value("scale"), "50%");
    EXPECT_FALSE(a.contains("bare"));
    EXPECT_EQ(parseAttributes(u"label=\"unclosed").value("label"), "unclosed");
}

TEST(StandardDirectives, DelegatedBodiesAreKeptAsWritten)
{
    const ParsedSong song = parseChordPro(u"{start_of_abc}\r\nX:1\r\nK:G\r\n[GAB] c2|\r\n"
                                          u"{END_OF_ABC}\r\n[C]after\r\n");
    ASSERT_EQ(song.lines.size(), 3);
    const ParsedDirective& start = song.lines[0].directives.first();
    EXPECT_EQ(start.kind, DirectiveKind::SectionStart);
    EXPECT_EQ(start.name, "abc");
    EXPECT_EQ(start.body, "X:1\nK:G\n[GAB] c2|\n");
    EXPECT_EQ(song.lines[1].sourceLine, 5);
    EXPECT_EQ(song.lines[1].directives.first().kind, DirectiveKind::SectionEnd);
    EXPECT_EQ(song.lines[2].sourceLine, 6);
    // ABC chords in brackets are not the song's chords.
    EXPECT_EQ(song.chords.chords(), QStringList({"C"}));

    const ParsedSong open = parseChordPro(u"{sot}\nnot delegated [D]\n{start_of_svg}\n<svg/>");
    EXPECT_EQ(open.lines.last().directives.first().body, "<svg/>\n");
}

TEST(StandardDirectives, AnnotationsAreNotChords)
{
    const ParsedSong spaced = readSong(u"[*ad lib.]la [*poco a poco\n");
    ASSERT_EQ(spaced.annotations.size(), 2);
    EXPECT_EQ(spaced.annotations[0].text, "ad lib.");
    EXPECT_EQ(spaced.lines.first().text, "la ");
    EXPECT_EQ(spaced.annotations[1].text, "poco a poco");

    const ParsedSong song = readSong(u"[*Rit.]slow [C]down [*]x\n");
    ASSERT_EQ(song.lines.first().chords.size(), 2);
    EXPECT_TRUE(song.lines.first().chords[0].annotation);
    EXPECT_EQ(song.lines.first().chords[0].name, "Rit.");
    EXPECT_EQ(song.chords.chords(), QStringList({"C"}));
    ASSERT_EQ(song.annotations.size(), 1);
    EXPECT_EQ(song.annotations.first(), (SongAnnotation{1, 0, "Rit."}));
}

TEST(StandardDirectives, MetaSubstitution)
{
    SongMeta meta;
    meta.add("Title", "Long Road");
    meta.add("key", "G");
    meta.add("artist", "Ann");
    meta.add("artist", "Bob");
    meta.add("capo", "");
    const DirectiveCase cases[] = {
        {"Key: %{key}", "Key: G"},
        {"%{TITLE} by %{artist}", "Long Road by Ann, Bob"},
        {"%{unknown}", ""},
        {"%{key|in %{}|no key}", "in G"},
        {"%{capo|Capo %{}|no capo}", "no capo"},
        {"%{composer|by %{composer}}", ""},
        {"%{composer||none}", "none"},
        {"%{key|%{title|%{}}}", "Long Road"},
        {"50%{ off", "50%{ off"},
        {"%{}", ""},
        {"no braces", "no braces"},
    };
    for (const DirectiveCase& c : cases)
        EXPECT_EQ(substituteMeta(QString::fromUtf8(c.text), meta), QString::fromUtf8(c.expected))
            << c.text;
}

TEST(StandardDirectives, CommentsAndLabelsTakeMetadata)
{
    const ParsedSong song =
        readSong(u"{c: Key: %{key}}\n{meta: key Am}\n{sov: %{title|%{}|Verse}}\n{eov}\n");
    EXPECT_EQ(song.lines[0].directives.first().value, "Key: Am");
    EXPECT_EQ(song.lines[2].directives.first().label, "Verse");
    EXPECT_EQ(song.meta.value("key"), "Am");

    // A "%{" the line does not close is text: the directive ends at its "}" as ever.
    const ParsedSong stray = readSong(u"{c: 100%{ sure}\n[C]la\n{c: %{a|{b}}\n");
    ASSERT_EQ(stray.lines.size(), 3);
    EXPECT_EQ(stray.lines[0].directives.first().value, "100%{ sure");
    EXPECT_EQ(stray.lines[1].text, "la");
    EXPECT_EQ(stray.lines[2].directives.first().text, "c: %{a|{b}");
}

TEST(StandardDirectives, TitlesTakeMetadataAndTheMetaTitle)
{
    const struct {
        const char* text;
        const char* title;
        const char* subtitle;
    } cases[] = {
        {"{title: %{artist} Live}\n{artist: Ann}", "Ann Live", ""},
        {"{meta: title Long Road, Part 2}\n{st: by %{artist|%{}|nobody}}", "Long Road, Part 2",
         "by nobody"},
        {"{t: Own}\n{meta: title Other}", "Own", ""},
        {"{title: 100%{ sure}", "100%{ sure", ""},
    };
    for (const auto& c : cases) {
        partivo::ChordPro song;
        song.determinerTitreSousTitreCle(QString::fromUtf8(c.text));
        EXPECT_EQ(song.obtenirTitre(), QString::fromUtf8(c.title)) << c.text;
        EXPECT_EQ(song.obtenirSousTitre(), QString::fromUtf8(c.subtitle)) << c.text;
    }
}

QStringList lineTexts(const ParsedSong& song)
{
    QStringList out;
    for (const ParsedLine& line : song.lines) {
        QString text = QString::number(line.sourceLine) + ":" + line.text;
        for (const ParsedChord& chord : line.chords)
            text += " [" + chord.name + "]";
        for (const ParsedDirective& d : line.directives)
            text += " {" + QString::fromLatin1(directiveKindName(d.kind)) +
                    (d.label.isEmpty() ? "" : "=" + d.label) +
                    (d.kind == DirectiveKind::Comment ? ":" + d.value : "") + "}";
        out.append(text);
    }
    return out;
}

TEST(StandardDirectives, ChorusRecall)
{
    const ParsedSong song = readSong(u"{soc: Refrain}\n[G]sing\n{eoc}\nverse\n{chorus}\n"
                                     u"{chorus: Twice}\n");
    EXPECT_EQ(lineTexts(song),
              QStringList({"1: {chorusStart=Refrain}", "2:sing [G]", "3: {chorusEnd}", "4:verse",
                           "5: {chorusRecall}", "5: {chorusStart=Refrain}", "5:sing [G]",
                           "5: {chorusEnd}", "6: {chorusRecall=Twice}", "6: {chorusStart=Twice}",
                           "6:sing [G]", "6: {chorusEnd}"}));

    // Nothing to recall: the cue.
    EXPECT_EQ(lineTexts(readSong(u"{chorus}\n{chorus: Refrain}\n")),
              QStringList({"1: {comment:Chorus}", "2: {comment=Refrain:Refrain}"}));

    // An unclosed chorus is recalled with its end.
    EXPECT_EQ(lineTexts(readSong(u"{soc}\nla\n")).size(), 2);
    EXPECT_EQ(lineTexts(readSong(u"{soc}\nla\n{chorus}\n")).last(), "3: {chorusEnd}");
}

TEST(StandardDirectives, TransposeMovesTheChordsAfterIt)
{
    const ParsedSong song =
        readSong(u"{key: G}\n[G]one [D]two\n{transpose: 2}\n[G]three [D/F#]four\n"
                 u"[C]five {transpose: 0}[C]six [*Rit.]\n");
    EXPECT_EQ(lineTexts(song).mid(1),
              QStringList({"2:one two [G] [D]", "3: {transpose}", "4:three four [A] [E/G#]",
                           "5:five six  [D] [C] [Rit.] {transpose}"}));
    EXPECT_EQ(song.shownChords, QStringList({"G", "D", "A", "E/G#", "C"}));
    // The song's own chord list is as written.
    EXPECT_EQ(song.chords.chords(), QStringList({"G", "D", "D/F#", "C"}));

    const DirectiveCase values[] = {{"2", "2"},   {" -3 ", "-3"}, {"+1", "1"}, {"x", "0"},
                                    {"99", "24"}, {"-99", "-24"}, {"", "0"}};
    for (const DirectiveCase& c : values)
        EXPECT_EQ(transposeSemitones(QString::fromUtf8(c.text)), QString(c.expected).toInt())
            << c.text;
}

TEST(StandardDirectives, SectionsAndDiagramSwitches)
{
    const ParsedSong song = readSong(u"{sov: V1}\nla\n{eov}\n{start_of_grid}\n| G |\n"
                                     u"{soc}\nx\n{diagrams: off}\n{start_of_tab}\ne|--\n");
    ASSERT_EQ(song.sections.size(), 4);
    EXPECT_EQ(song.sections[0], (SongSection{"verse", "V1", 1, 3}));
    EXPECT_EQ(song.sections[1], (SongSection{"grid", "", 4, 10}));
    EXPECT_EQ(song.sections[2], (SongSection{"chorus", "", 6, 10}));
    EXPECT_EQ(song.sections[3], (SongSection{"tab", "", 9, 10}));
    EXPECT_FALSE(song.diagrams);
    EXPECT_TRUE(readSong(u"{no_grid}\n{grid}\n").diagrams);
    EXPECT_FALSE(readSong(u"{diagrams}\n{ng}\n").diagrams);
}

} // namespace
