#pragma once

#include "library/Options.h"

#include <QList>
#include <QString>

namespace partivo {

// The actions an input can be given (its chooser's items), with the text field of their
// parameter: the placeholder and the tooltip, both empty for an action without one.
struct KeyAction {
    int code;
    const char* title;
    const char* placeholder;
    const char* tooltip;
};

// Every action of the table, by code: 0 to 17 and 100 to 103. Null for another code.
const KeyAction* keyAction(int code);
const QList<KeyAction>& keyActions();

// The items of an input's chooser, as action codes in menu order. The keys and the swipes
// list the same actions; each input's stored default index points at its natural action
// (Page Up: previous page, Page Down: next page, space: pages, ".": play, "~": the list
// with a filter, swipes: songs left and right, pages up and down).
const QList<int>& chooserCodes(InputId input);
// The action code of the item at index, or the code of the input's default item when the
// index is out of range.
int chooserCode(InputId input, int index);
// Where the code is in the input's chooser; -1 when it is not there.
int chooserIndex(InputId input, int code);

// The input's own name, as the preferences window shows it.
QString inputTitle(InputId input);

} // namespace partivo
