#pragma once

#include <QStringList>

namespace partivo::cli {

// Exit codes of every command.
inline constexpr int kOk = 0;
inline constexpr int kUsage = 2;
// The arguments were fine but the work could not be done (MIDI off, unknown port).
inline constexpr int kFailed = 1;

struct Command {
    const char* name;
    const char* usage;
    const char* summary;
    int (*run)(const QStringList& args);
};

// Every command of partivo-cli, in the order --help lists them.
const QList<Command>& commands();

int runLibrary(const QStringList& args);
int runNote(const QStringList& args);
int runNavigate(const QStringList& args);
// "chordpro info", "chordpro transpose" and "chordpro pages".
int runChordPro(const QStringList& args);
int runChordProInfo(const QStringList& args);
int runChordProTranspose(const QStringList& args);
int runChordProPages(const QStringList& args);
// "tabs export" and "tabs save"; each takes the arguments after "tabs".
int runTabs(const QStringList& args);
int runTabsSave(const QStringList& args);
// "render": the binder window drawn into an image.
int runRender(const QStringList& args);
// "tags add|remove|clear <note-file> [TAG]": the note's tags line, changed.
int runTags(const QStringList& args);
// "music <music-folder> [--binder <folder>] [--genre G]": the music library's tracks, or the
// track each song of the binder would play.
int runMusic(const QStringList& args);

// The application a command needs: fonts need a GUI application, windows a widget one (both
// then run on the offscreen platform unless QT_QPA_PLATFORM says otherwise). args are those
// after the program name.
enum class ApplicationKind { Core, Gui, Widgets };
ApplicationKind applicationKind(const QStringList& args);

// "midi parse", "midi ports" and "midi send"; each takes the arguments after "midi".
int runMidi(const QStringList& args);
int runMidiParse(const QStringList& args);
int runMidiPorts(const QStringList& args);
int runMidiSend(const QStringList& args);
// A whole number from min to max written as text; false (value unchanged) otherwise.
bool parseInt(const QString& text, int min, int max, int& value);

// The one argument of a command that takes a single file: empty message when args hold
// exactly one path of an existing file, else the usage or "is not a file" line.
QString checkSingleFileArg(const QStringList& args, const char* usage);
// A file argument: empty when it names an existing regular file, else the line saying why not.
QString checkFileArg(const QString& path);

// Prints "partivo-cli: <message>" on stderr and returns kUsage.
int fail(const QString& message);

} // namespace partivo::cli
