#include "QtPrinters.h"
#include "TestSongs.h"
#include "display/BinderWindow.h"
#include "display/DisplayWindows.h"
#include "display/SongPages.h"
#include "library/Pieces.h"
#include "library/PiecesDet.h"
#include "platform/ManualTimers.h"
#include "platform/NotificationCenter.h"

#include <QFile>
#include <QPainter>
#include <QPdfWriter>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace partivo {
namespace {

struct Rig {
    QTemporaryDir dir;
    ManualTimers timers;
    NotificationCenter center;
    DisplayWindows windows{center};
    SongPages pages;
    BinderWindow window{windows, center, timers, pages};
    std::shared_ptr<Pieces> pdf;
    std::shared_ptr<Pieces> chordPro;

    Rig()
    {
        pdf = song(writePdf(dir.filePath("Score.pdf"), 3));
        QFile cho(dir.filePath("Chords.chopro"));
        EXPECT_TRUE(cho.open(QIODevice::WriteOnly));
        cho.write("{title: Chords}\n[C]Hello [G]world\n");
        cho.close();
        chordPro = song(dir.filePath("Chords.chopro"));
        windows.append(&window.logic());
        window.resize(1200, 800);
        window.show();
    }
    QColor at(const QRectF& r, const QImage& image) const
    {
        return image.pixelColor(r.center().toPoint());
    }
};

TEST(BinderWindowWidget, TwoPagesOfAScoreThenThePreviewOfTheNextSong)
{
    Rig rig;
    rig.window.binder().setPDF(rig.pdf, 1, true, false, 0, rig.chordPro, false);
    QImage image = rig.window.grabScene();
    EXPECT_TRUE(near(rig.at(rig.window.layout().left, image), kPageColors[0]));
    EXPECT_TRUE(near(rig.at(rig.window.layout().right, image), kPageColors[1]));
    EXPECT_EQ(rig.pdf->pieceDet->nbrPagesMax, 3);

    // The next turn's page is rendered ahead; showing it renders nothing new.
    rig.window.prefetchAhead();
    const int renders = rig.window.cache().renders();
    rig.window.binder().setPDF(rig.pdf, 3, true, false, 0, rig.chordPro, false);
    image = rig.window.grabScene();
    EXPECT_EQ(rig.window.cache().renders(), renders);
    EXPECT_TRUE(near(rig.at(rig.window.layout().left, image), kPageColors[2]));
    EXPECT_TRUE(rig.window.binder().scene().rightIsNextSong);
    EXPECT_TRUE(rig.window.binder().scene().right.chordPro);
}

TEST(BinderWindowWidget, DamagedScoreShowsItsMessageAndTheWindowGoesOn)
{
    Rig rig;
    QFile bad(rig.dir.filePath("Bad.pdf"));
    ASSERT_TRUE(bad.open(QIODevice::WriteOnly));
    bad.write("%PDF-1.4 broken");
    bad.close();
    rig.window.binder().setPDF(song(bad.fileName()), 1, true, false, 0, nullptr, false);
    EXPECT_EQ(rig.window.binder().scene().left.message,
              "The PDF file \"Bad.pdf\" is damaged and cannot be shown.");
    EXPECT_FALSE(rig.window.grabScene().isNull());
    rig.window.binder().setPDF(rig.pdf, 1, true, false, 0, nullptr, false);
    EXPECT_TRUE(rig.window.binder().scene().left.message.isEmpty());
}

TEST(BinderWindowWidget, ResizeDropsTheRenderedPages)
{
    Rig rig;
    rig.window.binder().setPDF(rig.pdf, 1, true, false, 0, nullptr, false);
    rig.window.grabScene();
    EXPECT_GT(rig.window.cache().size(), 0);
    rig.window.resize(700, 900); // taller than wide: single page
    EXPECT_EQ(rig.window.cache().size(), 0);
    EXPECT_EQ(rig.window.settings().modeAffichage, ModeSinglePage);
    const QImage image = rig.window.grabScene();
    EXPECT_TRUE(near(rig.at(rig.window.layout().left, image), kPageColors[0]));
}

} // namespace
} // namespace partivo
