#pragma once

#include "chordpro/ChordPro.h"
#include "chordpro/ChordProLayout.h"
#include "chordpro/ChordProMetrics.h"
#include "chordpro/ChordProPageView.h"

#include <QSizeF>

namespace partivo::chordpro {
class SongFigureMaker;
}

namespace partivo {

// The rendering side of a ChordPro document: lays songs out against a reference page with
// the fonts of the song's own size, and fits pages into views. It keeps only the reference
// and its measurements; every pass starts from the document's text.
class ChordProRenderer {
public:
    // The frame a renderer gets when its owner gives none.
    static constexpr QSizeF kDefaultFrame{636, 755};

    // sizeRefSpecified: this renderer's own reference page (refused or clamped as the
    // shared one is); useSizeRefStatique: lay out against the shared one instead.
    explicit ChordProRenderer(const chordpro::ChordProMetrics& metrics,
                              QSizeF sizeRefSpecified = kDefaultFrame,
                              bool useSizeRefStatique = false);

    // The owner's bold options for lyrics and chords.
    void setBold(chordpro::ChordProBold bold);
    void setLyricsAlignmentLeft(bool left) { lyricsAlignmentLeft_ = left; }
    // The window's option: songs end with the diagrams of their chords.
    void setDiagrams(bool shown) { diagrams_ = shown; }
    // What makes the song's figures (pictures, music); unless set, a maker of the real
    // programs for each pass.
    void setFigureMaker(chordpro::SongFigureMaker* figures) { figures_ = figures; }
    bool lyricsAlignmentLeft() const { return lyricsAlignmentLeft_; }
    bool setSizeRefSpecified(const QSizeF& size);
    bool useSizeRefStatique() const { return useSizeRefStatique_; }

    // Measures the fonts of that size; with resetRef they become the reference the layout
    // counts with (a document's font size, when it is loaded).
    void ajusterAttributsPourRendering(bool resetRef, double size);

    // The reference page in force: the shared one or this renderer's own.
    QSizeF sizeRefInst() const;
    double myFontSizeRef() const { return reference_.fontSize; }
    const chordpro::ChordProAttributes& referenceAttributes() const { return reference_; }
    // Measured by the last ajusterAttributsPourRendering, at its size.
    const chordpro::ChordProAttributes& attributes() const { return attributes_; }
    // Characters across the reference page in force.
    int nbMaxCarRef() const;

    // A pass over the document at its own font size against the reference in force: its
    // chord list becomes the chords met and its page count that of the layout.
    chordpro::ChordProLayout traiterChordProData(ChordPro& document, chordpro::RenderMode mode);
    // One page of the document fitted into a view, after a pass in the request's mode. An
    // empty document gives an empty view.
    chordpro::ChordProPageView chargerPage(ChordPro& document, int pageNo,
                                           const chordpro::ChordProPageRequest& request);

private:
    const chordpro::ChordProMetrics& metrics_;
    QSizeF sizeRefSpecified_;
    bool useSizeRefStatique_;
    bool lyricsAlignmentLeft_ = false;
    bool diagrams_ = true;
    chordpro::SongFigureMaker* figures_ = nullptr;
    chordpro::ChordProBold bold_;
    chordpro::ChordProAttributes reference_;
    chordpro::ChordProAttributes attributes_;
};

} // namespace partivo
