#include "midi/MidiLastInstructions.h"

#include "midi/Midi.h"
#include "platform/Timers.h"

#include <QRegularExpression>

namespace partivo {

namespace {

constexpr qint64 kRecentMs = 1000;

} // namespace

MidiLastInstructions midiLastInstructions(const Midi& midi)
{
    const MidiLastReceived& last = midi.lastReceived();
    const qint64 now = midi.timers.nowMs();
    MidiLastInstructions out;
    const bool anyMessage =
        last.timeLastProgramChange != kNeverMs || last.timeLastControlMessage != kNeverMs;
    if (!anyMessage)
        return out;
    const QString sender = midi.obtenirChannelID(last.lastChannel, last.lastSourceRef);
    out.coarseTune = QStringLiteral("CT+0@%1").arg(sender);
    if (last.timeLastProgramChange != kNeverMs || last.nbLastEvents >= 2) {
        if (last.nbLastEvents >= 2) {
            out.programTitle = QStringLiteral("(%1 events)@%2").arg(last.nbLastEvents).arg(sender);
            out.programInsert = last.lastEvents.mid(last.lastEvents.startsWith(u'\n') ? 1 : 0);
        } else {
            // A bank MSB a second or more old no longer belongs to the program change.
            const bool msb = last.lastMSBValue >= 1 && now - last.timeLastMSB < kRecentMs;
            out.programTitle = msb ? QStringLiteral("%1.%2:%3@%4")
                                         .arg(last.lastMSBValue)
                                         .arg(last.lastLSBValue)
                                         .arg(last.lastProgramChangeValue)
                                         .arg(sender)
                                   : QStringLiteral("%1:%2@%3")
                                         .arg(last.lastLSBValue)
                                         .arg(last.lastProgramChangeValue)
                                         .arg(sender);
            out.programInsert = out.programTitle;
        }
        if (!out.programInsert.endsWith(u'\n'))
            out.programInsert += u'\n';
        out.programRecent = now - last.timeLastProgramChange < kRecentMs;
    }
    if (last.timeLastControlMessage != kNeverMs) {
        out.controlChange = QStringLiteral("CC%1:%2@%3")
                                .arg(last.lastControlMessageValue1)
                                .arg(last.lastControlMessageValue2)
                                .arg(sender);
        out.controlRecent = now - last.timeLastControlMessage < kRecentMs;
    }
    return out;
}

const QStringList& midiInstructionKeywords()
{
    static const QStringList words{QStringLiteral("CC"),    QStringLiteral("CT"),
                                   QStringLiteral("TR"),    QStringLiteral("MIDI"),
                                   QStringLiteral("SYSEX"), QStringLiteral("Tempo")};
    return words;
}

QStringList midiInstructionCompletions(const Midi& midi)
{
    QStringList words = midiInstructionKeywords();
    for (const MidiFavEvent& fav : midi.MIDIfav) {
        if (!fav.favEventID.trimmed().isEmpty())
            words << QStringLiteral("MIDI ") + fav.favEventID.trimmed();
    }
    for (const MidiDest& dest : midi.MIDIdestinations) {
        if (!dest.idDest.trimmed().isEmpty())
            words << u'@' + dest.idDest.trimmed();
    }
    words.removeDuplicates();
    words.sort(Qt::CaseInsensitive);
    return words;
}

QString completionWord(const QString& textBeforeCursor)
{
    static const QRegularExpression group(QStringLiteral("(?:^|\\s)(MIDI [^\\s]*)$"),
                                          QRegularExpression::CaseInsensitiveOption);
    if (const auto m = group.match(textBeforeCursor); m.hasMatch())
        return m.captured(1);
    const qsizetype blank = textBeforeCursor.lastIndexOf(QRegularExpression(QStringLiteral("\\s")));
    const QString word = textBeforeCursor.mid(blank + 1);
    const qsizetype at = word.lastIndexOf(u'@');
    return at >= 0 ? word.mid(at) : word;
}

QStringList completionsFor(const QStringList& completions, const QString& word)
{
    if (word.isEmpty())
        return {};
    QStringList found;
    for (const QString& c : completions) {
        if (c.startsWith(word, Qt::CaseInsensitive) && c.size() > word.size())
            found << c;
    }
    return found;
}

} // namespace partivo
