#pragma once

#include "MidiRig.h"

#include <QMutex>
#include <QStringList>

namespace partivo {

// Collects warning lines, from any thread, while alive.
class WarningLines {
public:
    WarningLines()
    {
        const QMutexLocker lock(&mutex());
        lines().clear();
        previous_ = qInstallMessageHandler(
            [](QtMsgType type, const QMessageLogContext&, const QString& message) {
                if (type != QtWarningMsg)
                    return;
                const QMutexLocker lock(&mutex());
                lines().append(message);
            });
    }
    ~WarningLines() { qInstallMessageHandler(previous_); }
    WarningLines(const WarningLines&) = delete;
    WarningLines& operator=(const WarningLines&) = delete;

    QStringList taken() const
    {
        const QMutexLocker lock(&mutex());
        return lines();
    }

private:
    static QStringList& lines()
    {
        static QStringList list;
        return list;
    }
    static QMutex& mutex()
    {
        static QMutex m;
        return m;
    }
    QtMessageHandler previous_;
};

// A started engine with two connected sources, no triggers, and a record of what it posts.
struct TrigRig : MidiRig {
    static constexpr qint32 kPedal = 7;
    static constexpr qint32 kKeys = 8;
    QStringList posted; // "<name> <param>"

    explicit TrigRig(std::function<void()> wake = {})
    {
        backend.setSources({{kPedal, "pedal", true}, {kKeys, "keys", true}});
        midi.setActionPoster([this](const QString& name, const QVariant& param) {
            posted.append(name + u' ' + param.toString());
        });
        if (wake)
            midi.setWake(std::move(wake));
        midi.iniMidi();
        midi.MIDItriggers.clear();
        midi.refreshTrigFiltreChannel();
    }

    // Appends a trigger and rebuilds the table; answers its index.
    int addTrig(int type, int channel, int v1, int v2, int v3, int action,
                const QString& text = QString(), int sourceMode = MidiTrig::AnySource,
                qint32 source = 0)
    {
        MidiTrig t = MidiTrig::initWithIndex(int(midi.MIDItriggers.size()));
        t.sourceType = type;
        t.channel = channel;
        t.sourceVal1 = v1;
        t.sourceVal2 = v2;
        t.sourceVal3 = v3;
        t.actionType = action;
        t.actionTxt = text;
        t.sourceMode = sourceMode;
        t.sourceUID = source;
        midi.MIDItriggers.append(t);
        midi.refreshTrigFiltreChannel();
        return t.index;
    }

    // Hands each message ("B0 40 7F") to the receiver as the source's own call.
    void send(qint32 source, const QStringList& messages)
    {
        for (const QString& m : messages)
            backend.inject(source, QByteArray::fromHex(m.toLatin1()));
    }

    // Works the trigger queue off on the clock: what each processed message did.
    QList<MidiTrigStep> process()
    {
        QList<MidiTrigStep> steps;
        while (!midi.MIDItriggersIn().isEmpty() &&
               timers.isActive(QLatin1String(kMidiTrigInTimer))) {
            timers.advance(kTrigInIntervalMs);
            steps.append(midi.lastTrigStep());
        }
        return steps;
    }

    // The triggers fired per processed message.
    QList<QList<int>> firedPerMessage()
    {
        QList<QList<int>> fired;
        for (const MidiTrigStep& step : process())
            fired.append(step.fired);
        return fired;
    }

    // The trigger actions of the processed messages as "<name> <param>".
    QStringList actionsOf(const QList<MidiTrigStep>& steps)
    {
        QStringList lines;
        for (const MidiTrigStep& step : steps) {
            for (const RemoteAction& a : step.actions)
                lines.append(a.name + u' ' + a.param.toString());
        }
        return lines;
    }
};

} // namespace partivo
