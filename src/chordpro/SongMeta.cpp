#include "chordpro/SongMeta.h"

namespace partivo::chordpro {

namespace {

// Substitutions nest at most this deep; deeper ones are left as written.
constexpr int kMaxDepth = 8;

// The index of the "}" that closes the "%{" whose body starts at `from`, or -1.
qsizetype closingBrace(QStringView text, qsizetype from)
{
    int depth = 0;
    for (qsizetype i = from; i < text.size(); ++i) {
        if (text[i] == u'{')
            ++depth;
        else if (text[i] == u'}' && depth-- == 0)
            return i;
    }
    return -1;
}

// The "|" at the top level of a body (not inside a nested "%{...}"), from `from`; -1 if none.
qsizetype topLevelBar(QStringView body, qsizetype from)
{
    int depth = 0;
    for (qsizetype i = from; i < body.size(); ++i) {
        if (body[i] == u'{')
            ++depth;
        else if (body[i] == u'}')
            --depth;
        else if (body[i] == u'|' && depth == 0)
            return i;
    }
    return -1;
}

QString substitute(QStringView text, const SongMeta& meta, const QString* current, int depth);

QString expand(QStringView body, const SongMeta& meta, const QString* current, int depth)
{
    const qsizetype bar = topLevelBar(body, 0);
    const QString name = (bar < 0 ? body : body.first(bar)).trimmed().toString().toLower();
    if (name.isEmpty())
        return current ? *current : QString();
    const bool present = meta.contains(name);
    const QString value = meta.value(name);
    if (bar < 0)
        return value;
    const qsizetype secondBar = topLevelBar(body, bar + 1);
    const QStringView presentPart =
        secondBar < 0 ? body.sliced(bar + 1) : body.sliced(bar + 1, secondBar - bar - 1);
    if (present && !value.isEmpty())
        return substitute(presentPart, meta, &value, depth + 1);
    return secondBar < 0 ? QString()
                         : substitute(body.sliced(secondBar + 1), meta, current, depth + 1);
}

QString substitute(QStringView text, const SongMeta& meta, const QString* current, int depth)
{
    if (depth > kMaxDepth)
        return text.toString();
    QString out;
    qsizetype copied = 0;
    for (qsizetype at = text.indexOf(u"%{"); at >= 0; at = text.indexOf(u"%{", copied)) {
        const qsizetype close = closingBrace(text, at + 2);
        if (close < 0)
            break;
        out += text.sliced(copied, at - copied);
        out += expand(text.sliced(at + 2, close - at - 2), meta, current, depth);
        copied = close + 1;
    }
    out += text.sliced(copied);
    return out;
}

} // namespace

void SongMeta::add(const QString& name, const QString& value)
{
    entries_.append({name.toLower(), value});
}

bool SongMeta::contains(const QString& name) const
{
    for (const Entry& entry : entries_) {
        if (entry.name == name)
            return true;
    }
    return false;
}

QString SongMeta::value(const QString& name) const
{
    QStringList values;
    for (const Entry& entry : entries_) {
        if (entry.name == name && !values.contains(entry.value))
            values.append(entry.value);
    }
    return values.join(QStringLiteral(", "));
}

QString SongMeta::first(const QString& name) const
{
    for (const Entry& entry : entries_) {
        if (entry.name == name && !entry.value.isEmpty())
            return entry.value;
    }
    return QString();
}

QString substituteMeta(QStringView text, const SongMeta& meta)
{
    if (!text.contains(u"%{"))
        return text.toString();
    return substitute(text, meta, nullptr, 0);
}

} // namespace partivo::chordpro
