#include "chordpro/ChordProLineBuilder.h"

#include <utility>

namespace partivo::chordpro {

namespace {

bool hasNonSpace(const QString& text)
{
    for (QChar c : text) {
        if (c != u' ')
            return true;
    }
    return false;
}

// What the line is read as, one step at a time: a lyrics character, a chord or a directive.
struct Event {
    enum class Type { Char, Chord, Directive };
    Type type = Type::Char;
    QChar ch;
    const ParsedChord* chord = nullptr;
    const ParsedDirective* directive = nullptr;
};

// The parsed line back in source order: at each text position first the chords and
// directives standing there (a directive after the chords counted in its chordsBefore),
// then the character.
QList<Event> eventsOf(const ParsedLine& line)
{
    QList<Event> events;
    events.reserve(line.text.size() + line.chords.size() + line.directives.size());
    qsizetype ci = 0;
    qsizetype di = 0;
    for (qsizetype pos = 0; pos <= line.text.size(); ++pos) {
        for (;;) {
            const bool chordHere = ci < line.chords.size() && line.chords[ci].pos <= pos;
            const bool directiveHere =
                di < line.directives.size() && line.directives[di].pos <= pos;
            if (directiveHere && (!chordHere || line.directives[di].chordsBefore <= ci)) {
                events.append({Event::Type::Directive, QChar(), nullptr, &line.directives[di++]});
            } else if (chordHere) {
                events.append({Event::Type::Chord, QChar(), &line.chords[ci++], nullptr});
            } else {
                break;
            }
        }
        if (pos < line.text.size())
            events.append({Event::Type::Char, line.text[pos], nullptr, nullptr});
    }
    return events;
}

// The two lines being built. Everything in it only grows while events are applied, so a
// snapshot of the lengths is enough to undo the events after a break point.
struct LinePair {
    QString chords;
    QString lyrics;
    // Per lyrics column: the event to scan again from when the line breaks right after it.
    QList<qsizetype> restartAfter;
    int overhang = 0;
    qsizetype hidden = 0;
    QList<Span> highlights;
    QList<Span> embedded;
    QList<Span> annotations;
    qsizetype highlightStart = -1;
    LineState state;
};

struct Snapshot {
    qsizetype chords;
    qsizetype lyrics;
    int overhang;
    qsizetype hidden;
    qsizetype highlights;
    qsizetype embedded;
    qsizetype annotations;
    qsizetype highlightStart;
    LineState state;
};

Snapshot snapshotOf(const LinePair& p)
{
    return {
        p.chords.size(),   p.lyrics.size(),      p.overhang,       p.hidden, p.highlights.size(),
        p.embedded.size(), p.annotations.size(), p.highlightStart, p.state};
}

void restore(LinePair& p, const Snapshot& s)
{
    p.chords.truncate(s.chords);
    p.lyrics.truncate(s.lyrics);
    p.restartAfter.resize(s.lyrics);
    p.overhang = s.overhang;
    p.hidden = s.hidden;
    p.highlights.resize(s.highlights);
    p.embedded.resize(s.embedded);
    p.annotations.resize(s.annotations);
    p.highlightStart = s.highlightStart;
    p.state = s.state;
}

class LineBuilder {
public:
    LineBuilder(const ParsedLine& line, const LineBuildOptions& options)
        : line_(line), options_(options), events_(eventsOf(line))
    {
    }

    QList<LineOutput> run()
    {
        LineState state = line_.stateAtStart;
        qsizetype start = 0;
        do {
            start = runSegment(start, state);
        } while (start < events_.size());
        return std::move(out_);
    }

private:
    // Builds one output line from event `start` on; returns where the next one starts
    // (events_.size() when the source line is done) and leaves `state` as it is there.
    qsizetype runSegment(qsizetype start, LineState& state)
    {
        LinePair pair;
        pair.state = state;
        if (state.highlight)
            pair.highlightStart = 0;
        snapshots_.clear();
        for (qsizetype k = start; k < events_.size(); ++k) {
            snapshots_.append(snapshotOf(pair));
            apply(pair, k);
            if (!overflows(pair))
                continue;
            const qsizetype restart = breakPoint(pair, start, k);
            if (restart <= k)
                restore(pair, snapshots_[restart - start]);
            flush(pair, LineSegment::Shape::Text);
            state = pair.state;
            return restart;
        }
        LineSegment::Shape shape = LineSegment::Shape::Text;
        if (start == 0 && line_.kind == LineKind::Empty)
            shape = LineSegment::Shape::Empty;
        else if (start == 0 && line_.kind == LineKind::Directives)
            shape = LineSegment::Shape::DirectivesOnly;
        flush(pair, shape);
        state = pair.state;
        return events_.size();
    }

    bool overflows(const LinePair& pair) const
    {
        if (pair.state.section == u"tab" || pair.state.section == u"grid")
            return false;
        const qsizetype width = pair.lyrics.size() + pair.overhang + pair.hidden;
        const int limit = options_.nbMaxCarRef - (pair.state.chorus ? 2 : 0);
        return width > 0 && width > limit;
    }

    // The event the next line starts with: after the last space of the lyrics line, else
    // the current event; never the first event of this line, so every line takes at least
    // one event and a wrap always ends.
    qsizetype breakPoint(const LinePair& pair, qsizetype start, qsizetype current) const
    {
        const qsizetype space = pair.lyrics.lastIndexOf(u' ');
        const qsizetype restart = space >= 0 ? pair.restartAfter[space] : current;
        return restart > start ? restart : current + 1;
    }

