#include "chordpro/SongFigure.h"
#include "chordpro/SongFigureMaker.h"

#include "platform/ScriptedToolRunner.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <functional>
#include <gtest/gtest.h>

using namespace partivo;
using namespace partivo::chordpro;
using Kind = SongFigure::Kind;

namespace {

QByteArray svgOfSize(int width, int height)
{
    return QStringLiteral("<svg xmlns='http://www.w3.org/2000/svg' width='%1' height='%2'>"
                          "<rect width='%1' height='%2' fill='red'/></svg>")
        .arg(width)
        .arg(height)
        .toUtf8();
}

void writeFile(const QString& path, const QByteArray& data)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << path.toStdString();
    file.write(data);
}

TEST(SongFigure, InlineSvgIsKeptAtItsOwnSizeOrReportedUnreadable)
{
    struct Case {
        const char* name;
        QString body;
        Kind kind;
        QSizeF size;
    };
    const Case cases[] = {
        {"width and height", QString::fromUtf8(svgOfSize(40, 20)), Kind::Svg, {40, 20}},
        {"viewBox only",
         "<svg xmlns='http://www.w3.org/2000/svg' viewBox='0 0 120 30'><circle r='5'/></svg>",
         Kind::Svg,
         {120, 30}},
        {"not closed",
         "<svg xmlns='http://www.w3.org/2000/svg' width='10' height='10'><rect",
         Kind::Missing,
         {}},
        {"not SVG", "<html><body/></html>", Kind::Missing, {}},
        {"plain text", "a picture of a cat", Kind::Missing, {}},
        {"empty", "", Kind::Missing, {}},
    };
    for (const Case& c : cases) {
        const SongFigure figure = svgFigure(c.body);
        EXPECT_EQ(figure.kind, c.kind) << c.name;
        EXPECT_EQ(figure.naturalSize, c.size) << c.name;
        if (c.kind == Kind::Svg) {
            EXPECT_EQ(figure.svg, c.body.toUtf8()) << c.name;
        } else {
            EXPECT_EQ(figure.message, "This SVG picture cannot be read.") << c.name;
        }
    }
}

// The two engravers behave alike; each case names how one is called and how it names pages.
struct Engraving {
    const char* program;
    std::function<SongFigure(const QString&, ToolRunner&, SongFigureCache&)> make;
    QString input;     // the file the music is written to
    QString svgOption; // the option asking for SVG
    QString notInstalled;
    QStringList pages; // the pages a multi-page run writes, the first page first
    QString music;
};

const Engraving kEngravings[] = {
    {"abcm2ps",
     [](const QString& b, ToolRunner& t, SongFigureCache& c) { return abcFigure(b, t, c); },
     "figure.abc",
     "-g",
     "ABC music needs abcm2ps, which is not installed.",
     {"figure001.svg", "figure002.svg", "figure010.svg"},
     "X:1\nK:G\nGABc|d2d2|\n"},
    {"lilypond",
     [](const QString& b, ToolRunner& t, SongFigureCache& c) { return lilypondFigure(b, t, c); },
     "figure.ly",
     "-dbackend=svg",
     "LilyPond music needs lilypond, which is not installed.",
     {"figure-1.svg", "figure-2.svg", "figure-10.svg"},
     "\\relative c' { c4 d e f | g1 }\n"},
};

ToolRun finished(int exitCode, const QByteArray& stdErr = {})
{
    ToolRun run;
    run.started = true;
    run.exitCode = exitCode;
    run.stdErr = stdErr;
    return run;
}

class EngravedFigureTest : public ::testing::Test {
protected:
    SongFigure make(const Engraving& e, const QString& music)
    {
        return e.make(music, tools_, cache_);
    }

    ScriptedToolRunner tools_;
    SongFigureCache cache_;
};

TEST_F(EngravedFigureTest, AMissingEngraverIsNamedAndNothingRuns)
{
    for (const Engraving& e : kEngravings) {
        const SongFigure figure = make(e, e.music);
        EXPECT_EQ(figure.kind, Kind::Missing) << e.program;
        EXPECT_EQ(figure.message, e.notInstalled) << e.program;
    }
    EXPECT_TRUE(tools_.calls().isEmpty());
}

