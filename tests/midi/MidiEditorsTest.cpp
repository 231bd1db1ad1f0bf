#include "QtPrinters.h"
#include "TrigRig.h"
#include "midi/MidiDestEditor.h"
#include "midi/MidiFavEditor.h"
#include "midi/MidiTrigEditor.h"
#include "platform/Commands.h"
#include "platform/ScriptedDialogs.h"

#include <gtest/gtest.h>

namespace partivo {
namespace {

const QString kSelect = QString::fromUtf8(kRowMustBeSelected);

TEST(MidiEditorLabels, LabelsAndMissingItems)
{
    struct Case {
        MidiEndpoint endpoint;
        const char* label;
        const char* stored; // the label without its mark
        const char* missing;
    };
    const Case cases[] = {
        {{5, "Synth:Synth MIDI 1", true},
         "✅ Synth:Synth MIDI 1 (online)",
         "Synth:Synth MIDI 1 (online)",
         "❗️ Synth:Synth MIDI 1"},
        // The offline mark is three characters long.
        {{6, "Pedal", false}, "⚠️ Pedal", "Pedal", "❗️ Pedal"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        const QString label = endpointLabel(c.endpoint);
        EXPECT_EQ(label, QString::fromUtf8(c.label));
        EXPECT_EQ(labelWithoutMark(label), QString::fromUtf8(c.stored));
        EXPECT_EQ(missingEndpointItem(labelWithoutMark(label)), QString::fromUtf8(c.missing));
    }
    EXPECT_EQ(missingEndpointItem(QString()), QStringLiteral("❗️ ???"));
    EXPECT_EQ(missingEndpointItem(QStringLiteral(" (online)")), QStringLiteral("❗️ ???"));
}

TEST(MidiEditorLabels, OneBasedHint)
{
    EXPECT_EQ(oneBasedHint(-1, -1, 5), QStringLiteral("PC 5 = 6 on a 1-based device"));
    EXPECT_EQ(oneBasedHint(0, 2, 127),
              QStringLiteral("MSB 0 = 1, LSB 2 = 3, PC 127 = 128 on a 1-based device"));
    EXPECT_EQ(oneBasedHint(-1, -1, -1), QString());
}

struct DestRig : TrigRig {
    ScriptedDialogs dialogs;
    QList<int> keys;
    MidiDestEditor editor{midi, dialogs, [this](int c) { keys.append(c); }};
};

TEST(MidiDestEditorTest, ChosenDeviceUnpluggedShowsMissingItemAndKeepsIds)
{
    DestRig rig;
    rig.backend.setDestinations({{21, "Synth", true}, {22, "Drums", false}});
    rig.backend.setSources({{21, "Synth", true}});
    rig.editor.showMidiPref();
    const ChoiceList before = rig.editor.destinationChoicesAt(1);
    EXPECT_EQ(before.items.mid(0, 4),
              (QStringList{QString::fromUtf8(kAllDevicesItem), QString::fromUtf8(kDontSendItem),
                           QStringLiteral("✅ Synth (online)"), QStringLiteral("⚠️ Drums")}));
    rig.editor.updateDestAtIndex(1, QStringLiteral("SYNTH"), 3, 2);
    rig.editor.updateDestAtIndex(2, QStringLiteral("DRUMS"), 10, 3);
    const MidiDest synth = rig.midi.MIDIdestinations[1];
    EXPECT_EQ(synth.sendType, MidiDest::SendOneDevice);
    EXPECT_EQ(synth.destUID, 21);
    EXPECT_EQ(synth.sourceUID, 21); // its input port names incoming messages
    EXPECT_EQ(synth.destDescr, QStringLiteral("Synth (online)"));
    EXPECT_EQ(rig.midi.MIDIdestinations[2].sourceUID, 0);
    EXPECT_EQ(rig.editor.destinationChoicesAt(1).selected, 2);

    rig.backend.setDestinations({});
    rig.editor.showMidiPref(); // reopened or refreshed after a set-up change
    const ChoiceList synthRow = rig.editor.destinationChoicesAt(1);
    EXPECT_TRUE(synthRow.missingItem);
    EXPECT_EQ(synthRow.items.last(), QStringLiteral("❗️ Synth"));
    EXPECT_EQ(synthRow.selected, 2);
    EXPECT_EQ(rig.editor.destinationChoicesAt(2).items.last(), QStringLiteral("❗️ Drums"));
    // Editing the name with the missing item selected keeps the endpoint.
    rig.editor.updateDestAtIndex(1, QStringLiteral("SYNTH2"), 4, synthRow.selected);
    EXPECT_EQ(rig.midi.MIDIdestinations[1].destUID, 21);
    EXPECT_EQ(rig.midi.MIDIdestinations[1].channel, 4);
    // Choosing a fixed item drops it.
    rig.editor.updateDestAtIndex(1, QStringLiteral("SYNTH2"), 4, 1);
    EXPECT_EQ(rig.midi.MIDIdestinations[1],
              (MidiDest{1, QStringLiteral("SYNTH2"), 1, 4, QString(), 0, 0, 0, 0}));
}

TEST(MidiDestEditorTest, OpenCloseSavesAndShowsIncoming)
{
    DestRig rig;
    rig.editor.showMidiPref();
    rig.editor.showMidiPref();
    EXPECT_TRUE(rig.midi.midiOutPrefOn);
    rig.editor.actionInsertRow();
    EXPECT_EQ(rig.midi.MIDIdestinations.last().idDest, QStringLiteral("Dest17"));
    rig.editor.windowWillClose();
    EXPECT_FALSE(rig.midi.midiOutPrefOn);
    EXPECT_EQ(rig.keys, (QList<int>{cmd::MidiEditorOpened, cmd::MidiEditorClosed}));
    EXPECT_EQ(rig.prefs.intValue(QStringLiteral("MidiDest_nbDest")), 18);
}

TEST(MidiDestEditorTest, LastReceivedMessage)
{
    DestRig rig;
    rig.addDest(QStringLiteral("PEDALS"), 0).sourceUID = TrigRig::kPedal;
    rig.editor.showMidiPref();
    struct Case {
        QStringList bytes;
        MidiShownMessage shown;
    };
    const Case cases[] = {
        {{"B2407F"}, {"Control Message", "Control:64 Value:127", "3", "pedal", "@PEDALS"}},
        {{"B00001", "C005"}, {"Program Change", "MSB:1 LSB:-1 Program:5", "1", "pedal", "@PEDALS"}},
        {{"913C40"}, {"Note", "Note:60", "2", "pedal", "@PEDALS"}},
        {{"E0007F"}, {"Pitch wheel", "", "1", "pedal", "@PEDALS"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.shown.lastMidiEvent.toStdString());
        rig.send(TrigRig::kPedal, c.bytes);
        rig.editor.showReceived();
        EXPECT_EQ(rig.editor.shownMessage(), c.shown);
    }
    rig.editor.actionClearLastMidiEvent();
    EXPECT_EQ(rig.editor.shownMessage(), MidiShownMessage{});
}

TEST(MidiDestEditorTest, DeleteSelectionRules)
{
    struct Case {
        int rows;
        int selected;
        int expected;
    };
    for (const Case c : {Case{5, 4, 3}, Case{5, 1, 1}, Case{1, 0, -1}}) {
        DestRig rig;
        rig.midi.MIDIdestinations = rig.midi.MIDIdestinations.mid(0, c.rows);
        EXPECT_EQ(rig.editor.actionDeleteRow(c.selected), c.expected);
        EXPECT_EQ(rig.editor.rowCount(), c.rows - 1);
    }
    DestRig rig;
    rig.editor.actionDeleteRow(-1);
    EXPECT_EQ(rig.dialogs.texts(), QStringList{kSelect});
    EXPECT_EQ(rig.editor.rowCount(), 17);
}

struct TrigEditorRig : TrigRig {
    ScriptedDialogs dialogs;
    QList<int> keys;
    MidiTrigEditor editor{midi, dialogs, [this](int c) { keys.append(c); }};
    TrigEditorRig()
    {
        addTrig(TrigControlChange, 0, 64, 127, -1, 8);
        addTrig(TrigNoteOn, 5, 60, -1, -1, 7);
        editor.showMidiPref();
    }
};

TEST(MidiTrigEditorTest, LearningAPedalOnChannelThreeFillsTheRowOnAccept)
{
    TrigEditorRig rig;
    rig.editor.actionListen(1);
    EXPECT_TRUE(rig.midi.listenTrigSourceOn);
    EXPECT_EQ(rig.editor.rowAt(1).typeItem, 0);
    rig.send(TrigRig::kPedal, {"B2407F"});
    rig.editor.eventLearned();
    const TrigRowView shown = rig.editor.rowAt(1);
    EXPECT_EQ(shown.source.selected, 2); // "pedal", the first source
    EXPECT_EQ(shown.channelItem, 3);
    EXPECT_EQ(shown.typeItem, TrigControlChange);
    EXPECT_EQ(shown.values, (QStringList{"64", "127", ""}));
    EXPECT_EQ(rig.midi.MIDItriggers[1].sourceType, TrigNoteOn); // not stored yet
    rig.editor.acceptLearned();
    const MidiTrig t = rig.midi.MIDItriggers[1];
    EXPECT_EQ(t.sourceMode, MidiTrig::OneSource);
    EXPECT_EQ(t.sourceUID, TrigRig::kPedal);
    EXPECT_EQ(t.sourceDescr, QStringLiteral("pedal (online)"));
    EXPECT_EQ(t.channel, 3);
    EXPECT_EQ((QList<int>{t.sourceType, t.sourceVal1, t.sourceVal2, t.sourceVal3}),
              (QList<int>{1, 64, 127, -1}));
    EXPECT_EQ(t.actionType, 7);
    EXPECT_EQ(rig.editor.listeningRow(), -1);
    // The same pedal now fires the row's action, after the first row's (controller 64, 127).
    rig.send(TrigRig::kPedal, {"B2407F"});
    EXPECT_EQ(rig.actionsOf(rig.process()), (QStringList{"ActionKey 37", "ActionKey 36"}));
}

TEST(MidiTrigEditorTest, CancelRestoresTheRow)
{
    TrigEditorRig rig;
    const MidiTrig before = rig.midi.MIDItriggers[1];
    for (bool afterMessage : {false, true}) {
        SCOPED_TRACE(afterMessage);
        rig.editor.updateTrigAtIndex(1, {0, 5, 0, "60", "", "", 7, ""}); // type item 0
        EXPECT_EQ(rig.editor.listeningRow(), 1);
        if (afterMessage) {
            rig.send(TrigRig::kKeys, {"903D40"});
            rig.editor.eventLearned();
            EXPECT_TRUE(rig.editor.hasLearned());
        }
        rig.editor.cancelListen();
        EXPECT_FALSE(rig.midi.listenTrigSourceOn);
        EXPECT_EQ(rig.midi.MIDItriggers[1], before);
        EXPECT_EQ(rig.editor.rowAt(1).typeItem, TrigNoteOn);
    }
    rig.editor.actionListen(-1);
    EXPECT_EQ(rig.dialogs.texts(), QStringList{kSelect});
    EXPECT_FALSE(rig.midi.listenTrigSourceOn);
}

TEST(MidiTrigEditorTest, RowToRecord)
{
    TrigEditorRig rig;
    rig.editor.updateTrigAtIndex(0, {3, 0, 2, " 1", "", "5", 10, "PIANO"});
    const MidiTrig t = rig.midi.MIDItriggers[0];
    EXPECT_EQ(t.sourceMode, MidiTrig::OneSource);
    EXPECT_EQ(t.sourceUID, TrigRig::kKeys);
    EXPECT_EQ((QList<int>{t.channel, t.sourceType, t.sourceVal1, t.sourceVal2, t.sourceVal3}),
              (QList<int>{0, 2, 1, -1, 5}));
    const TrigRowView view = rig.editor.rowAt(0);
    EXPECT_EQ(view.values, (QStringList{"1", "", "5"}));
    EXPECT_EQ(view.placeholders, (QStringList{"MSB", "LSB", "Prg"}));
    EXPECT_EQ(view.actionPlaceholder, QStringLiteral("MIDI Group ID"));
    EXPECT_EQ(view.hint, QStringLiteral("MSB 1 = 2, PC 5 = 6 on a 1-based device"));
    // The table follows at once: program 5 on any channel fires the group action.
    rig.addFav(QStringLiteral("PIANO"), QStringLiteral("CC7:100@1"));
    rig.send(TrigRig::kKeys, {"B00001", "C005"});
    rig.process();
    EXPECT_EQ(rig.midi.lastTrigStep().groups, QStringList{"PIANO"});

    // A source that went away shows as missing and stays chosen.
    rig.backend.setSources({{TrigRig::kPedal, "pedal", true}});
    rig.editor.showMidiPref();
    const ChoiceList sources = rig.editor.rowAt(0).source;
    EXPECT_EQ(sources.items.last(), QStringLiteral("❗️ keys"));
    rig.editor.updateTrigAtIndex(0, {sources.selected, 0, 2, "1", "", "5", 10, "PIANO"});
    EXPECT_EQ(rig.midi.MIDItriggers[0].sourceUID, TrigRig::kKeys);
    // Actions without text hide the field; the page actions need it.
    rig.editor.updateTrigAtIndex(0, {0, 0, 1, "1", "2", "", 8, ""});
    EXPECT_EQ(rig.editor.rowAt(0).actionPlaceholder, QString());
    rig.editor.updateTrigAtIndex(0, {0, 0, 1, "1", "2", "", 28, "3"});
    EXPECT_FALSE(rig.editor.rowAt(0).actionPlaceholder.isEmpty());
}

TEST(MidiTrigEditorTest, CloseEndsLearningAndSaves)
{
    TrigEditorRig rig;
    rig.editor.actionListen(0);
    rig.editor.windowWillClose();
    EXPECT_FALSE(rig.midi.listenTrigSourceOn);
    EXPECT_EQ(rig.prefs.intValue(QStringLiteral("MidiTrig_nbTrig")), 2);
    EXPECT_EQ(rig.keys, (QList<int>{cmd::MidiEditorOpened, cmd::MidiEditorClosed}));
}

TEST(MidiTrigEditorTest, MoveAndDeleteKeepIndexes)
{
    TrigEditorRig rig;
    rig.editor.actionInsertRow();
    EXPECT_EQ(rig.editor.moveRow(2, -1), 1);
    EXPECT_EQ(rig.editor.moveRow(0, -1), -1);
    EXPECT_EQ(rig.midi.MIDItriggers[1].sourceVal1, -1);
    for (int i = 0; i < rig.editor.rowCount(); ++i)
        EXPECT_EQ(rig.midi.MIDItriggers[i].index, i);
    EXPECT_EQ(rig.editor.actionDeleteRow(2), 1);
    EXPECT_EQ(rig.midi.MIDItriggers[1].sourceVal1, -1);
}

struct FavRig : MidiRig {
    ScriptedDialogs dialogs;
    MidiFavEditor editor{midi, dialogs, {}};
    FavRig()
    {
        backend.setDestinations({{30, "synth", true}});
        midi.iniMidi();
    }
};

TEST(MidiFavEditorTest, DeleteRules)
{
    FavRig rig;
    rig.editor.actionDeleteRow(0);
    rig.editor.actionDeleteRow(-1);
    EXPECT_EQ(rig.dialogs.texts(),
              (QStringList{QString::fromUtf8(kDefaultGroupNotDeleted), kSelect}));
    EXPECT_EQ(rig.editor.rowCount(), 1);
    for (int i = 0; i < 4; ++i)
        rig.editor.actionInsertRow();
    EXPECT_EQ(rig.editor.actionDeleteRow(4), 3);
    EXPECT_EQ(rig.midi.MIDIfav[3].favEventID, QStringLiteral("Fav3"));
}

TEST(MidiFavEditorTest, SendAndAppendReference)
{
    FavRig rig;
    rig.editor.actionInsertRow();
    rig.editor.updateOccAtIndex(1, QStringLiteral("PIANO"), QStringLiteral("piano"),
                                QStringLiteral("CC7:100@1"));
    rig.editor.actionSendMidi(1);
    rig.timers.advance(100);
    EXPECT_EQ(rig.sent(), QStringList{QStringLiteral("10 30 B1 07 64")});
    EXPECT_TRUE(rig.midi.refreshPaused());

    EXPECT_TRUE(rig.editor.appendReference(0, 1));
    EXPECT_TRUE(rig.editor.appendReference(0, 1));
    EXPECT_EQ(rig.midi.MIDIfav[0].favEventTx, QStringLiteral("MIDI PIANO\nMIDI PIANO"));
    EXPECT_FALSE(rig.editor.appendReference(1, 1)); // a group naming itself
    rig.editor.updateOccAtIndex(1, QString(), QString(), QStringLiteral("x"));
    EXPECT_FALSE(rig.editor.appendReference(0, 1)); // no ID to name
    EXPECT_FALSE(rig.editor.appendReference(-1, 0));
    EXPECT_EQ(rig.dialogs.texts(), QStringList{kSelect});

    EXPECT_EQ(rig.editor.moveRow(1, -1), 0);
    rig.editor.sauvegarderDonnees();
    EXPECT_EQ(rig.prefs.intValue(QStringLiteral("MidiFavEvent_nbFav")), 2);
    EXPECT_EQ(rig.prefs.stringValue(QStringLiteral("MidiFavEvent_favEventID_1")),
              QStringLiteral("DEFAULT"));
}

} // namespace
} // namespace partivo
