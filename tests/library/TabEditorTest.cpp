#include "library/TabEditor.h"

#include "library/FileNames.h"
#include "library/TestFolder.h"
#include "platform/Clipboard.h"
#include "platform/Commands.h"
#include "platform/MemoryPrefs.h"
#include "platform/NotificationCenter.h"
#include "platform/ScriptedDialogs.h"

#include "QtPrinters.h"
#include <QDir>
#include <QVariantMap>
#include <gtest/gtest.h>

#include <functional>
#include <memory>

using namespace partivo;
using partivo::test::TestFolder;

namespace {

// A binder on disk, loaded as binder 1 (number 0) with the stored tabs, and the services the
// editor talks to.
struct Binder {
    TestFolder folder;
    MemoryPrefs prefs;
    ScriptedDialogs dialogs;
    Data data{prefs, dialogs};
    NotificationCenter center;
    MemoryClipboard clipboard;
    QList<int> posted; // key commands posted on the bus

    explicit Binder(const QStringList& files, const QMap<QString, QVariant>& stored = {})
    {
        for (const QString& file : files)
            folder.write(file);
        for (auto it = stored.cbegin(); it != stored.cend(); ++it)
            prefs.setValue(it.key(), it.value());
        center.addObserver(QLatin1String(action::Key), [this](const QVariant& p) {
            posted.append(p.toMap().value(QLatin1String(kCommandParam)).toInt());
        });
        data.resetNavigation();
        data.chargerBinder(0, folder.path(), true);
    }
    std::unique_ptr<TabEditor> open(int tab)
    {
        auto editor = std::make_unique<TabEditor>(data, center, clipboard, tab);
        editor->ouvrir();
        return editor;
    }
    // The stored keys of tab t, as "key=value" in TabDet's order (absent keys left out).
    QStringList stored(int t) const
    {
        QStringList out;
        for (const char* pattern :
             {"%dTabName%d", "%dlist%d", "%dTabSort%d", "%dTabSortAlt%d", "%dOptSel%d",
              "%dLookInto%d", "%dTabPrefix%d", "%dTabPrefixAlt%d"}) {
            const QString key = TabDet::key(pattern, 0, t);
            if (prefs.contains(key))
                out << key + QLatin1Char('=') + prefs.value(key).toString();
        }
        return out;
    }
    // Make song with this title current.
    void makeCurrent(const QString& title)
    {
        for (int n = 1; n <= data.songNbrG(); ++n) {
            if (data.getPiece(n)->ongNo == 0 && data.getPiece(n)->pieceDet->titre == title)
                data.setSongNoG(n);
        }
    }
};

QStringList fileNames(const QList<TabEntry>& list)
{
    QStringList out;
    for (const TabEntry& entry : list)
        out << entry.fileName;
    return out;
}

QStringList titles(const QList<TabEntry>& list)
{
    QStringList out;
    for (const TabEntry& entry : list)
        out << entry.titre;
    return out;
}

QStringList fileNames(const Data::PieceList& list)
{
    QStringList out;
    for (const auto& piece : list)
        out << fileNameOf(piece->getPath());
    return out;
}

QMap<QString, QVariant> setlist(int t, const QString& name, const QString& list)
{
    return {{TabDet::key("%dTabName%d", 0, t), name},
            {TabDet::key("%dlist%d", 0, t), list},
            {TabDet::key("%dOptSel%d", 0, t), 3}};
}

QMap<QString, QVariant> collection(int t, const QString& name, const QString& list, int rule,
                                   int field)
{
    return {{TabDet::key("%dTabName%d", 0, t), name},
            {TabDet::key("%dlist%d", 0, t), list},
            {TabDet::key("%dOptSel%d", 0, t), rule},
            {TabDet::key("%dLookInto%d", 0, t), field}};
}

const QStringList kSongs = {"Alpha(Band A).pdf", "Beta(Band B).pdf", "Gamma(Band A).pdf",
                            "sub/deeper/Deep(Band C).pdf"};

TEST(TabEditor, OpeningSetsTheControlsFromTheTab)
{
    struct Case {
        const char* what;
        QMap<QString, QVariant> stored;
        const char* title;
        int kind;
        int rule;
        int field;
        QStringList rows;
    };
    const Case cases[] = {
        {"brand-new tab", {}, "Tab", TabEditor::SetlistKind, 0, 0, {}},
        {"setlist",
         setlist(2, "Encore", "Beta(Band B).pdf\n\nAlpha(Band A).pdf\n"),
         "Tab: Encore",
         TabEditor::SetlistKind,
         0,
         0,
         {"Beta(Band B).pdf", "Alpha(Band A).pdf"}},
        {"collection",
         collection(2, "Band A", "band a\n", TabDet::AllKeywords, TabDet::Artist),
         "Tab: Band A",
         TabEditor::CollectionKind,
         TabDet::AllKeywords,
         TabDet::Artist,
         {"band a"}},
        // A list stored without a name is no brand-new tab: it keeps its kind (a collection).
        {"unnamed list",
         {{"0list2", "x\n"}, {"0TabName2", ""}},
         "Tab",
         TabEditor::CollectionKind,
         0,
         0,
         {"x"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Binder b(kSongs, c.stored);
        auto editor = b.open(2);
        EXPECT_EQ(editor->windowTitle(), QString::fromUtf8(c.title));
        EXPECT_EQ(editor->tabKind(), c.kind);
        EXPECT_EQ(editor->rule(), c.rule);
        EXPECT_EQ(editor->lookInto(), c.field);
        const QStringList rows =
            c.kind == TabEditor::SetlistKind ? fileNames(editor->liste()) : titles(editor->liste());
        EXPECT_EQ(rows, c.rows);
        EXPECT_FALSE(editor->canSave());
        EXPECT_EQ(editor->tabNoSource(), 0);
        EXPECT_FALSE(editor->playedOnly());
    }
}

TEST(TabEditor, OpeningAndClosingAreToldOnTheBusOnce)
{
    Binder b(kSongs);
    auto editor = b.open(3);
    EXPECT_EQ(b.posted, QList<int>{cmd::MidiEditorOpened});
    editor->fermer();
    editor->fermer();
    EXPECT_EQ(b.posted, (QList<int>{cmd::MidiEditorOpened, cmd::MidiEditorClosed}));
    EXPECT_TRUE(b.dialogs.asked().isEmpty()); // nothing changed: no question
}

TEST(TabEditor, SavingWithEntriesAndNoNameIsRefused)
{
    Binder b(kSongs);
    b.makeCurrent(QStringLiteral("Beta"));
    auto editor = b.open(2);
    ASSERT_TRUE(editor->ajouterPieceCourante());
    EXPECT_FALSE(editor->actionSave());
    EXPECT_EQ(b.dialogs.texts(), QStringList{"Please, enter a Tab Name"});
    EXPECT_TRUE(b.stored(2).isEmpty());
    EXPECT_EQ(b.posted, QList<int>{cmd::MidiEditorOpened});
    EXPECT_TRUE(editor->canSave());

    editor->setTabName(QStringLiteral("Encore"));
    EXPECT_TRUE(editor->actionSave());
    EXPECT_EQ(b.stored(2).first(), QStringLiteral("0TabName2=Encore"));
    EXPECT_FALSE(editor->canSave());
}

TEST(TabEditor, TheStoredKeysAreThoseTabDetLoads)
{
    struct Case {
        const char* what;
        std::function<void(TabEditor&)> edit;
        QStringList keys;
    };
    const Case cases[] = {
        {"setlist of two songs in list order",
         [](TabEditor& e) {
             e.setTabName(QStringLiteral("Gig"));
             e.setTabNoSource(0);
             e.ajouterPiecesSource({3, 0}, -1); // Gamma, then Alpha
             e.setTabSortAlt(TabDet::ByArtist);
         },
         {"0TabName2=Gig", "0list2=Gamma(Band A).pdf\nAlpha(Band A).pdf\n", "0TabSort2=0",
          "0TabSortAlt2=2", "0OptSel2=3", "0LookInto2=0", "0TabPrefix2=", "0TabPrefixAlt2="}},
        {"collection of tags ordered by a tag prefix",
         [](TabEditor& e) {
             e.setTabName(QStringLiteral("Ballads"));
             ASSERT_TRUE(e.actionTabKind(TabEditor::CollectionKind));
             e.ajouterTag(QStringLiteral("slow"));
             e.setRule(TabDet::AllKeywords);
             e.setLookInto(TabDet::Tags);
             e.setTabSort(TabDet::ByTagPrefix);
             e.setTabPrefix(QStringLiteral("bal"));
         },
         {"0TabName2=Ballads", "0list2=slow\n", "0TabSort2=3", "0TabSortAlt2=0", "0OptSel2=1",
          "0LookInto2=3", "0TabPrefix2=BAL", "0TabPrefixAlt2="}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Binder b(kSongs);
        auto editor = b.open(2);
        c.edit(*editor);
        ASSERT_TRUE(editor->actionSave());
        EXPECT_EQ(b.stored(2), c.keys);
        EXPECT_EQ(b.posted, (QList<int>{cmd::MidiEditorOpened, cmd::Refresh}));
        // The record reads back as the editor wrote it.
        TabDet loaded = TabDet::initWithDirNo(0, 2);
        loaded.load(b.prefs);
        TabDet written = TabDet::initWithDirNo(0, 2);
        editor->majDonneesTab(written);
        EXPECT_EQ(loaded.list, written.list);
        EXPECT_EQ(loaded.optSel, written.optSel);
        EXPECT_EQ(loaded.lookInto, written.lookInto);
        EXPECT_EQ(loaded.tabPrefix, written.tabPrefix);
        EXPECT_EQ(b.data.tabs[2].tabName, loaded.tabName);
        EXPECT_GE(b.prefs.syncCount(), 1);
    }
}

TEST(TabEditor, RenamingStoresTheNameAloneAndRefreshesTheTabNames)
{
    auto stored = setlist(4, "Old", "Alpha(Band A).pdf\n");
    stored.insert(QStringLiteral("0TabSort4"), 12); // out of range: a full save would mend it
    Binder b(kSongs, stored);
    auto editor = b.open(4);
    editor->setTabName(QStringLiteral("New"));
    EXPECT_TRUE(editor->changeMadeTabName());
    EXPECT_FALSE(editor->changeMade());
    ASSERT_TRUE(editor->actionSave());
    EXPECT_EQ(b.stored(4), (QStringList{"0TabName4=New", "0list4=Alpha(Band A).pdf\n",
                                        "0TabSort4=12", "0OptSel4=3"}));
    EXPECT_EQ(b.posted, (QList<int>{cmd::MidiEditorOpened, cmd::TabNamesChanged}));
    EXPECT_EQ(b.data.tabs[4].tabName, QStringLiteral("New"));
}

TEST(TabEditor, ANewTabSavedWithANameOnlyComesBackAsASetlist)
{
    Binder b(kSongs);
    auto editor = b.open(5);
    editor->setTabName(QStringLiteral("Later"));
    ASSERT_TRUE(editor->actionSave());
    EXPECT_EQ(b.posted.last(), cmd::Refresh);
    TabDet loaded = TabDet::initWithDirNo(0, 5);
    loaded.load(b.prefs);
    EXPECT_EQ(loaded.tabName, QStringLiteral("Later"));
    EXPECT_EQ(loaded.optSel, TabDet::Setlist);
}

TEST(TabEditor, ConvertingASetlistToACollection)
{
    struct Case {
        int answer;
        int kind;
        QStringList rows; // titles
    };
    const Case cases[] = {
        {1, TabEditor::CollectionKind, {"Alpha", "Beta", "Deep"}},
        {0, TabEditor::CollectionKind, {}},
        {-1, TabEditor::SetlistKind, {"Alpha", "Beta", "Deep"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.answer);
        Binder b(kSongs,
                 setlist(1, "Three", "Alpha(Band A).pdf\nBeta(Band B).pdf\nDeep(Band C).pdf\n"));
        auto editor = b.open(1);
        b.dialogs.answerInt(c.answer);
        EXPECT_EQ(editor->actionTabKind(TabEditor::CollectionKind), c.answer >= 0);
        EXPECT_EQ(b.dialogs.texts(),
                  QStringList{"Convert Setlist to Collection using existing entries?"});
        EXPECT_EQ(editor->tabKind(), c.kind);
        EXPECT_EQ(titles(editor->liste()), c.rows);
        EXPECT_EQ(editor->changeMade(), c.answer >= 0);
        if (c.answer == 1) {
            ASSERT_TRUE(editor->actionSave());
            EXPECT_EQ(b.prefs.stringValue("0list1"), QStringLiteral("Alpha\nBeta\nDeep\n"));
            EXPECT_EQ(b.prefs.intValue("0OptSel1"), TabDet::AnyKeyword);
        }
    }
}

TEST(TabEditor, ConvertingACollectionToASetlist)
{
    struct Case {
        const char* keywords;
        int answer; // 2: no question expected
        int kind;
        QStringList rows;
    };
    const Case cases[] = {
        // Band A in its primary order (title): Alpha, Gamma.
        {"band a\n", 1, TabEditor::SetlistKind, {"Alpha(Band A).pdf", "Gamma(Band A).pdf"}},
        {"band a\n", 0, TabEditor::SetlistKind, {}},
        {"band a\n", -1, TabEditor::CollectionKind, {""}},
        // Keywords that admit nothing are no file names: no question, an empty setlist.
        {"nobody\n", 2, TabEditor::SetlistKind, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.keywords) + std::to_string(c.answer));
        Binder b(kSongs, collection(1, "Band", c.keywords, TabDet::AnyKeyword, TabDet::Artist));
        auto editor = b.open(1);
        if (c.answer != 2)
            b.dialogs.answerInt(c.answer);
        EXPECT_EQ(editor->actionTabKind(TabEditor::SetlistKind), c.answer != -1);
        EXPECT_EQ(b.dialogs.asked().size(), c.answer == 2 ? 0 : 1);
        EXPECT_EQ(editor->tabKind(), c.kind);
        QStringList rows = fileNames(editor->liste());
        EXPECT_EQ(rows, c.rows);
    }
}

TEST(TabEditor, TheCollectionPreviewFollowsTheControls)
{
    Binder b(kSongs);
    auto editor = b.open(2);
    ASSERT_TRUE(editor->actionTabKind(TabEditor::CollectionKind));
    EXPECT_TRUE(editor->listeTemp().isEmpty());
    editor->ajouterTag(QStringLiteral("band a"));
    EXPECT_EQ(fileNames(editor->listeTemp()),
              (QStringList{"Alpha(Band A).pdf", "Gamma(Band A).pdf"}));
    editor->setRule(TabDet::NoKeyword);
    EXPECT_EQ(fileNames(editor->listeTemp()),
              (QStringList{"Beta(Band B).pdf", "Deep(Band C).pdf"}));
    editor->setLookInto(TabDet::Title);
    EXPECT_EQ(editor->listeTemp().size(), 4); // no title holds "BAND A"
    editor->setRule(TabDet::AnyKeyword);
    editor->setLookInto(TabDet::FileName);
    editor->setEntryText(0, QStringLiteral("a)"));
    EXPECT_EQ(fileNames(editor->listeTemp()),
              (QStringList{"Alpha(Band A).pdf", "Gamma(Band A).pdf"}));
    editor->setTabSort(TabDet::ByArtist);
    editor->setEntryText(0, QStringLiteral("pdf"));
    EXPECT_EQ(fileNames(editor->listeTemp()),
              (QStringList{"Alpha(Band A).pdf", "Gamma(Band A).pdf", "Beta(Band B).pdf",
                           "Deep(Band C).pdf"}));
}

TEST(TabEditor, ImportingIntoASetlistAddsTheMatchesOfTheFirstLineFirst)
{
    Binder b(
        {"Song B1.pdf", "Song A2.pdf", "Another Song A.pdf", "Zed.pdf", "Two Song A Song B.pdf"});
    auto editor = b.open(2);
    b.clipboard.setText(QStringLiteral("Song A\r\nSong B\n"));
    EXPECT_EQ(editor->actionImport(), 4);
    EXPECT_EQ(fileNames(editor->liste()), (QStringList{"Another Song A.pdf", "Song A2.pdf",
                                                       "Two Song A Song B.pdf", "Song B1.pdf"}));
    EXPECT_EQ(b.dialogs.texts(), QStringList{"4 valid entries added from the pasteboard"});
    EXPECT_TRUE(editor->changeMade());

    Binder none({"Zed.pdf"});
    auto empty = none.open(2);
    none.clipboard.setText(QStringLiteral("Song A\n"));
    EXPECT_EQ(empty->actionImport(), 0);
    EXPECT_EQ(none.dialogs.texts(), QStringList{"0 valid entries added from the pasteboard"});
    EXPECT_FALSE(empty->changeMade());
}

TEST(TabEditor, ImportingIntoACollectionAddsEveryLine)
{
    Binder b(kSongs);
    auto editor = b.open(2);
    ASSERT_TRUE(editor->actionTabKind(TabEditor::CollectionKind));
    b.clipboard.setText(QStringLiteral("band b\r\n\nband c\n"));
    EXPECT_EQ(editor->actionImport(), 2);
    EXPECT_EQ(titles(editor->liste()), (QStringList{"band b", "band c"}));
    EXPECT_EQ(b.dialogs.texts(), QStringList{"2 entries added from the pasteboard"});
    EXPECT_EQ(fileNames(editor->listeTemp()),
              (QStringList{"Beta(Band B).pdf", "Deep(Band C).pdf"}));
}

TEST(TabEditor, ExportingCopiesTheFileNames)
{
    struct Case {
        const char* what;
        QMap<QString, QVariant> stored;
        QString text;
        const char* message;
    };
    const Case cases[] = {
        {"setlist, a missing file included", setlist(2, "S", "Gamma(Band A).pdf\nGone.pdf\n"),
         "Gamma(Band A).pdf\nGone.pdf\n", "2 filename(s) copied to the pasteboard."},
        {"collection preview", collection(2, "C", "band a\n", 0, TabDet::Artist),
         "Alpha(Band A).pdf\nGamma(Band A).pdf\n", "2 filename(s) copied to the pasteboard."},
        {"empty setlist", {}, "before", "Current list is empty. 0 entry copied to the pasteboard."},
        {"collection admitting nothing", collection(2, "C", "nobody\n", 0, TabDet::Artist),
         "before", "Current list is empty. 0 entry copied to the pasteboard."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Binder b(kSongs, c.stored);
        b.clipboard.setText(QStringLiteral("before"));
        auto editor = b.open(2);
        editor->actionExport();
        EXPECT_EQ(b.clipboard.text(), c.text);
        EXPECT_EQ(b.dialogs.texts(), QStringList{QString::fromUtf8(c.message)});
    }
}

// A setlist line names a file by its last path component: songs in subfolders are found,
// a line naming no song of the binder shows as missing.
TEST(TabEditor, SetlistLinesFindSongsInSubfolders)
{
    struct Case {
        const char* line;
        const char* path; // relative to the binder; for a missing file, what the tooltip names
        bool missing;
    };
    const Case cases[] = {
        {"Deep(Band C).pdf", "sub/deeper/Deep(Band C).pdf", false},
        {"deep(band c).PDF", "sub/deeper/Deep(Band C).pdf", false},
        {"Alpha(Band A).pdf", "Alpha(Band A).pdf", false},
        {"Gam", "Gamma(Band A).pdf", false}, // the load admits it by its first characters
        {"Gone(Band).pdf", "Gone(Band).pdf", true},
        {"deeper/Deep(Band C).pdf", "deeper/Deep(Band C).pdf", true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.line);
        Binder b(kSongs, setlist(1, "S", QString::fromUtf8(c.line) + "\n"));
        auto editor = b.open(1);
        ASSERT_EQ(editor->liste().size(), 1);
        const TabEntry& entry = editor->liste().first();
        const QString full = QDir(b.data.dirX).filePath(QString::fromUtf8(c.path));
        EXPECT_EQ(entry.path, full);
        EXPECT_EQ(entry.missing, c.missing);
        EXPECT_EQ(entry.fileName, QString::fromUtf8(c.line));
        EXPECT_EQ(editor->statut(0), c.missing ? QStringLiteral("⚠") : QStringLiteral(" "));
        EXPECT_EQ(editor->statutTooltip(0),
                  c.missing
                      ? QStringLiteral("File %1 no longer exists or has been renamed").arg(full)
                      : QString());
    }
}

TEST(TabEditor, AMissingFileShowsItsNameAndIsKeptWhenSaved)
{
    Binder b(kSongs, setlist(1, "S", "Alpha(Band A).pdf\nGone(Old Band).pdf\nBeta(Band B).pdf\n"));
    b.makeCurrent(QStringLiteral("Deep"));
    auto editor = b.open(1);
    const TabEntry& gone = editor->liste()[1];
    EXPECT_EQ(gone.titre, QStringLiteral("Gone"));
    EXPECT_EQ(gone.auteur, QStringLiteral("Old Band"));
    ASSERT_TRUE(editor->ajouterPieceCourante());
    EXPECT_EQ(editor->moveRow(0, 1), 1);
    ASSERT_TRUE(editor->actionSave());
    EXPECT_EQ(b.prefs.stringValue("0list1"),
              QStringLiteral(
                  "Gone(Old Band).pdf\nAlpha(Band A).pdf\nBeta(Band B).pdf\nDeep(Band C).pdf\n"));
}

TEST(TabEditor, EditingRows)
{
    Binder b(kSongs, setlist(1, "S",
                             "Alpha(Band A).pdf\nBeta(Band B).pdf\nGamma(Band A).pdf\n"
                             "Deep(Band C).pdf\n"));
    auto editor = b.open(1);

    EXPECT_EQ(editor->actionDeleteRow({}), -1);
    EXPECT_EQ(b.dialogs.texts(), QStringList{"A row must be selected to perform this operation"});
    EXPECT_FALSE(editor->changeMade());

    struct Move {
        int row;
        int delta;
        int to;
    };
    for (const Move& m : {Move{0, -1, 0}, Move{3, 1, 3}, Move{0, 1, 1}, Move{2, -1, 1}})
        EXPECT_EQ(editor->moveRow(m.row, m.delta), m.to) << m.row << m.delta;
    EXPECT_EQ(titles(editor->liste()), (QStringList{"Beta", "Gamma", "Alpha", "Deep"}));

    EXPECT_EQ(editor->actionDeleteRow({2, 0}), 0); // the row after the first removed one
    EXPECT_EQ(titles(editor->liste()), (QStringList{"Gamma", "Deep"}));
    EXPECT_EQ(editor->actionDeleteRow({1}), 0); // the last row
    const int row = editor->actionInsertRow();
    EXPECT_EQ(row, 1);
    editor->setEntryText(row, QStringLiteral("Beta(Band B).pdf"));
    EXPECT_EQ(titles(editor->liste()), (QStringList{"Gamma", "Beta"}));

    b.dialogs.answerQuestion(false);
    editor->actionEmptyList();
    EXPECT_EQ(editor->liste().size(), 2);
    b.dialogs.answerQuestion(true);
    editor->actionEmptyList();
    EXPECT_TRUE(editor->liste().isEmpty());
    EXPECT_EQ(b.dialogs.texts().mid(1), (QStringList{"Remove all entries from the list?",
                                                     "Remove all entries from the list?"}));
    EXPECT_EQ(editor->actionDeleteRow({0}), -1);
}

TEST(TabEditor, TagsAreKeywordsOfCollectionsOnly)
{
    Binder b(kSongs);
    auto editor = b.open(2);
    EXPECT_FALSE(editor->ajouterTag(QStringLiteral("Rock")));
    ASSERT_TRUE(editor->actionTabKind(TabEditor::CollectionKind));
    EXPECT_FALSE(editor->ajouterTag(QString()));
    EXPECT_TRUE(editor->ajouterTag(QStringLiteral("Rock")));
    EXPECT_FALSE(editor->ajouterPieceCourante());
    EXPECT_EQ(titles(editor->liste()), QStringList{"Rock"});
}

TEST(TabEditor, ClosingWithChangesAsksToSave)
{
    struct Case {
        bool yes;
        const char* name;
        QString stored; // the name stored, "-" for nothing
    };
    const Case cases[] = {
        {true, "", "no name"},
        {true, "Named", "Named"},
        {false, "Named", "-"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Binder b(kSongs);
        b.makeCurrent(QStringLiteral("Alpha"));
        auto editor = b.open(2);
        editor->setTabName(QString::fromUtf8(c.name));
        ASSERT_TRUE(editor->ajouterPieceCourante());
        b.dialogs.answerQuestion(c.yes);
        editor->fermer();
        EXPECT_EQ(b.dialogs.texts(), QStringList{"Save changes?"});
        EXPECT_EQ(b.prefs.stringValue("0TabName2", QStringLiteral("-")), c.stored);
        EXPECT_EQ(b.posted.last(), cmd::MidiEditorClosed);
        EXPECT_EQ(b.posted.contains(cmd::Refresh), c.yes);
    }
}

TEST(TabEditor, TheSourceTableListsTheChosenTabFiltered)
{
    QMap<QString, QVariant> stored = setlist(3, "Pair", "Gamma(Band A).pdf\nBeta(Band B).pdf\n");
    Binder b({"Alpha(Band A).pdf", "Beta(Band B).pdf", "Gamma(Band A).pdf", "Delta(Band B).pdf"},
             stored);
    b.folder.write(QStringLiteral("Delta(Band B).txt"), "Tags=slow ballad\n");
    b.data.resetNavigation();
    b.data.chargerBinder(0, b.folder.path(), true);
    auto editor = b.open(2);
    EXPECT_EQ(editor->sourceTabs(), (QList<int>{0, 3}));

    struct Case {
        int tab;
        const char* title;
        const char* artist;
        const char* tag;
        bool played;
        QStringList files;
    };
    const Case cases[] = {
        {0,
         "",
         "",
         "",
         false,
         {"Alpha(Band A).pdf", "Beta(Band B).pdf", "Delta(Band B).pdf", "Gamma(Band A).pdf"}},
        {3, "", "", "", false, {"Beta(Band B).pdf", "Gamma(Band A).pdf"}}, // title order
        {0, "ta", "", "", false, {"Beta(Band B).pdf", "Delta(Band B).pdf"}},
        {0, "ta", "band a", "", false, {}},
        {0, "", "b", "BALL", false, {"Delta(Band B).pdf"}},
        {0, "", "", "", true, {"Alpha(Band A).pdf"}},
    };
    for (const auto& piece : b.data.listePiecesByTitle) {
        if (piece->pieceDet->titre == QLatin1String("Alpha"))
            piece->pieceDet->played = true;
    }
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.title) + "|" + c.artist + "|" + c.tag);
        editor->setTabNoSource(c.tab);
        editor->setSourceFilters(QString::fromUtf8(c.title), QString::fromUtf8(c.artist),
                                 QString::fromUtf8(c.tag));
        editor->actionPlayed(c.played);
        EXPECT_EQ(fileNames(editor->sourcePieces()), c.files);
    }
    editor->setTabNoSource(0);
    editor->setSourceFilters({}, {}, {});
    editor->actionPlayed(false);
    editor->actionInsertRow();
    EXPECT_EQ(editor->ajouterPiecesSource({3, 1, 9}, 0), 2);
    EXPECT_EQ(fileNames(editor->liste()),
              (QStringList{"Gamma(Band A).pdf", "Beta(Band B).pdf", ""}));
}

TEST(TabEditor, ReplacingTheListMarksAChangeOnlyWhenItDiffers)
{
    Binder b(kSongs, setlist(2, "S", "Alpha(Band A).pdf\n"));
    auto editor = b.open(2);
    editor->remplacerListe(TabEditor::SetlistKind, {"Alpha(Band A).pdf", ""});
    EXPECT_FALSE(editor->changeMade());
    editor->remplacerListe(TabEditor::CollectionKind, {"band b"});
    EXPECT_TRUE(editor->changeMade());
    EXPECT_TRUE(b.dialogs.asked().isEmpty());
    EXPECT_EQ(fileNames(editor->listeTemp()), QStringList{"Beta(Band B).pdf"});
}

} // namespace
