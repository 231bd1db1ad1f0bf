#include "display/widgets/BinderSnapshot.h"
#include "QtPrinters.h"
#include "TestSongs.h"
#include "library/Data.h"
#include "platform/MemoryPrefs.h"
#include "platform/ScriptedDialogs.h"

#include <QFile>
#include <QPainter>
#include <QPdfWriter>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace partivo {
namespace {

// A binder of two songs: a three-page score (red, green, blue pages) and a chord sheet.
struct SnapshotRig {
    QTemporaryDir dir;
    MemoryPrefs prefs;
    ScriptedDialogs dialogs;
    Data data{prefs, dialogs};

    SnapshotRig()
    {
        writePdf(dir.filePath("A Score(Artist).pdf"), 3);
        QFile cho(dir.filePath("B Chords(Band).chopro"));
        EXPECT_TRUE(cho.open(QIODevice::WriteOnly));
        cho.write("{title: B Chords}\n[C]Hello [G]world\n");
        cho.close();
        data.resetNavigation();
        data.chargerBinder(0, dir.path(), true);
    }
};

enum class Colour { Red, Green, Blue, None };

QColor colourOf(Colour c)
{
    return c == Colour::None ? QColor() : kPageColors[int(c)];
}

TEST(BinderSnapshot, ShowsThePagesOfEachModeAsTheWindowDoes)
{
    struct Case {
        const char* name;
        int mode;
        QSize size;
        int page;
        int shownMode;
        Colour left;  // at the middle of the left (or only) half
        Colour right; // at the middle of the right half
        QString leftLabel;
    };
    const Case cases[] = {
        {"two pages", 0, {1280, 800}, 1, 0, Colour::Red, Colour::Green, "1/3"},
        {"even page rounds down", 0, {1280, 800}, 2, 0, Colour::Red, Colour::Green, "1/3"},
        {"single page keeps its mode in a wide window",
         2,
         {1280, 800},
         2,
         2,
         Colour::Green,
         Colour::None,
         "2/3"},
        {"slide at the end keeps two pages",
         5,
         {1280, 800},
         3,
         5,
         Colour::Green,
         Colour::Blue,
         "2/3"},
        {"alternate even page on the right",
         4,
         {1280, 800},
         2,
         4,
         Colour::Blue,
         Colour::Green,
         "3/3"},
        {"tall window drops to single page", 0, {700, 900}, 1, 2, Colour::Red, Colour::None, "1/3"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        SnapshotRig rig;
        SnapshotRequest request;
        request.mode = c.mode;
        request.size = c.size;
        request.pageNo = c.page;
        const Snapshot s = snapshotBinder(rig.data, request);
        ASSERT_EQ(s.image.size(), c.size);
        EXPECT_EQ(s.mode, c.shownMode);
        EXPECT_EQ(s.scene.left.label, c.leftLabel);
        const int y = c.size.height() / 2;
        const int leftX = c.right == Colour::None ? c.size.width() / 2 : c.size.width() / 4;
        EXPECT_TRUE(near(s.image.pixelColor(leftX, y), colourOf(c.left)))
            << s.image.pixelColor(leftX, y).name().toStdString();
        if (c.right != Colour::None) {
            const QColor right = s.image.pixelColor(c.size.width() * 3 / 4, y);
            EXPECT_TRUE(near(right, colourOf(c.right))) << right.name().toStdString();
        }
    }
}

TEST(BinderSnapshot, LastPageShowsTheNextSongDimmed)
{
    SnapshotRig rig;
    SnapshotRequest request;
    request.pageNo = 3;
    const Snapshot s = snapshotBinder(rig.data, request);
    EXPECT_TRUE(near(s.image.pixelColor(320, 400), kPageColors[2]));
    EXPECT_TRUE(s.scene.rightIsNextSong);
    EXPECT_TRUE(s.scene.right.chordPro);
    EXPECT_TRUE(s.scene.right.path.endsWith("B Chords(Band).chopro"));
    // The sheet's white paper shows through the inactive dimmer as grey.
    const QColor paper = s.image.pixelColor(960, 700);
    EXPECT_LT(paper.red(), 230);
    EXPECT_GT(paper.red(), 20);
    EXPECT_EQ(paper.red(), paper.blue());
}

TEST(BinderSnapshot, HalfPageZoomShowsTheUpperHalfOfThePage)
{
    SnapshotRig rig;
    SnapshotRequest request;
    request.mode = 1;
    request.size = QSize(1200, 800);
    const Snapshot s = snapshotBinder(rig.data, request);
    EXPECT_EQ(s.mode, 1);
    EXPECT_TRUE(s.scene.zoomTop);
    EXPECT_EQ(s.scene.left.label, "1/3");
    EXPECT_TRUE(near(s.image.pixelColor(600, 400), kPageColors[0]));
    // Fitted by width the page would be more than twice the view high and the halves would
    // miss its middle: it is made twice the view high and narrower, on the view's paper.
    EXPECT_TRUE(near(s.image.pixelColor(30, 400), Qt::white));
}

// Rows of the column tinted by the red of the marker line.
QList<int> redRows(const QImage& image, int x)
{
    QList<int> rows;
    for (int y = 0; y < image.height(); ++y) {
        const QColor c = image.pixelColor(x, y);
        if (c.red() > 200 && c.red() - c.green() > 60 && c.green() == c.blue())
            rows.append(y);
    }
    return rows;
}

TEST(BinderSnapshot, ZoomShowsEachHalfWithTheMarkersOfTheOptions)
{
    SnapshotRig rig;
    // White pages show the markers; the page is fitted by width, a little less than twice
    // the view high, so the halves share a band around the middle.
    QPdfWriter writer(rig.dir.filePath("A Score(Artist).pdf"));
    writer.setPageSize(QPageSize(QPageSize::A4));
    {
        QPainter painter(&writer);
        painter.fillRect(QRect(0, 0, writer.width(), writer.height()), Qt::white);
    }
    rig.prefs.setValue("OptWasSaved", true);
    rig.prefs.setValue("zoomOptHalfPageMarker", 0);
    rig.prefs.setValue("zoomOptRedLine", 1);
    SnapshotRequest request;
    request.mode = 1;
    request.size = QSize(1000, 800);
    const Snapshot s = snapshotBinder(rig.data, request);
    EXPECT_EQ(s.scene.markers, (ZoomMarkers{true, false, true}));
    const QList<int> line = redRows(s.image, 500);
    ASSERT_FALSE(line.isEmpty());
    EXPECT_GT(line.first(), 700); // the middle of the page, near the bottom of the upper half
    EXPECT_LE(line.size(), 4);
    const QColor band = s.image.pixelColor(500, 790);
    const QColor clear = s.image.pixelColor(500, 300);
    EXPECT_TRUE(near(clear, Qt::white));
    EXPECT_LT(band.red(), clear.red() - 15);

    rig.prefs.setValue("zoomOptHalfPageMarker", 2);
    rig.prefs.setValue("zoomOptRedLine", 0);
    const Snapshot plain = snapshotBinder(rig.data, request);
    EXPECT_EQ(plain.scene.markers, (ZoomMarkers{false, false, false}));
    EXPECT_TRUE(redRows(plain.image, 500).isEmpty());
    EXPECT_TRUE(near(plain.image.pixelColor(500, 790), Qt::white));
}

} // namespace
} // namespace partivo
