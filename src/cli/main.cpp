#include "cli/Commands.h"

#include <QCoreApplication>
#include <cstdio>

using namespace partivo::cli;

namespace {

void printHelp()
{
    std::printf("Usage: partivo-cli <command> [arguments]\n\nCommands:\n");
    for (const Command& command : commands())
        std::printf("  %s\n      %s\n", command.usage, command.summary);
    std::printf("  --help\n      Lists the commands.\n");
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QStringList args = app.arguments().mid(1);
    if (args.isEmpty() || args.first() == QLatin1String("--help") ||
        args.first() == QLatin1String("-h")) {
        printHelp();
        return args.isEmpty() ? kUsage : kOk;
    }
    const QString name = args.takeFirst();
    for (const Command& command : commands()) {
        if (name == QLatin1String(command.name))
            return command.run(args);
    }
    return fail(QStringLiteral("unknown command '%1' (see --help)").arg(name));
}
