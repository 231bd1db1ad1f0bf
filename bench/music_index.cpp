// Indexes a generated music folder of 10,000 tagged WAV files (in folders of a hundred): cold,
// with no index cache (every file's tags read, the cache written), and warm, from the cache
// with nothing changed (only the folders listed). Prints the median of each; target: warm
// under 300 ms.
#include "ChordProLayoutTiming.h"
#include "player/MusicIndex.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QtEndian>
#include <cstdio>
#include <vector>

using namespace partivo;
using bench::msSince;
using bench::verdict;

namespace {

constexpr int kFiles = 10000;
constexpr int kFilesPerFolder = 100;
constexpr int kColdRuns = 3;
constexpr int kWarmRuns = 7;
constexpr double kWarmTargetMs = 300;

QByteArray le32(quint32 value)
{
    QByteArray bytes(4, '\0');
    qToLittleEndian(value, bytes.data());
    return bytes;
}

QByteArray riffChunk(const QByteArray& id, const QByteArray& body)
{
    QByteArray chunk = id + le32(quint32(body.size())) + body;
    if (body.size() % 2)
        chunk += '\0';
    return chunk;
}

// A tenth of a second of 8 kHz mono 8-bit silence with a title, an artist, a comment and a
// genre in its RIFF INFO list.
QByteArray taggedWav(int i)
{
    const QByteArray format =
        QByteArray::fromHex("01000100") + le32(8000) + le32(8000) + QByteArray::fromHex("01000800");
    QByteArray info = "INFO";
    info += riffChunk("INAM", QStringLiteral("Song %1").arg(i).toUtf8() + '\0');
    info += riffChunk("IART", QStringLiteral("Artist %1").arg(i % 97).toUtf8() + '\0');
    info += riffChunk("ICMT",
                      i % 5 == 0 ? QByteArray("made for the binder\0", 20) : QByteArray("\0", 1));
    info += riffChunk("IGNR",
                      i % 3 == 0 ? QByteArray("Backing Track\0", 14) : QByteArray("Cover\0", 6));
    const QByteArray body = "WAVE" + riffChunk("fmt ", format) + riffChunk("LIST", info) +
                            riffChunk("data", QByteArray(800, char(0x80)));
    return riffChunk("RIFF", body);
}

bool generateLibrary(const QString& root)
{
    for (int i = 0; i < kFiles; ++i) {
        const QString folder = QStringLiteral("%1/Folder %2").arg(root).arg(i / kFilesPerFolder);
        if (i % kFilesPerFolder == 0 && !QDir().mkpath(folder))
            return false;
        QFile file(QStringLiteral("%1/Track %2.wav").arg(folder).arg(i));
        if (!file.open(QIODevice::WriteOnly) || file.write(taggedWav(i)) < 0)
            return false;
    }
    return true;
}

// One index; exits when it does not find every track or reads what it should not.
double timeIndex(const QString& root, const QString& cache, qsizetype expectedReads)
{
    QElapsedTimer timer;
    timer.start();
    const MusicIndexResult index = indexMusicFolder(root, cache);
    const double ms = msSince(timer);
    if (index.tracks.size() != kFiles || index.filesRead.size() != expectedReads) {
        std::fprintf(stderr, "index found %lld tracks and read %lld files, expected %d and %lld\n",
                     static_cast<long long>(index.tracks.size()),
                     static_cast<long long>(index.filesRead.size()), kFiles,
                     static_cast<long long>(expectedReads));
        std::exit(1);
    }
    return ms;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    const QString root = dir.filePath(QStringLiteral("music"));
    const QString cache = dir.filePath(QStringLiteral("music-index.json"));
    if (!dir.isValid() || !generateLibrary(root)) {
        std::fprintf(stderr, "cannot write the music folder\n");
        return 1;
    }
    std::vector<double> cold;
    for (int run = 0; run < kColdRuns; ++run) {
        QFile::remove(cache);
        cold.push_back(timeIndex(root, cache, kFiles));
    }
    std::vector<double> warm;
    for (int run = 0; run < kWarmRuns; ++run)
        warm.push_back(timeIndex(root, cache, 0));
    const double warmMedian = bench::percentile(warm, 0.5);
    std::printf("music index, %d tagged WAV files in %d folders, cache %.1f MB\n", kFiles,
                kFiles / kFilesPerFolder, double(QFileInfo(cache).size()) / 1e6);
    std::printf("cold (no cache, every file read)  median %8.1f ms  (%d runs)\n",
                bench::percentile(cold, 0.5), kColdRuns);
    std::printf("warm (cache, nothing changed)     median %8.1f ms  max %6.1f ms  (%d runs)  %s\n",
                warmMedian, bench::percentile(warm, 1.0), kWarmRuns,
                verdict(warmMedian < kWarmTargetMs));
    return 0;
}
