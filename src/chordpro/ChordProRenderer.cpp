#include "chordpro/ChordProRenderer.h"

#include "chordpro/ChordProReference.h"
#include "chordpro/SongFigureMaker.h"
#include "platform/QProcessToolRunner.h"

#include <optional>

namespace partivo {

using namespace partivo::chordpro;

ChordProRenderer::ChordProRenderer(const ChordProMetrics& metrics, QSizeF sizeRefSpecified,
                                   bool useSizeRefStatique)
    : metrics_(metrics), sizeRefSpecified_(kDefaultFrame), useSizeRefStatique_(useSizeRefStatique)
{
    setSizeRefSpecified(sizeRefSpecified);
    ajusterAttributsPourRendering(true, ChordPro::kDefaultFontSize);
}

void ChordProRenderer::setBold(ChordProBold bold)
{
    bold_ = bold;
    reference_ = ChordProAttributes::measure(metrics_, reference_.fontSize, bold_);
    attributes_ = ChordProAttributes::measure(metrics_, attributes_.fontSize, bold_);
}

bool ChordProRenderer::setSizeRefSpecified(const QSizeF& size)
{
    const std::optional<QSizeF> usable = usableReferenceSize(size);
    if (!usable)
        return false;
    sizeRefSpecified_ = *usable;
    return true;
}

void ChordProRenderer::ajusterAttributsPourRendering(bool resetRef, double size)
{
    attributes_ = ChordProAttributes::measure(metrics_, size, bold_);
    if (resetRef)
        reference_ = attributes_;
}

QSizeF ChordProRenderer::sizeRefInst() const
{
    return useSizeRefStatique_ ? ChordPro::sizeRefStatique() : sizeRefSpecified_;
}

// Counted from the reference in force at every pass, so that a new shared reference size
// changes the line width as well as the page height.
int ChordProRenderer::nbMaxCarRef() const
{
    return nbMaxCarRefFor(sizeRefInst().width(), reference_.fontSize1.width());
}

ChordProLayout ChordProRenderer::traiterChordProData(ChordPro& document, RenderMode mode)
{
    if (document.fontSize() != reference_.fontSize)
        ajusterAttributsPourRendering(true, document.fontSize());
    ChordProLayoutOptions options;
    options.sizeRefInst = sizeRefInst();
    options.attributes = reference_;
    options.nbMaxCarRef = nbMaxCarRef();
    options.mode = mode;
    options.useSizeRefStatique = useSizeRefStatique_;
    options.diagrams = diagrams_;
    static QProcessToolRunner processes;
    FileSongFigureMaker onePass(processes, document.folder(), ChordPro::lilypondAllowed());
    options.figures = figures_ ? figures_ : &onePass;
    ChordProLayout layout = layOutChordPro(document.parse(), options, metrics_);
    document.setNbPages(layout.nbPages);
    return layout;
}

ChordProPageView ChordProRenderer::chargerPage(ChordPro& document, int pageNo,
                                               const ChordProPageRequest& request)
{
    if (document.chordProData().isEmpty()) {
        document.setNbPages(0);
        ChordProPageView empty;
        empty.viewSize = request.viewSize;
        return empty;
    }
    const ChordProLayout layout =
        traiterChordProData(document, renderModeFor(request.lyricsOnly, request.ratio21));
    return fitChordProPage(layout, pageNo, request, lyricsAlignmentLeft_);
}

} // namespace partivo
