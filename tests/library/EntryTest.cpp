#include "library/FileNames.h"
#include "library/FirstLetter.h"
#include "library/Pieces.h"
#include "library/PiecesDet.h"
#include "library/TabDet.h"

#include "TestData.h"
#include "library/TestFolder.h"

#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QSet>
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace partivo {
namespace {

using test::TestFolder;

const QByteArray kPdf = "%PDF-1.4\n%%EOF\n";

std::string u8(const QString& s)
{
    return s.toStdString();
}

QByteArray bytesOf(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QByteArray();
    return file.readAll();
}

// Tab-0 entry of a file, created the way a load creates it (no tab definition, forced).
std::shared_ptr<Pieces> entryFor(const QString& path, const EntryContext& context = {})
{
    return Pieces::initWithPDF(path, fileNameOf(path), typeForExtension(extensionOf(path)), 0,
                               nullptr, true, 0, QString(), {}, nullptr, context);
}

EntryContext withNotes(const CompanionIndex* notes)
{
    EntryContext context;
    context.notes = notes;
    return context;
}

EntryContext withRandom(QRandomGenerator& random)
{
    EntryContext context;
    context.random = &random;
    return context;
}

// Sorted file names of a folder, to see what a save left behind.
QStringList namesIn(const QString& folder)
{
    QStringList names = QDir(folder).entryList(QDir::Files | QDir::Hidden, QDir::Name);
    names.sort();
    return names;
}

// ---------------------------------------------------------------------------------------------
// Title, artist and tags of a song

struct InfoCase {
    const char* name;
    const char* file;     // song file name
    QByteArray song;      // song file content
    const char* noteFile; // "" = no note file
    QByteArray note;
    const char* title;
    const char* artist;
    const char* infoF;
    const char* fileNameTags; // obtenirInfoFromFilename
};

TEST(Entry, TitleArtistAndTags)
{
    const InfoCase cases[] = {
        // The file-name grammar "Title(Artist)tags".
        {"full grammar", "Song(Band)live acoustic.pdf", kPdf, "", "", "Song", "Band", "",
         "live acoustic"},
        {"space before the parenthesis stays", "Song (Band).pdf", kPdf, "", "", "Song ", "Band", "",
         ""},
        {"nothing after the parenthesis", "Song(Band).pdf", kPdf, "", "", "Song", "Band", "", ""},
        {"artist untrimmed", "Song( Band ).pdf", kPdf, "", "", "Song", " Band ", "", ""},
        {"first parentheses only", "Song(Band)(Other)x.pdf", kPdf, "", "", "Song", "Band", "",
         "(Other)x"},
        {"leading parenthesis", "(Band)Song.cho", "[G]la la\n", "", "", "Song", "Band", "", ""},
        {"leading parenthesis, title trimmed", "(Band)  Leading Paren  .cho", "[G]la\n", "", "",
         "Leading Paren", "Band", "", ""},
        {"leading parenthesis, nothing after", "(Band).cho", "[G]la\n", "", "", "(Band)", "Band",
         "", ""},
        {"reversed parentheses", "Song)x(y.pdf", kPdf, "", "", "Song)x(y", "(nil)", "", ""},
        {"no closing parenthesis", "Song(Band.pdf", kPdf, "", "", "Song(Band", "(nil)", "", ""},
        {"several dots", "Song.v2.final.pdf", kPdf, "", "", "Song.v2.final", "(nil)", "", ""},
        {"dots in the artist", "Song(A.B.).live.pdf", kPdf, "", "", "Song", "A.B.", "", ".live"},
        {"non-ASCII", "Straße(Müller)walzer.pdf", kPdf, "", "", "Straße", "Müller", "", "walzer"},
        {"accented ChordPro", "Ünïcødé Title(Émilie).chopro", "[C]la la\n", "", "", "Ünïcødé Title",
         "Émilie", "", ""},

        // ChordPro metadata, read when the file name gives no artist.
        {"empty parentheses, title directive", "Song().cho", "{title: Other}\n[G]la\n", "", "",
         "Other", "(nil)", "", ""},
        {"empty parentheses, no directive", "Song().cho", "[G]la\n", "", "", "Song", "(nil)", "",
         ""},
        {"short title", "Song().cho", "{t: Short}\n", "", "", "Short", "(nil)", "", ""},
        {"long title preferred", "Song().cho", "{t: Short}\n{title: Long}\n", "", "", "Long",
         "(nil)", "", ""},
        {"unclosed title counts as absent", "Song().cho", "{title: Unclosed\n[G]la\n", "", "",
         "Song", "(nil)", "", ""},
        {"unclosed short title", "Song().cho", "{t: Unclosed\n", "", "", "Song", "(nil)", "", ""},
        {"empty title directive", "Song().cho", "{title:}\n", "", "", "Song()", "(nil)", "", ""},
        {"subtitle", "Song().cho", "{subtitle: Sub}\n", "", "", "Song", "Sub", "", ""},
        {"short subtitle", "Song().cho", "{st: Short Sub}\n", "", "", "Song", "Short Sub", "", ""},
        {"long subtitle preferred", "Song().cho", "{st: S}\n{subtitle: Long Sub}\n", "", "", "Song",
         "Long Sub", "", ""},
        {"unclosed subtitle", "Song().cho", "{subtitle: Sub\n", "", "", "Song", "(nil)", "", ""},
        {"directive names in capitals", "Song().cho", "{TITLE: Big}\n{ST: Loud}\n", "", "", "Big",
         "Loud", "", ""},
        {"no parentheses", "Plain.cho", "{title: T}\n{st: A}\n", "", "", "T", "A", "", ""},
        {"artist before subtitle", "Plain.cho", "{st: Sub}\n{artist: Band}\n", "", "", "Plain",
         "Band", "", ""},
        {"meta artist and title", "Plain.cho", "{meta: artist Meta Band}\n{META: Title Meta T}\n",
         "", "", "Meta T", "Meta Band", "", ""},
        {"meta of another name", "Plain.cho", "{meta: album Disc}\n{meta: artist}\n{st: S}\n", "",
         "", "Plain", "S", "", ""},
        {"empty artist falls back", "Plain.cho", "{artist:}\n{st: S}\n", "", "", "Plain", "S", "",
         ""},
        {"title directive before meta", "Plain.cho", "{meta: title M}\n{t: T}\n", "", "", "T",
         "(nil)", "", ""},
        {"empty parentheses first", "()Tail.cho", "{st: Found}\n", "", "", "Tail", "Found", "", ""},
        {"artist in the file name: never read", "Song(Band).cho", "{title: Other}\n{st: X}\n", "",
         "", "Song", "Band", "", ""},
        {"a PDF is never read", "Song().pdf", "%PDF-1.4\n{title: X}\n{st: Y}\n%%EOF\n", "", "",
         "Song", "(nil)", "", ""},
        {"upper-case .TAB is ChordPro", "Upper().TAB", "{title: Tab Title}\n", "", "", "Tab Title",
         "(nil)", "", ""},
        {".crd", "Meta.crd", "{t: Meta Title}\n{st: Meta Artist}\n", "", "", "Meta Title",
         "Meta Artist", "", ""},
        {"Windows-1252 ChordPro", "Latin1().cho",
         "{title:\xC7"
         "a va}\n{st:L\xE9"
         "a}\n[G]\xC7"
         "a [D]va\n",
         "", "", "Ça va", "Léa", "", ""},
        {"UTF-8 ChordPro with byte order mark", "Bom().cho", "\xEF\xBB\xBF{title: Mit BOM}\n", "",
         "", "Mit BOM", "(nil)", "", ""},

        // Note directives override the file name.
        {"note overrides", "Song(Band).pdf", kPdf, "Song(Band).txt",
         "TITLE= Real Title\nARTIST=Note Artist\nTags=rock ballad\nTempo=120\n", " Real Title",
         "Note Artist", " rock ballad ", ""},
        {"blank note title ignored", "Song(Band).pdf", kPdf, "Song(Band).txt",
         "TITLE=   \nsome memo", "Song", "Band", "", ""},
        {"empty note title ignored", "Song(Band).pdf", kPdf, "Song(Band).txt", "TITLE=\nmemo\n",
         "Song", "Band", "", ""},
        {"blank note artist ignored", "Song(Band).pdf", kPdf, "Song(Band).txt", "ARTIST=  \n",
         "Song", "Band", "", ""},
        {"tags without final line feed", "Song.pdf", kPdf, "Song.txt", "memo\nTAGS=rock", "Song",
         "(nil)", "", ""},
        {"title without final line feed", "Song.pdf", kPdf, "Song.txt", "memo\nTITLE=Other", "Song",
         "(nil)", "", ""},
        {"lower-case names", "Song.pdf", kPdf, "Song.txt",
         "title=Lower\nartist=low band\ntags=x y\n", "Lower", "low band", " x y ", ""},
        {"eszett before the title", "Song.pdf", kPdf, "Song.txt", "Straße TITLE=Real\n", "Real",
         "(nil)", "", ""},
        {"eszetts before lower-case title", "Song.pdf", kPdf, "Song.txt", "ßß title=X\n", "X",
         "(nil)", "", ""},
        {"eszett before the tags", "Song.pdf", kPdf, "Song.txt", "Straße Tags=rock\n", "Song",
         "(nil)", " rock ", ""},
        {"empty tags line", "Song.pdf", kPdf, "Song.txt", "TAGS=\n", "Song", "(nil)", "  ", ""},
        {"tags keep spacing and case", "Song.pdf", kPdf, "Song.txt", "Tags=Rock  Pop\n", "Song",
         "(nil)", " Rock  Pop ", ""},
        {"first tags line wins", "Song.pdf", kPdf, "Song.txt", "TAGS=live\nTAGS=other\n", "Song",
         "(nil)", " live ", ""},
        {"CR LF tags line", "Song.pdf", kPdf, "Song.txt", "Tags=rock\r\n", "Song", "(nil)",
         " rock ", ""},
        {"note title, leading parenthesis artist", "(Band)Song.pdf", kPdf, "(Band)Song.txt",
         "TITLE=Note\n", "Note", "Band", "", ""},
        {"note title, ChordPro artist", "Song().cho", "{title: Other}\n{st: Sub}\n", "Song().txt",
         "TITLE=Mine\n", "Mine", "Sub", "", ""},
        {"note artist, ChordPro title", "Song(Band).cho", "{title: Other}\n", "Song(Band).txt",
         "ARTIST=N\n", "Other", "N", "", ""},
        {"note found case-insensitively", "Song.pdf", kPdf, "song.TXT", "TITLE=Found\n", "Found",
         "(nil)", "", ""},
        {"Windows-1252 note", "Song.pdf", kPdf, "Song.txt", "ARTIST=Caf\xE9\n", "Song", "Café", "",
         ""},
    };
    for (const InfoCase& c : cases) {
        SCOPED_TRACE(c.name);
        TestFolder folder;
        const QString path = folder.write(QString::fromUtf8(c.file), c.song);
        if (*c.noteFile)
            folder.write(QString::fromUtf8(c.noteFile), c.note);
        const auto entry = entryFor(path);
        ASSERT_TRUE(entry);
        const PiecesDet& det = *entry->pieceDet;
        EXPECT_EQ(u8(det.titre), c.title);
        EXPECT_EQ(u8(det.auteur), c.artist);
        EXPECT_EQ(u8(det.infoF), c.infoF);
        EXPECT_EQ(u8(det.obtenirInfoFromFilename()), c.fileNameTags);
    }
}

struct CorpusCase {
    const char* file;
    const char* title;
    const char* artist;
    const char* infoF;
    const char* firstLine; // the default note line of a window
    const char* tempo;     // tempoTxt
    int signature;
};

// The loader corpus, read only: creating entries never writes.
TEST(Entry, CorpusSongs)
{
    const CorpusCase cases[] = {
        {"Song(Band)live acoustic.pdf", "Song", "Band", "", "", "", 4},
        {"Song (Band).pdf", "Song ", "Band", "", "", "", 4},
        {"(Band)Leading Paren.cho", "Leading Paren", "Band", "", "", "", 4},
        {"Empty Parens().cho", "Other Title", "(nil)", "", "", "", 4},
        {"Reversed)x(y.pdf", "Reversed)x(y", "(nil)", "", "", "", 4},
        {"Straße(Müller)walzer.pdf", "Straße", "Müller", "", "Tempo=88", "88", 3},
        {"Ünïcødé Title(Émilie).chopro", "Ünïcødé Title", "Émilie", "", "", "", 4},
        {"Note Title.pdf", " Real Title", "Note Artist", " rock ballad ", "TITLE= Real Title",
         "120", 4},
        {"Blank Title.pdf", "Blank Title", "(nil)", "", "TITLE=   ", "", 4},
        {"No Final Newline.pdf", "No Final Newline", "(nil)", "", "memo", "", 4},
        {"Latin1 Note.pdf", "Latin1 Note", "(nil)", "", "Café crème – 3/4", "96", 3},
        {"Case Note.pdf", "Found Case-Insensitively", "(nil)", "", "Title=Found Case-Insensitively",
         "", 4},
        {"ChordPro Meta.cho", "Meta Title", "Meta Artist", "", "", "", 4},
        {"Latin1 Chords.cho", "Ça va", "Léa", "", "", "", 4},
    };
    const QDir corpus(testDataPath(QStringLiteral("corpus")));
    ASSERT_TRUE(corpus.exists());
    for (const CorpusCase& c : cases) {
        SCOPED_TRACE(c.file);
        const QString path = corpus.filePath(QString::fromUtf8(c.file));
        ASSERT_TRUE(QFile::exists(path));
        const auto entry = entryFor(path);
        ASSERT_TRUE(entry);
        EXPECT_EQ(u8(entry->pieceDet->titre), c.title);
        EXPECT_EQ(u8(entry->pieceDet->auteur), c.artist);
        EXPECT_EQ(u8(entry->pieceDet->infoF), c.infoF);
        EXPECT_EQ(u8(entry->notetxtForDir(QString(), 0, 0)), c.firstLine);
        EXPECT_EQ(u8(entry->tempoTxt()), c.tempo);
        EXPECT_EQ(entry->pieceDet->signature, c.signature);
    }
}

TEST(Entry, CorpusWindows1252NoteIsDecoded)
{
    const QString path = testDataPath(QStringLiteral("corpus/Latin1 Note.pdf"));
    const auto entry = entryFor(path);
    ASSERT_TRUE(entry);
    EXPECT_TRUE(entry->pieceDet->note);
    EXPECT_EQ(u8(entry->pieceDet->notetxt), "Café crème – 3/4\nTempo 96\n");
}

// ---------------------------------------------------------------------------------------------
// Reading and writing the note

struct ReadNoteCase {
    const char* name;
    std::vector<std::pair<const char*, QByteArray>> files; // beside "Song.pdf"
    bool note;
    const char* notetxt;
    const char* notePath; // file name the details remember
};

TEST(Entry, VerifNote)
{
    const ReadNoteCase cases[] = {
        {"no note", {}, false, "", "Song.txt"},
        {"empty note", {{"Song.txt", ""}}, false, "", "Song.txt"},
        {"UTF-8", {{"Song.txt", "memo\nTempo=90\n"}}, true, "memo\nTempo=90\n", "Song.txt"},
        {"UTF-8 non-ASCII",
         {{"Song.txt", "Stra\xC3\x9F"
                       "e\n"}},
         true,
         "Straße\n",
         "Song.txt"},
        {"Windows-1252",
         {{"Song.txt", "Caf\xE9 cr\xE8me \x96 3/4\n"}},
         true,
         "Café crème – 3/4\n",
         "Song.txt"},
        {"Windows-1252 single byte", {{"Song.txt", "\xE9"}}, true, "é", "Song.txt"},
        {"byte order mark only", {{"Song.txt", "\xEF\xBB\xBF"}}, false, "", "Song.txt"},
        {"byte order mark dropped", {{"Song.txt", "\xEF\xBB\xBFmemo"}}, true, "memo", "Song.txt"},
        {"carriage returns kept", {{"Song.txt", "a\r\nb\r\n"}}, true, "a\r\nb\r\n", "Song.txt"},
        {"other case", {{"song.TXT", "found"}}, true, "found", "song.TXT"},
        {"exact name wins",
         {{"Song.txt", "exact"}, {"song.txt", "variant"}},
         true,
         "exact",
         "Song.txt"},
        {"another song's note",
         {{"Songbook.txt", "other"}, {"Song.md", "other"}},
         false,
         "",
         "Song.txt"},
    };
    for (const ReadNoteCase& c : cases) {
        SCOPED_TRACE(c.name);
        TestFolder folder;
        const QString path = folder.write(QStringLiteral("Song.pdf"));
        for (const auto& [name, bytes] : c.files)
            folder.write(QString::fromUtf8(name), bytes);
        const auto entry = entryFor(path);
        ASSERT_TRUE(entry);
        EXPECT_EQ(entry->pieceDet->note, c.note);
        EXPECT_EQ(u8(entry->pieceDet->notetxt), c.notetxt);
        EXPECT_EQ(u8(entry->pieceDet->notePath),
                  u8(QDir(folder.path()).filePath(QString::fromUtf8(c.notePath))));
    }
}

TEST(Entry, VerifNoteReadsAgain)
{
    TestFolder folder;
    const QString path = folder.write(QStringLiteral("Song.pdf"));
    folder.write(QStringLiteral("Song.txt"), "first\n");
    const auto entry = entryFor(path);
    ASSERT_TRUE(entry->pieceDet->note);

    folder.write(QStringLiteral("Song.txt"), "second\n");
    entry->verifNote();
    EXPECT_TRUE(entry->pieceDet->note);
    EXPECT_EQ(u8(entry->pieceDet->notetxt), "second\n");

    folder.remove(QStringLiteral("Song.txt"));
    entry->verifNote();
    EXPECT_FALSE(entry->pieceDet->note);
    EXPECT_EQ(u8(entry->pieceDet->notetxt), "");
}

TEST(Entry, VerifNoteWithTheIndexOfALoad)
{
    TestFolder folder;
    const QString path = folder.write(QStringLiteral("Song.pdf"));
    const QString note = folder.write(QStringLiteral("song.TXT"), "TITLE=Indexed\n");

    CompanionIndex index;
    index.add(note);
    const auto indexed = entryFor(path, withNotes(&index));
    EXPECT_TRUE(indexed->pieceDet->note);
    EXPECT_EQ(u8(indexed->pieceDet->titre), "Indexed");
    EXPECT_EQ(u8(indexed->pieceDet->notePath), u8(note));

    // The index is the whole truth of a load: a file it does not list is no note.
    const CompanionIndex empty;
    const auto unindexed = entryFor(path, withNotes(&empty));
    EXPECT_FALSE(unindexed->pieceDet->note);
    EXPECT_EQ(u8(unindexed->pieceDet->titre), "Song");
}

struct SaveNoteCase {
    const char* name;
    std::vector<std::pair<const char*, QByteArray>> before; // note files beside "Song.pdf"
    bool keepText;                                          // save the text as it was read
    const char* newText;                                    // else save this text
    std::vector<std::pair<const char*, QByteArray>> after;  // note files after the save
};

TEST(Entry, SaveNote)
{
    const SaveNoteCase cases[] = {
        {"unchanged Windows-1252 note stays byte for byte",
         {{"Song.txt", "Caf\xE9 cr\xE8me \x96 3/4\nTempo 96\n"}},
         true,
         "",
         {{"Song.txt", "Caf\xE9 cr\xE8me \x96 3/4\nTempo 96\n"}}},
        {"changed Windows-1252 note is written as UTF-8",
         {{"Song.txt", "Caf\xE9\n"}},
         false,
         "Café au lait\n",
         {{"Song.txt", "Caf\xC3\xA9 au lait\n"}}},
        {"unchanged note keeps its byte order mark",
         {{"Song.txt", "\xEF\xBB\xBFmemo\n"}},
         true,
         "",
         {{"Song.txt", "\xEF\xBB\xBFmemo\n"}}},
        {"unchanged note keeps its carriage returns",
         {{"Song.txt", "a\r\nb\r\n"}},
         true,
         "",
         {{"Song.txt", "a\r\nb\r\n"}}},
        {"changed UTF-8 note",
         {{"Song.txt", "a\n"}},
         false,
         "a\nTags=rock\n",
         {{"Song.txt", "a\nTags=rock\n"}}},
        {"emptied note is deleted", {{"Song.txt", "memo\n"}}, false, "", {}},
        {"emptied Windows-1252 note is deleted", {{"Song.txt", "\xE9"}}, false, "", {}},
        {"no note and no text: nothing is created", {}, true, "", {}},
        {"new note", {}, false, "Tags=rock\n", {{"Song.txt", "Tags=rock\n"}}},
        {"new note in UTF-8",
         {},
         false,
         "Straße – 3/4\n",
         {{"Song.txt", "Stra\xC3\x9F"
                       "e \xE2\x80\x93 3/4\n"}}},
        {"case variant is rewritten in place",
         {{"song.TXT", "old\n"}},
         false,
         "new\n",
         {{"song.TXT", "new\n"}}},
        {"case variant is deleted in place", {{"song.TXT", "old\n"}}, false, "", {}},
        {"empty note file, text added", {{"Song.txt", ""}}, false, "memo", {{"Song.txt", "memo"}}},
    };
    for (const SaveNoteCase& c : cases) {
        SCOPED_TRACE(c.name);
        TestFolder folder;
        const QString path = folder.write(QStringLiteral("Song.pdf"));
        for (const auto& [name, bytes] : c.before)
            folder.write(QString::fromUtf8(name), bytes);
        const auto entry = entryFor(path);
        ASSERT_TRUE(entry);
        if (!c.keepText)
            entry->pieceDet->notetxt = QString::fromUtf8(c.newText);

        EXPECT_TRUE(entry->saveNote());

        QStringList expectedNames{QStringLiteral("Song.pdf")};
        for (const auto& [name, bytes] : c.after) {
            expectedNames << QString::fromUtf8(name);
            EXPECT_EQ(bytesOf(QDir(folder.path()).filePath(QString::fromUtf8(name))), bytes)
                << name;
        }
        expectedNames.sort();
        // Nothing else is left behind (no second note, no temporary file).
        EXPECT_EQ(namesIn(folder.path()).join(QLatin1Char('|')).toStdString(),
                  expectedNames.join(QLatin1Char('|')).toStdString());
    }
}

TEST(Entry, SaveNoteThenReadGivesTheSameText)
{
    TestFolder folder;
    const QString path = folder.write(QStringLiteral("Song.pdf"));
    folder.write(QStringLiteral("Song.txt"), "Caf\xE9\n");
    const auto entry = entryFor(path);
    entry->pieceDet->notetxt = QStringLiteral("Café – 2/4\nTempo=72\n");
    ASSERT_TRUE(entry->saveNote());

    const auto again = entryFor(path);
    EXPECT_EQ(u8(again->pieceDet->notetxt), "Café – 2/4\nTempo=72\n");
    EXPECT_EQ(u8(again->tempoTxt()), "72");
    EXPECT_EQ(again->pieceDet->signature, 2);
}

// ---------------------------------------------------------------------------------------------
// Details, sharing and derived values

TEST(Entry, NewDetails)
{
    TestFolder folder;
    const QString pdf = folder.write(QStringLiteral("Song.pdf"));
    const QString tab = folder.write(QStringLiteral("Chords.TAB"), "[G]la\n");
    folder.write(QStringLiteral("Song.txt"), "Tempo=120\n");

    const struct {
        QString path;
        int type;
    } cases[] = {{pdf, 0}, {tab, 1}};
    for (const auto& c : cases) {
        SCOPED_TRACE(u8(c.path));
        const auto entry = entryFor(c.path);
        ASSERT_TRUE(entry);
        const PiecesDet& det = *entry->pieceDet;
        EXPECT_EQ(u8(entry->getPath()), u8(c.path));
        EXPECT_EQ(det.typeFichier1, c.type);
        EXPECT_EQ(det.signature, 0);
        EXPECT_EQ(det.tempo, 0);
        EXPECT_FALSE(det.tempoOk);
        EXPECT_FALSE(det.played);
        for (int t = 0; t < 10; ++t)
            EXPECT_EQ(det.indexInTEMP[t], 0) << t;
        EXPECT_EQ(entry->ongNo, 0);
        EXPECT_EQ(u8(entry->sortString1), "");
        EXPECT_EQ(u8(entry->sortString2), "");
    }
}

TEST(Entry, EntriesOfOneFileShareTheirDetails)
{
    TestFolder folder;
    const QString path = folder.write(QStringLiteral("Song(Band).pdf"));
    const QString name = fileNameOf(path);
    const auto master = entryFor(path);
    ASSERT_TRUE(master);

    TabDet setlist = TabDet::initWithDirNo(0, 3);
    setlist.optSel = TabDet::Setlist;
    setlist.tabSort = TabDet::ListOrder;

    // A note written after the master was made is not read again for the tab entries.
    folder.write(QStringLiteral("Song(Band).txt"), "TITLE=Changed\n");

    const auto first = Pieces::initWithPDF(path, name, 0, 3, &setlist, false, 1,
                                           QStringLiteral("SONG"), {}, master);
    const auto second = Pieces::initWithPDF(path, name, 0, 3, &setlist, false, 4,
                                            QStringLiteral("SONG(BAND).PDF"), {}, master);
    ASSERT_TRUE(first);
    ASSERT_TRUE(second);
    EXPECT_EQ(first->pieceDet.get(), master->pieceDet.get());
    EXPECT_EQ(second->pieceDet.get(), master->pieceDet.get());
    EXPECT_EQ(u8(first->pieceDet->titre), "Song");
    EXPECT_EQ(u8(first->pieceDet->notetxt), "");
    EXPECT_EQ(master->ongNo, 0);
    EXPECT_EQ(first->ongNo, 3);
    EXPECT_EQ(u8(first->sortString1), "300000001Song");
    EXPECT_EQ(u8(second->sortString1), "300000004Song");

    // Changes through one entry are seen through all of them.
    second->pieceDet->titre = QStringLiteral("Renamed");
    second->pieceDet->played = true;
    EXPECT_EQ(u8(master->pieceDet->titre), "Renamed");
    EXPECT_TRUE(first->pieceDet->played);

    master->verifNote();
    EXPECT_TRUE(first->majInfo());
    EXPECT_EQ(u8(second->pieceDet->titre), "Changed");
    EXPECT_EQ(u8(first->tempoTxt()), "");
    EXPECT_TRUE(master->pieceDet->tempoOk);

    master->initIndexes({0, -1, -1, 7, -1, -1, -1, -1, -1, 2});
    EXPECT_EQ(second->pieceDet->indexInTEMP[3], 7);
    EXPECT_EQ(second->pieceDet->indexInTEMP[9], 2);
    EXPECT_EQ(second->pieceDet->indexInTEMP[1], -1);

    // A refused entry leaves the shared details alone.
    const auto refused = Pieces::initWithPDF(path, name, 0, 3, &setlist, false, 2,
                                             QStringLiteral("OTHER"), {}, master);
    EXPECT_FALSE(refused);
    EXPECT_EQ(u8(master->pieceDet->titre), "Changed");
}

struct MajInfoStep {
    const char* notetxt;
    bool changed;
    const char* title;
    const char* artist;
    const char* infoF;
};

TEST(Entry, MajInfoReportsChanges)
{
    const MajInfoStep steps[] = {
        {"", false, "Song", "Band", ""},
        {"memo\n", false, "Song", "Band", ""},
        {"TITLE=New\n", true, "New", "Band", ""},
        {"TITLE=New\n", false, "New", "Band", ""},
        {"TITLE=New\nTags=a\n", true, "New", "Band", " a "},
        {"TITLE=New\nTags=a b\n", true, "New", "Band", " a b "},
        {"TITLE=New\nTags=a b\nARTIST=X\n", true, "New", "X", " a b "},
        {"memo\nTITLE=New\nTags=a b\nARTIST=X\n", false, "New", "X", " a b "},
        {"TITLE=New\nTags=a b\nARTIST=X", true, "New", "Band", " a b "},
        {"", true, "Song", "Band", ""},
    };
    TestFolder folder;
    const auto entry = entryFor(folder.write(QStringLiteral("Song(Band).pdf")));
    for (const MajInfoStep& s : steps) {
        SCOPED_TRACE(s.notetxt);
        entry->pieceDet->notetxt = QString::fromUtf8(s.notetxt);
        EXPECT_EQ(entry->majInfo(), s.changed);
        EXPECT_EQ(u8(entry->pieceDet->titre), s.title);
        EXPECT_EQ(u8(entry->pieceDet->auteur), s.artist);
        EXPECT_EQ(u8(entry->pieceDet->infoF), s.infoF);
    }
}

TEST(Entry, TempoIsComputedWhenFirstNeeded)
{
    TestFolder folder;
    const QString path = folder.write(QStringLiteral("Song.pdf"));
    folder.write(QStringLiteral("Song.txt"), "Tempo=88\n3/4\n");
    const auto entry = entryFor(path);
    const PiecesDet& det = *entry->pieceDet;
    EXPECT_FALSE(det.tempoOk);
    EXPECT_EQ(det.tempo, 0);
    EXPECT_EQ(det.signature, 0);

    EXPECT_EQ(u8(entry->tempoTxt()), "88");
    EXPECT_TRUE(det.tempoOk);
    EXPECT_EQ(det.tempo, 88);
    EXPECT_EQ(det.signature, 3);

    // Until the tempo is computed again, the stored value stands.
    entry->pieceDet->notetxt = QStringLiteral("TEMPO=100\n2/4\n");
    EXPECT_EQ(u8(entry->tempoTxt()), "88");
    EXPECT_EQ(entry->tempo(), 100);
    EXPECT_EQ(u8(entry->tempoTxt()), "100");
    EXPECT_EQ(det.signature, 2);
}

TEST(Entry, TempoText)
{
    const struct {
        const char* note;
        const char* text;
        int tempo;
        int signature;
    } cases[] = {
        {"", "", 0, 4},
        {"memo", "", 0, 4},
        {"TEMPO=9\n", "", 0, 4},
        {"TEMPO=60\n", "60", 60, 4},
        {"TEMPO=1234\n", "123", 123, 4},
        {"CC7:100@SYNTH\n120 bpm\n", "", 0, 4},
        {"120 bpm\n", "120", 120, 4},
        {"3/4 and 2/4\nat 07\n", "7", 7, 2},
    };
    TestFolder folder;
    const auto entry = entryFor(folder.write(QStringLiteral("Song.pdf")));
    for (const auto& c : cases) {
        SCOPED_TRACE(c.note);
        entry->pieceDet->notetxt = QString::fromUtf8(c.note);
        entry->pieceDet->tempoOk = false;
        EXPECT_EQ(u8(entry->tempoTxt()), c.text);
        EXPECT_EQ(entry->pieceDet->tempo, c.tempo);
        EXPECT_EQ(entry->pieceDet->signature, c.signature);
        EXPECT_TRUE(entry->pieceDet->tempoOk);
    }
}

TEST(Entry, NotetxtForDir)
{
    TestFolder folder;
    const QString path = folder.write(QStringLiteral("Song.pdf"));
    folder.write(QStringLiteral("Song.txt"),
                 "Memo line\nMessage STAGE:Hello\n01:30 STAGE:Cue\nSTAGE:Capo on 2\n");
    const auto entry = entryFor(path);
    const struct {
        const char* id;
        int mode;
        int noDefault;
        const char* line;
    } cases[] = {
        {"STAGE", 1, 0, "STAGE:Capo on 2"},
        {"STAGE", 1, 1, "STAGE:Capo on 2"},
        {"STAGE", 0, 0, "Memo line"},
        {"BAND", 1, 0, "Memo line"},
        {"BAND", 1, 1, ""},
        {"", 0, 1, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.id) + " " + std::to_string(c.mode) + " " +
                     std::to_string(c.noDefault));
        EXPECT_EQ(u8(entry->notetxtForDir(QString::fromUtf8(c.id), c.mode, c.noDefault)), c.line);
    }
}

// ---------------------------------------------------------------------------------------------
// Tab admission

struct SetlistCase {
    const char* file;
    const char* line; // upper-cased setlist line
    bool admitted;
};

TEST(Entry, SetlistAdmission)
{
    const SetlistCase cases[] = {
        {"Song(Band).pdf", "SONG", true},
        {"Songbook.pdf", "SONG", true},
        {"My Song.pdf", "SONG", false},
        {"Song(Band).pdf", "SONG(BAND).PDF", true},
        {"Song(Band).pdf", "SONG(BAND).PDF.TXT", false},
        {"Song(Band).pdf", "SONG(BAND)", true},
        {"Song(Band).pdf", "", false},
        {"song.PDF", "SONG.PDF", true},
        {"Song.pdf", " SONG", false},
        {"Song.pdf", "SONG ", false},
        {"Straße.pdf", "STRASSE.PDF", true},
        {"Émilie.cho", "ÉMILIE.CHO", true},
    };
    for (const SetlistCase& c : cases) {
        SCOPED_TRACE(std::string(c.file) + " / '" + c.line + "'");
        TestFolder folder;
        const QString path = folder.write(QString::fromUtf8(c.file), "[G]la\n");
        const QString name = fileNameOf(path);
        TabDet tab = TabDet::initWithDirNo(0, 2);
        tab.optSel = TabDet::Setlist;
        const QString line = QString::fromUtf8(c.line);

        int n = 5;
        EXPECT_EQ(tabAdmits(tab, MatchTexts(*entryFor(path)->pieceDet, name), line, {}, n),
                  c.admitted);
        EXPECT_EQ(n, 5); // a setlist keeps the line number
        const auto entry = Pieces::initWithPDF(path, name, typeForExtension(extensionOf(path)), 2,
                                               &tab, false, 5, line, {}, nullptr);
        EXPECT_EQ(bool(entry), c.admitted);
        if (entry) {
            EXPECT_EQ(entry->ongNo, 2);
        }
    }
}

TEST(Entry, SetlistMatchesTheFileNameNotTheTitle)
{
    TestFolder folder;
    const QString path = folder.write(QStringLiteral("Song.pdf"));
    folder.write(QStringLiteral("Song.txt"), "TITLE=Other\n");
    TabDet tab = TabDet::initWithDirNo(0, 1);
    tab.optSel = TabDet::Setlist;
    const auto det = entryFor(path)->pieceDet;
    ASSERT_EQ(u8(det->titre), "Other");
    int n = 1;
    EXPECT_TRUE(tabAdmits(tab, MatchTexts(*det, QStringLiteral("Song.pdf")), QStringLiteral("SONG"),
                          {}, n));
    EXPECT_FALSE(tabAdmits(tab, MatchTexts(*det, QStringLiteral("Song.pdf")),
                           QStringLiteral("OTHER"), {}, n));
}

// The song every collection case looks at.
PiecesDet collectionSong()
{
    PiecesDet det;
    det.fichier = QStringLiteral("/b/Rock Anthem(The Band).pdf");
    det.titre = QStringLiteral("Rock Anthem");
    det.auteur = QStringLiteral("The Band");
    det.infoF = QStringLiteral(" rock pop ");
    return det;
}
const QString kCollectionFile = QStringLiteral("Rock Anthem(The Band).pdf");

struct KeywordCase {
    const char* keyword;
    int lookInto;
    bool matches;
};

TEST(Entry, CollectionSingleKeyword)
{
    const KeywordCase cases[] = {
        {"ANTHEM", TabDet::TitleArtistTags, true},
        {"ANTHEM", TabDet::Title, true},
        {"ANTHEM", TabDet::Artist, false},
        {"ANTHEM", TabDet::Tags, false},
        {"ANTHEM", TabDet::FileName, true},
        {"BAND", TabDet::TitleArtistTags, true},
        {"BAND", TabDet::Title, false},
        {"BAND", TabDet::Artist, true},
        {"BAND", TabDet::Tags, false},
        {"BAND", TabDet::FileName, true},
        {"ROCK", TabDet::TitleArtistTags, true},
        {"ROCK", TabDet::Title, true},
        {"ROCK", TabDet::Artist, false},
        {"ROCK", TabDet::Tags, true},
        {"ROCK", TabDet::FileName, true},
        {"POP", TabDet::TitleArtistTags, true},
        {"POP", TabDet::Title, false},
        {"POP", TabDet::Artist, false},
        {"POP", TabDet::Tags, true},
        {"POP", TabDet::FileName, false},
        {"PDF", TabDet::TitleArtistTags, false},
        {"PDF", TabDet::Title, false},
        {"PDF", TabDet::Artist, false},
        {"PDF", TabDet::Tags, false},
        {"PDF", TabDet::FileName, true},
        {"RO", TabDet::TitleArtistTags, true},
        {"RO", TabDet::Tags, false},
        {"ROCK POP", TabDet::Tags, true},
        {"ANTHEMTHE", TabDet::TitleArtistTags, true},
        {"ANTHEMTHE", TabDet::Title, false},
        {"THE BAND)", TabDet::FileName, true},
        {"THE BAND)", TabDet::Artist, false},
        {"JAZZ", TabDet::TitleArtistTags, false},
        {"JAZZ", TabDet::FileName, false},
    };
    const PiecesDet det = collectionSong();
    for (const KeywordCase& c : cases) {
        for (const int optSel : {TabDet::AnyKeyword, TabDet::AllKeywords, TabDet::NoKeyword}) {
            SCOPED_TRACE(std::string(c.keyword) + " lookInto " + std::to_string(c.lookInto) +
                         " optSel " + std::to_string(optSel));
            TabDet tab = TabDet::initWithDirNo(0, 4);
            tab.optSel = optSel;
            tab.lookInto = c.lookInto;
            const bool expected = optSel == TabDet::NoKeyword ? !c.matches : c.matches;
            int n = 99;
            EXPECT_EQ(tabAdmits(tab, MatchTexts(det, kCollectionFile), QString(),
                                {QString::fromUtf8(c.keyword)}, n),
                      expected);
            EXPECT_EQ(n, 1);
        }
    }
}

struct CollectionCase {
    int optSel;
    int lookInto;
    QStringList keywords;
    bool admitted;
    int examined;
};

TEST(Entry, CollectionKeywordLists)
{
    const CollectionCase cases[] = {
        {TabDet::AnyKeyword, TabDet::TitleArtistTags, {"JAZZ", "ROCK", "POP"}, true, 2},
        {TabDet::AnyKeyword, TabDet::TitleArtistTags, {"JAZZ", "BLUES"}, false, 2},
        {TabDet::AnyKeyword, TabDet::TitleArtistTags, {"", "ROCK"}, true, 1},
        {TabDet::AnyKeyword, TabDet::TitleArtistTags, {}, false, 0},
        {TabDet::AnyKeyword, TabDet::TitleArtistTags, {"", ""}, false, 0},
        {TabDet::AnyKeyword, TabDet::Title, {"BAND", "", "ANTHEM", "ROCK"}, true, 2},
        {TabDet::AllKeywords, TabDet::TitleArtistTags, {"ROCK", "POP"}, true, 2},
        {TabDet::AllKeywords, TabDet::TitleArtistTags, {"ROCK", "JAZZ", "POP"}, false, 2},
        {TabDet::AllKeywords, TabDet::TitleArtistTags, {}, false, 0},
        {TabDet::AllKeywords, TabDet::TitleArtistTags, {"", ""}, false, 0},
        {TabDet::AllKeywords, TabDet::TitleArtistTags, {"", "ROCK", ""}, true, 1},
        {TabDet::AllKeywords, TabDet::Tags, {"ROCK", "POP"}, true, 2},
        {TabDet::AllKeywords, TabDet::Tags, {"ROCK", "ANTHEM", "POP"}, false, 2},
        {TabDet::NoKeyword, TabDet::TitleArtistTags, {"JAZZ", "BLUES"}, true, 2},
        {TabDet::NoKeyword, TabDet::TitleArtistTags, {"JAZZ", "ROCK", "BLUES"}, false, 2},
        {TabDet::NoKeyword, TabDet::TitleArtistTags, {}, true, 0},
        {TabDet::NoKeyword, TabDet::TitleArtistTags, {"", ""}, true, 0},
        {TabDet::NoKeyword, TabDet::Artist, {"ROCK", "POP"}, true, 2},
        {TabDet::NoKeyword, TabDet::FileName, {"JAZZ", "PDF"}, false, 2},
    };
    const PiecesDet det = collectionSong();
    for (const CollectionCase& c : cases) {
        SCOPED_TRACE("optSel " + std::to_string(c.optSel) + " lookInto " +
                     std::to_string(c.lookInto) + " [" + c.keywords.join(',').toStdString() + "]");
        TabDet tab = TabDet::initWithDirNo(0, 6);
        tab.optSel = c.optSel;
        tab.lookInto = c.lookInto;
        int n = 42;
        EXPECT_EQ(tabAdmits(tab, MatchTexts(det, kCollectionFile), QString(), c.keywords, n),
                  c.admitted);
        EXPECT_EQ(n, c.examined);
    }
}

TEST(Entry, WholeTagMatch)
{
    const struct {
        const char* infoF;
        bool admitted;
    } cases[] = {
        {" ROCK POP ", true},  {" ROCKABILLY ", false}, {" pop rock ", true},
        {" HARDROCK ", false}, {" ROCK-POP ", false},   {" Rock ", true},
        {"", false},           {"  ", false},           {" rock\r ", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.infoF);
        PiecesDet det = collectionSong();
        det.infoF = QString::fromUtf8(c.infoF);
        TabDet tab = TabDet::initWithDirNo(0, 7);
        tab.optSel = TabDet::AnyKeyword;
        tab.lookInto = TabDet::Tags;
        int n = 0;
        EXPECT_EQ(tabAdmits(tab, MatchTexts(det, kCollectionFile), QString(),
                            {QStringLiteral("ROCK")}, n),
                  c.admitted);
    }
}

// The constructor applies the test, and keeps the number of keywords examined for the list
// order of a collection.
TEST(Entry, CollectionEntriesThroughTheConstructor)
{
    TestFolder folder;
    const QString path = folder.write(QStringLiteral("Rock Anthem(The Band).pdf"));
    folder.write(QStringLiteral("Rock Anthem(The Band).txt"), "Tags=rock pop\n");
    const QString name = fileNameOf(path);
    TabDet tab = TabDet::initWithDirNo(0, 5);
    tab.optSel = TabDet::AnyKeyword;
    tab.lookInto = TabDet::Tags;
    tab.tabSort = TabDet::ListOrder;
    tab.tabSortAlt = TabDet::ByTitle;

    const QStringList keywords{"JAZZ", "", "BLUES", "POP"};
    const auto entry =
        Pieces::initWithPDF(path, name, 0, 5, &tab, false, 17, QString(), keywords, nullptr);
    ASSERT_TRUE(entry);
    EXPECT_EQ(u8(entry->sortString1), "500000003Rock Anthem");
    EXPECT_EQ(u8(entry->sortString2), "5Rock Anthem");

    EXPECT_FALSE(Pieces::initWithPDF(path, name, 0, 5, &tab, false, 0, QString(),
                                     {QStringLiteral("ROCKABILLY")}, nullptr));
    // Forced entries skip the test and keep the line number given.
    const auto forced = Pieces::initWithPDF(path, name, 0, 5, &tab, true, 17, QString(),
                                            {QStringLiteral("ROCKABILLY")}, nullptr);
    ASSERT_TRUE(forced);
    EXPECT_EQ(u8(forced->sortString1), "500000017Rock Anthem");

    // An undefined tab (any keyword, no keywords) holds no song.
    const TabDet undefined = TabDet::initWithDirNo(0, 8);
    EXPECT_FALSE(
        Pieces::initWithPDF(path, name, 0, 8, &undefined, false, 0, QString(), {}, nullptr));
}

TEST(Entry, MatchTextsAreUpperCased)
{
    PiecesDet det;
    det.titre = QStringLiteral("Straße");
    det.auteur = QStringLiteral("Émilie");
    det.infoF = QStringLiteral(" rock ");
    const QString name = QStringLiteral("Straße(Émilie).pdf");
    const MatchTexts texts(det, name);
    EXPECT_EQ(u8(texts.fileName()), "STRASSE(ÉMILIE).PDF");
    EXPECT_EQ(u8(texts.title()), "STRASSE");
    EXPECT_EQ(u8(texts.artist()), "ÉMILIE");
    EXPECT_EQ(u8(texts.tags()), " ROCK ");
    EXPECT_EQ(u8(texts.all()), "STRASSEÉMILIE ROCK ");
}

// Texts computed once for the master give the same answers as texts computed per entry.
TEST(Entry, MasterMatchTextsGiveTheSameAnswers)
{
    TestFolder folder;
    const QString path = folder.write(QStringLiteral("Rock Anthem(The Band).pdf"));
    folder.write(QStringLiteral("Rock Anthem(The Band).txt"), "Tags=rock pop\n");
    const QString name = fileNameOf(path);
    const auto master = entryFor(path);
    const MatchTexts texts(*master->pieceDet, name);
    EntryContext context;
    context.match = &texts;

    const struct {
        int optSel;
        int lookInto;
        const char* line;
        QStringList keywords;
        bool admitted;
    } cases[] = {
        {TabDet::Setlist, 0, "ROCK ANTHEM", {}, true},
        {TabDet::Setlist, 0, "THE BAND", {}, false},
        {TabDet::AnyKeyword, TabDet::Tags, "", {"JAZZ", "POP"}, true},
        {TabDet::AnyKeyword, TabDet::Tags, "", {"ANTHEM"}, false},
        {TabDet::AllKeywords, TabDet::TitleArtistTags, "", {"BAND", "ROCK"}, true},
        {TabDet::NoKeyword, TabDet::Artist, "", {"BAND"}, false},
        {TabDet::NoKeyword, TabDet::FileName, "", {}, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE("optSel " + std::to_string(c.optSel) + " lookInto " +
                     std::to_string(c.lookInto));
        TabDet tab = TabDet::initWithDirNo(0, 6);
        tab.optSel = c.optSel;
        tab.lookInto = c.lookInto;
        tab.tabSort = TabDet::ListOrder;
        const QString line = QString::fromUtf8(c.line);
        const auto plain =
            Pieces::initWithPDF(path, name, 0, 6, &tab, false, 3, line, c.keywords, master);
        const auto fast = Pieces::initWithPDF(path, name, 0, 6, &tab, false, 3, line, c.keywords,
                                              master, context);
        EXPECT_EQ(bool(plain), c.admitted);
        EXPECT_EQ(bool(fast), c.admitted);
        if (plain && fast) {
            EXPECT_EQ(u8(fast->sortString1), u8(plain->sortString1));
        }
    }
}

TEST(Entry, NoTabDefinitionMeansNoTestAndNoKeys)
{
    TestFolder folder;
    const QString path = folder.write(QStringLiteral("Song.pdf"));
    const auto entry = Pieces::initWithPDF(path, QStringLiteral("Song.pdf"), 0, 4, nullptr, false,
                                           3, QStringLiteral("OTHER"), {}, nullptr);
    ASSERT_TRUE(entry);
    EXPECT_EQ(entry->ongNo, 4);
    EXPECT_EQ(u8(entry->sortString1), "");
    EXPECT_EQ(u8(entry->sortString2), "");
}

// ---------------------------------------------------------------------------------------------
// Sort keys

struct SortCase {
    const char* name;
    int tabNo;
    int order;
    const char* prefix;
    const char* tags; // tags line of the note, "" = none
    int n;            // line number given to the constructor
    const char* key;
};

TEST(Entry, SortKeys)
{
    const SortCase cases[] = {
        {"list order", 3, TabDet::ListOrder, "", "rock Key-Am pop", 2, "300000002Rock Anthem"},
        {"list order, line 0", 3, TabDet::ListOrder, "", "", 0, "300000000Rock Anthem"},
        {"list order, eight digits", 3, TabDet::ListOrder, "", "", 12345678,
         "312345678Rock Anthem"},
        {"title", 3, TabDet::ByTitle, "", "", 2, "3Rock Anthem"},
        {"title, tab 9", 9, TabDet::ByTitle, "", "", 2, "9Rock Anthem"},
        {"title, tab 0", 0, TabDet::ByTitle, "", "", 2, "0Rock Anthem"},
        {"artist", 3, TabDet::ByArtist, "", "", 2, "3The BandRock Anthem"},
        {"tag prefix", 3, TabDet::ByTagPrefix, "KEY-", "rock Key-Am pop", 2,
         "3Key-Am pop Rock Anthem"},
        {"tag prefix in lower case", 3, TabDet::ByTagPrefix, "key-", "rock Key-Am pop", 2,
         "3Key-Am pop Rock Anthem"},
        {"tag prefix, first tag", 3, TabDet::ByTagPrefix, "ROCK", "rock Key-Am pop", 2,
         "3rock Key-Am pop Rock Anthem"},
        {"tag prefix, first occurrence", 3, TabDet::ByTagPrefix, "K", "rock Key-Am pop", 2,
         "3k Key-Am pop Rock Anthem"},
        {"tag prefix not found", 3, TabDet::ByTagPrefix, "MOOD", "rock Key-Am pop", 2,
         "3Rock Anthem"},
        {"tag prefix empty", 3, TabDet::ByTagPrefix, "", "rock Key-Am pop", 2, "3Rock Anthem"},
        {"tag prefix, no tags", 3, TabDet::ByTagPrefix, "KEY-", "", 2, "3Rock Anthem"},
        // The text is cut from the tags as written, where "ß" is one character.
        {"tag prefix after eszett", 3, TabDet::ByTagPrefix, "KEY-", "Straße key-Am", 2,
         "3key-Am Rock Anthem"},
        {"tag prefix after eszetts", 3, TabDet::ByTagPrefix, "MOOD-", "ßß ßß mood-Calm x", 2,
         "3mood-Calm x Rock Anthem"},
    };
    for (const SortCase& c : cases) {
        SCOPED_TRACE(c.name);
        TestFolder folder;
        const QString path = folder.write(QStringLiteral("Rock Anthem(The Band).pdf"));
        if (*c.tags) {
            folder.write(QStringLiteral("Rock Anthem(The Band).txt"),
                         QByteArray("Tags=") + c.tags + "\n");
        }
        const QString name = fileNameOf(path);
        const QString prefix = QString::fromUtf8(c.prefix);

        // Primary order and prefix give sortString1 ...
        TabDet tab = TabDet::initWithDirNo(0, c.tabNo);
        tab.optSel = TabDet::Setlist;
        tab.tabSort = c.order;
        tab.tabPrefix = prefix;
        tab.tabSortAlt = TabDet::ByTitle;
        tab.tabPrefixAlt = QStringLiteral("ZZZ");
        auto entry =
            Pieces::initWithPDF(path, name, 0, c.tabNo, &tab, true, c.n, QString(), {}, nullptr);
        ASSERT_TRUE(entry);
        EXPECT_EQ(u8(entry->sortString1), c.key);

        // ... and the alternate ones sortString2, independently.
        tab.tabSort = TabDet::ByArtist;
        tab.tabPrefix = QStringLiteral("ZZZ");
        tab.tabSortAlt = c.order;
        tab.tabPrefixAlt = prefix;
        entry =
            Pieces::initWithPDF(path, name, 0, c.tabNo, &tab, true, c.n, QString(), {}, nullptr);
        ASSERT_TRUE(entry);
        EXPECT_EQ(u8(entry->sortString2), c.key);
    }
}

TEST(Entry, TabZeroDefaultKeys)
{
    TestFolder folder;
    const QString path = folder.write(QStringLiteral("Song(Band).pdf"));
    const TabDet all = TabDet::initWithDirNo(0, 0);
    const auto entry =
        Pieces::initWithPDF(path, fileNameOf(path), 0, 0, &all, true, 0, QString(), {}, nullptr);
    ASSERT_TRUE(entry);
    EXPECT_EQ(u8(entry->sortString1), "0Song");
    EXPECT_EQ(u8(entry->sortString2), "0BandSong");
}

// Random order: both keys "T" + eight digits below 99999, drawn from the generator of the
// load, anew for every entry.
std::vector<std::pair<QString, QString>> randomKeys(const QString& path, int count,
                                                    QRandomGenerator& random)
{
    TabDet tab = TabDet::initWithDirNo(2, 5);
    tab.optSel = TabDet::Setlist;
    tab.tabSort = TabDet::Random;
    tab.tabSortAlt = TabDet::Random;
    std::vector<std::pair<QString, QString>> keys;
    for (int i = 0; i < count; ++i) {
        const auto entry =
            Pieces::initWithPDF(path, fileNameOf(path), 0, 5, &tab, false, i + 1,
                                QStringLiteral("SONG"), {}, nullptr, withRandom(random));
        if (!entry)
            break;
        keys.emplace_back(entry->sortString1, entry->sortString2);
    }
    return keys;
}

TEST(Entry, RandomKeys)
{
    TestFolder folder;
    const QString path = folder.write(QStringLiteral("Song.pdf"));
    QRandomGenerator random(20240501u);
    const auto keys = randomKeys(path, 400, random);
    ASSERT_EQ(keys.size(), 400u);

    const QRegularExpression form(QStringLiteral("^5([0-9]{8})$"));
    QSet<QString> distinct;
    bool keysDiffer = false;
    for (const auto& [first, second] : keys) {
        for (const QString& key : {first, second}) {
            SCOPED_TRACE(u8(key));
            const auto match = form.match(key);
            ASSERT_TRUE(match.hasMatch());
            EXPECT_LT(match.captured(1).toInt(), 99999);
            distinct.insert(key);
        }
        keysDiffer = keysDiffer || first != second;
    }
    // Two draws per entry, new ones for every entry.
    EXPECT_TRUE(keysDiffer);
    EXPECT_GT(distinct.size(), 700);
}

TEST(Entry, RandomKeysComeFromTheGivenGenerator)
{
    TestFolder folder;
    const QString path = folder.write(QStringLiteral("Song.pdf"));
    QRandomGenerator a(7u);
    QRandomGenerator b(7u);
    QRandomGenerator c(8u);
    const auto first = randomKeys(path, 20, a);
    const auto again = randomKeys(path, 20, b);
    const auto other = randomKeys(path, 20, c);
    ASSERT_EQ(first.size(), 20u);
    EXPECT_EQ(first, again);
    EXPECT_NE(first, other);
}

// ---------------------------------------------------------------------------------------------
// First-letter keys of type-to-search

TEST(Entry, FirstLetterKeys)
{
    const struct {
        const char* text;
        int key;
    } cases[] = {
        {"", 0},       {"abc", 1},        {"Abc", 1},    {"zebra", 26},   {"Zebra", 26},
        {"m", 13},     {"0 to 9", 27},    {"5", 32},     {"9 lives", 36}, {"émilie", 0},
        {"Émilie", 0}, {"(Band)Song", 0}, {" space", 0}, {"ßx", 0},       {"ñ", 0},
        {"-", 0},      {"Ünïcødé", 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(keyn(QString::fromUtf8(c.text)), c.key);
    }
}

TEST(Entry, FirstLetterCharacters)
{
    EXPECT_EQ(carn(0), QChar());
    EXPECT_EQ(carn(-1), QChar());
    EXPECT_EQ(carn(kFirstLetterKeys + 1), QChar());
    EXPECT_EQ(carn(1), QLatin1Char('a'));
    EXPECT_EQ(carn(26), QLatin1Char('z'));
    EXPECT_EQ(carn(27), QLatin1Char('0'));
    EXPECT_EQ(carn(36), QLatin1Char('9'));
    for (int key = 1; key <= kFirstLetterKeys; ++key) {
        SCOPED_TRACE(key);
        const QChar c = carn(key);
        EXPECT_EQ(keyn(QString(c)), key);
        EXPECT_EQ(keyn(QString(c.toUpper())), key);
    }
}

} // namespace
} // namespace partivo
