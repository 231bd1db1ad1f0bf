#include "platform/AtomicFile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <unistd.h>

using partivo::writeFileAtomically;
using partivo::writeTextAtomically;

namespace {

QByteArray contents(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

TEST(AtomicFile, WritesAndReplacesFiles)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("song.txt");
    ASSERT_TRUE(writeFileAtomically(path, "old"));
    EXPECT_EQ(contents(path), "old");
    ASSERT_TRUE(writeTextAtomically(path, QString::fromUtf8("Straße €")));
    EXPECT_EQ(contents(path), "Stra\xC3\x9F"
                              "e \xE2\x82\xAC");
    ASSERT_TRUE(writeFileAtomically(path, QByteArray()));
    EXPECT_EQ(contents(path), "");
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList({"song.txt"}));
}

TEST(AtomicFile, FailsInAMissingFolder)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("missing/song.txt");
    EXPECT_FALSE(writeFileAtomically(path, "x"));
    EXPECT_FALSE(QFile::exists(path));
}

TEST(AtomicFile, KeepsTheOldFileWhenTheFolderIsReadOnly)
{
    if (geteuid() == 0)
        GTEST_SKIP() << "root ignores folder permissions";
    QTemporaryDir dir;
    const QString path = dir.filePath("song.txt");
    ASSERT_TRUE(writeFileAtomically(path, "old"));
    QFile::Permissions folder = QFile::permissions(dir.path());
    ASSERT_TRUE(QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::ExeOwner));
    const bool written = writeFileAtomically(path, "new");
    QFile::setPermissions(dir.path(), folder);
    EXPECT_FALSE(written);
    EXPECT_EQ(contents(path), "old");
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList({"song.txt"}));
}

} // namespace
