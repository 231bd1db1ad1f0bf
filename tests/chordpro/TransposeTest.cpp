#include "chordpro/ChordDet.h"
#include "chordpro/ChordProParser.h"
#include "chordpro/SongTransposer.h"
#include "chordpro/TransposeTableModel.h"
#include "platform/TextDecode.h"

#include "QtPrinters.h"
#include "TestData.h"

#include <QDirIterator>
#include <gtest/gtest.h>

#include <random>
#include <string>

namespace partivo::chordpro {
namespace {

constexpr int A = ChordDet::Automatic;
constexpr int F = ChordDet::Flats;
constexpr int S = ChordDet::Sharps;

QString q(const char* text)
{
    return QString::fromUtf8(text);
}

QStringList corpusFiles()
{
    QStringList files;
    QDirIterator it(testDataPath(QStringLiteral("corpus")), QDir::Files,
                    QDirIterator::Subdirectories);
    while (it.hasNext())
        files << it.next();
    files.sort();
    return files;
}

QString readFile(const QString& path)
{
    QString text;
    EXPECT_TRUE(readTextFile(path, text)) << path.toStdString();
    return text;
}

// Text and its spans as "c:name" or "k:value" joined by "|".
const std::pair<const char*, const char*> kSpanCases[] = {
    {"[C]la [G]li [C]lo [Am]", "c:C|c:G|c:C|c:Am"},
    {"[C maj]word [ C] []", "c:C"},
    {"[\tC\t] [C\t7] [C\r]", "c:C|c:C7|c:C"},
    // A directive of one line names chords that follow the song; one of several lines not.
    {"{c: [D] here}[E]", "c:D|c:E"},
    {"{c: Intro [C] [G7] [x y] [(E)]}", "c:C|c:G7|c:(E)"},
    // Annotations are not chords.
    {"[*Rit.][C]la [*D]", "c:C"},
    // Nor is anything in a section that is not lyrics.
    {"{start_of_abc}\n[GAB] c|\n{end_of_abc}\n[D]", "c:D"},
    {"{START_OF_TEXTBLOCK: x}\r\n[A]\r\n{eot}\r\n{End_Of_Textblock}\r\n[D]", "c:D"},
    {"{start_of_svg}\n[A]", ""},
    {"# [D] comment\n[E]", "c:E"},
    {"  # [D]\nx # [E]", "c:D|c:E"},
    {"#[D]\n#[E]\n[F]\n#[G]", "c:F"},
    {"{title:x\n[D]}[E]", "c:E"},
    {"{unclosed [D]\n[E]", ""},
    {"[C\n[D] [E", "c:C|c:D|c:E"},
    {"[C [D] [C x [E] [[F]]", "c:C|c:D|c:C|c:E|c:F"},
    {"[$D$] [G/B] [/E] [C/]", "c:$D$|c:G/B|c:/E|c:C/"},
    {"{key:G}{ key : G }{k:  G }{KEY:g}{K:Am}", "k:G|k:G|k:G|k:g|k:Am"},
    {"{keys:G}{key:}{kex:G}{key G}", ""},
    {"# {key:G}\n[C]{c: {key:D}}", "k:G|c:C|k:D"},
    {"[C{key:D}] [C x {k:E}]", "c:C|k:D|c:C|k:E"},
    {"# {key:G\n[D]}", "c:D"},
    {"{key:{key:G}", "k:{key:G"},
};

TEST(SongChords, ChordNamesAndKeyValues)
{
    for (const auto& [input, expected] : kSpanCases) {
        SCOPED_TRACE(input);
        const QString text = q(input);
        QStringList shown;
        for (const TransposableSpan& span : transposableSpans(text)) {
            shown << (span.kind == TransposableSpan::Chord ? "c:" : "k:") + span.text;
            EXPECT_EQ(text.mid(span.start, span.length).remove(u'\t').remove(u'\r'), span.text);
        }
        EXPECT_EQ(shown.join(u'|'), q(expected));
    }
}

// The list is the one the parser records, broken brackets included.
TEST(SongChords, SameListAsTheParser)
{
    QStringList texts = {"[C]a [G]b [C]c [Am]d [am]"};
    for (const auto& c : kSpanCases)
        texts << q(c.first);
    for (const QString& file : corpusFiles())
        texts << readFile(file);
    for (const QString& text : texts) {
        SCOPED_TRACE(text.toStdString());
        // A section for another instrument is not read, but its chords move with the text.
        if (text.contains(u"{start_of_verse-bass}"))
            continue;
        EXPECT_EQ(songChords(text), parseChordPro(text).chords.chords());
    }
    EXPECT_EQ(songChords("[C]a [G]b [C]c [Am]d [am]"), QStringList({"C", "G", "Am", "am"}));
}

TEST(SongChords, KeyIsTheDirectiveElseTheFirstChord)
{
    EXPECT_EQ(songKey("[C]{key: G }"), q("G"));
    EXPECT_EQ(songKey("{k:Bb}[C]"), q("Bb"));
    EXPECT_EQ(songKey("[D/F#][C]"), q("D/F#"));
    EXPECT_EQ(songKey("{key:}[E]"), q("E"));
    EXPECT_EQ(songKey("lyrics only"), q(""));
}

struct SongCase {
    const char* text;
    int semitones;
    int pref;
    const char* expected;
};

TEST(TransposeSong, Songs)
{
    const SongCase cases[] = {
        // No key: the first chord is the key.
        {"[C]one [D]two", 1, A, "[C#]one [D#]two"},
        {"{key:D}\n[A]x [D]y [F#]z", 1, A, "{key:Eb}\n[Bb]x [Eb]y [G]z"},
        {"{key:F}\n[A]x [E]y", 1, A, "{key:F#}\n[A#]x [F]y"},
        // Each chord is transposed once.
        {"[C] [D]", 2, A, "[D] [E]"},
        {"[Am] and [am]", 2, A, "[Bm] and [Bm]"},
        {"{key:Am}\n[Am][F][G][E7]", 3, A, "{key:Cm}\n[Cm][Ab][Bb][G7]"},
        {"{key:E}\n[C#]", 0, F, "{key:E}\n[Db]"},
        {"{key:E}\n[Bb]", 0, S, "{key:E}\n[A#]"},
        {"{key:C}\n[G/B] [/E] [C/]", 2, A, "{key:D}\n[A/C#] [/F#] [D/]"},
        // Key directives keep their own spacing and case.
        {"{key: G}\n[G]", 2, A, "{key: A}\n[A]"},
        {"{ key : G }\n[G][C]", 2, A, "{ key : A }\n[A][D]"},
        {"{k:  G }\n[G]", 2, A, "{k:  A }\n[A]"},
        {"{KEY:g}{key:F#m}", 1, A, "{KEY:Ab}{key:Gm}"}, // Ab major spells its own key
        {"{key:C}[C]\n{key:D}[D]", 2, A, "{key:D}[D]\n{key:E}[E]"},
        {"# {key:G}\n{key:C}[C]", 2, A, "# {key:A}\n{key:D}[D]"},
        // Only chord names and key values change, in directives too ("# " lines are remarks).
        {"C D [C] {c:[C] x} # y\n# [C] z\nC[C]C {t:[C]}", 2, A,
         "C D [D] {c:[D] x} # y\n# [C] z\nC[D]C {t:[D]}"},
        // A chord only a comment names follows the song; the key stays the song's first chord.
        {"{c: Intro [Bb] [(E)]}\n[C]la [G]li", 2, A, "{c: Intro [C] [(F#)]}\n[D]la [A]li"},
        {"[C maj]word [C]", 2, A, "[D maj]word [D]"},
        {"[*A tempo][C]la [*Ebm] {c: [*D]}", 2, A, "[*A tempo][D]la [*Ebm] {c: [*D]}"},
        {"[$D$] text [$ and $] [C] {c:[$D$]}", 2, A, "[$D$] text [$ and $] [D] {c:[$D$]}"},
        {"{key:C}\r\n[C]Ça été\r\n", 2, A, "{key:D}\r\n[D]Ça été\r\n"},
        {"", 5, A, ""},
        {"[N.C.] [C] [x] [H7]", 2, A, "[N.C.] [D] [x] [H7]"},
        {"{key:F}[Bb] [A#]", 0, A, "{key:F}[Bb] [Bb]"},
        {"[C]{c: open [C]", 2, A, "[D]{c: open [C]"},
        {"[C]x [C\n[C", 2, A, "[D]x [D\n[D"},
        {"[C\t7]", 2, A, "[D7]"},
        {"{key:G}[G][C][D7]", 11, A, "{key:F#}[F#][B][C#7]"},
        {"{key:G}[G][C][D7]", -11, A, "{key:Ab}[Ab][Db][Eb7]"},
        // Chords are matched exactly, not ignoring case.
        {"[Bb] [BB] [am] [AM]", 1, A, "[B] [CB] [A#m] [A#M]"},
    };
    for (const SongCase& c : cases) {
        SCOPED_TRACE(std::string(c.text) + " by " + std::to_string(c.semitones));
        EXPECT_EQ(transposeSongText(q(c.text), c.semitones, c.pref), q(c.expected));
    }
}

// The two sweeps with a "[$...$]" marker, as a reference for ordinary songs.
QString twoSweepTranspose(const QString& text, int semitones, int pref)
{
    const QString key = songKey(text);
    QList<ChordDet> dets;
    for (const QString& chord : songChords(text)) {
        dets << ChordDet::initWithChordSource(chord);
        dets.last().transposeChord(semitones, key, pref);
    }
    QString out = text;
    for (const ChordDet& d : dets)
        out.replace('[' + d.chordSource + ']', "[$" + d.chordDest + "$]", Qt::CaseInsensitive);
    for (const ChordDet& d : dets)
        out.replace("[$" + d.chordDest + "$]", '[' + d.chordDest + ']', Qt::CaseInsensitive);
    const QString newKey = ChordDet::transposeSingleChord(key, semitones, key, pref);
    out.replace("{k:" + key + '}', "{k:" + newKey + '}', Qt::CaseInsensitive);
    return out.replace("{key:" + key + '}', "{key:" + newKey + '}', Qt::CaseInsensitive);
}

// Songs in every key, spelled as automatic spelling spells that key, with lyrics, directives,
// a comment line and slash chords; with a key directive and without (the first chord is the
// tonic).
QStringList generatedSongs()
{
    const int scales[2][7] = {{0, 2, 4, 5, 7, 9, 11}, {0, 2, 3, 5, 7, 8, 10}};
    const char* const suffixes[] = {"", "m", "7", "maj7", "sus4", "m7", "dim", "add9"};
    const char* const words[] = {"love", "road ", "été", "  ", "night,", "[x]"};
    std::minstd_rand random(12345);
    QStringList songs;
    for (int root = 0; root < 12; ++root) {
        for (int minor : {0, 1}) {
            const int keyPitch = (root + 3 * minor) % 12;
            const QString tonic = ChordDet::strChord(root, keyPitch, A) + (minor ? "m" : "");
            const auto chord = [&](const char* suffix) {
                const int pitch = (root + scales[minor][random() % 7]) % 12;
                return ChordDet::strChord(pitch, keyPitch, A) + suffix;
            };
            QString body = '[' + tonic + "]Start\n{soc}\n# a comment line\n";
            for (int line = 0; line < 6; ++line) {
                for (int i = 0; i < 5; ++i) {
                    QString name = chord(suffixes[random() % std::size(suffixes)]);
                    if (random() % 4 == 0)
                        name += '/' + chord("");
                    body += '[' + name + ']' + words[random() % std::size(words)];
                }
                body += line == 4 ? "{c:Bridge}\n" : "\n";
            }
            songs << "{title:Song}\n{key:" + tonic + "}\n" + body << body;
        }
    }
    return songs;
}

TEST(TransposeSong, GeneratedSongsComeBackAndMatchTheTwoSweeps)
{
    for (const QString& song : generatedSongs()) {
        SCOPED_TRACE(song.left(40).toStdString());
        for (int n = -11; n <= 11; ++n) {
            for (int pref : {A, F, S}) {
                SCOPED_TRACE("by " + std::to_string(n) + " pref " + std::to_string(pref));
                const QString moved = transposeSongText(song, n, pref);
                EXPECT_EQ(moved, twoSweepTranspose(song, n, pref));
                EXPECT_EQ(transposeSongText(moved, -n, pref),
                          pref == A ? song : transposeSongText(song, 0, pref));
            }
        }
    }
}

// A chord without bass moved by n: same suffix, pitch class + n; the name exactly where only
// one exists (natural notes) or a fixed preference decides. Text not starting with a note
// letter stays as written.
void expectPartMoved(const QString& from, const QString& to, int n, int pref)
{
    // "(E)": the chord inside moves, the parentheses stay.
    if (from.size() > 2 && from.startsWith(u'(') && from.endsWith(u')')) {
        ASSERT_TRUE(to.startsWith(u'(') && to.endsWith(u')')) << to.toStdString();
        expectPartMoved(from.mid(1, from.size() - 2), to.mid(1, to.size() - 2), n, pref);
        return;
    }
    const char* const sharps[12] = {"C",  "C#", "D",  "D#", "E",  "F",
                                    "F#", "G",  "G#", "A",  "A#", "B"};
    const char* const flats[12] = {"C", "Db", "D", "Eb", "E", "F", "Gb", "G", "Ab", "A", "Bb", "B"};
    // A letter's pitch class is its position here.
    const QString letters = "C D EF G A B";
    const qsizetype letter = from.isEmpty() ? -1 : letters.indexOf(from[0].toUpper());
    if (letter < 0 || from[0] == u' ' || from[0].unicode() > 127) {
        EXPECT_EQ(to, from);
        return;
    }
    const bool accidental = from.size() > 1 && (from[1] == u'#' || from[1] == u'b');
    const int shift = accidental ? (from[1] == u'#' ? 1 : -1) : 0;
    const int target = ((int(letter) + shift + n) % 12 + 24) % 12;
    const QString suffix = from.mid(accidental ? 2 : 1);
    const QString flat = flats[target] + suffix;
    const QString sharp = sharps[target] + suffix;
    if (pref == A && flat != sharp) {
        EXPECT_TRUE(to == flat || to == sharp) << from.toStdString() << " -> " << to.toStdString();
    } else {
        EXPECT_EQ(to, pref == F ? flat : sharp) << "from " << from.toStdString();
    }
}

// Everything outside chord names and key values is unchanged; each of them is moved by n,
// a chord's bass (after a "/" that is not last) on its own.
void expectSongMoved(const QString& from, const QString& to, int n, int pref)
{
    const QList<TransposableSpan> a = transposableSpans(from);
    const QList<TransposableSpan> b = transposableSpans(to);
    ASSERT_EQ(a.size(), b.size());
    qsizetype pa = 0;
    qsizetype pb = 0;
    for (qsizetype i = 0; i < a.size(); ++i) {
        ASSERT_EQ(from.mid(pa, a[i].start - pa), to.mid(pb, b[i].start - pb));
        const qsizetype slash = a[i].text.indexOf(u'/');
        if (a[i].kind == TransposableSpan::Chord && slash >= 0 && slash < a[i].text.size() - 1) {
            const qsizetype toSlash = b[i].text.indexOf(u'/');
            expectPartMoved(a[i].text.left(slash), b[i].text.left(toSlash), n, pref);
            expectPartMoved(a[i].text.mid(slash + 1), b[i].text.mid(toSlash + 1), n, pref);
        } else {
            expectPartMoved(a[i].text, b[i].text, n, pref);
        }
        pa = a[i].start + a[i].length;
        pb = b[i].start + b[i].length;
    }
    EXPECT_EQ(from.mid(pa), to.mid(pb));
}

// Every corpus file, offset and preference: the text moves as expectSongMoved says, and moving
// back gives the original as re-spelled in place (offset 0, same preference: "A#" may come back
// as "Bb", "am" as "Am"). With automatic spelling the way back needs the key to have moved with
// the song; a key that does not start with a note letter stays as written, so such files are
// compared with fixed spelling only.
TEST(TransposeSong, EveryCorpusFileComesBack)
{
    const QStringList files = corpusFiles();
    if (files.isEmpty())
        GTEST_SKIP() << "tests/chordpro/corpus holds no files yet";
    for (const QString& file : files) {
        SCOPED_TRACE(file.toStdString());
        const QString text = readFile(file);
        const bool keyMoves =
            songKey(text).isEmpty() || ChordDet::startsWithNoteLetter(songKey(text));
        for (int n = -11; n <= 11; ++n) {
            for (int pref : {A, F, S}) {
                SCOPED_TRACE("by " + std::to_string(n) + " pref " + std::to_string(pref));
                const QString moved = transposeSongText(text, n, pref);
                expectSongMoved(text, moved, n, pref);
                if (pref != A || keyMoves) {
                    EXPECT_EQ(transposeSongText(moved, -n, pref), transposeSongText(text, 0, pref));
                }
            }
        }
    }
}

TEST(TransposeTable, RowsColumnsAndHeaders)
{
    TransposeTableModel model;
    model.setSongText("{key:D}\n[D]a [G]b [A7]c [Bm]d [D]e");
    EXPECT_EQ(model.rowCount(), 13);
    EXPECT_EQ(model.columnCount(), 3);
    EXPECT_EQ(model.rowCount(model.index(0, 0)), 0);
    EXPECT_EQ(model.keyChord(), q("D"));
    EXPECT_EQ(model.chords(), QStringList({"D", "G", "A7", "Bm"}));
    const QStringList ids = {"ChordNo", "Chord", "ChordList"};
    for (int c = 0; c < 3; ++c) {
        EXPECT_EQ(TransposeTableModel::columnIdentifier(c), ids[c]);
        EXPECT_EQ(model.headerData(c, Qt::Horizontal).toString(), ids[c]);
    }
    EXPECT_FALSE(model.headerData(3, Qt::Horizontal).isValid());
    EXPECT_FALSE(model.headerData(0, Qt::Vertical).isValid());
    const QStringList numbers = q("+6 +5 +4 +3 +2 +1 0 -1 -2 -3 -4 -5 -6").split(' ');
    const QStringList keys = q("Ab G F# F E Eb D C# C B Bb A Ab").split(u' ');
    for (int row = 0; row < 13; ++row) {
        EXPECT_EQ(TransposeTableModel::offsetForRow(row), 6 - row);
        EXPECT_EQ(model.data(model.index(row, 0)).toString(), numbers[row]);
        EXPECT_EQ(model.data(model.index(row, 1)).toString(), keys[row]);
    }
    EXPECT_EQ(model.text(6, TransposeTableModel::ChordList), q("D  G  A7  Bm  "));
    EXPECT_EQ(model.text(5, TransposeTableModel::ChordList), q("Eb  Ab  Bb7  Cm  "));
    EXPECT_EQ(model.text(7, TransposeTableModel::ChordList), q("C#  F#  G#7  A#m  "));
    EXPECT_FALSE(model.data(QModelIndex()).isValid());
    EXPECT_FALSE(model.data(model.index(0, 0), Qt::EditRole).isValid());
}

TEST(TransposeTable, PreferenceReloadsAndKeepsTheSelectedRow)
{
    TransposeTableModel model;
    int resets = 0;
    QObject::connect(&model, &QAbstractItemModel::modelReset, [&resets] { ++resets; });
    model.setSongText("[G/B]x [C]y");
    EXPECT_EQ(model.keyChord(), q("G/B"));
    EXPECT_EQ(model.selectedRow(), 6);
    model.setSelectedRow(7);
    model.useFlats();
    EXPECT_EQ(model.selectedRow(), 7);
    EXPECT_EQ(model.text(7, TransposeTableModel::Chord), q("Gb/B"));
    EXPECT_EQ(model.text(7, TransposeTableModel::ChordList), q("Gb/Bb  B  "));
    model.useSharps();
    EXPECT_EQ(model.text(7, TransposeTableModel::ChordList), q("F#/A#  B  "));
    EXPECT_EQ(model.paramForSelection(), 2 * 13 - 1);
    model.useAutomaticSpelling();
    EXPECT_EQ(resets, 4);
    EXPECT_EQ(model.selectedRow(), 7);
    EXPECT_EQ(model.paramForSelection(), -1);
    model.setSelectedRow(13);
    EXPECT_EQ(model.paramForSelection(), std::nullopt);
    model.setSongText("[C]");
    EXPECT_EQ(model.selectedRow(), 6);
    EXPECT_EQ(model.preference(), A);
}

TEST(TransposeTable, ParamEncodesPreferenceAndOffset)
{
    TransposeTableModel model;
    for (int pref : {A, F, S}) {
        model.setPreference(pref);
        for (int row = 0; row < 13; ++row) {
            const int param = model.paramForRow(row);
            EXPECT_EQ(param, pref * 13 + 6 - row);
            EXPECT_EQ(TransposeTableModel::decodeParam(param).pref, pref);
            EXPECT_EQ(TransposeTableModel::decodeParam(param).semitones, 6 - row);
        }
    }
    // The edges of the three ranges.
    const int edges[][3] = {{6, A, 6}, {7, F, -6}, {19, F, 6}, {20, S, -6}};
    for (const auto& [param, pref, semitones] : edges) {
        EXPECT_EQ(TransposeTableModel::decodeParam(param).pref, pref);
        EXPECT_EQ(TransposeTableModel::decodeParam(param).semitones, semitones);
    }
}

TEST(TransposeTable, EnterOnTheOpeningRowLeavesTheSongAsItWas)
{
    const QString song = "{title:T}\n{key:Bb}\n[Bb]one [Eb]two [F7]three [Gm]four [Cm/Eb]five\n";
    TransposeTableModel model;
    model.setSongText(song);
    const TransposeTableModel::Request request =
        TransposeTableModel::decodeParam(model.paramForSelection().value());
    EXPECT_EQ(request.semitones, 0);
    EXPECT_EQ(transposeSongText(song, request.semitones, request.pref), song);
}

} // namespace
} // namespace partivo::chordpro
