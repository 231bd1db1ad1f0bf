// The backing track's timed events in a 1920x1080 binder window on the offscreen platform,
// through the whole program: a 40-page vector score whose note turns a page every two
// seconds of its track, played from the music library on the player double. Prints the median
// and 99th percentile from the poll that passes an event's time to the page painted (target
// one frame, 16 ms). Then the metronome on the real clock for one minute at 120 beats a
// minute: how late each beat is shown against its ideal time (p99 target within 5 ms).
#include "ChordProLayoutTiming.h"
#include "ScorePdfs.h"
#include "app/Controller.h"
#include "app/ProgramDoubles.h"
#include "app/widgets/ProgramShell.h"
#include "display/widgets/BinderWindow.h"
#include "notes/Metronome.h"
#include "platform/ManualTimers.h"
#include "platform/QtTimers.h"
#include "player/MusicLibrary.h"
#include "player/PlayerBridge.h"
#include "player/TestAudio.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QTemporaryDir>
#include <QTimer>
#include <cmath>
#include <cstdio>
#include <vector>

using namespace partivo;
using bench::msSince;

namespace {

constexpr int kPages = 40;
constexpr int kRuns = 10;

std::vector<double> pageTurns()
{
    QTemporaryDir dir;
    QTemporaryDir music;
    bench::writeVectorPdf(dir.filePath(QStringLiteral("Score.pdf")), kPages, 12, 48);
    QString note;
    for (int page = 3; page <= kPages; page += 2)
        note += QStringLiteral("%1:%2 Page %3\n")
                    .arg(page / 60, 2, 10, QLatin1Char('0'))
                    .arg(page % 60, 2, 10, QLatin1Char('0'))
                    .arg(page);
    QFile noteFile(dir.filePath(QStringLiteral("Score.txt")));
    noteFile.open(QIODevice::WriteOnly);
    noteFile.write(note.toUtf8());
    noteFile.close();
    test::writeAudio(music.filePath(QStringLiteral("Score.wav")),
                     test::wavFile(kPages + 5, {{"INAM", "Score"}, {"IGNR", "Backing Track"}}));

    test::ProgramDoubles d({{QStringLiteral("NbrExec"), 3},
                            {QStringLiteral("url0"), dir.path()},
                            {QStringLiteral("dirIsanURL0"), true},
                            {QStringLiteral("dirNo"), 0},
                            {QStringLiteral("musicFolder"), music.path()}});
    ManualTimers& timers = d.timers;
    ProgramShell shell;
    Controller controller(d.prefs, d.dialogs, d.midi, d.center, d.timers, d.files, d.player, shell);
    shell.setController(&controller);
    controller.awakeFromNib();
    controller.musicLibrary().waitForIndex();
    for (const Track& t : controller.musicLibrary().tracks())
        d.player.setDuration(t.path, t.duration);
    BinderWindow& window = *shell.binderWindows().first();
    window.resize(1920, 1080);
    window.show();
    QCoreApplication::processEvents();
    timers.advance(2000); // the start's own timers, the note read

    std::vector<double> ms;
    for (int run = 0; run < kRuns; ++run) {
        controller.navigator().gotoSongNo(1);
        controller.traiterKeyAction(7, false, QString()); // play from the start
        if (!controller.playerBridge().isActive()) {
            std::fprintf(stderr, "the track does not play: %s\n",
                         qPrintable(window.binder().messageLine().text()));
            break;
        }
        int page = controller.navigator().pageNo1;
        while (controller.playerBridge().isActive()) {
            window.prefetchAhead(); // between polls the window renders the next pages
            QElapsedTimer timer;
            timer.start();
            timers.advance(kPollMs);
            if (controller.navigator().pageNo1 == page)
                continue;
            window.repaint();
            ms.push_back(msSince(timer));
            page = controller.navigator().pageNo1;
        }
    }
    return ms;
}

std::vector<double> metronomeLateness()
{
    QtTimers timers;
    QElapsedTimer clock;
    std::vector<double> late;
    double startMs = -1;
    Metronome metro(timers, [&](int tick, bool masquer, bool) {
        if (masquer || tick < 1)
            return;
        const double now = double(clock.nsecsElapsed()) / 1e6;
        if (tick == 1)
            startMs = now;
        else
            late.push_back(std::abs(now - (startMs + (tick - 1) * 500.0)));
    });
    metro.setTempo(120);
    clock.start();
    metro.startMetroTimer();
    QEventLoop loop;
    QTimer::singleShot(60000, &loop, &QEventLoop::quit);
    loop.exec();
    metro.stopMetroTimer();
    return late;
}

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    std::printf("timed page turns, 40-page vector score, two pages, 1920x1080\n");
    const std::vector<double> turns = pageTurns();
    if (turns.empty()) {
        std::fprintf(stderr, "no page was turned by the track\n");
        return 1;
    }
    bench::reportP99("poll passing an event's time to the page painted", turns, 16, "turns");
    std::printf("metronome at 120 beats a minute on the real clock, one minute\n");
    const std::vector<double> late = metronomeLateness();
    if (late.empty()) {
        std::fprintf(stderr, "the metronome showed no beat\n");
        return 1;
    }
    bench::reportP99("beat shown against its ideal time", late, 5, "beats");
    return 0;
}
