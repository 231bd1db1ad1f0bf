#include "chordpro/ChordProMeta.h"

#include "chordpro/SpacesTabs.h"

#include <array>

namespace partivo::chordpro {

namespace {

bool sameLetterIgnoringCase(QChar a, QChar b)
{
    return a == b || a.toUpper() == b.toUpper();
}

qsizetype skipSpacesTabs(QStringView text, qsizetype at)
{
    while (at < text.size() && isSpaceOrTab(text[at]))
        ++at;
    return at;
}

// The opener "{name:" split into its name; empty when the opener has another form.
QStringView openerName(QStringView directive)
{
    if (directive.size() < 3 || directive.front() != u'{' || directive.back() != u':')
        return {};
    return directive.sliced(1, directive.size() - 2);
}

// Position right after the first opener in the text, or -1.
qsizetype findValueStart(QStringView text, QStringView directive)
{
    const QStringView name = openerName(directive);
    if (name.isEmpty()) {
        const qsizetype at = text.indexOf(directive, 0, Qt::CaseInsensitive);
        return at < 0 ? -1 : at + directive.size();
    }
    for (qsizetype brace = text.indexOf(u'{'); brace >= 0; brace = text.indexOf(u'{', brace + 1)) {
        const qsizetype start = valueStartAfterName(text, brace + 1, name);
        if (start >= 0)
            return start;
    }
    return -1;
}

// Leading digits after optional spaces and a sign; 0 when there are none.
int leadingInt(QStringView text)
{
    qsizetype i = skipSpacesTabs(text, 0);
    bool negative = false;
    if (i < text.size() && (text[i] == u'+' || text[i] == u'-'))
        negative = text[i++] == u'-';
    int value = 0;
    for (; i < text.size() && text[i] >= u'0' && text[i] <= u'9' && value < 100000; ++i)
        value = value * 10 + (text[i].unicode() - u'0');
    return negative ? -value : value;
}

// The size written in a fontsize value, or nothing when it is out of range.
std::optional<double> parseFontSize(QStringView value)
{
    QStringView integerPart = value;
    int tenths = 0;
    const qsizetype point = value.indexOf(u'.');
    if (point > 0) {
        integerPart = value.first(point);
        if (point + 1 < value.size()) {
            const QChar digit = value[point + 1];
            if (digit >= u'0' && digit <= u'9')
                tenths = digit.unicode() - u'0';
        }
    }
    if (integerPart.size() > 2)
        return std::nullopt;
    const int whole = leadingInt(integerPart);
    if (whole < 1)
        return std::nullopt;
    return whole + tenths / 10.0;
}

} // namespace

qsizetype valueStartAfterName(QStringView text, qsizetype from, QStringView name)
{
    qsizetype at = skipSpacesTabs(text, from);
    if (name.isEmpty() || text.size() - at < name.size())
        return -1;
    for (const QChar letter : name) {
        if (!sameLetterIgnoringCase(text[at], letter))
            return -1;
        ++at;
    }
    at = skipSpacesTabs(text, at);
    if (at >= text.size() || text[at] != u':')
        return -1;
    return at + 1;
}

bool isMetadataDirective(QStringView directiveText)
{
    static const std::array<QStringView, 7> names = {u"title", u"t", u"subtitle", u"st",
                                                     u"key",   u"k", u"fontsize"};
    for (const QStringView name : names) {
        if (valueStartAfterName(directiveText, 0, name) >= 0)
            return true;
    }
    return false;
}

std::optional<QString> obtenirChaine(const QString& text, const QString& directive)
{
    if (directive.isEmpty())
        return std::nullopt;
    const qsizetype start = findValueStart(text, directive);
    if (start < 0)
        return std::nullopt;
    const qsizetype close = text.indexOf(u'}', start);
    if (close < 0)
        return std::nullopt;
    return text.sliced(start, close - start);
}

TitreSousTitreCle determinerTitreSousTitreCle(const QString& text)
{
    const auto firstOf = [&text](const QString& longOpener, const QString& shortOpener) {
        std::optional<QString> value = obtenirChaine(text, longOpener);
        if (!value)
            value = obtenirChaine(text, shortOpener);
        // A value split over lines keeps no line ends: a title is never multi-line.
        return value ? value->trimmed() : QString();
    };
    return {firstOf(QStringLiteral("{title:"), QStringLiteral("{t:")),
            firstOf(QStringLiteral("{subtitle:"), QStringLiteral("{st:")),
            firstOf(QStringLiteral("{key:"), QStringLiteral("{k:"))};
}

double obtenirFontSize(const QString& text, double defaultSize)
{
    const std::optional<QString> value = obtenirChaine(text, QStringLiteral("{fontsize:"));
    if (!value)
        return defaultSize;
    const QStringView trimmed = trimSpacesTabs(*value);
    if (trimmed.isEmpty())
        return defaultSize;
    return parseFontSize(trimmed).value_or(defaultSize);
}

} // namespace partivo::chordpro
