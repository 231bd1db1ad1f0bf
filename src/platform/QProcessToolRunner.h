#pragma once

#include "platform/ToolRunner.h"

namespace partivo {

// Runs programs with QProcess, blocking the calling thread until they end or time out.
class QProcessToolRunner final : public ToolRunner {
public:
    bool isAvailable(const QString& program) const override;
    ToolRun run(const QString& program, const QStringList& args, const QByteArray& stdIn,
                const QString& workDir, int timeoutMs) override;
};

} // namespace partivo
