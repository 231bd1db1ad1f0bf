#include "chordpro/ChordProPagination.h"

#include <algorithm>
#include <utility>

namespace partivo::chordpro {

Pagination::Pagination(const ChordProLayoutOptions& options, ChordProRow breakSpacer)
    : options_(options), breakSpacer_(std::move(breakSpacer)),
      height_(options.sizeRefInst.height()), lyricsOnly_(isLyricsOnly(options.mode)),
      halves_(options.mode == RenderMode::LyricsOnlyHalves)
{
}

Pagination::Heights Pagination::heightsOf(LineType type) const
{
    const ChordProAttributes& a = options_.attributes;
    switch (type) {
    case LineType::Continuation:
        return {0, 0};
    case LineType::Text:
        return {a.fontSize1.height(), a.fontSize1.height()};
    case LineType::Spacer:
        return {a.fontSize2.height(), a.fontSize2.height()};
    case LineType::Comment:
        return {a.fontSize3.height(), a.fontSize3.height()};
    case LineType::ChordsOverLyrics:
        return {2 * a.fontSize1.height(), a.fontSize1.height()};
    case LineType::Band:
        return {a.fontSize4.height() + a.fontSize3.height(), a.fontSize4.height()};
    case LineType::EmptyLine:
        return {a.fontSizeCR.height(), a.fontSizeCR.height()};
    case LineType::Figure:
        return {0, 0};
    }
    return {0, 0};
}

ChordProPage& Pagination::pageAt(qsizetype index)
{
    while (pages_.size() <= index)
        pages_.append(ChordProPage());
    return pages_[index];
}

void Pagination::addTopSpacer(ChordProRow row)
{
    ajouterLigne(std::move(row), LineType::Spacer, false);
    pageHasContent_ = false;
}

// Each new page starts with one spacer, which counts as the page's first height.
void Pagination::breakPage()
{
    ++nbPages_;
    const double spacer = breakSpacer_.height;
    cumulHeight_ = spacer;
    cumulHeightLyrics_ = spacer;
    cumulHeightLyricsBottom_ = 0;
    lyricsCenterCurrent_ = 0;
    pageHasContent_ = false;
    ChordProPage& page = pageAt(halves_ ? 2 * qsizetype(nbPages_) : nbPages_);
    ChordProRow row = breakSpacer_;
    row.top = page.cumulHeightPage;
    page.cumulHeightPage += row.height;
    page.rows.append(std::move(row));
    column_ = 0;
    blockTop_ = cumulHeight_;
    blockBottom_ = cumulHeight_;
}

void Pagination::newPage()
{
    if (pageHasContent_)
        breakPage();
}

void Pagination::setColumns(int count)
{
    const int columns = lyricsOnly_ || count < 1 || count > 4 ? 1 : count;
    if (columns == columns_)
        return;
    if (columns_ > 1)
        cumulHeight_ = std::max(cumulHeight_, blockBottom_);
    columns_ = columns;
    column_ = 0;
    blockTop_ = cumulHeight_;
    blockBottom_ = cumulHeight_;
}

void Pagination::columnBreak()
{
    if (columns_ > 1 && column_ < columns_ - 1)
        nextColumn();
    else
        newPage();
}

void Pagination::nextColumn()
{
    blockBottom_ = std::max(blockBottom_, cumulHeight_);
    ++column_;
    cumulHeight_ = blockTop_;
    pageHasContent_ = false;
}

void Pagination::ajouterLigne(ChordProRow row, LineType type, bool lyrics)
{
    const Heights heights =
        type == LineType::Figure ? Heights{row.height, row.height} : heightsOf(type);
    const double h = heights.counted;
    if (columns_ > 1) {
        // A row that does not fit goes to the next column, from the last to the next page.
        if (pageHasContent_ && cumulHeight_ + heights.reserved > height_) {
            if (column_ < columns_ - 1)
                nextColumn();
            else
                breakPage();
        }
        row.top = cumulHeight_;
        row.height = h;
        row.left = column_ * options_.sizeRefInst.width() / columns_;
        cumulHeight_ += h;
        blockBottom_ = std::max(blockBottom_, cumulHeight_);
        if (h > 0)
            pageHasContent_ = true;
        nbMaxCarReel_ = std::max(nbMaxCarReel_, static_cast<int>(row.text().size()) + 1);
        ChordProPage& page = pageAt(nbPages_);
        page.cumulHeightPage = std::max(page.cumulHeightPage, cumulHeight_);
        cumulHeightMax_ = std::max(cumulHeightMax_, page.cumulHeightPage);
        page.rows.append(std::move(row));
        return;
    }
    // In lyrics-only mode without the static reference a hidden row takes no height, so it
    // must not break the page either: it would leave a page with nothing to show.
    const bool takesNoHeight =
        options_.mode == RenderMode::LyricsOnly && !lyrics && !options_.useSizeRefStatique;
    // A row taller than the page goes on the page it starts, which would else stay empty.
    if (!takesNoHeight && pageHasContent_ && cumulHeight_ + heights.reserved > height_)
        breakPage();
    if (lyricsCenterCurrent_ == 0 && cumulHeight_ + h / 2 > height_ / 2)
        lyricsCenterCurrent_ = cumulHeightLyrics_;
    if (!takesNoHeight) {
        cumulHeight_ += h;
        if (h > 0)
            pageHasContent_ = true;
    }
    if (lyricsOnly_ && !lyrics)
        return;
    const bool bottomHalf = halves_ && cumulHeight_ - h / 2 > height_ / 2;
    if (bottomHalf)
        cumulHeightLyricsBottom_ += h;
    else
        cumulHeightLyrics_ += h;
    cumulHeightMax_ = std::max({cumulHeightMax_, cumulHeightLyrics_, cumulHeightLyricsBottom_});
    nbMaxCarReel_ = std::max(nbMaxCarReel_, static_cast<int>(row.text().size()) + 1);

    const qsizetype index = halves_ ? 2 * qsizetype(nbPages_) + (bottomHalf ? 1 : 0) : nbPages_;
    ChordProPage& page = pageAt(index);
    row.top = page.cumulHeightPage;
    row.height = h;
    page.cumulHeightPage += h;
    page.lyricsCenter = lyricsCenterCurrent_;
    page.rows.append(std::move(row));
}

void Pagination::finish(ChordProLayout& out)
{
    if (cumulHeight_ > 0)
        ++nbPages_;
    const qsizetype shown = halves_ ? 2 * qsizetype(nbPages_) : nbPages_;
    if (shown > 0)
        pageAt(shown - 1);
    out.nbPages = nbPages_;
    out.pages = std::move(pages_);
    out.cumulHeightMax = cumulHeightMax_;
    out.nbMaxCarReel = nbMaxCarReel_;
}

} // namespace partivo::chordpro
