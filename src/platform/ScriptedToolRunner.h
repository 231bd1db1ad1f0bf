#pragma once

#include "platform/ToolRunner.h"

#include <QHash>
#include <QList>
#include <functional>

namespace partivo {

// Programs for tests: a test says which programs exist and what running each does (a script
// may write files into the call's working folder); every run is recorded. A program not
// installed does not start.
class ScriptedToolRunner final : public ToolRunner {
public:
    struct Call {
        QString program;
        QStringList args;
        QByteArray stdIn;
        QString workDir;
        int timeoutMs = 0;
    };
    using Script = std::function<ToolRun(const Call&)>;

    // Without a script, a run exits with 0 and writes nothing.
    void install(const QString& program, Script script = {});
    void uninstall(const QString& program) { scripts_.remove(program); }

    const QList<Call>& calls() const { return calls_; }
    int runCount(const QString& program) const;

    bool isAvailable(const QString& program) const override;
    ToolRun run(const QString& program, const QStringList& args, const QByteArray& stdIn,
                const QString& workDir, int timeoutMs) override;

private:
    QHash<QString, Script> scripts_;
    QList<Call> calls_;
};

} // namespace partivo
