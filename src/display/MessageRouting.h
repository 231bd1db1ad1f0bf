#pragma once

#include <QList>
#include <QString>

namespace partivo {

struct WindowSettings;

// The text a window is given: a transient message carries a warning sign in front; a
// message that stays, and the empty text that clears, go unchanged.
QString messageText(const QString& text, bool stay);

// Whether a window takes a message sent to winID ("" for every window). Only binder
// windows, summary windows and note panels show messages; those set to receive only
// messages for their own ID ignore messages sent to no ID. IDs match ignoring case.
bool windowTakesMessage(const WindowSettings& window, const QString& winID);

} // namespace partivo
