#pragma once

#include "chordpro/ChordPro.h"
#include "chordpro/ChordProLayout.h"
#include "chordpro/ChordProRenderer.h"

#include "StubMetrics.h"

#include <QStringList>

// Lays a song out with the stub metrics against its own reference page.
inline partivo::chordpro::ChordProLayout
layOutText(const QString& text, const QSizeF& reference,
           partivo::chordpro::RenderMode mode = partivo::chordpro::RenderMode::Page)
{
    static const StubMetrics metrics;
    partivo::ChordProRenderer renderer(metrics, reference);
    partivo::ChordPro document;
    document.setChordProData(text);
    return renderer.traiterChordProData(document, mode);
}

// One row as a short token: "~" spacer, "C:" chords, "L:" lyrics, "E" empty line, "B"
// comment band, "#" comment, "---" page mark; ">" in front when the row has a chorus bar.
// Texts lose their trailing spaces and the bar's own spaces.
inline QString rowToken(const partivo::chordpro::ChordProRow& row)
{
    using namespace partivo::chordpro;
    bool bar = false;
    for (const ChordProRun& run : row.runs)
        bar = bar || run.attr == AttrDic::indentAttrDic || run.attr == AttrDic::spacerIndentAttrDic;
    QString text = row.textWithoutBar();
    while (text.endsWith(u' '))
        text.chop(1);
    QString token;
    switch (row.kind) {
    case RowKind::Spacer:
        token = QStringLiteral("~");
        break;
    case RowKind::Chords:
        token = "C:" + text;
        break;
    case RowKind::Lyrics:
        token = "L:" + text;
        break;
    case RowKind::Empty:
        token = QStringLiteral("E");
        break;
    case RowKind::Band:
        token = QStringLiteral("B");
        break;
    case RowKind::Comment:
        token = "#" + text;
        break;
    case RowKind::PageMark:
        token = QStringLiteral("---");
        break;
    case RowKind::Label:
        token = "@" + text;
        break;
    case RowKind::Grid:
        token = "G:" + text;
        break;
    case RowKind::Figure:
        token = "F:" + row.figureKind;
        break;
    case RowKind::Diagrams:
        token = "D:" + QString::number(row.diagrams.size());
        break;
    }
    return bar ? ">" + token : token;
}

inline QString rowsShown(const QList<partivo::chordpro::ChordProRow>& rows)
{
    QStringList tokens;
    for (const auto& row : rows)
        tokens << rowToken(row);
    return tokens.join(u' ');
}

// Every page (half page in LyricsOnlyHalves) as its row tokens, pages joined by " // ".
inline QString pagesShown(const partivo::chordpro::ChordProLayout& layout)
{
    QStringList pages;
    for (const auto& page : layout.pages)
        pages << rowsShown(page.rows);
    return pages.join(QStringLiteral(" // "));
}

// "1\n2\n...\nn\n"
inline QString numberedLines(int count, const QString& prefix = QString())
{
    QString text;
    for (int i = 1; i <= count; ++i)
        text += prefix + QString::number(i) + u'\n';
    return text;
}
