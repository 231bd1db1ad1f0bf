#include "cli/Commands.h"

#include "platform/TextDecode.h"

#include <QFileInfo>
#include <cstdio>

namespace partivo::cli {

const QList<Command>& commands()
{
    static const QList<Command> list = {
        {"library", "library <folder> [--settings FILE] [--binder N] [--sort 0|1]",
         "Loads the folder as binder N (0..7, default 0) with the tab definitions of the "
         "settings file and prints its song lists as JSON.",
         runLibrary},
        {"tabs", "tabs export <folder> [--settings FILE] [--binder N] --tab T [--titles]",
         "Loads the folder as binder N (0..7, default 0) with the tab definitions of the "
         "settings file (read only) and prints what the song list export copies for tab T "
         "(0..9) as the current tab: its file names, or its titles, one per line in list "
         "order.",
         runTabs},
        {"tabs",
         "tabs save <settings-file> --binder N --tab T --name NAME (--setlist FILE | "
         "--collection \"KEYWORDS\" --field title|artist|tags|file|all --rule any|all|none)",
         "Stores tab T (1..9) of binder N (0..7) in the settings file as the tab editor's Save "
         "does: a setlist of the file names in FILE (one per line), or a collection of the "
         "keywords (separated by blanks or commas) with its field and rule. Prints what the "
         "file then holds for the tab as one JSON line; the file is left unchanged when it "
         "cannot be written.",
         runTabs},
        {"tags", "tags add|remove|clear <note-file> [TAG]",
         "Changes the note's tags line as the tag assignment window does: add puts the tag at "
         "the end of the line (a missing note file is created), remove takes it out (whole "
         "words, in any case), clear removes the line. Prints the tags line as it is then (an "
         "empty line when there is none); the note is written whole or not at all.",
         runTags},
        {"navigate",
         "navigate <folder> [--settings FILE] [--binder N] [--window WxH] [--mode 0|1|2|4|5] "
         "--keys \"<commands>\"",
         "Starts the program on the folder as binder N with a binder window of WxH (default "
         "1280x800) in the mode, reading the options and inputs of the settings file, and "
         "applies the commands in order: navigation key numbers, next, prev, pageDown, pageUp, "
         "home, end, nextTab, prevTab, toggleSort, type:<text>, wait:<seconds>, "
         "post:<action>=<param>, action:<code>[=<param>], raction:<code>[=<param>], "
         "swipe:<n>, key:<n>, midi:<hex>[@<source>] (one incoming MIDI message, from the "
         "source 'Pedal' unless named, processed by the triggers of the settings file; a word "
         "with blanks in double quotes). After each it prints the "
         "song number, sort, user tab, current file and title, first page, search text, the "
         "pages shown, the message line, the window ID, the ten tab buttons (tabs) and, while "
         "the song list panel is open, its page (toc), the trigger that fired (trigger), the "
         "remote actions it posted (posted) and the MIDI messages that left (sent) as one "
         "JSON line.",
         runNavigate},
        {"note", "note <file>",
         "Reads a song's note and prints what its readers find: title, artist, tags, tempo, "
         "time signature, window lines, events and the MIDI lines sent when the song becomes "
         "current, as JSON.",
         runNote},
        {"chordpro", "chordpro info <file>",
         "Parses a ChordPro file and prints its title, subtitle, key, font size, chord list, "
         "parsed lines, metadata (meta), sections and annotations as JSON.",
         runChordPro},
        {"chordpro", "chordpro transpose <file> --by N [--spelling auto|flats|sharps]",
         "Prints the ChordPro text transposed by N semitones (-11 to 11), key directive "
         "included.",
         runChordPro},
        {"chordpro", "chordpro pages <file> [--width W] [--height H] [--lyrics-only]",
         "Lays the ChordPro song out against a reference page of W x H points (default "
         "611 x 752, each from 50 to 20000) with the real fonts and prints the page count and "
         "each page's first and last line, with its section labels, figures, chord diagrams "
         "and columns where it has them, as JSON.",
         runChordPro},
        {"render",
         "render <folder-or-file> [--settings FILE] [--binder N] [--song N] [--mode 0|1|2|4|5] "
         "[--size WxH] [--page P] [--toc] [--tabs] --out page.png",
         "Shows song N of the folder (default 1), or the file, at global page P (default 1) in "
         "a binder window of W x H (default 1280x800, each from 100 to 8000) in display mode "
         "0, 1, 2, 4 or 5 (default 0), writes what the window shows as a PNG file and prints "
         "the pages shown as JSON. The folder is binder N (default 0) with the tabs of the "
         "settings file (only read); the song's tab is the current tab. --toc opens the song "
         "list panel over the pages, --tabs shows the tab bars; both add what they show to "
         "the JSON.",
         runRender},
        {"music", "music <music-folder> [--binder <folder>] [--genre G]",
         "Indexes the audio files of the music folder and its subfolders as the player does "
         "(the cache is neither read nor written) and prints its tracks as JSON in path order "
         "(title, artist, genre, comment, path relative to the music folder, duration in "
         "seconds). With --binder, prints the songs of the binder folder's tab 0 in title "
         "order, each with the track the player would play for genre G (1 Any, 2 Cover, "
         "3 Backing Track, 4 Practice, 5 Recording, 6 (MUTE); default 1), or null.",
         runMusic},
        {"midi",
         "midi parse \"<instruction text>\" [--dest NAME=CH[:SENDTYPE]]... [--fav ID=TEXT]...",
         "Interprets the MIDI instruction text for the destinations and event-library entries "
         "given and prints each queued message as its destination name and hex bytes.",
         runMidi},
        {"midi", "midi ports [--api alsa|jack]",
         "Prints whether MIDI is available (and why not) and the system's MIDI source and "
         "destination ports with their stable ids as JSON. ALSA unless --api jack, which "
         "needs a running JACK server.",
         runMidi},
        {"midi", "midi send [--api alsa|jack] --to PORT \"<instruction text>\"",
         "Interprets the MIDI instruction text with the records All and Ch1..Ch16 bound to the "
         "port (id or name from midi ports) and sends it; exit 1 when MIDI is off or the port is "
         "unknown.",
         runMidi},
    };
    return list;
}

ApplicationKind applicationKind(const QStringList& args)
{
    if (!args.isEmpty() &&
        (args[0] == QLatin1String("render") || args[0] == QLatin1String("navigate")))
        return ApplicationKind::Widgets;
    if (args.size() >= 2 && args[0] == QLatin1String("chordpro") &&
        args[1] == QLatin1String("pages"))
        return ApplicationKind::Gui;
    return ApplicationKind::Core;
}

QString checkSingleFileArg(const QStringList& args, const char* usage)
{
    if (args.size() != 1 || args.first().startsWith(QLatin1String("--")))
        return QString::fromLatin1(usage);
    return checkFileArg(args.first());
}

QString checkFileArg(const QString& path)
{
    if (!QFileInfo::exists(path))
        return QStringLiteral("'%1' is not a file").arg(path);
    return regularFileProblem(path);
}

bool parseInt(const QString& text, int min, int max, int& value)
{
    bool ok = false;
    const int parsed = text.toInt(&ok);
    if (!ok || parsed < min || parsed > max)
        return false;
    value = parsed;
    return true;
}

int fail(const QString& message)
{
    std::fprintf(stderr, "partivo-cli: %s\n", qUtf8Printable(message));
    return kUsage;
}

} // namespace partivo::cli
