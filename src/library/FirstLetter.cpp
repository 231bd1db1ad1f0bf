#include "library/FirstLetter.h"

namespace partivo {

namespace {
const QString kAlphabet = QStringLiteral("abcdefghijklmnopqrstuvwxyz0123456789");
}

int keyn(const QString& text)
{
    if (text.isEmpty())
        return 0;
    return int(kAlphabet.indexOf(text.at(0).toLower())) + 1;
}

QChar carn(int key)
{
    return key >= 1 && key <= kFirstLetterKeys ? kAlphabet.at(key - 1) : QChar();
}

} // namespace partivo
