#pragma once

#include <QString>
#include <QStringList>
#include <functional>

namespace partivo {
class Controller;
class ManualTimers;
} // namespace partivo

namespace partivo::cli {

// One word of "navigate --keys" turned into what it does to the running program.
using NavigateStep = std::function<void(Controller&, ManualTimers&)>;

// The words of --keys: split at blanks and commas, except inside double quotes (a word that
// holds blanks or commas is written in double quotes). False with a message for an
// unterminated quote.
bool splitNavigateWords(const QString& keys, QStringList& words, QString& error);

// The step of one word; an empty function with the message saying what is wrong.
NavigateStep navigateStep(const QString& word, QString& error);

} // namespace partivo::cli
