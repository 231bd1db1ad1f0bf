#include "chordpro/ChordFingering.h"

#include <array>
#include <cstddef>

namespace partivo::chordpro {

namespace {

bool isBlank(QChar c)
{
    return c == u' ' || c == u'\t';
}

// The words of the text, split at runs of spaces and tabs.
QList<QStringView> words(QStringView text)
{
    QList<QStringView> out;
    qsizetype start = -1;
    for (qsizetype i = 0; i <= text.size(); ++i) {
        const bool blank = i == text.size() || isBlank(text[i]);
        if (blank && start >= 0) {
            out.append(text.sliced(start, i - start));
            start = -1;
        } else if (!blank && start < 0) {
            start = i;
        }
    }
    return out;
}

enum class Section { BaseFret, Frets, Fingers, None };

Section keyword(QStringView word)
{
    if (word.compare(u"base-fret", Qt::CaseInsensitive) == 0)
        return Section::BaseFret;
    if (word.compare(u"frets", Qt::CaseInsensitive) == 0)
        return Section::Frets;
    if (word.compare(u"fingers", Qt::CaseInsensitive) == 0)
        return Section::Fingers;
    return Section::None;
}

// A number written in plain digits, up to `max`. Three digits at most, so that no count of
// digits can overflow.
std::optional<int> smallNumber(QStringView word, int max)
{
    if (word.isEmpty() || word.size() > 3)
        return std::nullopt;
    int n = 0;
    for (QChar c : word) {
        if (c < u'0' || c > u'9')
            return std::nullopt;
        n = n * 10 + (c.unicode() - u'0');
    }
    if (n > max)
        return std::nullopt;
    return n;
}

bool isNoneMark(QStringView word)
{
    return word.compare(u"x", Qt::CaseInsensitive) == 0 ||
           word.compare(u"n", Qt::CaseInsensitive) == 0;
}

std::optional<int> fretValue(QStringView word)
{
    if (isNoneMark(word) || word == u"-1")
        return -1;
    return smallNumber(word, kMaxChordFret);
}

std::optional<int> fingerValue(QStringView word)
{
    if (isNoneMark(word) || word == u"-")
        return 0;
    return smallNumber(word, kMaxChordFinger);
}

// The name runs up to the first blank or colon; one colon may follow it, with blanks either
// side. Returns the name and leaves the rest in `text`.
QStringView takeName(QStringView& text)
{
    qsizetype end = 0;
    while (end < text.size() && !isBlank(text[end]) && text[end] != u':')
        ++end;
    const QStringView name = text.first(end);
    qsizetype next = end;
    while (next < text.size() && isBlank(text[next]))
        ++next;
    if (next < text.size() && text[next] == u':')
        ++next;
    text = text.sliced(next);
    return name;
}

} // namespace

std::optional<ChordFingering> parseChordDefinition(QStringView value)
{
    QStringView text = value.trimmed();
    if (text.startsWith(u':'))
        text = text.sliced(1).trimmed();
    ChordFingering result;
    result.name = takeName(text).toString();
    if (result.name.isEmpty())
        return std::nullopt;

    std::array<bool, 3> seenSections{};
    const auto seen = [&](Section s) -> bool& { return seenSections[static_cast<std::size_t>(s)]; };
    Section section = Section::None;
    int valuesInSection = 0;
    for (QStringView word : words(text)) {
        const Section next = keyword(word);
        if (next != Section::None) {
            if ((section != Section::None && valuesInSection == 0) || seen(next))
                return std::nullopt;
            seen(next) = true;
            section = next;
            valuesInSection = 0;
            continue;
        }
        std::optional<int> number;
        switch (section) {
        case Section::None:
            return std::nullopt;
        case Section::BaseFret:
            number = smallNumber(word, kMaxChordFret);
            if (valuesInSection > 0 || !number || *number < 1)
                return std::nullopt;
            result.baseFret = *number;
            break;
        case Section::Frets:
            number = fretValue(word);
            if (!number || result.frets.size() == kMaxChordStrings)
                return std::nullopt;
            result.frets.append(*number);
            break;
        case Section::Fingers:
            number = fingerValue(word);
            if (!number || result.fingers.size() == kMaxChordStrings)
                return std::nullopt;
            result.fingers.append(*number);
            break;
        }
        ++valuesInSection;
    }
    if (section != Section::None && valuesInSection == 0)
        return std::nullopt;
    // A base fret or fingers only make sense with the frets they apply to.
    if (result.frets.isEmpty() && (seen(Section::BaseFret) || seen(Section::Fingers)))
        return std::nullopt;
    if (!result.fingers.isEmpty() && result.fingers.size() != result.frets.size())
        return std::nullopt;
    return result;
}

} // namespace partivo::chordpro
