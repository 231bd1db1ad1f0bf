#include "midi/MidiTrig.h"

#include "midi/MidiPrefKeys.h"
#include "platform/Prefs.h"

namespace partivo {

namespace {

struct TextField {
    const char* keyPrefix;
    QString MidiTrig::*field;
};
struct IntField {
    const char* keyPrefix;
    int MidiTrig::*field;
};

constexpr TextField kTextFields[] = {
    {kTrigSourceDescrKey, &MidiTrig::sourceDescr},
    {kTrigActionTxtKey, &MidiTrig::actionTxt},
};
constexpr IntField kIntFields[] = {
    {kTrigSourceModeKey, &MidiTrig::sourceMode}, {kTrigDeviceUidKey, &MidiTrig::deviceUID},
    {kTrigEntityUidKey, &MidiTrig::entityUID},   {kTrigSourceUidKey, &MidiTrig::sourceUID},
    {kTrigChannelKey, &MidiTrig::channel},       {kTrigSourceTypeKey, &MidiTrig::sourceType},
    {kTrigSourceVal1Key, &MidiTrig::sourceVal1}, {kTrigSourceVal2Key, &MidiTrig::sourceVal2},
    {kTrigSourceVal3Key, &MidiTrig::sourceVal3}, {kTrigActionTypeKey, &MidiTrig::actionType},
};

constexpr int kDefaultTriggerCount = 2;

} // namespace

MidiTrig MidiTrig::initWithIndex(int index)
{
    MidiTrig trig;
    trig.index = index;
    trig.sourceVal1 = -1;
    trig.sourceVal2 = -1;
    trig.sourceVal3 = -1;
    return trig;
}

QList<MidiTrig> MidiTrig::defaultList()
{
    QList<MidiTrig> list;
    for (int i = 0; i < kDefaultTriggerCount; ++i) {
        MidiTrig trig;
        trig.index = i;
        trig.channel = 1;
        list.append(trig);
    }
    return list;
}

void MidiTrig::save(Prefs& prefs) const
{
    for (const TextField& f : kTextFields)
        prefs.setValue(keyOf(f.keyPrefix, index), this->*f.field);
    for (const IntField& f : kIntFields)
        prefs.setValue(keyOf(f.keyPrefix, index), this->*f.field);
}

void MidiTrig::load(const Prefs& prefs)
{
    for (const TextField& f : kTextFields)
        this->*f.field = prefs.stringValue(keyOf(f.keyPrefix, index), this->*f.field);
    for (const IntField& f : kIntFields)
        this->*f.field = prefs.intValue(keyOf(f.keyPrefix, index), this->*f.field);
}

} // namespace partivo
