#include "library/Binders.h"
#include "library/Data.h"
#include "library/FileNames.h"
#include "library/HelpBinder.h"
#include "library/LibraryView.h"
#include "library/SampleSong.h"
#include "library/TestFolder.h"
#include "platform/MemoryPrefs.h"
#include "platform/ScriptedDialogs.h"

#include "QtPrinters.h"
#include <QDir>

#include <gtest/gtest.h>

using namespace partivo;
using partivo::test::TestFolder;

namespace {

const QString kSample = QStringLiteral(
    "No PDF or ChordPro files found in the selected folder.\nSelect Yes to create a sample "
    "ChordPro file.");
const QString kNoSongs = QStringLiteral("No PDF or ChordPro files found in the selected folder!");

// Records, at every display of the current song, which binder is current and which folder's
// songs are in the lists.
class RecordingView : public LibraryView {
public:
    struct Shown {
        int currentDirNo;
        QString loadedFolder;
    };
    const Binders* binders = nullptr;
    const Data* data = nullptr;
    QList<Shown> shown;
    void chargerPages() override { shown.append({binders->currentDirNo, data->dirX}); }
};

struct App {
    MemoryPrefs prefs;
    ScriptedDialogs dialogs;
    Data data{prefs, dialogs};
    RecordingView view;
    Binders binders{data, view};

    App()
    {
        view.binders = &binders;
        view.data = &data;
    }
    explicit App(const QMap<QString, QVariant>& stored) : App()
    {
        for (auto it = stored.begin(); it != stored.end(); ++it)
            prefs.setValue(it.key(), it.value());
    }
    QString currentTitle() const
    {
        const auto entry = data.getPiece(data.songNoG());
        return entry ? entry->pieceDet->titre : QString();
    }
    // The lists shown always belong to the current binder.
    void expectConsistent() const
    {
        ASSERT_FALSE(view.shown.isEmpty());
        const auto& last = view.shown.last();
        EXPECT_EQ(last.loadedFolder, QDir::cleanPath(binders.obtenirDir(last.currentDirNo)));
    }
};

QString songsFolder(TestFolder& folder, const QStringList& names)
{
    for (const QString& name : names)
        folder.write(name);
    return folder.path();
}

} // namespace

TEST(Binders, HelpFolderHoldsTheHelpSongs)
{
    const QString help = findHelpFolder();
    ASSERT_FALSE(help.isEmpty());
    App app;
    ASSERT_TRUE(app.data.chargerFichiers(help, true));
    EXPECT_GE(app.data.listePiecesByTitle.size(), 8);
    for (const auto& entry : app.data.listePiecesByTitle) {
        EXPECT_EQ(entry->pieceDet->typeFichier1, 1);
        EXPECT_EQ(entry->pieceDet->auteur, QStringLiteral("Partivo Help"));
    }
}

TEST(Binders, FirstLaunchOpensTheHelpBinder)
{
    App app;
    app.binders.start();
    EXPECT_EQ(app.binders.currentDirNo, -1);
    EXPECT_EQ(app.binders.nbrExec, 2);
    EXPECT_EQ(app.data.songNoG(), 1);
    EXPECT_GE(app.data.songNbrG(), 8);
    for (int k = 0; k < 8; ++k)
        EXPECT_TRUE(app.prefs.boolValue(QStringLiteral("dirIsanURL%1").arg(k)));
    EXPECT_FALSE(app.dialogs.hadUnscriptedCall());
    app.expectConsistent();
}

