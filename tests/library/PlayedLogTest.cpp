#include "library/PlayedLog.h"
#include "library/Data.h"
#include "library/TestFolder.h"
#include "platform/MemoryPrefs.h"
#include "platform/ScriptedDialogs.h"

#include "QtPrinters.h"

#include <gtest/gtest.h>

using namespace partivo;
using partivo::test::TestFolder;

namespace {

struct LogBinder {
    TestFolder folder;
    MemoryPrefs prefs;
    ScriptedDialogs dialogs;
    Data data{prefs, dialogs};
    explicit LogBinder(std::initializer_list<const char*> files)
    {
        for (const char* name : files)
            folder.write(QString::fromUtf8(name));
        data.chargerTabsForDirNo(0, true);
        EXPECT_TRUE(data.chargerFichiers(folder.path(), true));
    }
    std::shared_ptr<Pieces> song(int n) { return data.getPiece(n); }
    QStringList log() const
    {
        QStringList titles;
        for (const auto& entry : data.listePiecesLog)
            titles << entry->pieceDet->titre;
        return titles;
    }
};

TEST(PlayedLog, MarkingTwiceInARowLogsOnceAndUnmarkedSongsAreNotSaved)
{
    LogBinder b({"Song A.pdf", "Song B.pdf", "Other.pdf"});
    markAsalreadyPlayed(b.data, b.song(2), false); // Song A
    markAsalreadyPlayed(b.data, b.song(2), false);
    markAsalreadyPlayed(b.data, b.song(3), false);
    markAsalreadyPlayed(b.data, b.song(2), false);
    EXPECT_EQ(b.log(), (QStringList{"Song A", "Song B", "Song A"}));
    markAsalreadyPlayed(b.data, b.song(3), true); // unmarked by hand
    EXPECT_FALSE(b.song(3)->pieceDet->played);
    EXPECT_EQ(b.log().size(), 3);

    const QDateTime when(QDate(2026, 12, 7), QTime(21, 30));
    saveLogPlayed(b.prefs, b.data, when);
    EXPECT_EQ(b.prefs.intValue("plogLast"), 1);
    EXPECT_EQ(b.prefs.stringValue("plogTx1"), QStringLiteral("Song A.pdf\nSong A.pdf\n"));
    EXPECT_EQ(b.prefs.value("plogDate1").toDateTime(), when);
}

TEST(PlayedLog, SlotsRotateAndTheMenuNumberingNeverGoesNegative)
{
    LogBinder b({"Song A.pdf"});
    markAsalreadyPlayed(b.data, b.song(1), false);
    b.prefs.setValue("plogLast", 10);
    saveLogPlayed(b.prefs, b.data, QDateTime::currentDateTime());
    EXPECT_EQ(b.prefs.intValue("plogLast"), 1); // the eleventh log overwrites slot 1
    saveLogPlayed(b.prefs, b.data, QDateTime::currentDateTime());
    EXPECT_EQ(b.prefs.intValue("plogLast"), 2);
    const struct {
        int slot, last, item;
    } cases[] = {{2, 2, 0}, {1, 2, 1}, {3, 2, 9}, {10, 1, 1}, {1, 1, 0}, {5, 0, 5}, {4, -7, 9}};
    for (const auto& c : cases)
        EXPECT_EQ(recallItemOfSlot(c.slot, c.last), c.item) << c.slot << " " << c.last;
    LogBinder empty({"Song A.pdf"});
    saveLogPlayed(empty.prefs, empty.data, QDateTime::currentDateTime());
    EXPECT_FALSE(empty.prefs.contains("plogLast")); // an empty log saves nothing
}

TEST(PlayedLog, RecallMarksExactlyTheSongsItNames)
{
    const struct {
        const char* name;
        const char* text;
        int marks;
        QStringList log;
    } cases[] = {
        {"by file name, in the log's order", "SONG B.PDF\nsong a.pdf\n", 2, {"Song B", "Song A"}},
        {"a line matches every name it begins",
         "SONG A.PDF\nSONG\n",
         3,
         {"Song A", "Song A", "Song B"}},
        {"empty lines and a trailing break mark nothing", "\nOther.pdf\n\n", 1, {"Other"}},
        {"nothing", "", 0, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        LogBinder b({"Song A.pdf", "Song B.pdf", "Other.pdf"});
        markAsalreadyPlayed(b.data, b.song(1), false); // cleared by the recall
        EXPECT_EQ(recallPlayedStates(b.data, QString::fromUtf8(c.text)), c.marks);
        EXPECT_EQ(b.log(), c.log);
        int played = 0;
        for (int n = 1; n <= 3; ++n)
            played += b.song(n)->pieceDet->played;
        EXPECT_EQ(played, QSet<QString>(c.log.begin(), c.log.end()).size());
    }
}

} // namespace
