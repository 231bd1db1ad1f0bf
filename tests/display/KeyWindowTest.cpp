#include "display/KeyWindow.h"
#include "display/WindowTypes.h"

#include <gtest/gtest.h>

namespace partivo {
namespace {

constexpr int B = WinTypeBinder;
constexpr int T = WinTypeTitle;

TEST(KeyWindow, ActivateKeywinChoice)
{
    struct Case {
        const char* name;
        QList<KeyWindowCandidate> windows;
        int choice;
    };
    const Case cases[] = {
        {"no windows", {}, -1},
        {"only companions", {{T, true, 0}, {T, false, 0}}, -1},
        {"the marked binder window", {{B, false, 0}, {B, true, 1}, {B, false, 1}}, 1},
        {"a marked companion does not count", {{T, true, 0}, {B, false, 0}}, 1},
        {"unmarked: last on the first binder's screen",
         {{T, false, 1}, {B, false, 1}, {B, false, 0}, {B, false, 1}, {B, false, 2}},
         3},
        {"one binder window", {{B, false, 3}}, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(activateKeywinChoice(c.windows), c.choice);
    }
}

TEST(KeyWindow, OneBinderWindowCarriesTheMark)
{
    QList<KeyWindowCandidate> windows{{B, true, 0}, {T, false, 0}, {B, false, 1}};
    markKeyWindow(windows, 2);
    EXPECT_FALSE(windows[0].keywin);
    EXPECT_TRUE(windows[2].keywin);
    markKeyWindow(windows, 1); // a companion window never takes it
    markKeyWindow(windows, 7);
    EXPECT_TRUE(windows[2].keywin);
    EXPECT_FALSE(windows[1].keywin);
    EXPECT_EQ(activateKeywinChoice(windows), 2);
}

} // namespace
} // namespace partivo