// The pages are written last first, so that the order found on disk is no help.
TEST_F(EngravedFigureTest, TheFirstPageDrawnBecomesTheFigure)
{
    for (const Engraving& e : kEngravings) {
        QByteArray inputSeen;
        tools_.install(e.program, [&](const ScriptedToolRunner::Call& call) {
            QFile input(QDir(call.workDir).filePath(e.input));
            if (input.open(QIODevice::ReadOnly))
                inputSeen = input.readAll();
            for (qsizetype i = e.pages.size() - 1; i >= 0; --i)
                writeFile(QDir(call.workDir).filePath(e.pages[i]), svgOfSize(40 + int(i), 20));
            return finished(0);
        });
        const SongFigure figure = make(e, e.music);
        EXPECT_EQ(figure.kind, Kind::Svg) << e.program << " " << figure.message.toStdString();
        EXPECT_EQ(figure.naturalSize, QSizeF(40, 20)) << e.program;
        EXPECT_EQ(inputSeen, e.music.toUtf8()) << e.program;

        ASSERT_EQ(tools_.runCount(e.program), 1) << e.program;
        const ScriptedToolRunner::Call& call = tools_.calls().last();
        EXPECT_TRUE(call.args.contains(e.input)) << e.program;
        EXPECT_TRUE(call.args.contains(e.svgOption)) << e.program;
        EXPECT_EQ(call.timeoutMs, kFigureToolTimeoutMs) << e.program;
        EXPECT_FALSE(QDir(call.workDir).exists()) << e.program << ": the folder is left behind";
    }
}

TEST_F(EngravedFigureTest, FailuresNameTheEngraverAndItsFirstErrorLine)
{
    struct Case {
        const char* name;
        // Given the working folder, what the engraver does.
        std::function<ToolRun(const QString&)> run;
        QString message; // %1: the program
    };
    const Case cases[] = {
        {"error on standard error",
         [](const QString& folder) {
             return finished(1, (folder + "/figure.x:3:5: error: syntax error, unexpected '}'\n"
                                          "   c4 d }\nfatal: exit\n")
                                    .toUtf8());
         },
         "%1 could not draw this music: figure.x:3:5: error: syntax error, unexpected '}'"},
        {"no error named: the first line of standard error",
         [](const QString&) { return finished(2, "\n  Warning 1: bad bar\nmore\n"); },
         "%1 could not draw this music: Warning 1: bad bar"},
        {"silent failure", [](const QString&) { return finished(4); },
         "%1 could not draw this music: it ended with code 4"},
        {"timed out",
         [](const QString&) {
             ToolRun run;
             run.started = true;
             run.timedOut = true;
             return run;
         },
         "%1 took longer than 10 seconds and was stopped."},
        {"success without a page", [](const QString&) { return finished(0, "error: no tune\n"); },
         "%1 drew nothing for this music: error: no tune"},
        {"an unreadable page",
         [](const QString& folder) {
             writeFile(folder + "/figure.svg", "<svg garbage");
             return finished(0);
         },
         "%1 drew a picture that cannot be read."},
    };
    for (const Engraving& e : kEngravings) {
        for (const Case& c : cases) {
            tools_.install(e.program, [&](const ScriptedToolRunner::Call& call) {
                return c.run(call.workDir);
            });
            const SongFigure figure = make(e, e.music + c.name);
            EXPECT_EQ(figure.kind, Kind::Missing) << e.program << ": " << c.name;
            EXPECT_EQ(figure.message, QString(c.message).arg(e.program))
                << e.program << ": " << c.name;
        }
    }
}

TEST_F(EngravedFigureTest, AnEngraverThatCannotStartIsAskedAgainNextTime)
{
    const Engraving& e = kEngravings[0];
    tools_.install(e.program, [](const ScriptedToolRunner::Call&) { return ToolRun(); });
    EXPECT_EQ(make(e, e.music).message, "abcm2ps could not be started.");
    make(e, e.music);
    EXPECT_EQ(tools_.runCount(e.program), 2);
}

