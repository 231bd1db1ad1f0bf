#include "midi/MidiFavEvent.h"

#include "midi/MidiPrefKeys.h"
#include "midi/MidiTexts.h"
#include "platform/Prefs.h"

namespace partivo {

namespace {

struct TextField {
    const char* keyPrefix;
    QString MidiFavEvent::*field;
};

constexpr TextField kFields[] = {
    {kFavIdKey, &MidiFavEvent::favEventID},
    {kFavDescrKey, &MidiFavEvent::favEventDescr},
    {kFavTextKey, &MidiFavEvent::favEventTx},
};

} // namespace

MidiFavEvent MidiFavEvent::initWithIndex(int index)
{
    MidiFavEvent fav;
    fav.index = index;
    fav.favEventID = QLatin1String(kNewFavPrefix) + QString::number(index);
    return fav;
}

MidiFavEvent MidiFavEvent::defaultGroup()
{
    MidiFavEvent fav;
    fav.favEventID = QString::fromLatin1(kDefaultGroupId);
    fav.favEventDescr = QString::fromLatin1(kDefaultGroupDescr);
    return fav;
}

void MidiFavEvent::save(Prefs& prefs) const
{
    for (const TextField& f : kFields)
        prefs.setValue(keyOf(f.keyPrefix, index), this->*f.field);
}

void MidiFavEvent::load(const Prefs& prefs)
{
    for (const TextField& f : kFields)
        this->*f.field = prefs.stringValue(keyOf(f.keyPrefix, index));
}

} // namespace partivo
