// Turns pages in a 1920x1080 binder window on the offscreen platform, two pages side by side
// (mode 0), and prints the median and 95th percentile of one turn (the new position and the
// frame painted):
//  - with the next pages rendered ahead, for a vector score, a scanned score and ChordPro
//    songs (target under 16 ms);
//  - to pages not rendered yet, against the floor of rendering the same two pages straight
//    from the PDF at the same size (target at most 1.3 times the floor);
// then the layout of a 100-line ChordPro song (target under 5 ms) and the peak resident
// memory while turning through a 500-page PDF (target under 300 MB).
// The songs are written into a temporary folder at start.
#include "ChordProLayoutTiming.h"
#include "ScorePdfs.h"
#include "display/DisplayWindows.h"
#include "display/InProcessPdfEngine.h"
#include "display/SongPages.h"
#include "display/widgets/BinderWindow.h"
#include "library/Pieces.h"
#include "library/PiecesDet.h"
#include "platform/ManualTimers.h"
#include "platform/NotificationCenter.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QPainter>
#include <QPdfDocument>
#include <QPdfWriter>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <vector>

using namespace partivo;
using bench::msSince;
using bench::verdict;

namespace {

constexpr int kWidth = 1920;
constexpr int kHeight = 1080;
constexpr int kVectorPages = 100;
constexpr int kScannedPages = 30;
constexpr int kMemoryPages = 500;
constexpr int kSongs = 36;

struct Stats {
    double medianMs = 0;
    double p95Ms = 0;
    int runs = 0;
};

Stats statsOf(const std::vector<double>& ms)
{
    Stats s;
    s.runs = int(ms.size());
    if (!ms.empty()) {
        s.medianMs = bench::percentile(ms, 0.5);
        s.p95Ms = bench::percentile(ms, 0.95);
    }
    return s;
}

// A ChordPro song of about `lines` lines: verses of chords over lyrics and a chorus.
QString writeChordPro(const QString& path, int number, int lines)
{
    static const char* const chords[] = {"C", "G", "Am", "F", "Dm7", "E7", "Bb", "D", "Bm"};
    QString text = QStringLiteral("{title: Song %1}\n{artist: The Band}\n").arg(number);
    for (int i = 2; i < lines; ++i) {
        if (i % 10 == 2)
            text += QStringLiteral("{c: Verse %1}\n").arg(i / 10 + 1);
        else if (i % 10 == 6)
            text += QStringLiteral("{soc}\n");
        else if (i % 10 == 9)
            text += QStringLiteral("{eoc}\n");
        else
            text += QStringLiteral("[%1]Hello [%2]world, [%3]again and [%4]again\n")
                        .arg(chords[i % 9], chords[(i + 3) % 9], chords[(i + 5) % 9],
                             chords[(i + number) % 9]);
    }
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.write(text.toUtf8());
    return path;
}

std::shared_ptr<Pieces> song(const QString& path)
{
    auto piece = std::make_shared<Pieces>();
    piece->pieceDet = std::make_shared<PiecesDet>();
    piece->pieceDet->fichier = path;
    return piece;
}

// A field of /proc/self/status in MB (VmRSS, VmHWM), or -1.
double statusMb(const char* field)
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    const QByteArray prefix = QByteArray(field) + ':';
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith(prefix))
            return line.mid(prefix.size()).trimmed().split(' ').value(0).toDouble() / 1024.0;
    return -1;
}

// Starts the peak resident size again from the current one (Linux 4.0 and later).
bool resetPeakMemory()
{
    QFile clear(QStringLiteral("/proc/self/clear_refs"));
    return clear.open(QIODevice::WriteOnly) && clear.write("5") == 1;
}

// A binder window shown offscreen at 1920x1080, set up as the application does.
struct Rig {
    ManualTimers timers;
    NotificationCenter center;
    DisplayWindows windows{center};
    SongPages pages;
    BinderWindow window{windows, center, timers, pages};

    Rig()
    {
        windows.append(&window.logic());
        window.resize(kWidth, kHeight);
        window.show();
        QCoreApplication::processEvents();
    }

    void show(const std::shared_ptr<Pieces>& piece, int page, const std::shared_ptr<Pieces>& next)
    {
        window.binder().setPDF(piece, page, true, false, 0, next, false);
    }

    // One timed turn: the new position, then the frame painted at once.
    double turn(const std::shared_ptr<Pieces>& piece, int page, const std::shared_ptr<Pieces>& next)
    {
        QElapsedTimer timer;
        timer.start();
        show(piece, page, next);
        window.repaint();
        return msSince(timer);
    }
};

struct Turn {
    std::shared_ptr<Pieces> piece;
    int page;
    std::shared_ptr<Pieces> next;
};

