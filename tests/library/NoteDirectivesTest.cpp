#include "library/NoteDirectives.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace partivo {
namespace {

std::string u8(const QString& s)
{
    return s.toStdString();
}

// "<none>" stands for a missing value so that one column holds both outcomes.
std::string shown(const std::optional<QString>& value)
{
    return value ? "[" + value->toStdString() + "]" : "<none>";
}

TEST(NoteDirectives, IndexOfAsciiIgnoringCase)
{
    const struct {
        const char* text;
        const char* needle;
        int from;
        int at;
    } cases[] = {
        {"Hello TITLE=x", "title=", 0, 6},
        {"Hello title=x", "TITLE=", 0, 6},
        {"TiTlE=", "tItLe=", 0, 0},
        {"TITLE= TITLE=", "TITLE=", 1, 7},
        {"TITLE=", "TITLE=", 1, -1},
        {"TITLE=", "TITLE=", 6, -1},
        {"TITLE=", "TITLE=", 99, -1},
        {"TITLE=", "TITLE=", -1, -1},
        {"TITLE", "TITLE=", 0, -1},
        {"abc", "", 0, -1},
        {"", "a", 0, -1},
        {"TITL TITLE", "TITLE", 0, 5},
        {"TTTITLE", "TITLE", 0, 2},
        // Only the letters A..Z pair with a..z; the neighbours of those ranges do not.
        {"[t:", "{t:", 0, -1},
        {"{T:", "[t:", 0, -1},
        {"`x", "@X", 0, -1},
        {"@x", "`X", 0, -1},
        {"^", "~", 0, -1},
        // Other letters keep their case; positions are those of the text as written.
        {"É", "\xE9", 0, -1},
        {"é", "\xE9", 0, 0},
        {"Straße title=", "TITLE=", 0, 7},
        {"ßßß tempo", "TEMPO", 0, 4},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.text) + " / " + c.needle + " from " + std::to_string(c.from));
        EXPECT_EQ(indexOfAsciiIgnoringCase(QString::fromUtf8(c.text), QLatin1StringView(c.needle),
                                           c.from),
                  c.at);
    }
}

struct DirectiveCase {
    const char* name;
    const char* note;
    const char* directive;
    const char* value;         // as shown(): "[text]" or "<none>"
    const char* nonBlankValue; // obtenirChaineNonBlank
};

