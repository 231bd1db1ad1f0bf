#include "chordpro/ChordProLayout.h"

#include "chordpro/ChordDiagramPainter.h"
#include "chordpro/ChordDiagramTable.h"
#include "chordpro/ChordProGrid.h"
#include "chordpro/ChordProLineBuilder.h"
#include "chordpro/ChordProPagination.h"
#include "chordpro/ChordProReference.h"
#include "chordpro/SongFigureMaker.h"

#include <QHash>

#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <optional>
#include <utility>

namespace partivo::chordpro {

namespace {

// Far more characters than any page holds; keeps a degenerate space width from giving an
// infinite or undefined count.
constexpr double kMaxCharsPerLine = 100000;

const QString kIndent = QStringLiteral("  ");

// Builds rows from runs, measuring each run in its font at the reference size.
class RowMaker {
public:
    RowMaker(const ChordProAttributes& attributes, const ChordProMetrics& metrics)
        : attributes_(attributes), metrics_(metrics)
    {
    }

    ChordProRow make(RowKind kind, qsizetype sourceLine,
                     std::initializer_list<std::pair<AttrDic, QString>> runs) const
    {
        ChordProRow row;
        row.kind = kind;
        row.sourceLine = sourceLine;
        for (const auto& [attr, text] : runs)
            append(row, attr, text);
        return row;
    }

    void append(ChordProRow& row, AttrDic attr, const QString& text) const
    {
        const double s = attributes_.fontSize;
        const ChordProFont font = fontFor(attrDicStyle(attr).font, s, attributes_.bold);
        ChordProRun run{attr, text, row.width, metrics_.textWidth(font, text)};
        row.width += run.width;
        row.baseline = std::max(row.baseline, baselineOf(metrics_, attr, s, attributes_.bold));
        row.runs.append(std::move(run));
    }

private:
    const ChordProAttributes& attributes_;
    const ChordProMetrics& metrics_;
};

class LayoutPass {
public:
    LayoutPass(const ChordProLayoutOptions& options, const ChordProMetrics& metrics)
        : options_(options), rows_(options.attributes, metrics),
          lyricsOnly_(isLyricsOnly(options.mode)),
          pagination_(options, breakSpacer(options.attributes, rows_))
    {
    }

    ChordProLayout run(const ParsedSong& song)
    {
        ChordProLayout out;
        out.mode = options_.mode;
        out.sizeRefInst = options_.sizeRefInst;
        out.attributes = options_.attributes;
        out.nbMaxCarRef = options_.nbMaxCarRef;
        if (song.lines.isEmpty())
            return out;
        pagination_.addTopSpacer(spacer(0));
        measureGrids(song);
        for (qsizetype i = 0; i < song.lines.size(); ++i) {
            const ParsedLine& line = song.lines[i];
            const LineBuildOptions build{charsPerColumn(), lyricsOnly_};
            gridWidths_ = gridOfLine_.contains(i) ? &grids_[gridOfLine_.value(i)] : nullptr;
            for (const LineOutput& output : buildLine(line, build)) {
                if (output.kind == LineOutput::Kind::Directive)
                    drawDirective(output.directive, line.sourceLine);
                else
                    drawSegment(output.segment, line.sourceLine);
            }
        }
        if (options_.diagrams && song.diagrams && !lyricsOnly_)
            drawDiagrams(song);
        pagination_.finish(out);
        return out;
    }

private:
    static ChordProRow breakSpacer(const ChordProAttributes& attributes, const RowMaker& rows)
    {
        ChordProRow row =
            rows.make(RowKind::Spacer, 0, {{AttrDic::spacerAttrDic, QStringLiteral(" ")}});
        row.height = attributes.fontSize2.height();
        return row;
    }

    ChordProRow spacer(qsizetype sourceLine) const
    {
        return rows_.make(RowKind::Spacer, sourceLine,
                          {{AttrDic::spacerAttrDic, QStringLiteral(" ")}});
    }

    // Characters across one column: two columns share the line and keep two apart.
    int charsPerColumn() const
    {
        const int columns = pagination_.columns();
        if (columns <= 1)
            return options_.nbMaxCarRef;
        return std::max(1, (options_.nbMaxCarRef + 1) / columns - 2);
    }

