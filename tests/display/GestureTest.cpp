#include "display/DimmerBoxInput.h"
#include "platform/NotificationCenter.h"

#include <gtest/gtest.h>

namespace partivo {
namespace {

struct ClickRow {
    double x, y; // window coordinates, y downward, in a 1000 x 800 window
    int command;
};

TEST(HiddenRegions, ClickQuartersAndSideMargins)
{
    const ClickRow rows[] = {
        {100, 100, cmd::RegionPrevSong},
        {100, 700, cmd::RegionPageUp},
        {900, 100, cmd::RegionNextSong},
        {900, 700, cmd::RegionPageDown},
        {30, 100, kNoHiddenRegion}, // within 30 of the left edge
        {30.5, 100, cmd::RegionPrevSong},
        {970, 700, kNoHiddenRegion}, // within 30 of the right edge
        {969.5, 700, cmd::RegionPageDown},
        {498, 100, cmd::RegionPrevSong}, // x + 2 must exceed half the width
        {498.5, 100, cmd::RegionNextSong},
        {100, 400, cmd::RegionPageUp}, // the middle line belongs to the lower half
        {100, 399.5, cmd::RegionPrevSong},
        {900, 0, cmd::RegionNextSong},
        {900, 800, cmd::RegionPageDown},
    };
    for (const ClickRow& row : rows) {
        SCOPED_TRACE(std::to_string(row.x) + "," + std::to_string(row.y));
        EXPECT_EQ(hiddenRegionCommand({row.x, row.y}, {1000, 800}), row.command);
    }
    // A window narrower than both margins has no hidden regions.
    EXPECT_EQ(hiddenRegionCommand({30, 10}, {50, 50}), kNoHiddenRegion);
}

struct SwipeRow {
    const char* what;
    QHash<int, QPointF> start;
    QHash<int, QPointF> end;
    int code;
};

// Pad positions 0..1, y downward: y 0.2 is the upper half, 0.8 the lower.
TEST(Swipes, TwoFingerSwipeCodes)
{
    const SwipeRow rows[] = {
        {"right, upper", {{1, {0.2, 0.2}}, {2, {0.3, 0.3}}}, {{1, {0.4, 0.2}}, {2, {0.5, 0.3}}}, 1},
        {"right, lower", {{1, {0.2, 0.8}}, {2, {0.3, 0.7}}}, {{1, {0.4, 0.8}}, {2, {0.5, 0.7}}}, 2},
        {"right, one upper one lower",
         {{1, {0.2, 0.2}}, {2, {0.3, 0.8}}},
         {{1, {0.4, 0.2}}, {2, {0.5, 0.8}}},
         2},
        {"right, start y 0.5 is upper",
         {{1, {0.2, 0.5}}, {2, {0.3, 0.5}}},
         {{1, {0.4, 0.5}}, {2, {0.5, 0.5}}},
         1},
        {"left, upper", {{1, {0.6, 0.2}}, {2, {0.7, 0.3}}}, {{1, {0.4, 0.2}}, {2, {0.5, 0.3}}}, 3},
        {"left, lower", {{1, {0.6, 0.8}}, {2, {0.7, 0.9}}}, {{1, {0.4, 0.8}}, {2, {0.5, 0.9}}}, 4},
        {"up", {{1, {0.4, 0.8}}, {2, {0.5, 0.8}}}, {{1, {0.4, 0.6}}, {2, {0.5, 0.6}}}, 5},
        {"down", {{1, {0.4, 0.2}}, {2, {0.5, 0.2}}}, {{1, {0.4, 0.4}}, {2, {0.5, 0.4}}}, 6},
        {"long right", {{1, {0.1, 0.2}}, {2, {0.1, 0.3}}}, {{1, {0.9, 0.2}}, {2, {0.9, 0.3}}}, 11},
        {"long down", {{1, {0.4, 0.1}}, {2, {0.5, 0.1}}}, {{1, {0.4, 0.9}}, {2, {0.5, 0.9}}}, 16},
        {"1.375 is not long yet",
         {{1, {0.125, 0.5}}, {2, {0.25, 0.5}}},
         {{1, {0.8125, 0.5}}, {2, {0.9375, 0.5}}},
         1},
        {"too short", {{1, {0.4, 0.2}}, {2, {0.5, 0.2}}}, {{1, {0.54, 0.2}}, {2, {0.64, 0.2}}}, 0},
        {"0.3125 is enough",
         {{1, {0.25, 0.25}}, {2, {0.5, 0.25}}},
         {{1, {0.40625, 0.25}}, {2, {0.65625, 0.25}}},
         1},
        {"equal travel on both axes is vertical",
         {{1, {0.25, 0.75}}, {2, {0.5, 0.75}}},
         {{1, {0.5, 0.5}}, {2, {0.75, 0.5}}},
         5},
        {"fingers moving apart cancel out",
         {{1, {0.4, 0.5}}, {2, {0.6, 0.5}}},
         {{1, {0.1, 0.5}}, {2, {0.9, 0.5}}},
         0},
        {"one finger", {{1, {0.1, 0.2}}}, {{1, {0.9, 0.2}}}, 0},
        {"only one finger still down",
         {{1, {0.1, 0.2}}, {2, {0.1, 0.3}}},
         {{1, {0.9, 0.2}}, {3, {0.9, 0.3}}},
         0},
        {"three fingers, two in the lower half",
         {{1, {0.1, 0.2}}, {2, {0.1, 0.7}}, {3, {0.1, 0.8}}},
         {{1, {0.3, 0.2}}, {2, {0.3, 0.7}}, {3, {0.3, 0.8}}},
         2},
        {"nothing", {}, {}, 0},
    };
    for (const SwipeRow& row : rows)
        EXPECT_EQ(swipeCode(row.start, row.end), row.code) << row.what;
}

struct WheelStep {
    WheelSwipe::Phase phase;
    double dx, dy;
};
struct WheelRow {
    const char* what;
    std::vector<WheelStep> steps;
    int code; // answered by the last step; every earlier step answers 0
};

TEST(Swipes, ScrollGestureCodes)
{
    using P = WheelSwipe::Phase;
    const WheelRow rows[] = {
        {"x positive",
         {{P::Begin, 0, 0}, {P::Update, 0.6, 0.1}, {P::Update, 0.6, 0}, {P::End, 0, 0}},
         2},
        {"x negative", {{P::Begin, 0, 0}, {P::Update, -1.5, 0.2}, {P::End, 0, 0}}, 1},
        {"y positive", {{P::Begin, 0, 0}, {P::Update, 0.2, 1.5}, {P::End, 0, 0}}, 3},
        {"y negative", {{P::Begin, 0, 0}, {P::Update, 0.2, -1.5}, {P::End, 0, 0}}, 4},
        {"tie goes to y", {{P::Begin, 0, 0}, {P::Update, 2, -2}, {P::End, 0, 0}}, 4},
        {"exactly 1.0 is too short", {{P::Begin, 0, 0}, {P::Update, 1.0, 0.5}, {P::End, 0, 0}}, 0},
        {"the begin event's delta is not counted",
         {{P::Begin, 5, 0}, {P::Update, 0.5, 0}, {P::End, 0, 0}},
         0},
        {"the end event's delta counts",
         {{P::Begin, 0, 0}, {P::Update, 0.5, 0}, {P::End, 0.6, 0}},
         2},
        {"begin starts the sums again",
         {{P::Begin, 0, 0},
          {P::Update, 0.9, 0},
          {P::Begin, 0, 0},
          {P::Update, 0.9, 0},
          {P::End, 0, 0}},
         0},
        {"back and forth",
         {{P::Begin, 0, 0}, {P::Update, 3, 0}, {P::Update, -2.5, 0}, {P::End, 0, 0}},
         0},
    };
    for (const WheelRow& row : rows) {
        SCOPED_TRACE(row.what);
        WheelSwipe wheel;
        int last = -1;
        for (size_t i = 0; i < row.steps.size(); ++i) {
            const WheelStep& s = row.steps[i];
            last = wheel.event(s.phase, s.dx, s.dy);
            if (i + 1 < row.steps.size()) {
                EXPECT_EQ(last, 0) << "step " << i;
            }
        }
        EXPECT_EQ(last, row.code);
    }
}

TEST(Swipes, AGestureIsJudgedOnce)
{
    WheelSwipe wheel;
    wheel.event(WheelSwipe::Begin, 0, 0);
    wheel.event(WheelSwipe::Update, 3, 0);
    EXPECT_EQ(wheel.event(WheelSwipe::End, 0, 0), 2);
    EXPECT_EQ(wheel.event(WheelSwipe::End, 0, 0), 0);
    // Events of a gesture whose begin was missed still add up.
    wheel.event(WheelSwipe::Update, 0, -3);
    EXPECT_EQ(wheel.event(WheelSwipe::End, 0, 0), 4);
}

class DimmerBoxTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        for (const char* name : {action::Key, action::Swipe})
            center.addObserver(name, [this, name](const QVariant& param) {
                posts << QStringLiteral("%1 %2").arg(name).arg(
                    param.toMap().value(QLatin1String(kCommandParam)).toInt());
            });
    }
    NotificationCenter center;
    DimmerBoxInput box{center};
    QStringList posts;
};