TEST(NoteDirectives, ObtenirChaine)
{
    const DirectiveCase cases[] = {
        {"plain", "TITLE=Song\n", "TITLE=", "[Song]", "[Song]"},
        {"leading space kept", "TITLE= Real Title\n", "TITLE=", "[ Real Title]", "[ Real Title]"},
        {"trailing space kept", "TITLE=Song  \n", "TITLE=", "[Song  ]", "[Song  ]"},
        {"lower-case name", "title=Song\n", "TITLE=", "[Song]", "[Song]"},
        {"mixed-case name", "Tags=rock ballad\n", "TAGS=", "[rock ballad]", "[rock ballad]"},
        {"value keeps its case", "TITLE=sOnG\n", "TITLE=", "[sOnG]", "[sOnG]"},
        {"no final line feed", "memo\nTITLE=Song", "TITLE=", "<none>", "<none>"},
        {"missing", "memo\nARTIST=Band\n", "TITLE=", "<none>", "<none>"},
        {"empty note", "", "TITLE=", "<none>", "<none>"},
        {"empty value", "TITLE=\nmemo", "TITLE=", "[]", "<none>"},
        {"blank value", "TITLE=   \nsome memo", "TITLE=", "[   ]", "<none>"},
        {"tab only", "TITLE=\t\n", "TITLE=", "[\t]", "<none>"},
        // CR LF line ends give the values of LF ones; a lone CR is text.
        {"carriage return before the line feed", "TITLE=Song\r\n", "TITLE=", "[Song]", "[Song]"},
        {"carriage return only is blank", "TITLE=\r\n", "TITLE=", "[]", "<none>"},
        {"only the last carriage return goes", "TITLE=Song\r\r\n", "TITLE=", "[Song\r]",
         "[Song\r]"},
        {"carriage return does not end a line", "TITLE=Song\rmore\n", "TITLE=", "[Song\rmore]",
         "[Song\rmore]"},
        {"first occurrence wins", "TITLE=One\nTITLE=Two\n", "TITLE=", "[One]", "[One]"},
        {"first occurrence wins even when blank", "TITLE= \nTITLE=Two\n", "TITLE=", "[ ]",
         "<none>"},
        {"inside a line", "memo TITLE=Mid\n", "TITLE=", "[Mid]", "[Mid]"},
        {"inside a longer name", "SUBTITLE=Sub\nTITLE=Main\n", "TITLE=", "[Sub]", "[Sub]"},
        {"value up to the first line feed only", "TAGS=a b\nc d\n", "TAGS=", "[a b]", "[a b]"},
        {"needs the equals sign", "TITLE Song\n", "TITLE=", "<none>", "<none>"},
        // Positions come from the note as written: upper-casing "ß" gives "SS", which would
        // shift every later position by one.
        {"eszett before the name", "Straße TITLE=Real\n", "TITLE=", "[Real]", "[Real]"},
        {"eszetts before a lower-case name", "ßß title=X\n", "TITLE=", "[X]", "[X]"},
        {"eszett in the value", "TITLE=Straße\n", "TITLE=", "[Straße]", "[Straße]"},
        {"ligature before the name", "ﬁﬁﬁ ARTIST=Band\n", "ARTIST=", "[Band]", "[Band]"},
        {"non-ASCII value", "ARTIST=Émilie Müller\n", "ARTIST=", "[Émilie Müller]",
         "[Émilie Müller]"},
    };
    for (const DirectiveCase& c : cases) {
        SCOPED_TRACE(c.name);
        const QString note = QString::fromUtf8(c.note);
        const QLatin1StringView directive(c.directive);
        EXPECT_EQ(shown(obtenirChaine(note, directive)), c.value);
        EXPECT_EQ(shown(obtenirChaineNonBlank(note, directive)), c.nonBlankValue);
    }
}

struct TempoCase {
    const char* note;
    int tempo;
    int signature;
};

TEST(NoteDirectives, TempoAndSignature)
{
    const TempoCase cases[] = {
        {"", 0, 4},
        {"TEMPO=120", 120, 4},
        {"Tempo 96", 96, 4},
        {"tempo: 72", 72, 4},
        {"TEMPO=1234", 123, 4},
        {"TEMPO=60\n", 60, 4},
        {"memo\nTempo=88\n3/4\n", 88, 3},
        {"Intro 8 bars, 110 bpm", 110, 4},
        {"120 bpm", 120, 4},
        // "@" marks MIDI instructions: without the word TEMPO their numbers are no tempo.
        {"CC7:100@SYNTH\n120 bpm", 0, 4},
        {"0.12:5@SYNTH", 0, 4},
        {"CC7:100@SYNTH\nTEMPO=90", 90, 4},
        {"tempo 100 CC7:1@X", 100, 4},
        // The word limits the scan to its 11 characters: no bare number is looked for.
        {"Tempo unknown, 140 bpm", 0, 4},
        {"TEMPO 5 120", 120, 4},
        {"TEMPO    120", 12, 4},
        {"TEMPO     120", 0, 4},
        {"TEMPO=9", 0, 4},
        {"TEMPO=120 later 95", 120, 4},
        {"tempo=88 then tempo=99", 88, 4},
        {"x TEMPO", 0, 4},
        // A line that begins with the word is read first; prose whose characters hold no
        // tempo does not end the search.
        {"rubato intro, in tempo at bar 5 ... Tempo=64", 64, 4},
        {"rubato intro, in tempo at bar 5\nTempo=64\n", 64, 4},
        {"slow tempo 60 at first\nTempo=90", 90, 4},
        {"memo\n  Tempo: 76", 76, 4},
        {"in tempo, then TEMPO 100", 100, 4},
        {"in tempo\nat tempo", 0, 4},
        // Runs of digits: a one-digit run is forgotten, the third digit ends the scan.
        {"1 22 333", 22, 4},
        {"5x77", 77, 4},
        {"9", 0, 4},
        {"9 a 8", 0, 4},
        {"12345", 123, 4},
        {"no digits at all", 0, 4},
        {"version 2 at 1x", 0, 4},
        {"4 44", 44, 4},
        {"at 07", 7, 4},
        // Only ASCII digits count.
        {"tempo ١٢٠", 0, 4},
        {"١٢٠ 64", 64, 4},
        // Signature: "2/4" wins over "3/4"; the digits of a signature are no tempo.
        {"3/4", 0, 3},
        {"2/4", 0, 2},
        {"3/4 and 2/4", 0, 2},
        {"2/4 then 3/4", 0, 2},
        {"6/8", 0, 4},
        {"Café crème – 3/4\nTempo 96\n", 96, 3},
        {"Waltz 3/4, TEMPO=150", 150, 3},
        {"12/4", 12, 2},
        // The 11 characters are taken from the note as written, where "ß" is one character.
        {"ßßßß tempo=1    999", 0, 4},
        {"ßß Tempo 104", 104, 4},
    };
    for (const TempoCase& c : cases) {
        SCOPED_TRACE(c.note);
        const TempoInfo info = tempoFromNote(QString::fromUtf8(c.note));
        EXPECT_EQ(info.tempo, c.tempo);
        EXPECT_EQ(info.signature, c.signature);
    }
}

