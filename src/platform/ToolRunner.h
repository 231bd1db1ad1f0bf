#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace partivo {

// What became of one run of an external program.
struct ToolRun {
    // The program's exit code; -1 when it did not start, crashed or was stopped.
    int exitCode = -1;
    bool started = false;
    // It was still running when its time was up, and was killed.
    bool timedOut = false;
    QByteArray stdOut;
    QByteArray stdErr;
};

// Runs external command-line programs (music engravers and the like) to completion.
class ToolRunner {
public:
    virtual ~ToolRunner() = default;

    // Whether the program is found on the PATH.
    virtual bool isAvailable(const QString& program) const = 0;
    // Runs the program in workDir with stdIn on its standard input, and waits for it to end;
    // after timeoutMs it is killed and the run is marked timed out.
    virtual ToolRun run(const QString& program, const QStringList& args, const QByteArray& stdIn,
                        const QString& workDir, int timeoutMs) = 0;
};

} // namespace partivo
