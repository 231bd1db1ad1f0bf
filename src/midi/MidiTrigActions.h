#pragma once

#include <QList>
#include <QString>
#include <QVariant>
#include <array>

namespace partivo {

// A remote action as the engine posts it: "ActionKey" with a key command number, or another
// action name with its parameter.
struct RemoteAction {
    QString name;
    QVariant param;

    bool operator==(const RemoteAction&) const = default;
};

// What one trigger action does: the remote actions to post, in order, and the event-library
// group to send (empty for none).
struct TrigEffects {
    QList<RemoteAction> posts;
    QString group;
};

// How a trigger action type turns its text and the incoming message into remote actions.
enum class TrigEffect {
    None,
    Keys,          // the key commands
    TextElseKeys,  // text given: the named action with it; else the key commands
    Digit,         // first character of the text a digit in range: the named action with it
    Typing,        // text given: keys before, a key per search character, keys after
    Group,         // send the event-library group named by the text
    ValueToLetter, // the key command value * 36 / 128, then the keys after
    ScaledValue,   // the named action with value * scale / scaleOf
    NoteOffset,    // the named action with the incoming note minus the trigger's note
    Text,          // the named action with the text
    PageNumber,    // the text's integer value, 1 or more: the named action with it
};

// One row of the trigger action types. Key lists end at the first -1.
struct TrigActionRow {
    int type = 0;
    TrigEffect effect = TrigEffect::None;
    const char* name = nullptr; // action name for the effects that post one
    std::array<int, 2> keysBefore{-1, -1};
    std::array<int, 2> keysAfter{-1, -1};
    int digitLow = 0; // Digit: the accepted digits ...
    int digitHigh = 0;
    int digitShift = 0;         // ... and what is added before posting
    bool noDigitIsZero = false; // Digit: an empty text or a non-digit counts as 0
    int scale = 1;              // ScaledValue
    int scaleOf = 1;
    const char* placeholder = nullptr; // the editor's hint for the text field, if it has one
};

// The 29 trigger action types, by type (row i is type i + 1).
const std::array<TrigActionRow, 29>& trigActionTable();
// The row of the type, or null for 0 (no action) and unknown types.
const TrigActionRow* trigActionRow(int type);

// The effects of action type with text T, for an incoming control value and note offset
// (the incoming note minus the trigger's).
TrigEffects trigActionEffects(int type, const QString& text, int value, int noteOffset);

// The characters that key commands 0..35 type, in order.
inline constexpr char kSearchAlphabet[] = "abcdefghijklmnopqrstuvwxyz0123456789";

} // namespace partivo
