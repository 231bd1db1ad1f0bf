#include "cli/Commands.h"

#include <cstdio>

namespace partivo::cli {

const QList<Command>& commands()
{
    static const QList<Command> list = {
        {"library", "library <folder> [--settings FILE] [--binder N] [--sort 0|1]",
         "Loads the folder as binder N (0..7, default 0) with the tab definitions of the "
         "settings file and prints its song lists as JSON.",
         runLibrary},
    };
    return list;
}

int fail(const QString& message)
{
    std::fprintf(stderr, "partivo-cli: %s\n", qUtf8Printable(message));
    return kUsage;
}

} // namespace partivo::cli
