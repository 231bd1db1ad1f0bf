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

inline constexpr char kTrigCountKey[] = "MidiTrig_nbTrig";
inline constexpr char kTrigSourceModeKey[] = "MidiTrig_sourceMode_";
inline constexpr char kTrigDeviceUidKey[] = "MidiTrig_deviceUID_";
inline constexpr char kTrigEntityUidKey[] = "MidiTrig_entityUID_";
inline constexpr char kTrigSourceUidKey[] = "MidiTrig_sourceUID_";
inline constexpr char kTrigSourceDescrKey[] = "MidiTrig_sourceDescr_";
inline constexpr char kTrigChannelKey[] = "MidiTrig_channel_";
inline constexpr char kTrigSourceTypeKey[] = "MidiTrig_sourceType_";
inline constexpr char kTrigSourceVal1Key[] = "MidiTrig_sourceVal1_";
inline constexpr char kTrigSourceVal2Key[] = "MidiTrig_sourceVal2_";
inline constexpr char kTrigSourceVal3Key[] = "MidiTrig_sourceVal3_";
inline constexpr char kTrigActionTypeKey[] = "MidiTrig_actionType_";
inline constexpr char kTrigActionTxtKey[] = "MidiTrig_actionTxt_";

// Ids of the program's virtual ports, kept so that other programs find them again.
inline constexpr char kOwnInputUidKey[] = "PartivoUIDinput";
inline constexpr char kOwnOutputUidKey[] = "PartivoUIDoutput";

} // namespace partivo