// The turns through a PDF from its first pages to its last, `passes` times.
std::vector<Turn> turnsThrough(const std::shared_ptr<Pieces>& piece, int pages,
                               const std::shared_ptr<Pieces>& next, int passes)
{
    std::vector<Turn> turns;
    for (int pass = 0; pass < passes; ++pass)
        for (int page = 1; page <= pages; page += 2)
            turns.push_back({piece, page, next});
    return turns;
}

struct WarmTiming {
    Stats turn;
    int cacheMisses = 0;     // turns whose frame had to render a PDF page
    double aheadPerTurn = 0; // PDF pages rendered ahead between two turns
};

// Turns with the pages rendered ahead before each turn, as the window does after a frame.
// A turn back to the start of a pass is not a turn forward and is not timed.
WarmTiming timeWarmTurns(Rig& rig, const std::vector<Turn>& turns)
{
    std::vector<double> ms;
    WarmTiming timing;
    int ahead = 0; // renders between a forward turn and the next turn
    bool lastForward = false;
    for (size_t i = 0; i < turns.size(); ++i) {
        const Turn& t = turns[i];
        const bool forward = i > 0 && (t.piece != turns[i - 1].piece || t.page > turns[i - 1].page);
        int renders = rig.window.cache().renders();
        rig.window.prefetchAhead();
        if (lastForward)
            ahead += rig.window.cache().renders() - renders;
        renders = rig.window.cache().renders();
        const double turnMs = rig.turn(t.piece, t.page, t.next);
        if (forward) {
            ms.push_back(turnMs);
            timing.cacheMisses += rig.window.cache().renders() != renders;
        }
        renders = rig.window.cache().renders();
        QCoreApplication::processEvents(); // the window starts rendering ahead after its frame
        if (forward)
            ahead += rig.window.cache().renders() - renders;
        lastForward = forward;
    }
    timing.turn = statsOf(ms);
    timing.aheadPerTurn = ms.empty() ? 0 : double(ahead) / double(ms.size());
    return timing;
}

struct ColdTiming {
    Stats turn;
    Stats bare;
    double rendersPerTurn = 0;
};

// The two pages of a turn rendered straight from the PDF at the size the window fits them
// into, as the floor of a turn to pages not rendered yet.
double timeBareRenders(QPdfDocument& pdf, int page, const QSize& view)
{
    QElapsedTimer timer;
    timer.start();
    for (int p = page; p <= page + 1 && p <= pdf.pageCount(); ++p) {
        const QImage image = pdf.render(p - 1, fittedPageSize(pdf.pagePointSize(p - 1), view));
        if (image.isNull())
            std::fprintf(stderr, "page %d did not render\n", p);
    }
    return msSince(timer);
}

// Turns with an empty cache before each, each followed by the bare renders of its pages
// from a document of its own. Events are not processed in between, so the renders ahead
// the window schedules after a frame never run.
ColdTiming timeColdTurns(Rig& rig, const std::vector<Turn>& turns, const QString& path)
{
    QPdfDocument pdf;
    pdf.load(path);
    std::vector<double> turnMs;
    std::vector<double> bareMs;
    int renders = 0;
    for (size_t i = 0; i < turns.size(); ++i) {
        const Turn& t = turns[i];
        rig.window.cache().clear();
        const int before = rig.window.cache().renders();
        const double ms = rig.turn(t.piece, t.page, t.next);
        if (i == 0)
            continue; // the song is opened: not a turn
        turnMs.push_back(ms);
        renders += rig.window.cache().renders() - before;
        bareMs.push_back(timeBareRenders(pdf, t.page, rig.window.layout().left.size().toSize()));
    }
    ColdTiming timing;
    timing.turn = statsOf(turnMs);
    timing.bare = statsOf(bareMs);
    timing.rendersPerTurn = turnMs.empty() ? 0 : double(renders) / double(turnMs.size());
    return timing;
}

void printWarm(const char* name, const WarmTiming& t)
{
    std::printf("page turn, next pages rendered ahead, %s: median %.2f ms, p95 %.2f ms over %d "
                "turns; %d turns rendered a page, %.1f pages rendered ahead a turn (target "
                "under 16 ms: %s)\n",
                name, t.turn.medianMs, t.turn.p95Ms, t.turn.runs, t.cacheMisses, t.aheadPerTurn,
                verdict(t.turn.medianMs < 16));
}

// ChordPro pages are not in the render cache: they are laid out when first shown and kept.
void printChordPro(const char* name, const Stats& s)
{
    std::printf("page turn, ChordPro songs, %s: median %.2f ms, p95 %.2f ms over %d turns "
                "(target under 16 ms: %s)\n",
                name, s.medianMs, s.p95Ms, s.runs, verdict(s.medianMs < 16));
}

