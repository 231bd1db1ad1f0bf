#include "chordpro/ChordProPrepare.h"

#include "chordpro/ChordDet.h"

#include <algorithm>
#include <utility>

namespace partivo::chordpro {

namespace {

constexpr qsizetype kMaxRecalledLines = 20000;

bool isOff(const QString& value)
{
    const QString v = value.trimmed().toLower();
    return v == u"off" || v == u"false" || v == u"0" || v == u"no" || v == u"none";
}

SongMeta collectMeta(const ParsedSong& song, const Selectors& selectors)
{
    SongMeta meta;
    for (const ParsedLine& line : song.lines) {
        for (const ParsedDirective& directive : line.directives) {
            if (directive.kind == DirectiveKind::Metadata && directive.name != u"fontsize")
                meta.add(directive.name, directive.value);
        }
    }
    // Standard names any song can use in substitutions.
    if (!meta.contains(QStringLiteral("instrument")))
        meta.add(QStringLiteral("instrument"), selectors.instrument);
    if (!meta.contains(QStringLiteral("user")) && !selectors.user.isEmpty())
        meta.add(QStringLiteral("user"), selectors.user);
    return meta;
}

class Preparer {
public:
    Preparer(ParsedSong& song, const Selectors& selectors)
        : song_(song), meta_(collectMeta(song, selectors))
    {
        const QString key = meta_.first(QStringLiteral("key"));
        spellingKey_ =
            !key.isEmpty() || song.chords.chords().isEmpty() ? key : song.chords.chords().first();
    }

    void run()
    {
        QList<ParsedLine> out;
        out.reserve(song_.lines.size());
        for (ParsedLine& line : song_.lines) {
            QList<ParsedLine> recalled;
            prepareLine(line, recalled);
            out.append(std::move(line));
            for (ParsedLine& copy : recalled)
                out.append(std::move(copy));
        }
        closeOpenSections(out.isEmpty() ? 0 : out.last().sourceLine);
        if (!diagramsSaid_)
            song_.diagrams = usesCommonDirectives_;
        song_.lines = std::move(out);
        song_.meta = std::move(meta_);
    }

private:
    void prepareLine(ParsedLine& line, QList<ParsedLine>& recalled)
    {
        // Lines that start inside the chorus being read are kept, as shown, for a recall.
        const bool inChorus = capturing_ && line.stateAtStart.chorus;
        qsizetype nextChord = 0;
        for (ParsedDirective& directive : line.directives) {
            // Chords before the directive are shown with the transposition then in force.
            for (; nextChord < directive.chordsBefore && nextChord < line.chords.size();
                 ++nextChord)
                showChord(line, line.chords[nextChord]);
            prepareDirective(line, directive, recalled);
        }
        for (; nextChord < line.chords.size(); ++nextChord)
            showChord(line, line.chords[nextChord]);
        if (inChorus)
            chorus_.append(line);
    }

    void showChord(const ParsedLine& line, ParsedChord& chord)
    {
        if (chord.annotation) {
            song_.annotations.append({line.sourceLine, chord.pos, chord.name});
            return;
        }
        if (transpose_ != 0) {
            ChordDet det = ChordDet::initWithChordSource(chord.name);
            det.transposeChord(transpose_, spellingKey_, ChordDet::Automatic);
            chord.name = det.chordDest;
        }
        if (!song_.shownChords.contains(chord.name))
            song_.shownChords.append(chord.name);
    }

    // Directives the program's own dialect does not have.
    static bool isCommon(const ParsedDirective& directive)
    {
        switch (directive.kind) {
        case DirectiveKind::HighlightStart:
        case DirectiveKind::HighlightEnd:
        case DirectiveKind::EmbeddedStart:
        case DirectiveKind::EmbeddedEnd:
        case DirectiveKind::Other:
        case DirectiveKind::Unclosed:
            return false;
        case DirectiveKind::ChorusStart:
        case DirectiveKind::ChorusEnd:
            return !directive.label.isEmpty() || directive.text.contains(u':');
        case DirectiveKind::Comment:
            return directive.style != CommentStyle::Plain;
        case DirectiveKind::Metadata:
            return directive.name != u"title" && directive.name != u"subtitle" &&
                   directive.name != u"key" && directive.name != u"fontsize";
        default:
            return true;
        }
    }

    void prepareDirective(const ParsedLine& line, ParsedDirective& directive,
                          QList<ParsedLine>& recalled)
    {
        usesCommonDirectives_ = usesCommonDirectives_ || isCommon(directive);
        switch (directive.kind) {
        case DirectiveKind::Comment:
            directive.value = substituteMeta(directive.value, meta_);
            break;
        case DirectiveKind::ChorusStart:
        case DirectiveKind::SectionStart:
            directive.label = substituteMeta(directive.label, meta_);
            openSection(directive, line.sourceLine);
            break;
        case DirectiveKind::ChorusEnd:
        case DirectiveKind::SectionEnd:
            closeSection(directive.kind == DirectiveKind::ChorusEnd ? QStringLiteral("chorus")
                                                                    : directive.name,
                         line.sourceLine);
            break;
        case DirectiveKind::ChorusRecall:
            recall(line, directive, recalled);
            break;
        case DirectiveKind::Transpose:
            transpose_ = transposeSemitones(directive.value);
            if (!transposeSeen_)
                song_.transpose = transpose_;
            transposeSeen_ = true;
            break;
        case DirectiveKind::ChordDefinition:
            song_.definitions.append(directive.value);
            if (directive.name == u"chord") {
                const QString name = directive.value.section(u' ', 0, 0, QString::SectionSkipEmpty);
                if (!name.isEmpty() && !song_.shownChords.contains(name))
                    song_.shownChords.append(name);
            }
            break;
        case DirectiveKind::Diagrams:
            diagramsSaid_ = true;
            song_.diagrams = directive.name == u"no_grid" ? false
                             : directive.name == u"grid"  ? true
                                                          : !isOff(directive.value);
            break;
        default:
            break;
        }
    }

