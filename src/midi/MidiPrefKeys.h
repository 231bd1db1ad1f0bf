#pragma once

#include <QString>

namespace partivo {

// Key of field `prefix` of the numbered record `index`.
inline QString keyOf(const char* prefix, int index)
{
    return QLatin1String(prefix) + QString::number(index);
}

// Preference keys of the MIDI records. A record's key is the prefix followed by its index.

inline constexpr char kDestCountKey[] = "MidiDest_nbDest";
inline constexpr char kDestIdKey[] = "MidiDest_idDest_";
inline constexpr char kDestSendTypeKey[] = "MidiDest_sendType_";
inline constexpr char kDestChannelKey[] = "MidiDest_channel_";
inline constexpr char kDestDescrKey[] = "MidiDest_destDescr_";
inline constexpr char kDestDeviceUidKey[] = "MidiDest_deviceUID_";
inline constexpr char kDestEntityUidKey[] = "MidiDest_entityUID_";
inline constexpr char kDestSourceUidKey[] = "MidiDest_sourceUID_";
inline constexpr char kDestUidKey[] = "MidiDest_destUID_";

inline constexpr char kFavCountKey[] = "MidiFavEvent_nbFav";
inline constexpr char kFavIdKey[] = "MidiFavEvent_favEventID_";
inline constexpr char kFavDescrKey[] = "MidiFavEvent_favEventDescr_";
inline constexpr char kFavTextKey[] = "MidiFavEvent_favEventTx_";

// Ids of the program's virtual ports, kept so that other programs find them again.
inline constexpr char kOwnInputUidKey[] = "PartivoUIDinput";
inline constexpr char kOwnOutputUidKey[] = "PartivoUIDoutput";

} // namespace partivo
