#include "display/MessageRouting.h"

#include "display/WindowSettings.h"

namespace partivo {

namespace {

bool showsMessages(int winType)
{
    return obtenirClasse(winType) == u"WindowPDFx" || winType == WinTypeSummary ||
           winType == WinTypeNote;
}

} // namespace

QString messageText(const QString& text, bool stay)
{
    if (text.isEmpty() || stay)
        return text;
    return QStringLiteral("\u26A0\uFE0F ") + text;
}

bool windowTakesMessage(const WindowSettings& window, const QString& winID)
{
    if (!showsMessages(window.winType))
        return false;
    if (winID.isEmpty())
        return window.defMsg != 1;
    return window.altDir.compare(winID, Qt::CaseInsensitive) == 0;
}

} // namespace partivo
