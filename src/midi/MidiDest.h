#pragma once

#include <QList>
#include <QString>

namespace partivo {

class Prefs;

// A named destination that instructions address with "@name".
struct MidiDest {
    // Every online destination endpoint; nothing ("Don't send MIDI data"); endpoint destUID.
    enum SendType { SendAllDevices = 0, SendNothing = 1, SendOneDevice = 2 };

    int index = 0;
    QString idDest; // compared without regard to case
    int sendType = SendAllDevices;
    int channel = 0; // 0 all sixteen channels, 1..16 that channel
    QString destDescr;
    // Unique IDs of the chosen endpoint's device, entity and first source (0 for virtual
    // endpoints), and of the endpoint itself: destUID is the only one used when sending.
    int deviceUID = 0;
    int entityUID = 0;
    int sourceUID = 0;
    int destUID = 0;

    // A destination added in the editor: "Dest<index>", every device, every channel.
    static MidiDest initWithIndex(int index);
    // The list of a first start: "All" (every channel), then "Ch1" .. "Ch16".
    static QList<MidiDest> defaultList();

    void save(Prefs& prefs) const;
    // Keys that are missing leave the field as it is.
    void load(const Prefs& prefs);

    bool operator==(const MidiDest&) const = default;
};

} // namespace partivo
