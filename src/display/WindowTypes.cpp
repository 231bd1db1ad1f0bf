#include "display/WindowTypes.h"

namespace partivo {

namespace {

struct WinTypeRow {
    const char* layout;
    // "%1" stands for the ID label's text.
    const char* title;
};

constexpr WinTypeRow kWinTypes[kWinTypeCount] = {
    {"WindowPDFx", "Binder Window - %1"},
    {"WindowMini", "Summary Window - %1"},
    {"WindowTitle", "Object - Title"},
    {"WindowTrackTime", "Object - Track Time"},
    {"WindowTitle", "Object - Artist Name"},
    {"WindowTitle", "Object - Tempo"},
    {"WindowTrackTime", "Object - Remaining Track Time"},
    {"WindowJauge", "Object - Progress"},
    {"WindowTitle", "Object - Note - %1"},
    {"WindowTitle", "Object - Metronome"},
    {"WindowTitle", "Object - Next Song Title"},
    {"WindowTitle", "Object - Artist Name + Title"},
    {"WindowTitle", "Object - Empty Panel"},
};

// Any other number opens as a binder window and is listed as one.
const WinTypeRow& rowOf(int winType)
{
    return kWinTypes[isKnownWinType(winType) ? winType : WinTypeBinder];
}

} // namespace

bool isKnownWinType(int winType)
{
    return winType >= 0 && winType < kWinTypeCount;
}

bool isCompanionWinType(int winType)
{
    return isKnownWinType(winType) && winType > WinTypeSummary;
}

QString obtenirClasse(int winType)
{
    return QString::fromLatin1(rowOf(winType).layout);
}

QString idLabelText(const QString& altDir)
{
    return altDir.isEmpty() ? QStringLiteral("Master") : altDir;
}

QString obtenirTitle(int winType, const QString& labelText)
{
    if (winType == WinTypeNote && labelText.isEmpty())
        return QStringLiteral("Object - Note");
    const QString title = QString::fromLatin1(rowOf(winType).title);
    return title.contains(u"%1") ? title.arg(labelText) : title;
}

} // namespace partivo
