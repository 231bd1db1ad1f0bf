#include "midi/Midi.h"

#include "midi/MidiPrefKeys.h"
#include "midi/MidiTexts.h"
#include "platform/MidiBackend.h"
#include "platform/Prefs.h"
#include "platform/Timers.h"

namespace partivo {

namespace {

// Gives every record the index of its position.
template <typename Record> void renumber(QList<Record>& list)
{
    for (int i = 0; i < list.size(); ++i)
        list[i].index = i;
}

} // namespace

Midi::Midi(Prefs& prefs, Timers& timers, MidiBackend& backend)
    : prefs(prefs), timers(timers), backend(backend), timeLastLotEvents_(timers.nowMs()),
      alive_(std::make_shared<char>())
{
}

Midi::~Midi()
{
    if (receiving_)
        backend.setReceiver({});
}

void Midi::chargerDestinations()
{
    const int count = prefs.intValue(QLatin1String(kDestCountKey));
    if (count <= 0) {
        MIDIdestinations = MidiDest::defaultList();
        return;
    }
    MIDIdestinations.clear();
    for (int i = 0; i < count; ++i) {
        MidiDest dest;
        dest.index = i;
        dest.load(prefs);
        MIDIdestinations.append(dest);
    }
}

void Midi::creerDestinations()
{
    MIDIdestinations.append(MidiDest::initWithIndex(int(MIDIdestinations.size())));
}

bool Midi::supprimerDestinationsForIndex(int index)
{
    if (index < 0 || index >= MIDIdestinations.size())
        return false;
    MIDIdestinations.removeAt(index);
    renumber(MIDIdestinations);
    return true;
}

void Midi::sauvegarderDestinations()
{
    renumber(MIDIdestinations);
    for (const MidiDest& dest : MIDIdestinations)
        dest.save(prefs);
    prefs.setValue(QLatin1String(kDestCountKey), int(MIDIdestinations.size()));
    prefs.sync();
}

void Midi::chargerFav()
{
    const int count = prefs.intValue(QLatin1String(kFavCountKey));
    if (count <= 0) {
        MIDIfav = {MidiFavEvent::defaultGroup()};
        return;
    }
    MIDIfav.clear();
    for (int i = 0; i < count; ++i) {
        MidiFavEvent fav;
        fav.index = i;
        fav.load(prefs);
        MIDIfav.append(fav);
    }
}

void Midi::creerFav()
{
    MIDIfav.append(MidiFavEvent::initWithIndex(int(MIDIfav.size())));
}

bool Midi::supprimerFavForIndex(int index)
{
    if (index <= 0 || index >= MIDIfav.size())
        return false;
    MIDIfav.removeAt(index);
    renumber(MIDIfav);
    return true;
}

void Midi::sauvegarderFav()
{
    renumber(MIDIfav);
    for (const MidiFavEvent& fav : MIDIfav)
        fav.save(prefs);
    prefs.setValue(QLatin1String(kFavCountKey), int(MIDIfav.size()));
    prefs.sync();
}

bool Midi::sendDefaultGroup()
{
    if (MIDIfav.isEmpty())
        return false;
    const MidiFavEvent& first = MIDIfav.first();
    if (first.favEventID.toUpper() != QLatin1String(kDefaultGroupId) || first.favEventTx.isEmpty())
        return false;
    sendMIDIfromString(first.favEventTx, QString(), false);
    return true;
}

int Midi::sendGroup(const QString& groupId)
{
    int sent = 0;
    if (groupId.isEmpty())
        return sent;
    for (const MidiFavEvent& entry : std::as_const(MIDIfav)) {
        if (entry.favEventTx.isEmpty() ||
            entry.favEventID.compare(groupId, Qt::CaseInsensitive) != 0)
            continue;
        sendMIDIfromString(entry.favEventTx, QString(), true);
        ++sent;
    }
    processMidiEvents();
    return sent;
}

} // namespace partivo