    void openSection(const ParsedDirective& directive, qsizetype sourceLine)
    {
        const QString kind = directive.kind == DirectiveKind::ChorusStart ? QStringLiteral("chorus")
                                                                          : directive.name;
        open_.append(song_.sections.size());
        song_.sections.append({kind, directive.label, sourceLine, sourceLine});
        if (directive.kind == DirectiveKind::ChorusStart) {
            chorusLabel_ = directive.label;
            chorusSeen_ = true;
            capturing_ = true;
            chorus_.clear();
        }
        // A delegated section's body is read with its start: it ends on its end line, which
        // the section-end directive closes like any other.
    }

    void closeSection(const QString& kind, qsizetype sourceLine)
    {
        for (qsizetype i = open_.size() - 1; i >= 0; --i) {
            SongSection& section = song_.sections[open_[i]];
            if (section.kind == kind) {
                section.lastLine = sourceLine;
                open_.remove(i);
                break;
            }
        }
        if (kind == u"chorus")
            capturing_ = false;
    }

    void closeOpenSections(qsizetype lastLine)
    {
        for (const qsizetype index : std::as_const(open_))
            song_.sections[index].lastLine = lastLine;
        open_.clear();
    }

    void recall(const ParsedLine& line, ParsedDirective& directive, QList<ParsedLine>& recalled)
    {
        const QString label =
            substituteMeta(directive.label.isEmpty() ? chorusLabel_ : directive.label, meta_);
        // Recalls add at most kMaxRecalledLines lines to a song, so that a file of a long
        // chorus recalled thousands of times cannot swamp the layout.
        if (!chorusSeen_ || recalledLines_ + chorus_.size() > kMaxRecalledLines) {
            // Nothing to repeat: the recall shows as the cue "Chorus" (or its label).
            directive.kind = DirectiveKind::Comment;
            directive.value = label.isEmpty() ? QStringLiteral("Chorus") : label;
            return;
        }
        recalledLines_ += chorus_.size();
        ParsedLine start;
        start.kind = LineKind::Directives;
        start.sourceLine = line.sourceLine;
        ParsedDirective open;
        open.kind = DirectiveKind::ChorusStart;
        open.text = QStringLiteral("start_of_chorus");
        open.name = QStringLiteral("chorus");
        open.label = label;
        start.directives.append(open);
        recalled.append(start);
        for (const ParsedLine& chorusLine : std::as_const(chorus_)) {
            ParsedLine copy = chorusLine;
            copy.sourceLine = line.sourceLine;
            copy.stateAtStart.section.clear();
            // The end directive of the chorus is in its last line; the copy stops there.
            recalled.append(std::move(copy));
        }
        if (recalled.last().stateAtStart.chorus &&
            std::none_of(
                recalled.last().directives.cbegin(), recalled.last().directives.cend(),
                [](const ParsedDirective& d) { return d.kind == DirectiveKind::ChorusEnd; })) {
            ParsedLine end;
            end.kind = LineKind::Directives;
            end.sourceLine = line.sourceLine;
            end.stateAtStart.chorus = true;
            ParsedDirective close;
            close.kind = DirectiveKind::ChorusEnd;
            close.text = QStringLiteral("end_of_chorus");
            close.name = QStringLiteral("chorus");
            end.directives.append(close);
            recalled.append(end);
        }
    }

    ParsedSong& song_;
    SongMeta meta_;
    QString spellingKey_;
    int transpose_ = 0;
    bool usesCommonDirectives_ = false;
    bool diagramsSaid_ = false;
    bool transposeSeen_ = false;
    qsizetype recalledLines_ = 0;
    QList<qsizetype> open_;
    bool capturing_ = false;
    bool chorusSeen_ = false;
    QString chorusLabel_;
    QList<ParsedLine> chorus_;
};

} // namespace

int transposeSemitones(const QString& value)
{
    const QString trimmed = value.trimmed();
    qsizetype end = 0;
    if (end < trimmed.size() && (trimmed[end] == u'+' || trimmed[end] == u'-'))
        ++end;
    while (end < trimmed.size() && end < 4 && trimmed[end].isDigit())
        ++end;
    bool ok = false;
    const int n = trimmed.first(end).toInt(&ok);
    return ok ? std::clamp(n, -24, 24) : 0;
}

QString keyAndCapoLine(const ParsedSong& song)
{
    QStringList parts;
    QString key = song.meta.first(QStringLiteral("key"));
    if (!key.isEmpty()) {
        if (song.transpose != 0) {
            ChordDet det = ChordDet::initWithChordSource(key);
            det.transposeChord(song.transpose, key, ChordDet::Automatic);
            key = det.chordDest;
        }
        parts.append(key);
    }
    const QString capo = song.meta.first(QStringLiteral("capo"));
    if (!capo.isEmpty())
        parts.append(QStringLiteral("Capo ") + capo);
    return parts.join(QStringLiteral(" • "));
}

ParsedSong prepareSong(ParsedSong song, const Selectors& selectors)
{
    Preparer(song, selectors).run();
    return song;
}

ParsedSong readSong(QStringView text, const Selectors& selectors)
{
    return prepareSong(parseChordPro(text, {selectors}), selectors);
}

} // namespace partivo::chordpro
