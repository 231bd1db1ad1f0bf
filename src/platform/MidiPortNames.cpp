#include "platform/MidiPortNames.h"

#include <QRegularExpression>

namespace partivo {

QString cleanMidiPortName(const QString& name)
{
    // ALSA port names end in " <client>:<port>".
    static const QRegularExpression trailingAddress(QStringLiteral("\\s+\\d+:\\d+\\s*$"));
    QString cleaned = name;
    cleaned.remove(trailingAddress);
    return cleaned.trimmed();
}

qint32 stableMidiId(const QString& portName)
{
    // 32-bit FNV-1a over the UTF-8 bytes, digits skipped.
    constexpr quint32 kOffsetBasis = 2166136261u;
    constexpr quint32 kPrime = 16777619u;
    quint32 hash = kOffsetBasis;
    const QByteArray utf8 = portName.toUtf8();
    for (const char c : utf8) {
        if (c >= '0' && c <= '9')
            continue;
        hash ^= quint8(c);
        hash *= kPrime;
    }
    if (hash == 0)
        hash = kOffsetBasis;
    return qint32(hash);
}

bool isOwnMidiPort(const QString& portName)
{
    // Ports are listed as "<client name>:<port name>" (ALSA adds " <client>:<port>").
    const QString cleaned = cleanMidiPortName(portName);
    const qsizetype colon = cleaned.indexOf(u':');
    const QString client = colon < 0 ? QString() : cleaned.left(colon).trimmed();
    const QString port = (colon < 0 ? cleaned : cleaned.mid(colon + 1)).trimmed();
    // JACK renames a second client of the same name "Partivo-01", "Partivo-02", ...
    static const QRegularExpression ownClient(
        QStringLiteral("^%1(-\\d+)?$").arg(QRegularExpression::escape(kOwnClientName)));
    return ownClient.match(client).hasMatch() || port == QLatin1String(kOwnInputPortName) ||
           port == QLatin1String(kOwnOutputPortName);
}

} // namespace partivo
