#include "display/DisplayWindows.h"

#include "platform/Prefs.h"

namespace partivo {

namespace {

constexpr char kCountKey[] = "WinID_nbWinID";

QString recordKey(const char* field, int position)
{
    return QStringLiteral("WinID_%1_%2").arg(QLatin1String(field)).arg(position);
}

} // namespace

void DisplayWindows::chargerWinIDs(const Prefs& prefs)
{
    winIDs_.clear();
    const int count = prefs.intValue(QLatin1String(kCountKey));
    if (count <= 0) {
        // Never saved: the two roles most bands start with.
        winIDs_ = {WinID{0, QStringLiteral("Lead")}, WinID{1, QStringLiteral("Drum")}};
        return;
    }
    for (int i = 0; i < count; ++i) {
        WinID id;
        id.index = i;
        id.idWin = prefs.stringValue(recordKey("idWin", i));
        id.defNote = prefs.intValue(recordKey("defNote", i));
        id.defPDF = prefs.intValue(recordKey("defPDF", i));
        id.defCHO = prefs.intValue(recordKey("defCHO", i));
        id.defMsg = prefs.intValue(recordKey("defMsg", i));
        winIDs_.append(id);
    }
}

void DisplayWindows::saveWinIDs(Prefs& prefs)
{
    for (int i = 0; i < winIDs_.size(); ++i) {
        WinID& id = winIDs_[i];
        id.index = i;
        prefs.setValue(recordKey("idWin", i), id.idWin);
        prefs.setValue(recordKey("defNote", i), id.defNote);
        prefs.setValue(recordKey("defPDF", i), id.defPDF);
        prefs.setValue(recordKey("defCHO", i), id.defCHO);
        prefs.setValue(recordKey("defMsg", i), id.defMsg);
    }
    prefs.setValue(QLatin1String(kCountKey), int(winIDs_.size()));
    prefs.sync();
}

WinID& DisplayWindows::creerWinIDs()
{
    WinID id;
    id.index = int(winIDs_.size());
    winIDs_.append(id);
    return winIDs_.last();
}

void DisplayWindows::supprimerWinIDsForIndex(int index)
{
    if (index >= 0 && index < winIDs_.size())
        winIDs_.removeAt(index);
}

const WinID* DisplayWindows::obtenirNextWinID(int mode, const QString& currentAltDir) const
{
    if (mode == 0)
        return winIDs_.isEmpty() ? nullptr : &winIDs_.first();
    for (qsizetype i = 0; i < winIDs_.size(); ++i)
        if (winIDs_[i].idWin == currentAltDir)
            return i + 1 < winIDs_.size() ? &winIDs_[i + 1] : nullptr;
    return nullptr;
}

} // namespace partivo
