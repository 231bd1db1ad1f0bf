// A foot pedal turning pages of a 100-page vector score in a 1920x1080 binder window on the
// offscreen platform, through the whole program: the control change handed to the receive
// path, decoded, queued, matched to its trigger, the page command run and the window's
// frame painted, with the pages rendered ahead as the window does between presses. The
// queue's 0.1 s processing step is a wait by design; the manual clock skips it, and it is
// reported apart. Prints the median and 99th percentile over 1,000 presses until the page
// command has run (target under 5 ms beyond the step) and until the frame is painted (the
// page turn itself, one frame: 16 ms). Then 10,000 messages in one burst from the MIDI thread:
// resident memory before and after, and the time until the window answers a key again.
#include "ChordProLayoutTiming.h"
#include "ScorePdfs.h"
#include "app/Controller.h"
#include "app/widgets/ProgramShell.h"
#include "display/widgets/BinderWindow.h"
#include "midi/Midi.h"
#include "platform/LoopbackMidi.h"
#include "platform/ManualMediaPlayer.h"
#include "platform/ManualTimers.h"
#include "platform/MemoryPrefs.h"
#include "platform/MidiPortNames.h"
#include "platform/NotificationCenter.h"
#include "platform/RecordingFileServices.h"
#include "platform/ScriptedDialogs.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QKeyEvent>
#include <QTemporaryDir>
#include <cstdio>
#include <thread>
#include <vector>

using namespace partivo;
using bench::msSince;
using bench::verdict;

namespace {

constexpr int kPresses = 1000;
constexpr int kPages = 100;
constexpr int kFlood = 10000;

double residentMb()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').value(0).toDouble() / 1024.0;
    return -1;
}

// Two triggers: controller 64 at 127 turns forward, controller 65 at 127 back.
QMap<QString, QVariant> pedalTriggers(const QString& folder)
{
    QMap<QString, QVariant> stored{
        {QStringLiteral("NbrExec"), 3},         {QStringLiteral("url0"), folder},
        {QStringLiteral("dirIsanURL0"), true},  {QStringLiteral("dirNo"), 0},
        {QStringLiteral("MidiTrig_nbTrig"), 2},
    };
    for (int i = 0; i < 2; ++i) {
        const QString n = QString::number(i);
        stored.insert(QStringLiteral("MidiTrig_sourceMode_") + n, 0);
        stored.insert(QStringLiteral("MidiTrig_channel_") + n, 0);
        stored.insert(QStringLiteral("MidiTrig_sourceType_") + n, 1);
        stored.insert(QStringLiteral("MidiTrig_sourceVal1_") + n, 64 + i);
        stored.insert(QStringLiteral("MidiTrig_sourceVal2_") + n, 127);
        stored.insert(QStringLiteral("MidiTrig_sourceVal3_") + n, -1);
        stored.insert(QStringLiteral("MidiTrig_actionType_") + n, i == 0 ? 2 : 1);
    }
    return stored;
}

void report(const char* what, const std::vector<double>& ms, double target)
{
    bench::reportP99(what, ms, target, "presses");
}

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTemporaryDir dir;
    bench::writeVectorPdf(dir.filePath(QStringLiteral("Score.pdf")), kPages, 12, 48);

    MemoryPrefs prefs(pedalTriggers(dir.path()));
    prefs.setValue(QStringLiteral("musicFolder"), QString()); // no music library to index
    ScriptedDialogs dialogs;
    ManualTimers timers;
    LoopbackMidi backend(timers);
    const qint32 pedal = stableMidiId(QStringLiteral("Pedal"));
    backend.setSources({{pedal, QStringLiteral("Pedal"), true}});
    Midi midi(prefs, timers, backend);
    NotificationCenter center;
    RecordingFileServices files;
    ManualMediaPlayer player(timers);
    ProgramShell shell;
    Controller controller(prefs, dialogs, midi, center, timers, files, player, shell);
    shell.setController(&controller);
    controller.awakeFromNib();
    BinderWindow& window = *shell.binderWindows().first();
    window.resize(1920, 1080);
    window.show();
    QCoreApplication::processEvents();
    timers.advance(2000); // the start's own timers

    const QByteArray forward("\xB0\x40\x7F", 3);
    std::vector<double> commandMs; // the pedal until the page command has run
    std::vector<double> paintedMs; // the pedal until the frame is painted
    for (int i = 0; i < kPresses; ++i) {
        // Through the score forward; from its end back to the start, untimed.
        if (controller.navigator().pageNo1 >= kPages - 1)
            controller.navigator().gotoSongNo(1);
        window.prefetchAhead(); // between presses the window renders the next pages
        QElapsedTimer timer;
        timer.start();
        backend.inject(pedal, forward);
        timers.advance(kTrigInIntervalMs); // the step itself takes no time here
        commandMs.push_back(msSince(timer));
        window.repaint();
        paintedMs.push_back(msSince(timer));
    }
    std::printf("pedal to page, 100-page vector score, two pages, 1920x1080\n");
    report("pedal to the page command run (receive, decode, queue, match, navigate)", commandMs, 5);
    report("pedal to the page painted", paintedMs, 16);
    std::printf("processing step of the incoming queue: %d ms by design, one message a step\n",
                kTrigInIntervalMs);

    // A flood from the MIDI thread: the inbox keeps the newest 256.
    QCoreApplication::processEvents();
    const double before = residentMb();
    std::thread flood([&] {
        for (int i = 0; i < kFlood; ++i)
            backend.inject(pedal, forward); // every one matches a trigger
    });
    flood.join();
    QElapsedTimer answer;
    answer.start();
    bool answered = false;
    const int observer =
        center.addObserver(QStringLiteral("ActionKey"), [&](const QVariant&) { answered = true; });
    // Queued behind the drain the flood asked for.
    QCoreApplication::postEvent(&window,
                                new QKeyEvent(QEvent::KeyPress, Qt::Key_Down, Qt::NoModifier));
    while (!answered && answer.elapsed() < 10000)
        QCoreApplication::processEvents();
    const double answerMs = msSince(answer);
    center.removeObserver(observer);
    const double after = residentMb();
    std::printf(
        "10000 pedal presses in one burst: %lld waiting afterwards, resident %.1f MB before, "
        "%.1f MB after; the window answered a key %.2f ms after the burst (target "
        "under 100 ms: %s)\n",
        static_cast<long long>(midi.MIDItriggersIn().size() + midi.inboxSize()), before, after,
        answerMs, verdict(answered && answerMs < 100));
    return 0;
}
