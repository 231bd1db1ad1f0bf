#include "library/NoteDirectives.h"

#include <QRegularExpression>

#include <QList>

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

// Only blanks stand between the start of the line and position at.
bool startsLine(const QString& note, int at)
{
    int i = at;
    while (i > 0 && (note[i - 1] == u' ' || note[i - 1] == u'\t'))
        --i;
    return i == 0 || note[i - 1] == u'\n' || note[i - 1] == u'\r';
}

} // namespace

TempoInfo tempoFromNote(const QString& note)
{
    TempoInfo info;
    if (note.contains(QLatin1String("2/4")))
        info.signature = 2;
    else if (note.contains(QLatin1String("3/4")))
        info.signature = 3;
    const QLatin1StringView word("TEMPO");
    const int first = indexOfAsciiIgnoringCase(note, word);
    if (first < 0) {
        // Without the word, any run of digits will do, unless the note holds MIDI
        // instructions ("@"), whose numbers are no tempo.
        if (!note.contains(QLatin1Char('@')))
            info.tempo = scanTempoDigits(note);
        return info;
    }
    // The word is looked at where a line begins with it first (the directive "Tempo=64"),
    // then wherever it stands; prose such as "in tempo at bar 5", with no tempo in the
    // characters after it, does not end the search.
    QList<int> directives;
    QList<int> prose;
    for (int at = first; at >= 0; at = indexOfAsciiIgnoringCase(note, word, at + 1))
        (startsLine(note, at) ? directives : prose).append(at);
    for (const int at : directives + prose) {
        if (const int tempo = scanTempoDigits(QStringView(note).mid(at, 11)); tempo > 0) {
            info.tempo = tempo;
            break;
        }
    }
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

std::optional<QString> chordProMeta(const QString& text, QLatin1StringView name)
{
    const QLatin1StringView opener("{meta:");
    for (int at = indexOfAsciiIgnoringCase(text, opener, 0); at >= 0;
         at = indexOfAsciiIgnoringCase(text, opener, at + 1)) {
        const int end = text.indexOf(QLatin1Char('}'), at);
        if (end < 0)
            return std::nullopt;
        const QString body = text.mid(at + opener.size(), end - at - opener.size()).trimmed();
        const qsizetype blank = body.indexOf(QRegularExpression(QStringLiteral("\\s")));
        const QString metaName = blank < 0 ? body : body.left(blank);
        if (metaName.compare(name, Qt::CaseInsensitive) == 0 && blank > 0)
            return body.mid(blank).trimmed();
    }
    return std::nullopt;
}

} // namespace partivo
