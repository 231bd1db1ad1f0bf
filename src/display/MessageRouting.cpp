#include "display/MessageRouting.h"

#include "display/MessageLine.h"
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

int setMsgX(const QList<MessageTarget>& windows, const QString& text, const QString& winID,
            bool stay)
{
    const QString shown = messageText(text, stay);
    int taken = 0;
    for (const MessageTarget& target : windows) {
        if (!target.settings || !target.line || !windowTakesMessage(*target.settings, winID))
            continue;
        target.line->setMsg(shown, stay);
        ++taken;
    }
    return taken;
}

} // namespace partivo
