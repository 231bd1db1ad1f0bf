#include "ProgramRig.h"
#include "app/widgets/MidiPref.h"
#include "app/widgets/MidiPref2.h"
#include "app/widgets/MidiPref3.h"
#include "midi/Midi.h"
#include "platform/Commands.h"
#include "platform/MidiPortNames.h"

#include "QtPrinters.h"

#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTextCursor>
#include <gtest/gtest.h>

using namespace partivo;
using partivo::test::Program;

namespace {

// Runs the item of the binder window's MIDI menu.
void runMidiItem(Program& app, const QString& text)
{
    for (QAction* action : app.menus().midiMenu()->actions()) {
        if (action->text() == text) {
            action->trigger();
            return;
        }
    }
    ADD_FAILURE() << "no menu item " << text.toStdString();
}

qint32 plugPedal(Program& app)
{
    const qint32 pedal = stableMidiId(QStringLiteral("Pedal"));
    app.midiBackend.setSources({{pedal, QStringLiteral("Pedal"), true}});
    app.midi.registerInputDevices();
    app.center.postParam(QLatin1String(action::Key), cmd::MidiSetupChanged);
    return pedal;
}

// A pedal learned in the trigger editor is stored when the editor closes and then turns the
// page.
TEST(MidiEditorWindows, ALearnedPedalTurnsThePage)
{
    Program app({{"Alpha.pdf", 6}, {"Beta.pdf", 1}});
    runMidiItem(app, QStringLiteral("MIDI Triggers..."));
    MidiPref3* editor = app.shell.midiTrig();
    ASSERT_TRUE(editor && editor->isVisible());
    const qint32 pedal = plugPedal(app); // 2003: the open editor lists the new source
    editor->table()->selectRow(1);
    editor->actionBox()->setCurrentIndex(2); // next page
    editor->listenButton()->click();
    EXPECT_TRUE(app.midi.listenTrigSourceOn);
    EXPECT_FALSE(editor->acceptButton()->isEnabled());

    app.midiBackend.inject(pedal, QByteArray("\xB2\x40\x7F", 3));
    EXPECT_EQ(editor->learnedLabel()->text(), QStringLiteral("Control Change, channel 3: 64 127"));
    EXPECT_EQ(editor->sourceBox()->currentText(), QStringLiteral("✅ Pedal (online)"));
    EXPECT_EQ(editor->valueField(0)->text(), QStringLiteral("64"));
    ASSERT_TRUE(editor->acceptButton()->isEnabled());
    editor->acceptButton()->click();
    editor->close();

    EXPECT_EQ(app.prefs.intValue(QStringLiteral("MidiTrig_nbTrig")), 2);
    EXPECT_EQ(app.prefs.intValue(QStringLiteral("MidiTrig_sourceUID_1")), pedal);
    EXPECT_EQ(app.prefs.intValue(QStringLiteral("MidiTrig_channel_1")), 3);
    EXPECT_EQ(app.prefs.intValue(QStringLiteral("MidiTrig_sourceVal1_1")), 64);
    EXPECT_EQ(app.prefs.intValue(QStringLiteral("MidiTrig_actionType_1")), 2);

    Navigator& nav = app.controller.navigator();
    const int page = nav.pageNo1;
    app.midiBackend.inject(pedal, QByteArray("\xB2\x40\x7F", 3));
    app.timers.advance(kTrigInIntervalMs);
    EXPECT_GT(nav.pageNo1, page);
    EXPECT_EQ(app.title(), QStringLiteral("Alpha"));
}

// The output editor shows what comes in and names the destination that reaches its sender.
TEST(MidiEditorWindows, OutputEditorShowsTheLastMessage)
{
    Program app({{"Alpha.pdf", 1}});
    runMidiItem(app, QStringLiteral("MIDI Output..."));
    MidiPref* editor = app.shell.midiOut();
    ASSERT_TRUE(editor && editor->isVisible());
    EXPECT_TRUE(app.midi.midiOutPrefOn);
    const qint32 pedal = plugPedal(app);
    app.midiBackend.setDestinations({{pedal, QStringLiteral("Pedal"), true}});
    app.center.postParam(QLatin1String(action::Key), cmd::MidiSetupChanged);
    editor->table()->selectRow(0);
    editor->destinationBox()->setCurrentIndex(2);
    EXPECT_EQ(app.midi.MIDIdestinations[0].destUID, pedal);

    app.midiBackend.inject(pedal, QByteArray("\xB0\x07\x64", 3));
    EXPECT_EQ(editor->lastMidiEvent()->text(), QStringLiteral("Control Message"));
    EXPECT_EQ(editor->lastMidiEvent()->toolTip(), QStringLiteral("Control:7 Value:100"));
    EXPECT_EQ(editor->lastMidiEventChannel()->text(), QStringLiteral("1"));
    EXPECT_EQ(editor->lastMidiEventFrom()->text(), QStringLiteral("Pedal"));
    EXPECT_EQ(editor->lastMidiEventDestID()->text(), QStringLiteral("@All"));

    // Unplugged: the row keeps its endpoint, shown as missing.
    app.midiBackend.setDestinations({});
    app.center.postParam(QLatin1String(action::Key), cmd::MidiSetupChanged);
    EXPECT_EQ(editor->destinationBox()->currentText(), QStringLiteral("❗️ Pedal"));
    editor->close();
    EXPECT_FALSE(app.midi.midiOutPrefOn);
    EXPECT_EQ(app.prefs.intValue(QStringLiteral("MidiDest_destUID_0")), pedal);
}

// Test sends the row's events; the menu's title is red while they are being sent.
TEST(MidiEditorWindows, LibraryTestSendsAndTheMenuTurnsRed)
{
    Program app({{"Alpha.pdf", 1}});
    app.midiBackend.setDestinations({{40, QStringLiteral("Synth"), true}});
    runMidiItem(app, QStringLiteral("MIDI Event Library..."));
    MidiPref2* editor = app.shell.midiFav();
    ASSERT_TRUE(editor && editor->isVisible());
    editor->table()->selectRow(0);
    editor->eventsField()->setPlainText(QStringLiteral("CC7:100@1"));
    EXPECT_EQ(app.menus().midiMenu()->title(), QStringLiteral("⚪️MIDI"));
    editor->testButton()->click();
    for (int ms = 0; ms < 100 && app.midiBackend.sent().isEmpty(); ++ms)
        app.timers.advance(1);
    ASSERT_EQ(app.midiBackend.sent().size(), 1);
    EXPECT_EQ(app.menus().midiMenu()->title(), QStringLiteral("🔴MIDI"));
    app.timers.advance(1000);
    EXPECT_EQ(app.menus().midiMenu()->title(), QStringLiteral("⚪️MIDI"));

    editor->referenceBox()->setCurrentIndex(0);
    editor->appendButton()->click(); // a group naming itself: refused
    EXPECT_EQ(app.midi.MIDIfav[0].favEventTx, QStringLiteral("CC7:100@1"));
    editor->close();
    EXPECT_EQ(app.prefs.stringValue(QStringLiteral("MidiFavEvent_favEventTx_0")),
              QStringLiteral("CC7:100@1"));
}

// The library editor's insert buttons write the last received MIDI and the keywords into
// the events of the selected group.
TEST(MidiEditorWindows, LibraryInsertsTheLastReceivedMidi)
{
    Program app({{"Alpha.pdf", 1}});
    const qint32 pedal = plugPedal(app);
    runMidiItem(app, QStringLiteral("MIDI Event Library..."));
    MidiPref2* editor = app.shell.midiFav();
    ASSERT_TRUE(editor && editor->isVisible());
    editor->table()->selectRow(0);
    editor->eventsField()->clear();
    const QList<QPushButton*>& buttons = editor->insertButtons();
    ASSERT_EQ(buttons.size(), 9);
    EXPECT_TRUE(buttons[1]->isHidden()); // nothing received yet

    app.midiBackend.inject(pedal, QByteArray("\xB0\x07\x64", 3)); // posts 2002
    EXPECT_FALSE(buttons[1]->isHidden());
    EXPECT_EQ(buttons[1]->text(), QStringLiteral("CC7:100@0"));
    buttons[1]->click();
    buttons[6]->click(); // "MIDI"
    EXPECT_EQ(editor->eventsField()->toPlainText(), QStringLiteral("CC7:100@0MIDI"));
    app.midiBackend.inject(pedal, QByteArray("\xC0\x05", 2)); // posts 2001
    EXPECT_EQ(buttons[0]->text(), QStringLiteral("0:5@0"));   // a program change starts anew
    editor->close();
}

// Tab in the events completes the word being typed; Tab again takes the next offer.
TEST(MidiEditorWindows, LibraryEventsCompleteInstructions)
{
    Program app({{"Alpha.pdf", 1}});
    runMidiItem(app, QStringLiteral("MIDI Event Library..."));
    MidiPref2* editor = app.shell.midiFav();
    ASSERT_TRUE(editor && editor->isVisible());
    editor->table()->selectRow(0);
    QPlainTextEdit* events = editor->eventsField();
    events->setPlainText(QStringLiteral("CC7:100@1\n"));
    events->moveCursor(QTextCursor::End);
    events->insertPlainText(QStringLiteral("mi"));
    const auto tab = [&] {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_Tab, Qt::NoModifier);
        QCoreApplication::sendEvent(events, &press);
    };
    tab();
    EXPECT_EQ(events->toPlainText(), QStringLiteral("CC7:100@1\nMIDI"));
    tab();
    EXPECT_EQ(events->toPlainText(), QStringLiteral("CC7:100@1\nMIDI DEFAULT"));
    tab(); // round to the first offer
    EXPECT_EQ(events->toPlainText(), QStringLiteral("CC7:100@1\nMIDI"));
    editor->close();
    EXPECT_EQ(app.midi.MIDIfav[0].favEventTx, QStringLiteral("CC7:100@1\nMIDI"));
}

} // namespace