// What ran is kept, failures and time-outs included; a program not installed is asked for
// again, so installing it while the program runs is enough.
TEST_F(EngravedFigureTest, TheSameMusicIsEngravedOnce)
{
    struct Case {
        const char* name;
        ToolRun outcome;
        bool writesPage;
    };
    ToolRun timedOut;
    timedOut.started = true;
    timedOut.timedOut = true;
    const Case cases[] = {
        {"drawn", finished(0), true},
        {"failed", finished(1, "error"), false},
        {"timed out", timedOut, false},
    };
    for (const Engraving& e : kEngravings) {
        for (const Case& c : cases) {
            SongFigureCache cache;
            ScriptedToolRunner tools;
            tools.install(e.program, [&](const ScriptedToolRunner::Call& call) {
                if (c.writesPage)
                    writeFile(QDir(call.workDir).filePath(e.pages[0]), svgOfSize(30, 10));
                return c.outcome;
            });
            const SongFigure first = e.make(e.music, tools, cache);
            const SongFigure again = e.make(e.music, tools, cache);
            EXPECT_EQ(tools.runCount(e.program), 1) << e.program << ": " << c.name;
            EXPECT_EQ(again.kind, first.kind) << e.program << ": " << c.name;
            EXPECT_EQ(again.message, first.message) << e.program << ": " << c.name;
            EXPECT_EQ(again.svg, first.svg) << e.program << ": " << c.name;

            e.make(e.music + "% another piece\n", tools, cache);
            EXPECT_EQ(tools.runCount(e.program), 2) << e.program << ": " << c.name;
        }
    }

    // The same text as ABC and as LilyPond is two pieces of music.
    tools_.install("abcm2ps");
    tools_.install("lilypond");
    make(kEngravings[0], "X:1\n");
    make(kEngravings[1], "X:1\n");
    EXPECT_EQ(tools_.calls().size(), 2);

    tools_.uninstall("abcm2ps");
    const QString music = "X:1\nK:D\n";
    EXPECT_EQ(make(kEngravings[0], music).message, kEngravings[0].notInstalled);
    tools_.install("abcm2ps");
    make(kEngravings[0], music);
    EXPECT_EQ(tools_.runCount("abcm2ps"), 2);
}

TEST_F(EngravedFigureTest, AbcMusicWithoutATuneHeaderIsMadeATune)
{
    QByteArray inputSeen;
    tools_.install("abcm2ps", [&](const ScriptedToolRunner::Call& call) {
        QFile input(QDir(call.workDir).filePath("figure.abc"));
        if (input.open(QIODevice::ReadOnly))
            inputSeen = input.readAll();
        return finished(1);
    });
    make(kEngravings[0], "K:G\nGABc|\n");
    EXPECT_EQ(inputSeen, "X:1\nK:G\nGABc|\n");
    make(kEngravings[0], "T:Reel\nX:7\nK:G\n");
    EXPECT_EQ(inputSeen, "T:Reel\nX:7\nK:G\n");
}

class ImageFigureTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(folder_.isValid());
        QImage picture(30, 20, QImage::Format_RGB32);
        picture.fill(Qt::blue);
        ASSERT_TRUE(picture.save(folder_.filePath("pic.png"), "PNG"));
        ASSERT_TRUE(QDir(folder_.path()).mkdir("images"));
        ASSERT_TRUE(picture.save(folder_.filePath("images/inner.jpg"), "JPG"));
        writeFile(folder_.filePath("score.svg"), svgOfSize(40, 20));
        writeFile(folder_.filePath("broken.png"), "not a picture at all");
        writeFile(folder_.filePath("broken.svg"), "<svg");
    }

    QTemporaryDir folder_;
};

