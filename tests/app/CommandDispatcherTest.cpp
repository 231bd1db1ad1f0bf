#include "app/CommandDispatcher.h"

#include "QtPrinters.h"

#include <QVariantMap>
#include <gtest/gtest.h>

namespace partivo {
namespace {

struct Rig {
    CommandDispatcher d;
    QStringList log;
    QStringList ran;
    Rig()
    {
        d.setLogSink([this](const QString& line) { log.append(line); });
    }
};

TEST(CommandDispatcher, RowsRunTheirHandlerAndTheRestIsLoggedOncePerName)
{
    Rig r;
    r.d.onKey(37, [&](int c) { r.ran << QStringLiteral("key %1").arg(c); });
    r.d.onKeys(61, 63, [&](int c) { r.ran << QStringLiteral("binder %1").arg(c - 61); });
    r.d.onAction(QStringLiteral("ActionMessage"),
                 [&](const QVariant& p) { r.ran << QStringLiteral("msg ") + paramText(p); });

    EXPECT_TRUE(r.d.dispatchKey(37));
    EXPECT_TRUE(r.d.dispatchKey(62));
    EXPECT_TRUE(
        r.d.dispatchAction(QStringLiteral("ActionMessage"), QVariantMap{{"param", "STAGE:Hi"}}));
    EXPECT_EQ(r.ran, (QStringList{"key 37", "binder 1", "msg STAGE:Hi"}));
    EXPECT_TRUE(r.log.isEmpty());

    EXPECT_FALSE(r.d.dispatchKey(999));
    EXPECT_FALSE(r.d.dispatchKey(999));
    EXPECT_FALSE(r.d.dispatchKey(64));
    EXPECT_FALSE(r.d.dispatchAction(QStringLiteral("ActionNobody"), QVariantMap{{"param", 7}}));
    EXPECT_FALSE(r.d.dispatchAction(QStringLiteral("ActionNobody"), QVariantMap{{"param", 8}}));
    EXPECT_EQ(r.log, (QStringList{
                         "Controller actionKeyReceived: no handler for key command 999",
                         "Controller actionKeyReceived: no handler for key command 64",
                         "Controller: no handler for the action ActionNobody (param \"7\")",
                     }));
}

TEST(CommandDispatcher, CommandsStillToComeSayThatOnce)
{
    Rig r;
    r.d.keyNotAvailable(77, QStringLiteral("the backing-track player"));
    r.d.actionNotAvailable(QStringLiteral("ActionGoToGenreNo"), QStringLiteral("genres"));
    EXPECT_TRUE(r.d.dispatchKey(77));
    EXPECT_TRUE(r.d.dispatchKey(77));
    EXPECT_TRUE(r.d.dispatchAction(QStringLiteral("ActionGoToGenreNo"), 3));
    EXPECT_TRUE(r.d.dispatchAction(QStringLiteral("ActionGoToGenreNo"), 4));
    EXPECT_EQ(r.log,
              (QStringList{"Controller actionKeyReceived: the backing-track player (key command "
                           "77) is not available yet",
                           "Controller ActionGoToGenreNo: genres is not available yet (param "
                           "\"3\")"}));
}

TEST(CommandDispatcher, ParametersReadAsTheCommandsReadThem)
{
    struct Case {
        QVariant param;
        int number;
        QString text;
    };
    const Case cases[] = {
        {QVariantMap{{"param", 12}}, 12, "12"},
        {QVariantMap{{"param", " 12abc"}}, 12, " 12abc"},
        {QVariantMap{{"param", "-3"}}, -3, "-3"},
        {QVariantMap{{"param", "+4"}}, 4, "+4"},
        {QVariantMap{{"param", "abc"}}, 0, "abc"},
        {QVariantMap{{"param", ""}}, 0, ""},
        {QVariantMap{}, 0, ""},
        {QVariant(5), 5, "5"},
        {QVariant(QStringLiteral("99999999999")), 2147483647, "99999999999"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text.toStdString());
        EXPECT_EQ(paramInt(c.param), c.number);
        EXPECT_EQ(paramText(c.param), c.text);
    }
}

} // namespace
} // namespace partivo
