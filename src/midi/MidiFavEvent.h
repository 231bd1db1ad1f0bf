#pragma once

#include <QString>

namespace partivo {

class Prefs;

// One entry of the event library: a group ID and the instruction text sent for it.
struct MidiFavEvent {
    int index = 0;
    QString favEventID; // compared upper-cased; several entries may share one ID
    QString favEventDescr;
    QString favEventTx; // instruction text, several lines allowed

    // A new entry: "Fav<index>", no description, no text.
    static MidiFavEvent initWithIndex(int index);
    // The only entry of a first start: the "DEFAULT" group, empty.
    static MidiFavEvent defaultGroup();

    void save(Prefs& prefs) const;
    // Keys that are missing leave "".
    void load(const Prefs& prefs);

    bool operator==(const MidiFavEvent&) const = default;
};

} // namespace partivo