    // The column widths of every grid: runs of lines of plain text inside a grid section.
    void measureGrids(const ParsedSong& song)
    {
        QList<QStringList> rows;
        QList<qsizetype> members;
        const auto close = [&]() {
            if (rows.isEmpty())
                return;
            for (const qsizetype member : std::as_const(members))
                gridOfLine_.insert(member, grids_.size());
            grids_.append(gridColumnWidths(rows));
            rows.clear();
            members.clear();
        };
        for (qsizetype i = 0; i < song.lines.size(); ++i) {
            const ParsedLine& line = song.lines[i];
            if (line.stateAtStart.section == u"grid" && line.kind == LineKind::Lyrics &&
                line.directives.isEmpty()) {
                rows.append(gridCells(line.text));
                members.append(i);
            } else if (line.kind != LineKind::Empty) {
                close();
            }
        }
        close();
    }

    void drawDirective(const DirectiveOutput& directive, qsizetype sourceLine)
    {
        switch (directive.kind) {
        case DirectiveKind::NewPage:
            pagination_.newPage();
            return;
        case DirectiveKind::ColumnBreak:
            pagination_.columnBreak();
            return;
        case DirectiveKind::Columns:
            pagination_.setColumns(directive.value.trimmed().toInt());
            return;
        case DirectiveKind::ChorusStart:
            drawLabel(directive.label, sourceLine);
            return;
        case DirectiveKind::SectionStart:
            drawLabel(directive.label, sourceLine);
            if (directive.name == u"textblock")
                drawTextBlock(directive.body, sourceLine);
            else if (isDelegatedSection(directive.name))
                drawFigure(directive.name, directive.body, sourceLine);
            return;
        case DirectiveKind::Image:
            drawFigure(QStringLiteral("image"), directive.value, sourceLine);
            return;
        case DirectiveKind::Comment:
            if (directive.style != CommentStyle::Plain) {
                drawStyledComment(directive, sourceLine);
                return;
            }
            break;
        default:
            break;
        }
        pagination_.ajouterLigne(spacer(sourceLine), LineType::Spacer, false);
        if (directive.kind != DirectiveKind::Comment)
            return;
        // The comment box: a thin band as wide as the text, then the text, both on the
        // comment background.
        const QString band(directive.value.size(), u' ');
        pagination_.ajouterLigne(
            rows_.make(RowKind::Band, sourceLine, {{AttrDic::directiveAttrDicSpacer, band}}),
            LineType::Band, false);
        pagination_.ajouterLigne(rows_.make(RowKind::Comment, sourceLine,
                                            {{AttrDic::directiveAttrDic, directive.value},
                                             {AttrDic::indentAttrDic2, QStringLiteral(" ")}}),
                                 LineType::Comment, false);
    }

    // Plain text, line by line as written, never wrapped.
    void drawTextBlock(const QString& body, qsizetype sourceLine)
    {
        QStringList lines = body.split(u'\n');
        if (!lines.isEmpty() && lines.last().isEmpty())
            lines.removeLast();
        for (const QString& text : std::as_const(lines)) {
            if (text.trimmed().isEmpty()) {
                drawEmpty({LineSegment::Shape::Empty, {}, {}, {}, {}, {}, false, {}}, sourceLine);
                continue;
            }
            pagination_.ajouterLigne(
                rows_.make(RowKind::Lyrics, sourceLine, {{AttrDic::textAttrDic, text}}),
                LineType::Text, true);
        }
    }

    double columnWidth() const
    {
        const double columns = std::max(1, pagination_.columns());
        return options_.sizeRefInst.width() / columns;
    }

