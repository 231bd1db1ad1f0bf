// Queues 10,000 messages through the real paced drain on a real event loop and prints how
// many were lost or reordered and the median and 99th-percentile gap against midiDelay.
#include "midi/Midi.h"
#include "platform/MemoryPrefs.h"
#include "platform/MidiBackend.h"
#include "platform/QtTimers.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <vector>

using namespace partivo;

namespace {

// One destination that records when each message arrives, with a nanosecond clock.
class TimingBackend : public MidiBackend {
public:
    TimingBackend() { clock.start(); }
    QList<MidiEndpoint> destinations() const override
    {
        return {MidiEndpoint{1, QStringLiteral("Bench"), true}};
    }
    bool send(qint32, const QByteArray& bytes) override
    {
        arrivals.push_back({clock.nsecsElapsed(), bytes});
        return true;
    }
    void setReceiver(Receiver) override {}

    struct Arrival {
        qint64 ns;
        QByteArray bytes;
    };
    QElapsedTimer clock;
    std::vector<Arrival> arrivals;
};

double percentile(std::vector<double> values, double p)
{
    std::sort(values.begin(), values.end());
    return values[std::min(values.size() - 1, size_t(p * double(values.size())))];
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const int count = argc > 1 ? QString::fromLocal8Bit(argv[1]).toInt() : 10000;
    MemoryPrefs prefs;
    QtTimers timers;
    TimingBackend backend;
    Midi midi(prefs, timers, backend);
    const double delayMs = midi.midiDelay() * 1000.0;

    midi.initTimeLastLotEvents();
    for (int i = 0; i < count; ++i) {
        // The sequence number travels in the two data bytes of a control change.
        const char bytes[] = {char(0xB0), char((i >> 7) & 0x7F), char(i & 0x7F)};
        midi.keepMidiEvent(QByteArray(bytes, 3), 0, false, QStringLiteral("Bench"));
    }
    midi.processMidiEvents();

    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, &app, [&] {
        if (int(backend.arrivals.size()) >= count || !midi.isDraining())
            app.quit();
    });
    poll.start(50);
    QTimer::singleShot(int(count * delayMs * 3 + 5000), &app, &QCoreApplication::quit);
    app.exec();

    int reordered = 0;
    std::vector<double> gaps;
    for (size_t i = 0; i < backend.arrivals.size(); ++i) {
        const QByteArray& b = backend.arrivals[i].bytes;
        const int seq = (uchar(b.at(1)) << 7) | uchar(b.at(2));
        if (seq != int(i))
            ++reordered;
        if (i > 0)
            gaps.push_back(double(backend.arrivals[i].ns - backend.arrivals[i - 1].ns) / 1e6);
    }
    const int lost = count - int(backend.arrivals.size());
    std::printf("messages %d, lost %d, reordered %d, midiDelay %.1f ms\n", count, lost, reordered,
                delayMs);
    if (!gaps.empty()) {
        const double median = percentile(gaps, 0.5);
        const double p99 = percentile(gaps, 0.99);
        std::printf("gap median %.2f ms (%+.2f), p99 %.2f ms (%+.2f)\n", median, median - delayMs,
                    p99, p99 - delayMs);
        const bool met = lost == 0 && reordered == 0 && std::abs(median - delayMs) <= 1.0 &&
                         std::abs(p99 - delayMs) <= 3.0;
        std::printf("target (nothing lost or reordered, median within 1 ms, p99 within 3 ms): "
                    "%s\n",
                    met ? "met" : "NOT met");
    }
    return 0;
}
