#include "library/Data.h"
#include "library/FileNames.h"
#include "library/TestFolder.h"
#include "platform/MemoryPrefs.h"
#include "platform/ScriptedDialogs.h"
#include "platform/TextDecode.h"

#include "QtPrinters.h"
#include "TestData.h"
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringEncoder>
#include <sys/stat.h>

#include <gtest/gtest.h>

using namespace partivo;
using partivo::test::TestFolder;

namespace {

struct Library {
    MemoryPrefs prefs;
    ScriptedDialogs dialogs;
    Data data{prefs, dialogs};

    bool load(const QString& folder, bool noMsg = true)
    {
        // The tabs are set here, not read from the store: the folder alone is loaded.
        return data.chargerFichiers(folder, noMsg);
    }
    void setTab(int t, const QString& name, int optSel, const QString& list, int lookInto = 0,
                int sort = 0, int sortAlt = 0)
    {
        TabDet& tab = data.tabs[t];
        tab = TabDet::initWithDirNo(0, t);
        tab.tabName = name;
        tab.optSel = optSel;
        tab.list = list;
        tab.lookInto = lookInto;
        tab.tabSort = sort;
        tab.tabSortAlt = sortAlt;
    }
    QStringList relativePaths(const Data::PieceList& list, const QString& root) const
    {
        QStringList paths;
        for (const auto& entry : list)
            paths << QDir(root).relativeFilePath(entry->getPath());
        return paths;
    }
    QStringList titles(const Data::PieceList& list) const
    {
        QStringList out;
        for (const auto& entry : list)
            out << QString::number(entry->ongNo) + QLatin1Char(':') + entry->pieceDet->titre;
        return out;
    }
};

QString corpus()
{
    return testDataPath(QStringLiteral("corpus"));
}

} // namespace

TEST(Load, CorpusAcceptsSongsOnly)
{
    Library lib;
    ASSERT_TRUE(lib.load(corpus()));
    QStringList loaded = lib.relativePaths(lib.data.listePiecesTEMP1, corpus());
    loaded.sort();
    const QStringList expected = {
        QStringLiteral("(Band)Leading Paren.cho"),
        QStringLiteral("Blank Title.pdf"),
        QStringLiteral("Case Note.pdf"),
        QStringLiteral("ChordPro Meta.cho"),
        QStringLiteral("Empty Parens().cho"),
        QStringLiteral("Latin1 Chords.cho"),
        QStringLiteral("Latin1 Note.pdf"),
        QStringLiteral("No Final Newline.pdf"),
        QStringLiteral("Note Title.pdf"),
        QStringLiteral("Reversed)x(y.pdf"),
        QStringLiteral("Song (Band).pdf"),
        QStringLiteral("Song(Band)live acoustic.pdf"),
        QStringLiteral("Song.pdf"),
        QStringLiteral("Straße(Müller)walzer.pdf"),
        QStringLiteral("UPPER CASE.PDF"),
        QStringLiteral("chord sheet.crd"),
        QStringLiteral("cpm file.cpm"),
        QStringLiteral("mixed case.Cho"),
        QStringLiteral("other.chordpro"),
        QStringLiteral("sub/Deep(Sub Artist).pdf"),
        QStringLiteral("sub/deeper/Deepest.pdf"),
        QStringLiteral("tab file.TAB"),
        QStringLiteral("Ünïcødé Title(Émilie).chopro"),
    };
    EXPECT_EQ(loaded, expected);
    EXPECT_EQ(lib.data.listePiecesByTitle.size(), expected.size());
    EXPECT_EQ(lib.data.listePiecesByAuthor.size(), expected.size());
}

