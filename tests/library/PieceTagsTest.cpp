#include "library/PieceTags.h"
#include "library/Data.h"
#include "library/TestFolder.h"
#include "platform/MemoryPrefs.h"
#include "platform/ScriptedDialogs.h"

#include "QtPrinters.h"

#include <QDir>
#include <gtest/gtest.h>

using namespace partivo;
using partivo::test::TestFolder;

namespace {

struct TagBinder {
    TestFolder folder;
    MemoryPrefs prefs;
    ScriptedDialogs dialogs;
    Data data{prefs, dialogs};
    TagBinder()
    {
        folder.write("Song A.pdf");
        folder.write("Song A.txt", "Tempo 96\nTags=Pop\n");
        folder.write("Song B.pdf");
        data.chargerTabsForDirNo(0, true);
        EXPECT_TRUE(data.chargerFichiers(folder.path(), true));
    }
    Pieces& song(int n) { return *data.getPiece(n); }
};

TEST(PieceTags, EditsReachTheNoteFileAndTheSongsTags)
{
    TagBinder b;
    Pieces& a = b.song(1);
    ASSERT_EQ(a.pieceDet->titre, "Song A");
    EXPECT_TRUE(addTagStringToPiece("Rock", a));
    EXPECT_EQ(b.folder.read("Song A.txt"), "Tempo 96\nTags=Pop Rock\n");
    EXPECT_EQ(a.pieceDet->infoF, " Pop Rock ");
    EXPECT_TRUE(pieceHasTag(a, "rock"));
    EXPECT_FALSE(pieceHasTagExactly(a, "rock"));
    EXPECT_TRUE(pieceHasTagExactly(a, "Rock"));

    EXPECT_TRUE(removeTagStringFromPiece("pop", a));
    EXPECT_EQ(b.folder.read("Song A.txt"), "Tempo 96\nTags=Rock\n");
    EXPECT_EQ(a.pieceDet->infoF, " Rock ");

    // A song without a note gets one; clearing its only tag leaves it empty, so it goes.
    Pieces& s = b.song(2);
    EXPECT_TRUE(addTagStringToPiece("Jazz", s));
    EXPECT_EQ(b.folder.read("Song B.txt"), "Tags=Jazz\n");
    EXPECT_TRUE(s.pieceDet->note);
    EXPECT_TRUE(clearTagStringForPiece(s));
    EXPECT_FALSE(b.folder.exists("Song B.txt"));
    EXPECT_FALSE(s.pieceDet->note);
    EXPECT_EQ(s.pieceDet->infoF, "");
}

TEST(PieceTags, AFailedWriteKeepsTheNoteAsItWas)
{
    TagBinder b;
    Pieces& a = b.song(1);
    // The binder's folder goes away under the program: the note cannot be written.
    const QString moved = b.folder.path() + "-moved";
    ASSERT_TRUE(QDir().rename(b.folder.path(), moved));
    QString why;
    const bool written = addTagStringToPiece("Rock", a, &why);
    QDir().rename(moved, b.folder.path());
    EXPECT_FALSE(written);
    EXPECT_FALSE(why.isEmpty());
    EXPECT_EQ(a.pieceDet->notetxt, "Tempo 96\nTags=Pop\n");
    EXPECT_EQ(a.pieceDet->infoF, " Pop ");
    EXPECT_EQ(b.folder.read("Song A.txt"), "Tempo 96\nTags=Pop\n");
}

} // namespace
