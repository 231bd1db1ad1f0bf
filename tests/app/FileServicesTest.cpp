#include "app/widgets/DesktopFileServices.h"

#include "QtPrinters.h"

#include <QDBusConnection>
#include <QDBusContext>
#include <QDBusError>
#include <QDir>
#include <QFile>
#include <QPageLayout>
#include <QPainter>
#include <QPdfDocument>
#include <QPdfWriter>
#include <QPrinter>
#include <QTemporaryDir>
#include <QUrl>
#include <gtest/gtest.h>

namespace partivo {
namespace {

// Launchers that record what would have reached the desktop.
struct RecordingLaunchers {
    bool answer = true;
    bool busAnswer = true;
    std::function<bool(QPrinter&)> printDialog = [](QPrinter&) { return false; };

    QList<QUrl> urls;
    QList<DBusCall> busCalls;
    QList<QStringList> processes; // the program, then its arguments
    QList<int> dialogPageCounts;

    DesktopLaunchers launchers()
    {
        return {
            .openUrl =
                [this](const QUrl& url) {
                    urls.append(url);
                    return answer;
                },
            .callSessionBus =
                [this](const DBusCall& call) {
                    busCalls.append(call);
                    return busAnswer;
                },
            .startDetached =
                [this](const QString& program, const QStringList& arguments) {
                    processes.append(QStringList{program} + arguments);
                    return answer;
                },
            .runPrintDialog =
                [this](QPrinter& printer, int pageCount) {
                    dialogPageCounts.append(pageCount);
                    return printDialog(printer);
                },
        };
    }

    bool nothingLaunched() const
    {
        return urls.isEmpty() && busCalls.isEmpty() && processes.isEmpty() &&
               dialogPageCounts.isEmpty();
    }
};

// The source pages: size in points, a red block near the corner, and where the block's
// centre lands, in points, when the page is fitted and centred on an A4 sheet (595 x 842).
struct SourcePage {
    QSizeF size;
    QRectF block;
    QPoint fittedCentre;
};
const QList<SourcePage> kSourcePages = {
    {{300, 400}, {10, 10, 30, 30}, {50, 74}},  // scale 1.983, 24 pt above and below
    {{842, 595}, {20, 20, 60, 60}, {35, 246}}, // landscape A4: scale 0.707, 211 pt above
    {{200, 100}, {10, 10, 20, 20}, {60, 332}}, // wide strip: scale 2.975, 272 pt above
};

bool isRed(QRgb pixel)
{
    return qAlpha(pixel) > 200 && qRed(pixel) > 200 && qGreen(pixel) < 60 && qBlue(pixel) < 60;
}

class FileServicesTest : public ::testing::Test {
protected:
    QString path(const QString& name) const { return dir_.filePath(name); }

    QString makeFile(const QString& name, const QByteArray& bytes = "x")
    {
        QDir(dir_.path()).mkpath(QFileInfo(path(name)).path());
        QFile file(path(name));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return path(name);
    }

    QString makeFolder(const QString& name)
    {
        QDir(dir_.path()).mkpath(name);
        return path(name);
    }

    // A PDF with the pages of kSourcePages.
    QString makeSourcePdf()
    {
        const QString file = path("source.pdf");
        QPdfWriter writer(file);
        writer.setResolution(72);
        QPainter painter;
        for (qsizetype i = 0; i < kSourcePages.size(); ++i) {
            writer.setPageLayout(QPageLayout(
                QPageSize(kSourcePages[i].size, QPageSize::Point, {}, QPageSize::ExactMatch),
                QPageLayout::Portrait, QMarginsF()));
            if (i == 0)
                painter.begin(&writer);
            else
                writer.newPage();
            painter.fillRect(kSourcePages[i].block, Qt::red);
        }
        painter.end();
        return file;
    }

