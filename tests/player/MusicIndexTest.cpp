#include "player/MusicIndex.h"
#include "platform/AudioTags.h"
#include "player/MusicLibrary.h"
#include "player/TestAudio.h"

#include "QtPrinters.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QObject>
#include <QTemporaryDir>
#include <QThread>
#include <QtEndian>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>
#include <vector>

using namespace partivo;

namespace {

using test::wavFile;

void writeFile(const QString& path, const QByteArray& bytes)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << path.toStdString();
    ASSERT_EQ(file.write(bytes), bytes.size());
}

QStringList pathsOf(const TrackList& tracks)
{
    QStringList paths;
    for (const Track& track : tracks)
        paths.append(track.path);
    return paths;
}

const Track* trackAt(const TrackList& tracks, const QString& path)
{
    for (const Track& track : tracks) {
        if (track.path == path)
            return &track;
    }
    return nullptr;
}

// A music folder of three tracks (one in a subfolder) and a text file.
class MusicFolder : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        root = dir.filePath(QStringLiteral("music"));
        cache = dir.filePath(QStringLiteral("music-index.json"));
        writeFile(path("a.wav"), wavFile(0.5, {{"INAM", "Alpha"}}));
        writeFile(path("b.wav"), wavFile(0.25, {{"INAM", "Beta"}, {"IART", "Band"}}));
        writeFile(path("sub/c.wav"), wavFile(0.125, {}));
        writeFile(path("notes.txt"), "not audio");
    }
    QString path(const char* relative) const
    {
        return root + QLatin1Char('/') + QString::fromUtf8(relative);
    }
    // Moves the file's modification time on, as an editor saving it would.
    void touch(const char* relative)
    {
        QFile file(path(relative));
        ASSERT_TRUE(file.open(QIODevice::ReadWrite));
        const QDateTime later = file.fileTime(QFileDevice::FileModificationTime).addSecs(60);
        ASSERT_TRUE(file.setFileTime(later, QFileDevice::FileModificationTime));
    }

    QTemporaryDir dir;
    QString root;
    QString cache;
};

} // namespace

