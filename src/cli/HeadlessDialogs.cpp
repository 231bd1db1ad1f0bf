#include "cli/HeadlessDialogs.h"

#include <cstdio>

namespace partivo {

namespace {
void toStderr(const QString& text)
{
    std::fprintf(stderr, "%s\n", qUtf8Printable(QString(text).replace(QLatin1Char('\n'), ' ')));
}
} // namespace

void HeadlessDialogs::msg(const QString& text)
{
    toStderr(text);
}

bool HeadlessDialogs::question(const QString& text)
{
    toStderr(text);
    return false;
}

int HeadlessDialogs::questionAvecCancel(const QString& text)
{
    toStderr(text);
    return -1;
}

int HeadlessDialogs::deuxChoix(const QString& text, const QString&, const QString&)
{
    toStderr(text);
    return 0;
}

int HeadlessDialogs::deuxChoixAvecCancel(const QString& text, const QString&, const QString&)
{
    toStderr(text);
    return -1;
}

std::optional<QString> HeadlessDialogs::getStr(const QString& text, const QString&)
{
    toStderr(text);
    return std::nullopt;
}

QString HeadlessDialogs::chooseFolder(const QString&, const QString&, const QString&)
{
    return QString();
}

QString HeadlessDialogs::savePanel(const QString&, const QString&, const QString&)
{
    return QString();
}

} // namespace partivo