    // A picture, scaled down to the column's width; a framed note in its place when it
    // cannot be made.
    void drawFigure(const QString& kind, const QString& source, qsizetype sourceLine)
    {
        std::shared_ptr<const SongFigure> figure;
        if (options_.figures)
            figure = kind == u"image" ? options_.figures->image(source)
                                      : options_.figures->section(kind, source);
        if (!figure) {
            SongFigure missing;
            missing.message = QStringLiteral("This picture is not drawn here.");
            figure = std::make_shared<const SongFigure>(missing);
        }
        const double width = columnWidth();
        QSizeF size = figure->naturalSize;
        if (figure->kind == SongFigure::Kind::Missing || size.isEmpty())
            size = QSizeF(width, 3 * options_.attributes.fontSize3.height());
        else if (size.width() > width)
            size *= width / size.width();
        // Never taller than a page, so that it fits on one.
        const double pageRoom =
            options_.sizeRefInst.height() - 2 * options_.attributes.fontSize2.height();
        if (size.height() > pageRoom && pageRoom > 0)
            size *= pageRoom / size.height();
        pagination_.ajouterLigne(spacer(sourceLine), LineType::Spacer, false);
        ChordProRow row = rows_.make(RowKind::Figure, sourceLine, {});
        row.figure = std::move(figure);
        row.figureKind = kind;
        row.width = size.width();
        row.height = size.height();
        pagination_.ajouterLigne(std::move(row), LineType::Figure, false);
    }

    // The diagrams of the chords shown, in rows as wide as a column, after the song. Chords
    // without a shape are left out.
    void drawDiagrams(const ParsedSong& song)
    {
        ChordDiagrams shapes;
        for (const QString& definition : song.definitions) {
            if (const std::optional<ChordFingering> f = parseChordDefinition(definition))
                shapes.define(*f);
        }
        QList<ChordFingering> shown;
        for (const QString& chord : song.shownChords) {
            if (std::optional<ChordFingering> f = shapes.lookup(chord); f && !f->frets.isEmpty())
                shown.append(*f);
        }
        if (shown.isEmpty())
            return;
        const QSizeF cell = chordDiagramSize(options_.attributes.fontSize);
        const double gap = cell.width() / 4;
        const qsizetype perRow =
            std::max<qsizetype>(1, qsizetype((columnWidth() + gap) / (cell.width() + gap)));
        const qsizetype lastLine = song.lines.isEmpty() ? 0 : song.lines.last().sourceLine;
        pagination_.ajouterLigne(spacer(lastLine), LineType::Spacer, false);
        for (qsizetype i = 0; i < shown.size(); i += perRow) {
            ChordProRow row = rows_.make(RowKind::Diagrams, lastLine, {});
            row.diagrams = shown.mid(i, perRow);
            row.diagramWidth = cell.width() + gap;
            row.width = row.diagrams.size() * row.diagramWidth - gap;
            row.height = cell.height();
            pagination_.ajouterLigne(std::move(row), LineType::Figure, false);
        }
    }

    // A section's label, at the left above it.
    void drawLabel(const QString& label, qsizetype sourceLine)
    {
        if (label.isEmpty())
            return;
        pagination_.ajouterLigne(spacer(sourceLine), LineType::Spacer, false);
        pagination_.ajouterLigne(
            rows_.make(RowKind::Label, sourceLine, {{AttrDic::labelAttrDic, label}}),
            LineType::Comment, false);
    }

    void drawStyledComment(const DirectiveOutput& directive, qsizetype sourceLine)
    {
        pagination_.ajouterLigne(spacer(sourceLine), LineType::Spacer, false);
        const AttrDic attr =
            directive.style == CommentStyle::Italic ? AttrDic::directiveItalicAttrDic
            : directive.style == CommentStyle::Box  ? AttrDic::directiveBoxAttrDic
                                                    : AttrDic::directiveHighlightAttrDic;
        ChordProRow row = rows_.make(RowKind::Comment, sourceLine, {{attr, directive.value}});
        row.framed = directive.style == CommentStyle::Box;
        pagination_.ajouterLigne(std::move(row), LineType::Comment, false);
    }

