#pragma once

#include "midi/MidiDest.h"
#include "midi/MidiEv.h"
#include "midi/MidiFavEvent.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

namespace partivo {

class MidiBackend;
class Prefs;
class Timers;
struct MidiInstruction;

// Seconds between two sends unless the options say otherwise.
inline constexpr double kDefaultMidiDelay = 0.01;

// Named timers of the engine.
inline constexpr char kMidiDrainTimer[] = "midiOutputDrain";
inline constexpr char kMidiRefreshPauseTimer[] = "midiRefreshPauseEnd";
inline constexpr char kMidiSendingTimer[] = "midiSendingIndicatorEnd";

// Message types of sendMidiMessage.
enum MidiMessageType {
    MidiProgramChange = 0,
    MidiControlChange = 1,
    MidiMasterCoarseTune = 2,
    MidiSystemExclusive = 3,
};

// The MIDI engine: configured destinations, the event library, the instruction
// interpreter and the paced output queue. One instance, owned by the application and
// handed by reference. Main thread only: incoming messages reach it through the main loop.
class Midi {
public:
    Midi(Prefs& prefs, Timers& timers, MidiBackend& backend);

    Prefs& prefs;
    Timers& timers;
    MidiBackend& backend;

    // Start-up: the client state, the ids of the program's own ports (kept in the store),
    // the source connections, then the destinations and the event library, which load
    // with MIDI off too. Called once.
    void iniMidi();
    // Connects every source of the system to the engine's input; MIDIendpoints lists them.
    void registerInputDevices();
    void unRegisterInputDevices();

    QList<MidiDest> MIDIdestinations;
    QList<MidiFavEvent> MIDIfav; // the event library
    // False when the MIDI client could not be created: nothing is queued.
    bool midiOk = true;
    // Set-up changes are handled (from the end of the application's launch on).
    bool traiterMidiNotifications = false;
    qint32 PartivoUIDin = 0;
    qint32 PartivoUIDout = 0;
    QList<qint32> MIDIendpoints; // sources connected to the input

    // Destinations (stored records; the first start gets "All" and "Ch1" .. "Ch16").
    void chargerDestinations();
    void creerDestinations();
    // False for an index out of range. Later entries move up and take their new index.
    bool supprimerDestinationsForIndex(int index);
    // Renumbers, saves every entry and the count, and syncs the store.
    void sauvegarderDestinations();

    // Event library (stored records; the first start gets the empty "DEFAULT" group).
    void chargerFav();
    void creerFav();
    // False for the first entry (the "DEFAULT" group) and an index out of range.
    bool supprimerFavForIndex(int index);
    void sauvegarderFav();
    // Queues the first library entry's text (not forced) when that entry is the "DEFAULT"
    // group and has a text; true when it did.
    bool sendDefaultGroup();
    // Queues (forced) every library entry whose ID is groupId, without regard to case, and
    // that has a text; then starts sending. Answers how many entries were queued.
    int sendGroup(const QString& groupId);

    // Instruction language. fromInstruction is the group being expanded ("" from callers);
    // forced messages survive a newer batch.
    void sendMIDIfromString(const QString& text, const QString& fromInstruction, bool forcer);
    // Resolves the destination text (a configured name or a channel number 0..15) and
    // queues the message on each of its channels. packet is used by type 3 only.
    void sendMidiMessage(int type, int val, int val2, const QString& channelX,
                         const QByteArray& packet, bool forcer);

    // Queuing. Data bytes are clamped to 0..127. destName labels the message for listings.
    void sendStatus(int status, int data1, int data2, int nbByte, qint32 destUID, bool forcer,
                    const QString& destName = QString());
    void sendSysexCoarseTune(int status, int data1, int data2, int nbByte, qint32 destUID,
                             bool forcer, const QString& destName = QString());
    // An empty packet queues nothing.
    void sendSysex(const QByteArray& packet, qint32 destUID, bool forcer,
                   const QString& destName = QString());
    void keepMidiEvent(const QByteArray& packet, qint32 destUID, bool forcer,
                       const QString& destName = QString());
    const QList<MidiEv>& MIDIevents() const { return MIDIevents_; }

    // Draining. Starts the paced drain unless one is running; a running drain also sends
    // what is appended while it runs.
    void processMidiEvents();
    bool isDraining() const { return draining_; }
    // A new batch begins: unforced messages queued before now are dropped unsent.
    void initTimeLastLotEvents();
    qint64 timeLastLotEvents() const { return timeLastLotEvents_; }
    // Seconds between two sends; 0 or less (or not a number) gives the default 0.01.
    void actionMidiDelay(double seconds);
    double midiDelay() const { return midiDelay_; }

    // While paused, incoming control and program changes are ignored, so that echoes of
    // the program's own output fire no trigger. Pausing cancels a pending end.
    bool refreshPaused() const { return refreshPaused_; }
    void setRefreshPaused(bool paused);
    // The pause ends one second after the queue ran dry.
    void lancerRefreshPauseFalse();

    // True from a message's successful send until 10 ms after the queue ran dry; the
    // observer is told each change (the menu title follows it).
    bool sendingMidi() const { return sendingMidi_; }
    void setSendingMidiObserver(std::function<void(bool sending)> observer);
    void lancerSendingMidiFalse();

private:
    qint32 restoreOwnUid(const char* key, qint32 systemUid, const char* failure);

    struct Target {
        int firstChannel;
        int lastChannel;
        qint32 destUID;
        QString name;
    };
    std::optional<Target> resolveDestination(const QString& channelX) const;
    void interpret(const QString& text, QStringList& expanding, bool forcer);
    void sendInstruction(const MidiInstruction& ins, bool forcer);
    void expandGroup(const QString& groupId, QStringList& expanding, bool forcer);

    void processOneMidiEvent();
    void queueRanDry();
    void setSendingMidi(bool sending);

    QList<MidiEv> MIDIevents_;
    double midiDelay_ = kDefaultMidiDelay;
    qint64 timeLastLotEvents_ = 0;
    quint64 batch_ = 0;
    bool draining_ = false;
    int textBudget_ = -1; // messages the text being interpreted may still queue; -1 no limit
    bool budgetSpentLogged_ = false;
    bool refreshPaused_ = false;
    bool sendingMidi_ = false;
    std::function<void(bool)> sendingObserver_;
};

} // namespace partivo