TEST(Binders, StartOpensTheStoredBinderAtItsBookmark)
{
    TestFolder folder;
    songsFolder(folder, {"A.pdf", "B.pdf", "C.pdf"});
    App app({{"NbrExec", 5},
             {"dirNo", 2},
             {"dirIsanURL2", true},
             {"url2", folder.path()},
             {"songNoBookMark2", 3},
             {"sortBookMark2", 1},
             {"contPlay2", true}});
    app.binders.start();
    EXPECT_EQ(app.binders.currentDirNo, 2);
    EXPECT_EQ(app.binders.nbrExec, 6);
    EXPECT_EQ(app.data.currentSort, 1);
    EXPECT_EQ(app.data.songNoG(), 3);
    EXPECT_TRUE(app.binders.contPlay[2]);
    app.expectConsistent();

    app.data.setSongNoG(2);
    app.binders.terminate();
    EXPECT_EQ(app.prefs.intValue(QStringLiteral("dirNo")), 2);
    EXPECT_EQ(app.prefs.intValue(QStringLiteral("NbrExec")), 6);
    EXPECT_EQ(app.prefs.intValue(QStringLiteral("songNoBookMark2")), 2);
    EXPECT_EQ(app.prefs.intValue(QStringLiteral("sortBookMark2")), 1);
    EXPECT_EQ(app.prefs.stringValue(QStringLiteral("url2")), folder.path());
}

TEST(Binders, LegacyPathLoadsButIsNeverTheStartBinder)
{
    TestFolder folder;
    songsFolder(folder, {"Legacy.pdf"});
    App app({{"NbrExec", 3}, {"dirNo", 1}, {"dir1", folder.path()}});
    app.binders.start();
    EXPECT_EQ(app.binders.currentDirNo, -1);
    EXPECT_EQ(app.binders.obtenirDir(1), folder.path());
    EXPECT_TRUE(app.prefs.boolValue(QStringLiteral("dirIsanURL0")));
    EXPECT_FALSE(app.prefs.boolValue(QStringLiteral("dirIsanURL1")));
}

TEST(Binders, MissingFolderKeepsItsSlotUntilUnassigned)
{
    const QString gone = QStringLiteral("/nonexistent/unmounted/drive/Songs");
    App app({{"NbrExec", 3}, {"dirNo", 0}, {"dirIsanURL0", true}, {"url0", gone}});
    app.binders.start();
    EXPECT_EQ(app.binders.currentDirNo, -1);
    EXPECT_EQ(app.binders.storedDir(0), gone);
    EXPECT_TRUE(app.binders.obtenirDir(0).isEmpty());
    {
        // Closing at once keeps it as the start binder of the next run.
        App copy(QMap<QString, QVariant>{
            {"NbrExec", 3}, {"dirNo", 0}, {"dirIsanURL0", true}, {"url0", gone}});
        copy.binders.start();
        copy.binders.terminate();
        EXPECT_EQ(copy.prefs.intValue(QStringLiteral("dirNo"), -9), 0);
    }

    // Opening it says why and offers the chooser; cancelling keeps the slot.
    app.dialogs.answerFolder(QString());
    app.binders.actionChoisirDir(0);
    ASSERT_EQ(app.dialogs.asked().size(), 2);
    EXPECT_TRUE(app.dialogs.asked()[0].text.contains(gone));
    EXPECT_EQ(app.dialogs.asked()[1].kind, QStringLiteral("chooseFolder"));
    EXPECT_EQ(app.binders.currentDirNo, -1);
    app.binders.terminate();
    EXPECT_EQ(app.prefs.stringValue(QStringLiteral("url0")), gone);
    EXPECT_EQ(app.prefs.intValue(QStringLiteral("dirNo"), -9), -1);

    // An explicit unassign is what removes it.
    App next(QMap<QString, QVariant>{{"NbrExec", 4}, {"dirIsanURL0", true}, {"url0", gone}});
    next.binders.start();
    next.dialogs.answerInt(1);
    next.binders.actionDeAssignerDir(0);
    EXPECT_EQ(next.dialogs.texts().last(),
              QStringLiteral("Are you sure you want to unassign binder no 1 ?"));
    next.binders.terminate();
    EXPECT_FALSE(next.prefs.contains(QStringLiteral("url0")));
}