    // A grid line: each cell padded to its column, bars in the text colour, chords in the
    // chord colour.
    void drawGrid(const LineSegment& segment, qsizetype sourceLine)
    {
        ChordProRow row = rows_.make(RowKind::Grid, sourceLine, {});
        const QStringList cells = gridCells(segment.lyrics);
        for (qsizetype i = 0; i < cells.size(); ++i) {
            const qsizetype width = i < gridWidths_->size() ? (*gridWidths_)[i] : cells[i].size();
            const QString cell = cells[i].leftJustified(width + 1, u' ');
            rows_.append(row, isGridBar(cells[i]) ? AttrDic::gridBarAttrDic : AttrDic::chordAttrDic,
                         cell);
        }
        pagination_.ajouterLigne(std::move(row), LineType::Text, true);
    }

    // The chord line, annotations in their own style.
    void appendChords(ChordProRow& row, const LineSegment& segment) const
    {
        qsizetype at = 0;
        for (const Span& span : segment.annotations) {
            if (span.start > at)
                rows_.append(row, AttrDic::chordAttrDic,
                             segment.chords.sliced(at, span.start - at));
            rows_.append(row, AttrDic::annotationAttrDic,
                         segment.chords.sliced(span.start, span.end - span.start));
            at = span.end;
        }
        if (at < segment.chords.size() || segment.annotations.isEmpty())
            rows_.append(row, AttrDic::chordAttrDic, segment.chords.sliced(at));
    }

    void drawSegment(const LineSegment& segment, qsizetype sourceLine)
    {
        if (segment.shape != LineSegment::Shape::Text) {
            drawEmpty(segment, sourceLine);
            return;
        }
        const bool chords = segment.hasChords();
        const bool lyrics = segment.hasLyrics();
        if (gridWidths_ && !chords && lyrics && !lyricsOnly_) {
            drawGrid(segment, sourceLine);
            return;
        }
        if (chords) {
            ChordProRow row = rows_.make(RowKind::Chords, sourceLine, {});
            if (segment.chorus)
                addIndent(row);
            appendChords(row, segment);
            pagination_.ajouterLigne(std::move(row),
                                     lyrics ? LineType::ChordsOverLyrics : LineType::Text, false);
        }
        if (lyrics) {
            ChordProRow row = rows_.make(RowKind::Lyrics, sourceLine, {});
            if (segment.chorus && !lyricsOnly_)
                addIndent(row);
            appendLyrics(row, segment);
            pagination_.ajouterLigne(std::move(row), LineType::Text, true);
        }
    }

    // An empty source line, or one of directives only: outside a chorus an empty line for
    // the first and nothing for the second; inside a chorus the bar goes on for both.
    void drawEmpty(const LineSegment& segment, qsizetype sourceLine)
    {
        if (segment.chorus) {
            pagination_.ajouterLigne(
                rows_.make(RowKind::Empty, sourceLine,
                           {{AttrDic::spacerIndentAttrDic, kIndent},
                            {AttrDic::spacerIndentAttrDic2, QStringLiteral(" ")}}),
                LineType::Spacer, false);
        } else if (segment.shape == LineSegment::Shape::Empty) {
            pagination_.ajouterLigne(rows_.make(RowKind::Empty, sourceLine,
                                                {{AttrDic::textAttrDicCR, QStringLiteral(" ")}}),
                                     LineType::EmptyLine, true);
        }
    }

    void addIndent(ChordProRow& row) const
    {
        rows_.append(row, AttrDic::indentAttrDic, kIndent);
        rows_.append(row, AttrDic::indentAttrDic2, kIndent);
    }

    // The lyrics in textAttrDic, highlighted spans in textAttrDicHI and, when chords are
    // drawn, the embedded chords in chordAttrDic over both.
    void appendLyrics(ChordProRow& row, const LineSegment& segment) const
    {
        const QString& text = segment.lyrics;
        QList<AttrDic> attrs(text.size(), AttrDic::textAttrDic);
        const auto paint = [&attrs](const QList<Span>& spans, AttrDic attr) {
            for (const Span& span : spans) {
                for (qsizetype i = span.start; i < span.end && i < attrs.size(); ++i)
                    attrs[i] = attr;
            }
        };
        paint(segment.highlights, AttrDic::textAttrDicHI);
        if (!lyricsOnly_)
            paint(segment.embedded, AttrDic::chordAttrDic);
        qsizetype begin = 0;
        for (qsizetype i = 1; i <= text.size(); ++i) {
            if (i == text.size() || attrs[i] != attrs[begin]) {
                rows_.append(row, attrs[begin], text.sliced(begin, i - begin));
                begin = i;
            }
        }
    }