TEST(Load, CorpusDetailsFromNamesNotesAndSongs)
{
    Library lib;
    ASSERT_TRUE(lib.load(corpus()));
    struct Case {
        const char* file;
        const char* titre;
        const char* auteur;
        const char* infoF;
        int tempo;
        int signature;
    };
    const Case cases[] = {
        {"Straße(Müller)walzer.pdf", "Straße", "Müller", "", 88, 3},
        {"Note Title.pdf", " Real Title", "Note Artist", " rock ballad ", 120, 4},
        {"Blank Title.pdf", "Blank Title", "(nil)", "", 0, 4},
        {"No Final Newline.pdf", "No Final Newline", "(nil)", "", 0, 4},
        {"Latin1 Note.pdf", "Latin1 Note", "(nil)", "", 96, 3},
        {"Case Note.pdf", "Found Case-Insensitively", "(nil)", "", 0, 4},
        {"ChordPro Meta.cho", "Meta Title", "Meta Artist", "", 0, 4},
        {"Latin1 Chords.cho", "Ça va", "Léa", "", 0, 4},
        {"Empty Parens().cho", "Other Title", "(nil)", "", 0, 4},
        {"(Band)Leading Paren.cho", "Leading Paren", "Band", "", 0, 4},
        {"Reversed)x(y.pdf", "Reversed)x(y", "(nil)", "", 0, 4},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.file);
        std::shared_ptr<Pieces> found;
        for (const auto& entry : lib.data.listePiecesTEMP1) {
            if (fileNameOf(entry->getPath()) == QString::fromUtf8(c.file))
                found = entry;
        }
        ASSERT_TRUE(found);
        EXPECT_EQ(found->pieceDet->titre, QString::fromUtf8(c.titre));
        EXPECT_EQ(found->pieceDet->auteur, QString::fromUtf8(c.auteur));
        EXPECT_EQ(found->pieceDet->infoF, QString::fromUtf8(c.infoF));
        EXPECT_EQ(found->tempo(), c.tempo);
        EXPECT_EQ(found->pieceDet->signature, c.signature);
    }
}

TEST(Load, TempRuleAppliesBelowTheBinderFolderOnly)
{
    // Binder folders inside folders whose names begin with "temp" still load.
    for (const char* parent : {"tempest", "templates", "temp"}) {
        SCOPED_TRACE(parent);
        TestFolder folder;
        const QString binder = QString::fromUtf8(parent) + QStringLiteral("/My Binder");
        folder.write(binder + QStringLiteral("/Song.pdf"));
        folder.write(binder + QStringLiteral("/temp/Draft.pdf"));
        folder.write(binder + QStringLiteral("/sub/temporary/Draft2.pdf"));
        Library lib;
        ASSERT_TRUE(lib.load(folder.path() + QLatin1Char('/') + binder));
        EXPECT_EQ(lib.titles(lib.data.listePiecesByTitle), QStringList{"0:Song"});
    }
}

TEST(Load, EmptyFolderKeepsPreviousListsAndReportsUnlessAskedNotTo)
{
    TestFolder full;
    full.write(QStringLiteral("A.pdf"));
    TestFolder empty;
    empty.write(QStringLiteral("only a note.txt"), "memo\n");
    empty.write(QStringLiteral("Song---Live.pdf"));

    Library lib;
    ASSERT_TRUE(lib.load(full.path()));
    EXPECT_FALSE(lib.load(empty.path(), true));
    EXPECT_TRUE(lib.dialogs.asked().isEmpty());
    EXPECT_FALSE(lib.load(empty.path(), false));
    EXPECT_EQ(lib.dialogs.texts(),
              QStringList{"No PDF or ChordPro files found in the selected folder!"});
    EXPECT_EQ(lib.titles(lib.data.listePiecesByTitle), QStringList{"0:A"});
}

TEST(Load, SortIsCaseInsensitiveLocaleAwareAndStable)
{
    TestFolder folder;
    for (const char* name :
         {"cherry.pdf", "Banana.pdf", "apple.pdf", "Éclair.pdf", "b/Apple.pdf", "a/apple.cho"})
        folder.write(QString::fromUtf8(name));
    Library lib;
    ASSERT_TRUE(lib.load(folder.path()));
    // Equal keys keep the order of the pool, which follows the paths.
    EXPECT_EQ(lib.relativePaths(lib.data.listePiecesByTitle, folder.path()),
              (QStringList{"a/apple.cho", "apple.pdf", "b/Apple.pdf", "Banana.pdf", "cherry.pdf",
                           "Éclair.pdf"}));
}