    QTemporaryDir dir_;
    RecordingLaunchers recorder_;
    DesktopFileServices services_{recorder_.launchers()};
};

TEST_F(FileServicesTest, RevealAsksTheFileManagerAndFallsBackToTheParentFolder)
{
    const QString file = makeFile(QStringLiteral("with space/Été song.pdf"));
    const QString folder = makeFolder(QStringLiteral("sub folder"));
    const QString encodedDir = QString::fromUtf8(QUrl::toPercentEncoding(dir_.path(), "/"));
    struct Case {
        const char* name;
        QString path;
        bool busAnswers;
        bool opens;
        QString expectedUri;
        QList<QUrl> expectedOpened;
        bool expectedAnswer;
    };
    const QString fileUri = "file://" + encodedDir + "/with%20space/%C3%89t%C3%A9%20song.pdf";
    const QList<QUrl> fileParent = {QUrl::fromLocalFile(path("with space"))};
    const QList<Case> cases = {
        {"file, bus answers", file, true, true, fileUri, {}, true},
        {"file, bus fails", file, false, true, fileUri, fileParent, true},
        {"file, bus and folder fail", file, false, false, fileUri, fileParent, false},
        {"folder, bus fails",
         folder,
         false,
         true,
         "file://" + encodedDir + "/sub%20folder",
         {QUrl::fromLocalFile(dir_.path())},
         true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        RecordingLaunchers recorder;
        recorder.busAnswer = c.busAnswers;
        recorder.answer = c.opens;
        EXPECT_EQ(DesktopFileServices(recorder.launchers()).revealInFileManager(c.path),
                  c.expectedAnswer);
        ASSERT_EQ(recorder.busCalls.size(), 1);
        const DBusCall& call = recorder.busCalls[0];
        EXPECT_EQ(call.service, "org.freedesktop.FileManager1");
        EXPECT_EQ(call.path, "/org/freedesktop/FileManager1");
        EXPECT_EQ(call.interface, "org.freedesktop.FileManager1");
        EXPECT_EQ(call.method, "ShowItems");
        ASSERT_EQ(call.arguments.size(), 2);
        // A string list and a string go over the bus as "as" and "s".
        EXPECT_EQ(call.arguments[0].metaType(), QMetaType::fromType<QStringList>());
        EXPECT_EQ(call.arguments[0].toStringList(), QStringList{c.expectedUri});
        EXPECT_EQ(call.arguments[1].metaType(), QMetaType::fromType<QString>());
        EXPECT_EQ(call.arguments[1].toString(), "");
        EXPECT_EQ(recorder.urls, c.expectedOpened);
    }
}

TEST_F(FileServicesTest, OpenHandsTheFileUrlToTheDesktopAndPassesItsAnswerOn)
{
    const QString folder = makeFolder(QStringLiteral("songs"));
    const QString song = makeFile(QStringLiteral("songs/a song.cho"));
    const QString pdf = makeFile(QStringLiteral("songs/score.pdf"));
    struct Case {
        const char* name;
        std::function<bool(FileServices&)> request;
        QString expectedPath;
    };
    const QList<Case> cases = {
        {"folder", [&](FileServices& s) { return s.openFolder(folder); }, folder},
        {"default app", [&](FileServices& s) { return s.openWithDefaultApp(song); }, song},
        {"PDF viewer", [&](FileServices& s) { return s.openInPdfViewer(pdf); }, pdf},
    };
    for (const Case& c : cases) {
        for (const bool answer : {true, false}) {
            SCOPED_TRACE(std::string(c.name) + (answer ? ", launched" : ", refused"));
            RecordingLaunchers recorder;
            recorder.answer = answer;
            DesktopFileServices services(recorder.launchers());
            EXPECT_EQ(c.request(services), answer);
            EXPECT_EQ(recorder.urls, QList<QUrl>{QUrl::fromLocalFile(c.expectedPath)});
            EXPECT_TRUE(recorder.busCalls.isEmpty() && recorder.processes.isEmpty());
        }
    }
}

TEST_F(FileServicesTest, MailStartsXdgEmailWithTheFileAttached)
{
    const QString song = makeFile(QStringLiteral("a song.pdf"));
    const QStringList expected = {QStringLiteral("xdg-email"), QStringLiteral("--attach"), song};
    for (const bool started : {true, false}) {
        SCOPED_TRACE(started ? "started" : "not started");
        RecordingLaunchers recorder;
        recorder.answer = started;
        EXPECT_EQ(DesktopFileServices(recorder.launchers()).mailFile(song), started);
        EXPECT_EQ(recorder.processes, QList<QStringList>{expected});
        EXPECT_TRUE(recorder.urls.isEmpty());
    }
}

TEST_F(FileServicesTest, MissingOrWrongKindOfPathLaunchesNothing)
{
    const QString missing = path(QStringLiteral("missing.pdf"));
    const QString folder = makeFolder(QStringLiteral("folder"));
    const QString file = makeFile(QStringLiteral("file.pdf"));
    struct Case {
        const char* name;
        std::function<bool(FileServices&)> request;
    };
    const QList<Case> cases = {
        {"reveal missing", [&](FileServices& s) { return s.revealInFileManager(missing); }},
        {"open missing folder", [&](FileServices& s) { return s.openFolder(missing); }},
        {"open a file as folder", [&](FileServices& s) { return s.openFolder(file); }},
        {"default app, missing", [&](FileServices& s) { return s.openWithDefaultApp(missing); }},
        {"default app, folder", [&](FileServices& s) { return s.openWithDefaultApp(folder); }},
        {"PDF viewer, missing", [&](FileServices& s) { return s.openInPdfViewer(missing); }},
        {"PDF viewer, folder", [&](FileServices& s) { return s.openInPdfViewer(folder); }},
        {"mail missing", [&](FileServices& s) { return s.mailFile(missing); }},
        {"mail a folder", [&](FileServices& s) { return s.mailFile(folder); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        RecordingLaunchers recorder;
        DesktopFileServices services(recorder.launchers());
        EXPECT_FALSE(c.request(services));
        EXPECT_TRUE(recorder.nothingLaunched());
    }
}

TEST_F(FileServicesTest, UnreadablePdfIsNotOfferedForPrinting)
{
    const QList<std::pair<const char*, QString>> cases = {
        {"missing", path(QStringLiteral("missing.pdf"))},
        {"empty", makeFile(QStringLiteral("empty.pdf"), "")},
        {"not a PDF", makeFile(QStringLiteral("song.pdf"), "{title: A song}\n")},
        {"damaged", makeFile(QStringLiteral("damaged.pdf"), "%PDF-1.4\n1 0 obj\n<< /Type /Cat")},
    };
    for (const auto& [name, file] : cases) {
        SCOPED_TRACE(name);
        EXPECT_FALSE(services_.printPdf(file));
        EXPECT_TRUE(recorder_.nothingLaunched());
    }
}

TEST_F(FileServicesTest, PrintsOnlyWhenTheDialogIsAccepted)
{
    const QString source = makeSourcePdf();
    for (const bool accepted : {true, false}) {
        SCOPED_TRACE(accepted ? "accepted" : "cancelled");
        const QString output = path(accepted ? "accepted.pdf" : "cancelled.pdf");
        recorder_.dialogPageCounts.clear();
        recorder_.printDialog = [&](QPrinter& printer) {
            // The dialog opens on a full-page printer without margins.
            EXPECT_TRUE(printer.fullPage());
            EXPECT_EQ(printer.pageLayout().margins(QPageLayout::Point), QMarginsF());
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(output);
            printer.setResolution(72);
            return accepted;
        };
        EXPECT_EQ(services_.printPdf(source), accepted);
        EXPECT_EQ(recorder_.dialogPageCounts, QList<int>{3});
        QPdfDocument printed;
        EXPECT_EQ(printed.load(output) == QPdfDocument::Error::None, accepted);
        EXPECT_EQ(printed.pageCount(), accepted ? 3 : 0);
    }
}

TEST_F(FileServicesTest, PrintsEachChosenPageFittedAndCentredOnItsOwnSheet)
{
    const QString source = makeSourcePdf();
    QPdfDocument document;
    ASSERT_EQ(document.load(source), QPdfDocument::Error::None);
    ASSERT_EQ(document.pageCount(), kSourcePages.size());
    for (int i = 0; i < document.pageCount(); ++i)
        ASSERT_EQ(document.pagePointSize(i), kSourcePages[i].size) << "source page " << i;

    struct Case {
        const char* name;
        int from; // 0: all pages
        int to;
        QList<int> expectedSourcePages;
    };
    const QList<Case> cases = {
        {"all pages", 0, 0, {0, 1, 2}},
        {"pages 2 to 3", 2, 3, {1, 2}},
        {"last page", 3, 3, {2}},
        {"range past the end", 5, 9, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const QString output = path(QString::fromLatin1(c.name) + ".pdf");
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(output);
        printer.setPageSize(QPageSize(QPageSize::A4));
        // Device pixels that are not points, and margins the printing must clear.
        printer.setResolution(150);
        printer.setPageMargins(QMarginsF(30, 40, 50, 60), QPageLayout::Point);
        if (c.from) {
            printer.setPrintRange(QPrinter::PageRange);
            printer.setFromTo(c.from, c.to);
        }
        EXPECT_EQ(printPdfPages(document, printer), !c.expectedSourcePages.isEmpty());

        QPdfDocument printed;
        printed.load(output);
        ASSERT_EQ(printed.pageCount(), c.expectedSourcePages.size());
        for (int page = 0; page < printed.pageCount(); ++page) {
            SCOPED_TRACE("printed page " + std::to_string(page));
            const SourcePage& expected = kSourcePages[c.expectedSourcePages[page]];
            EXPECT_EQ(printed.pagePointSize(page), QSizeF(595, 842));
            const QImage sheet = printed.render(page, QSize(595, 842));
            EXPECT_TRUE(isRed(sheet.pixel(expected.fittedCentre)));
            // The sheet's centre is on the fitted page, painted white, away from the block.
            EXPECT_EQ(sheet.pixel(297, 421), qRgb(255, 255, 255));
            // Where the block would be with the page printed unscaled from the corner.
            EXPECT_FALSE(isRed(sheet.pixel(expected.block.center().toPoint())));
        }
    }
}

// Stands in for the file manager on the session bus, in this process.
class FakeFileManager : public QObject, protected QDBusContext {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.FileManager1")

public:
    bool refuse = false;
    QList<QStringList> shown;

public slots:
    void ShowItems(const QStringList& uris, const QString& startupId)
    {
        if (refuse)
            sendErrorReply(QDBusError::Failed, QStringLiteral("refused"));
        else
            shown.append(uris + QStringList{startupId});
    }
};

TEST_F(FileServicesTest, RevealReachesAFileManagerOnTheSessionBus)
{
    const QString service = QStringLiteral("org.freedesktop.FileManager1");
    const QString object = QStringLiteral("/org/freedesktop/FileManager1");
    if (qEnvironmentVariableIsEmpty("DBUS_SESSION_BUS_ADDRESS"))
        GTEST_SKIP() << "no session bus";
    QDBusConnection bus = QDBusConnection::sessionBus();
    FakeFileManager fileManager;
    if (!bus.isConnected() || !bus.registerService(service))
        GTEST_SKIP() << "no session bus, or a file manager already runs on it";
    ASSERT_TRUE(bus.registerObject(object, &fileManager, QDBusConnection::ExportAllSlots));

    DesktopLaunchers launchers = desktopLaunchers();
    launchers.openUrl = recorder_.launchers().openUrl;
    DesktopFileServices services(launchers);
    const QString file = makeFile(QStringLiteral("song.pdf"));
    EXPECT_TRUE(services.revealInFileManager(file));
    fileManager.refuse = true;
    EXPECT_TRUE(services.revealInFileManager(file));

    bus.unregisterObject(object);
    bus.unregisterService(service);
    const QStringList expectedCall = {QUrl::fromLocalFile(file).toString(QUrl::FullyEncoded), ""};
    EXPECT_EQ(fileManager.shown, QList<QStringList>{expectedCall});
    EXPECT_EQ(recorder_.urls, QList<QUrl>{QUrl::fromLocalFile(dir_.path())});
}

} // namespace
} // namespace partivo

#include "FileServicesTest.moc"