struct WindowCase {
    const char* name;
    const char* note;
    const char* windowId;
    int mode;
    int noDefault;
    const char* line;
};

TEST(NoteDirectives, NoteLineForWindow)
{
    const WindowCase cases[] = {
        {"version line", "Memo\nSTAGE:Capo on 2\nmore", "STAGE", 1, 0, "STAGE:Capo on 2"},
        {"version line, no default line", "Memo\nSTAGE:Capo on 2\nmore", "STAGE", 1, 1,
         "STAGE:Capo on 2"},
        {"version line at the start", "STAGE:Intro\nMemo", "STAGE", 2, 0, "STAGE:Intro"},
        {"last line without line feed", "Memo\nSTAGE:End", "STAGE", 1, 0, "STAGE:End"},
        {"note written in lower case", "Memo\nstage:capo 2\n", "STAGE", 1, 0, "stage:capo 2"},
        {"window ID in lower case", "Memo\nSTAGE:Capo\n", "stage", 1, 0, "STAGE:Capo"},
        {"inside a line", "Capo STAGE:here\n", "STAGE", 1, 0, "STAGE:here"},
        {"first accepted match wins", "STAGE:one\nSTAGE:two\n", "STAGE", 1, 0, "STAGE:one"},
        {"carriage return stays", "STAGE:Capo\r\nMemo", "STAGE", 1, 0, "STAGE:Capo\r"},
        {"no version line, default", "Memo\nmore", "STAGE", 1, 0, "Memo"},
        {"no version line, no default line", "Memo\nmore", "STAGE", 1, 1, ""},
        {"ID without colon", "Memo\nSTAGE Capo\n", "STAGE", 1, 1, ""},
        {"other window's line", "Memo\nBAND:Capo\n", "STAGE", 1, 1, ""},
        // Message events are not version lines.
        {"message", "Message STAGE:Hello\nsecond", "STAGE", 1, 0, "Message STAGE:Hello"},
        {"message, no default line", "Message STAGE:Hello\nsecond", "STAGE", 1, 1, ""},
        {"message in capitals", "MESSAGE STAGE:Hello\n", "STAGE", 1, 1, ""},
        {"message with another separator", "message-STAGE:Hello\n", "STAGE", 1, 1, ""},
        {"timed message", "02:10 Message STAGE:Key change\n", "STAGE", 1, 1, ""},
        {"message with two spaces is not the message form", "MESSAGE  STAGE:Hello\n", "STAGE", 1, 1,
         "STAGE:Hello"},
        {"message glued to the ID is not the message form", "MESSAGESTAGE:Hello\n", "STAGE", 1, 1,
         "STAGE:Hello"},
        // Timed events "mm:ss W:" are not version lines.
        {"timed event", "01:30 STAGE:Cue\nMemo", "STAGE", 1, 1, ""},
        {"timed event, default", "01:30 STAGE:Cue\nMemo", "STAGE", 1, 0, "01:30 STAGE:Cue"},
        {"colon four back but line break before", "a:bc\nSTAGE:x\n", "STAGE", 1, 1, "STAGE:x"},
        {"colon three back", "1:3 STAGE:x\n", "STAGE", 1, 1, "STAGE:x"},
        // A rejected match does not end the search.
        {"message, then real line", "Message STAGE:Hello\nSTAGE:Capo on 2\n", "STAGE", 1, 1,
         "STAGE:Capo on 2"},
        {"timed event, then real line", "01:30 STAGE:Cue\nMemo\nSTAGE:Capo 3", "STAGE", 1, 0,
         "STAGE:Capo 3"},
        {"both rejections, then real line",
         "00:05 STAGE:a\nMessage STAGE:b\n01:00 Message STAGE:c\nStage:Real\n", "STAGE", 1, 1,
         "Stage:Real"},
        // Mode 0: the window shows no version.
        {"mode 0 shows the first line", "Memo\nSTAGE:Capo\n", "STAGE", 0, 0, "Memo"},
        {"mode 0, no default line", "Memo\nSTAGE:Capo\n", "STAGE", 0, 1, ""},
        {"negative mode", "Memo\nSTAGE:Capo\n", "STAGE", -1, 0, "Memo"},
        // Line breaks.
        {"note begins with a line break", "\nSecond line", "STAGE", 0, 0, ""},
        {"note begins with a line break, no version line", "\nSecond line", "STAGE", 1, 0, ""},
        {"empty note", "", "STAGE", 1, 0, ""},
        {"one line", "Just a memo", "STAGE", 0, 0, "Just a memo"},
        // Positions come from the note as written ("ß" stays one character).
        {"eszett before the line", "Straße STAGE:Capo\n", "STAGE", 1, 1, "STAGE:Capo"},
        {"eszetts before a message", "ßßßß Message STAGE:x\nSTAGE:y\n", "STAGE", 1, 1, "STAGE:y"},
        {"non-ASCII ID", "Memo\nBÜHNE:Capo\n", "bühne", 1, 1, "BÜHNE:Capo"},
    };
    for (const WindowCase& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(u8(noteLineForWindow(QString::fromUtf8(c.note), QString::fromUtf8(c.windowId),
                                       c.mode, c.noDefault)),
                  c.line);
    }
}