TEST(AudioTags, TagsTheFileNameAndTheDurationFraction)
{
    QTemporaryDir dir;
    const struct {
        const char* name;
        const char* file;
        QByteArray bytes;
        const char* title;
        const char* artist;
        const char* comment;
        const char* genre;
        const char* trackName;
        double duration;
    } cases[] = {
        {"every tag and a half second", "tagged.wav",
         wavFile(59.5, {{"INAM", "Harbour Lights"},
                        {"IART", "Test Band"},
                        {"ICMT", "for the binder"},
                        {"IGNR", "Backing Track"}}),
         "Harbour Lights", "Test Band", "for the binder", "Backing Track", "Harbour Lights", 59.5},
        {"no tags: the file name without its last extension", "My.Song.WAV", wavFile(1, {}), "", "",
         "", "", "My.Song", 1},
        {"UTF-8 text", "utf8.wav", wavFile(0.25, {{"INAM", "Caf\xc3\xa9 Cr\xc3\xa8me"}}),
         "Café Crème", "", "", "", "Café Crème", 0.25},
        {"Windows-1252 text", "latin.wav", wavFile(0.1, {{"IART", "Caf\xe9"}}), "", "Café", "", "",
         "latin", 0.1},
        {"blank title: the file name", "blank.wav", wavFile(0.1, {{"INAM", "   "}}), "", "", "", "",
         "blank", 0.1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const QString path = dir.filePath(QString::fromUtf8(c.file));
        writeFile(path, c.bytes);
        const std::optional<AudioTagInfo> tags = readAudioTags(path);
        ASSERT_TRUE(tags);
        EXPECT_EQ(tags->title, QString::fromUtf8(c.title));
        EXPECT_EQ(tags->artist, QString::fromUtf8(c.artist));
        EXPECT_EQ(tags->comment, QString::fromUtf8(c.comment));
        EXPECT_EQ(tags->genre, QString::fromUtf8(c.genre));
        EXPECT_DOUBLE_EQ(tags->duration, c.duration);

        const MusicIndexResult index = indexMusicFolder(dir.path());
        const Track* track = trackAt(index.tracks, path);
        ASSERT_TRUE(track);
        EXPECT_EQ(track->name, QString::fromUtf8(c.trackName));
        EXPECT_DOUBLE_EQ(track->duration, c.duration);
        QFile::remove(path);
    }
}

TEST(AudioTags, WhatIsNotAudioIsNoTrack)
{
    QTemporaryDir dir;
    const QString fake = dir.filePath(QStringLiteral("fake.mp3"));
    writeFile(fake, QByteArray("not audio at all\n").repeated(50));
    const QString truncated = dir.filePath(QStringLiteral("truncated.wav"));
    writeFile(truncated, wavFile(1, {}).left(20));
    const QString fifo = dir.filePath(QStringLiteral("pipe.wav"));
    ASSERT_EQ(mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    for (const QString& path :
         {fake, truncated, fifo, dir.filePath(QStringLiteral("none.wav")), dir.path()}) {
        SCOPED_TRACE(path.toStdString());
        QString why;
        EXPECT_FALSE(readAudioTags(path, &why)); // the FIFO must not block
        EXPECT_TRUE(why.contains(QFileInfo(path).fileName())) << why.toStdString();
    }
}

TEST(MusicIndex, TheAudioExtensionsInAnyCase)
{
    const struct {
        const char* name;
        bool audio;
    } cases[] = {
        {"a.mp3", true},      {"a.M4A", true},  {"a.aac", true},   {"a.Ogg", true},
        {"a.oga", true},      {"a.opus", true}, {"a.FLAC", true},  {"a.wav", true},
        {"a.aif", true},      {"a.AIFF", true}, {"a.wma", true},   {"a.b.mp3", true},
        {"a.mp4", false},     {"a.txt", false}, {"mp3", false},    {".mp3", false},
        {"a.mp3.txt", false}, {"a.", false},    {"a.wavx", false}, {"", false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(isAudioFileName(QString::fromUtf8(c.name)), c.audio) << c.name;
}

TEST(MusicIndex, PersistentIdsAreTheSha1OfThePath)
{
    // Values of SHA-1 computed apart from the program: the IDs must not change between runs
    // or versions.
    EXPECT_EQ(trackIdForPath(QStringLiteral("/music/Song.wav")), 0x5b8524f67e698d7eULL);
    EXPECT_EQ(trackIdForPath(QStringLiteral("/music/Café.mp3")), 0x67a6e30a850d006cULL);
    EXPECT_NE(trackIdForPath(QStringLiteral("/music/Song.wav")),
              trackIdForPath(QStringLiteral("/music/song.wav")));
}

TEST_F(MusicFolder, TracksInPathOrderWithTheirIds)
{
    const MusicIndexResult index = indexMusicFolder(root);
    EXPECT_EQ(index.folder, root);
    EXPECT_TRUE(index.available());
    EXPECT_EQ(index.problem, QString());
    EXPECT_EQ(pathsOf(index.tracks),
              QStringList({path("a.wav"), path("b.wav"), path("sub/c.wav")}));
    QStringList names;
    for (const Track& track : index.tracks) {
        names.append(track.name);
        EXPECT_EQ(track.persistentId, trackIdForPath(track.path));
    }
    EXPECT_EQ(names, QStringList({"Alpha", "Beta", "c"}));
    EXPECT_NE(index.tracks[0].persistentId, index.tracks[1].persistentId);
    // A relative folder name gives the same absolute paths.
    const QString previous = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(dir.path()));
    const MusicIndexResult relative = indexMusicFolder(QStringLiteral("./music/"));
    QDir::setCurrent(previous);
    EXPECT_EQ(pathsOf(relative.tracks), pathsOf(index.tracks));
}

TEST_F(MusicFolder, LinksFifosAndUnreadableFoldersAreSkippedWithoutHanging)
{
    const auto link = [](const QString& target, const QString& at) {
        ASSERT_EQ(symlink(QFile::encodeName(target).constData(), QFile::encodeName(at).constData()),
                  0);
    };
    link(root, path("sub/loop"));                 // back to the top: a loop
    link(path("sub"), path("again"));             // the subfolder a second time
    link(path("a.wav"), path("link to a.wav"));   // a link to a file is a track
    link(path("gone.wav"), path("dangling.wav")); // a link to nothing is not
    ASSERT_EQ(mkfifo(QFile::encodeName(path("pipe.wav")).constData(), 0600), 0);
    writeFile(path("locked/d.wav"), wavFile(0.1, {}));
    ASSERT_EQ(chmod(QFile::encodeName(path("locked")).constData(), 0), 0);
    writeFile(path(".hidden.wav"), wavFile(0.1, {}));

    const MusicIndexResult index = indexMusicFolder(root);
    chmod(QFile::encodeName(path("locked")).constData(), 0700); // so that it can be removed
    QStringList expected = {path("a.wav"), path("b.wav"), path("link to a.wav"), path("sub/c.wav")};
    if (geteuid() == 0) // permissions do not stop the superuser
        expected.insert(3, path("locked/d.wav"));
    // The subfolder is walked once, under its own name rather than the link's.
    EXPECT_EQ(pathsOf(index.tracks), expected);
}

TEST_F(MusicFolder, NotAvailableFolders)
{
    writeFile(dir.filePath(QStringLiteral("silent/readme.txt")), "no audio");
    writeFile(dir.filePath(QStringLiteral("silent/fake.mp3")), "no audio either");
    const struct {
        const char* name;
        QString folder;
        const char* problem;
    } cases[] = {
        {"no folder", QString(), "no music folder is set"},
        {"missing", dir.filePath(QStringLiteral("missing")), "does not exist"},
        {"a file", path("a.wav"), "is not a folder"},
        {"no audio file", dir.filePath(QStringLiteral("silent")), "holds no audio file"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const MusicIndexResult index = indexMusicFolder(c.folder, cache);
        EXPECT_FALSE(index.available());
        EXPECT_TRUE(index.problem.contains(QString::fromUtf8(c.problem)))
            << index.problem.toStdString();
    }
}

TEST_F(MusicFolder, TheCacheSparesTheFilesThatDidNotChange)
{
    writeFile(path("fake.mp3"), "not audio");
    const MusicIndexResult first = indexMusicFolder(root, cache);
    EXPECT_EQ(first.filesRead,
              QStringList({path("a.wav"), path("b.wav"), path("fake.mp3"), path("sub/c.wav")}));
    EXPECT_TRUE(first.cacheWritten);

    // Nothing changed: nothing is read (not even the file that is not audio), nothing written.
    const QDateTime written = QFileInfo(cache).lastModified();
    const MusicIndexResult second = indexMusicFolder(root, cache);
    EXPECT_EQ(second.filesRead, QStringList());
    EXPECT_FALSE(second.cacheWritten);
    EXPECT_EQ(QFileInfo(cache).lastModified(), written);
    EXPECT_EQ(pathsOf(second.tracks), pathsOf(first.tracks));
    ASSERT_EQ(second.tracks.size(), 3);
    EXPECT_EQ(second.tracks[1].name, QStringLiteral("Beta"));
    EXPECT_EQ(second.tracks[1].artist, QStringLiteral("Band"));
    EXPECT_DOUBLE_EQ(second.tracks[1].duration, 0.25);
    EXPECT_EQ(second.tracks[1].persistentId, first.tracks[1].persistentId);

    // A touched file, a file of another size, a new file and a removed one.
    touch("a.wav");
    writeFile(path("b.wav"), wavFile(0.5, {{"INAM", "Beta 2"}}));
    writeFile(path("sub/new.wav"), wavFile(0.1, {}));
    ASSERT_TRUE(QFile::remove(path("sub/c.wav")));
    const MusicIndexResult third = indexMusicFolder(root, cache);
    EXPECT_EQ(third.filesRead, QStringList({path("a.wav"), path("b.wav"), path("sub/new.wav")}));
    EXPECT_TRUE(third.cacheWritten);
    EXPECT_EQ(pathsOf(third.tracks),
              QStringList({path("a.wav"), path("b.wav"), path("sub/new.wav")}));
    EXPECT_EQ(third.tracks[1].name, QStringLiteral("Beta 2"));

    // Only a removal: nothing to read, but the cache must forget the file.
    ASSERT_TRUE(QFile::remove(path("sub/new.wav")));
    const MusicIndexResult fourth = indexMusicFolder(root, cache);
    EXPECT_EQ(fourth.filesRead, QStringList());
    EXPECT_TRUE(fourth.cacheWritten);
    const MusicIndexResult fifth = indexMusicFolder(root, cache);
    EXPECT_FALSE(fifth.cacheWritten);
    EXPECT_EQ(pathsOf(fifth.tracks), QStringList({path("a.wav"), path("b.wav")}));
}

TEST_F(MusicFolder, ADamagedOrForeignCacheIsIgnored)
{
    const MusicIndexResult reference = indexMusicFolder(root);
    const QStringList all = {path("a.wav"), path("b.wav"), path("sub/c.wav")};
    // A valid cache of this folder, to be damaged in the cases below.
    ASSERT_TRUE(indexMusicFolder(root, cache).cacheWritten);
    QFile file(cache);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray valid = file.readAll();
    file.close();
    QByteArray otherFolder = valid;
    otherFolder.replace(root.toUtf8(), dir.filePath(QStringLiteral("elsewhere")).toUtf8());
    QByteArray badEntry = valid;
    badEntry.replace("\"size\":", "\"size\":\"x\",\"was\":"); // every size a string
    const struct {
        const char* name;
        QByteArray bytes;
    } cases[] = {
        {"garbage", "\x00\xff not json"},
        {"cut short", valid.left(valid.size() / 2)},
        {"another folder", otherFolder},
        {"another format", QByteArray(valid).replace("partivo-music-index", "something-else")},
        {"a newer version", QByteArray(valid).replace("\"version\":1", "\"version\":2")},
        {"an array", "[1,2,3]"},
        {"entries of the wrong type", badEntry},
        {"files not an array",
         R"({"format":"partivo-music-index","version":1,"files":{},"folder":")" + root.toUtf8() +
             R"("})"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        QFile::remove(cache);
        writeFile(cache, c.bytes);
        const MusicIndexResult index = indexMusicFolder(root, cache);
        EXPECT_EQ(index.filesRead, all);
        EXPECT_EQ(pathsOf(index.tracks), pathsOf(reference.tracks));
        EXPECT_TRUE(index.cacheWritten); // replaced by a good one
        EXPECT_EQ(indexMusicFolder(root, cache).filesRead, QStringList());
    }

    // A FIFO in the cache's place is not read: it would block.
    QFile::remove(cache);
    ASSERT_EQ(mkfifo(QFile::encodeName(cache).constData(), 0600), 0);
    EXPECT_EQ(indexMusicFolder(root, cache).filesRead, all);
    QFile::remove(cache);
    // A cache that cannot be written does not stop the index.
    const MusicIndexResult unwritable =
        indexMusicFolder(root, dir.filePath(QStringLiteral("no/such/folder/cache.json")));
    EXPECT_FALSE(unwritable.cacheWritten);
    EXPECT_EQ(pathsOf(unwritable.tracks), pathsOf(reference.tracks));
}

TEST_F(MusicFolder, ACancelledIndexGivesNothingAndLeavesTheCache)
{
    std::atomic_bool cancel{true};
    const MusicIndexResult index = indexMusicFolder(root, cache, &cancel);
    EXPECT_TRUE(index.cancelled);
    EXPECT_TRUE(index.tracks.isEmpty());
    EXPECT_FALSE(QFile::exists(cache));
}

TEST_F(MusicFolder, TheLibraryHandsEachIndexOverOnceOnTheContextThread)
{
    QObject context;
    int ready = 0;
    MusicLibrary library(&context, cache, [&] {
        ++ready;
        EXPECT_EQ(QThread::currentThread(), context.thread());
    });
    EXPECT_FALSE(library.available());
    library.setFolder(root);
    EXPECT_TRUE(library.indexing());
    library.joinWorkers();
    EXPECT_EQ(ready, 0); // only through the event loop
    EXPECT_FALSE(library.available());
    QCoreApplication::sendPostedEvents();
    EXPECT_EQ(ready, 1);
    EXPECT_FALSE(library.indexing());
    EXPECT_TRUE(library.available());
    EXPECT_EQ(library.tracks().size(), 3);
    EXPECT_TRUE(QFile::exists(cache));
    QCoreApplication::sendPostedEvents();
    EXPECT_EQ(ready, 1);

    // The same folder again does nothing; reindex reads it again (from the cache).
    library.setFolder(root);
    EXPECT_FALSE(library.indexing());
    library.reindex();
    library.waitForIndex();
    EXPECT_EQ(ready, 2);
    EXPECT_EQ(library.lastIndex().filesRead, QStringList());
    QCoreApplication::sendPostedEvents(); // the queued hand-over of that index does nothing
    EXPECT_EQ(ready, 2);
}

TEST_F(MusicFolder, ANewFolderDropsTheIndexOfTheOldOne)
{
    const QString other = dir.filePath(QStringLiteral("other"));
    writeFile(other + QStringLiteral("/x.wav"), wavFile(0.1, {}));
    const QString missing = dir.filePath(QStringLiteral("missing"));
    for (bool throughEvents : {true, false}) {
        SCOPED_TRACE(throughEvents ? "through the event loop" : "waited for");
        QObject context;
        int ready = 0;
        MusicLibrary library(&context, QString(), [&] { ++ready; });
        library.setFolder(root);
        library.setFolder(other);
        if (throughEvents) {
            library.joinWorkers();
            QCoreApplication::sendPostedEvents();
        } else {
            library.waitForIndex();
        }
        EXPECT_EQ(ready, 1);
        EXPECT_EQ(pathsOf(library.tracks()), QStringList({other + QStringLiteral("/x.wav")}));
        QCoreApplication::sendPostedEvents();
        EXPECT_EQ(ready, 1);

        // A folder that went away: not available any more.
        library.setFolder(missing);
        library.waitForIndex();
        EXPECT_EQ(ready, 2);
        EXPECT_FALSE(library.available());
        EXPECT_TRUE(library.tracks().isEmpty());
        EXPECT_TRUE(library.lastIndex().problem.contains(QStringLiteral("does not exist")));
    }
}

TEST_F(MusicFolder, AHandOverAfterTheLibraryIsGoneDoesNothing)
{
    QObject context;
    int ready = 0;
    {
        MusicLibrary library(&context, QString(), [&] { ++ready; });
        library.setFolder(root);
        library.joinWorkers();
    } // the hand-over is still queued
    QCoreApplication::sendPostedEvents();
    EXPECT_EQ(ready, 0);
}
