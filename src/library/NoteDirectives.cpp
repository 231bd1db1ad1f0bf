#include "library/NoteDirectives.h"

namespace partivo {

namespace {

inline char16_t asciiLower(char16_t c)
{
    return c >= u'A' && c <= u'Z' ? char16_t(c + 32) : c;
}

} // namespace

int indexOfAsciiIgnoringCase(QStringView text, QLatin1StringView needle, int from)
{
    const qsizetype n = needle.size();
    if (n == 0 || from < 0)
        return -1;
    const char16_t first = asciiLower(char16_t(uchar(needle.at(0).toLatin1())));
    const char16_t* data = text.utf16();
    for (qsizetype i = from; i + n <= text.size(); ++i) {
        if (asciiLower(data[i]) != first)
            continue;
        qsizetype k = 1;
        while (k < n &&
               asciiLower(data[i + k]) == asciiLower(char16_t(uchar(needle.at(k).toLatin1()))))
            ++k;
        if (k == n)
            return int(i);
    }
    return -1;
}

std::optional<QString> obtenirChaine(const QString& note, QLatin1StringView directive)
{
    if (note.isEmpty() || directive.isEmpty())
        return std::nullopt;
    const int at = indexOfAsciiIgnoringCase(note, directive);
    if (at < 0)
        return std::nullopt;
    const int start = at + directive.size();
    int end = note.indexOf(QLatin1Char('\n'), start);
    if (end < 0)
        return std::nullopt;
    // A note saved with CR LF line ends gives the same values as one with LF.
    if (end > start && note[end - 1] == QLatin1Char('\r'))
        --end;
    return note.mid(start, end - start);
}

std::optional<QString> obtenirChaineNonBlank(const QString& note, QLatin1StringView directive)
{
    auto value = obtenirChaine(note, directive);
    if (value && value->trimmed().isEmpty())
        return std::nullopt;
    return value;
}

namespace {

bool isAsciiDigit(QChar c)
{
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

// The last run of 2 or 3 ASCII digits of the window, as the scan rules collect it.
int scanTempoDigits(QStringView window)
{
    QString run;
    for (const QChar c : window) {
        if (isAsciiDigit(c)) {
            run.append(c);
            if (run.size() == 3)
                break;
        } else {
            if (run.size() >= 2)
                break;
            run.clear();
        }
    }
    return run.size() >= 2 ? run.toInt() : 0;
}

} // namespace

TempoInfo tempoFromNote(const QString& note)
{
    TempoInfo info;
    if (note.contains(QLatin1String("2/4")))
        info.signature = 2;
    else if (note.contains(QLatin1String("3/4")))
        info.signature = 3;
    const int at = indexOfAsciiIgnoringCase(note, QLatin1StringView("TEMPO"));
    if (at < 0 && note.contains(QLatin1Char('@')))
        return info;
    const QStringView window = at >= 0 ? QStringView(note).mid(at, 11) : QStringView(note);
    info.tempo = scanTempoDigits(window);
    return info;
}

namespace {

// A "W:" match that belongs to a message event ("MESSAGE W:") or to a timed event
// ("mm:ss W:") is not a version line.
bool isRejectedVersionMatch(const QString& note, int p)
{
    if (p >= 8 && indexOfAsciiIgnoringCase(QStringView(note).mid(p - 8, 7),
                                           QLatin1StringView("MESSAGE")) == 0)
        return true;
    return p >= 4 && note.at(p - 4) == QLatin1Char(':') && note.at(p - 1) != QLatin1Char('\n');
}

} // namespace

QString noteLineForWindow(const QString& note, const QString& windowId, int mode, int noDefault)
{
    QString text;
    bool found = false;
    if (mode > 0 && !windowId.isEmpty()) {
        const QString key = windowId + QLatin1Char(':');
        // A rejected match is not the end: the real version line may follow further down.
        for (int p = note.indexOf(key, 0, Qt::CaseInsensitive); p >= 0;
             p = note.indexOf(key, p + 1, Qt::CaseInsensitive)) {
            if (!isRejectedVersionMatch(note, p)) {
                text = note.mid(p);
                found = true;
                break;
            }
        }
    }
    if (!found)
        text = noDefault == 0 ? note : QString();
    const int lineEnd = text.indexOf(QLatin1Char('\n'));
    return lineEnd < 0 ? text : text.left(lineEnd);
}

std::optional<QString> chordProDirective(const QString& text, QLatin1StringView directive)
{
    const int at = indexOfAsciiIgnoringCase(text, directive);
    if (at < 0)
        return std::nullopt;
    const int start = at + directive.size();
    const int end = text.indexOf(QLatin1Char('}'), start);
    if (end < 0)
        return std::nullopt;
    return text.mid(start, end - start).trimmed();
}

} // namespace partivo
