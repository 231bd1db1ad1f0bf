#include "library/NoteTags.h"

#include "QtPrinters.h"

#include <gtest/gtest.h>

using namespace partivo;

namespace {

enum class Op { Add, Remove, Clear };

TEST(NoteTags, TheTagsLineIsEditedInPlace)
{
    const struct {
        const char* name;
        Op op;
        const char* note;
        const char* tag;
        const char* expected;
    } cases[] = {
        {"add to a line", Op::Add, "Intro\nTags=Pop\nTempo=90\n", "Rock",
         "Intro\nTags=Pop Rock\nTempo=90\n"},
        {"add to an empty line", Op::Add, "Tags=\n", "Rock", "Tags=Rock\n"},
        {"add to the last line without a line break", Op::Add, "Intro\nTags=Pop", "Rock",
         "Intro\nTags=Pop Rock"},
        {"add a new line", Op::Add, "Intro\n", "Rock", "Intro\nTags=Rock\n"},
        {"add a new line after a last line", Op::Add, "Intro", "Rock", "Intro\nTags=Rock\n"},
        {"add to an empty note", Op::Add, "", "Rock", "Tags=Rock\n"},
        {"add what is there", Op::Add, "Tags=pop rock\n", "Rock", "Tags=pop rock\n"},
        {"add keeps CR LF", Op::Add, "A\r\nTags=Pop\r\nB\r\n", "Rock",
         "A\r\nTags=Pop Rock\r\nB\r\n"},
        {"add in any case", Op::Add, "TAGS=Pop\n", "Rock", "TAGS=Pop Rock\n"},
        {"add after ß", Op::Add, "Straße\nTags=Pop\n", "Rock", "Straße\nTags=Pop Rock\n"},
        {"remove one", Op::Remove, "Tags=Pop Rock\nEnd\n", "Pop", "Tags=Rock\nEnd\n"},
        {"remove in any case", Op::Remove, "Tags=Pop Rock\n", "rock", "Tags=Pop\n"},
        {"remove a whole word only", Op::Remove, "Tags=Rockabilly\n", "Rock", "Tags=Rockabilly\n"},
        {"remove the last tag removes the line", Op::Remove, "A\nTags=Pop\nB\n", "pop", "A\nB\n"},
        {"remove from the last line", Op::Remove, "A\nTags=Pop Rock", "Rock", "A\nTags=Pop"},
        {"remove without a line", Op::Remove, "A\n", "Pop", "A\n"},
        {"clear", Op::Clear, "A\nTags=Pop Rock\nB\n", "", "A\nB\n"},
        {"clear the last line", Op::Clear, "A\nTags=Pop", "", "A\n"},
        {"clear with CR LF", Op::Clear, "A\r\nTags=Pop\r\nB\r\n", "", "A\r\nB\r\n"},
        {"clear without a line", Op::Clear, "A\n", "", "A\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const QString note = QString::fromUtf8(c.note);
        const QString tag = QString::fromUtf8(c.tag);
        const QString result = c.op == Op::Add      ? addTagToNote(note, tag)
                               : c.op == Op::Remove ? removeTagFromNote(note, tag)
                                                    : clearTagsOfNote(note);
        EXPECT_EQ(result, QString::fromUtf8(c.expected));
        // Never a second tags line.
        EXPECT_LE(result.count(QLatin1String("TAGS="), Qt::CaseInsensitive), 1);
    }
}

TEST(NoteTags, TagsAreWholeWordsInAnyCase)
{
    EXPECT_EQ(noteTags(QStringLiteral("x\nTags=Pop Rock\n")), QStringLiteral("Pop Rock"));
    EXPECT_TRUE(noteHasTag(QStringLiteral("Tags=Pop Rock"), QStringLiteral("rock")));
    EXPECT_FALSE(noteHasTag(QStringLiteral("Tags=Rockabilly"), QStringLiteral("Rock")));
    EXPECT_FALSE(noteHasTag(QStringLiteral("Intro"), QStringLiteral("Rock")));
}

} // namespace
