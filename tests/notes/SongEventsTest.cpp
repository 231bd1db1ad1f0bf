#include "notes/SongEvents.h"

#include "QtPrinters.h"

#include <gtest/gtest.h>

namespace partivo {
namespace {

TEST(SongEvents, LineGrammar)
{
    struct Case {
        const char* line;
        bool timed;
        int mm, ss, evType, actionType;
        const char* actionTxt;
    };
    using E = SongEv;
    const Case cases[] = {
        {"01:30 Page 3", true, 1, 30, E::EvPage, E::ActionPage, "3"},
        {"01:30 Page 3 Bottom", true, 1, 30, E::EvPage, E::ActionPageBottom, "3"},
        {"01:30 page 3 the BOTTOM half", true, 1, 30, E::EvPage, E::ActionPageBottom, "3"},
        {"02:10 Message STAGE:Key change", true, 2, 10, E::EvMessage, E::ActionMessage,
         "STAGE:Key change"},
        {"00:00 Message Count in", true, 0, 0, E::EvMessage, E::ActionMessage, "Count in"},
        {"0.12:5@SYNTH CC7:100@SYNTH", false, 0, 0, E::EvMidi, E::ActionNone,
         "0.12:5@SYNTH CC7:100@SYNTH "},
        {"MIDI PIANO", false, 0, 0, E::EvMidiGroup, E::ActionNone, "MIDI PIANO "},
        {"00:45 MIDI SOLO", true, 0, 45, E::EvMidiGroup, E::ActionNone, "MIDI SOLO "},
        {"03:00 Fade out slowly", true, 3, 0, E::EvOther, E::ActionMessageStay, "Fade out slowly"},
        {"03:00 Fade out", true, 3, 0, E::EvOther, E::ActionMessageStay, "Fade out "},
        {"TEMPO=120", false, 0, 0, E::EvTempo, E::ActionNone, "TEMPO=120  "},
        {"Intro: MIDI PIANO", false, 0, 0, E::EvOther, E::ActionMessageStay, "Intro: MIDI PIANO"},
        {"1a:30 Page 2", true, 1, 30, E::EvPage, E::ActionPage, "2"},
        {"05: Page 2", true, 5, 0, E::EvPage, E::ActionPage, "2"},
        {"Message STAGE:Hello", false, 0, 0, E::EvMessage, E::ActionMessage, "STAGE:Hello "},
        // The first matching kind wins: PAGE before MESSAGE before "@".
        {"PageMessage@X 2", false, 0, 0, E::EvPage, E::ActionPage, "2"},
        {"a:b", false, 0, 0, E::EvOther, E::ActionMessageStay, "a:b  "},
        {"Capo +2", false, 0, 0, E::EvOther, E::ActionMessageStay, "Capo +2 "},
        // A carriage return stays part of the line's text.
        {"01:00 Page 4\r", true, 1, 0, E::EvPage, E::ActionPage, "4\r"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.line);
        const auto ev = chargerSongEventsFromLine(QString::fromUtf8(c.line), 7);
        ASSERT_TRUE(ev.has_value());
        EXPECT_EQ(ev->index, 7);
        EXPECT_EQ(ev->timeEv, c.timed);
        EXPECT_EQ(ev->mm, c.mm);
        EXPECT_EQ(ev->ss, c.ss);
        EXPECT_DOUBLE_EQ(ev->val, c.mm * 60.0 + c.ss);
        EXPECT_EQ(ev->evType, c.evType);
        EXPECT_EQ(ev->actionType, c.actionType);
        EXPECT_EQ(ev->actionTxt, QString::fromUtf8(c.actionTxt));
        EXPECT_FALSE(ev->traite);
    }
}

TEST(SongEvents, LinesThatMakeNoEvent)
{
    for (const char* line : {"", "01:30", "01:30  Page 2", " leading space", "   "}) {
        SCOPED_TRACE(line);
        EXPECT_FALSE(chargerSongEventsFromLine(QString::fromUtf8(line), 0).has_value());
    }
}

TEST(SongEvents, ANoteNumbersItsEventsInLineOrderAndListsItsUntimedMidi)
{
    const QString note = QStringLiteral("Capo on 2\n"
                                        "\n"
                                        "0.12:5@SYNTH\n"
                                        "01:30  Page 2\n"
                                        "00:45 MIDI SOLO\n"
                                        "MIDI PIANO\r\n"
                                        "01:00 CC7:0@SYNTH\n"
                                        "Tempo=96");
    const QList<SongEv> events = chargerSongEventsFromString(note);
    ASSERT_EQ(events.size(), 6);
    for (int i = 0; i < events.size(); ++i)
        EXPECT_EQ(events[i].index, i);
    EXPECT_EQ(events[0].evType, SongEv::EvOther);
    EXPECT_EQ(events[2].evType, SongEv::EvMidiGroup);
    EXPECT_EQ(events[4].evType, SongEv::EvMidi);
    EXPECT_TRUE(events[4].timeEv);
    EXPECT_EQ(untimedMidiTexts(events),
              (QStringList{QStringLiteral("0.12:5@SYNTH  "), QStringLiteral("MIDI PIANO\r ")}));
    EXPECT_TRUE(chargerSongEventsFromString(QString()).isEmpty());
}

} // namespace
} // namespace partivo

namespace partivo {
namespace {

// What fired, one word each: "midi:TEXT" or "ACTION=param".
QStringList firedWords(const QList<FiredEvent>& fired)
{
    QStringList words;
    for (const FiredEvent& f : fired)
        words << (f.midi.isEmpty() ? QStringLiteral("%1=%2").arg(f.action, f.param.toString())
                                   : QStringLiteral("midi:") + f.midi);
    return words;
}

} // namespace

TEST(SongEvents, TimedEventsFireOnceAsTheTrackReachesThem)
{
    QList<SongEv> events = chargerSongEventsFromString(
        "Tempo=96\n00:00 Page 2\n00:10 Message Chorus now\n00:10 Page 3 bottom\n"
        "01:00 Page 0\n00:20 CC7:100@SYNTH\n00:30 Tempo 120\nPage 5\n");
    const struct {
        double t;
        QStringList expected;
    } steps[] = {
        {0.0, {"ActionGoToPageNo=2"}},
        {9.9, {}},
        // Two events at the same time fire in note order in one pass.
        {10.0, {"ActionMessage=Chorus now", "ActionGoToPageBottomNo=3"}},
        {10.2, {}},
        // A jump forward fires what was skipped; page 0 and the tempo line fire nothing.
        {75.0, {"midi:CC7:100@SYNTH  "}}, // kind, argument and rest, as the line gives them
        // A jump back fires nothing again.
        {5.0, {}},
    };
    for (const auto& step : steps) {
        SCOPED_TRACE(step.t);
        EXPECT_EQ(firedWords(processSongEventsUpTo(events, step.t)), step.expected);
    }
    // Stopped and played again from the start: everything fires again.
    resetSongEvents(events);
    EXPECT_EQ(firedWords(processSongEventsUpTo(events, 10.0)),
              (QStringList{"ActionGoToPageNo=2", "ActionMessage=Chorus now",
                           "ActionGoToPageBottomNo=3"}));
}

} // namespace partivo
