// Loads generated binders of 1,000 and 10,000 songs through the real loader and compares the
// median time with the floor of a bare walk that opens and reads every note.
#include "library/Data.h"
#include "platform/MemoryPrefs.h"
#include "platform/ScriptedDialogs.h"

#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <vector>

using namespace partivo;

namespace {

constexpr int kRuns = 5;
constexpr int kSongsPerFolder = 100;

void writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        std::fprintf(stderr, "cannot write %s\n", qUtf8Printable(path));
        std::exit(1);
    }
    file.write(bytes);
}

// Half PDF stubs named "Title(Artist)tags", half ChordPro files that name themselves, each
// with a note; spread over folders of a hundred songs.
QStringList generateBinder(const QString& root, int songs)
{
    QStringList names;
    for (int i = 0; i < songs; ++i) {
        const QString folder = QStringLiteral("%1/Folder %2").arg(root).arg(i / kSongsPerFolder);
        if (i % kSongsPerFolder == 0)
            QDir().mkpath(folder);
        const bool pdf = i % 2 == 0;
        const QString base = pdf ? QStringLiteral("Song %1(Artist %2)live").arg(i).arg(i % 97)
                                 : QStringLiteral("Chart %1").arg(i);
        const QString song = folder + QLatin1Char('/') + base +
                             (pdf ? QStringLiteral(".pdf") : QStringLiteral(".chopro"));
        if (pdf) {
            writeFile(song, "%PDF-1.4\n%%EOF\n");
        } else {
            writeFile(song, QStringLiteral("{title:Chart %1}\n{st:Band %2}\n[C]la [G]la\n")
                                .arg(i)
                                .arg(i % 89)
                                .toUtf8());
        }
        const QByteArray note =
            QStringLiteral("First line of song %1\nTempo=%2\nTags=%3\n")
                .arg(i)
                .arg(60 + i % 120)
                .arg(i % 3 == 0 ? QStringLiteral("rock ballad") : QStringLiteral("jazz"))
                .toUtf8();
        writeFile(folder + QLatin1Char('/') + base + QStringLiteral(".txt"), note);
        names.append(base + (pdf ? QStringLiteral(".pdf") : QStringLiteral(".chopro")));
    }
    return names;
}

// Three setlists of 50 songs each and two collections.
void defineTabs(MemoryPrefs& prefs, const QStringList& names)
{
    for (int t = 1; t <= 3; ++t) {
        QString list;
        for (int i = 0; i < 50; ++i)
            list += names[(i * 37 + t * 101) % names.size()] + QLatin1Char('\n');
        prefs.setValue(QStringLiteral("0TabName%1").arg(t), QStringLiteral("Set %1").arg(t));
        prefs.setValue(QStringLiteral("0list%1").arg(t), list);
        prefs.setValue(QStringLiteral("0OptSel%1").arg(t), 3);
    }
    prefs.setValue(QStringLiteral("0TabName4"), QStringLiteral("Rock"));
    prefs.setValue(QStringLiteral("0list4"), QStringLiteral("rock\n"));
    prefs.setValue(QStringLiteral("0LookInto4"), 3);
    prefs.setValue(QStringLiteral("0TabSort4"), 1);
    prefs.setValue(QStringLiteral("0TabName5"), QStringLiteral("Charts"));
    prefs.setValue(QStringLiteral("0list5"), QStringLiteral("chart\nband\n"));
    prefs.setValue(QStringLiteral("0LookInto5"), 0);
    prefs.setValue(QStringLiteral("0TabSort5"), 2);
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

double timeLoad(const QString& root, MemoryPrefs& prefs, int expectedSongs, int& entries)
{
    ScriptedDialogs dialogs;
    Data data(prefs, dialogs);
    QElapsedTimer timer;
    timer.start();
    data.chargerTabsForDirNo(0, false);
    data.chargerFichiers(root, true);
    const double ms = double(timer.nsecsElapsed()) / 1e6;
    entries = int(data.listePiecesByTitle.size());
    if (int(data.listePiecesTEMP1.size()) < expectedSongs) {
        std::fprintf(stderr, "loader found %d entries, expected at least %d\n", entries,
                     expectedSongs);
        std::exit(1);
    }
    return ms;
}

double timeFloor(const QString& root, qint64& bytes)
{
    QElapsedTimer timer;
    timer.start();
    bytes = 0;
    QDirIterator it(root, QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        if (path.endsWith(QLatin1String(".txt"))) {
            QFile note(path);
            if (note.open(QIODevice::ReadOnly))
                bytes += note.readAll().size();
        }
    }
    return double(timer.nsecsElapsed()) / 1e6;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    std::printf("%8s %8s %14s %14s %7s\n", "songs", "entries", "load median ms", "floor median ms",
                "ratio");
    bool ok = true;
    // Sizes may be given on the command line, e.g. for profiling one size.
    QList<int> sizes = {1000, 10000};
    if (argc > 1) {
        sizes.clear();
        for (int i = 1; i < argc; ++i)
            sizes.append(QString::fromLocal8Bit(argv[i]).toInt());
    }
    for (int songs : sizes) {
        QTemporaryDir dir;
        const QStringList names = generateBinder(dir.path(), songs);
        MemoryPrefs prefs;
        defineTabs(prefs, names);
        std::vector<double> loads;
        std::vector<double> floors;
        int entries = 0;
        qint64 bytes = 0;
        timeLoad(dir.path(), prefs, songs, entries); // warm the file cache
        for (int run = 0; run < kRuns; ++run) {
            floors.push_back(timeFloor(dir.path(), bytes));
            loads.push_back(timeLoad(dir.path(), prefs, songs, entries));
        }
        const double load = median(loads);
        const double floor = median(floors);
        std::printf("%8d %8d %14.1f %14.1f %7.2f\n", songs, entries, load, floor, load / floor);
        if (songs == 10000 && (load > 3 * floor || load > 300.0))
            ok = false;
    }
    std::printf("target (10,000 songs: at most 3x the floor and under 300 ms): %s\n",
                ok ? "met" : "NOT met");
    return 0;
}
