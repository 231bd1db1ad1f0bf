#pragma once

#include "midi/MidiDest.h"
#include "midi/MidiEv.h"
#include "midi/MidiFavEvent.h"
#include "midi/MidiInbox.h"
#include "midi/MidiReceived.h"
#include "midi/MidiTrig.h"
#include "midi/MidiTrigTable.h"

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <functional>
#include <memory>
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
inline constexpr char kMidiTrigInTimer[] = "midiTriggerIn";

// One queued incoming message is worked off per this interval.
inline constexpr int kTrigInIntervalMs = 100;
// A bank select waits this long for its program change.
inline constexpr int kPendingBankMs = 1000;

// Message types of sendMidiMessage.
enum MidiMessageType {
    MidiProgramChange = 0,
    MidiControlChange = 1,
    MidiMasterCoarseTune = 2,
    MidiSystemExclusive = 3,
};

// The MIDI engine: configured destinations, the event library, the instruction
// interpreter, the paced output queue and the triggers. One instance, owned by the
// application and handed by reference. Main thread only, except midiReceived, which the
// MIDI service's thread calls: it hands the message to the main thread.
class Midi {
public:
    Midi(Prefs& prefs, Timers& timers, MidiBackend& backend);
    // Disconnects the receiver it set, so that no message reaches a dead engine.
    ~Midi();
    Midi(const Midi&) = delete;
    Midi& operator=(const Midi&) = delete;

    Prefs& prefs;
    Timers& timers;
    MidiBackend& backend;

    // Start-up: the client state, the ids of the program's own ports (kept in the store),
    // the source connections and the receiver, then the destinations, the triggers and the
    // event library, which load with MIDI off too. Called once.
    void iniMidi();
    // Connects every source of the system to the engine's input; MIDIendpoints lists them.
    void registerInputDevices();
    void unRegisterInputDevices();
    // Diagnostics: the engine's state, the ports of the system, the destination records, as
    // lines; listDevices writes all three to the log.
    QStringList listDevices1() const;
    QStringList listDevices2() const;
    QStringList listDevices3() const;
    void listDevices() const;

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

    // While paused, incoming bank selects, program changes and control changes are not
    // recorded as the last received ones: they may be echoes of the program's own output.
    // Pausing cancels a pending end.
    bool refreshPaused() const { return refreshPaused_; }
    void setRefreshPaused(bool paused);
    // The pause ends one second after the queue ran dry.
    void lancerRefreshPauseFalse();

    // True from a message's successful send until 10 ms after the queue ran dry; the
    // observer is told each change (the menu title follows it).
    bool sendingMidi() const { return sendingMidi_; }
    void setSendingMidiObserver(std::function<void(bool sending)> observer);
    // Told each queued message that left (the command line lists them).
    void setSentObserver(std::function<void(const MidiEv&)> observer)
    {
        sentObserver_ = std::move(observer);
    }
    void lancerSendingMidiFalse();

    // Triggers (stored records; the first start gets two empty ones). Every change rebuilds
    // the look-up table and the channel pre-filter.
    QList<MidiTrig> MIDItriggers;
    void chargerTriggers();
    void creerTriggers();
    // False for an index out of range. Later entries move up and take their new index.
    bool supprimerTriggersForIndex(int index);
    // Renumbers, saves every entry and the count, and syncs the store.
    void sauvegarderTriggers();
    // Rebuilds the look-up table from MIDItriggers; call after editing a trigger in place.
    void refreshTrigFiltreChannel();
    const MidiTrigTable& trigTable() const { return trigTable_; }

