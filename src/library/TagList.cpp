#include "library/TagList.h"

#include "platform/Prefs.h"

namespace partivo {

namespace {

QStringList nonEmpty(const QStringList& tags)
{
    QStringList kept;
    for (const QString& tag : tags) {
        const QString t = tag.trimmed();
        if (!t.isEmpty())
            kept << t;
    }
    return kept;
}

} // namespace

QStringList chargerTags(Prefs& prefs)
{
    const QString key = QLatin1String(kTagListKey);
    if (!prefs.contains(key)) {
        const QStringList first{QStringLiteral("⭐️"), QStringLiteral("Pop"),
                                QStringLiteral("Rock"),   QStringLiteral("Blues"),
                                QStringLiteral("Funk"),   QStringLiteral("Jazz")};
        sauvegarderTags(prefs, first);
        return first;
    }
    return nonEmpty(prefs.stringValue(key).split(QLatin1Char('\n')));
}

void sauvegarderTags(Prefs& prefs, const QStringList& tags)
{
    QString text;
    for (const QString& tag : nonEmpty(tags))
        text += tag + QLatin1Char('\n');
    prefs.setValue(QLatin1String(kTagListKey), text);
}

} // namespace partivo