    void apply(LinePair& pair, qsizetype k)
    {
        const Event& event = events_[k];
        switch (event.type) {
        case Event::Type::Char:
            applyChar(pair, event.ch, k);
            break;
        case Event::Type::Chord:
            if (line_.stateAtStart.embedded && !event.chord->annotation)
                applyEmbeddedChord(pair, event.chord->name, k);
            else
                applyChord(pair, event.chord->name, k, event.chord->annotation);
            break;
        case Event::Type::Directive:
            applyDirective(pair, *event.directive, k);
            break;
        }
    }

    void applyChar(LinePair& pair, QChar c, qsizetype k)
    {
        if (!line_.stateAtStart.embedded) {
            if (pair.overhang == 0)
                pair.chords += u' ';
            else
                --pair.overhang;
        }
        pair.lyrics += c;
        pair.restartAfter.append(k + 1);
    }

    // A chord never starts before the previous one has ended, and two chords are kept apart
    // by a space. The spaces this adds to the lyrics belong to the chord: a break after them
    // moves the chord to the next line.
    void applyChord(LinePair& pair, const QString& name, qsizetype k, bool annotation)
    {
        if (pair.overhang > 0) {
            pair.lyrics += QString(pair.overhang, u' ');
            pair.restartAfter.append(QList<qsizetype>(pair.overhang, k));
            pair.overhang = 0;
        }
        if (!pair.chords.isEmpty() && !pair.chords.endsWith(u' ')) {
            pair.chords += u' ';
            pair.lyrics += u' ';
            pair.restartAfter.append(k);
        }
        if (annotation && pair.annotations.size() < kMaxSpansPerLine)
            pair.annotations.append({pair.chords.size(), pair.chords.size() + name.size()});
        pair.chords += name;
        pair.overhang += static_cast<int>(name.size());
    }

    void applyEmbeddedChord(LinePair& pair, const QString& name, qsizetype k)
    {
        const qsizetype written = name.size() + 2;
        if (options_.lyricsOnly) {
            pair.hidden += written;
            return;
        }
        const qsizetype begin = pair.lyrics.size();
        pair.lyrics += u'(' + name + u')';
        pair.restartAfter.append(QList<qsizetype>(written, k + 1));
        if (pair.embedded.size() < kMaxSpansPerLine)
            pair.embedded.append({begin, pair.lyrics.size()});
    }

    void applyDirective(LinePair& pair, const ParsedDirective& directive, qsizetype k)
    {
        switch (directive.kind) {
        case DirectiveKind::HighlightStart:
            pair.state.highlight = true;
            if (pair.highlightStart < 0)
                pair.highlightStart = pair.lyrics.size();
            break;
        case DirectiveKind::HighlightEnd:
            pair.state.highlight = false;
            closeHighlight(pair);
            break;
        case DirectiveKind::ChorusStart:
            pair.state.chorus = true;
            if (!directive.label.isEmpty())
                drawOnce(k, directive);
            break;
        case DirectiveKind::ChorusEnd:
            pair.state.chorus = false;
            drawOnce(k, directive);
            break;
        case DirectiveKind::SectionStart:
            if (isDelegatedSection(directive.name)) {
                drawOnce(k, directive);
                break;
            }
            pair.state.section = directive.name;
            if (!directive.label.isEmpty())
                drawOnce(k, directive);
            break;
        case DirectiveKind::SectionEnd:
            if (pair.state.section == directive.name)
                pair.state.section.clear();
            break;
        case DirectiveKind::Comment:
        case DirectiveKind::Image:
        case DirectiveKind::NewPage:
        case DirectiveKind::ColumnBreak:
        case DirectiveKind::Columns:
            drawOnce(k, directive);
            break;
        default:
            break;
        }
    }

    // A directive scanned again after a break has already been drawn.
    void drawOnce(qsizetype k, const ParsedDirective& directive)
    {
        if (k < drawnUpTo_)
            return;
        drawnUpTo_ = k + 1;
        LineOutput output;
        output.kind = LineOutput::Kind::Directive;
        output.directive = {directive.kind,  directive.value, directive.name,
                            directive.label, directive.style, directive.body};
        out_.append(std::move(output));
    }

    static void closeHighlight(LinePair& pair)
    {
        if (pair.highlightStart < 0)
            return;
        if (pair.lyrics.size() > pair.highlightStart && pair.highlights.size() < kMaxSpansPerLine)
            pair.highlights.append({pair.highlightStart, pair.lyrics.size()});
        pair.highlightStart = -1;
    }

    void flush(LinePair& pair, LineSegment::Shape shape)
    {
        closeHighlight(pair);
        LineOutput output;
        output.segment.shape = shape;
        output.segment.chords = std::move(pair.chords);
        output.segment.lyrics = std::move(pair.lyrics);
        output.segment.highlights = std::move(pair.highlights);
        output.segment.embedded = std::move(pair.embedded);
        output.segment.annotations = std::move(pair.annotations);
        output.segment.chorus = pair.state.chorus;
        output.segment.section = pair.state.section;
        out_.append(std::move(output));
    }

    const ParsedLine& line_;
    const LineBuildOptions& options_;
    const QList<Event> events_;
    QList<Snapshot> snapshots_;
    QList<LineOutput> out_;
    qsizetype drawnUpTo_ = 0;
};

} // namespace

bool LineSegment::hasChords() const
{
    return hasNonSpace(chords);
}

bool LineSegment::hasLyrics() const
{
    return hasNonSpace(lyrics);
}

QList<LineOutput> buildLine(const ParsedLine& line, const LineBuildOptions& options)
{
    return LineBuilder(line, options).run();
}

} // namespace partivo::chordpro
