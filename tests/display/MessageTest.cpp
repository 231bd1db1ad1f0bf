#include "QtPrinters.h"
#include "display/MessageLine.h"
#include "display/MessageRouting.h"
#include "display/WindowSettings.h"
#include "platform/ManualTimers.h"

#include <gtest/gtest.h>
#include <memory>

namespace partivo {
namespace {

const QString kWarning = QStringLiteral("\u26A0\uFE0F ");

WindowSettings window(int winType, const QString& id, int defMsg)
{
    WindowSettings s = WindowSettings::forType(winType);
    s.iniMode(id.isEmpty() ? 0 : 1, id, {});
    s.defMsg = defMsg;
    return s;
}

struct RouteRow {
    int winType;
    const char* id;
    int defMsg;
    const char* sentTo;
    bool taken;
};

TEST(MessageRouting, WhichWindowsTakeAMessage)
{
    const RouteRow rows[] = {
        {WinTypeBinder, "", 0, "", true},          {WinTypeBinder, "Drum", 0, "", true},
        {WinTypeBinder, "Drum", 1, "", false},     {WinTypeBinder, "Drum", 1, "Drum", true},
        {WinTypeBinder, "Drum", 0, "drum", true},  {WinTypeBinder, "Drum", 0, "DRUM", true},
        {WinTypeBinder, "Drum", 0, "Lead", false}, {WinTypeBinder, "", 0, "Drum", false},
        {WinTypeSummary, "", 0, "", true},         {WinTypeSummary, "Lead", 1, "", false},
        {WinTypeSummary, "Lead", 1, "lead", true}, {WinTypeNote, "Lead", 0, "", true},
        {WinTypeNote, "Lead", 1, "", false},       {WinTypeNote, "Lead", 0, "Lead", true},
        {WinTypeTitle, "", 0, "", false},          {WinTypeTempo, "Drum", 0, "Drum", false},
        {WinTypeMetronome, "", 0, "", false},      {WinTypeEmptyPanel, "", 0, "", false},
    };
    for (const RouteRow& row : rows) {
        SCOPED_TRACE(obtenirTitle(row.winType, row.id).toStdString() + " defMsg " +
                     std::to_string(row.defMsg) + " to '" + row.sentTo + "'");
        EXPECT_EQ(windowTakesMessage(window(row.winType, row.id, row.defMsg), row.sentTo),
                  row.taken);
    }
}

TEST(MessageRouting, TransientMessagesCarryAWarningSign)
{
    EXPECT_EQ(messageText("Capo 2", false), kWarning + "Capo 2");
    EXPECT_EQ(messageText("Capo 2", true), "Capo 2");
    EXPECT_EQ(messageText("", false), "");
    EXPECT_EQ(messageText("", true), "");
}

class MessageLineTest : public ::testing::Test {
protected:
    ManualTimers timers;
    int notesShown = 0;
    MessageLine line{timers, [this] { ++notesShown; }};
};

TEST_F(MessageLineTest, TransientMessageHidesAfterThreeSeconds)
{
    line.setMsg("Intro", false);
    EXPECT_EQ(line.text(), "Intro");
    EXPECT_EQ(timers.intervalOf(line.timerName()), 3000);
    timers.advance(2999);
    EXPECT_EQ(line.text(), "Intro");
    EXPECT_EQ(notesShown, 0);
    timers.advance(1);
    EXPECT_EQ(line.text(), "");
    EXPECT_EQ(notesShown, 1);
    EXPECT_FALSE(line.hideTimerActive());
    EXPECT_FALSE(line.seconds30());
}

TEST_F(MessageLineTest, SecondMessageRestartsTheThreeSeconds)
{
    line.setMsg("One", false);
    timers.advance(2000);
    line.setMsg("Two", false);
    timers.advance(2999);
    EXPECT_EQ(line.text(), "Two");
    timers.advance(1);
    EXPECT_EQ(line.text(), "");
    EXPECT_EQ(notesShown, 1);
}

TEST_F(MessageLineTest, StayingMessageStaysUntilClearedOrTheNoteIsRefreshed)
{
    line.setMsg("One", false);
    line.setMsg("Stay", true);
    EXPECT_FALSE(line.hideTimerActive());
    timers.advance(60000);
    EXPECT_EQ(line.text(), "Stay");
    line.setMsg("", false);
    EXPECT_EQ(line.text(), "");
    EXPECT_EQ(notesShown, 1);

    line.setMsg("Stay", true);
    line.refreshNote(true);
    EXPECT_EQ(line.text(), "");
    EXPECT_TRUE(line.seconds30());
    EXPECT_EQ(notesShown, 2);
}

TEST_F(MessageLineTest, NoteRefreshCancelsTheHideTimer)
{
    line.setMsg("One", false);
    line.refreshNote(false);
    EXPECT_FALSE(line.hideTimerActive());
    timers.advance(5000);
    EXPECT_EQ(notesShown, 1);
}

TEST(MessageLine, DestroyedWindowLeavesNoTimer)
{
    ManualTimers timers;
    int shown = 0;
    auto line = std::make_unique<MessageLine>(timers, [&shown] { ++shown; });
    line->setMsg("Bye", false);
    const QString name = line->timerName();
    line.reset();
    EXPECT_FALSE(timers.isActive(name));
    timers.advance(5000);
    EXPECT_EQ(shown, 0);
}

} // namespace
} // namespace partivo
