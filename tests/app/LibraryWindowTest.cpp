#include "app/LibraryWindow.h"
#include "QtPrinters.h"
#include "app/Controller.h"
#include "display/TestSongs.h"
#include "display/widgets/BinderWindow.h"
#include "library/KeyCommands.h"
#include "library/Pieces.h"
#include "library/PiecesDet.h"
#include "midi/Midi.h"
#include "platform/Commands.h"
#include "platform/LoopbackMidi.h"
#include "platform/ManualTimers.h"
#include "platform/MemoryPrefs.h"
#include "platform/NotificationCenter.h"
#include "platform/ScriptedDialogs.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QListWidget>
#include <QMenuBar>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace partivo;

namespace {

struct Fixture {
    MemoryPrefs prefs;
    ScriptedDialogs dialogs;
    ManualTimers timers;
    LoopbackMidi midiBackend{timers};
    Midi midi{prefs, timers, midiBackend};
    NotificationCenter center;
    Controller controller{prefs, dialogs, midi, center, timers};

    QListWidget* list() const { return controller.window()->findChild<QListWidget*>(); }
    QString menuTitle() const { return controller.window()->menuBar()->actions().first()->text(); }
};

} // namespace

TEST(LibraryWindow, FirstStartShowsTheHelpBinder)
{
    Fixture f;
    f.controller.awakeFromNib();
    ASSERT_NE(f.controller.window(), nullptr);
    EXPECT_EQ(f.menuTitle(), QStringLiteral("? ▹ Help Binder"));
    ASSERT_NE(f.list(), nullptr);
    EXPECT_EQ(f.list()->count(), f.controller.data().songNbrG());
    EXPECT_GE(f.list()->count(), 8);
    EXPECT_EQ(f.list()->currentRow(), 0);
    EXPECT_FALSE(f.dialogs.hadUnscriptedCall());
}

TEST(LibraryWindow, FollowsTheCurrentBinderAndSong)
{
    QTemporaryDir dir;
    for (const char* name : {"Alpha.pdf", "Beta.pdf", "Gamma.pdf"}) {
        QFile file(dir.filePath(QString::fromUtf8(name)));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }
    Fixture f;
    f.prefs.setValue(QStringLiteral("NbrExec"), 3);
    f.prefs.setValue(QStringLiteral("dirNo"), 1);
    f.prefs.setValue(QStringLiteral("dirIsanURL1"), true);
    f.prefs.setValue(QStringLiteral("url1"), dir.path());
    f.prefs.setValue(QStringLiteral("songNoBookMark1"), 2);
    f.controller.awakeFromNib();
    EXPECT_EQ(f.menuTitle(), QStringLiteral("2 ▹ %1").arg(QDir(dir.path()).dirName()));
    EXPECT_EQ(f.list()->count(), 3);
    EXPECT_EQ(f.list()->currentRow(), 1);

    // Picking a row makes it the current song.
    f.list()->setCurrentRow(2);
    EXPECT_EQ(f.controller.data().songNoG(), 3);

    f.controller.binders().actionToggleInfo();
    EXPECT_EQ(f.menuTitle(), QStringLiteral("? ▹ Help Binder"));
    EXPECT_GE(f.list()->count(), 8);
}

TEST(LibraryWindow, StartsTheMidiEngineAndWatchesTheSetUpOnceLaunched)
{
    Fixture f;
    f.prefs.setValue(QStringLiteral("OptWasSaved"), true);
    f.prefs.setValue(QStringLiteral("genOptMidiDelayVal"), 0.05);
    f.midiBackend.setSources({{7, QStringLiteral("keys"), true}});
    f.controller.awakeFromNib();
    EXPECT_TRUE(f.midi.midiOk);
    EXPECT_EQ(f.midi.MIDIdestinations.size(), 17);
    EXPECT_DOUBLE_EQ(f.midi.midiDelay(), 0.05);
    EXPECT_EQ(f.midi.MIDIendpoints, QList<qint32>{7});
    EXPECT_FALSE(f.midi.traiterMidiNotifications);

    f.controller.applicationDidFinishLaunching();
    f.midiBackend.setSources(
        {{7, QStringLiteral("keys"), true}, {9, QStringLiteral("pedal"), true}});
    f.timers.advance(1500);
    EXPECT_EQ(f.midi.MIDIendpoints, (QList<qint32>{7, 9}));

    f.controller.applicationWillTerminate();
    f.midiBackend.setSources({});
    f.timers.advance(3000);
    EXPECT_EQ(f.midi.MIDIendpoints, (QList<qint32>{7, 9})); // no polling after termination
}

