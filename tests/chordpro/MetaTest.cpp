#include "chordpro/ChordPro.h"
#include "chordpro/ChordProMeta.h"

#include "QtPrinters.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <QStringEncoder>
#include <gtest/gtest.h>

#include <optional>
#include <string>

using namespace partivo;
using namespace partivo::chordpro;

namespace {

// "<none>" stands for a missing value so that one column holds both outcomes.
QString shown(const std::optional<QString>& value)
{
    return value ? "[" + *value + "]" : QStringLiteral("<none>");
}

TEST(ChordProMeta, ObtenirChaine)
{
    const struct {
        const char* name;
        const char* text;
        const char* directive;
        const char* value;
    } cases[] = {
        {"plain", "{title:Song}", "{title:", "[Song]"},
        {"value untrimmed", "{title: My Song }", "{title:", "[ My Song ]"},
        {"upper-case text", "{TITLE:x}", "{title:", "[x]"},
        {"upper-case opener", "{title:x}", "{TITLE:", "[x]"},
        {"mixed case", "{TiTlE:x}", "{tItLe:", "[x]"},
        {"anywhere in the text", "la la {t:x} la", "{t:", "[x]"},
        {"inside a comment line too", "#{key:C}\n", "{key:", "[C]"},
        {"first occurrence wins", "{t:A}{t:B}", "{t:", "[A]"},
        {"missing", "{subtitle:x}", "{title:", "<none>"},
        {"short opener not inside another name", "{st:x}", "{t:", "<none>"},
        {"not closed", "{title:x", "{title:", "<none>"},
        {"first opener not closed takes the next brace", "{key:G\n{key:A}", "{key:", "[G\n{key:A]"},
        {"line ends kept", "{title:a\nb}", "{title:", "[a\nb]"},
        {"empty value", "{title:}", "{title:", "[]"},
        {"spaces around the colon", "{key : G}", "{key:", "[ G]"},
        {"spaces everywhere", "{ key : G }", "{key:", "[ G ]"},
        {"tabs around the colon", "{\tkey\t:\tG}", "{key:", "[\tG]"},
        {"space inside the name", "{ti tle:x}", "{title:", "<none>"},
        {"no colon", "{title x}", "{title:", "<none>"},
        {"second colon is value", "{title::x}", "{title:", "[:x]"},
        {"line end after the brace is not a space", "{\ntitle:x}", "{title:", "<none>"},
        {"empty opener", "{title:x}", "", "<none>"},
        {"empty text", "", "{title:", "<none>"},
        {"other opener form searched as written", "Title=abc}", "TITLE=", "[abc]"},
        // Positions are those of the text as written, whatever upper-casing would do.
        {"sharp s before the opener",
         "Stra\xc3\x9f"
         "e \xc3\x9f\xc3\x9f {TITLE:abc}",
         "{title:", "[abc]"},
        {"sharp s in the value", "{title:Gro\xc3\x9f und s\xc3\xbc\xc3\x9f}",
         "{title:", "[Gro\xc3\x9f und s\xc3\xbc\xc3\x9f]"},
        {"sharp s in the name is no match", "{\xc3\x9ft:x}", "{sst:", "<none>"},
        {"dotless i upper-cases to I", "{t\xc4\xb1tle:x}", "{title:", "[x]"},
        {"accents in the value", "{title:\xc3\x89t\xc3\xa9}", "{title:", "[\xc3\x89t\xc3\xa9]"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(shown(obtenirChaine(QString::fromUtf8(c.text), QString::fromUtf8(c.directive))),
                  QString::fromUtf8(c.value));
    }
}

TEST(ChordProMeta, DeterminerTitreSousTitreCle)
{
    const struct {
        const char* name;
        const char* text;
        const char* titre;
        const char* sousTitre;
        const char* cle;
    } cases[] = {
        {"none", "[C]la la", "", "", ""},
        {"trimmed", "{title: My Song }", "My Song", "", ""},
        {"tabs trimmed", "{title:\tTab\t}", "Tab", "", ""},
        {"long form first", "{t:A}\n{title:B}", "B", "", ""},
        {"short form when no long one", "{t:A}", "A", "", ""},
        {"found empty value is kept", "{title:}{t:X}", "", "", ""},
        {"subtitle long first", "{st:Short}{subtitle:Long}", "", "Long", ""},
        {"subtitle short", "{st: Sub }", "", "Sub", ""},
        {"key", "{key:D}", "", "", "D"},
        {"key after colon space", "{key: Bb}", "", "", "Bb"},
        {"short key", "{k:F#m}", "", "", "F#m"},
        {"key in capitals", "{KEY:e}", "", "", "e"},
        {"key spaced", "{ key : G }", "", "", "G"},
        {"title spaced", "{title : X}", "X", "", ""},
        {"subtitle is not the title", "{subtitle:S}", "", "S", ""},
        {"all three", "{title:T}\n{subtitle:S}\n{key:A}\n", "T", "S", "A"},
        {"unclosed key", "{key:A\n[C]x", "", "", ""},
        {"value over lines", "{title:\nSplit Over Lines\r\n}{key:\nA}", "Split Over Lines", "",
         "A"},
        {"sharp s before", "\xc3\x9f\xc3\x9f\xc3\x9f\n{TITLE:Fu\xc3\x9f}", "Fu\xc3\x9f", "", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const TitreSousTitreCle meta = determinerTitreSousTitreCle(QString::fromUtf8(c.text));
        EXPECT_EQ(meta.titre, QString::fromUtf8(c.titre));
        EXPECT_EQ(meta.sousTitre, QString::fromUtf8(c.sousTitre));
        EXPECT_EQ(meta.cle, QString::fromUtf8(c.cle));
    }
}

TEST(ChordProMeta, ObtenirFontSize)
{
    const struct {
        const char* text;
        double size;
    } cases[] = {
        {"{fontsize:9}", 9.0},       {"{fontsize:12.5}", 12.5},   {"{fontsize:0}", 17.0},
        {"{fontsize:100}", 17.0},    {"{fontsize:.5}", 17.0},     {"{fontsize:12.55}", 12.5},
        {"{fontsize:12.}", 12.0},    {"{fontsize:12.x}", 12.0},   {"{fontsize:9.9}", 9.9},
        {"{fontsize:99.9}", 99.9},   {"{fontsize:1.25}", 1.2},    {"{fontsize:0.5}", 17.0},
        {"{fontsize:123.4}", 17.0},  {"{fontsize:12.5.6}", 12.5}, {"{fontsize:.}", 17.0},
        {"{fontsize: 14 }", 14.0},   {"{ fontsize : 14 }", 14.0}, {"{FONTSIZE:11}", 11.0},
        {"{fontsize:\t13\t}", 13.0}, {"{fontsize:09}", 9.0},      {"{fontsize:+9}", 9.0},
        {"{fontsize:-5}", 17.0},     {"{fontsize:1a}", 1.0},      {"{fontsize:abc}", 17.0},
        {"{fontsize:12 .5}", 17.0},  {"{fontsize:}", 17.0},       {"{fontsize:  }", 17.0},
        {"{fontsize:12", 17.0},      {"no directive", 17.0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_DOUBLE_EQ(obtenirFontSize(QString::fromUtf8(c.text), 17.0), c.size);
    }
}

TEST(ChordProMeta, FontSizeDefaultIsPassedThrough)
{
    EXPECT_EQ(obtenirFontSize(QStringLiteral("[C]x"), 0.0), 0.0);
    EXPECT_EQ(obtenirFontSize(QStringLiteral("{fontsize:100}"), 0.0), 0.0);
    EXPECT_EQ(obtenirFontSize(QStringLiteral("{fontsize:10}"), 0.0), 10.0);
}

TEST(ChordProMeta, ValueStartAfterName)
{
    const struct {
        const char16_t* text;
        qsizetype from;
        const char16_t* name;
        qsizetype at;
    } cases[] = {
        {u"key:G", 0, u"key", 4},  {u" KEY :G", 0, u"key", 6}, {u"{k:x", 1, u"k", 3},
        {u"key", 0, u"key", -1},   {u"ke:", 0, u"key", -1},    {u"key :", 2, u"key", -1},
        {u"keys:", 0, u"key", -1}, {u":", 0, u"", -1},         {u"key:", 9, u"key", -1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(QString::fromUtf16(c.text).toStdString());
        EXPECT_EQ(valueStartAfterName(c.text, c.from, c.name), c.at);
    }
}

// Searches over hostile texts end, and without a quadratic step (which would time out).
TEST(ChordProMeta, HostileTextsTerminate)
{
    const qsizetype mega = 1 << 20;
    const QString braces(mega, u'{');
    EXPECT_FALSE(obtenirChaine(braces, QStringLiteral("{title:")));
    EXPECT_FALSE(obtenirChaine(QStringLiteral("{ ").repeated(mega / 2), "{title:"));
    EXPECT_FALSE(obtenirChaine(QStringLiteral("{title ").repeated(mega / 7), "{title:"));
    EXPECT_FALSE(obtenirChaine(QStringLiteral("{title:").repeated(mega / 7), "{title:"));
    const TitreSousTitreCle meta = determinerTitreSousTitreCle(braces + "{k:x}");
    EXPECT_EQ(meta.cle, QStringLiteral("x"));
    EXPECT_EQ(obtenirFontSize(QString(mega, QChar(0)), 17.0), 17.0);
}

class ChordProFile : public ::testing::Test {
protected:
    QString write(const char* name, const QByteArray& bytes)
    {
        const QString path = QDir(dir.path()).filePath(QString::fromUtf8(name));
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return path;
    }
    QTemporaryDir dir;
};

TEST_F(ChordProFile, LoadsUtf8)
{
    const QString path = write("a.cho", "{title: Caf\xc3\xa9 }\n{fontsize:12.5}\n[C]la\n");
    ChordPro song;
    ASSERT_TRUE(song.chargerFichier(path));
    EXPECT_EQ(song.chordProData(), QString::fromUtf8("{title: Caf\xc3\xa9 }\n{fontsize:12.5}\n"
                                                     "[C]la\n"));
    EXPECT_EQ(song.fontSize(), 12.5);
    // The title is read only when asked for.
    EXPECT_EQ(song.obtenirTitre(), QString());
    song.determinerTitreSousTitreCle(song.chordProData());
    EXPECT_EQ(song.obtenirTitre(), QString::fromUtf8("Caf\xc3\xa9"));
}

TEST_F(ChordProFile, LoadsWindows1252WithItsAccents)
{
    // "é" and "€" in code page 1252 are not valid UTF-8.
    const QString path = write("b.cho", "{title:Fen\xeatre \x80}\r\n[Am]D\xe9j\xe0\r\n");
    ChordPro song;
    ASSERT_TRUE(song.chargerFichier(path));
    song.determinerTitreSousTitreCle(song.chordProData());
    EXPECT_EQ(song.obtenirTitre(), QString::fromUtf8("Fen\xc3\xaatre \xe2\x82\xac"));
    const ParsedSong parsed = song.parse();
    ASSERT_EQ(parsed.lines.size(), 2);
    EXPECT_EQ(parsed.lines[1].text, QString::fromUtf8("D\xc3\xa9j\xc3\xa0"));
}

// Old Mac files end their lines with CR alone; UTF-16 files begin with their mark.
TEST_F(ChordProFile, OldMacLineEndsAndUtf16AreReadAsWritten)
{
    ChordPro mac;
    ASSERT_TRUE(mac.chargerFichier(write("mac.cho", "{title: Mac}\r[C]One\r[G]Two\r")));
    mac.determinerTitreSousTitreCle(mac.chordProData());
    EXPECT_EQ(mac.obtenirTitre(), QStringLiteral("Mac"));
    EXPECT_EQ(mac.parse().lines.size(), 3);

    QStringEncoder utf16(QStringConverter::Utf16BE, QStringConverter::Flag::WriteBom);
    ChordPro wide;
    ASSERT_TRUE(wide.chargerFichier(
        write("wide.cho", utf16.encode(QString::fromUtf8("{title: Été}\n[Am]Déjà\n")))));
    wide.determinerTitreSousTitreCle(wide.chordProData());
    EXPECT_EQ(wide.obtenirTitre(), QString::fromUtf8("Été"));
    EXPECT_EQ(wide.parse().lines.size(), 2);
    EXPECT_EQ(wide.listeAccords().chords(), QStringList{"Am"});
}

TEST_F(ChordProFile, InvalidUtf8BytesAreReadAndParsed)
{
    const QByteArray bytes =
        QByteArray("\xff\xfd[C\xc3]x\n{t:\x81\x8d}\n") + QByteArray(1000, '\xc3');
    const QString path = write("c.cho", bytes);
    ChordPro song;
    ASSERT_TRUE(song.chargerFichier(path));
    EXPECT_EQ(song.chordProData().size(), bytes.size());
    song.determinerTitreSousTitreCle(song.chordProData());
    EXPECT_EQ(song.obtenirTitre(), QString(QChar(0x81)) + QChar(0x8d));
    const ParsedSong parsed = song.parse();
    ASSERT_EQ(parsed.lines.size(), 3);
    EXPECT_EQ(song.listeAccords().chords(), QStringList{QString::fromUtf8("C\xc3\x83")});
}

TEST_F(ChordProFile, MissingFileGivesAnEmptyDocument)
{
    ChordPro song;
    song.setChordProData(QStringLiteral("{fontsize:9}[C]x"));
    song.setNbPages(4);
    EXPECT_FALSE(song.chargerFichier(QDir(dir.path()).filePath("missing.cho")));
    EXPECT_EQ(song.chordProData(), QString());
    EXPECT_EQ(song.nbPages(), 0);
    EXPECT_EQ(song.fontSize(), 17.0);
    EXPECT_TRUE(song.parse().lines.isEmpty());
    EXPECT_FALSE(song.chargerFichier(dir.path()));
}

TEST_F(ChordProFile, EmptyFileLoadsAsEmpty)
{
    ChordPro song;
    EXPECT_TRUE(song.chargerFichier(write("empty.cho", QByteArray())));
    EXPECT_EQ(song.chordProData(), QString());
}

TEST(ChordProDocument, ParseReplacesTheChordList)
{
    ChordPro song;
    song.traiterUnAccord(QStringLiteral("X"));
    EXPECT_EQ(song.obtenirListeAccords(), QStringLiteral(";;X;"));
    song.setChordProData(QStringLiteral("[C]a [G]b\n[C]c [Am]d\n"));
    const ParsedSong parsed = song.parse();
    EXPECT_EQ(parsed.lines.size(), 2);
    EXPECT_EQ(song.obtenirListeAccords(), QStringLiteral(";;;;C;;G;;Am;"));
    song.traiterUnAccord(QStringLiteral(" D "));
    EXPECT_EQ(song.listeAccords().chords(), (QStringList{"C", "G", "Am", "D"}));
}

TEST(ChordProDocument, MetadataAccessorsAndFontSize)
{
    ChordPro song;
    song.setChordProData(QStringLiteral("{t:x}{fontsize:9}"));
    EXPECT_EQ(song.fontSize(), 9.0);
    EXPECT_EQ(ChordPro::obtenirFontSize(QStringLiteral("{fontsize:0}"), 0.0), 0.0);
    song.determinerTitreSousTitreCle(QStringLiteral("{title:T}{st:S}{k:Eb}"));
    EXPECT_EQ(song.obtenirTitre(), QStringLiteral("T"));
    EXPECT_EQ(song.obtenirSousTitre(), QStringLiteral("S"));
    EXPECT_EQ(song.obtenirCle(), QStringLiteral("Eb"));
    song.determinerTitreSousTitreCle(QString());
    EXPECT_EQ(song.obtenirTitre(), QString());
    EXPECT_EQ(song.obtenirCle(), QString());
}

TEST(ChordProDocument, ReferenceSizeIsSharedByAllDocuments)
{
    EXPECT_EQ(ChordPro::sizeRefStatique(), QSizeF(611, 752));
    ChordPro::setSizeRef(QSizeF(800, 600));
    EXPECT_EQ(ChordPro::sizeRefStatique(), QSizeF(800, 600));
    ChordPro::setSizeRef(QSizeF(611, 752));
}

} // namespace