TEST(Binders, UnassignNeedsYes)
{
    TestFolder folder;
    App app;
    app.binders.start();
    app.binders.conserverDir(songsFolder(folder, {"A.pdf"}), 3);
    app.binders.actionChoisirDir(3);
    ASSERT_EQ(app.binders.currentDirNo, 3);
    for (int answer : {-1, 0}) {
        app.dialogs.answerInt(answer);
        app.binders.actionDeAssignerDir(3);
        EXPECT_EQ(app.binders.currentDirNo, 3);
        EXPECT_EQ(app.binders.storedDir(3), folder.path());
    }
    app.dialogs.answerInt(1);
    app.binders.actionDeAssignerDir(3);
    EXPECT_EQ(app.binders.currentDirNo, -1);
    EXPECT_TRUE(app.binders.storedDir(3).isEmpty());
    EXPECT_EQ(app.dialogs.texts().last(),
              QStringLiteral("Are you sure you want to unassign binder no 4 ?"));
    app.expectConsistent();
}

TEST(Binders, EmptyFolderOffersTheSampleFile)
{
    struct Case {
        const char* name;
        int answer;
        bool blockSample; // a folder in the way makes the write fail
        int expectedDirNo;
    };
    const Case cases[] = {
        {"yes writes and opens the sample", 1, false, 0},
        {"no falls back to the help binder", 0, false, -1},
        {"cancel falls back to the help binder", -1, false, -1},
        {"a failed write is a refusal", 1, true, -1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TestFolder previous;
        TestFolder empty;
        if (c.blockSample)
            QDir().mkpath(empty.path() + QStringLiteral("/Sample(An Artist).chopro"));
        App app;
        app.binders.start();
        app.binders.conserverDir(songsFolder(previous, {"Old.pdf"}), 1);
        app.binders.actionChoisirDir(1);
        ASSERT_EQ(app.binders.currentDirNo, 1);

        app.binders.conserverDir(empty.path(), 0);
        app.dialogs.answerInt(c.answer);
        app.binders.actionChoisirDir(0);
        EXPECT_EQ(app.binders.currentDirNo, c.expectedDirNo);
        EXPECT_EQ(app.dialogs.texts().first(), kSample);
        EXPECT_FALSE(app.dialogs.hadUnscriptedCall());
        app.expectConsistent();
        if (c.expectedDirNo == 0) {
            EXPECT_EQ(empty.read(QStringLiteral("Sample(An Artist).chopro")), sampleSongText());
            // The artist in the file name wins, so the song is named after its file.
            EXPECT_EQ(app.currentTitle(), QStringLiteral("Sample"));
            EXPECT_EQ(app.data.getPiece(1)->pieceDet->auteur, QStringLiteral("An Artist"));
        } else {
            EXPECT_NE(app.currentTitle(), QStringLiteral("Old"));
        }
    }
}

TEST(Binders, SampleTextIsExact)
{
    const QStringList lines = sampleSongText().split(QLatin1Char('\n'));
    ASSERT_EQ(lines.size(), 36);
    EXPECT_EQ(lines[0], QStringLiteral("{title:Title}"));
    EXPECT_EQ(lines[2], QStringLiteral("{fontsize:17.0}"));
    EXPECT_EQ(lines[4], QStringLiteral("# Type your song here..."));
    EXPECT_EQ(lines[12], QStringLiteral("Tab                 Insert a chord"));
    EXPECT_EQ(lines[16], QStringLiteral("Alt-Left Alt-Right  Convert # to b  or  b to #"));
    EXPECT_EQ(lines[21], QStringLiteral("[C]This is an [G]example"));
    EXPECT_EQ(lines[31], QStringLiteral("C          F                G"));
    EXPECT_EQ(lines[34], QStringLiteral("Solo: C Am F C"));
    EXPECT_EQ(lines[35], QString());
}

TEST(Binders, OpeningAnUnassignedBinderRunsTheChooser)
{
    TestFolder current;
    TestFolder empty;
    TestFolder chosen;
    App app;
    app.binders.start();
    app.binders.conserverDir(songsFolder(current, {"Current.pdf"}), 1);
    app.binders.actionChoisirDir(1);

    // Cancel: the binder that was current stays loaded.
    app.dialogs.answerFolder(QString());
    app.binders.actionChoisirDir(4);
    EXPECT_EQ(app.binders.currentDirNo, 1);
    EXPECT_EQ(app.currentTitle(), QStringLiteral("Current"));
    EXPECT_TRUE(app.binders.storedDir(4).isEmpty());
    app.expectConsistent();

    // An empty folder whose sample is refused, then a folder with songs.
    app.dialogs.answerFolder(empty.path());
    app.dialogs.answerInt(0);
    app.dialogs.answerFolder(songsFolder(chosen, {"Chosen.pdf"}));
    app.binders.actionChoisirDir(4);
    EXPECT_EQ(app.binders.currentDirNo, 4);
    EXPECT_EQ(app.binders.storedDir(4), chosen.path());
    EXPECT_EQ(app.prefs.stringValue(QStringLiteral("url4")), chosen.path());
    EXPECT_EQ(app.prefs.stringValue(QStringLiteral("PathToFolder")), chosen.path());
    EXPECT_EQ(app.currentTitle(), QStringLiteral("Chosen"));
    EXPECT_FALSE(app.dialogs.hadUnscriptedCall());
    app.expectConsistent();
}

TEST(Binders, AssigningRefusesEmptyFoldersUntilCancelled)
{
    TestFolder current;
    TestFolder empty;
    TestFolder chosen;
    App app;
    app.binders.start();
    app.binders.conserverDir(songsFolder(current, {"Current.pdf"}), 0);
    app.binders.actionChoisirDir(0);

    app.dialogs.answerFolder(empty.path());
    app.dialogs.answerFolder(songsFolder(chosen, {"New.pdf"}));
    app.binders.actionAssignerDir(0);
    EXPECT_EQ(app.dialogs.texts(), (QStringList{"Choose a folder", kNoSongs, "Choose a folder"}));
    EXPECT_EQ(app.binders.storedDir(0), chosen.path());
    EXPECT_EQ(app.currentTitle(), QStringLiteral("New"));

    app.dialogs.answerFolder(empty.path());
    app.dialogs.answerFolder(QString());
    app.binders.actionAssignerDir(0);
    EXPECT_EQ(app.binders.storedDir(0), chosen.path());
    EXPECT_EQ(app.binders.currentDirNo, 0);
    EXPECT_EQ(app.currentTitle(), QStringLiteral("New"));
    EXPECT_FALSE(app.dialogs.hadUnscriptedCall());
    app.expectConsistent();
}

TEST(Binders, RefreshFindsTheAddedSongUnlessRefreshOnly)
{
    for (bool refreshOnly : {false, true}) {
        SCOPED_TRACE(refreshOnly);
        TestFolder folder;
        App app;
        app.binders.start();
        app.binders.conserverDir(songsFolder(folder, {"A.pdf", "B.pdf", "D.pdf", "E.pdf"}), 0);
        app.binders.actionChoisirDir(0);
        app.data.setSongNoG(4);
        folder.write(QStringLiteral("C.pdf"));
        app.binders.doRefresh(0, Binders::OpenBinder, refreshOnly);
        EXPECT_EQ(app.data.songNbrG(), 5);
        EXPECT_EQ(app.data.songNoG(), refreshOnly ? 4 : 3);
        EXPECT_TRUE(app.data.listePiecesPrec.isEmpty());
    }
}

TEST(Binders, BookmarksFollowEachBinder)
{
    TestFolder first;
    TestFolder second;
    App app;
    app.binders.start();
    app.binders.conserverDir(songsFolder(first, {"A.pdf", "B.pdf", "C.pdf"}), 0);
    app.binders.conserverDir(songsFolder(second, {"X.pdf", "Y.pdf"}), 1);
    app.binders.actionChoisirDir(0);
    app.data.setSongNoG(3);
    app.binders.actionChoisirDir(1);
    EXPECT_EQ(app.currentTitle(), QStringLiteral("X"));
    app.data.setSongNoG(2);
    app.binders.actionChoisirDir(0);
    EXPECT_EQ(app.currentTitle(), QStringLiteral("C"));
    app.binders.actionChoisirDir(1);
    EXPECT_EQ(app.currentTitle(), QStringLiteral("Y"));
    // A bookmark beyond the end of a shrunken binder falls back to the first song.
    app.binders.songNoBookMark[0] = 9;
    app.binders.actionChoisirDir(0);
    EXPECT_EQ(app.data.songNoG(), 1);
}