TEST_F(ImageFigureTest, FilesAreFoundBesideTheSongAndSizedAsAsked)
{
    struct Case {
        QMap<QString, QString> attributes;
        Kind kind;
        QSizeF size;
    };
    const QString absolute = folder_.filePath("pic.png");
    const Case cases[] = {
        {{{"src", "pic.png"}}, Kind::Raster, {30, 20}},
        {{{"src", "images/inner.jpg"}}, Kind::Raster, {30, 20}},
        {{{"src", absolute}}, Kind::Raster, {30, 20}},
        {{{"src", "score.svg"}}, Kind::Svg, {40, 20}},
        {{{"src", "pic.png"}, {"width", "60"}}, Kind::Raster, {60, 40}},
        {{{"src", "pic.png"}, {"height", "10"}}, Kind::Raster, {15, 10}},
        {{{"src", "pic.png"}, {"width", "60"}, {"height", "10"}}, Kind::Raster, {60, 10}},
        {{{"src", "pic.png"}, {"width", "45pt"}}, Kind::Raster, {45, 30}},
        {{{"src", "pic.png"}, {"scale", "50%"}}, Kind::Raster, {15, 10}},
        {{{"src", "pic.png"}, {"scale", "2"}}, Kind::Raster, {60, 40}},
        {{{"src", "pic.png"}, {"width", "60"}, {"scale", "0.5"}}, Kind::Raster, {30, 20}},
        {{{"src", "score.svg"}, {"width", "80"}}, Kind::Svg, {80, 40}},
        {{{"src", "pic.png"}, {"width", "wide"}, {"scale", "-1"}}, Kind::Raster, {30, 20}},
    };
    for (const Case& c : cases) {
        const std::string name = c.attributes.value("src").toStdString() + " " +
                                 QStringList(c.attributes.values()).join(' ').toStdString();
        const SongFigure figure = imageFigure(c.attributes, folder_.path());
        EXPECT_EQ(figure.kind, c.kind) << name << ": " << figure.message.toStdString();
        EXPECT_EQ(figure.naturalSize, c.size) << name;
        EXPECT_EQ(figure.kind == Kind::Raster, !figure.image.isNull()) << name;
        EXPECT_EQ(figure.kind == Kind::Svg, !figure.svg.isEmpty()) << name;
    }
}

TEST_F(ImageFigureTest, WhatCannotBeHadIsSaid)
{
    struct Case {
        QString src;
        QString folder; // "" for the song's folder
        QString message;
    };
    const Case cases[] = {
        {"", {}, "The image directive names no file."},
        {"   ", {}, "The image directive names no file."},
        {"gone.png", {}, "The image \"gone.png\" cannot be found."},
        {"images", {}, "The image \"images\" cannot be found."},
        {"http://example.com/pic.png",
         {},
         "The image \"http://example.com/pic.png\" cannot be found."},
        {"file:pic.png", {}, "The image \"file:pic.png\" cannot be found."},
        {":/pic.png", {}, "The image \":/pic.png\" cannot be found."},
        {"broken.png", {}, "The image \"broken.png\" cannot be read."},
        {"broken.svg", {}, "The image \"broken.svg\" cannot be read."},
        // A song not read from a file has no folder to look beside.
        {"pic.png", "-", "The image \"pic.png\" cannot be found."},
    };
    for (const Case& c : cases) {
        const QString folder = c.folder == "-" ? QString() : folder_.path();
        const SongFigure figure = imageFigure({{"src", c.src}}, folder);
        EXPECT_EQ(figure.kind, Kind::Missing) << c.src.toStdString();
        EXPECT_EQ(figure.message, c.message) << c.src.toStdString();
    }
    EXPECT_EQ(imageFigure({{"width", "20"}}, folder_.path()).message,
              "The image directive names no file.");
}

// A song's maker reads each image once: removing the file after the first layout changes
// nothing for the song, and LilyPond stays refused until allowed.
TEST_F(ImageFigureTest, ASongsMakerMakesEachFigureOnce)
{
    ScriptedToolRunner tools;
    partivo::chordpro::FileSongFigureMaker maker(tools, folder_.path(), false);
    const auto first = maker.image(QStringLiteral("src=pic.png width=60"));
    ASSERT_TRUE(QFile::remove(folder_.filePath("pic.png")));
    const auto again = maker.image(QStringLiteral("src=pic.png width=60"));
    EXPECT_EQ(again.get(), first.get());
    EXPECT_EQ(again->kind, Kind::Raster);
    EXPECT_EQ(maker.section("ly", "c'4").get()->message,
              QString::fromUtf8(partivo::chordpro::kLilypondNotAllowed));
    EXPECT_EQ(maker.section("textblock", "x"), nullptr);
    EXPECT_TRUE(tools.calls().isEmpty());
}

} // namespace
