#include "chordpro/ChordDet.h"
#include "chordpro/SongTransposer.h"
#include "cli/Commands.h"
#include "platform/TextDecode.h"

#include <QRegularExpression>
#include <cstdio>

namespace partivo::cli {

namespace {

struct TransposeArgs {
    QString file;
    int semitones = 0;
    bool hasSemitones = false;
    int pref = ChordDet::Automatic;
};

const QString kUsageText =
    QStringLiteral("usage: chordpro transpose <file> --by N [--spelling auto|flats|sharps]");

bool parseSemitones(const QString& text, int& value)
{
    static const QRegularExpression integer(QStringLiteral("^[+-]?[0-9]{1,3}$"));
    if (!integer.match(text).hasMatch())
        return false;
    const int parsed = text.toInt();
    if (parsed < -11 || parsed > 11)
        return false;
    value = parsed;
    return true;
}

bool parseSpelling(const QString& text, int& pref)
{
    if (text == QLatin1String("auto"))
        pref = ChordDet::Automatic;
    else if (text == QLatin1String("flats"))
        pref = ChordDet::Flats;
    else if (text == QLatin1String("sharps"))
        pref = ChordDet::Sharps;
    else
        return false;
    return true;
}

// Empty message on success.
QString parseArgs(const QStringList& args, TransposeArgs& out)
{
    for (int i = 0; i < args.size(); ++i) {
        const QString& arg = args[i];
        const bool hasValue = i + 1 < args.size();
        if (arg == QLatin1String("--by")) {
            if (!hasValue || !parseSemitones(args[++i], out.semitones))
                return QStringLiteral("--by takes a whole number of semitones from -11 to 11");
            out.hasSemitones = true;
        } else if (arg == QLatin1String("--spelling")) {
            if (!hasValue || !parseSpelling(args[++i], out.pref))
                return QStringLiteral("--spelling takes auto, flats or sharps");
        } else if (arg.startsWith(QLatin1String("--")) || !out.file.isEmpty()) {
            return QStringLiteral("unexpected argument '%1'").arg(arg);
        } else {
            out.file = arg;
        }
    }
    if (out.file.isEmpty() || !out.hasSemitones)
        return kUsageText;
    return QString();
}

} // namespace

int runChordProTranspose(const QStringList& args)
{
    TransposeArgs parsed;
    const QString error = parseArgs(args, parsed);
    if (!error.isEmpty())
        return fail(error);
    QString text;
    QString why;
    if (!readTextFile(parsed.file, text, &why))
        return fail(why);
    const QByteArray out =
        chordpro::transposeSongText(text, parsed.semitones, parsed.pref).toUtf8();
    std::fwrite(out.constData(), 1, static_cast<size_t>(out.size()), stdout);
    std::fflush(stdout);
    return kOk;
}

} // namespace partivo::cli
