#include "midi/MidiDest.h"

#include "midi/MidiBytes.h"
#include "midi/MidiPrefKeys.h"
#include "midi/MidiTexts.h"
#include "platform/Prefs.h"

namespace partivo {

namespace {

struct TextField {
    const char* keyPrefix;
    QString MidiDest::*field;
};
struct IntField {
    const char* keyPrefix;
    int MidiDest::*field;
};

constexpr TextField kTextFields[] = {
    {kDestIdKey, &MidiDest::idDest},
    {kDestDescrKey, &MidiDest::destDescr},
};
constexpr IntField kIntFields[] = {
    {kDestSendTypeKey, &MidiDest::sendType},   {kDestChannelKey, &MidiDest::channel},
    {kDestDeviceUidKey, &MidiDest::deviceUID}, {kDestEntityUidKey, &MidiDest::entityUID},
    {kDestSourceUidKey, &MidiDest::sourceUID}, {kDestUidKey, &MidiDest::destUID},
};

} // namespace

MidiDest MidiDest::initWithIndex(int index)
{
    MidiDest dest;
    dest.index = index;
    dest.idDest = QLatin1String(kNewDestPrefix) + QString::number(index);
    return dest;
}

QList<MidiDest> MidiDest::defaultList()
{
    QList<MidiDest> list;
    for (int channel = 0; channel <= kChannelCount; ++channel) {
        MidiDest dest;
        dest.index = channel;
        dest.channel = channel;
        dest.idDest = channel == 0 ? QString::fromLatin1(kAllChannelsDestName)
                                   : QLatin1String(kChannelDestPrefix) + QString::number(channel);
        list.append(dest);
    }
    return list;
}

void MidiDest::save(Prefs& prefs) const
{
    for (const TextField& f : kTextFields)
        prefs.setValue(keyOf(f.keyPrefix, index), this->*f.field);
    for (const IntField& f : kIntFields)
        prefs.setValue(keyOf(f.keyPrefix, index), this->*f.field);
}

void MidiDest::load(const Prefs& prefs)
{
    for (const TextField& f : kTextFields)
        this->*f.field = prefs.stringValue(keyOf(f.keyPrefix, index), this->*f.field);
    for (const IntField& f : kIntFields)
        this->*f.field = prefs.intValue(keyOf(f.keyPrefix, index), this->*f.field);
}

} // namespace partivo
