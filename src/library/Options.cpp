#include "library/Options.h"

#include "library/KeyActions.h"
#include "platform/Prefs.h"

#include <cmath>

namespace partivo {

namespace {

constexpr char kSavedKey[] = "OptWasSaved";
constexpr char kSaved2Key[] = "OptWasSaved2D";
constexpr double kDefaultMidiDelay = 0.01;

const std::array<InputKeys, kInputCount> kInputKeys = {{
    {"optSwipeLeftRight", "optSwipeLeftRightTx"},
    {"optSwipeUpDown", "optSwipeUpDownTx"},
    {"optSpacebar", "optSpacebarTx"},
    {"optDot", "optDotTx"},
    {"optTild", "optTildTx"},
    {"optPageUp", "optPageUpTx"},
    {"optPageDown", "optPageDownTx"},
}};

QString key(const char* name)
{
    return QString::fromLatin1(name);
}

bool flag(const Prefs& prefs, const char* name, bool defaultValue)
{
    return prefs.intValue(key(name), defaultValue ? 1 : 0) != 0;
}

// A finite number, else the default.
double number(const Prefs& prefs, const char* name, double defaultValue)
{
    const double value = prefs.doubleValue(key(name), defaultValue);
    return std::isfinite(value) ? value : defaultValue;
}

} // namespace

InputKeys inputKeys(InputId input)
{
    return kInputKeys[size_t(input)];
}

std::array<InputSetting, kInputCount> Options::defaultInputs()
{
    std::array<InputSetting, kInputCount> inputs;
    inputs[InputSwipeLeftRight].index = 2;
    inputs[InputSwipeUpDown].index = 5;
    inputs[InputSpace].index = 5;
    inputs[InputDot].index = 0;
    inputs[InputTilde].index = 2;
    inputs[InputTilde].param = QStringLiteral("ARTIST");
    inputs[InputPageUp].index = 2;
    inputs[InputPageDown].index = 3;
    return inputs;
}

Options Options::load(const Prefs& prefs, bool firstLaunch)
{
    Options o;
    if (firstLaunch)
        return o;
    if (prefs.boolValue(key(kSavedKey))) {
        o.zoomOptHalfPageMarker = prefs.intValue(key("zoomOptHalfPageMarker"), 2);
        if (o.zoomOptHalfPageMarker < 0 || o.zoomOptHalfPageMarker > 2)
            o.zoomOptHalfPageMarker = 2;
        o.zoomOptRedLine = flag(prefs, "zoomOptRedLine", true) ? 1 : 0;
        o.genOptDimmer = flag(prefs, "genOptDimmer", false);
        o.genOptDimmerVal = number(prefs, "genOptDimmerVal", o.genOptDimmerVal);
        o.genOptMidiDelayVal = number(prefs, "genOptMidiDelayVal", kDefaultMidiDelay);
        if (!(o.genOptMidiDelayVal > 0))
            o.genOptMidiDelayVal = kDefaultMidiDelay;
        o.genOptCenterMouse = flag(prefs, "genOptCenterMouse", true);
        o.genOptReverseMouse = flag(prefs, "genOptReverseMouse", false);
        o.genOptHiddenRegions = flag(prefs, "genOptHiddenRegions", false);
        o.genOptAutoOpen = flag(prefs, "genOptAutoOpen", false);
        o.genOptExtOpen = flag(prefs, "genOptExtOpen", false);
        o.genOptLastPageNextSong = flag(prefs, "genOptLastPageNextSong", false);
    }
    if (prefs.boolValue(key(kSaved2Key))) {
        o.genOptDimmerValInact = number(prefs, "genOptDimmerValInact", o.genOptDimmerValInact);
        for (int i = 0; i < kInputCount; ++i) {
            const auto input = InputId(i);
            const int index = prefs.intValue(key(inputKeys(input).index), o.inputs[i].index);
            if (index >= 0 && index < chooserCodes(input).size())
                o.inputs[i].index = index;
        }
    }
    // The parameter texts are kept whatever the groups say; "~" has its own default.
    for (int i = 0; i < kInputCount; ++i) {
        const QString paramKey = key(inputKeys(InputId(i)).param);
        if (prefs.contains(paramKey))
            o.inputs[i].param = prefs.stringValue(paramKey);
    }
    return o;
}

void Options::save(Prefs& prefs) const
{
    prefs.setValue(key("zoomOptHalfPageMarker"), zoomOptHalfPageMarker);
    prefs.setValue(key("zoomOptRedLine"), zoomOptRedLine);
    prefs.setValue(key("genOptDimmer"), genOptDimmer ? 1 : 0);
    prefs.setValue(key("genOptDimmerVal"), genOptDimmerVal);
    prefs.setValue(key("genOptMidiDelayVal"), genOptMidiDelayVal);
    prefs.setValue(key("genOptCenterMouse"), genOptCenterMouse ? 1 : 0);
    prefs.setValue(key("genOptReverseMouse"), genOptReverseMouse ? 1 : 0);
    prefs.setValue(key("genOptHiddenRegions"), genOptHiddenRegions ? 1 : 0);
    prefs.setValue(key("genOptAutoOpen"), genOptAutoOpen ? 1 : 0);
    prefs.setValue(key("genOptExtOpen"), genOptExtOpen ? 1 : 0);
    prefs.setValue(key("genOptLastPageNextSong"), genOptLastPageNextSong ? 1 : 0);
    prefs.setValue(key("genOptDimmerValInact"), genOptDimmerValInact);
    for (int i = 0; i < kInputCount; ++i) {
        const InputKeys keys = inputKeys(InputId(i));
        prefs.setValue(key(keys.index), inputs[i].index);
        prefs.setValue(key(keys.param), inputs[i].param);
    }
    prefs.setValue(key(kSavedKey), true);
    prefs.setValue(key(kSaved2Key), true);
}

} // namespace partivo
