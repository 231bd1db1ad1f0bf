#include "ChordProLayoutTiming.h"

#include <cstdio>

#include "chordpro/ChordPro.h"
#include "chordpro/ChordProFontMetrics.h"
#include "chordpro/ChordProRenderer.h"

#include <QElapsedTimer>
#include <QStringList>
#include <algorithm>
#include <vector>

namespace partivo::bench {

namespace {

const QStringList kChords = {"C",   "G",   "Am",    "F",  "Dm7",    "E7", "Bb",
                             "F#m", "C/E", "Gsus4", "A7", "Ebmaj7", "D",  "Bm"};

constexpr int kWarmUpRuns = 5;

} // namespace

double percentile(std::vector<double> values, double fraction)
{
    std::sort(values.begin(), values.end());
    const auto index = static_cast<size_t>(fraction * double(values.size() - 1) + 0.5);
    return values[std::min(index, values.size() - 1)];
}

void reportP99(const char* what, const std::vector<double>& ms, double targetMs, const char* of)
{
    const double p99 = percentile(ms, 0.99);
    std::printf("%s: median %.2f ms, p99 %.2f ms over %zu %s (target under %.0f ms: %s)\n", what,
                percentile(ms, 0.5), p99, ms.size(), of, targetMs, verdict(p99 < targetMs));
}

QString makeLayoutSong(int lines)
{
    QString song = QStringLiteral("{title:Bench}\n{st:Band}\n{key:G}\n");
    for (int i = 3; i < lines; ++i) {
        if (i % 12 == 4)
            song += QStringLiteral("{soc}\n");
        else if (i % 12 == 9)
            song += QStringLiteral("{eoc}\n");
        else if (i % 12 == 0)
            song += QStringLiteral("{c:Verse %1}\n").arg(i / 12);
        else if (i % 12 == 6)
            song += QStringLiteral("{soh}Hold on{eoh} [%1]now\n").arg(kChords[i % kChords.size()]);
        else
            song += QStringLiteral("[%1]Walking down the [%2]road again, [%3]singing all the "
                                   "[%4]way back home to you\n")
                        .arg(kChords[i % kChords.size()], kChords[(2 * i) % kChords.size()],
                             kChords[(3 * i) % kChords.size()], kChords[(i * 7) % kChords.size()]);
    }
    return song;
}

QString makeStandardLayoutSong(int lines)
{
    QString song = QStringLiteral("{title: Bench}\n{artist: Band}\n{key: G}\n{capo: 2}\n"
                                  "{define: G base-fret 1 frets 3 2 0 0 3 3}\n");
    int written = 5;
    int verse = 1;
    while (written < lines) {
        song += QStringLiteral("{start_of_verse: label=\"Verse %1\"}\n").arg(verse++);
        for (int i = 0; i < 4; ++i)
            song +=
                QStringLiteral("[%1]Walking down the [%2]road again, [*rit.][%3]singing all "
                               "the [%4]way home\n")
                    .arg(kChords[(written + i) % kChords.size()],
                         kChords[(2 * i + 1) % kChords.size()],
                         kChords[(3 * i + 2) % kChords.size()], kChords[(i + 3) % kChords.size()]);
        song += QStringLiteral("{end_of_verse}\n");
        written += 6;
        if (verse == 2) {
            song += QStringLiteral("{soc: Chorus}\n[C]Harbour lights, [G]harbour lights\n"
                                   "[D]guide me through the [G]night\n{eoc}\n");
            written += 4;
        } else {
            song += QStringLiteral("{chorus}\n{ci: %{artist} again}\n");
            written += 2;
        }
    }
    return song;
}

LayoutTiming timeChordProLayout(const QString& song, chordpro::RenderMode mode, int runs)
{
    const chordpro::ChordProFontMetrics metrics;
    ChordProRenderer renderer(metrics, ChordPro::sizeRefStatique());
    ChordPro document;
    document.setChordProData(song);
    LayoutTiming timing;
    for (int i = 0; i < kWarmUpRuns; ++i)
        timing.pages = renderer.traiterChordProData(document, mode).nbPages;
    std::vector<double> ms;
    ms.reserve(size_t(runs));
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer timer;
        timer.start();
        timing.pages = renderer.traiterChordProData(document, mode).nbPages;
        ms.push_back(double(timer.nsecsElapsed()) / 1e6);
    }
    timing.runs = runs;
    if (!ms.empty()) {
        timing.medianMs = percentile(ms, 0.5);
        timing.p95Ms = percentile(ms, 0.95);
    }
    return timing;
}

} // namespace partivo::bench
