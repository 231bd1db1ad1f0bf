// The song list panel of a 1920x1080 binder window on the offscreen platform, over a tab of
// 2000 songs: prints the median and 95th percentile of one list page turn (the page filled
// from the library and the frame painted; target under 16 ms, one frame) and of opening the
// panel on the current song's page (target under 16 ms), and of one filter step over the
// whole binder (target under 16 ms).
#include "ChordProLayoutTiming.h"
#include "display/DisplayWindows.h"
#include "display/SongListBroadcast.h"
#include "display/SongPages.h"
#include "display/widgets/BinderWindow.h"
#include "library/Data.h"
#include "library/SongFilter.h"
#include "library/TocList.h"
#include "platform/ManualTimers.h"
#include "platform/MemoryPrefs.h"
#include "platform/NotificationCenter.h"
#include "platform/ScriptedDialogs.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <cstdio>
#include <vector>

using namespace partivo;
using bench::msSince;
using bench::verdict;

namespace {

constexpr int kSongs = 2000;
constexpr int kTurns = 200;
constexpr double kFrameMs = 16;

void writeSongs(const QString& folder)
{
    for (int i = 0; i < kSongs; ++i) {
        QFile file(QDir(folder).filePath(QStringLiteral("Song %1(Artist %2)rock.chopro")
                                             .arg(i, 4, 10, QLatin1Char('0'))
                                             .arg(i % 50)));
        if (file.open(QIODevice::WriteOnly))
            file.write("[C]la la\n");
    }
}

void report(const char* what, std::vector<double> ms)
{
    const double median = bench::percentile(ms, 0.5);
    const double p95 = bench::percentile(ms, 0.95);
    std::printf("%-34s median %6.2f ms  p95 %6.2f ms  (%zu runs)  %s\n", what, median, p95,
                ms.size(), verdict(p95 < kFrameMs));
}

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTemporaryDir dir;
    writeSongs(dir.path());
    MemoryPrefs prefs;
    ScriptedDialogs dialogs;
    Data data(prefs, dialogs);
    data.chargerTabsForDirNo(0, true);
    if (!data.chargerFichiers(dir.path(), true)) {
        std::fprintf(stderr, "no songs loaded\n");
        return 1;
    }
    data.setSongNoG(kSongs / 2);

    ManualTimers timers;
    NotificationCenter center;
    DisplayWindows windows(center);
    SongPages pages;
    BinderWindow window(windows, center, timers, pages);
    windows.append(&window.logic());
    window.resize(1920, 1080);
    window.show();
    QCoreApplication::processEvents();
    showTabNames(windows, data);

    TocList toc;
    std::vector<double> open;
    for (int i = 0; i < 50; ++i) {
        QElapsedTimer timer;
        timer.start();
        toc.noPageToc = 0;
        fillToc(windows, data, toc);
        windows.afficherTocX(true, data.nbTocG, false);
        window.repaint();
        open.push_back(msSince(timer));
        windows.afficherTocX(false, data.nbTocG, false);
    }
    windows.afficherTocX(true, data.nbTocG, false);
    std::vector<double> turns;
    for (int i = 0; i < kTurns; ++i) {
        QElapsedTimer timer;
        timer.start();
        toc.turnPage(true);
        fillToc(windows, data, toc);
        window.repaint();
        turns.push_back(msSince(timer));
    }
    // The filter stepped through its items (tags, played, tempo, artist): the result list
    // built over every song, its first page filled and painted.
    data.tags = {QStringLiteral("rock"), QStringLiteral("Pop"), QStringLiteral("Jazz")};
    std::vector<double> filters;
    for (int i = 0; i < 60; ++i) {
        QElapsedTimer timer;
        timer.start();
        toc.noPageToc = prevNextFilterNoG(data, 1, kFilterOn, FilterStep, false);
        fillToc(windows, data, toc);
        windows.afficherTocX(true, data.nbTocG, data.filterType != 0);
        window.repaint();
        filters.push_back(msSince(timer));
    }
    std::printf("list panel, %d songs, %d list pages, 1920x1080\n", kSongs, toc.nbrPagesToc);
    report("open on the current song's page", open);
    report("list page turn", turns);
    report("filter step (built, shown)", filters);
    return 0;
}
