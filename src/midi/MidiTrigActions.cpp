#include "midi/MidiTrigActions.h"

#include "platform/Commands.h"

#include <limits>

namespace partivo {

namespace {

using E = TrigEffect;

// clang-format off
constexpr std::array<TrigActionRow, 29> kRows{{
    {.type = 1, .effect = E::TextElseKeys, .name = action::PageUpForWinID,
     .keysBefore = {cmd::PrevPage, -1}, .placeholder = "WinID (optional)"},
    {.type = 2, .effect = E::TextElseKeys, .name = action::PageDownForWinID,
     .keysBefore = {cmd::NextPage, -1}, .placeholder = "WinID (optional)"},
    {.type = 3, .effect = E::Digit, .name = action::GoToGenreNoAndPlayPause,
     .keysBefore = {cmd::DotKey, -1}, .digitLow = 1, .digitHigh = 6,
     .placeholder = "Genre No. (1 - 6)"},
    {.type = 4, .effect = E::Typing, .keysAfter = {cmd::EndSearch, -1},
     .placeholder = "Searchstring"},
    {.type = 5, .effect = E::Typing, .keysBefore = {cmd::StopPlayer, -1},
     .keysAfter = {cmd::EndSearch, cmd::DotKey}, .placeholder = "Searchstring"},
    {.type = 6, .effect = E::Keys, .keysBefore = {cmd::StopPlayer, -1}},
    {.type = 7, .effect = E::Keys, .keysBefore = {cmd::PrevSong, -1}},
    {.type = 8, .effect = E::Keys, .keysBefore = {cmd::NextSong, -1}},
    {.type = 9, .effect = E::Keys, .keysBefore = {cmd::ToggleNote, -1}},
    {.type = 10, .effect = E::Group, .placeholder = "MIDI Group ID"},
    {.type = 11, .effect = E::Keys, .keysBefore = {cmd::StopPlayer, cmd::DotKey}},
    {.type = 12, .effect = E::ValueToLetter, .keysAfter = {cmd::EndSearch, -1}},
    {.type = 13, .effect = E::ScaledValue, .name = action::OngletB, .scale = 10, .scaleOf = 128},
    {.type = 14, .effect = E::ScaledValue, .name = action::ScrollCurrentOnglet},
    {.type = 15, .effect = E::NoteOffset, .name = action::GoToSongNo},
    {.type = 16, .effect = E::NoteOffset, .name = action::PlaySongNo},
    {.type = 17, .effect = E::Digit, .name = action::OngletB, .digitLow = 1, .digitHigh = 9,
     .digitShift = -1, .placeholder = "Tab No. (1 - 10)"},
    {.type = 18, .effect = E::Text, .name = action::DisplayHideList,
     .placeholder = "Filter (optional)"},
    {.type = 19, .effect = E::Keys, .keysBefore = {cmd::FirstSong, -1}},
    {.type = 20, .effect = E::Keys, .keysBefore = {cmd::LastSong, -1}},
    {.type = 21, .effect = E::Text, .name = action::Message, .placeholder = "WinID:Message"},
    {.type = 22, .effect = E::Text, .name = action::MessageStay, .placeholder = "WinID:Message"},
    {.type = 23, .effect = E::Keys, .keysBefore = {cmd::Metronome, -1}},
    {.type = 24, .effect = E::Keys, .keysBefore = {cmd::CountIn, -1}},
    {.type = 25, .effect = E::Digit, .name = action::GoToGenreNo, .digitLow = 1, .digitHigh = 6,
     .placeholder = "Genre No. (1 - 6)"},
    {.type = 26, .effect = E::Digit, .name = action::PlayNextPause, .digitLow = 0,
     .digitHigh = 6, .noDigitIsZero = true, .placeholder = "Genre No. (1 - 6)"},
    {.type = 27, .effect = E::None},
    {.type = 28, .effect = E::PageNumber, .name = action::GoToPageNo},
    {.type = 29, .effect = E::PageNumber, .name = action::GoToPageBottomNo},
}};
// clang-format on

constexpr bool rowsAreInTypeOrder()
{
    for (size_t i = 0; i < kRows.size(); ++i) {
        if (kRows[i].type != int(i) + 1)
            return false;
    }
    return true;
}
static_assert(rowsAreInTypeOrder(), "row i of the trigger actions must be type i + 1");

// The leading integer of the text after optional spaces and a sign; 0 when there is none.
int leadingInt(const QString& text)
{
    qsizetype at = 0;
    while (at < text.size() && text[at] == u' ')
        ++at;
    const bool negative = at < text.size() && text[at] == u'-';
    if (at < text.size() && (text[at] == u'-' || text[at] == u'+'))
        ++at;
    qint64 value = 0;
    for (; at < text.size() && text[at].isDigit() && text[at].unicode() < 128; ++at)
        value = qMin<qint64>(value * 10 + text[at].digitValue(), std::numeric_limits<int>::max());
    return int(negative ? -value : value);
}

// The first character as a digit 0..9, or -1.
int firstDigit(const QString& text)
{
    if (text.isEmpty() || text[0] < u'0' || text[0] > u'9')
        return -1;
    return text[0].unicode() - u'0';
}

class Poster {
public:
    explicit Poster(TrigEffects& out) : out_(out) {}
    void key(int number) { out_.posts.append({QString::fromLatin1(action::Key), number}); }
    void keys(const std::array<int, 2>& numbers)
    {
        for (int n : numbers) {
            if (n < 0)
                break;
            key(n);
        }
    }
    void named(const char* name, const QVariant& param)
    {
        out_.posts.append({QString::fromLatin1(name), param});
    }

private:
    TrigEffects& out_;
};

} // namespace

const std::array<TrigActionRow, 29>& trigActionTable()
{
    return kRows;
}

const TrigActionRow* trigActionRow(int type)
{
    if (type < 1 || type > int(kRows.size()))
        return nullptr;
    return &kRows[size_t(type) - 1];
}

TrigEffects trigActionEffects(int type, const QString& text, int value, int noteOffset)
{
    TrigEffects out;
    const TrigActionRow* row = trigActionRow(type);
    if (!row)
        return out;
    Poster post(out);
    switch (row->effect) {
    case E::None:
        break;
    case E::Keys:
        post.keys(row->keysBefore);
        break;
    case E::TextElseKeys:
        if (text.isEmpty())
            post.keys(row->keysBefore);
        else
            post.named(row->name, text);
        break;
    case E::Digit: {
        int digit = firstDigit(text);
        if (digit < 0 && row->noDigitIsZero)
            digit = 0;
        if (digit >= row->digitLow && digit <= row->digitHigh)
            post.named(row->name, digit + row->digitShift);
        else
            post.keys(row->keysBefore);
        break;
    }
    case E::Typing: {
        if (text.isEmpty())
            break;
        post.keys(row->keysBefore);
        const QString alphabet = QString::fromLatin1(kSearchAlphabet);
        for (QChar c : text.toLower()) {
            const qsizetype at = alphabet.indexOf(c);
            if (at >= 0)
                post.key(int(at));
        }
        post.keys(row->keysAfter);
        break;
    }
    case E::Group:
        out.group = text;
        break;
    case E::ValueToLetter:
        post.key(value * 36 / 128);
        post.keys(row->keysAfter);
        break;
    case E::ScaledValue:
        post.named(row->name, value * row->scale / row->scaleOf);
        break;
    case E::NoteOffset:
        post.named(row->name, noteOffset);
        break;
    case E::Text:
        post.named(row->name, text);
        break;
    case E::PageNumber:
        if (const int page = leadingInt(text); page >= 1)
            post.named(row->name, page);
        break;
    }
    return out;
}

} // namespace partivo
