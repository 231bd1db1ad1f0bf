#include "cli/Commands.h"

namespace partivo::cli {

int runChordPro(const QStringList& args)
{
    if (args.isEmpty())
        return fail(QStringLiteral("usage: chordpro info <file> | chordpro transpose <file> "
                                   "--by N [--spelling auto|flats|sharps] | chordpro pages "
                                   "<file> [--width W] [--height H] [--lyrics-only]"));
    const QString sub = args.first();
    if (sub == QLatin1String("info"))
        return runChordProInfo(args.mid(1));
    if (sub == QLatin1String("transpose"))
        return runChordProTranspose(args.mid(1));
    if (sub == QLatin1String("pages"))
        return runChordProPages(args.mid(1));
    return fail(QStringLiteral("unknown chordpro command '%1'").arg(sub));
}

} // namespace partivo::cli
