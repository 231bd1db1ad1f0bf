#include "display/WindowSettings.h"

namespace partivo {

bool isModeAffichage(int mode)
{
    switch (mode) {
    case ModeTwoPages:
    case ModeHalfPageZoom:
    case ModeSinglePage:
    case ModeAlternate:
    case ModeSlideLeft:
        return true;
    default:
        return false;
    }
}

bool isTypeMetro(int type)
{
    return type >= MetroSimple && type <= MetroNone;
}

WindowSettings WindowSettings::forType(int winType)
{
    WindowSettings settings;
    settings.winType = winType;
    settings.colors = WindowColors::defaults(winType);
    return settings;
}

void WindowSettings::iniMode(int mode, const QString& dir, const QList<WinID>& winIDs)
{
    altModeOff = false;
    altModeOk = false;
    // A window is either the master window or has a non-empty ID; "ID mode without an ID"
    // would pick up the choices of a record not yet named.
    const bool hasId = mode != 0 && !dir.isEmpty();
    altMode = hasId ? 1 : 0;
    altDir = hasId ? dir : QString();
    refreshDefNoteDefPDF(winIDs);
}

void WindowSettings::refreshDefNoteDefPDF(const QList<WinID>& winIDs)
{
    defNote = defPDF = defCHO = defMsg = 0;
    if (altDir.isEmpty())
        return;
    for (const WinID& id : winIDs) {
        if (id.idWin == altDir) {
            defNote = id.defNote;
            defPDF = id.defPDF;
            defCHO = id.defCHO;
            defMsg = id.defMsg;
            return;
        }
    }
}

bool WindowSettings::iniModeAffichage(int mode)
{
    if (!isModeAffichage(mode))
        return false;
    modeAffichage = mode;
    return true;
}

bool WindowSettings::iniFixPageNo(int offset)
{
    if (offset < 0 || offset > kMaxFixPageNo)
        return false;
    fixPageNo = offset;
    return true;
}

bool WindowSettings::iniTypeMetro(int type)
{
    if (!isTypeMetro(type))
        return false;
    typeMetro = type;
    return true;
}

void WindowSettings::setMetroType()
{
    typeMetro = typeMetro >= MetroNone || typeMetro < MetroSimple ? MetroSimple : typeMetro + 1;
}

} // namespace partivo
