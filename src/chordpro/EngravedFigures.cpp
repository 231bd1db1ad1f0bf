// abcFigure and lilypondFigure: music handed to an engraver that draws it as SVG.
#include "chordpro/SongFigure.h"

#include "platform/ToolRunner.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <algorithm>

namespace partivo::chordpro {

namespace {

// How one engraver is asked to draw: it reads the music from inputName in a fresh folder and
// writes one or more SVG files there.
struct Engraver {
    QString program;
    QString notInstalled;
    QByteArray cacheTag;
    QString inputName;
    QStringList args;
};

// Error lines are cut to this many characters in a message.
constexpr qsizetype kMaxErrorLineLength = 160;

SongFigure missing(const QString& message)
{
    SongFigure figure;
    figure.message = message;
    return figure;
}

QByteArray cacheKey(const QByteArray& tag, const QString& music)
{
    return tag + ':' + QCryptographicHash::hash(music.toUtf8(), QCryptographicHash::Sha256);
}

// The line that best says what went wrong: the first naming an error (standard error before
// standard output), else the first of standard error. The temporary folder's name is noise
// to the reader and is taken out.
QString firstErrorLine(const ToolRun& run, const QString& folder)
{
    QStringList lines;
    for (const QByteArray* output : {&run.stdErr, &run.stdOut}) {
        for (const QString& line : QString::fromLocal8Bit(*output).split(u'\n')) {
            if (!line.trimmed().isEmpty())
                lines.append(line.trimmed().remove(folder + u'/'));
        }
    }
    const auto named = std::find_if(lines.begin(), lines.end(), [](const QString& line) {
        return line.contains(QLatin1String("error"), Qt::CaseInsensitive);
    });
    QString line;
    if (named != lines.end())
        line = *named;
    else if (!run.stdErr.trimmed().isEmpty())
        line = lines.first();
    if (line.size() > kMaxErrorLineLength)
        line = line.left(kMaxErrorLineLength - 1) + QChar(0x2026);
    return line;
}

QString withDetail(const QString& sentence, const QString& detail)
{
    return detail.isEmpty() ? sentence + u'.' : sentence + QLatin1String(": ") + detail;
}

// Pages come numbered ("figure001.svg", or "figure-1.svg", "figure-2.svg" ... "figure-10.svg"):
// whatever the numbering, page 1 comes first by name.
QString firstPage(const QString& folder)
{
    const QStringList pages =
        QDir(folder).entryList({QStringLiteral("*.svg")}, QDir::Files, QDir::Name);
    return pages.isEmpty() ? QString() : QDir(folder).filePath(pages.first());
}

SongFigure figureFromRun(const Engraver& engraver, const ToolRun& run, const QString& folder)
{
    const QString& program = engraver.program;
    const QString error = firstErrorLine(run, folder);
    if (run.timedOut) {
        return missing(withDetail(QStringLiteral("%1 took longer than %2 seconds and was stopped")
                                      .arg(program)
                                      .arg(kFigureToolTimeoutMs / 1000),
                                  error));
    }
    if (run.exitCode != 0) {
        const QString detail =
            error.isEmpty() ? QStringLiteral("it ended with code %1").arg(run.exitCode) : error;
        return missing(withDetail(program + QLatin1String(" could not draw this music"), detail));
    }
    const QString page = firstPage(folder);
    if (page.isEmpty())
        return missing(withDetail(program + QLatin1String(" drew nothing for this music"), error));
    QFile file(page);
    std::optional<SongFigure> figure;
    if (file.open(QIODevice::ReadOnly))
        figure = readableSvg(file.readAll());
    if (!figure)
        return missing(program + QLatin1String(" drew a picture that cannot be read."));
    return *figure;
}

// Results of runs are cached, failures and time-outs included, so a broken tune does not
// stall every layout of its song; a program not installed or not started is asked again.
SongFigure engrave(const Engraver& engraver, const QString& music, ToolRunner& tools,
                   SongFigureCache& cache)
{
    const QByteArray key = cacheKey(engraver.cacheTag, music);
    if (std::optional<SongFigure> cached = cache.find(key))
        return *cached;
    if (!tools.isAvailable(engraver.program))
        return missing(engraver.notInstalled);

    const QString noFolder =
        engraver.program + QLatin1String(" could not be run: no temporary folder can be made.");
    const QTemporaryDir folder(QDir::tempPath() + QLatin1String("/partivo-figure-XXXXXX"));
    if (!folder.isValid())
        return missing(noFolder);
    QFile input(folder.filePath(engraver.inputName));
    if (!input.open(QIODevice::WriteOnly) || input.write(music.toUtf8()) < 0 || !input.flush())
        return missing(noFolder);
    input.close();

    const ToolRun run =
        tools.run(engraver.program, engraver.args, {}, folder.path(), kFigureToolTimeoutMs);
    if (!run.started)
        return missing(engraver.program + QLatin1String(" could not be started."));
    const SongFigure figure = figureFromRun(engraver, run, folder.path());
    cache.insert(key, figure);
    return figure;
}

// abcm2ps draws nothing for music outside a tune, and a tune starts with its "X:" line.
QString asTune(const QString& body)
{
    static const QRegularExpression tuneStart(QStringLiteral("^X:"),
                                              QRegularExpression::MultilineOption);
    return tuneStart.match(body).hasMatch() ? body : QLatin1String("X:1\n") + body;
}

} // namespace

SongFigure abcFigure(const QString& body, ToolRunner& tools, SongFigureCache& cache)
{
    // -g: SVG, one file per tune, so a tune is never cut at a page end; -O: the output's name.
    static const Engraver abcm2ps{
        QString::fromLatin1(kAbcProgram),
        QStringLiteral("ABC music needs abcm2ps, which is not installed."),
        "abc",
        QStringLiteral("figure.abc"),
        {QStringLiteral("-g"), QStringLiteral("-O"), QStringLiteral("figure.svg"),
         QStringLiteral("figure.abc")}};
    return engrave(abcm2ps, asTune(body), tools, cache);
}

SongFigure lilypondFigure(const QString& body, ToolRunner& tools, SongFigureCache& cache)
{
    // -s: only errors on the output; no point-and-click links, which would carry the
    // temporary folder's name into the picture; -o: the output's name, ".svg" added.
    static const Engraver lilypond{
        QString::fromLatin1(kLilypondProgram),
        QStringLiteral("LilyPond music needs lilypond, which is not installed."),
        "ly",
        QStringLiteral("figure.ly"),
        {QStringLiteral("-s"), QStringLiteral("-dbackend=svg"),
         QStringLiteral("-dno-point-and-click"), QStringLiteral("-o"), QStringLiteral("figure"),
         QStringLiteral("figure.ly")}};
    return engrave(lilypond, body, tools, cache);
}

} // namespace partivo::chordpro