TEST_F(DimmerBoxTest, ClicksPostKeyCommandsOnlyWithHiddenRegionsOn)
{
    EXPECT_EQ(box.click({900, 100}, {1000, 800}, {false, true}).code, 0);
    EXPECT_TRUE(posts.isEmpty());
    const auto outcome = box.click({900, 100}, {1000, 800}, {true, true});
    EXPECT_EQ(outcome.code, cmd::RegionNextSong);
    EXPECT_FALSE(outcome.recentrePointer);
    EXPECT_EQ(box.click({10, 100}, {1000, 800}, {true, false}).code, 0);
    EXPECT_EQ(posts, QStringList({"ActionKey 71"}));
}

TEST_F(DimmerBoxTest, SwipesPostTheirCodeAndAskForTheRecentredPointer)
{
    const QHash<int, QPointF> start = {{1, {0.4, 0.8}}, {2, {0.5, 0.8}}};
    const QHash<int, QPointF> end = {{1, {0.4, 0.4}}, {2, {0.5, 0.4}}};
    const auto touch = box.touchesEnded(start, end, {false, true});
    EXPECT_EQ(touch.code, 5);
    EXPECT_TRUE(touch.recentrePointer);
    EXPECT_FALSE(box.touchesEnded(start, end, {false, false}).recentrePointer);
    EXPECT_EQ(box.touchesEnded(start, start, {false, true}).code, 0);

    box.wheel(WheelSwipe::Begin, 0, 0, {false, true});
    box.wheel(WheelSwipe::Update, -2, 0, {false, true});
    const auto wheel = box.wheel(WheelSwipe::End, 0, 0, {false, true});
    EXPECT_EQ(wheel.code, 1);
    EXPECT_TRUE(wheel.recentrePointer);
    EXPECT_EQ(posts, QStringList({"mySwipe 5", "mySwipe 5", "mySwipe 1"}));
}

TEST(PinchZoom, OneCommandPerPinchOnceItIsLargeEnough)
{
    struct Case {
        const char* name;
        QList<double> steps;
        QList<int> commands; // what each step answers
    };
    const Case cases[] = {
        {"spread", {0.05, 0.05, 0.1, 0.2}, {0, 0, 52, 0}},
        {"pinch", {-0.1, -0.1}, {0, 53}},
        {"too small", {0.05, 0.05, -0.02}, {0, 0, 0}},
        {"back and forth", {0.1, -0.1, -0.1, -0.1}, {0, 0, 0, 53}},
        {"not a number", {qQNaN(), 0.2}, {0, 52}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        PinchZoom pinch;
        pinch.begin();
        QList<int> commands;
        for (double step : c.steps)
            commands.append(pinch.step(step));
        EXPECT_EQ(commands, c.commands);
    }
    PinchZoom pinch;
    pinch.begin();
    EXPECT_EQ(pinch.step(0.3), 52);
    pinch.begin(); // a new gesture
    EXPECT_EQ(pinch.step(-0.3), 53);
}

} // namespace
} // namespace partivo
