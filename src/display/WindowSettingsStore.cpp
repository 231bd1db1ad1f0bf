#include "display/WindowSettingsStore.h"

#include "platform/Prefs.h"

#include <climits>
#include <cmath>

namespace partivo {

namespace {

struct BoolKey {
    const char* suffix;
    bool WindowSettings::*field;
};
struct IntKey {
    const char* suffix;
    int WindowSettings::*field;
    // Values the setting accepts; others are not loaded.
    bool (*accepts)(int);
};

bool anyInt(int)
{
    return true;
}
bool pageOffset(int n)
{
    return n >= 0 && n <= kMaxFixPageNo;
}

constexpr BoolKey kBoolKeys[] = {
    {"fullScreen", &WindowSettings::fullScreen},
    {"ongletsVisibles", &WindowSettings::ongletsVisibles},
    {"singlePage", &WindowSettings::singlePageForce},
    {"ratio21", &WindowSettings::ratio21},
    {"chordProChordsBold", &WindowSettings::chordProChordsBold},
    {"chordProLyricsBold", &WindowSettings::chordProLyricsBold},
    {"chordProDiagramsHide", &WindowSettings::chordProDiagramsHide},
    {"pageNoPDFHide", &WindowSettings::pageNoPDFHide},
    {"pageNoCHDHide", &WindowSettings::pageNoCHDHide},
    {"noShadow", &WindowSettings::noShadow},
    {"hideTitleElementTitle", &WindowSettings::hideTitleElementTitle},
    {"hideTitleElementTempo", &WindowSettings::hideTitleElementTempo},
    {"hideTitleElementNote", &WindowSettings::hideTitleElementNote},
    {"hideList", &WindowSettings::hideList},
    {"hideFrame", &WindowSettings::hideFrame},
    {"lyricsOnly", &WindowSettings::lyricsOnly},
    {"syncPageChanges", &WindowSettings::syncPageChanges},
    {"pageUpDown", &WindowSettings::pageUpdown},
    {"transparent", &WindowSettings::transparent},
    {"alwaysOnTop", &WindowSettings::alwaysOnTop},
};

const IntKey kIntKeys[] = {
    {"winType", &WindowSettings::winType, isKnownWinType},
    {"modeAffichage", &WindowSettings::modeAffichage, isModeAffichage},
    {"fixPageNo", &WindowSettings::fixPageNo, pageOffset},
    {"typeMetro", &WindowSettings::typeMetro, isTypeMetro},
    {"altMode", &WindowSettings::altMode, anyInt},
};

constexpr char kZoomedKey[] = "zoomed";
constexpr char kKeywinKey[] = "keywin";
constexpr char kAltDirKey[] = "altDir";
constexpr char kScreenNoKey[] = "screenNo";
constexpr char kOriginXKey[] = "originx";
constexpr char kOriginYKey[] = "originy";
constexpr char kWidthKey[] = "sizewidth";
constexpr char kHeightKey[] = "sizeheight";

int truncated(double d)
{
    if (!std::isfinite(d))
        return 0;
    return int(qBound(double(INT_MIN), std::trunc(d), double(INT_MAX)));
}

} // namespace

QString windowKey(const QString& prefix, int position, const char* suffix)
{
    return prefix + QString::number(position) + QLatin1String(suffix);
}

QStringList windowKeySuffixes()
{
    QStringList suffixes;
    for (const IntKey& k : kIntKeys)
        suffixes << QLatin1String(k.suffix);
    for (const BoolKey& k : kBoolKeys)
        suffixes << QLatin1String(k.suffix);
    for (const char* s : {kZoomedKey, kKeywinKey, kAltDirKey, kScreenNoKey, kOriginXKey,
                          kOriginYKey, kWidthKey, kHeightKey})
        suffixes << QLatin1String(s);
    return suffixes;
}

QRect truncatedFrame(const QRectF& frame)
{
    return QRect(truncated(frame.x()), truncated(frame.y()), truncated(frame.width()),
                 truncated(frame.height()));
}

void saveWindow(Prefs& prefs, const QString& prefix, int position, const WindowSettings& settings,
                const WindowPlacement& placement)
{
    const auto key = [&](const char* suffix) { return windowKey(prefix, position, suffix); };
    for (const IntKey& k : kIntKeys)
        prefs.setValue(key(k.suffix), settings.*k.field);
    for (const BoolKey& k : kBoolKeys)
        prefs.setValue(key(k.suffix), settings.*k.field);
    prefs.setValue(key(kAltDirKey), settings.altDir);
    prefs.setValue(key(kZoomedKey), placement.zoomed);
    prefs.setValue(key(kKeywinKey), placement.keyWindow);
    prefs.setValue(key(kScreenNoKey), placement.screenNo);
    prefs.setValue(key(kOriginXKey), placement.frame.x());
    prefs.setValue(key(kOriginYKey), placement.frame.y());
    prefs.setValue(key(kWidthKey), placement.frame.width());
    prefs.setValue(key(kHeightKey), placement.frame.height());
    settings.colors.save(prefs, prefix, position);
}

int loadWinType(const Prefs& prefs, const QString& prefix, int position)
{
    const QString key = windowKey(prefix, position, "winType");
    return prefs.contains(key) ? prefs.intValue(key) : -1;
}

void loadWindow(const Prefs& prefs, const QString& prefix, int position, WindowSettings& settings,
                WindowPlacement& placement, const QList<WinID>& winIDs)
{
    const auto key = [&](const char* suffix) { return windowKey(prefix, position, suffix); };
    for (const IntKey& k : kIntKeys) {
        const int value = prefs.intValue(key(k.suffix), settings.*k.field);
        if (k.accepts(value))
            settings.*k.field = value;
    }
    for (const BoolKey& k : kBoolKeys)
        settings.*k.field = prefs.boolValue(key(k.suffix), settings.*k.field);
    settings.keywin = prefs.boolValue(key(kKeywinKey), settings.keywin);
    const QString altDir = prefs.stringValue(key(kAltDirKey), settings.altDir);
    settings.iniMode(settings.altMode, altDir, winIDs);
    settings.colors.load(prefs, prefix, position);

    placement.zoomed = prefs.boolValue(key(kZoomedKey), placement.zoomed);
    placement.keyWindow = settings.keywin;
    placement.screenNo = prefs.intValue(key(kScreenNoKey), placement.screenNo);
    placement.frame = QRect(prefs.intValue(key(kOriginXKey), placement.frame.x()),
                            prefs.intValue(key(kOriginYKey), placement.frame.y()),
                            prefs.intValue(key(kWidthKey), placement.frame.width()),
                            prefs.intValue(key(kHeightKey), placement.frame.height()));
}

} // namespace partivo