    // Receive path. Where remote actions and key commands go (the notification centre):
    // trigger actions, and the key commands 2001, 2002, 2004 and 2005 of incoming messages.
    using ActionPoster = std::function<void(const QString& name, const QVariant& param)>;
    void setActionPoster(ActionPoster post) { post_ = std::move(post); }
    // How the main thread is told that messages wait; it must then call drainInbox on the
    // main thread. Set it before iniMidi. Without one, a call on the main thread drains at
    // once and one from another thread queues drainInbox on the application's event loop.
    void setWake(std::function<void()> wake) { wake_ = std::move(wake); }
    // Any thread: keeps the packet in the inbox (at most kMaxIncomingQueued; the oldest go,
    // with one log line per burst) and wakes the main thread when it is not already woken.
    void midiReceived(qint32 sourceUid, const QByteArray& bytes);
    // Main thread: decodes every waiting packet.
    void drainInbox();
    qsizetype inboxSize() const { return inbox_.size(); }

    // Learn mode of the trigger editor: the next note, control change, program change or
    // bend is stored in learned() instead of being queued, key command 2004 is posted, and
    // learn mode ends.
    bool listenTrigSourceOn = false;
    const MidiLearnedRow& learned() const { return learned_; }
    // Makes the trigger at index listen to the learned message: its source (a listed source
    // or the program's own input; any source otherwise), channel, type and values. The
    // editor calls it when the user accepts the learned row. False for an index out of
    // range or when nothing was learned.
    bool commitLearned(int index);
    // The output editor is open: every incoming message is stored in shown() and key
    // command 2005 is posted; the message is still queued.
    bool midiOutPrefOn = false;
    const MidiLearnedRow& shown() const { return shown_; }
    const MidiLastReceived& lastReceived() const { return lastReceived_; }
    // The name under which the sender of a message on channel (0-based) from sourceRef is
    // addressed: a destination of that device on that channel, else one on all channels,
    // else the channel number.
    QString obtenirChannelID(int channel, qint32 sourceRef) const;

    // The incoming trigger queue, oldest first, worked off one message per
    // kTrigInIntervalMs on the timer kMidiTrigInTimer.
    const QList<MidiTrigIn>& MIDItriggersIn() const { return MIDItriggersIn_.items(); }
    // Queues the message (only with MIDI on and at least one trigger) and arms the timer.
    // At most kMaxIncomingQueued wait; the oldest go, with one log line per burst.
    void keepMidiTrigIn(const MidiTrigIn& in);
    // Arms the timer unless it runs.
    void processMidiTrigIn();
    // Processes the oldest queued message and re-arms the timer while messages remain.
    void processOneMidiTrigIn();
    bool trigInEnTraitement() const { return trigInEnTraitement_; }
    // What the last processed message did.
    const MidiTrigStep& lastTrigStep() const { return lastTrigStep_; }
    // How many queued messages were processed so far: a change says lastTrigStep is new.
    int trigStepCount() const { return trigSteps_; }
    // Logs the queue, a line per message.
    void listMidiTrigIn() const;

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
    std::function<void(const MidiEv&)> sentObserver_;

    // A bank select waiting for the program change that follows it from the same source.
    struct PendingBank {
        int channel = -1;
        int msb = -1;
        int lsb = -1;
        qint64 atMs = 0;
    };
    void receivePacket(qint32 source, const QByteArray& bytes);
    void learnOrQueue(const MidiTrigIn& learnedAs, const MidiTrigIn& queuedAs);
    void recordLastEvents(bool programChange, bool controlChange);
    void processTrigIn(const MidiTrigIn& in);
    void postKey(int number);

    MidiTrigTable trigTable_;
    ActionPoster post_;
    std::function<void()> wake_;
    MidiInbox inbox_;
    bool drainingInbox_ = false;
    bool receiving_ = false;      // the backend's receiver is this engine
    std::shared_ptr<char> alive_; // queued drains run only while the engine lives
    QHash<qint32, PendingBank> pendingBanks_;
    MidiLearnedRow learned_;
    MidiLearnedRow shown_;
    MidiLastReceived lastReceived_;
    DropOldestQueue<MidiTrigIn> MIDItriggersIn_;
    bool trigInEnTraitement_ = false;
    std::optional<MidiTrigIn> lastProcessed_; // for the bend de-bounce
    MidiTrigStep lastTrigStep_;
    int trigSteps_ = 0;
};

} // namespace partivo