TEST(LibraryWindow, StartFolderOpensAsBinderOneInTheBinderWindowAndKeysTurnSongs)
{
    QTemporaryDir dir;
    for (const char* name : {"Alpha.pdf", "Beta.pdf", "Gamma.chopro"}) {
        QFile file(dir.filePath(QString::fromUtf8(name)));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        if (QString::fromUtf8(name).endsWith(QLatin1String("chopro")))
            file.write("{title: Gamma}\n[C]La la\n");
    }
    Fixture f;
    f.controller.awakeFromNib(dir.path());
    EXPECT_EQ(f.menuTitle(), QStringLiteral("1 ▹ %1").arg(QDir(dir.path()).dirName()));
    BinderWindow* window = f.controller.binderWindow();
    ASSERT_NE(window, nullptr);
    const auto shownFile = [&] {
        const auto& piece = window->binder().shown().pieceCour;
        return piece ? QFileInfo(piece->getPath()).fileName() : QString();
    };
    EXPECT_EQ(shownFile(), "Alpha.pdf");
    EXPECT_DOUBLE_EQ(window->binder().inactiveDimmer(), 0.15); // the default option
    // An empty file is a damaged PDF: the window says so and goes on.
    EXPECT_FALSE(window->binder().scene().left.message.isEmpty());

    f.center.postParam(QLatin1String(action::Key), cmd::NextSong);
    f.center.postParam(QLatin1String(action::Key), cmd::NextSong);
    EXPECT_EQ(shownFile(), "Gamma.chopro");
    EXPECT_TRUE(window->binder().scene().left.chordPro);
    EXPECT_EQ(window->binder().scene().left.page, 1);
    f.center.postParam(QLatin1String(action::Key), 40); // first song
    EXPECT_EQ(shownFile(), "Alpha.pdf");
    EXPECT_EQ(f.controller.data().songNoG(), 1);
}

TEST(LibraryWindow, ZoomKeysEnterStepAndLeaveHalfPageZoom)
{
    QTemporaryDir dir;
    writePdf(dir.filePath("Score.pdf"), 3);
    Fixture f;
    f.controller.awakeFromNib(dir.path());
    BinderWindow* window = f.controller.binderWindow();
    ASSERT_NE(window, nullptr);
    const auto post = [&](int command) { f.center.postParam(QLatin1String(action::Key), command); };
    const auto position = [&] {
        const ShownSong& shown = window->binder().shown();
        return QStringLiteral("mode %1 page %2 %3")
            .arg(window->settings().modeAffichage)
            .arg(shown.pageNoCour)
            .arg(shown.zoomTop ? "top" : "bottom");
    };
    EXPECT_EQ(position(), "mode 0 page 1 top");
    post(cmd::EnterZoom);
    EXPECT_TRUE(f.controller.navigator().zoomON);
    EXPECT_EQ(position(), "mode 1 page 1 top");
    post(44); // page down: half a page at a time
    EXPECT_EQ(position(), "mode 1 page 1 bottom");
    post(44);
    EXPECT_EQ(position(), "mode 1 page 2 top");
    post(43);
    EXPECT_EQ(position(), "mode 1 page 1 bottom");
    post(44);
    post(44);
    post(44);
    post(44); // the last half of the last page stays
    EXPECT_EQ(position(), "mode 1 page 3 bottom");
    post(43);
    post(43); // page 2, upper half: leaving shows pages 1 and 2
    post(cmd::LeaveZoom);
    EXPECT_FALSE(f.controller.navigator().zoomON);
    EXPECT_EQ(position(), "mode 0 page 1 top");
    // Only this window was in zoom: it shows the pages around the global page, which stays.
    EXPECT_EQ(f.controller.navigator().pageNo1, 2);
    post(44);
    EXPECT_EQ(position(), "mode 0 page 3 top");
}
