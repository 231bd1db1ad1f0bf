#include "platform/QProcessToolRunner.h"

#include <QDeadlineTimer>
#include <QProcess>
#include <QStandardPaths>
#include <csignal>
#include <unistd.h>

namespace partivo {

namespace {

// How long a killed program is given to go away before its pipes are abandoned.
constexpr int kKillGraceMs = 2000;

} // namespace

bool QProcessToolRunner::isAvailable(const QString& program) const
{
    return !QStandardPaths::findExecutable(program).isEmpty();
}

ToolRun QProcessToolRunner::run(const QString& program, const QStringList& args,
                                const QByteArray& stdIn, const QString& workDir, int timeoutMs)
{
    ToolRun result;
    // Resolved here so that a program in the working folder is never picked up instead.
    const QString path = QStandardPaths::findExecutable(program);
    if (path.isEmpty())
        return result;

    QDeadlineTimer deadline(qMax(0, timeoutMs));
    QProcess process;
    process.setWorkingDirectory(workDir);
    // Its own process group, so that a time-out also stops whatever the program started (a
    // wrapper script's engraver, say).
    process.setChildProcessModifier([] { ::setpgid(0, 0); });
    process.start(path, args);
    if (!process.waitForStarted(int(deadline.remainingTime()))) {
        result.stdErr = process.errorString().toUtf8();
        return result;
    }
    result.started = true;
    process.write(stdIn);
    process.closeWriteChannel();

    if (!process.waitForFinished(int(deadline.remainingTime()))) {
        result.timedOut = process.state() != QProcess::NotRunning;
        if (result.timedOut && process.processId() > 0)
            ::kill(-pid_t(process.processId()), SIGKILL);
        process.kill();
        process.waitForFinished(kKillGraceMs);
    }
    result.stdOut = process.readAllStandardOutput();
    result.stdErr = process.readAllStandardError();
    if (!result.timedOut && process.exitStatus() == QProcess::NormalExit)
        result.exitCode = process.exitCode();
    return result;
}

} // namespace partivo
