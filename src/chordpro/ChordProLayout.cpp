#include "chordpro/ChordProLayout.h"

#include "chordpro/ChordProLineBuilder.h"
#include "chordpro/ChordProPagination.h"
#include "chordpro/ChordProReference.h"

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
        const LineBuildOptions build{options_.nbMaxCarRef, lyricsOnly_};
        for (const ParsedLine& line : song.lines) {
            for (const LineOutput& output : buildLine(line, build)) {
                if (output.kind == LineOutput::Kind::Directive)
                    drawDirective(output.directive, line.sourceLine);
                else
                    drawSegment(output.segment, line.sourceLine);
            }
        }
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

    void drawDirective(const DirectiveOutput& directive, qsizetype sourceLine)
    {
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

    void drawSegment(const LineSegment& segment, qsizetype sourceLine)
    {
        if (segment.shape != LineSegment::Shape::Text) {
            drawEmpty(segment, sourceLine);
            return;
        }
        const bool chords = segment.hasChords();
        const bool lyrics = segment.hasLyrics();
        if (chords) {
            ChordProRow row = rows_.make(RowKind::Chords, sourceLine, {});
            if (segment.chorus)
                addIndent(row);
            rows_.append(row, AttrDic::chordAttrDic, segment.chords);
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
