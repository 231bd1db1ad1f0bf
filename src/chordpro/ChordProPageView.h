#pragma once

#include "chordpro/ChordProLayout.h"

#include <QSizeF>
#include <QString>

namespace partivo::chordpro {

// What the header line says about the song: title, artist and the note line of the owner's
// version (empty without an owner).
struct ChordProHeaderInfo {
    QString titre;
    QString auteur;
    QString noteLine;
};

struct ChordProPageRequest {
    QSizeF viewSize;
    bool lyricsOnly = false;
    // The window's display mode; 1 is the binder window's half-page zoom.
    int modeAffichage = 0;
    // Lyrics-only pages split into a top and a bottom half.
    bool ratio21 = false;
    bool includeTitle = false;
    ChordProHeaderInfo header;
};

// One page fitted into a view, ready to paint: the header line at the top, unscaled, then
// the page's rows scaled from reference units to the view.
struct ChordProPageView {
    QSizeF viewSize;
    // The page rectangle fitted into the view (myFrame).
    QSizeF myFrame;
    QString header;
    double headerHeight = 0;
    // Space between the header and the first row.
    double padding = 0;
    // View units per reference unit.
    double scale = 1;
    // Each row centred across the view (lyrics-only), else left-aligned.
    bool centred = false;
    // Font size and bold options the rows were measured with.
    ChordProAttributes attributes;
    QList<ChordProRow> rows;
};

RenderMode renderModeFor(bool lyricsOnly, bool ratio21);

// The header line: "title (artist) note", cut so that the page label always fits at the
// right end, padded with spaces up to it. fontSizeH is the size of a space in the header.
QString genererHeader(int pageNo, int pageCount, const ChordProHeaderInfo& info, double frameWidth,
                      double viewWidth, const QSizeF& fontSizeH);

// Page pageNo (from 1; a half page in LyricsOnlyHalves) of a layout fitted into the view:
// the page fills the view's width or height at the reference proportions; lyrics-only pages
// are enlarged so that the tallest page and the longest line of the song fill the view, and
// centred vertically. A view without area or a layout without pages gives a view with
// nothing in it.
ChordProPageView fitChordProPage(const ChordProLayout& layout, int pageNo,
                                 const ChordProPageRequest& request, bool lyricsAlignmentLeft);

} // namespace partivo::chordpro
