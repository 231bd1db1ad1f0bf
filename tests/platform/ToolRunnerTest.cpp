#include "platform/QProcessToolRunner.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using partivo::QProcessToolRunner;
using partivo::ToolRun;

namespace {

constexpr int kGenerousTimeoutMs = 10'000;

struct ProcessCase {
    const char* name;
    QString program;
    QStringList args;
    QByteArray stdIn;
    bool started;
    int exitCode;
    QByteArray stdOut;
    QByteArray stdErr;
};

TEST(QProcessToolRunner, RunsProgramsAndReportsWhatBecameOfThem)
{
    const ProcessCase cases[] = {
        {"stdin reaches the program", "sh", {"-c", "cat"}, "one\ntwo\n", true, 0, "one\ntwo\n", ""},
        {"exit code and standard error",
         "sh",
         {"-c", "echo partial; echo oops >&2; exit 3"},
         "",
         true,
         3,
         "partial\n",
         "oops\n"},
        {"a crash has no exit code", "sh", {"-c", "kill -9 $$"}, "", true, -1, "", ""},
        {"a program not on the path does not start",
         "partivo-no-such-program",
         {},
         "",
         false,
         -1,
         "",
         ""},
    };
    QProcessToolRunner runner;
    for (const ProcessCase& c : cases) {
        const ToolRun run =
            runner.run(c.program, c.args, c.stdIn, QDir::tempPath(), kGenerousTimeoutMs);
        EXPECT_EQ(run.started, c.started) << c.name;
        EXPECT_FALSE(run.timedOut) << c.name;
        EXPECT_EQ(run.exitCode, c.exitCode) << c.name;
        EXPECT_EQ(run.stdOut, c.stdOut) << c.name;
        if (c.started) {
            EXPECT_EQ(run.stdErr, c.stdErr) << c.name;
        }
    }
}

TEST(QProcessToolRunner, RunsInTheWorkingFolderAndFindsProgramsOnThePath)
{
    QProcessToolRunner runner;
    EXPECT_TRUE(runner.isAvailable("sh"));
    EXPECT_FALSE(runner.isAvailable("partivo-no-such-program"));

    const QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const ToolRun run = runner.run("sh", {"-c", "pwd -P"}, {}, folder.path(), kGenerousTimeoutMs);
    EXPECT_EQ(QString::fromLocal8Bit(run.stdOut).trimmed(),
              QFileInfo(folder.path()).canonicalFilePath());
}

} // namespace
