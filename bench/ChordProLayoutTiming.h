#pragma once

#include "chordpro/ChordProLayout.h"

#include <QElapsedTimer>
#include <QString>
#include <vector>

namespace partivo::bench {

struct LayoutTiming {
    double medianMs = 0;
    double p95Ms = 0;
    int runs = 0;
    int pages = 0;
};

// The value at that fraction (0.5 the median) of the sorted values, rounded to the nearest
// rank; the values must not be empty.
double percentile(std::vector<double> values, double fraction);

inline double msSince(const QElapsedTimer& timer)
{
    return double(timer.nsecsElapsed()) / 1e6;
}

// How a figure is reported against its target.
inline const char* verdict(bool met)
{
    return met ? "met" : "NOT met";
}

// Prints "what: median, p99 over N <of> (target under T ms: met)"; ms must not be empty.
void reportP99(const char* what, const std::vector<double>& ms, double targetMs, const char* of);

// A ChordPro song of `lines` source lines: metadata, verse comments, choruses with highlights
// and chord-over-lyrics lines long enough that some wrap at the default reference width.
QString makeLayoutSong(int lines);
// The same length in the common ChordPro directives: labelled verses with annotations, a
// chorus recalled after every verse, italic comments with metadata, a song-defined chord;
// its chords end in diagrams.
QString makeStandardLayoutSong(int lines);

// Times whole passes (parse and layout) of the song against the start-up reference page with
// the real font metrics, after a few passes to warm the font caches. Needs a QGuiApplication.
LayoutTiming timeChordProLayout(const QString& song, chordpro::RenderMode mode, int runs);

} // namespace partivo::bench
