#include "platform/ScriptedDialogs.h"

#include <QVariant>
#include <functional>
#include <gtest/gtest.h>

using partivo::ScriptedDialogs;

namespace {

TEST(ScriptedDialogs, AnswersInOrderAndRecordsEveryCall)
{
    ScriptedDialogs d;
    d.answerQuestion(true);
    d.answerInt(-1);
    d.answerInt(1);
    d.answerString(QString("Name"));
    d.answerString(std::nullopt);
    d.answerFolder("/songs");
    d.answerPath("/out/set.txt");

    d.msg("Hello");
    EXPECT_TRUE(d.question("Delete?"));
    EXPECT_EQ(d.questionAvecCancel("Save?"), -1);
    EXPECT_EQ(d.deuxChoix("Pick", "Left", "Right"), 1);
    EXPECT_EQ(d.getStr("Title?", "Untitled"), QString("Name"));
    EXPECT_EQ(d.getStr("Again?", ""), std::nullopt);
    EXPECT_EQ(d.chooseFolder("Folder", "Where?", "/home"), "/songs");
    EXPECT_EQ(d.savePanel("Export", "set.txt", "/out"), "/out/set.txt");

    EXPECT_FALSE(d.hadUnscriptedCall());
    EXPECT_EQ(d.pendingAnswers(), 0);
    EXPECT_EQ(d.texts(), QStringList({"Hello", "Delete?", "Save?", "Pick", "Title?", "Again?",
                                      "Where?", "Export"}));
    const auto& calls = d.asked();
    ASSERT_EQ(calls.size(), 8);
    EXPECT_EQ(calls[0].kind, "msg");
    EXPECT_EQ(calls[3].kind, "deuxChoix");
    EXPECT_EQ(calls[3].choices, QStringList({"Left", "Right"}));
    EXPECT_EQ(calls[4].defaultValue, "Untitled");
    EXPECT_EQ(calls[6].title, "Folder");
    EXPECT_EQ(calls[6].startFolder, "/home");
    EXPECT_EQ(calls[7].kind, "savePanel");
    EXPECT_EQ(calls[7].defaultValue, "set.txt");
}

struct UnscriptedCase {
    const char* kind;
    std::function<QVariant(ScriptedDialogs&)> call;
    QVariant expected;
};

TEST(ScriptedDialogs, UnscriptedCallsGetTheCancelAnswerAndAreFlagged)
{
    const UnscriptedCase cases[] = {
        {"question", [](ScriptedDialogs& d) { return QVariant(d.question("q")); }, false},
        {"questionAvecCancel",
         [](ScriptedDialogs& d) { return QVariant(d.questionAvecCancel("q")); }, -1},
        {"deuxChoix", [](ScriptedDialogs& d) { return QVariant(d.deuxChoix("q", "a", "b")); }, 0},
        {"deuxChoixAvecCancel",
         [](ScriptedDialogs& d) { return QVariant(d.deuxChoixAvecCancel("q", "a", "b")); }, -1},
        {"getStr", [](ScriptedDialogs& d) { return QVariant(d.getStr("q", "x").has_value()); },
         false},
        {"chooseFolder", [](ScriptedDialogs& d) { return QVariant(d.chooseFolder("t", "q", "/")); },
         QString()},
        {"savePanel", [](ScriptedDialogs& d) { return QVariant(d.savePanel("q", "n", "/")); },
         QString()},
    };
    for (const UnscriptedCase& c : cases) {
        ScriptedDialogs d;
        EXPECT_EQ(c.call(d), c.expected) << c.kind;
        ASSERT_EQ(d.asked().size(), 1) << c.kind;
        EXPECT_EQ(d.asked()[0].kind, c.kind);
        EXPECT_TRUE(d.asked()[0].unscripted) << c.kind;
        EXPECT_TRUE(d.hadUnscriptedCall()) << c.kind;
    }
}

TEST(ScriptedDialogs, WrongKindOfAnswerIsNotConsumed)
{
    ScriptedDialogs d;
    d.answerInt(1);
    EXPECT_FALSE(d.question("Sure?"));
    EXPECT_TRUE(d.asked().back().unscripted);
    EXPECT_EQ(d.pendingAnswers(), 1);
    EXPECT_EQ(d.questionAvecCancel("Save?"), 1);
    EXPECT_FALSE(d.asked().back().unscripted);
    EXPECT_EQ(d.pendingAnswers(), 0);
}

} // namespace
