#include "ProgramRig.h"
#include "display/HostilePdf.h"
#include "display/WorkerPdfEngine.h"

#include <QCoreApplication>
#include <QFile>
#include <QStringEncoder>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace partivo;
using partivo::test::Program;

namespace {

constexpr char kCannotBeShown[] = "This PDF cannot be shown: ";

QByteArray latin1Name(const QDir& dir)
{
    return QFile::encodeName(dir.path()) + "/Caf\xe9.pdf";
}

// A binder of every kind of damaged and hostile file met so far, beside a good song.
void fillHostileBinder(const QDir& dir)
{
    writePdf(dir.filePath("A Good(Band).pdf"), 2);
    for (const HostilePdf& pdf : hostilePdfs())
        writeFile(dir.filePath(pdf.fileName), pdf.bytes);
    // Files that would be read for ever: a song and a note linked to /dev/zero, a FIFO.
    QFile::link("/dev/zero", dir.filePath("Zero.chopro"));
    QFile::link("/dev/zero", dir.filePath("A Good(Band).txt"));
    ::mkfifo(QFile::encodeName(dir.filePath("Pipe.cho")).constData(), 0600);
    // Text from elsewhere: UTF-16 with its mark, old Mac line ends, a Latin-1 file name.
    QStringEncoder utf16(QStringEncoder::Utf16LE, QStringEncoder::Flag::WriteBom);
    writeFile(dir.filePath("Wide.chopro"), utf16.encode(QStringLiteral("{title: Wide}\n[C]Hé\n")));
    writeFile(dir.filePath("Old Mac.chopro"), "{title: Old Mac}\r[G]one\r[D]two\r");
    // A note of extremes: a MIDI line that would keep the rest of itself as each message's
    // destination, a system exclusive message without its frame, 100000 window lines.
    QByteArray note = "Tempo=90\n" + QByteArray("1@").repeated(60000) + "\nSYSEX 01 02 03@SYNTH\n";
    for (int line = 0; line < 100000; ++line)
        note += "W" + QByteArray::number(line) + ":x\n";
    writeFile(dir.filePath("Old Mac.txt"), note);
    // A ChordPro file beyond what is read.
    writeFile(dir.filePath("Big.chopro"), "{title: Big}\n" + QByteArray(5 * 1024 * 1024, 'a'));
    const int fd = ::open(latin1Name(dir).constData(), O_WRONLY | O_CREAT, 0600);
    ASSERT_GE(fd, 0);
    ::close(fd);
}

TEST(HostileBinder, TheProgramStartsAndPlaysABinderOfDamagedAndHostileFiles)
{
    WorkerPdfEngine::setDefaultLimits(shortPdfWorkerLimits());
    {
        Program app(Program::Folder{fillHostileBinder});
        // What could not be read is said once, at start.
        const QString said = app.dialogs.texts().join('\n');
        for (const char* name :
             {"Pipe.cho", "Zero.chopro", "A Good(Band).txt", "not valid UTF-8: Caf"})
            EXPECT_TRUE(said.contains(name)) << name << " in " << qPrintable(said);
        EXPECT_TRUE(said.contains("not valid UTF-8")) << qPrintable(said);

        // Played through twice: the first time finds the broken files, the second shows
        // each one's message at once.
        const int songs = app.controller.data().songNbrG();
        ASSERT_EQ(songs, 8);
        QMap<QString, QString> shown;
        for (int round = 0; round < 2; ++round) {
            app.press(Qt::Key_Left, Qt::ControlModifier); // the first song, its list shown
            ASSERT_TRUE(app.controller.navigator().tocON);
            app.press(Qt::Key_Right); // closes the list on the same song
            ASSERT_FALSE(app.controller.navigator().tocON);
            for (int song = 1; song <= songs; ++song) {
                ASSERT_EQ(app.controller.data().songNoG(), song);
                EXPECT_FALSE(app.window().grabScene().isNull());
                QCoreApplication::processEvents(); // pages rendered ahead come in
                const BinderScene& scene = app.window().binder().scene();
                shown[app.title()] = scene.left.message.isEmpty()
                                         ? QStringLiteral("page %1").arg(scene.left.page)
                                         : scene.left.message;
                app.press(Qt::Key_Right);
            }
        }
        EXPECT_EQ(shown.value("A Good"), "page 1");
        EXPECT_EQ(shown.value("Wide"), "page 1");
        EXPECT_EQ(shown.value("Old Mac"), "page 1");
        EXPECT_TRUE(shown.value("Big").contains("may have at most 4.0 MB"))
            << qPrintable(shown.value("Big"));
        for (const char* hostile : {"Self", "Mutual", "Deep", "Form"})
            EXPECT_TRUE(shown.value(hostile).startsWith(kCannotBeShown))
                << hostile << ": " << qPrintable(shown.value(hostile));
        ::unlink(latin1Name(QDir(app.folder.path())).constData()); // a name Qt cannot remove
    }
    WorkerPdfEngine::setDefaultLimits(PdfWorkerLimits{});
}

} // namespace
