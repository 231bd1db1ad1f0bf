#include "chordpro/SongTransposer.h"

#include "chordpro/ChordDet.h"
#include "chordpro/ChordList.h"
#include "chordpro/ChordProDirectives.h"
#include "chordpro/ChordProMeta.h"
#include "chordpro/SpacesTabs.h"

#include <QHash>
#include <QStringView>

#include <algorithm>

namespace partivo::chordpro {

namespace {

// Characters the reader drops wherever they stand.

bool endsChordName(QChar c)
{
    return c == u']' || c == u' ' || c == u'[' || c == u'{' || c == u'\n';
}

bool endsBracketLyrics(QChar c)
{
    return c == u']' || c == u'[' || c == u'{' || c == u'\n';
}

QString withoutDropped(QStringView text)
{
    QString out;
    out.reserve(text.size());
    for (const QChar c : text) {
        if (!isDropped(c))
            out += c;
    }
    return out;
}

void addChordName(QList<TransposableSpan>& spans, const QString& text, qsizetype begin,
                  qsizetype end)
{
    while (begin < end && isDropped(text[begin]))
        ++begin;
    while (end > begin && isDropped(text[end - 1]))
        --end;
    // "[*text]" is an annotation, written as it stands.
    if (end > begin && text[begin] == u'*')
        return;
    if (end > begin)
        spans.append({TransposableSpan::Chord, begin, end - begin,
                      withoutDropped(QStringView(text).sliced(begin, end - begin))});
}

// The "[chord]"s a directive of one line names ("{c: Intro [C] [G]}"): they follow the song
// when it is transposed, though the song's chord list leaves them out. Only a bracket closed
// with a name and no blank counts.
void addDirectiveChords(QList<TransposableSpan>& spans, const QString& text, qsizetype begin,
                        qsizetype close)
{
    if (QStringView(text).sliced(begin, close - begin).contains(u'\n'))
        return;
    for (qsizetype open = text.indexOf(u'[', begin); open >= 0 && open < close;
         open = text.indexOf(u'[', open + 1)) {
        qsizetype end = open + 1;
        while (end < close && !endsChordName(text[end]))
            ++end;
        if (end < close && text[end] == u']')
            addChordName(spans, text, open + 1, end);
    }
}

// After "{start_of_abc}" and the other sections whose body is not lyrics: the position after
// the line that ends the section (the end of the text when none does); -1 for any other
// directive.
qsizetype afterDelegatedSection(const QString& text, qsizetype open, qsizetype close)
{
    const StandardDirective d =
        readStandardDirective(QStringView(text).sliced(open + 1, close - open - 1), {});
    if (d.kind != DirectiveKind::SectionStart || !isDelegatedSection(d.name))
        return -1;
    const qsizetype lineEnd = text.indexOf(u'\n', close);
    return lineEnd < 0 ? text.size() : sectionEnd(text, lineEnd + 1, d.name);
}

// Chord names, with the reader's rules for brackets and the places where chords are not.
QList<TransposableSpan> chordSpans(const QString& text, bool inDirectives)
{
    QList<TransposableSpan> spans;
    const qsizetype size = text.size();
    qsizetype i = 0;
    while (i < size) {
        const QChar c = text[i];
        if (c == u'#' && (i == 0 || text[i - 1] == u'\n')) {
            const qsizetype lineEnd = text.indexOf(u'\n', i);
            if (lineEnd < 0)
                break;
            i = lineEnd + 1;
        } else if (c == u'{') {
            const qsizetype close = text.indexOf(u'}', i + 1);
            // An unclosed directive runs to the end of the text.
            if (close < 0)
                break;
            if (inDirectives)
                addDirectiveChords(spans, text, i + 1, close);
            const qsizetype after = afterDelegatedSection(text, i, close);
            i = after >= 0 ? after : close + 1;
        } else if (c == u'[') {
            qsizetype end = i + 1;
            while (end < size && !endsChordName(text[end]))
                ++end;
            addChordName(spans, text, i + 1, end);
            if (end < size && text[end] == u' ') {
                while (end < size && !endsBracketLyrics(text[end]))
                    ++end;
            }
            // "]" closes the bracket; "[", "{" and "\n" end it and are read again.
            i = end < size && text[end] == u']' ? end + 1 : end;
        } else {
            ++i;
        }
    }
    return spans;
}

// Key directives wherever the metadata search finds them (comment lines and other directives
// included), so that the key read back after transposing has moved with the chords. One that
// would run across a chord name, or that lies inside an earlier key value, is left alone.
void addKeySpans(QList<TransposableSpan>& spans, const QString& text,
                 const QList<TransposableSpan>& chords)
{
    qsizetype close = -1;
    qsizetype lastValueEnd = -1;
    qsizetype c = 0;
    for (qsizetype open = text.indexOf(u'{'); open >= 0; open = text.indexOf(u'{', open + 1)) {
        if (close < open) {
            close = text.indexOf(u'}', open + 1);
            if (close < 0)
                return;
        }
        if (open < lastValueEnd)
            continue;
        while (c < chords.size() && chords[c].start + chords[c].length <= open)
            ++c;
        if (c < chords.size() && chords[c].start < close)
            continue;
        qsizetype begin = valueStartAfterName(text, open + 1, u"key");
        if (begin < 0)
            begin = valueStartAfterName(text, open + 1, u"k");
        if (begin < 0)
            continue;
        qsizetype end = close;
        // Trimmed as the key itself is read, line ends included.
        while (begin < end && text[begin].isSpace())
            ++begin;
        while (end > begin && text[end - 1].isSpace())
            --end;
        if (end > begin) {
            spans.append(
                {TransposableSpan::KeyValue, begin, end - begin, text.mid(begin, end - begin)});
            lastValueEnd = end;
        }
    }
}

// The chords of the spans as the song's chord list records them.
QStringList chordList(const QList<TransposableSpan>& spans)
{
    ChordList list;
    for (const TransposableSpan& span : spans) {
        if (span.kind == TransposableSpan::Chord)
            list.traiterUnAccord(span.text);
    }
    return list.chords();
}

QString keyOf(const QString& text, const QStringList& chords)
{
    const QString key = determinerTitreSousTitreCle(text).cle;
    if (!key.isEmpty() || chords.isEmpty())
        return key;
    return chords.first();
}

} // namespace

QList<TransposableSpan> transposableSpans(const QString& text)
{
    const QList<TransposableSpan> chords = chordSpans(text, true);
    QList<TransposableSpan> spans = chords;
    addKeySpans(spans, text, chords);
    // Both parts are in text order and never overlap.
    std::inplace_merge(
        spans.begin(), spans.begin() + chords.size(), spans.end(),
        [](const TransposableSpan& x, const TransposableSpan& y) { return x.start < y.start; });
    return spans;
}

QStringList songChords(const QString& text)
{
    return chordList(chordSpans(text, false));
}

QString songKey(const QString& text)
{
    return keyOf(text, songChords(text));
}

// One pass over the spans, each chord of the song list transposed once. On ordinary songs this
// gives what replacing every "[source]" by a marked "[$dest$]" and unmarking afterwards gives,
// without a marker that a song could already hold and without touching text outside chord
// names and key values. Chords are matched exactly: "AM" is not "am", and both keep their own
// reading ("BM" and "Bm" up a tone). A name the list splits (one holding ";") stays as written.
QString transposeSongText(const QString& text, int semitones, int pref)
{
    const QList<TransposableSpan> spans = transposableSpans(text);
    const QStringList chords = chordList(spans);
    // The key is the directive's, else the song's first chord (not one a comment names).
    const QString key = keyOf(text, songChords(text));
    QHash<QString, QString> destinations;
    for (const QString& chord : chords) {
        ChordDet det = ChordDet::initWithChordSource(chord);
        det.transposeChord(semitones, key, pref);
        destinations.insert(chord, det.chordDest);
    }

    QString out;
    out.reserve(text.size() + text.size() / 8);
    qsizetype copied = 0;
    for (const TransposableSpan& span : spans) {
        out += QStringView(text).sliced(copied, span.start - copied);
        if (span.kind == TransposableSpan::Chord)
            out += destinations.value(span.text, span.text);
        else
            out += ChordDet::transposeSingleChord(span.text, semitones, span.text, pref);
        copied = span.start + span.length;
    }
    out += QStringView(text).sliced(copied);
    return out;
}

} // namespace partivo::chordpro
