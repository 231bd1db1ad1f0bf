#include "platform/QSettingsPrefs.h"

#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using partivo::QSettingsPrefs;

namespace {

class QSettingsPrefsTest : public ::testing::Test {
protected:
    QTemporaryDir dir;
    QString path() const { return dir.filePath("prefs.ini"); }
};

struct StringCase {
    const char* key;
    QString value;
};

// Keys QSettings would read as groups or normalise, and values the INI syntax must escape.
const StringCase kStrings[] = {
    {"0TabName1", "Encore"},
    {"tabs", "Songs\nSet list\r\nLast\n"},
    {"a/b", "slash"},
    {"a\\b", "backslash"},
    {"a%2Fb", "percent text"},
    {"/lead//x/", "slashes"},
    {" spaced key ", "s"},
    {"Ünïcødé", "ü"},
    {"comma", "a, b"},
    {"at", "@Variant(0)"},
    {"quoted", "\"q\" ; x = y"},
    {"padded", "  pad  "},
    {"empty", ""},
};

TEST_F(QSettingsPrefsTest, StringsAndAwkwardKeysRoundTripThroughTheFile)
{
    QStringList expectedKeys;
    {
        QSettingsPrefs prefs(path());
        for (const StringCase& c : kStrings) {
            prefs.setValue(c.key, c.value);
            expectedKeys.append(c.key);
        }
        for (const StringCase& c : kStrings)
            EXPECT_EQ(prefs.stringValue(c.key, "absent"), c.value) << c.key;
        prefs.sync();
        EXPECT_TRUE(prefs.ok());
    }
    expectedKeys.sort();
    QSettingsPrefs reopened(path());
    for (const StringCase& c : kStrings)
        EXPECT_EQ(reopened.stringValue(c.key, "absent"), c.value) << c.key;
    EXPECT_EQ(reopened.keys(), expectedKeys);
}

TEST_F(QSettingsPrefsTest, KeyWithSlashIsFlatNotAGroup)
{
    {
        QSettingsPrefs prefs(path());
        prefs.setValue("Set/List", 3);
        prefs.sync();
    }
    QSettings raw(path(), QSettings::IniFormat);
    EXPECT_TRUE(raw.childGroups().isEmpty());
    EXPECT_EQ(raw.childKeys().size(), 1);
    QSettingsPrefs reopened(path());
    EXPECT_FALSE(reopened.contains("Set"));
    EXPECT_FALSE(reopened.contains("List"));
    EXPECT_EQ(reopened.intValue("Set/List"), 3);
}

TEST_F(QSettingsPrefsTest, NumbersAndBooleansReadBackThroughTypedReaders)
{
    {
        QSettingsPrefs prefs(path());
        prefs.setValue("count", 42);
        prefs.setValue("negative", -3);
        prefs.setValue("flag", true);
        prefs.setValue("off", false);
        prefs.setValue("ratio", 0.25);
        prefs.sync();
    }
    QSettingsPrefs reopened(path());
    EXPECT_EQ(reopened.intValue("count"), 42);
    EXPECT_EQ(reopened.intValue("negative"), -3);
    EXPECT_TRUE(reopened.boolValue("flag"));
    EXPECT_FALSE(reopened.boolValue("off", true));
    EXPECT_DOUBLE_EQ(reopened.doubleValue("ratio"), 0.25);
    EXPECT_EQ(reopened.intValue("absent", 9), 9);
}

TEST_F(QSettingsPrefsTest, RemoveDeletesOneKeyAndEmptyKeyIsIgnored)
{
    {
        QSettingsPrefs prefs(path());
        prefs.setValue("keep", 1);
        prefs.setValue("a/gone", 2);
        prefs.sync();
        prefs.remove("a/gone");
        prefs.remove("");
        prefs.setValue("", 5);
        EXPECT_FALSE(prefs.contains("a/gone"));
        prefs.sync();
    }
    QSettingsPrefs reopened(path());
    EXPECT_EQ(reopened.keys(), QStringList({"keep"}));
    EXPECT_FALSE(reopened.contains(""));
}

TEST_F(QSettingsPrefsTest, DefaultConstructorUsesTheUserFile)
{
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, dir.path());
    {
        QSettingsPrefs prefs;
        EXPECT_EQ(prefs.fileName(), dir.filePath("Partivo/Partivo.ini"));
        prefs.setValue("x", 1);
        prefs.sync();
    }
    EXPECT_TRUE(QFile::exists(dir.filePath("Partivo/Partivo.ini")));
}

TEST_F(QSettingsPrefsTest, SyncIntoAnImpossiblePathIsReported)
{
    QFile blocker(dir.filePath("file"));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    QSettingsPrefs prefs(dir.filePath("file/prefs.ini"));
    prefs.setValue("x", 1);
    prefs.sync();
    EXPECT_FALSE(prefs.ok());
}

// Whether the settings can be kept is known before anything is lost: a file under a path
// that cannot hold one is not writable, a normal one is.
TEST_F(QSettingsPrefsTest, WritabilityIsKnownAtStart)
{
    QFile blocker(dir.filePath("file"));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    EXPECT_FALSE(QSettingsPrefs(dir.filePath("file/prefs.ini")).isWritable());
    EXPECT_FALSE(QSettingsPrefs(QStringLiteral("/proc/partivo-test/prefs.ini")).isWritable());
    QSettingsPrefs fine(dir.filePath("fine.ini"));
    EXPECT_TRUE(fine.isWritable());
    EXPECT_EQ(fine.location(), dir.filePath("fine.ini"));
}

} // namespace
