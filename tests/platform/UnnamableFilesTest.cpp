#include "platform/UnnamableFiles.h"

#include "QtPrinters.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace partivo;

namespace {

// Makes a file (or folder) whose name is raw bytes, as an old disk may hold them.
void makeRaw(const QByteArray& path, bool folder)
{
    if (folder) {
        ASSERT_EQ(::mkdir(path.constData(), 0700), 0) << path.constData();
        return;
    }
    const int fd = ::open(path.constData(), O_CREAT | O_WRONLY, 0600);
    ASSERT_GE(fd, 0) << path.constData();
    ::close(fd);
}

TEST(UnnamableFiles, NamesThatAreNotUtf8AreFoundAndNamed)
{
    QTemporaryDir dir;
    const QByteArray root = QFile::encodeName(dir.path());
    makeRaw(root + "/Caf\xe9.pdf", false);       // Latin-1, wanted
    makeRaw(root + "/Caf\xe9.png", false);       // Latin-1, not wanted
    makeRaw(root + "/Fine \xc3\xa9.pdf", false); // UTF-8: Qt names it
    makeRaw(root + "/Vi\xe9ux", true);           // a folder: all below is out of reach
    makeRaw(root + "/Vi\xe9ux/Inner.pdf", false);
    makeRaw(root + "/Ok", true);
    makeRaw(root + "/Ok/\xff.cho", false);
    ASSERT_EQ(::symlink(root.constData(), (root + "/Ok/loop").constData()), 0);

    const QStringList found =
        unnamableEntries(dir.path(), [](const QByteArray& name) { return !name.endsWith(".png"); });
    EXPECT_EQ(found, (QStringList{QString::fromUtf8("Caf\xef\xbf\xbd.pdf"),
                                  QString::fromUtf8("Ok/\xef\xbf\xbd.cho"),
                                  QString::fromUtf8("Vi\xef\xbf\xbdux/")}));
    EXPECT_TRUE(unnamableEntries(dir.filePath("missing"), [](const QByteArray&) {
                    return true;
                }).isEmpty());
}

} // namespace
