// The triggers of Midi: the stored records, the incoming trigger queue and its processing,
// matching through the look-up table and running the actions.
#include "midi/Midi.h"

#include "midi/MidiPrefKeys.h"
#include "platform/MidiBackend.h"
#include "platform/MidiPortNames.h"
#include "platform/Prefs.h"
#include "platform/Timers.h"

#include <QDebug>

namespace partivo {

void Midi::chargerTriggers()
{
    const int count = prefs.intValue(QLatin1String(kTrigCountKey));
    if (count <= 0) {
        MIDItriggers = MidiTrig::defaultList();
    } else {
        MIDItriggers.clear();
        for (int i = 0; i < count; ++i) {
            MidiTrig trig;
            trig.index = i;
            trig.load(prefs);
            MIDItriggers.append(trig);
        }
    }
    refreshTrigFiltreChannel();
}

void Midi::creerTriggers()
{
    MIDItriggers.append(MidiTrig::initWithIndex(int(MIDItriggers.size())));
    refreshTrigFiltreChannel();
}

bool Midi::supprimerTriggersForIndex(int index)
{
    if (index < 0 || index >= MIDItriggers.size())
        return false;
    MIDItriggers.removeAt(index);
    for (int i = 0; i < MIDItriggers.size(); ++i)
        MIDItriggers[i].index = i;
    refreshTrigFiltreChannel();
    return true;
}

void Midi::sauvegarderTriggers()
{
    for (int i = 0; i < MIDItriggers.size(); ++i) {
        MIDItriggers[i].index = i;
        MIDItriggers[i].save(prefs);
    }
    prefs.setValue(QLatin1String(kTrigCountKey), int(MIDItriggers.size()));
    prefs.sync();
    refreshTrigFiltreChannel();
}

void Midi::refreshTrigFiltreChannel()
{
    trigTable_.rebuild(MIDItriggers);
}

bool Midi::commitLearned(int index)
{
    if (index < 0 || index >= MIDItriggers.size() || !learned_.filled)
        return false;
    MidiTrig& trig = MIDItriggers[index];
    trig.sourceMode = MidiTrig::AnySource;
    trig.deviceUID = 0;
    trig.entityUID = 0;
    trig.sourceUID = 0;
    trig.sourceDescr.clear();
    // The program's own input is not among the listed sources, but a trigger learned from
    // it must name it: "any source" does not hear it.
    if (PartivoUIDin != 0 && learned_.sourceRef == PartivoUIDin) {
        trig.sourceMode = MidiTrig::OneSource;
        trig.sourceUID = PartivoUIDin;
        trig.sourceDescr = QString::fromLatin1(kOwnInputPortName);
    } else {
        for (const MidiEndpoint& source : backend.sources()) {
            if (source.uid != learned_.sourceRef)
                continue;
            trig.sourceMode = MidiTrig::OneSource;
            trig.sourceUID = source.uid;
            trig.sourceDescr = source.name;
            break;
        }
    }
    trig.channel = learned_.sourceChannel + 1;
    trig.sourceType = learned_.sourceType;
    trig.sourceVal1 = learned_.sourceVal1;
    trig.sourceVal2 = learned_.sourceVal2;
    trig.sourceVal3 = learned_.sourceVal3;
    listenTrigSourceOn = false;
    refreshTrigFiltreChannel();
    return true;
}

void Midi::keepMidiTrigIn(const MidiTrigIn& in)
{
    if (!midiOk || MIDItriggers.isEmpty())
        return;
    if (MIDItriggersIn_.push(in))
        qWarning("Midi keepMidiTrigIn: more than %d incoming messages wait for the triggers; "
                 "the oldest are dropped",
                 kMaxIncomingQueued);
    processMidiTrigIn();
}

// One timer for the whole queue: restarting it on every arrival would hold a steady stream
// back for as long as it lasts.
void Midi::processMidiTrigIn()
{
    if (timers.isActive(QLatin1String(kMidiTrigInTimer)))
        return;
    timers.start(QLatin1String(kMidiTrigInTimer), kTrigInIntervalMs, false,
                 [this] { processOneMidiTrigIn(); });
}

void Midi::processOneMidiTrigIn()
{
    // An action that runs an event loop of its own may bring the timer round again; the
    // running call re-arms it when it is done.
    if (trigInEnTraitement_ || MIDItriggersIn_.isEmpty())
        return;
    trigInEnTraitement_ = true;
    const MidiTrigIn in = MIDItriggersIn_.takeFirst();
    processTrigIn(in);
    trigInEnTraitement_ = false;
    if (!MIDItriggersIn_.isEmpty())
        processMidiTrigIn();
}

void Midi::processTrigIn(const MidiTrigIn& in)
{
    lastTrigStep_ = MidiTrigStep{};
    lastTrigStep_.message = in;
    lastTrigStep_.processed = true;
    ++trigSteps_;
    // A bend fires once per excursion: again only after the wheel went through the centre.
    if (in.sourceType == TrigPitchBend && lastProcessed_ &&
        lastProcessed_->sourceType == TrigPitchBend) {
        const int direction = trigLookupValue(TrigPitchBend, in.sourceVal1, in.sourceVal2, -1);
        const int lastDirection = trigLookupValue(TrigPitchBend, lastProcessed_->sourceVal1,
                                                  lastProcessed_->sourceVal2, -1);
        if (direction >= 0 && direction == lastDirection) {
            lastTrigStep_.debounced = true;
            return;
        }
    }
    lastProcessed_ = in;

    // Copies: an action may change the triggers while the others still run.
    QList<std::pair<int, MidiTrig>> hits;
    for (int index : trigTable_.match(in, PartivoUIDin)) {
        if (index < MIDItriggers.size())
            hits.append({index, MIDItriggers[index]});
    }
    for (const auto& [index, trig] : std::as_const(hits)) {
        lastTrigStep_.fired.append(index);
        const TrigEffects effects = trigActionEffects(
            trig.actionType, trig.actionTxt, in.sourceVal2, in.sourceVal1 - trig.sourceVal1);
        for (const RemoteAction& action : effects.posts) {
            lastTrigStep_.actions.append(action);
            if (post_)
                post_(action.name, action.param);
        }
        if (!effects.group.isEmpty()) {
            lastTrigStep_.groups.append(effects.group);
            sendGroup(effects.group);
        }
    }
}

void Midi::listMidiTrigIn() const
{
    for (const MidiTrigIn& in : MIDItriggersIn())
        qInfo("Ref:%d Channel:%d Type:%d V1:%d V2:%d V3:%d", in.sourceRef, in.channel,
              in.sourceType, in.sourceVal1, in.sourceVal2, in.sourceVal3);
}

} // namespace partivo
