#include "chordpro/ChordProPageView.h"

#include <algorithm>
#include <cmath>

namespace partivo::chordpro {

namespace {

// The header's fixed room: the page label and a margin, in characters.
constexpr int kHeaderReserve = 13;
// The half-page zoom shows this much of a page's height.
constexpr double kZoomShown = 321.0 / 374.0;
// No header line is padded beyond this many characters.
constexpr double kMaxHeaderChars = 10000;

// The page fitted into width x height at the reference proportions.
QSizeF fitPage(double width, double height, const QSizeF& reference)
{
    const double ratio = reference.height() / reference.width();
    const double pageHeight = width * ratio;
    if (pageHeight > height)
        return {height / ratio, height};
    return {width, pageHeight};
}

// A whole number of characters from 0 to kMaxHeaderChars; 0 for anything undefined.
int charCount(double chars)
{
    if (!std::isfinite(chars))
        return 0;
    return static_cast<int>(std::clamp(chars, 0.0, kMaxHeaderChars));
}

} // namespace

RenderMode renderModeFor(bool lyricsOnly, bool ratio21)
{
    if (!lyricsOnly)
        return RenderMode::Page;
    return ratio21 ? RenderMode::LyricsOnlyHalves : RenderMode::LyricsOnly;
}

QString genererHeader(int pageNo, int pageCount, const ChordProHeaderInfo& info, double frameWidth,
                      double viewWidth, const QSizeF& fontSizeH)
{
    QString text = QStringLiteral("%1 (%2) %3")
                       .arg(info.titre.trimmed(), info.auteur.trimmed(), info.noteLine);
    const double space = fontSizeH.width();
    // A frame narrower than the reserve leaves no room for the text at all, never less.
    const int maximum = charCount(frameWidth / space - kHeaderReserve);
    if (text.size() > maximum)
        text.truncate(maximum);
    // The label is counted with its line end, as the view holds it.
    const QString label = QStringLiteral("Page:%1/%2").arg(pageNo).arg(pageCount);
    const int padding = charCount(viewWidth / space - 1 - text.size() - (label.size() + 1));
    if (padding >= 1)
        text += QString(padding, u' ');
    return text + label;
}

ChordProPageView fitChordProPage(const ChordProLayout& layout, int pageNo,
                                 const ChordProPageRequest& request, bool lyricsAlignmentLeft)
{
    ChordProPageView view;
    view.viewSize = request.viewSize;
    view.attributes = layout.attributes;
    const double viewWidth = request.viewSize.width();
    const double viewHeight = request.viewSize.height();
    if (layout.pages.isEmpty() || !(viewWidth > 0) || !(viewHeight > 0))
        return view;

    const QSizeF& reference = layout.sizeRefInst;
    const double h = reference.height();
    view.headerHeight = request.includeTitle ? layout.attributes.fontSizeH.height() : 0;
    const double available = std::max(0.0, viewHeight - view.headerHeight);
    view.myFrame = fitPage(viewWidth, available, reference);
    view.scale = view.myFrame.height() / h;
    const ChordProPage* page = layout.page(pageNo);

    if (isLyricsOnly(layout.mode)) {
        const double shown =
            request.modeAffichage == 1 ? view.myFrame.height() * kZoomShown : available;
        const double scaleAtFrame = view.scale;
        view.myFrame = fitPage(viewWidth, shown, reference);
        // A song without lyrics has neither a height nor a width to scale by: unscaled.
        double enlarge = 1;
        const double lineWidth = layout.nbMaxCarReel * layout.attributes.fontSize1.width();
        if (layout.cumulHeightMax > 0 && lineWidth > 0)
            enlarge = std::min(h / layout.cumulHeightMax, viewWidth / (lineWidth * scaleAtFrame));
        view.scale = view.myFrame.height() / h * enlarge;
        double padding = 0;
        if (request.modeAffichage == 1) {
            if (page && page->lyricsCenter > 0)
                padding = available / 2 - view.scale * page->lyricsCenter;
        } else if (page) {
            padding = (available - view.scale * page->cumulHeightPage) / 2;
        }
        view.padding = std::max(0.0, padding);
        view.centred = !lyricsAlignmentLeft;
    }

    if (request.includeTitle)
        view.header = genererHeader(pageNo, static_cast<int>(layout.pages.size()), request.header,
                                    view.myFrame.width(), viewWidth, layout.attributes.fontSizeH);
    if (page)
        view.rows = page->rows;
    return view;
}

} // namespace partivo::chordpro
