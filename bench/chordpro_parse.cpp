// Parses and transposes a corpus of 200 generated ChordPro songs and prints songs per
// second, and the time to parse one 100-line song.
#include "chordpro/ChordProMeta.h"
#include "chordpro/ChordProParser.h"
#include "chordpro/SongTransposer.h"

#include <QElapsedTimer>
#include <QStringList>
#include <algorithm>
#include <cstdio>
#include <vector>

using namespace partivo;

namespace {

const QStringList kChords = {"C",   "G",   "Am",    "F",  "Dm7",    "E7", "Bb",
                             "F#m", "C/E", "Gsus4", "A7", "Ebmaj7", "D",  "Bm"};

// A song of `lines` lines: directives, a chorus, comments and chord-over-lyrics lines.
QString makeSong(int seed, int lines)
{
    QString song = QStringLiteral("{title:Song %1}\n{st:Band %2}\n{key:%3}\n")
                       .arg(seed)
                       .arg(seed % 17)
                       .arg(kChords[seed % kChords.size()]);
    for (int i = 3; i < lines; ++i) {
        if (i % 12 == 4)
            song += QStringLiteral("{soc}\n");
        else if (i % 12 == 9)
            song += QStringLiteral("{eoc}\n");
        else if (i % 12 == 0)
            song += QStringLiteral("{c:Verse %1}\n").arg(i / 12);
        else
            song += QStringLiteral("[%1]Walking down the [%2]road again, [%3]singing all the "
                                   "[%4]way\n")
                        .arg(kChords[(seed + i) % kChords.size()],
                             kChords[(seed + 2 * i) % kChords.size()],
                             kChords[(seed + 3 * i) % kChords.size()],
                             kChords[(i * 7) % kChords.size()]);
    }
    return song;
}

double medianOf(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

} // namespace

int main()
{
    std::vector<QString> songs;
    for (int i = 0; i < 200; ++i)
        songs.push_back(makeSong(i, 40 + i % 80));

    std::vector<double> rates;
    qsizetype checksum = 0;
    for (int run = 0; run < 5; ++run) {
        QElapsedTimer timer;
        timer.start();
        for (const QString& song : songs) {
            const auto parsed = chordpro::parseChordPro(song);
            checksum += parsed.lines.size();
            checksum += chordpro::determinerTitreSousTitreCle(song).cle.size();
            checksum += chordpro::transposeSongText(song, 2, 0).size();
        }
        rates.push_back(double(songs.size()) / (double(timer.nsecsElapsed()) / 1e9));
    }

    const QString hundred = makeSong(7, 100);
    std::vector<double> parseUs;
    for (int run = 0; run < 200; ++run) {
        QElapsedTimer timer;
        timer.start();
        checksum += chordpro::parseChordPro(hundred).lines.size();
        parseUs.push_back(double(timer.nsecsElapsed()) / 1e3);
    }
    std::printf("parse + transpose of 200 songs: %.0f songs/s (median of 5 runs)\n",
                medianOf(rates));
    std::printf("parse of a 100-line song: %.1f us median (target well under 1 ms)\n",
                medianOf(parseUs));
    std::printf("checksum %lld\n", static_cast<long long>(checksum));
    return 0;
}
