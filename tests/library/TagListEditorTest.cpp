#include "library/TagListEditor.h"
#include "library/TagList.h"
#include "library/TagTestBinder.h"

#include "QtPrinters.h"

#include <gtest/gtest.h>

using namespace partivo;
using partivo::test::TagTestBinder;

namespace {

const QStringList kTags = {"Pop", "Rock", "Blues"};

TEST(TagListEditor, OpeningAndClosingAreToldOnceAndClosingStoresTheList)
{
    TagTestBinder b({{"Song.pdf", nullptr}}, kTags);
    TagListEditor editor(b.data, b.center);
    editor.ouvrir();
    editor.ouvrir();
    EXPECT_TRUE(editor.isOpen());
    EXPECT_EQ(editor.actionInsertRow(), 3);
    EXPECT_FALSE(b.prefs.contains(kTagListKey)); // stored only when the window closes
    editor.fermer();
    editor.fermer();
    EXPECT_FALSE(editor.isOpen());
    EXPECT_EQ(b.prefs.stringValue(kTagListKey), QStringLiteral("Pop\nRock\nBlues\nTag1\n"));
    EXPECT_EQ(b.posted,
              (QList<int>{cmd::MidiEditorOpened, cmd::WinIDsEdited, cmd::MidiEditorClosed}));
}

TEST(TagListEditor, RenamingTakesOneWordAndKeepsTheNotes)
{
    TagTestBinder b({{"Song.pdf", "Tags=Rock\n"}}, kTags);
    TagListEditor editor(b.data, b.center);
    const struct {
        int row;
        const char* name;
        bool taken;
    } cases[] = {
        {1, "Ballad", true},      {1, "", false},        {1, "Slow rock", false},
        {1, "Slow\trock", false}, {1, " Ballad", false}, {1, "Ballad\n", false},
        {1, "Ballad", true},      {3, "Ballad", false},  {-1, "Ballad", false},
        {0, "⭐️", true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(editor.renameRow(c.row, QString::fromUtf8(c.name)), c.taken);
    }
    EXPECT_EQ(editor.tags(), (QStringList{"⭐️", "Ballad", "Blues"}));
    // One change per new text: the second "Ballad" changed nothing.
    EXPECT_EQ(b.posted, (QList<int>{cmd::WinIDsEdited, cmd::WinIDsEdited}));
    EXPECT_EQ(b.note("Song.pdf"), QStringLiteral("Tags=Rock\n"));
}

TEST(TagListEditor, RowsMoveWithinTheList)
{
    TagTestBinder b({{"Song.pdf", nullptr}}, kTags);
    TagListEditor editor(b.data, b.center);
    const struct {
        int from, to;
        bool moved;
        QStringList after;
    } cases[] = {
        {2, 0, true, {"Blues", "Pop", "Rock"}},   {0, 2, true, {"Pop", "Rock", "Blues"}},
        {1, 1, true, {"Pop", "Rock", "Blues"}},   {3, 0, false, {"Pop", "Rock", "Blues"}},
        {0, -1, false, {"Pop", "Rock", "Blues"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.from << "->" << c.to);
        EXPECT_EQ(editor.moveRow(c.from, c.to), c.moved);
        EXPECT_EQ(editor.tags(), c.after);
    }
    EXPECT_EQ(b.posted, (QList<int>{cmd::WinIDsEdited, cmd::WinIDsEdited}));
}

// Every song once, whatever the case of its tag; whole tags only; a setlist entry shares the
// song's note.
TEST(TagListEditor, DeletingATagRemovesItFromTheSongsOnlyWhenAsked)
{
    for (const bool yes : {true, false}) {
        SCOPED_TRACE(yes ? "Yes" : "No");
        TagTestBinder b({{"A.pdf", "Tempo 90\nTags=Pop rock\n"},
                         {"B.pdf", "Tags=ROCK\n"},
                         {"C.pdf", "Tags=Rocky Rock-n-roll\n"},
                         {"D.pdf", nullptr}},
                        kTags, QStringLiteral("B.pdf\nA.pdf\n"));
        TagListEditor editor(b.data, b.center);
        b.dialogs.answerQuestion(yes);
        EXPECT_EQ(editor.actionDeleteRow(1), 1);
        EXPECT_EQ(b.dialogs.texts(), QStringList{"⚠️Also remove tag Rock from ALL songs?"});
        EXPECT_EQ(editor.tags(), (QStringList{"Pop", "Blues"}));
        EXPECT_EQ(b.note("A.pdf"), yes ? "Tempo 90\nTags=Pop\n" : "Tempo 90\nTags=Pop rock\n");
        EXPECT_EQ(b.note("B.pdf"), yes ? "" : "Tags=ROCK\n");
        EXPECT_EQ(b.note("C.pdf"), QStringLiteral("Tags=Rocky Rock-n-roll\n"));
        EXPECT_FALSE(b.folder.exists("D.txt"));
        const QList<int> posted = yes ? QList<int>{cmd::SongInfoChanged, cmd::WinIDsEdited}
                                      : QList<int>{cmd::WinIDsEdited};
        EXPECT_EQ(b.posted, posted);
        EXPECT_EQ(b.song("A")->pieceDet->infoF, yes ? " Pop " : " Pop rock ");
        EXPECT_EQ(b.song("B")->pieceDet->infoF, yes ? "" : " ROCK ");
    }
}

TEST(TagListEditor, DeletingNeedsARowAndSelectsTheNextOne)
{
    TagTestBinder b({{"Song.pdf", nullptr}}, kTags);
    TagListEditor editor(b.data, b.center);
    EXPECT_EQ(editor.actionDeleteRow(-1), -1);
    EXPECT_EQ(editor.actionDeleteRow(3), -1);
    EXPECT_EQ(b.dialogs.texts(),
              (QStringList(2, "A row must be selected to perform this operation")));
    EXPECT_TRUE(b.posted.isEmpty());
    EXPECT_EQ(editor.tags(), kTags);
    for (const int expected : {1, 0, -1}) {
        b.dialogs.answerQuestion(false);
        EXPECT_EQ(editor.actionDeleteRow(int(editor.tags().size()) - 1), expected);
    }
    EXPECT_TRUE(editor.tags().isEmpty());
}

TEST(TagListEditor, ANoteThatCannotBeWrittenIsReported)
{
    TagTestBinder b({{"A.pdf", "Tempo 90\nTags=Rock\n"}, {"B.pdf", "Tags=Pop\n"}}, kTags);
    TagListEditor editor(b.data, b.center);
    b.dialogs.answerQuestion(true);
    b.withFolderGone([&] { editor.actionDeleteRow(1); });
    ASSERT_EQ(b.dialogs.texts().size(), 2);
    const QStringList lines = b.dialogs.texts()[1].split('\n');
    ASSERT_EQ(lines.size(), 2);
    EXPECT_EQ(lines[0], QStringLiteral("1 note(s) could not be written:"));
    EXPECT_TRUE(lines[1].contains("A.txt")) << lines[1].toStdString();
    EXPECT_EQ(b.note("A.pdf"), QStringLiteral("Tempo 90\nTags=Rock\n"));
    EXPECT_EQ(b.song("A")->pieceDet->infoF, QStringLiteral(" Rock "));
    EXPECT_EQ(editor.tags(), (QStringList{"Pop", "Blues"}));
}

} // namespace
