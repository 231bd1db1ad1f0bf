#include "platform/Prefs.h"

#include <charconv>
#include <climits>
#include <cmath>
#include <optional>

namespace partivo {

namespace {

bool isTextType(const QVariant& v)
{
    const int type = v.typeId();
    return type == QMetaType::QString || type == QMetaType::QByteArray || type == QMetaType::QChar;
}

bool isFloatType(const QVariant& v)
{
    const int type = v.typeId();
    return type == QMetaType::Double || type == QMetaType::Float;
}

bool isSpace(QChar c)
{
    return c == u' ' || c == u'\t' || c == u'\n' || c == u'\v' || c == u'\f' || c == u'\r';
}

qsizetype skipSpaces(const QString& text)
{
    qsizetype i = 0;
    while (i < text.size() && isSpace(text[i]))
        ++i;
    return i;
}

// Leading spaces, an optional sign and the digits that follow; anything after is ignored.
// Out-of-range numbers are clamped.
std::optional<int> parseLeadingInt(const QString& text)
{
    qsizetype i = skipSpaces(text);
    bool negative = false;
    if (i < text.size() && (text[i] == u'+' || text[i] == u'-')) {
        negative = text[i] == u'-';
        ++i;
    }
    const qsizetype firstDigit = i;
    qint64 magnitude = 0;
    for (; i < text.size() && text[i] >= u'0' && text[i] <= u'9'; ++i) {
        if (magnitude <= qint64(INT_MAX) + 1)
            magnitude = magnitude * 10 + (text[i].unicode() - u'0');
    }
    if (i == firstDigit)
        return std::nullopt;
    const qint64 signedValue = negative ? -magnitude : magnitude;
    return int(qBound(qint64(INT_MIN), signedValue, qint64(INT_MAX)));
}

// Like parseLeadingInt, for a decimal number with optional fraction and exponent.
// Independent of the C locale, so "0.5" reads the same everywhere.
std::optional<double> parseLeadingDouble(const QString& text)
{
    QByteArray bytes = text.mid(skipSpaces(text)).toLatin1();
    if (bytes.startsWith('+') && !bytes.startsWith("+-"))
        bytes.remove(0, 1);
    double result = 0.0;
    const auto [end, error] = std::from_chars(bytes.constData(), bytes.constData() + bytes.size(),
                                              result, std::chars_format::general);
    if (error != std::errc() || end == bytes.constData() || !std::isfinite(result))
        return std::nullopt;
    return result;
}

int clampToInt(double d)
{
    if (d >= double(INT_MAX))
        return INT_MAX;
    if (d <= double(INT_MIN))
        return INT_MIN;
    return int(d);
}

} // namespace

int Prefs::intValue(const QString& key, int defaultValue) const
{
    const QVariant v = value(key);
    if (!v.isValid())
        return defaultValue;
    if (v.typeId() == QMetaType::Bool)
        return v.toBool() ? 1 : 0;
    if (isFloatType(v)) {
        const double d = v.toDouble();
        return std::isnan(d) ? defaultValue : clampToInt(d);
    }
    if (!isTextType(v)) {
        bool ok = false;
        const qlonglong n = v.toLongLong(&ok);
        if (ok)
            return int(qBound(qlonglong(INT_MIN), n, qlonglong(INT_MAX)));
    }
    return parseLeadingInt(v.toString()).value_or(defaultValue);
}

bool Prefs::boolValue(const QString& key, bool defaultValue) const
{
    const QVariant v = value(key);
    if (!v.isValid())
        return defaultValue;
    if (v.typeId() == QMetaType::Bool)
        return v.toBool();
    if (isFloatType(v))
        return v.toDouble() != 0.0;
    if (!isTextType(v)) {
        bool ok = false;
        const qlonglong n = v.toLongLong(&ok);
        if (ok)
            return n != 0;
    }
    const QString text = v.toString().trimmed().toLower();
    if (text == u"true" || text == u"yes")
        return true;
    if (text == u"false" || text == u"no")
        return false;
    if (const auto n = parseLeadingInt(text))
        return *n != 0;
    return defaultValue;
}

double Prefs::doubleValue(const QString& key, double defaultValue) const
{
    const QVariant v = value(key);
    if (!v.isValid())
        return defaultValue;
    if (v.typeId() == QMetaType::Bool)
        return v.toBool() ? 1.0 : 0.0;
    if (!isTextType(v)) {
        bool ok = false;
        const double d = v.toDouble(&ok);
        if (ok)
            return d;
    }
    return parseLeadingDouble(v.toString()).value_or(defaultValue);
}

QString Prefs::stringValue(const QString& key, const QString& defaultValue) const
{
    const QVariant v = value(key);
    return v.isValid() ? v.toString() : defaultValue;
}

} // namespace partivo
