#include "midi/MidiInstructions.h"

#include "midi/MidiBytes.h"

#include <QStringView>

namespace partivo {

namespace {

constexpr QStringView kSysexKeyword = u"SYSEX"; // any case
constexpr QStringView kGroupKeyword = u"MIDI "; // any case
constexpr QStringView kControlMarker = u"CC";   // upper case only

// The signed tunes end their backwards scan at these three characters (upper case only).
struct TuneMarker {
    QStringView text;
    MidiInstruction::Kind kind;
    int sign;
};
constexpr TuneMarker kTuneMarkers[] = {
    {u"CT+", MidiInstruction::CoarseTune, 1},
    {u"CT-", MidiInstruction::CoarseTune, -1},
    {u"TR+", MidiInstruction::RpnTune, 1},
    {u"TR-", MidiInstruction::RpnTune, -1},
};

// Numbers of a channel message hold at most this many digits and this many slots.
constexpr int kMaxDigits = 3;
constexpr int kSlots = 3;

// CR counts too, so that texts with CR LF line ends read as with LF.
bool isLineEnd(QChar c)
{
    return c == u'\n' || c == u'\r';
}

bool isBlank(QChar c)
{
    return c == u' ' || isLineEnd(c);
}

bool isDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

int hexValue(QChar c)
{
    if (isDigit(c))
        return c.unicode() - u'0';
    if (c >= u'A' && c <= u'F')
        return c.unicode() - u'A' + 10;
    if (c >= u'a' && c <= u'f')
        return c.unicode() - u'a' + 10;
    return -1;
}

// The keyword must be followed by at least one character.
bool keywordAt(const QString& text, qsizetype i, QStringView keyword)
{
    return i + keyword.size() < text.size() &&
           QStringView(text).mid(i, keyword.size()).toString().toUpper() == keyword;
}

// The text from `from` to the next blank, at most maxChars + 1 characters (so that a name
// that is too long stays too long and the scan stays short).
QString textUpToBlank(const QString& text, qsizetype from, qsizetype maxChars)
{
    qsizetype end = from;
    while (end < text.size() && !isBlank(text[end]) && end - from <= maxChars)
        ++end;
    return text.mid(from, end - from);
}

QString destinationAfter(const QString& text, qsizetype at)
{
    return textUpToBlank(text, at + 1, kMaxDestNameChars);
}

// Hex digit pairs from `from` to the next "@"; returns the position of the "@", or -1 (and
// nothing parsed) when there is none.
qsizetype readSysex(const QString& text, qsizetype from, QList<MidiInstruction>& out)
{
    const qsizetype at = text.indexOf(u'@', from);
    if (at < 0)
        return -1;
    MidiInstruction ins;
    ins.kind = MidiInstruction::Sysex;
    int highNibble = -1;
    for (qsizetype p = from; p < at; ++p) {
        const int nibble = hexValue(text[p]);
        if (nibble < 0)
            continue;
        if (highNibble < 0) {
            highNibble = nibble;
            continue;
        }
        // One byte more than sent at most: enough to refuse a message that is too long.
        if (ins.bytes.size() <= kMaxSysexBytes)
            ins.bytes.append(char(highNibble * 16 + nibble));
        highNibble = -1;
    }
    ins.dest = destinationAfter(text, at);
    out.append(ins);
    return at;
}

// The group ID after "MIDI "; returns the position where the ID ends.
qsizetype readGroup(const QString& text, qsizetype from, QList<MidiInstruction>& out)
{
    const QString id = textUpToBlank(text, from, kMaxDestNameChars);
    if (!id.isEmpty()) {
        MidiInstruction ins;
        ins.kind = MidiInstruction::Group;
        ins.groupId = id.toUpper();
        out.append(ins);
    }
    return from + id.size();
}

// Reads the numbers before the "@" at `at` backwards: the one nearest the "@" is the program
// (or control value), the one before it the LSB (or control number), then the MSB. A
// marker ("CC", "CT+", ...) ends the scan and sets the kind.
void readChannelMessage(const QString& text, qsizetype at, QList<MidiInstruction>& out)
{
    QString numbers[kSlots];
    int slot = 0;
    MidiInstruction ins;
    int sign = 1;
    for (qsizetype p = at - 1; p >= 0; --p) {
        const QChar c = text[p];
        if (isDigit(c)) {
            if (numbers[slot].size() == kMaxDigits)
                break;
            numbers[slot].prepend(c);
            continue;
        }
        const QStringView before = QStringView(text).left(p + 1);
        if (before.endsWith(kControlMarker)) {
            ins.kind = MidiInstruction::ControlChange;
            break;
        }
        const TuneMarker* marker = nullptr;
        for (const TuneMarker& m : kTuneMarkers) {
            if (before.endsWith(m.text))
                marker = &m;
        }
        if (marker) {
            ins.kind = marker->kind;
            sign = marker->sign;
            break;
        }
        if (isBlank(c) || ++slot == kSlots)
            break;
    }
    if (numbers[0].isEmpty())
        return;
    const int first = numbers[0].toInt();
    const int second = numbers[1].isEmpty() ? -1 : numbers[1].toInt();
    switch (ins.kind) {
    case MidiInstruction::ControlChange:
        ins.control = qMax(0, second);
        ins.value = first;
        break;
    case MidiInstruction::CoarseTune:
    case MidiInstruction::RpnTune:
        ins.tune = sign * first;
        break;
    default:
        ins.value = first;
        ins.bankLsb = second;
        ins.bankMsb = numbers[2].isEmpty() ? -1 : numbers[2].toInt();
        break;
    }
    ins.dest = destinationAfter(text, at);
    out.append(ins);
}

} // namespace

QList<MidiInstruction> parseMidiInstructions(const QString& text)
{
    QList<MidiInstruction> out;
    qsizetype i = 0;
    while (i < text.size()) {
        if (keywordAt(text, i, kSysexKeyword)) {
            const qsizetype at = readSysex(text, i + kSysexKeyword.size(), out);
            if (at >= 0) {
                // The destination is scanned like the text after any other "@".
                i = at + 1;
                continue;
            }
        } else if (keywordAt(text, i, kGroupKeyword)) {
            i = readGroup(text, i + kGroupKeyword.size(), out);
            continue;
        }
        if (text[i] == u'@')
            readChannelMessage(text, i, out);
        ++i;
    }
    return out;
}

QString obtenirChaineJusquaBlanc(const QString& text)
{
    return textUpToBlank(text, 0, text.size());
}

} // namespace partivo
