#include "library/Options.h"
#include "library/KeyActions.h"
#include "platform/MemoryPrefs.h"

#include "QtPrinters.h"

#include <QSet>
#include <gtest/gtest.h>
#include <limits>

namespace partivo {
namespace {

TEST(Options, FirstLaunchAndUnsavedGroupsGiveTheDefaults)
{
    MemoryPrefs stored(
        {{"OptWasSaved", true}, {"OptWasSaved2D", true}, {"genOptDimmer", 1}, {"optSpacebar", 1}});
    EXPECT_EQ(Options::load(stored, true), Options()) << "first launch: every default";

    MemoryPrefs unsaved({{"genOptDimmer", 1}, {"optSpacebar", 1}, {"genOptDimmerValInact", 50.0}});
    const Options o = Options::load(unsaved, false);
    EXPECT_FALSE(o.genOptDimmer);
    EXPECT_EQ(o.inputs[InputSpace].index, 5);
    EXPECT_EQ(o.genOptDimmerValInact, 15.0);

    const Options d;
    EXPECT_EQ(d.zoomOptHalfPageMarker, 2);
    EXPECT_EQ(d.zoomOptRedLine, 1);
    EXPECT_EQ(d.genOptDimmerVal, 20.0);
    EXPECT_EQ(d.genOptMidiDelayVal, 0.01);
    EXPECT_TRUE(d.genOptCenterMouse);
    EXPECT_FALSE(d.genOptLastPageNextSong);
    EXPECT_EQ(d.inputs[InputTilde].param, QStringLiteral("ARTIST"));
}

TEST(Options, StoredValuesOutOfRangeReadAsTheirDefault)
{
    struct Case {
        const char* name;
        QMap<QString, QVariant> stored;
        std::function<bool(const Options&)> check;
    };
    const QMap<QString, QVariant> saved{{"OptWasSaved", true}, {"OptWasSaved2D", true}};
    auto with = [&](QMap<QString, QVariant> extra) {
        extra.insert(saved);
        return extra;
    };
    const Case cases[] = {
        {"MIDI delay 0", with({{"genOptMidiDelayVal", 0.0}}),
         [](const Options& o) { return o.genOptMidiDelayVal == 0.01; }},
        {"MIDI delay negative", with({{"genOptMidiDelayVal", -1.0}}),
         [](const Options& o) { return o.genOptMidiDelayVal == 0.01; }},
        {"MIDI delay not a number",
         with({{"genOptMidiDelayVal", std::numeric_limits<double>::quiet_NaN()}}),
         [](const Options& o) { return o.genOptMidiDelayVal == 0.01; }},
        {"MIDI delay kept", with({{"genOptMidiDelayVal", 0.05}}),
         [](const Options& o) { return o.genOptMidiDelayVal == 0.05; }},
        {"chooser past its list", with({{"optPageDown", 500}}),
         [](const Options& o) { return o.inputs[InputPageDown].index == 3; }},
        {"negative chooser", with({{"optDot", -2}}),
         [](const Options& o) { return o.inputs[InputDot].index == 0; }},
        {"chooser kept", with({{"optDot", 4}}),
         [](const Options& o) { return o.inputs[InputDot].index == 4; }},
        {"marker out of range", with({{"zoomOptHalfPageMarker", 9}}),
         [](const Options& o) { return o.zoomOptHalfPageMarker == 2; }},
        {"absent ~ parameter", saved,
         [](const Options& o) { return o.inputs[InputTilde].param == QLatin1String("ARTIST"); }},
        {"empty ~ parameter kept", with({{"optTildTx", ""}}),
         [](const Options& o) { return o.inputs[InputTilde].param.isEmpty(); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        MemoryPrefs prefs(c.stored);
        EXPECT_TRUE(c.check(Options::load(prefs, false)));
        // Whatever was stored, a chooser reads as one of its actions.
        for (int i = 0; i < kInputCount; ++i) {
            const Options o = Options::load(prefs, false);
            EXPECT_NE(keyAction(chooserCode(InputId(i), o.inputs[size_t(i)].index)), nullptr);
        }
    }
}

TEST(Options, SavedOptionsReadBackTheSame)
{
    Options o;
    o.zoomOptHalfPageMarker = 0;
    o.zoomOptRedLine = 0;
    o.genOptDimmer = true;
    o.genOptDimmerVal = 35;
    o.genOptMidiDelayVal = 0.02;
    o.genOptCenterMouse = false;
    o.genOptReverseMouse = true;
    o.genOptHiddenRegions = true;
    o.genOptExtOpen = true;
    o.genOptDimmerValInact = 40;
    o.genOptLastPageNextSong = true;
    o.inputs[InputSpace] = {3, QString()};
    o.inputs[InputTilde] = {2, QStringLiteral("TEMPO")};
    o.inputs[InputSwipeUpDown] = {7, QStringLiteral("Drum")};
    MemoryPrefs prefs;
    o.save(prefs);
    EXPECT_TRUE(prefs.boolValue(QStringLiteral("OptWasSaved")));
    EXPECT_TRUE(prefs.boolValue(QStringLiteral("OptWasSaved2D")));
    EXPECT_EQ(prefs.intValue(QStringLiteral("optSpacebar")), 3);
    EXPECT_EQ(prefs.stringValue(QStringLiteral("optTildTx")), QStringLiteral("TEMPO"));
    EXPECT_EQ(Options::load(prefs, false), o);
}

// Each chooser lists every action once, and the stored default index points at the
// input's natural action.
TEST(Options, EveryChooserListsEveryActionAndItsDefaultIsSensible)
{
    QSet<int> all;
    for (const KeyAction& a : keyActions())
        all.insert(a.code);
    EXPECT_EQ(all.size(), 22);
    for (int i = 0; i < kInputCount; ++i) {
        const QList<int>& codes = chooserCodes(InputId(i));
        EXPECT_EQ(QSet<int>(codes.begin(), codes.end()), all) << i;
        EXPECT_EQ(codes.size(), all.size()) << i;
    }
    const Options d;
    struct Case {
        InputId input;
        int code;
    };
    const Case cases[] = {
        {InputPageUp, 2},           // previous page
        {InputPageDown, 3},         // next page
        {InputSpace, 102},          // pages: next page, reverse clear
        {InputDot, 7},              // play or stop
        {InputTilde, 6},            // the list with the filter "ARTIST"
        {InputSwipeLeftRight, 101}, // songs
        {InputSwipeUpDown, 102},    // pages
    };
    for (const Case& c : cases)
        EXPECT_EQ(chooserCode(c.input, d.inputs[c.input].index), c.code) << c.input;
}

TEST(Options, ParameterFieldsShowOnlyForActionsThatTakeOne)
{
    for (int code : {2, 3, 6, 7, 9, 10, 11, 12, 15, 16, 102, 103})
        EXPECT_STRNE(keyAction(code)->placeholder, "") << code;
    for (int code : {0, 1, 4, 5, 8, 13, 14, 17, 100, 101})
        EXPECT_STREQ(keyAction(code)->placeholder, "") << code;
    EXPECT_STREQ(keyAction(6)->placeholder, "Filter (optional)");
    EXPECT_STREQ(keyAction(9)->placeholder, "MIDI Group ID");
    EXPECT_EQ(keyAction(18), nullptr);
}

} // namespace
} // namespace partivo
