#include "cli/WindowArgs.h"

#include "cli/Commands.h"

#include <QRegularExpression>
#include <QStringList>

namespace partivo::cli {

bool parseWindowSize(const QString& text, QSize& size)
{
    static const QRegularExpression pattern(QStringLiteral("^(\\d+)x(\\d+)$"));
    const QRegularExpressionMatch m = pattern.match(text);
    int width = 0;
    int height = 0;
    if (!m.hasMatch() || !parseInt(m.captured(1), kMinWindowSide, kMaxWindowSide, width) ||
        !parseInt(m.captured(2), kMinWindowSide, kMaxWindowSide, height))
        return false;
    size = QSize(width, height);
    return true;
}

QString windowSizeError(const char* option)
{
    return QStringLiteral("%1 takes WxH, each from %2 to %3")
        .arg(QLatin1String(option))
        .arg(kMinWindowSide)
        .arg(kMaxWindowSide);
}

bool parseMode(const QString& text, int& mode)
{
    if (!QStringList{"0", "1", "2", "4", "5"}.contains(text))
        return false;
    mode = text.toInt();
    return true;
}

} // namespace partivo::cli
