#include "notes/SongEvents.h"

#include "platform/Commands.h"

namespace partivo {

namespace {

// "mm:ss": ":" as third character and a decimal digit first; the rest of each side is read
// as far as it is a number ("1a:30" is minute 1, second 30).
bool isTime(const QString& word)
{
    return word.size() >= 3 && word[2] == u':' && word[0].isDigit() && word[0].unicode() < 128;
}

// The integer value of the leading digits (after an optional sign), 0 when there are none.
int leadingInt(QStringView text)
{
    text = text.trimmed();
    qsizetype end = 0;
    if (end < text.size() && (text[end] == u'+' || text[end] == u'-'))
        ++end;
    const qsizetype digitsFrom = end;
    while (end < text.size() && text[end] >= u'0' && text[end] <= u'9' && end - digitsFrom < 9)
        ++end;
    return end > digitsFrom ? text.left(end).toInt() : 0;
}

int kindOf(const QString& kindWord)
{
    const QString upper = kindWord.toUpper();
    if (upper.contains(QLatin1String("PAGE")))
        return SongEv::EvPage;
    if (upper.contains(QLatin1String("MESSAGE")))
        return SongEv::EvMessage;
    if (kindWord.contains(u'@'))
        return SongEv::EvMidi;
    if (upper.contains(QLatin1String("MIDI")))
        return SongEv::EvMidiGroup;
    if (upper.contains(QLatin1String("TEMPO")))
        return SongEv::EvTempo;
    return SongEv::EvOther;
}

} // namespace

std::optional<SongEv> chargerSongEventsFromLine(const QString& line, int evNo)
{
    const QStringList words = line.split(u' ');
    SongEv ev = SongEv::initWithIndex(evNo);
    qsizetype at = 0;
    if (isTime(words[0])) {
        const QString& time = words[0];
        ev.timeEv = true;
        ev.mm = leadingInt(QStringView(time).left(2));
        ev.ss = leadingInt(QStringView(time).mid(3));
        at = 1;
        if (words.size() == 1)
            return std::nullopt; // only a time
    }
    const QString kind = words[at];
    const QString argument = at + 1 < words.size() ? words[at + 1] : QString();
    const QString rest = at + 2 < words.size() ? words.mid(at + 2).join(u' ') : QString();
    ev.evType = kindOf(kind);
    if (ev.evType == SongEv::EvOther && kind.isEmpty())
        return std::nullopt;

    const QString kindArgRest = kind + u' ' + argument + u' ' + rest;
    switch (ev.evType) {
    case SongEv::EvPage:
        ev.actionType = rest.toUpper().contains(QLatin1String("BOTTOM")) ? SongEv::ActionPageBottom
                                                                         : SongEv::ActionPage;
        ev.actionTxt = argument;
        break;
    case SongEv::EvMessage:
        ev.actionType = SongEv::ActionMessage;
        ev.actionTxt = argument + u' ' + rest;
        break;
    case SongEv::EvOther:
        ev.actionType = SongEv::ActionMessageStay;
        ev.actionTxt = kindArgRest;
        break;
    default: // MIDI, MIDI group, tempo
        ev.actionType = SongEv::ActionNone;
        ev.actionTxt = kindArgRest;
        break;
    }
    ev.majVal();
    return ev;
}

QList<SongEv> chargerSongEventsFromString(const QString& note)
{
    QList<SongEv> events;
    if (note.isEmpty())
        return events;
    for (const QString& line : note.split(u'\n')) {
        if (auto ev = chargerSongEventsFromLine(line, int(events.size())))
            events.append(*ev);
    }
    return events;
}

QStringList untimedMidiTexts(const QList<SongEv>& events)
{
    QStringList texts;
    for (const SongEv& ev : events) {
        const bool midi = ev.evType == SongEv::EvMidi || ev.evType == SongEv::EvMidiGroup;
        if (midi && !ev.timeEv && !ev.actionTxt.isEmpty())
            texts.append(ev.actionTxt);
    }
    return texts;
}

QList<FiredEvent> processSongEventsUpTo(QList<SongEv>& events, double t)
{
    QList<FiredEvent> fired;
    for (SongEv& ev : events) {
        if (ev.traite || !ev.timeEv || t < ev.val)
            continue;
        ev.traite = true;
        FiredEvent out{&ev, {}, {}, {}};
        if ((ev.evType == SongEv::EvMidi || ev.evType == SongEv::EvMidiGroup) &&
            !ev.actionTxt.isEmpty()) {
            out.midi = ev.actionTxt;
        } else if (ev.actionType == SongEv::ActionMessage ||
                   ev.actionType == SongEv::ActionMessageStay) {
            out.action = QLatin1String(
                ev.actionType == SongEv::ActionMessage ? action::Message : action::MessageStay);
            out.param = ev.actionTxt;
        } else if (ev.actionType == SongEv::ActionPage ||
                   ev.actionType == SongEv::ActionPageBottom) {
            const int page = ev.actionTxt.toInt();
            if (page < 1)
                continue; // counts as fired, turns nothing
            out.action =
                QLatin1String(ev.actionType == SongEv::ActionPage ? action::GoToPageNo
                                                                  : action::GoToPageBottomNo);
            out.param = page;
        } else {
            continue; // a tempo line
        }
        fired.append(out);
    }
    return fired;
}

void resetSongEvents(QList<SongEv>& events)
{
    for (SongEv& ev : events) {
        ev.traite = false;
        ev.majVal();
    }
}

} // namespace partivo
