// Lays out a 100-line ChordPro song with the real fonts on the offscreen platform and prints
// the median and 95th percentile of one pass (target under 5 ms), full and lyrics-only, and
// for a song in the common directives with sections, recalls and diagrams.
#include "ChordProLayoutTiming.h"

#include <QGuiApplication>
#include <cstdio>

using namespace partivo;

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QString song = bench::makeLayoutSong(100);
    constexpr int kRuns = 500;
    const struct {
        const char* name;
        chordpro::RenderMode mode;
    } modes[] = {{"full", chordpro::RenderMode::Page},
                 {"lyrics-only", chordpro::RenderMode::LyricsOnly}};
    for (const auto& m : modes) {
        const bench::LayoutTiming t = bench::timeChordProLayout(song, m.mode, kRuns);
        std::printf("layout of a 100-line song, %s: median %.3f ms, p95 %.3f ms over %d runs "
                    "(%d pages; target under 5 ms)\n",
                    m.name, t.medianMs, t.p95Ms, t.runs, t.pages);
    }
    const bench::LayoutTiming standard = bench::timeChordProLayout(
        bench::makeStandardLayoutSong(100), chordpro::RenderMode::Page, kRuns);
    std::printf("layout of a 100-line song in the common directives (labelled sections, "
                "recalled choruses, chord diagrams): median %.3f ms, p95 %.3f ms over %d runs "
                "(%d pages; target under 5 ms: %s)\n",
                standard.medianMs, standard.p95Ms, standard.runs, standard.pages,
                bench::verdict(standard.p95Ms < 5));
    return 0;
}
