#include "library/TagAssignments.h"
#include "library/TagTestBinder.h"

#include "QtPrinters.h"

#include <gtest/gtest.h>

using namespace partivo;
using partivo::test::TagTestBinder;
using partivo::test::TestFolder;

namespace {

QStringList numberedTags(int count)
{
    QStringList tags;
    for (int i = 0; i < count; ++i)
        tags << QStringLiteral("T%1").arg(i);
    return tags;
}

QStringList columnTags(const TagAssignments& a)
{
    QStringList tags;
    for (int c = 0; c < TagAssignments::kTagColumns; ++c)
        tags << a.columnTag(c);
    return tags;
}

// The row of the song with that title.
int rowOf(const TagAssignments& a, const char* title)
{
    for (int row = 0; row < a.rowCount(); ++row) {
        if (a.title(row) == QLatin1String(title))
            return row;
    }
    ADD_FAILURE() << "no row " << title;
    return -1;
}

TEST(TagAssignments, TheTagColumnsPageByEightWithinTheList)
{
    // n: the last column's header (next eight), p: the Tags header (previous eight).
    const struct {
        int tags;
        const char* clicks;
        QList<int> offsets; // after each click
    } cases[] = {
        {20, "nnnppp", {8, 12, 12, 4, 0, 0}},
        {16, "nnp", {8, 8, 0}},
        {9, "np", {1, 0}},
        {8, "np", {0, 0}},
        {5, "nnp", {0, 0, 0}},
        {0, "np", {0, 0}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.tags << " tags, " << c.clicks);
        TagTestBinder b({{"Song.pdf", nullptr}}, numberedTags(c.tags));
        TagAssignments a(b.data);
        EXPECT_EQ(a.tagOffset(), 0);
        QList<int> offsets;
        for (const char* click = c.clicks; *click; ++click) {
            if (*click == 'n')
                a.nextTags();
            else
                a.previousTags();
            offsets << a.tagOffset();
        }
        EXPECT_EQ(offsets, c.offsets);
    }

    TagTestBinder b({{"Song.pdf", nullptr}}, numberedTags(20));
    TagAssignments a(b.data);
    a.nextTags();
    a.nextTags();
    EXPECT_EQ(columnTags(a), (QStringList{"T12", "T13", "T14", "T15", "T16", "T17", "T18", "T19"}));
    TagTestBinder few({{"Song.pdf", nullptr}}, {"Pop", "Rock", "Jazz"});
    TagAssignments three(few.data);
    EXPECT_EQ(columnTags(three), (QStringList{"Pop", "Rock", "Jazz", "", "", "", "", ""}));
    EXPECT_EQ(three.columnTag(-1), QString());
    EXPECT_EQ(three.columnTag(8), QString());
}

TEST(TagAssignments, ATickIsTheTagAsWrittenAndTickingWritesTheNote)
{
    TagTestBinder b({{"A(Band).pdf", "Tempo 80\nTags=rock Pop\n"}, {"B.pdf", nullptr}},
                    {"Rock", "Pop", "rock", "Blues"});
    TagAssignments a(b.data);
    ASSERT_EQ(a.rowCount(), 2);
    const int row = rowOf(a, "A");
    EXPECT_EQ(a.artist(row), QStringLiteral("Band"));
    EXPECT_EQ(a.artist(rowOf(a, "B")), QString()); // "(nil)" is not shown
    EXPECT_EQ(a.tagsText(row), QStringLiteral("rock Pop"));
    const QList<bool> ticks{false, true, true, false, false, false, false, false};
    for (int c = 0; c < TagAssignments::kTagColumns; ++c)
        EXPECT_EQ(a.isTicked(row, c), ticks[c]) << "column " << c;
    EXPECT_FALSE(a.changed());

    // "Rock" in another case is already there: ticking its column writes nothing.
    EXPECT_TRUE(a.setTicked(row, 0, true));
    EXPECT_FALSE(a.isTicked(row, 0));
    EXPECT_FALSE(a.changed());
    EXPECT_FALSE(a.setTicked(row, 5, true)); // a column without a tag

    const struct {
        int column;
        bool on;
        const char* note;
    } steps[] = {
        {3, true, "Tempo 80\nTags=rock Pop Blues\n"},
        {1, false, "Tempo 80\nTags=rock Blues\n"},
        {0, false, "Tempo 80\nTags=Blues\n"}, // unticking removes the tag in any case
    };
    for (const auto& s : steps) {
        EXPECT_TRUE(a.setTicked(row, s.column, s.on));
        EXPECT_EQ(b.note("A(Band).pdf"), QString::fromUtf8(s.note));
        EXPECT_EQ(a.isTicked(row, s.column), s.on);
    }
    EXPECT_TRUE(a.changed());
    EXPECT_EQ(a.tagsText(row), QStringLiteral("Blues"));

    EXPECT_TRUE(a.clearRow(row));
    EXPECT_EQ(b.note("A(Band).pdf"), QStringLiteral("Tempo 80\n"));
    EXPECT_EQ(a.tagsText(row), QString());
    EXPECT_TRUE(b.dialogs.asked().isEmpty());
}

TEST(TagAssignments, ProceedCountsOnlyTheSongsItChanged)
{
    TagTestBinder b({{"A.pdf", "Tags=rock\n"},
                     {"B.pdf", nullptr},
                     {"C.pdf", "Tags=Pop\n"},
                     {"D.pdf", "Tags=Rock\n"}},
                    {"Rock", "Pop"});
    TagAssignments a(b.data);
    const struct {
        int operation;
        const char* tag;
        QList<int> rows; // A..D are rows 0..3
        int updated;
        QStringList notes; // A..D
    } steps[] = {
        {TagAssignments::AddTag,
         "Rock",
         {0, 1, 2, 2},
         2,
         {"Tags=rock\n", "Tags=Rock\n", "Tags=Pop Rock\n", "Tags=Rock\n"}},
        {TagAssignments::RemoveTag,
         "pop",
         {0, 1},
         0,
         {"Tags=rock\n", "Tags=Rock\n", "Tags=Pop Rock\n", "Tags=Rock\n"}},
        {TagAssignments::RemoveTag, "ROCK", {3, 2, 0}, 3, {"", "Tags=Rock\n", "Tags=Pop\n", ""}},
    };
    for (const auto& s : steps) {
        SCOPED_TRACE(s.tag);
        b.dialogs = ScriptedDialogs();
        EXPECT_EQ(a.actionProceed(s.rows, s.operation, QString::fromUtf8(s.tag)), s.updated);
        EXPECT_EQ(b.dialogs.texts(),
                  QStringList{QStringLiteral("%1 entries updated").arg(s.updated)});
        EXPECT_EQ((QStringList{b.note("A.pdf"), b.note("B.pdf"), b.note("C.pdf"), b.note("D.pdf")}),
                  s.notes);
    }
    EXPECT_TRUE(a.isTicked(1, 0));
    EXPECT_FALSE(a.isTicked(2, 0));
    EXPECT_TRUE(a.changed());
}

TEST(TagAssignments, TheOperationsNeedASelectedRow)
{
    TagTestBinder b({{"A.pdf", "Tags=Rock\n"}}, {"Rock"});
    TagAssignments a(b.data);
    for (const QList<int>& rows : {QList<int>{}, QList<int>{1}, QList<int>{-1}}) {
        b.dialogs = ScriptedDialogs();
        EXPECT_EQ(a.actionProceed(rows, TagAssignments::RemoveTag, "Rock"), -1);
        EXPECT_EQ(a.actionClear(rows), -1);
        EXPECT_EQ(a.actionExtract(rows), -1);
        EXPECT_EQ(b.dialogs.texts(),
                  QStringList(3, "One or many rows must be selected to perform this operation"));
    }
    EXPECT_EQ(b.note("A.pdf"), QStringLiteral("Tags=Rock\n"));
    EXPECT_FALSE(a.changed());
}

TEST(TagAssignments, ClearAsksThenCountsTheSongsThatHadTags)
{
    for (const bool yes : {false, true}) {
        SCOPED_TRACE(yes ? "Yes" : "No");
        TagTestBinder b({{"A.pdf", "Tempo 100\nTags=Rock Pop\n"},
                         {"B.pdf", "Tempo 90\n"},
                         {"C.pdf", "Tags=Jazz\n"}},
                        {"Rock"});
        TagAssignments a(b.data);
        b.dialogs.answerQuestion(yes);
        EXPECT_EQ(a.actionClear({0, 1}), yes ? 1 : 0);
        QStringList expected{"Are you sure you want to remove tags from 2 entries?"};
        if (yes)
            expected << "1 entries updated";
        EXPECT_EQ(b.dialogs.texts(), expected);
        EXPECT_EQ(b.note("A.pdf"), yes ? "Tempo 100\n" : "Tempo 100\nTags=Rock Pop\n");
        EXPECT_EQ(b.note("B.pdf"), QStringLiteral("Tempo 90\n"));
        EXPECT_EQ(b.note("C.pdf"), QStringLiteral("Tags=Jazz\n"));
        EXPECT_EQ(a.changed(), yes);
    }
}

TEST(TagAssignments, ExtractLooksOnlyBelowTheBindersFolder)
{
    // A binder kept in a folder named after a tag: its own name tags nothing.
    TestFolder outer;
    outer.write("Rock Songs/Plain.pdf");
    outer.write("Rock Songs/Blues/Slow.pdf");
    MemoryPrefs prefs;
    ScriptedDialogs dialogs;
    Data data(prefs, dialogs);
    data.tags = {"Rock", "Blues"};
    data.resetNavigation();
    ASSERT_TRUE(data.chargerBinder(0, outer.path() + "/Rock Songs", true));
    TagAssignments a(data);
    EXPECT_EQ(a.actionExtract({rowOf(a, "Plain"), rowOf(a, "Slow")}), 1);
    EXPECT_FALSE(outer.exists("Rock Songs/Plain.txt"));
    EXPECT_EQ(outer.read("Rock Songs/Blues/Slow.txt"), QStringLiteral("Tags=Blues\n"));
}

TEST(TagAssignments, ExtractFindsTagsInTheFileNameAndTheFolder)
{
    TagTestBinder b({{"Song(Artist)Rock Pop.pdf", nullptr},
                     {"Blues/Slow.pdf", "Tempo 60\n"},
                     {"Other(Band)rock.pdf", "Tags=ROCK\n"},
                     {"Pop(Band)Live.pdf", nullptr},
                     {"Unselected(Band)Jazz.pdf", nullptr}},
                    {"Jazz", "Pop", "Blues", "Rock"});
    TagAssignments a(b.data);
    const QList<int> rows{rowOf(a, "Song"), rowOf(a, "Slow"), rowOf(a, "Other"), rowOf(a, "Pop")};
    EXPECT_EQ(a.actionExtract(rows), 2);
    EXPECT_EQ(b.dialogs.texts(), QStringList{"2 entries updated"});
    EXPECT_EQ(b.note("Song(Artist)Rock Pop.pdf"), QStringLiteral("Tags=Pop Rock\n"));
    EXPECT_EQ(b.note("Blues/Slow.pdf"), QStringLiteral("Tempo 60\nTags=Blues\n"));
    EXPECT_EQ(b.note("Other(Band)rock.pdf"), QStringLiteral("Tags=ROCK\n"));
    EXPECT_FALSE(b.folder.exists("Pop(Band)Live.txt")); // a title is no tag
    EXPECT_FALSE(b.folder.exists("Unselected(Band)Jazz.txt"));
    EXPECT_EQ(a.tagsText(rowOf(a, "Song")), QStringLiteral("Pop Rock"));
    EXPECT_TRUE(a.changed());
}

TEST(TagAssignments, RowsFollowTheChosenTabAndFilters)
{
    TagTestBinder b({{"Alpha(Band A).pdf", "Tags=Rock\n"},
                     {"Beta(Band B).pdf", nullptr},
                     {"Gamma(Band A).pdf", "Tags=Pop\n"}},
                    {"Rock", "Pop"}, QStringLiteral("Gamma(Band A).pdf\nBeta(Band B).pdf\n"));
    TagAssignments a(b.data);
    EXPECT_EQ(a.source().tabs(), (QList<int>{0, 1}));
    a.source().setFilters(QString(), QStringLiteral("band a"), QString());
    ASSERT_EQ(a.rowCount(), 2);
    EXPECT_EQ(a.title(1), QStringLiteral("Gamma"));
    a.source().setFilters(QString(), QString(), QString());
    a.source().setTab(1);
    ASSERT_EQ(a.rowCount(), 2);
    EXPECT_EQ(a.title(0), QStringLiteral("Beta")); // title order
    EXPECT_EQ(a.actionProceed({0}, TagAssignments::AddTag, "Rock"), 1);
    EXPECT_EQ(b.note("Beta(Band B).pdf"), QStringLiteral("Tags=Rock\n"));
    EXPECT_EQ(b.note("Gamma(Band A).pdf"), QStringLiteral("Tags=Pop\n"));
}

TEST(TagAssignments, NotesThatCannotBeWrittenAreReportedAndNotCounted)
{
    TagTestBinder b({{"A.pdf", nullptr}, {"B.pdf", "Tags=Pop\n"}, {"C(X)Rock.pdf", nullptr}},
                    {"Rock"});
    TagAssignments a(b.data);
    b.withFolderGone([&] {
        EXPECT_EQ(a.actionProceed({0, 1}, TagAssignments::AddTag, "Rock"), 0);
        EXPECT_EQ(a.actionExtract({2}), 0);
        EXPECT_FALSE(a.setTicked(0, 0, true));
    });
    const QStringList texts = b.dialogs.texts();
    ASSERT_EQ(texts.size(), 5);
    EXPECT_EQ(texts[0], QStringLiteral("0 entries updated"));
    EXPECT_TRUE(texts[1].startsWith("2 note(s) could not be written:\n")) << texts[1].toStdString();
    EXPECT_TRUE(texts[1].contains("A.txt") && texts[1].contains("B.txt"));
    EXPECT_EQ(texts[2], QStringLiteral("0 entries updated"));
    EXPECT_TRUE(texts[3].startsWith("1 note(s) could not be written:\n"));
    EXPECT_TRUE(texts[4].startsWith("1 note(s) could not be written:\n"));
    EXPECT_FALSE(b.folder.exists("A.txt"));
    EXPECT_EQ(b.note("B.pdf"), QStringLiteral("Tags=Pop\n"));
    EXPECT_EQ(a.tagsText(1), QStringLiteral("Pop"));
    EXPECT_FALSE(a.changed());
}

} // namespace
