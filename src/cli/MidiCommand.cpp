#include "cli/Commands.h"
#include "midi/Midi.h"
#include "platform/LoopbackMidi.h"
#include "platform/ManualTimers.h"
#include "platform/MemoryPrefs.h"

#include <cstdio>

namespace partivo::cli {

namespace {

constexpr char kUsageText[] =
    "usage: midi parse \"<instruction text>\" [--dest NAME=CH[:SENDTYPE]]... [--fav ID=TEXT]... "
    "| midi ports [--api alsa|jack] | midi send [--api alsa|jack] --to PORT \"<instruction "
    "text>\"";

struct MidiArgs {
    QString text;
    bool hasText = false;
    QList<MidiDest> dests;
    QList<MidiFavEvent> favs;
};

// NAME=CH[:SENDTYPE]: a record of that name on channel CH (0 all, 1..16).
bool parseDest(const QString& arg, int index, MidiDest& dest)
{
    const qsizetype eq = arg.indexOf(u'=');
    if (eq <= 0)
        return false;
    const QStringList values = arg.mid(eq + 1).split(u':');
    dest = MidiDest::initWithIndex(index);
    dest.idDest = arg.left(eq);
    return values.size() <= 2 && parseInt(values[0], 0, 16, dest.channel) &&
           (values.size() == 1 || parseInt(values[1], 0, 2, dest.sendType));
}

// Empty message on success.
QString parseArgs(const QStringList& args, MidiArgs& out)
{
    if (args.isEmpty() || args.first() != QLatin1String("parse"))
        return QString::fromLatin1(kUsageText);
    for (int i = 1; i < args.size(); ++i) {
        const QString& arg = args[i];
        const bool hasValue = i + 1 < args.size();
        if (arg == QLatin1String("--dest") && hasValue) {
            MidiDest dest;
            if (!parseDest(args[++i], int(out.dests.size()), dest))
                return QStringLiteral("--dest takes NAME=CH[:SENDTYPE] with CH 0..16 and "
                                      "SENDTYPE 0..2");
            out.dests.append(dest);
        } else if (arg == QLatin1String("--fav") && hasValue) {
            const QString& value = args[++i];
            const qsizetype eq = value.indexOf(u'=');
            if (eq <= 0)
                return QStringLiteral("--fav takes ID=TEXT with a non-empty ID");
            MidiFavEvent fav = MidiFavEvent::initWithIndex(int(out.favs.size()));
            fav.favEventID = value.left(eq);
            fav.favEventTx = value.mid(eq + 1);
            out.favs.append(fav);
        } else if (arg.startsWith(QLatin1String("--")) || out.hasText) {
            return QStringLiteral("unexpected argument '%1'").arg(arg);
        } else {
            out.text = arg;
            out.hasText = true;
        }
    }
    if (!out.hasText)
        return QString::fromLatin1(kUsageText);
    return QString();
}

QByteArray hexPairs(const QByteArray& bytes)
{
    return bytes.toHex(' ').toUpper();
}

} // namespace

int runMidi(const QStringList& args)
{
    const QString sub = args.value(0);
    if (sub == QLatin1String("ports"))
        return runMidiPorts(args.mid(1));
    if (sub == QLatin1String("send"))
        return runMidiSend(args.mid(1));
    return runMidiParse(args);
}

// Prints the queue as "<destination> <hex bytes>" lines: the record's name, or the channel
// number as written. Nothing is drained and no "DEFAULT" group is sent.
int runMidiParse(const QStringList& args)
{
    MidiArgs parsed;
    if (const QString error = parseArgs(args, parsed); !error.isEmpty())
        return fail(error);

    MemoryPrefs prefs;
    ManualTimers timers;
    LoopbackMidi backend(timers);
    Midi midi(prefs, timers, backend);
    midi.MIDIdestinations = parsed.dests;
    midi.MIDIfav = parsed.favs;

    midi.sendMIDIfromString(parsed.text, QString(), false);
    for (const MidiEv& ev : midi.MIDIevents())
        std::printf("%s %s\n", qUtf8Printable(ev.destName), hexPairs(ev.packet).constData());
    return kOk;
}

} // namespace partivo::cli
