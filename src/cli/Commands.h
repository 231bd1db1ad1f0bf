#pragma once

#include <QStringList>

namespace partivo::cli {

// Exit codes of every command.
inline constexpr int kOk = 0;
inline constexpr int kUsage = 2;

struct Command {
    const char* name;
    const char* usage;
    const char* summary;
    int (*run)(const QStringList& args);
};

// Every command of partivo-cli, in the order --help lists them.
const QList<Command>& commands();

int runLibrary(const QStringList& args);
// "chordpro info" and "chordpro transpose".
int runChordPro(const QStringList& args);
int runChordProInfo(const QStringList& args);
int runChordProTranspose(const QStringList& args);

// "midi parse".
int runMidi(const QStringList& args);
// Prints "partivo-cli: <message>" on stderr and returns kUsage.
int fail(const QString& message);

} // namespace partivo::cli
