#include "library/TagList.h"
#include "platform/MemoryPrefs.h"

#include "QtPrinters.h"

#include <gtest/gtest.h>

using namespace partivo;

TEST(TagList, TheFirstStartGetsSixTagsSavedAtOnce)
{
    MemoryPrefs prefs;
    const QStringList first{"⭐️", "Pop", "Rock", "Blues", "Funk", "Jazz"};
    EXPECT_EQ(chargerTags(prefs), first);
    EXPECT_EQ(prefs.stringValue(kTagListKey),
              QStringLiteral("⭐️\nPop\nRock\nBlues\nFunk\nJazz\n"));
}

TEST(TagList, StoredTagsComeBackWithoutEmptyOnes)
{
    MemoryPrefs prefs({{kTagListKey, QStringLiteral("Ballad\n\n  \nLive\n")}});
    EXPECT_EQ(chargerTags(prefs), (QStringList{"Ballad", "Live"}));
    sauvegarderTags(prefs, {"Ballad", "", "Slow"});
    EXPECT_EQ(prefs.stringValue(kTagListKey), QStringLiteral("Ballad\nSlow\n"));
    MemoryPrefs none({{kTagListKey, QString()}});
    EXPECT_TRUE(chargerTags(none).isEmpty()); // an emptied list stays empty
}
