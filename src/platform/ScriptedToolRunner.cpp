#include "platform/ScriptedToolRunner.h"

#include <algorithm>
#include <utility>

namespace partivo {

void ScriptedToolRunner::install(const QString& program, Script script)
{
    if (!script) {
        script = [](const Call&) {
            ToolRun run;
            run.started = true;
            run.exitCode = 0;
            return run;
        };
    }
    scripts_.insert(program, std::move(script));
}

int ScriptedToolRunner::runCount(const QString& program) const
{
    return int(std::count_if(calls_.begin(), calls_.end(),
                             [&](const Call& call) { return call.program == program; }));
}

bool ScriptedToolRunner::isAvailable(const QString& program) const
{
    return scripts_.contains(program);
}

ToolRun ScriptedToolRunner::run(const QString& program, const QStringList& args,
                                const QByteArray& stdIn, const QString& workDir, int timeoutMs)
{
    calls_.append({program, args, stdIn, workDir, timeoutMs});
    const auto script = scripts_.constFind(program);
    if (script == scripts_.constEnd())
        return {};
    return (*script)(calls_.last());
}

} // namespace partivo
