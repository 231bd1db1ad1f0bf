#include "platform/MemoryPrefs.h"

#include <climits>
#include <gtest/gtest.h>

using partivo::MemoryPrefs;

namespace {

QString S(const char* text)
{
    return QString::fromUtf8(text);
}

// The stored value under "k"; an invalid QVariant means the key is absent.
MemoryPrefs prefsWith(const QVariant& stored)
{
    MemoryPrefs prefs;
    if (stored.isValid())
        prefs.setValue("k", stored);
    return prefs;
}

struct IntCase {
    QVariant stored;
    int expected;
};

TEST(PrefsTypedReaders, IntValue)
{
    const int def = -7;
    const IntCase cases[] = {
        // clang-format off
        {QVariant(), def},      {42, 42},               {qlonglong(50'000'000'000), INT_MAX},
        {true, 1},              {3.9, 3},               {-3.9, -3},
        {S("12a"), 12},         {S("  -5x"), -5},       {S("+8"), 8},
        {S("\t\n 9"), 9},       {S("1.9"), 1},          {S("0"), 0},
        {QByteArray("17"), 17}, {S("99999999999"), INT_MAX}, {S("-99999999999"), INT_MIN},
        {S("abc"), def},        {S(""), def},           {S("-"), def},
        {S("- 5"), def},
        // clang-format on
    };
    for (const IntCase& c : cases)
        EXPECT_EQ(prefsWith(c.stored).intValue("k", def), c.expected)
            << c.stored.toString().toStdString();
}

struct BoolCase {
    QVariant stored;
    bool defaultValue;
    bool expected;
};

TEST(PrefsTypedReaders, BoolValue)
{
    const BoolCase cases[] = {
        // clang-format off
        {QVariant(), true, true},  {QVariant(), false, false}, {true, false, true},
        {false, true, false},      {0, true, false},           {2, false, true},
        {-1, false, true},         {0.0, true, false},         {0.5, false, true},
        {S("true"), false, true},  {S("TRUE"), false, true},   {S(" yes "), false, true},
        {S("no"), true, false},    {S("False"), true, false},  {S("1"), false, true},
        {S("0"), true, false},     {S("2"), false, true},      {S("maybe"), true, true},
        {S("maybe"), false, false}, {S(""), true, true},
        // clang-format on
    };
    for (const BoolCase& c : cases) {
        EXPECT_EQ(prefsWith(c.stored).boolValue("k", c.defaultValue), c.expected)
            << c.stored.toString().toStdString() << " default " << c.defaultValue;
    }
}

struct DoubleCase {
    QVariant stored;
    double expected;
};

TEST(PrefsTypedReaders, DoubleValue)
{
    const double def = -1.5;
    const DoubleCase cases[] = {
        // clang-format off
        {QVariant(), def},      {2.25, 2.25},           {3, 3.0},            {true, 1.0},
        {S("0.5"), 0.5},        {S(" -2.5e1x"), -25.0}, {S("+1.5"), 1.5},    {S("7"), 7.0},
        {S("abc"), def},        {S("inf"), def},        {S("+-1"), def},
        // clang-format on
    };
    for (const DoubleCase& c : cases)
        EXPECT_DOUBLE_EQ(prefsWith(c.stored).doubleValue("k", def), c.expected)
            << c.stored.toString().toStdString();
}

TEST(PrefsTypedReaders, StringValue)
{
    EXPECT_EQ(prefsWith(QVariant()).stringValue("k", "fallback"), "fallback");
    EXPECT_EQ(prefsWith(5).stringValue("k", "fallback"), "5");
    EXPECT_EQ(prefsWith(QString("")).stringValue("k", "fallback"), "");
}

TEST(MemoryPrefs, KeepsTypesListsKeysAndCountsSyncs)
{
    MemoryPrefs prefs({{"b", 1}});
    prefs.setValue("a", QString("x"));
    prefs.setValue("c", true);
    prefs.remove("b");
    prefs.remove("missing");
    EXPECT_EQ(prefs.keys(), QStringList({"a", "c"}));
    EXPECT_FALSE(prefs.contains("b"));
    EXPECT_FALSE(prefs.value("b").isValid());
    EXPECT_EQ(prefs.value("c").typeId(), QMetaType::Bool);
    EXPECT_EQ(prefs.syncCount(), 0);
    prefs.sync();
    prefs.sync();
    EXPECT_EQ(prefs.syncCount(), 2);
}

} // namespace
