#include "cli/NavigateMidi.h"

#include "app/Controller.h"
#include "midi/Midi.h"
#include "platform/LoopbackMidi.h"
#include "platform/ManualTimers.h"
#include "platform/MidiPortNames.h"

#include <QRegularExpression>

namespace partivo::cli {

bool parseMidiHex(const QString& text, QByteArray& bytes, QString& error)
{
    static const QRegularExpression separators(QStringLiteral("[\\s,]+"));
    static const QRegularExpression hexByte(QStringLiteral("^[0-9A-Fa-f]{1,2}$"));
    bytes.clear();
    for (const QString& part : text.split(separators, Qt::SkipEmptyParts)) {
        if (!hexByte.match(part).hasMatch()) {
            error = QStringLiteral("'%1' is not a hex byte").arg(part);
            return false;
        }
        bytes.append(char(part.toInt(nullptr, 16)));
    }
    if (bytes.isEmpty()) {
        error = QStringLiteral("a MIDI message needs at least one byte");
        return false;
    }
    const auto status = quint8(bytes[0]);
    if (status < 0x80) {
        error = QStringLiteral("a MIDI message starts with a status byte (80 to FF)");
        return false;
    }
    if (status < 0xF0 && bytes.size() > 3) {
        error = QStringLiteral("a channel message has at most 3 bytes");
        return false;
    }
    return true;
}

NavigateStep midiStep(const QString& word, QString& error)
{
    const QString body = word.mid(5);
    const qsizetype at = body.lastIndexOf(u'@');
    const QString hex = at < 0 ? body : body.left(at);
    const QString source = at < 0 ? QString::fromLatin1(kPedalSourceName) : body.mid(at + 1);
    QByteArray bytes;
    QString why;
    if (!parseMidiHex(hex, bytes, why)) {
        error = QStringLiteral("malformed word '%1': %2").arg(word, why);
        return {};
    }
    if (source.isEmpty()) {
        error = QStringLiteral("malformed word '%1': no source name after '@'").arg(word);
        return {};
    }
    return [bytes, source](Controller& c, ManualTimers& timers) {
        auto* loopback = dynamic_cast<LoopbackMidi*>(&c.midi().backend);
        if (!loopback)
            return;
        qint32 uid = 0;
        if (source == QLatin1String(kOwnInputPortName)) {
            uid = loopback->ownInputUid();
        } else {
            // A source met for the first time is plugged in and connected.
            uid = stableMidiId(source);
            QList<MidiEndpoint> sources = loopback->sources();
            if (std::none_of(sources.begin(), sources.end(),
                             [uid](const MidiEndpoint& e) { return e.uid == uid; })) {
                sources.append({uid, source, true});
                loopback->setSources(sources);
                c.midi().registerInputDevices();
            }
        }
        loopback->inject(uid, bytes);
        timers.advance(kTrigInIntervalMs); // the processing step of the queued message
    };
}

} // namespace partivo::cli
