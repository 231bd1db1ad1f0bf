#include "chordpro/ChordDiagramTable.h"

#include <QStringView>
#include <cstddef>
#include <iterator>
#include <utility>

namespace partivo::chordpro {

namespace {

struct Shape {
    const char* root;
    const char* suffix;
    int baseFret;
    // Low E to high E: "x" not played, a digit the fret counted from baseFret.
    const char* frets;
};

// Every shape has its root as the lowest note sounded, so a diagram never suggests an
// inversion; "dim" is the triad (root, minor third, diminished fifth), not the seventh chord.
// Movable shapes start at relative fret 1 above the nut.
// clang-format off
constexpr Shape kShapes[] = {
    {"C", "", 1, "x32010"},      {"C#", "", 4, "x13331"},     {"D", "", 1, "xx0232"},
    {"D#", "", 6, "x13331"},     {"E", "", 1, "022100"},      {"F", "", 1, "133211"},
    {"F#", "", 2, "133211"},     {"G", "", 1, "320003"},      {"G#", "", 4, "133211"},
    {"A", "", 1, "x02220"},      {"A#", "", 1, "x13331"},     {"B", "", 2, "x13331"},

    {"C", "m", 3, "x13321"},     {"C#", "m", 4, "x13321"},    {"D", "m", 1, "xx0231"},
    {"D#", "m", 6, "x13321"},    {"E", "m", 1, "022000"},     {"F", "m", 1, "133111"},
    {"F#", "m", 2, "133111"},    {"G", "m", 3, "133111"},     {"G#", "m", 4, "133111"},
    {"A", "m", 1, "x02210"},     {"A#", "m", 1, "x13321"},    {"B", "m", 2, "x13321"},

    {"C", "7", 1, "x32310"},     {"C#", "7", 4, "x13131"},    {"D", "7", 1, "xx0212"},
    {"D#", "7", 6, "x13131"},    {"E", "7", 1, "020100"},     {"F", "7", 1, "131211"},
    {"F#", "7", 2, "131211"},    {"G", "7", 1, "320001"},     {"G#", "7", 4, "131211"},
    {"A", "7", 1, "x02020"},     {"A#", "7", 1, "x13131"},    {"B", "7", 1, "x21202"},

    {"C", "m7", 3, "x13121"},    {"C#", "m7", 4, "x13121"},   {"D", "m7", 1, "xx0211"},
    {"D#", "m7", 6, "x13121"},   {"E", "m7", 1, "020000"},    {"F", "m7", 1, "131111"},
    {"F#", "m7", 2, "131111"},   {"G", "m7", 3, "131111"},    {"G#", "m7", 4, "131111"},
    {"A", "m7", 1, "x02010"},    {"A#", "m7", 1, "x13121"},   {"B", "m7", 1, "x20202"},

    {"C", "maj7", 1, "x32000"},  {"C#", "maj7", 4, "x13231"}, {"D", "maj7", 1, "xx0222"},
    {"D#", "maj7", 6, "x13231"}, {"E", "maj7", 1, "021100"},  {"F", "maj7", 1, "xx3210"},
    {"F#", "maj7", 1, "2x332x"}, {"G", "maj7", 1, "320002"},  {"G#", "maj7", 4, "1x221x"},
    {"A", "maj7", 1, "x02120"},  {"A#", "maj7", 1, "x13231"}, {"B", "maj7", 2, "x13231"},

    {"C", "sus2", 1, "x30013"},  {"C#", "sus2", 4, "x13311"}, {"D", "sus2", 1, "xx0230"},
    {"D#", "sus2", 6, "x13311"}, {"E", "sus2", 1, "024400"},  {"F", "sus2", 1, "xx3011"},
    {"F#", "sus2", 1, "2x4122"}, {"G", "sus2", 1, "3x0233"},  {"G#", "sus2", 3, "2x4122"},
    {"A", "sus2", 1, "x02200"},  {"A#", "sus2", 1, "x13311"}, {"B", "sus2", 2, "x13311"},

    {"C", "sus4", 1, "x33011"},  {"C#", "sus4", 4, "x13341"}, {"D", "sus4", 1, "xx0233"},
    {"D#", "sus4", 6, "x13341"}, {"E", "sus4", 1, "022200"},  {"F", "sus4", 1, "133311"},
    {"F#", "sus4", 2, "133311"}, {"G", "sus4", 1, "330013"},  {"G#", "sus4", 4, "133311"},
    {"A", "sus4", 1, "x02230"},  {"A#", "sus4", 1, "x13341"}, {"B", "sus4", 2, "x13341"},

    {"C", "dim", 3, "x1232x"},   {"C#", "dim", 4, "x1232x"},  {"D", "dim", 1, "xx0131"},
    {"D#", "dim", 1, "xx1242"},  {"E", "dim", 2, "xx1242"},   {"F", "dim", 1, "1231xx"},
    {"F#", "dim", 1, "2342xx"},  {"G", "dim", 3, "1231xx"},   {"G#", "dim", 4, "1231xx"},
    {"A", "dim", 1, "x0121x"},   {"A#", "dim", 1, "x1232x"},  {"B", "dim", 2, "x1232x"},

    {"C", "aug", 1, "x32110"},   {"C#", "aug", 1, "x43221"},  {"D", "aug", 1, "xx0332"},
    {"D#", "aug", 1, "xx1003"},  {"E", "aug", 1, "032110"},   {"F", "aug", 1, "xx3221"},
    {"F#", "aug", 1, "xx4332"},  {"G", "aug", 1, "321003"},   {"G#", "aug", 4, "xx3221"},
    {"A", "aug", 1, "x03221"},   {"A#", "aug", 1, "x10332"},  {"B", "aug", 1, "x21003"},
};
// clang-format on

// The qualities in the order of the table's groups of twelve.
constexpr const char* kSuffixes[] = {"", "m", "7", "m7", "maj7", "sus2", "sus4", "dim", "aug"};

constexpr int wrapPitch(int pitch)
{
    return (pitch % 12 + 12) % 12;
}

// Pitch class (C = 0) of an upper-case letter A-G; -1 for any other character.
constexpr int naturalPitch(char16_t letter)
{
    constexpr int kNaturals[7] = {9, 11, 0, 2, 4, 5, 7}; // A to G
    return letter >= u'A' && letter <= u'G' ? kNaturals[letter - u'A'] : -1;
}

constexpr int accidentalShift(char16_t c)
{
    if (c == u'#' || c == u'\u266F')
        return 1;
    if (c == u'b' || c == u'\u266D')
        return -1;
    return 0;
}

constexpr bool sameText(const char* a, const char* b)
{
    while (*a && *a == *b) {
        ++a;
        ++b;
    }
    return *a == *b;
}

constexpr bool wellFormed(const Shape& shape)
{
    int strings = 0;
    for (const char* c = shape.frets; *c; ++c, ++strings) {
        if (*c != 'x' && (*c < '0' || *c > '5'))
            return false;
    }
    return strings == 6 && shape.baseFret >= 1 && shape.baseFret <= kMaxChordFret;
}

// Shape i is the quality kSuffixes[i / 12] on the root of pitch class i % 12, so that a
// chord finds its shape by index.
constexpr bool inTableOrder()
{
    for (std::size_t i = 0; i < std::size(kShapes); ++i) {
        const Shape& shape = kShapes[i];
        const int pitch = naturalPitch(char16_t(shape.root[0])) + accidentalShift(shape.root[1]);
        if (!wellFormed(shape) || wrapPitch(pitch) != int(i % 12) ||
            !sameText(shape.suffix, kSuffixes[i / 12]))
            return false;
    }
    return true;
}

static_assert(std::size(kShapes) == 12 * std::size(kSuffixes));
static_assert(inTableOrder(), "roots C to B per quality; six strings of x or 0..5");

// How chords write each quality; \u0394 and \u2206 are the triangle of "major seventh",
// \u00B0 the degree sign of "diminished".
struct SuffixAlias {
    const char16_t* written;
    int quality; // index into kSuffixes
};

constexpr SuffixAlias kSuffixAliases[] = {
    {u"", 0},        {u"M", 0},      {u"maj", 0},     {u"m", 1},    {u"min", 1},  {u"mi", 1},
    {u"-", 1},       {u"7", 2},      {u"dom7", 2},    {u"m7", 3},   {u"min7", 3}, {u"mi7", 3},
    {u"-7", 3},      {u"maj7", 4},   {u"Maj7", 4},    {u"M7", 4},   {u"ma7", 4},  {u"\u0394", 4},
    {u"\u03947", 4}, {u"\u2206", 4}, {u"\u22067", 4}, {u"sus2", 5}, {u"sus4", 6}, {u"sus", 6},
    {u"dim", 7},     {u"\u00B0", 7}, {u"aug", 8},     {u"+", 8},
};

// Pitch class of the root at the start of the text (a letter A-G in either case, then at
// most one sharp or flat), and the characters it takes; nothing when there is no root.
std::optional<std::pair<int, qsizetype>> readRoot(QStringView text)
{
    if (text.isEmpty())
        return std::nullopt;
    const int natural = naturalPitch(text[0].toUpper().unicode());
    if (natural < 0)
        return std::nullopt;
    const int shift = text.size() > 1 ? accidentalShift(text[1].unicode()) : 0;
    return std::pair{wrapPitch(natural + shift), shift != 0 ? 2 : 1};
}

std::optional<int> quality(QStringView written)
{
    for (const SuffixAlias& alias : kSuffixAliases) {
        if (written == QStringView(alias.written))
            return alias.quality;
    }
    return std::nullopt;
}

ChordFingering fingeringOf(const Shape& shape, const QString& name)
{
    ChordFingering fingering;
    fingering.name = name;
    fingering.baseFret = shape.baseFret;
    for (const char* c = shape.frets; *c; ++c)
        fingering.frets.append(*c == 'x' ? -1 : *c - '0');
    return fingering;
}

} // namespace

std::optional<ChordFingering> builtInFingering(const QString& chordName)
{
    QStringView chord = QStringView(chordName).trimmed();
    const qsizetype slash = chord.indexOf(u'/');
    if (slash >= 0)
        chord = chord.first(slash);
    const auto root = readRoot(chord);
    if (!root)
        return std::nullopt;
    const auto [pitch, rootLength] = *root;
    const std::optional<int> index = quality(chord.sliced(rootLength));
    if (!index)
        return std::nullopt;
    return fingeringOf(kShapes[*index * 12 + pitch], chordName);
}

void ChordDiagrams::define(const ChordFingering& fingering)
{
    if (!fingering.frets.isEmpty())
        defined_.insert(fingering.name, fingering);
}

std::optional<ChordFingering> ChordDiagrams::lookup(const QString& name) const
{
    const auto found = defined_.constFind(name);
    if (found != defined_.constEnd())
        return *found;
    return builtInFingering(name);
}

} // namespace partivo::chordpro
