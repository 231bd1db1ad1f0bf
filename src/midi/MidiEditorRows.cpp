// Endpoint labels and list items shared by the MIDI editors.
#include "midi/MidiEditorRows.h"

namespace partivo {

namespace {

const QString& onlineMark()
{
    static const QString mark = QStringLiteral("✅ ");
    return mark;
}

const QString& offlineMark()
{
    static const QString mark = QStringLiteral("⚠️ ");
    return mark;
}

} // namespace

QString endpointLabel(const MidiEndpoint& endpoint)
{
    if (endpoint.online)
        return onlineMark() + endpoint.name + QLatin1String(kOnlineEnd);
    return offlineMark() + endpoint.name;
}

QString labelWithoutMark(const QString& label)
{
    for (const QString* mark : {&onlineMark(), &offlineMark()}) {
        if (label.startsWith(*mark))
            return label.mid(mark->size());
    }
    // An unknown mark: two characters, as the labels of other systems have.
    return label.size() < 3 ? QString() : label.mid(2);
}

QString missingEndpointItem(const QString& storedLabel)
{
    QString text = storedLabel;
    const QString online = QString::fromUtf8(kOnlineEnd);
    if (text.endsWith(online))
        text.chop(online.size());
    if (text.isEmpty())
        text = QStringLiteral("???");
    return QString::fromUtf8(kMissingMark) + text;
}

ChoiceList endpointChoices(const char* first, const char* second,
                           const QList<MidiEndpoint>& endpoints, int mode, qint32 uid,
                           const QString& storedLabel)
{
    ChoiceList list;
    list.items = {QString::fromUtf8(first), QString::fromUtf8(second)};
    for (const MidiEndpoint& endpoint : endpoints)
        list.items.append(endpointLabel(endpoint));
    if (mode == 0 || mode == 1) {
        list.selected = mode;
        return list;
    }
    for (int i = 0; i < endpoints.size(); ++i) {
        if (endpoints[i].uid == uid) {
            list.selected = 2 + i;
            return list;
        }
    }
    list.items.append(missingEndpointItem(storedLabel));
    list.selected = int(list.items.size()) - 1;
    list.missingItem = true;
    return list;
}

QString oneBasedHint(int msb, int lsb, int program)
{
    QStringList parts;
    if (msb >= 0)
        parts.append(QStringLiteral("MSB %1 = %2").arg(msb).arg(msb + 1));
    if (lsb >= 0)
        parts.append(QStringLiteral("LSB %1 = %2").arg(lsb).arg(lsb + 1));
    if (program >= 0)
        parts.append(QStringLiteral("PC %1 = %2").arg(program).arg(program + 1));
    if (parts.isEmpty())
        return QString();
    return parts.join(QLatin1String(", ")) + QLatin1String(" on a 1-based device");
}

} // namespace partivo