TEST(Load, IndexPassLocatesTheFirstChangedSong)
{
    struct Case {
        const char* name;
        QStringList before;
        QStringList added;
        int songNoBefore;
        int expected;
    };
    const Case cases[] = {
        {"new file sorts third", {"A.pdf", "B.pdf", "D.pdf", "E.pdf"}, {"C.pdf"}, 1, 3},
        {"new file sorts last", {"A.pdf", "B.pdf"}, {"Z.pdf"}, 1, 3},
        {"nothing changed", {"A.pdf", "B.pdf"}, {}, 2, 2},
        {"new file sorts first", {"B.pdf", "C.pdf"}, {"A.pdf"}, 2, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TestFolder folder;
        for (const QString& name : c.before)
            folder.write(name);
        Library lib;
        ASSERT_TRUE(lib.load(folder.path()));
        lib.data.setSongNoG(c.songNoBefore);
        for (const QString& name : c.added)
            folder.write(name);
        ASSERT_TRUE(lib.load(folder.path()));
        EXPECT_EQ(lib.data.songNoG(), c.expected);
        EXPECT_EQ(lib.data.songNbrGPrec, c.before.size());
    }
}

TEST(Load, TabsFollowTab0InBothLists)
{
    TestFolder folder;
    for (const char* name : {"Alpha(Zed)rock.pdf", "Beta(Yan).pdf", "Gamma(Xu)rock.cho"})
        folder.write(QString::fromUtf8(name));
    Library lib;
    lib.data.chargerTabsForDirNo(0, true);
    // Setlist listing Gamma twice, then Alpha; a collection of rock songs by tag.
    lib.setTab(2, QStringLiteral("Set"), TabDet::Setlist,
               QStringLiteral("gamma\nalpha\n\nGAMMA\n"));
    lib.setTab(5, QStringLiteral("Rock"), TabDet::AnyKeyword, QStringLiteral("rock\n"),
               TabDet::FileName, TabDet::ByTitle, TabDet::ByArtist);
    ASSERT_TRUE(lib.load(folder.path()));

    EXPECT_EQ(lib.titles(lib.data.listePiecesByTitle),
              (QStringList{"0:Alpha", "0:Beta", "0:Gamma", "2:Gamma", "2:Alpha", "2:Gamma",
                           "5:Alpha", "5:Gamma"}));
    EXPECT_EQ(lib.titles(lib.data.listePiecesByAuthor),
              (QStringList{"0:Gamma", "0:Beta", "0:Alpha", "2:Gamma", "2:Alpha", "2:Gamma",
                           "5:Gamma", "5:Alpha"}));
    const std::array<int, 10> starts = {0, -1, 3, -1, -1, 6, -1, -1, -1, -1};
    EXPECT_EQ(lib.data.indexInTitleArrayG, starts);
    EXPECT_EQ(lib.data.indexInAuthorArrayG, starts);
    const int counts[10] = {3, 0, 3, 0, 0, 2, 0, 0, 0, 0};
    for (int t = 0; t < 10; ++t)
        EXPECT_EQ(lib.data.getNbrPiecesOng(t), counts[t]) << "tab " << t;

    // Every entry knows its place in both lists, and the details point at the pool.
    for (int i = 0; i < lib.data.listePiecesByTitle.size(); ++i)
        EXPECT_EQ(lib.data.listePiecesByTitle[i]->indexInTitleArray, i);
    for (int i = 0; i < lib.data.listePiecesByAuthor.size(); ++i)
        EXPECT_EQ(lib.data.listePiecesByAuthor[i]->indexInAuthorArray, i);
    for (const auto& entry : lib.data.listePiecesTEMP1) {
        const auto& det = *entry->pieceDet;
        EXPECT_EQ(lib.data.getPieceTEMP(det.indexInTEMP[0])->pieceDet.get(), &det);
        EXPECT_EQ(lib.data.getPieceTEMP(det.indexInTEMP[0])->ongNo, 0);
    }
    // Gamma's setlist position is that of its last entry (line 4).
    const auto gamma = lib.data.listePiecesByTitle[2];
    const auto lastGamma = lib.data.getPieceTEMP(gamma->pieceDet->indexInTEMP[2]);
    EXPECT_EQ(lastGamma->ongNo, 2);
    EXPECT_TRUE(lastGamma->sortString1.startsWith(QStringLiteral("200000004")));
    EXPECT_EQ(gamma->pieceDet->indexInTEMP[3], -1);
}

TEST(Load, FirstLetterIndexPointsIntoTab0)
{
    TestFolder folder;
    for (const char* name : {"apple(Zoe).pdf", "Avocado(Zed).pdf", "berry(young).pdf",
                             "2 Step(!Bang).pdf", "Érable.pdf"})
        folder.write(QString::fromUtf8(name));
    Library lib;
    lib.setTab(1, QStringLiteral("A"), TabDet::AnyKeyword, QStringLiteral("A\n"));
    ASSERT_TRUE(lib.load(folder.path()));
    const auto& title = lib.data.debLettre;
    EXPECT_EQ(title[keyn(QStringLiteral("2"))], 1);
    EXPECT_EQ(title[keyn(QStringLiteral("a"))], 2);
    EXPECT_EQ(title[keyn(QStringLiteral("b"))], 4);
    EXPECT_EQ(title[keyn(QStringLiteral("c"))], 0);
    const auto& artist = lib.data.debLettre2;
    EXPECT_EQ(artist[keyn(QStringLiteral("y"))], 3); // "!Bang" and "(nil)" have no key
    EXPECT_EQ(artist[keyn(QStringLiteral("z"))], 4);
    EXPECT_EQ(artist[0], 0);
}

TEST(Load, PlayedMarksFollowTheLogByName)
{
    TestFolder folder;
    for (const char* name : {"One.pdf", "Two.pdf", "sub/Three.pdf"})
        folder.write(QString::fromUtf8(name));
    Library lib;
    ASSERT_TRUE(lib.load(folder.path()));
    // The log keeps Three and One, in that order, across a reload.
    lib.data.listePiecesLog = {lib.data.listePiecesByTitle[1], lib.data.listePiecesByTitle[0]};
    ASSERT_TRUE(lib.load(folder.path()));
    EXPECT_EQ(lib.titles(lib.data.listePiecesLog), (QStringList{"0:Three", "0:One"}));
    for (const auto& entry : lib.data.listePiecesByTitle)
        EXPECT_EQ(entry->pieceDet->played, entry->pieceDet->titre != QLatin1String("Two"));
}

// The current song never leaves the lists: a number set from outside is kept within them,
// and a reload to fewer songs brings it back within the new ones.
TEST(Load, CurrentSongStaysWithinTheLists)
{
    Library lib;
    EXPECT_EQ(lib.data.songNoG(), 0);
    lib.data.setSongNoG(3);
    EXPECT_EQ(lib.data.songNoG(), 0) << "no song loaded yet";

    TestFolder five;
    for (const char* name : {"A.pdf", "B.pdf", "C.pdf", "D.pdf", "E.pdf"})
        five.write(QString::fromLatin1(name));
    ASSERT_TRUE(lib.data.chargerBinder(0, five.path(), true));
    EXPECT_EQ(lib.data.songNbrG(), 5);
    EXPECT_EQ(lib.data.songNoG(), 1) << "a load makes a song current";

    const struct {
        int set;
        int expected;
    } cases[] = {{4, 4}, {5, 5}, {6, 5}, {99, 5}, {0, 1}, {-3, 1}};
    for (const auto& c : cases) {
        lib.data.setSongNoG(c.set);
        EXPECT_EQ(lib.data.songNoG(), c.expected) << c.set;
    }

    lib.data.setSongNoG(5);
    TestFolder two;
    two.write(QStringLiteral("A.pdf"));
    two.write(QStringLiteral("B.pdf"));
    ASSERT_TRUE(lib.data.chargerBinder(0, two.path(), true));
    EXPECT_EQ(lib.data.songNbrG(), 2);
    EXPECT_GE(lib.data.songNoG(), 1);
    EXPECT_LE(lib.data.songNoG(), 2);
    EXPECT_TRUE(lib.data.getPiece(lib.data.songNoG()));
}

// Devices, FIFOs and oversized notes never stop a load: those files are left out or not read,
// each with a sentence naming it, and the rest of the binder loads. A note that could not be
// read is never written over.
TEST(Load, SpecialAndOversizedFilesAreLeftOutWithAReason)
{
    TestFolder folder;
    folder.write(QStringLiteral("Song.pdf"));
    ASSERT_TRUE(QFile::link(QStringLiteral("/dev/zero"), folder.path() + "/Song.txt"));
    ASSERT_TRUE(QFile::link(QStringLiteral("/dev/zero"), folder.path() + "/Zero.pdf"));
    ASSERT_TRUE(QFile::link(QStringLiteral("/dev/zero"), folder.path() + "/Zero.chopro"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(folder.path() + "/Pipe.cho").constData(), 0600), 0);
    folder.write(QStringLiteral("Big.pdf"));
    const QString bigNote = folder.write(QStringLiteral("Big.txt"), "Tempo=90\n");
    QFile(bigNote).resize(kMaxTextFileBytes + 10);
    folder.write(QStringLiteral("Chords.chopro"), "{title: Chords}\n[C]Hi\n");

    Library lib;
    ASSERT_TRUE(lib.data.chargerBinder(0, folder.path(), true));
    EXPECT_EQ(lib.titles(lib.data.listePiecesByTitle),
              (QStringList{"0:Big", "0:Chords", "0:Song"}));
    QStringList named;
    for (const QString& problem : lib.data.loadProblems)
        named << problem.section(QLatin1Char('"'), 1, 1);
    named.sort();
    EXPECT_EQ(named, (QStringList{"Big.txt", "Pipe.cho", "Song.txt", "Zero.chopro", "Zero.pdf"}));

    const auto big = lib.data.getPiece(1)->pieceDet;
    EXPECT_FALSE(big->note);
    EXPECT_FALSE(big->noteProblem.isEmpty());
    EXPECT_FALSE(big->saveNote()) << "an unread note is not written over";
    EXPECT_EQ(QFileInfo(bigNote).size(), kMaxTextFileBytes + 10);
}

// A note written in UTF-16 with its mark, or with the CR line ends of old Macs, is read as
// its author wrote it.
TEST(Load, NotesInUtf16AndWithOldMacLineEnds)
{
    TestFolder folder;
    folder.write(QStringLiteral("Wide.pdf"));
    QStringEncoder utf16(QStringConverter::Utf16LE, QStringConverter::Flag::WriteBom);
    folder.write(QStringLiteral("Wide.txt"),
                 utf16.encode(QString::fromUtf8("Slow ballad\nTitle=Été\nTempo=72\n")));
    folder.write(QStringLiteral("Mac.pdf"));
    folder.write(QStringLiteral("Mac.txt"), "Capo 2\rArtist=Old Mac Band\rTempo=110\r");

    Library lib;
    ASSERT_TRUE(lib.data.chargerBinder(0, folder.path(), true));
    QMap<QString, std::shared_ptr<Pieces>> byFile;
    for (const auto& entry : lib.data.listePiecesByTitle)
        byFile.insert(QFileInfo(entry->getPath()).fileName(), entry);
    ASSERT_TRUE(byFile.value("Wide.pdf") && byFile.value("Mac.pdf"));
    EXPECT_EQ(byFile.value("Wide.pdf")->tempo(), 72);
    EXPECT_EQ(byFile.value("Mac.pdf")->tempo(), 110);
    const auto wide = byFile.value("Wide.pdf")->pieceDet;
    const auto mac = byFile.value("Mac.pdf")->pieceDet;
    EXPECT_EQ(wide->titre, QString::fromUtf8("Été"));
    EXPECT_TRUE(wide->notetxt.startsWith(QLatin1String("Slow ballad"))) << "no stray mark";
    EXPECT_EQ(mac->auteur, QStringLiteral("Old Mac Band"));
    EXPECT_EQ(mac->notetxt.section(QLatin1Char('\n'), 0, 0), QStringLiteral("Capo 2"));
}

// A setlist whose lines match song after song makes at most kMaxSetlistEntries entries, and
// the load says so.
TEST(Load, AHugeSetlistIsCutWithAMessage)
{
    TestFolder folder;
    for (int i = 1; i <= 20; ++i)
        folder.write(QStringLiteral("Song %1.pdf").arg(i, 2, 10, QLatin1Char('0')));
    Library lib;
    lib.setTab(1, QStringLiteral("Huge"), TabDet::Setlist,
               QStringLiteral("Song\n").repeated(kMaxSetlistEntries));
    ASSERT_TRUE(lib.load(folder.path()));
    EXPECT_EQ(lib.data.getNbrPiecesOng(1), kMaxSetlistEntries);
    EXPECT_EQ(lib.data.loadProblems,
              QStringList{"The setlist of tab 1 (Huge) would list more than 10000 songs; the "
                          "rest is left out."});
}
