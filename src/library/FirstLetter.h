#pragma once

#include <QString>

namespace partivo {

// First-letter keys of type-to-search: 1..36 for "a".."z" and "0".."9", 0 for any other
// first character.
constexpr int kFirstLetterKeys = 36;
int keyn(const QString& text);
QChar carn(int key);

} // namespace partivo