void printCold(const char* name, const ColdTiming& t)
{
    const double ratio = t.bare.medianMs > 0 ? t.turn.medianMs / t.bare.medianMs : 0;
    std::printf("page turn, pages not rendered yet, %s: median %.2f ms, p95 %.2f ms over %d "
                "turns (%.1f renders a turn); bare render of the two pages: median %.2f ms, "
                "p95 %.2f ms; ratio %.2f (target at most 1.3: %s)\n",
                name, t.turn.medianMs, t.turn.p95Ms, t.turn.runs, t.rendersPerTurn, t.bare.medianMs,
                t.bare.p95Ms, ratio, verdict(ratio > 0 && ratio <= 1.3));
}

// Opens the 500-page PDF and turns through all of it, rendering ahead as the window does.
void measureMemory(const QString& path)
{
    Rig rig;
    const double before = statusMb("VmRSS");
    const bool reset = resetPeakMemory();
    const auto piece = song(path);
    int turns = 0;
    for (int page = 1; page <= kMemoryPages; page += 2, ++turns) {
        rig.show(piece, page, nullptr);
        rig.window.repaint();
        QCoreApplication::processEvents();
        rig.window.prefetchAhead(); // all the pages ahead, as after a pause between turns
    }
    const double peak = statusMb("VmHWM");
    std::printf("peak memory with a %d-page PDF open: %.1f MB resident at peak%s after %d "
                "turns, %.1f MB before opening it (target under 300 MB: %s)\n",
                kMemoryPages, peak, reset ? "" : " (peak of the whole run so far)", turns, before,
                verdict(peak >= 0 && peak < 300));
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);

    QTemporaryDir dir;
    QElapsedTimer generation;
    generation.start();
    const QString memoryPath =
        bench::writeVectorPdf(dir.filePath(QStringLiteral("Long.pdf")), kMemoryPages, 8, 16);
    const auto vector = song(
        bench::writeVectorPdf(dir.filePath(QStringLiteral("Score.pdf")), kVectorPages, 12, 48));
    const auto scanned =
        song(bench::writeScannedPdf(dir.filePath(QStringLiteral("Scan.pdf")), kScannedPages));
    std::vector<std::shared_ptr<Pieces>> songs;
    for (int i = 0; i < kSongs; ++i)
        songs.push_back(song(writeChordPro(dir.filePath(QStringLiteral("Song%1.chopro").arg(i)), i,
                                           i % 3 == 2 ? 40 : 100)));
    std::printf("inputs written in %.1f s: %d-page vector PDF (%lld KB), %d-page scanned PDF "
                "(%lld KB), %d ChordPro songs, %d-page PDF (%lld KB)\n",
                msSince(generation) / 1000, kVectorPages,
                QFileInfo(vector->pieceDet->fichier).size() / 1024, kScannedPages,
                QFileInfo(scanned->pieceDet->fichier).size() / 1024, kSongs, kMemoryPages,
                QFileInfo(memoryPath).size() / 1024);

    measureMemory(memoryPath);

    Rig rig;
    if (rig.window.settings().modeAffichage != ModeTwoPages) {
        std::fprintf(stderr, "the window is not in two-page mode\n");
        return 1;
    }
    // The songs after the scores: a PDF, so that its first pages are rendered ahead too.
    const auto nextScore = song(memoryPath);
    printWarm("vector PDF", timeWarmTurns(rig, turnsThrough(vector, kVectorPages, nextScore, 2)));
    printWarm("scanned PDF",
              timeWarmTurns(rig, turnsThrough(scanned, kScannedPages, nextScore, 4)));

    // The page counts come from pages of their own, so that the window lays out nothing
    // before the turns.
    SongPages counter;
    std::vector<Turn> songTurns;
    for (int i = 0; i < kSongs; ++i) {
        const QString& path = songs[size_t(i)]->pieceDet->fichier;
        const int pages = counter.pageCount(path, true, rig.window.settings(), nullptr);
        const auto next = songs[size_t((i + 1) % kSongs)];
        for (int page = 1; page <= pages; page += 2)
            songTurns.push_back({songs[size_t(i)], page, next});
    }
    printChordPro("pages shown for the first time", timeWarmTurns(rig, songTurns).turn);
    printChordPro("pages shown before", timeWarmTurns(rig, songTurns).turn);

    printCold("vector PDF", timeColdTurns(rig, turnsThrough(vector, kVectorPages, nextScore, 2),
                                          vector->pieceDet->fichier));
    printCold("scanned PDF", timeColdTurns(rig, turnsThrough(scanned, kScannedPages, nextScore, 3),
                                           scanned->pieceDet->fichier));

    const bench::LayoutTiming layout =
        bench::timeChordProLayout(bench::makeLayoutSong(100), chordpro::RenderMode::Page, 200);
    std::printf("layout of a 100-line ChordPro song: median %.3f ms, p95 %.3f ms over %d runs "
                "(%d pages; target under 5 ms: %s)\n",
                layout.medianMs, layout.p95Ms, layout.runs, layout.pages,
                verdict(layout.medianMs < 5));
    return 0;
}