    const ChordProLayoutOptions& options_;
    const RowMaker rows_;
    const bool lyricsOnly_;
    Pagination pagination_;
    // Column widths per grid, the grid of each line index, and the widths of the line being
    // drawn (nullptr outside a grid).
    QList<QList<qsizetype>> grids_;
    QHash<qsizetype, qsizetype> gridOfLine_;
    const QList<qsizetype>* gridWidths_ = nullptr;
};

} // namespace

bool isChorusBar(AttrDic attr)
{
    return attr == AttrDic::indentAttrDic || attr == AttrDic::indentAttrDic2 ||
           attr == AttrDic::spacerIndentAttrDic || attr == AttrDic::spacerIndentAttrDic2;
}

bool isLyricsOnly(RenderMode mode)
{
    return mode == RenderMode::LyricsOnly || mode == RenderMode::LyricsOnlyHalves;
}

const char* rowKindName(RowKind kind)
{
    switch (kind) {
    case RowKind::Spacer:
        return "spacer";
    case RowKind::Chords:
        return "chords";
    case RowKind::Lyrics:
        return "lyrics";
    case RowKind::Empty:
        return "empty";
    case RowKind::Band:
        return "band";
    case RowKind::Comment:
        return "comment";
    case RowKind::PageMark:
        return "pageMark";
    case RowKind::Label:
        return "label";
    case RowKind::Grid:
        return "grid";
    case RowKind::Figure:
        return "figure";
    case RowKind::Diagrams:
        return "diagrams";
    }
    return "";
}

QString ChordProRow::text() const
{
    QString out;
    for (const ChordProRun& run : runs)
        out += run.text;
    return out;
}

QString ChordProRow::textWithoutBar() const
{
    QString out;
    for (const ChordProRun& run : runs) {
        if (!isChorusBar(run.attr))
            out += run.text;
    }
    return out;
}

int nbMaxCarRefFor(double referenceWidth, double spaceWidth)
{
    const double chars = referenceWidth / spaceWidth - 1;
    if (std::isnan(chars))
        return 0;
    return static_cast<int>(std::clamp(chars, 0.0, kMaxCharsPerLine));
}

const ChordProPage* ChordProLayout::page(int pageNo) const
{
    if (pageNo < 1 || pageNo > pages.size())
        return nullptr;
    return &pages[pageNo - 1];
}

QList<ChordProRow> ChordProLayout::obtenirDocumentComplet() const
{
    QList<ChordProRow> rows;
    double top = 0;
    const qsizetype pagesPerBreak = mode == RenderMode::LyricsOnlyHalves ? 2 : 1;
    for (qsizetype p = 0; p < pages.size(); ++p) {
        if (p > 0 && p % pagesPerBreak == 0) {
            ChordProRow mark;
            mark.kind = RowKind::PageMark;
            mark.runs.append(
                {AttrDic::spacerAttrDicLR, QStringLiteral(" "), 0, attributes.fontSizeLR.width()});
            mark.width = attributes.fontSizeLR.width();
            mark.height = attributes.fontSizeLR.height();
            mark.top = top;
            top += mark.height;
            rows.append(std::move(mark));
        }
        for (ChordProRow row : pages[p].rows) {
            row.top += top;
            rows.append(std::move(row));
        }
        top += pages[p].cumulHeightPage;
    }
    return rows;
}

ChordProLayout layOutChordPro(const ParsedSong& song, const ChordProLayoutOptions& options,
                              const ChordProMetrics& metrics)
{
    ChordProLayoutOptions usable = options;
    const std::optional<QSizeF> reference = usableReferenceSize(options.sizeRefInst);
    if (!reference) {
        ChordProLayout none;
        none.mode = options.mode;
        none.attributes = options.attributes;
        return none;
    }
    usable.sizeRefInst = *reference;
    return LayoutPass(usable, metrics).run(song);
}

} // namespace partivo::chordpro
