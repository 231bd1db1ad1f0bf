#include "library/FileNames.h"

#include "TestData.h"
#include "library/TestFolder.h"

#include <QDir>
#include <QStringList>
#include <gtest/gtest.h>

namespace partivo {
namespace {

using test::TestFolder;

// Paths are compared as text; gtest prints QString poorly, so failures show UTF-8.
std::string u8(const QString& s)
{
    return s.toStdString();
}

struct PathCase {
    const char* path;
    const char* fileName;
    const char* baseName;
    const char* extension;
    const char* stem;
    const char* notePath;
};

TEST(FileNames, PathParts)
{
    const PathCase cases[] = {
        {"/b/Song.pdf", "Song.pdf", "Song", "pdf", "/b/Song", "/b/Song.txt"},
        {"/b/Song.v2.final.pdf", "Song.v2.final.pdf", "Song.v2.final", "pdf", "/b/Song.v2.final",
         "/b/Song.v2.final.txt"},
        {"/b/Song(Band)live acoustic.pdf", "Song(Band)live acoustic.pdf", "Song(Band)live acoustic",
         "pdf", "/b/Song(Band)live acoustic", "/b/Song(Band)live acoustic.txt"},
        {"/b/Mixed.ChordPro", "Mixed.ChordPro", "Mixed", "ChordPro", "/b/Mixed", "/b/Mixed.txt"},
        {"/b/README", "README", "README", "", "/b/README", "/b/README.txt"},
        // A dot in a folder name is not an extension.
        {"/b.d/Song", "Song", "Song", "", "/b.d/Song", "/b.d/Song.txt"},
        {"/b.d/Song.cho", "Song.cho", "Song", "cho", "/b.d/Song", "/b.d/Song.txt"},
        {"/b/Song.", "Song.", "Song", "", "/b/Song", "/b/Song.txt"},
        {"Song.pdf", "Song.pdf", "Song", "pdf", "Song", "Song.txt"},
        {"/b/Straße(Müller)walzer.pdf", "Straße(Müller)walzer.pdf", "Straße(Müller)walzer", "pdf",
         "/b/Straße(Müller)walzer", "/b/Straße(Müller)walzer.txt"},
        {"/b/Ünïcødé Title(Émilie).chopro", "Ünïcødé Title(Émilie).chopro", "Ünïcødé Title(Émilie)",
         "chopro", "/b/Ünïcødé Title(Émilie)", "/b/Ünïcødé Title(Émilie).txt"},
        {"/b/Song---Live.pdf", "Song---Live.pdf", "Song---Live", "pdf", "/b/Song---Live",
         "/b/Song---Live.txt"},
    };
    for (const PathCase& c : cases) {
        SCOPED_TRACE(c.path);
        const QString path = QString::fromUtf8(c.path);
        EXPECT_EQ(u8(fileNameOf(path)), c.fileName);
        EXPECT_EQ(u8(baseNameOf(path)), c.baseName);
        EXPECT_EQ(u8(extensionOf(path)), c.extension);
        EXPECT_EQ(u8(stemOf(path)), c.stem);
        EXPECT_EQ(u8(notePathFor(path)), c.notePath);
    }
}

struct ExtensionCase {
    const char* extension;
    bool song;
    int type; // only meaningful for song extensions
};

TEST(FileNames, SongExtensionsAndTypes)
{
    const ExtensionCase cases[] = {
        {"pdf", true, 0},      {"PDF", true, 0},    {"Pdf", true, 0},   {"cho", true, 1},
        {"Cho", true, 1},      {"CHO", true, 1},    {"crd", true, 1},   {"chordpro", true, 1},
        {"CHORDPRO", true, 1}, {"chopro", true, 1}, {"cpm", true, 1},   {"tab", true, 1},
        {"TAB", true, 1},      {"txt", false, 0},   {"md", false, 0},   {"", false, 0},
        {"pd", false, 0},      {"pdfx", false, 0},  {"pdf ", false, 0}, {"PDF,CHO", false, 0},
        {",", false, 0},       {"chord", false, 0}, {"pro", true, 1},   {"PRO", true, 1},
        {"prof", false, 0},
    };
    for (const ExtensionCase& c : cases) {
        SCOPED_TRACE(std::string("extension '") + c.extension + "'");
        const QString extension = QString::fromUtf8(c.extension);
        EXPECT_EQ(isSongExtension(extension), c.song);
        if (c.song) {
            EXPECT_EQ(typeForExtension(extension), c.type);
        }
    }
}

TEST(FileNames, AlternateVersionNames)
{
    const struct {
        const char* name;
        bool alternate;
    } cases[] = {
        {"Song---Live.pdf", true},    {"Song---Live.chopro", true}, {"---.pdf", true},
        {"Song----x.pdf", true},      {"Song--Live.pdf", false},    {"Song - Live.pdf", false},
        {"Song-.-.-Live.pdf", false}, {"Song.pdf", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(isAlternateVersionName(QString::fromUtf8(c.name)), c.alternate);
    }
}

struct LookupCase {
    const char* name;
    QStringList existing; // files created in the folder
    const char* wanted;   // name looked for in the folder
    const char* found;    // name expected, "" for none
};

TEST(FileNames, FindCaseInsensitive)
{
    const LookupCase cases[] = {
        {"exact", {"Song.pdf", "Song.txt"}, "Song.txt", "Song.txt"},
        {"other case of name and extension", {"Song.pdf", "song.TXT"}, "Song.txt", "song.TXT"},
        {"exact name wins over a case variant", {"song.txt", "Song.txt"}, "Song.txt", "Song.txt"},
        {"missing", {"Song.pdf"}, "Song.txt", ""},
        {"no prefix match", {"Song.txt.bak", "Song.tx"}, "Song.txt", ""},
        {"non-ASCII", {"STRASSE.txt", "straße.TXT"}, "Straße.txt", "straße.TXT"},
        {"accented capital", {"ÉMILIE.TXT"}, "émilie.txt", "ÉMILIE.TXT"},
    };
    for (const LookupCase& c : cases) {
        SCOPED_TRACE(c.name);
        TestFolder folder;
        for (const QString& name : c.existing)
            folder.write(name, "x");
        const QString result =
            findCaseInsensitive(QDir(folder.path()).filePath(QString::fromUtf8(c.wanted)));
        const QString expected =
            *c.found ? QDir(folder.path()).filePath(QString::fromUtf8(c.found)) : QString();
        EXPECT_EQ(u8(result), u8(expected));
    }
}

TEST(FileNames, FindCaseInsensitiveInMissingFolder)
{
    TestFolder folder;
    EXPECT_EQ(u8(findCaseInsensitive(folder.path() + QStringLiteral("/nope/Song.txt"))), "");
}

TEST(FileNames, FindCaseInsensitiveIgnoresFolders)
{
    TestFolder folder;
    folder.write(QStringLiteral("song.txt/inner.pdf"));
    EXPECT_EQ(u8(findCaseInsensitive(folder.path() + QStringLiteral("/Song.txt"))), "");
}

TEST(FileNames, CompanionIndexFindsNotesOfTheWalk)
{
    CompanionIndex index;
    index.add(QStringLiteral("/b/Song.txt"));
    index.add(QStringLiteral("/b/case note.TXT"));
    index.add(QStringLiteral("/b/sub/Deep.txt"));
    index.add(QStringLiteral("/b/Twin.txt"));
    index.add(QStringLiteral("/b/TWIN.txt"));
    index.add(QStringLiteral("/b/Straße.txt"));

    const struct {
        const char* wanted;
        const char* found;
    } cases[] = {
        {"/b/Song.txt", "/b/Song.txt"},
        {"/b/song.TXT", "/b/Song.txt"},
        {"/b/Case Note.txt", "/b/case note.TXT"},
        {"/b/sub/Deep.txt", "/b/sub/Deep.txt"},
        {"/b/sub/deep.txt", "/b/sub/Deep.txt"},
        {"/b/Deep.txt", ""},
        {"/b/Missing.txt", ""},
        {"/b/Twin.txt", "/b/Twin.txt"},
        {"/b/TWIN.txt", "/b/TWIN.txt"},
        {"/b/STRAßE.TXT", "/b/Straße.txt"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.wanted);
        EXPECT_EQ(u8(index.find(QString::fromUtf8(c.wanted))), c.found);
    }
}

// A companion file always lies in the song's own folder. Folders that differ only in case are
// different folders on this system, so the case-insensitive fall-back must only bend the case of
// the file name, as findCaseInsensitive does.
TEST(FileNames, CompanionIndexStaysInTheSongsFolder)
{
    CompanionIndex index;
    index.add(QStringLiteral("/b/Sub/song.txt"));
    EXPECT_EQ(u8(index.find(QStringLiteral("/b/Sub/Song.txt"))), "/b/Sub/song.txt");
    EXPECT_EQ(u8(index.find(QStringLiteral("/b/sub/Song.txt"))), "");
    EXPECT_EQ(u8(index.find(QStringLiteral("/B/Sub/song.txt"))), "");
}

struct AltCase {
    const char* name;
    const char* song; // song file name, created in the folder
    QStringList existing;
    const char* version;
    const char* found; // "" for none
};

TEST(FileNames, AlternateVersionLookUp)
{
    const AltCase cases[] = {
        {"same extension first",
         "Song.pdf",
         {"Song---Live.pdf", "Song---Live.chopro"},
         "Live",
         "Song---Live.pdf"},
        {"PDF song, ChordPro version",
         "Song.pdf",
         {"Song---Live.chopro"},
         "Live",
         "Song---Live.chopro"},
        {"PDF song, only .chopro is tried",
         "Song.pdf",
         {"Song---Live.cho", "Song---Live.crd"},
         "Live",
         ""},
        {"nothing", "Song.pdf", {}, "Live", ""},
        {"other version only", "Song.pdf", {"Song---Rehearsal.pdf"}, "Live", ""},
        {"upper-case PDF song", "Song.PDF", {"Song---Live.chopro"}, "Live", "Song---Live.chopro"},
        {"upper-case PDF song, same extension",
         "Song.PDF",
         {"Song---Live.PDF"},
         "Live",
         "Song---Live.PDF"},
        {"case-insensitive hit", "Song.pdf", {"song---LIVE.PDF"}, "Live", "song---LIVE.PDF"},
        {"case-insensitive ChordPro hit",
         "Song.pdf",
         {"SONG---live.CHOPRO"},
         "Live",
         "SONG---live.CHOPRO"},
        {"exact beats case variant",
         "Song.pdf",
         {"Song---Live.pdf", "song---live.pdf"},
         "Live",
         "Song---Live.pdf"},
        {"ChordPro song, same extension",
         "Song.cho",
         {"Song---Live.cho", "Song---Live.pdf"},
         "Live",
         "Song---Live.cho"},
        {"ChordPro song, PDF version", "Song.cho", {"Song---Live.pdf"}, "Live", "Song---Live.pdf"},
        {"ChordPro song, no ChordPro fall-back", "Song.cho", {"Song---Live.chopro"}, "Live", ""},
        {".chopro song, PDF version",
         "Song.chopro",
         {"Song---Live.pdf"},
         "Live",
         "Song---Live.pdf"},
        {"dots in the name",
         "Song.v2.pdf",
         {"Song.v2---Live.pdf", "Song---Live.pdf"},
         "Live",
         "Song.v2---Live.pdf"},
        {"version name with spaces",
         "Song(Band).pdf",
         {"Song(Band)---Live at Home.pdf"},
         "Live at Home",
         "Song(Band)---Live at Home.pdf"},
        {"non-ASCII", "Straße.pdf", {"Straße---Bühne.chopro"}, "Bühne", "Straße---Bühne.chopro"},
    };
    for (const AltCase& c : cases) {
        SCOPED_TRACE(c.name);
        TestFolder folder;
        const QString song = folder.write(QString::fromUtf8(c.song));
        for (const QString& name : c.existing)
            folder.write(name);
        const QString expected =
            *c.found ? QDir(folder.path()).filePath(QString::fromUtf8(c.found)) : QString();
        EXPECT_EQ(u8(obtenirPathPourAltDir(song, QString::fromUtf8(c.version))), u8(expected));
    }
}

// The same look-ups on the loader corpus (read only).
TEST(FileNames, CorpusCompanions)
{
    const QDir corpus(testDataPath(QStringLiteral("corpus")));
    ASSERT_TRUE(corpus.exists());
    EXPECT_EQ(u8(obtenirPathPourAltDir(corpus.filePath(QStringLiteral("Song.pdf")),
                                       QStringLiteral("Live"))),
              u8(corpus.filePath(QStringLiteral("Song---Live.pdf"))));
    EXPECT_EQ(u8(obtenirPathPourAltDir(corpus.filePath(QStringLiteral("Song.pdf")),
                                       QStringLiteral("Studio"))),
              "");
    EXPECT_EQ(
        u8(findCaseInsensitive(notePathFor(corpus.filePath(QStringLiteral("Case Note.pdf"))))),
        u8(corpus.filePath(QStringLiteral("case note.TXT"))));
    EXPECT_EQ(u8(findCaseInsensitive(
                  notePathFor(corpus.filePath(QStringLiteral("Song(Band)live acoustic.pdf"))))),
              "");
}

} // namespace
} // namespace partivo