TEST(NoteDirectives, ChordProDirective)
{
    const struct {
        const char* name;
        const char* text;
        const char* directive;
        const char* value;
    } cases[] = {
        {"plain", "{title: Other}\n[G]la", "{title:", "[Other]"},
        {"trimmed", "{title:   Other Title  }", "{title:", "[Other Title]"},
        {"inner spaces kept", "{title: A  B}", "{title:", "[A  B]"},
        {"upper-case directive", "{TITLE:Loud}", "{title:", "[Loud]"},
        {"value keeps its case", "{title:sOnG}", "{title:", "[sOnG]"},
        {"empty value", "{title:}", "{title:", "[]"},
        {"not closed", "{title: Unclosed\n[G]la", "{title:", "<none>"},
        {"missing", "[G]la la", "{title:", "<none>"},
        {"empty text", "", "{title:", "<none>"},
        {"first occurrence wins", "{t: One}\n{t: Two}", "{t:", "[One]"},
        {"short form", "{t: Meta Title}\n{st: Meta Artist}", "{t:", "[Meta Title]"},
        {"short subtitle", "{t: Meta Title}\n{st: Meta Artist}", "{st:", "[Meta Artist]"},
        {"long form is not the short one", "{title: Long}", "{t:", "<none>"},
        {"subtitle is not the short one", "{subtitle: Sub}", "{st:", "<none>"},
        {"no space allowed before colon", "{title : Spaced}", "{title:", "<none>"},
        {"non-ASCII", "{title:Ça va}", "{title:", "[Ça va]"},
        {"eszetts before the directive", "ßß{TITLE: Straße}", "{title:", "[Straße]"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(
            shown(chordProDirective(QString::fromUtf8(c.text), QLatin1StringView(c.directive))),
            c.value);
    }
}

} // namespace
} // namespace partivo
